// Draws the program's own pictures and writes them as resource files into
// the folder given on the command line (the build folder the .rc reads).
// Built and run on the build machine; one function per picture.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Little-endian file writer.
class Bytes {
public:
    void u8(uint8_t v) { data_.push_back(v); }
    void u16(uint16_t v) { u8(v & 0xFF); u8(v >> 8); }
    void u32(uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void append(const std::vector<uint8_t>& more) { data_.insert(data_.end(), more.begin(), more.end()); }
    const std::vector<uint8_t>& data() const { return data_; }
    bool save(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
        return static_cast<bool>(out);
    }

private:
    std::vector<uint8_t> data_;
};

// ---- Drawing -------------------------------------------------------------

// A colour with straight (not premultiplied) alpha, channels 0 to 1.
struct Colour {
    double r, g, b, a = 1;
};

Colour rgb(uint32_t hex, double a = 1) {
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, a};
}

Colour mix(Colour x, Colour y, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

uint8_t channel(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

uint32_t toRgb(Colour c) { return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b); }

// Shapes are signed distances in pixels: negative inside.
using Shape = std::function<double(double x, double y)>;
using Paint = std::function<Colour(double x, double y)>;

Shape circle(double cx, double cy, double r) {
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - r; };
}

Shape ellipse(double cx, double cy, double rx, double ry) {
    return [=](double x, double y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * std::min(rx, ry); };
}

double segmentDistance(double x, double y, double ax, double ay, double bx, double by) {
    double dx = bx - ax, dy = by - ay;
    double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - ax - t * dx, y - ay - t * dy);
}

struct Point {
    double x, y;
};
using Points = std::vector<Point>;

// A line through the points, `width` thick, with round ends and joints.
Shape stroke(Points pts, double width) {
    return [=](double x, double y) {
        double d = 1e9;
        for (size_t i = 1; i < pts.size(); ++i)
            d = std::min(d, segmentDistance(x, y, pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y));
        return d - width / 2;
    };
}

Shape polygon(Points pts) {
    return [=](double x, double y) {
        double d = 1e9;
        bool inside = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Point &a = pts[i], &b = pts[j];
            d = std::min(d, segmentDistance(x, y, a.x, a.y, b.x, b.y));
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
        }
        return inside ? -d : d;
    };
}

Shape roundedRect(double x0, double y0, double x1, double y1, double r) {
    return [=](double x, double y) {
        double qx = std::abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - r);
        double qy = std::abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - r);
        return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
    };
}

Shape unite(Shape a, Shape b) {
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}
Shape subtract(Shape a, Shape b) {
    return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}
Shape grow(Shape a, double by) {
    return [=](double x, double y) { return a(x, y) - by; };
}

// A cubic curve from the last point of `pts` through two control points.
void curveTo(Points& pts, Point c1, Point c2, Point end) {
    Point p0 = pts.back();
    for (int i = 1; i <= 24; ++i) {
        double t = i / 24.0, u = 1 - t;
        pts.push_back({u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * end.x,
                       u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * end.y});
    }
}

// A blend between two colours along the line from `from` to `to`.
Paint gradient(Point from, Colour c0, Point to, Colour c1) {
    double dx = to.x - from.x, dy = to.y - from.y, len2 = dx * dx + dy * dy;
    return [=](double x, double y) { return mix(c0, c1, ((x - from.x) * dx + (y - from.y) * dy) / len2); };
}

// A blend from `inner` at the centre to `outer` at `radius`.
Paint radial(Point centre, double radius, Colour inner, Colour outer) {
    return [=](double x, double y) { return mix(inner, outer, std::hypot(x - centre.x, y - centre.y) / radius); };
}

// An RGBA picture, anti-aliased by testing n x n points in every pixel.
class Canvas {
public:
    Canvas(int width, int height, int samples = 8)
        : width_(width), height_(height), samples_(samples), pixels_(width * height, Colour{0, 0, 0, 0}) {}
    int width() const { return width_; }
    int height() const { return height_; }

    void fill(const Shape& shape, const Paint& paint) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                double cover = coverage(shape, x, y);
                if (cover > 0) blend(pixels_[y * width_ + x], paint(x + 0.5, y + 0.5), cover);
            }
    }
    void fill(const Shape& shape, Colour c) {
        fill(shape, [c](double, double) { return c; });
    }
    void fillAll(const Paint& paint) {
        fill([](double, double) { return -1.0; }, paint);
    }

    Colour at(int x, int y) const { return pixels_[y * width_ + x]; }

