// Draws the program's own pictures and writes them as resource files into
// the folder given on the command line (the build folder the .rc reads).
// Built and run on the build machine; one function per picture.
#include <cstdint>
#include <cstdio>
#include <fstream>
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
    size_t size() const { return data_.size(); }
    bool save(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data_.data()), static_cast<std::streamsize>(data_.size()));
        return static_cast<bool>(out);
    }

private:
    std::vector<uint8_t> data_;
};

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
    b.u32(40);
    b.u32(kSide);
    b.u32(kSide * 2);
    b.u16(1);
    b.u16(1);
    for (int i = 0; i < 6; ++i) b.u32(0);
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

// Every picture the program draws: add a function here (and its file to
// tw_pictures in CMakeLists.txt).
bool (*const kPictures[])(const std::string& folder) = {writeHandCursor};

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
