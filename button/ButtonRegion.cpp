#include "button/ButtonRegion.h"

#include <initializer_list>

namespace button {
namespace {

struct Pixel {
    int32_t x, y;
};

// Removes the given pixels one by one, alternating the destination between
// a work region and the result so that the result ends in `region`.
void cutPixels(rt::unique_hrgn& region, std::initializer_list<Pixel> pixels) {
    rt::unique_hrgn work(CreateRectRgn(0, 0, 0, 0));
    HRGN from = region.get(), to = work.get();
    for (const Pixel& p : pixels) {
        rt::unique_hrgn cut(CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1));
        CombineRgn(to, from, cut.get(), RGN_DIFF);
        std::swap(from, to);
    }
    if (from != region.get()) CombineRgn(region.get(), from, nullptr, RGN_COPY);
}

}  // namespace

rt::unique_hrgn makeRegion(int32_t type, int32_t wi, int32_t he) {
    rt::unique_hrgn region(CreateRectRgn(0, 0, wi, he));
    switch (type) {
        case 1:
        case 14: cutPixels(region, {{0, he - 1}, {wi - 1, 0}, {0, 0}, {wi - 1, he - 1}}); break;
        case 5: cutPixels(region, {{0, he - 1}, {wi - 1, 0}}); break;
        case 3:
        case 4:
            cutPixels(region, {{0, 0}, {1, 0}, {0, he - 1}, {1, he - 1}, {wi - 2, 0}, {wi - 1, 0},
                               {wi - 2, he - 1}, {wi - 1, he - 1}, {0, 1}, {0, he - 2}, {wi - 1, 1}, {wi - 1, he - 2}});
            break;
        case 13: region.reset(CreateEllipticRgn(0, 0, wi, he)); break;
        default: break;
    }
    return region;
}

RECT focusRect(int32_t type, RECT rc) {
    if (type >= 7 && type <= 13) {
        InflateRect(&rc, -3, -3);
    } else if (type == 14) {
        InflateRect(&rc, -5, -5);
        OffsetRect(&rc, 1, 1);
    } else {
        InflateRect(&rc, -4, -4);
    }
    return rc;
}

}  // namespace button