private:
    double coverage(const Shape& shape, int x, int y) const {
        int inside = 0;
        for (int j = 0; j < samples_; ++j)
            for (int i = 0; i < samples_; ++i)
                if (shape(x + (i + 0.5) / samples_, y + (j + 0.5) / samples_) < 0) ++inside;
        return static_cast<double>(inside) / (samples_ * samples_);
    }

    // Source over destination.
    static void blend(Colour& dst, Colour src, double cover) {
        double a = src.a * cover, out = a + dst.a * (1 - a);
        if (out <= 0) return;
        auto over = [&](double s, double d) { return (s * a + d * dst.a * (1 - a)) / out; };
        dst = {over(src.r, dst.r), over(src.g, dst.g), over(src.b, dst.b), out};
    }

    int width_, height_, samples_;
    std::vector<Colour> pixels_;
};

// ---- Files ---------------------------------------------------------------

void infoHeader(Bytes& b, int width, int height, int bits, uint32_t imageSize) {
    b.u32(40);
    b.u32(width);
    b.u32(height);
    b.u16(1);
    b.u16(static_cast<uint16_t>(bits));
    b.u32(0);  // BI_RGB
    b.u32(imageSize);
    for (int i = 0; i < 4; ++i) b.u32(0);
}

int rowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

// 24-bit, bottom row first; transparent parts come out black.
bool writeBitmap(const std::string& path, const Canvas& c) {
    const int stride = rowBytes(c.width(), 24);
    const uint32_t imageSize = stride * c.height();
    Bytes b;
    b.u8('B');
    b.u8('M');
    b.u32(14 + 40 + imageSize);
    b.u32(0);
    b.u32(14 + 40);
    infoHeader(b, c.width(), c.height(), 24, imageSize);
    for (int y = c.height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.width(); ++x) {
            Colour p = c.at(x, y);
            b.u8(channel(p.b * p.a));
            b.u8(channel(p.g * p.a));
            b.u8(channel(p.r * p.a));
        }
        for (int pad = c.width() * 3; pad < stride; ++pad) b.u8(0);
    }
    return b.save(path);
}

// An icon image's pixels count as opaque from half coverage on.
bool opaque(Colour c) { return c.a >= 0.5; }

// The AND mask: a set bit lets the ground show through.
void appendAndMask(Bytes& b, const Canvas& c) {
    for (int y = c.height() - 1; y >= 0; --y)
        for (int byte = 0; byte < rowBytes(c.width(), 1); ++byte) {
            uint8_t v = 0;
            for (int bit = 0; bit < 8; ++bit) {
                int x = byte * 8 + bit;
                if (x < c.width() && !opaque(c.at(x, y))) v |= static_cast<uint8_t>(0x80 >> bit);
            }
            b.u8(v);
        }
}

// Buttons treat one exact colour as transparent (silver, or white for some):
// an opaque pixel of that colour would vanish, so it moves one step darker.
uint32_t avoidMaskColours(uint32_t c) {
    if (c == 0xFFFFFF) return 0xFEFEFE;
    if (c == 0xC0C0C0) return 0xC1C1C1;
    return c;
}

// Up to 256 colours: black first (the transparent pixels' colour), then the
// picture's own colours, merged into averaged groups when there are too many.
std::vector<uint32_t> palette(const std::vector<uint32_t>& colours) {
    for (int drop = 0;; ++drop) {
        std::map<uint32_t, std::vector<uint32_t>> groups;
        for (uint32_t c : colours) {
            uint32_t key = (c >> 16 & 0xFF) >> drop << 16 | (c >> 8 & 0xFF) >> drop << 8 | (c & 0xFF) >> drop;
            groups[key].push_back(c);
        }
        if (groups.size() > 255) continue;
        std::vector<uint32_t> result = {0};
        for (const auto& [key, members] : groups) {
            uint64_t r = 0, g = 0, b = 0;
            for (uint32_t c : members) r += c >> 16 & 0xFF, g += c >> 8 & 0xFF, b += c & 0xFF;
            const size_t n = members.size();
            result.push_back(avoidMaskColours(static_cast<uint32_t>((r + n / 2) / n << 16 | (g + n / 2) / n << 8 | (b + n / 2) / n)));
        }
        return result;
    }
}

