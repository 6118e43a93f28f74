#pragma once
// A picture object: a bitmap, icon or cursor shared by reference, which owns
// its handle unless the handle is one the system shares.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "runtime/Handles.h"

namespace rt {

class StdPicture {
public:
    enum class Type { Bitmap, Icon, Cursor };

    // Takes ownership of the handle; `owned` false for shared system handles.
    static std::shared_ptr<StdPicture> fromBitmap(HBITMAP bitmap);
    static std::shared_ptr<StdPicture> fromIcon(HICON icon, bool owned = true);
    static std::shared_ptr<StdPicture> fromCursor(HCURSOR cursor, bool owned = true);

    // Pictures from the program's resources (or `module`'s); a missing one
    // raises error 326. An icon comes with its mask, in the image of the
    // group that has `size` pixels and `bitsPerPixel` colours (0: the
    // screen's), or else the nearest one, scaled to `size`.
    static std::shared_ptr<StdPicture> fromIconResource(int id, int size, int bitsPerPixel = 0,
                                                        HMODULE module = nullptr);
    static std::shared_ptr<StdPicture> fromBitmapResource(int id, HMODULE module = nullptr);
    static std::shared_ptr<StdPicture> fromCursorResource(int id, HMODULE module = nullptr);

    StdPicture(const StdPicture&) = delete;
    StdPicture& operator=(const StdPicture&) = delete;
    ~StdPicture();

    Type type() const { return type_; }
    HBITMAP bitmap() const { return type_ == Type::Bitmap ? bitmap_.get() : nullptr; }
    HICON icon() const { return type_ == Type::Bitmap ? nullptr : icon_; }
    // Size in pixels, asked of the handle once: the handle never changes, and
    // an icon's size costs copies of its bitmaps.
    SIZE size() const;
    // An icon's top-left w x h pixels drawn over a field of colour `field`, as
    // a DibCanvas holds them. An icon never changes: the last drawing asked
    // for is kept. Throws std::bad_alloc when there is no room to draw.
    const std::vector<uint32_t>& iconOnField(int32_t field, int w, int h) const;
    // Size in HIMETRIC (0.01 mm), from the pixels at the screen's resolution.
    int32_t Width() const;
    int32_t Height() const;

private:
    StdPicture(Type type) : type_(type) {}
    SIZE handleSize() const;

    Type type_;
    unique_hbitmap bitmap_;
    HICON icon_ = nullptr;
    bool ownsIcon_ = false;
    mutable std::optional<SIZE> size_;
    struct IconDrawing {
        int32_t field;
        int w, h;
        std::vector<uint32_t> pixels;
    };
    mutable std::optional<IconDrawing> drawing_;
};

using PictureRef = std::shared_ptr<StdPicture>;

}  // namespace rt
