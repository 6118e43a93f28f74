#include "support/FolderLinks.h"

#include <windows.h>
#include <winioctl.h>

#include <optional>
#include <vector>

#include "runtime/Handles.h"
#include "support/PathLimits.h"

namespace FolderLinks {

uint32_t reparseTag(const std::wstring& folder) {
    const std::optional<std::string> name = PathLimits::callName(folder);
    if (!name) return 0;
    HANDLE h = CreateFileA(name->c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    rt::unique_hfile point(h == INVALID_HANDLE_VALUE ? nullptr : h);
    std::vector<uint8_t> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD size = 0;
    if (!point || !DeviceIoControl(point.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                                   static_cast<DWORD>(data.size()), &size, nullptr) ||
        size < sizeof(uint32_t))
        return 0;
    return *reinterpret_cast<const uint32_t*>(data.data());
}

bool leadsElsewhere(const std::wstring& folder, uint32_t attributes) {
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return false;
    uint32_t tag = reparseTag(folder);
    return !IsReparseTagMicrosoft(tag) || IsReparseTagNameSurrogate(tag);
}

}  // namespace FolderLinks