uint8_t nearest(const std::vector<uint32_t>& pal, uint32_t c) {
    auto distance = [c](uint32_t p) {
        int dr = int(p >> 16 & 0xFF) - int(c >> 16 & 0xFF), dg = int(p >> 8 & 0xFF) - int(c >> 8 & 0xFF),
            db = int(p & 0xFF) - int(c & 0xFF);
        return dr * dr + dg * dg + db * db;
    };
    size_t best = 1;
    for (size_t i = 1; i < pal.size(); ++i)
        if (distance(pal[i]) < distance(pal[best])) best = i;
    return static_cast<uint8_t>(best);
}

// An 8-bit icon image: a 1-bit mask has no soft edges, so the edge pixels
// are blended over `ground`, the colour the icon is mostly seen on.
std::vector<uint8_t> iconImage8(const Canvas& c, Colour ground) {
    std::vector<uint32_t> colours;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (opaque(c.at(x, y))) colours.push_back(avoidMaskColours(toRgb(mix(ground, c.at(x, y), c.at(x, y).a))));
    const std::vector<uint32_t> pal = palette(colours);
    Bytes b;
    infoHeader(b, c.width(), c.height() * 2, 8, 0);
    for (int i = 0; i < 256; ++i) b.u32(i < static_cast<int>(pal.size()) ? pal[i] & 0xFFFFFF : 0);
    for (int y = c.height() - 1; y >= 0; --y) {
        for (int x = 0; x < c.width(); ++x) {
            Colour p = c.at(x, y);
            b.u8(opaque(p) ? nearest(pal, avoidMaskColours(toRgb(mix(ground, p, p.a)))) : 0);
        }
        for (int pad = c.width(); pad < rowBytes(c.width(), 8); ++pad) b.u8(0);
    }
    appendAndMask(b, c);
    return b.data();
}

// A 32-bit icon image: straight alpha, plus the mask older systems use.
std::vector<uint8_t> iconImage32(const Canvas& c) {
    Bytes b;
    infoHeader(b, c.width(), c.height() * 2, 32, 0);
    for (int y = c.height() - 1; y >= 0; --y)
        for (int x = 0; x < c.width(); ++x) {
            Colour p = c.at(x, y);
            b.u8(channel(p.b));
            b.u8(channel(p.g));
            b.u8(channel(p.r));
            b.u8(channel(p.a));
        }
    appendAndMask(b, c);
    return b.data();
}

struct IconImage {
    int side, bits;
    std::vector<uint8_t> dib;
};

bool writeIcon(const std::string& path, const std::vector<IconImage>& images) {
    Bytes b;
    b.u16(0);
    b.u16(1);  // icon
    b.u16(static_cast<uint16_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const IconImage& image : images) {
        b.u8(static_cast<uint8_t>(image.side));
        b.u8(static_cast<uint8_t>(image.side));
        b.u8(0);  // colour count: none below 8 bits here
        b.u8(0);
        b.u16(1);
        b.u16(static_cast<uint16_t>(image.bits));
        b.u32(static_cast<uint32_t>(image.dib.size()));
        b.u32(offset);
        offset += static_cast<uint32_t>(image.dib.size());
    }
    for (const IconImage& image : images) b.append(image.dib);
    return b.save(path);
}

// A 32 x 32 monochrome picture drawn as text: '#' black, '.' white,
// anything else transparent. Rows beyond the art are transparent.
using Art = std::vector<std::string>;
constexpr int kSide = 32;

char pixelAt(const Art& art, int x, int y) {
    if (y >= static_cast<int>(art.size()) || x >= static_cast<int>(art[y].size())) return ' ';
    return art[y][x];
}

// One bit plane, bottom row first, 4 bytes a row.
std::vector<uint8_t> plane(const Art& art, bool andMask) {
    std::vector<uint8_t> bits;
    for (int y = kSide - 1; y >= 0; --y) {
        for (int byte = 0; byte < kSide / 8; ++byte) {
            uint8_t v = 0;
            for (int bit = 0; bit < 8; ++bit) {
                char p = pixelAt(art, byte * 8 + bit, y);
                bool set = andMask ? (p != '#' && p != '.') : p == '.';
                if (set) v |= static_cast<uint8_t>(0x80 >> bit);
            }
            bits.push_back(v);
        }
    }
    return bits;
}

