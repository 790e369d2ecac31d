// Finding the game's window by its name and closing it the way a window
// manager does when its close button is clicked (a WM_DELETE_WINDOW message),
// shared by the close tool of ./run and the end-to-end driver.
#pragma once

#include <X11/Xlib.h>
#include <cstring>

// A driver that looks at another client's windows (a game that may end at any
// moment) sets this one for good: an error about a window that is gone means
// only that the window is gone, and Xlib's default handler would end the
// process for it.
inline int OhitaXVirhe(Display*, XErrorEvent*) {
    return 0;
}

namespace xikkuna {

inline XErrorHandler& EdellinenKasittelija() {
    static XErrorHandler kasittelija = nullptr;
    return kasittelija;
}

// A window may go away while the tree is walked (a game that was just killed,
// a closing one): its BadWindow only means it is not the one looked for. Any
// other error goes to the handler that was there before.
inline int OhitaKadonnut(Display* d, XErrorEvent* e) {
    if (e->error_code == BadWindow) return 0;
    return EdellinenKasittelija() ? EdellinenKasittelija()(d, e) : 0;
}

inline Window Etsi(Display* d, Window w, const char* nimi) {
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

} // namespace xikkuna

inline Window EtsiIkkuna(Display* d, Window w, const char* nimi) {
    XSync(d, False);
    xikkuna::EdellinenKasittelija() = XSetErrorHandler(xikkuna::OhitaKadonnut);
    Window loytynyt = xikkuna::Etsi(d, w, nimi);
    XSync(d, False);
    XSetErrorHandler(xikkuna::EdellinenKasittelija());
    return loytynyt;
}

// The game sees a quit event, as it would on a desktop.
inline void LahetaSulkeminen(Display* d, Window w) {
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
}
