#pragma once
// A fresh folder under the temporary folder, removed with its content when
// the object ends; and a listing of files by pattern.
#include <string>
#include <vector>

namespace testenv {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& tag);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& path() const { return path_; }
    // path() + "\" + name
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Names of the files matching `pattern` (e.g. "C:\\temp\\txt*.tmp").
std::vector<std::wstring> filesMatching(const std::wstring& pattern);

}  // namespace testenv