bool writeMonochromeCursor(const std::string& path, const Art& art, int hotX, int hotY) {
    std::vector<uint8_t> xorBits = plane(art, false), andBits = plane(art, true);
    const uint32_t imageSize = 40 + 8 + static_cast<uint32_t>(xorBits.size() + andBits.size());
    Bytes b;
    b.u16(0);  // reserved
    b.u16(2);  // cursor
    b.u16(1);  // one image
    b.u8(kSide);
    b.u8(kSide);
    b.u8(2);  // colours
    b.u8(0);
    b.u16(static_cast<uint16_t>(hotX));
    b.u16(static_cast<uint16_t>(hotY));
    b.u32(imageSize);
    b.u32(6 + 16);
    // The image: header (height covers both planes), palette, then the planes.
    infoHeader(b, kSide, kSide * 2, 1, 0);
    b.u32(0x000000);
    b.u32(0xFFFFFF);
    b.append(xorBits);
    b.append(andBits);
    return b.save(path);
}

// The hand pointer: a pointing hand, the hot spot at the index finger's tip.
bool writeHandCursor(const std::string& folder) {
    const Art hand = {
        "     ##",
        "    #..#",
        "    #..#",
        "    #..#",
        "    #..#",
        "    #..###",
        "    #..#..###",
        "    #..#..#..##",
        " ## #..#..#..#.#",
        "#..##........#..#",
        "#...#...........#",
        " #..............#",
        "  #.............#",
        "  #.............#",
        "   #............#",
        "   #...........#",
        "    #..........#",
        "    #.........#",
        "     #........#",
        "     #........#",
        "     ##########",
    };
    return writeMonochromeCursor(folder + "/hand.cur", hand, 5, 0);
}

// ---- The pictures ----------------------------------------------------------

const Colour kWhite = rgb(0xFFFFFF);

// The window icon: a black three-cornered hat with a white cockade, drawn
// on a square of `side` pixels. Seen from the front: the two side corners
// stick out left and right, the front corner points down, and the crown
// shows above the turned-up brim.
Canvas tricorne(int side) {
    Canvas c(side, side);
    const double s = side;
    auto at = [s](double x, double y) { return Point{x * s, y * s}; };
    auto mirrored = [s](Points pts) {
        for (Point& p : pts) p.x = s - p.x;
        return pts;
    };
    Shape crown = ellipse(0.5 * s, 0.45 * s, 0.25 * s, 0.23 * s);
    Points leftTop = {at(0.02, 0.26)};
    curveTo(leftTop, at(0.14, 0.42), at(0.34, 0.48), at(0.5, 0.46));
    Points leftSide = leftTop;
    leftSide.push_back(at(0.5, 0.76));
    curveTo(leftSide, at(0.36, 0.72), at(0.12, 0.56), at(0.02, 0.26));
    Shape left = polygon(leftSide), right = polygon(mirrored(leftSide));
    // A grey rim keeps the black hat visible on dark title bars.
    const double rim = std::max(0.7, s / 40);
    c.fill(grow(unite(crown, unite(left, right)), rim), rgb(0x606060));
    c.fill(crown, radial(at(0.42, 0.26), 0.3 * s, rgb(0x5A5A5A), rgb(0x101010)));
    c.fill(left, gradient(at(0.1, 0.3), rgb(0x3A3A3A), at(0.4, 0.8), rgb(0x080808)));
    c.fill(right, gradient(at(0.9, 0.3), rgb(0x262626), at(0.6, 0.8), rgb(0x030303)));
    // The front corner, where the two turned-up sides meet.
    c.fill(stroke({at(0.5, 0.47), at(0.5, 0.74)}, std::max(0.6, s / 48)), rgb(0x3C3C3C));
    // The braid along the brim's edge.
    const double braid = s / 28;
    c.fill(unite(stroke(leftTop, braid), stroke(mirrored(leftTop), braid)), rgb(0x9A9A9A));
    // The cockade, on the left of the front corner; never smaller than a few pixels.
    const Point centre = at(0.34, 0.57);
    const double r = std::max(2.6, 0.12 * s);
    Shape rosette = [=](double x, double y) {
        double angle = std::atan2(y - centre.y, x - centre.x);
        return std::hypot(x - centre.x, y - centre.y) - r * (0.92 + 0.08 * std::cos(10 * angle));
    };
    c.fill(grow(rosette, std::max(0.6, s / 64)), rgb(0x303030));
    c.fill(rosette, radial({centre.x - r / 3, centre.y - r / 3}, r * 1.6, kWhite, rgb(0xD8D8D8)));
    c.fill(circle(centre.x, centre.y, r * 0.32), rgb(0x9A9A9A));
    return c;
}

