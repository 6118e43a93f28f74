#pragma once
// Wine shows a Unix symbolic link to a folder as a folder with the
// reparse-point bit but cannot make one (nor a junction), and deleting one
// through Win32 deletes what it points to: tests make and remove such links
// with Unix commands, only inside their own scratch folders.
#include <string>

namespace testenv {

// Starts the Unix program at `program` (a Unix path) with `arguments` (ASCII).
// Wine hands back no process handle for it: callers wait for its effect.
bool startUnix(const std::wstring& program, const std::string& arguments);

// The Unix path Wine maps a Windows path to; "" outside Wine.
std::string unixPath(const std::wstring& windowsPath);

// A link `link` (a Windows path) to `target` (a Unix path, relative to the
// link's folder or absolute), unlinked when the object ends. Should the link
// stay, the program stops rather than let any cleanup follow it.
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
