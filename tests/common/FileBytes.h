#pragma once
// Raw file content for tests: bytes written and read exactly, and a
// temporary folder that removes itself.
#include <string>
#include <vector>

namespace testenv {

// Writes `bytes` as the whole content of `path` (ANSI name).
void writeFileBytes(const std::wstring& path, const std::string& bytes);
// The whole content of `path`; "<missing>" when it cannot be opened.
std::string readFileBytes(const std::wstring& path);
// Names of the files matching `pattern` (e.g. "C:\\temp\\txt*.tmp").
std::vector<std::wstring> filesMatching(const std::wstring& pattern);

// A fresh folder under the temporary folder, removed with its content.
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

}  // namespace testenv