bool writeWindowIcon(const std::string& folder) {
    std::vector<IconImage> images;
    for (int side : {16, 32, 48}) {
        Canvas c = tricorne(side);
        images.push_back({side, 8, iconImage8(c, rgb(0x808080))});
        images.push_back({side, 32, iconImage32(c)});
    }
    return writeIcon(folder + "/app.ico", images);
}

// Button and status icons are 16 x 16 and seen on light faces and panels.
constexpr int kSmallIcon = 16;
const Colour kLightGround = rgb(0xEEF2F6);

bool writeSmallIcon(const std::string& path, const Canvas& c) {
    return writeIcon(path, {{kSmallIcon, 8, iconImage8(c, kLightGround)}});
}

// A round glossy button filling a small icon.
Canvas roundButton(Colour light, Colour dark, Colour rim) {
    Canvas c(kSmallIcon, kSmallIcon);
    c.fill(circle(8, 8, 7.35), rim);
    c.fill(circle(8, 8, 6.7), radial({6.2, 5.2}, 9, light, dark));
    c.fill(ellipse(8, 5.2, 4.6, 3.0), gradient({0, 2.2}, rgb(0xFFFFFF, 0.6), {0, 8}, rgb(0xFFFFFF, 0)));
    return c;
}

bool writeRefreshIcon(const std::string& folder) {
    Canvas c(kSmallIcon, kSmallIcon);
    const Point centre{8, 8};
    const double radius = 4.4, thickness = 2.5, pi = std::acos(-1.0);
    // The ring runs clockwise from `tail` to `head`, the arrowhead in the gap.
    const double head = 245 * pi / 180, tail = 325 * pi / 180;
    const Point h{std::cos(head), std::sin(head)}, t{std::cos(tail), std::sin(tail)};
    Shape ring = [=](double x, double y) {
        double dx = x - centre.x, dy = y - centre.y;
        double inGap = std::max(-(h.x * dy - h.y * dx), -(dx * t.y - dy * t.x));
        return std::max(std::abs(std::hypot(dx, dy) - radius) - thickness / 2, -inGap);
    };
    const Point end{centre.x + radius * h.x, centre.y + radius * h.y}, along{-h.y, h.x};
    const double half = 2.9, length = 3.9;
    Shape arrowhead = polygon({{end.x + half * h.x, end.y + half * h.y},
                               {end.x + length * along.x, end.y + length * along.y},
                               {end.x - half * h.x, end.y - half * h.y}});
    Shape arrow = unite(ring, arrowhead);
    c.fill(grow(arrow, 0.85), rgb(0x1B6420));
    c.fill(arrow, gradient({3, 3}, rgb(0x7CD862), {13, 13}, rgb(0x1F8A2A)));
    return writeSmallIcon(folder + "/refresh.ico", c);
}

bool writePlayIcon(const std::string& folder) {
    Canvas c = roundButton(kWhite, rgb(0xD2D8DF), rgb(0x7D8893));
    c.fill(polygon({{6.3, 4.5}, {6.3, 11.5}, {11.9, 8}}), gradient({6, 4.5}, rgb(0x5A9CF5), {6, 11.5}, rgb(0x1C4FB0)));
    return writeSmallIcon(folder + "/play.ico", c);
}

bool writeCrossIcon(const std::string& folder) {
    Canvas c = roundButton(rgb(0xFF8A7A), rgb(0xC42A20), rgb(0x7E1510));
    c.fill(unite(stroke({{5.4, 5.4}, {10.6, 10.6}}, 2.1), stroke({{10.6, 5.4}, {5.4, 10.6}}, 2.1)), kWhite);
    return writeSmallIcon(folder + "/cross.ico", c);
}

bool writeTickIcon(const std::string& folder) {
    Canvas c = roundButton(rgb(0x8FE07A), rgb(0x2E9A34), rgb(0x17601C));
    c.fill(stroke({{4.6, 8.3}, {7.0, 10.7}, {11.4, 5.6}}, 2.1), kWhite);
    return writeSmallIcon(folder + "/tick.ico", c);
}

