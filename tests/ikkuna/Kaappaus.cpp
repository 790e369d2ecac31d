#include "ikkuna/Kaappaus.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int Kanava(unsigned long p, unsigned long maski) {
    if (!maski) return 0;
    while (!(maski & 1)) {
        maski >>= 1;
        p >>= 1;
    }
    return (int)((p & maski) * 255 / maski);
}

// The area [x, x + w) x [y, y + h) of the window, y up; null when not readable.
XImage* Kaappaa(int x, int y, int w, int h) {
    SDL_SysWMinfo tiedot;
    SDL_VERSION(&tiedot.version);
    if (SDL_GetWMInfo(&tiedot) != 1) return nullptr;
    Display* d = tiedot.info.x11.display;
    Window ikkuna = tiedot.info.x11.window;
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, ikkuna, &a)) return nullptr;
    XSync(d, False);
    return XGetImage(d, ikkuna, x, a.height - y - h, (unsigned)w, (unsigned)h, AllPlanes, ZPixmap);
}

RGB Vari(XImage* k, int x, int y) {
    unsigned long p = XGetPixel(k, x, k->height - 1 - y);
    return RGB{Kanava(p, k->red_mask), Kanava(p, k->green_mask), Kanava(p, k->blue_mask)};
}

} // namespace

RGB Pikseli(int x, int y) {
    XImage* k = Kaappaa(x, y, 1, 1);
    if (!k) return RGB{-1, -1, -1};
    RGB c = Vari(k, 0, 0);
    XDestroyImage(k);
    return c;
}

std::vector<unsigned char> Ruutu() {
    std::vector<unsigned char> p;
    SDL_Surface* s = SDL_GetVideoSurface();
    if (!s) return p;
    XImage* k = Kaappaa(0, 0, s->w, s->h);
    if (!k) return p;
    p.resize((size_t)s->w * (size_t)s->h * 3);
    unsigned char* q = p.data();
    for (int y = 0; y < s->h; y++) {
        for (int x = 0; x < s->w; x++) {
            RGB c = Vari(k, x, y);
            *q++ = (unsigned char)c.r;
            *q++ = (unsigned char)c.g;
            *q++ = (unsigned char)c.b;
        }
    }
    XDestroyImage(k);
    return p;
}
