#include "runtime/Ansi.h"

#include <windows.h>

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
    std::string ansi = toAnsi(name);
    if (fromAnsi(ansi) != name) return std::nullopt;
    return ansi;
}

std::wstring fromAnsiBuffer(const char* buffer, size_t capacity) {
    size_t len = 0;
    while (len < capacity && buffer[len] != '\0') ++len;
    return fromAnsi(std::string_view(buffer, len));
}

}  // namespace rt
