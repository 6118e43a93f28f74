#pragma once
// The Unix side of Wine, for tests that need what Win32 under Wine cannot
// make: Wine shows a Unix symbolic link to a folder as a folder with the
// reparse-point bit, but cannot create one (nor a junction), and deleting
// one through Win32 deletes what it points to. Tests make and remove such
// links with Unix commands, only inside their own scratch folders.
#include <string>

namespace testenv {

// The Unix path Wine maps a Windows path to; "" outside Wine.
std::string unixPath(const std::wstring& windowsPath);

// A Unix symbolic link `link` (a Windows path) to `target` (a Unix path,
// relative to the link's folder or absolute), removed with `unlink` (the
// link only, never its target) when the object ends.
class UnixLink {
public:
    UnixLink(const std::wstring& link, const std::string& target);
    ~UnixLink();
    UnixLink(const UnixLink&) = delete;
    UnixLink& operator=(const UnixLink&) = delete;
    bool made() const { return made_; }

private:
    std::wstring link_;
    bool made_ = false;
};

}  // namespace testenv
