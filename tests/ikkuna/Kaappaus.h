// What the game window shows, read back from the X server: the frame as it was
// presented, not what the GL buffers still hold.
#pragma once

#include <ostream>
#include <vector>

struct RGB {
    int r, g, b;
    bool operator==(const RGB& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const RGB& o) const { return !(*this == o); }
};
inline std::ostream& operator<<(std::ostream& o, const RGB& c) {
    return o << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

// The window pixel (x, y), y up from the bottom row; (-1, -1, -1) when the
// window cannot be read.
RGB Pikseli(int x, int y);
// The whole window, bottom row first, three bytes a pixel.
std::vector<unsigned char> Ruutu();
