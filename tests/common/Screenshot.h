#pragma once
// What a window shows on the screen, read back from the screen itself (so
// windowless labels and images count as the user sees them), compared with
// a rendering of what should be there, and kept as a PNG artefact.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testenv {

class Screenshot {
public:
    // The client area of `window`, or the whole window with its frame.
    explicit Screenshot(HWND window, bool withFrame = false);

    int width() const { return width_; }
    int height() const { return height_; }

    // True when `area` (client pixels) shows exactly what `draw` paints there
    // over the bitmap `background` (a resource of this program) placed at 0, 0.
    bool shows(RECT area, int background, const std::function<void(HDC)>& draw) const;

    bool operator==(const Screenshot& other) const = default;

    // Saves it as build/screenshots/<name>.png; false when it cannot.
    bool save(const std::wstring& name) const;

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;  // top-down rows, 0x00RRGGBB
};

}  // namespace testenv