bool writeWarningIcon(const std::string& folder) {
    Canvas c(kSmallIcon, kSmallIcon);
    Shape triangle = polygon({{8, 3.3}, {13.7, 13.1}, {2.3, 13.1}});
    c.fill(grow(triangle, 1.7), rgb(0x8C5E00));
    c.fill(grow(triangle, 0.8), gradient({0, 2}, rgb(0xFFEA70), {0, 14}, rgb(0xF2B000)));
    c.fill(stroke({{8, 5.7}, {8, 9.3}}, 1.9), rgb(0x222222));
    c.fill(circle(8, 11.6, 1.05), rgb(0x222222));
    return writeSmallIcon(folder + "/warning.ico", c);
}

// The main window's background: a glossy grey-blue panel on a grey ground.
// The window shows its top left 609 x 488 pixels; labels sit on the panel,
// so it changes only slowly.
bool writeBackground(const std::string& folder) {
    Canvas c(613, 490, 4);
    c.fillAll([](double, double) { return rgb(0xE2E6EB); });
    Shape panel = roundedRect(6, 6, 601, 479, 14);
    Shape shadow = roundedRect(8, 9, 603, 482, 14);
    c.fillAll([&](double x, double y) {
        double d = std::max(shadow(x, y), 0.0);
        return rgb(0x4A5563, 0.35 * std::exp(-d * d / 18));
    });
    c.fill(grow(panel, 1), rgb(0x93A3B5));
    c.fill(panel, gradient({0, 6}, rgb(0xE8EFF7), {0, 479}, rgb(0xC2D0E0)));
    // The gloss: the upper part lighter, fading out without an edge.
    c.fill(panel, [](double, double y) {
        double t = std::clamp((y - 6) / 260, 0.0, 1.0);
        return rgb(0xFFFFFF, 0.45 * (1 - t * t * (3 - 2 * t)));
    });
    // A faint broad highlight across the panel, from lower left to upper right.
    c.fill(panel, [](double x, double y) {
        double d = (x + y - 420) / std::sqrt(2.0);
        return rgb(0xFFFFFF, 0.2 * std::exp(-d * d / (2 * 60 * 60)));
    });
    // A light inner edge, brightest at the top.
    c.fill(subtract(panel, grow(panel, -1.2)), [](double, double y) { return rgb(0xFFFFFF, 0.8 - y / 700); });
    return writeBitmap(folder + "/background.bmp", c);
}

// Capitals for the donation button, 5 x 7 pixels each, drawn as text.
const std::map<char, Art> kLetters = {
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
};

// Bold capitals: every stroke two pixels wide, one pixel between letters.
void drawWord(Canvas& c, const std::string& word, int left, int top, Colour colour) {
    for (char letter : word) {
        const Art& glyph = kLetters.at(letter);
        for (int y = 0; y < static_cast<int>(glyph.size()); ++y)
            for (int x = 0; x < static_cast<int>(glyph[y].size()); ++x)
                if (glyph[y][x] == '#') c.fill(roundedRect(left + x, top + y, left + x + 2, top + y + 1, 0), colour);
        left += 7;
    }
}

// The donation button: a small blue card above DONATE, on blue-and-white
// stripes in a thin blue frame.
bool writeDonateButton(const std::string& folder) {
    Canvas c(62, 31);
    c.fillAll([](double, double y) { return static_cast<int>(y) / 2 % 2 ? kWhite : rgb(0xD6E6F7); });
    c.fill(subtract(roundedRect(0, 0, 62, 31, 0), roundedRect(1, 1, 61, 30, 0)), rgb(0x2B5CA8));
    Shape card = roundedRect(23, 5, 39, 15, 2);
    c.fill(grow(card, 0.7), rgb(0x123A78));
    c.fill(card, gradient({23, 5}, rgb(0x4F8FE8), {39, 15}, rgb(0x1D54A8)));
    c.fill(roundedRect(23, 7, 39, 9, 0), rgb(0x15356A));
    c.fill(roundedRect(25, 11.5, 31, 13, 0.5), rgb(0xCFE0F8));
    drawWord(c, "DONATE", 10, 19, rgb(0x000000));
    return writeBitmap(folder + "/donate.bmp", c);
}

// Every picture the program draws: add a function here (and its file to
// tw_pictures in CMakeLists.txt).
bool (*const kPictures[])(const std::string& folder) = {
    writeWindowIcon, writeBackground,  writeRefreshIcon,  writePlayIcon,  writeCrossIcon,
    writeTickIcon,   writeWarningIcon, writeDonateButton, writeHandCursor};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    for (auto write : kPictures) ok = write(folder) && ok;
    return ok ? 0 : 1;
}
