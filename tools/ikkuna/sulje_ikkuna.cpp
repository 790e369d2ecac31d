// Closes a window the way a window manager does when its close button is
// clicked: a WM_DELETE_WINDOW message. The game sees a quit event, as it would
// on a desktop.
//   tavio_sulje "window name"
#include "XIkkuna.h"

#include <cstdio>

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
    XSetErrorHandler(OhitaXVirhe);
    Window w = EtsiIkkuna(d, DefaultRootWindow(d), argv[1]);
    if (!w) {
        fprintf(stderr, "no window named %s\n", argv[1]);
        XCloseDisplay(d);
        return 1;
    }
    LahetaSulkeminen(d, w);
    XCloseDisplay(d);
    return 0;
}
