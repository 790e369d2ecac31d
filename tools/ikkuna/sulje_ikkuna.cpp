// Closes a window the way a window manager does when its close button is
// clicked: a WM_DELETE_WINDOW message. The game sees a quit event, as it would
// on a desktop.
//   tavio_sulje "window name"
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstring>

static Window Etsi(Display* d, Window w, const char* nimi) {
    char* oma = nullptr;
    if (XFetchName(d, w, &oma) && oma) {
        bool sama = strcmp(oma, nimi) == 0;
        XFree(oma);
        if (sama) return w;
    }
    Window juuri, vanhempi, *lapset = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, w, &juuri, &vanhempi, &lapset, &n)) return 0;
    Window loytynyt = 0;
    for (unsigned int i = 0; i < n && !loytynyt; i++) loytynyt = Etsi(d, lapset[i], nimi);
    if (lapset) XFree(lapset);
    return loytynyt;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s \"window name\"\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        fprintf(stderr, "no display\n");
        return 1;
    }
    Window w = Etsi(d, DefaultRootWindow(d), argv[1]);
    if (!w) {
        fprintf(stderr, "no window named %s\n", argv[1]);
        XCloseDisplay(d);
        return 1;
    }
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
    XCloseDisplay(d);
    return 0;
}
