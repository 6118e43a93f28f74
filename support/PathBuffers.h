#pragma once
// Buffers for the ANSI path calls, sized from what the call can answer
// rather than a fixed 255 or 260 characters.
#include <windows.h>

#include <algorithm>
#include <string>

namespace PathBuffers {

// A copy of `text` with room for `extra` more characters and never less
// than MAX_PATH (the path calls of shlwapi assume that much), NUL-filled.
inline std::string editRoom(const std::string& text, size_t extra) {
    std::string buffer = text;
    buffer.resize(std::max(text.size() + extra, static_cast<size_t>(MAX_PATH)) + 1, '\0');
    return buffer;
}

// What `call`(buffer, room) writes, for calls that answer with their
// text's length when it fits and with the room they need when it does not
// (GetFullPathNameA, GetTempPathA, ...): asked again with that room. "" when
// the call fails.
template <typename Call>
std::string sizedByAnswer(DWORD room, Call call) {
    std::string buffer(room, '\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return buffer;
        }
        buffer.assign(n + 1, '\0');
    }
    return {};
}

}  // namespace PathBuffers
