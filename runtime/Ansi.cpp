#include "runtime/Ansi.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace rt {

std::string toAnsi(std::wstring_view text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                        nullptr);
    return out;
}

std::wstring fromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::optional<std::string> toAnsiName(std::wstring_view name) {
    if (name.find(L'\0') != std::wstring_view::npos) return std::nullopt;
    std::string ansi = toAnsi(name);
    if (fromAnsi(ansi) != name) return std::nullopt;
    return ansi;
}

std::optional<std::string> toAnsiNameList(std::wstring_view names) {
    std::string list;
    for (size_t at = 0;;) {
        const size_t end = std::min(names.find(L'\0', at), names.size());
        const std::optional<std::string> name = toAnsiName(names.substr(at, end - at));
        if (!name) return std::nullopt;
        list += *name;
        if (end == names.size()) return list;
        list += '\0';
        at = end + 1;
    }
}

std::wstring fromAnsiBuffer(const char* buffer, size_t capacity) {
    size_t len = 0;
    while (len < capacity && buffer[len] != '\0') ++len;
    return fromAnsi(std::string_view(buffer, len));
}

}  // namespace rt
