#include "foundation/SyottolaiteFunktiot.h"

namespace {

// The SDL key codes from Backspace to Euro in ascending order, without the 96
// international keys and Compose. The game addresses keys by index here.
const SDLKey NAPPAINKOODIT[133] = {
    SDLK_BACKSPACE,
    SDLK_TAB,
    SDLK_CLEAR,
    SDLK_RETURN,
    SDLK_PAUSE,
    SDLK_ESCAPE,
    SDLK_SPACE,
    SDLK_EXCLAIM,
    SDLK_QUOTEDBL,
    SDLK_HASH,
    SDLK_DOLLAR,
    SDLK_AMPERSAND,
    SDLK_QUOTE,
    SDLK_LEFTPAREN,
    SDLK_RIGHTPAREN,
    SDLK_ASTERISK,
    SDLK_PLUS,
    SDLK_COMMA,
    SDLK_MINUS,
    SDLK_PERIOD,
    SDLK_SLASH,
    SDLK_0,
    SDLK_1,
    SDLK_2,
    SDLK_3,
    SDLK_4,
    SDLK_5,
    SDLK_6,
    SDLK_7,
    SDLK_8,
    SDLK_9,
    SDLK_COLON,
    SDLK_SEMICOLON,
    SDLK_LESS,
    SDLK_EQUALS,
    SDLK_GREATER,
    SDLK_QUESTION,
    SDLK_AT,
    SDLK_LEFTBRACKET,
    SDLK_BACKSLASH,
    SDLK_RIGHTBRACKET,
    SDLK_CARET,
    SDLK_UNDERSCORE,
    SDLK_BACKQUOTE,
    SDLK_a,
    SDLK_b,
    SDLK_c,
    SDLK_d,
    SDLK_e,
    SDLK_f,
    SDLK_g,
    SDLK_h,
    SDLK_i,
    SDLK_j,
    SDLK_k,
    SDLK_l,
    SDLK_m,
    SDLK_n,
    SDLK_o,
    SDLK_p,
    SDLK_q,
    SDLK_r,
    SDLK_s,
    SDLK_t,
    SDLK_u,
    SDLK_v,
    SDLK_w,
    SDLK_x,
    SDLK_y,
    SDLK_z,
    SDLK_DELETE,
    SDLK_KP0,
    SDLK_KP1,
    SDLK_KP2,
    SDLK_KP3,
    SDLK_KP4,
    SDLK_KP5,
    SDLK_KP6,
    SDLK_KP7,
    SDLK_KP8,
    SDLK_KP9,
    SDLK_KP_PERIOD,
    SDLK_KP_DIVIDE,
    SDLK_KP_MULTIPLY,
    SDLK_KP_MINUS,
    SDLK_KP_PLUS,
    SDLK_KP_ENTER,
    SDLK_KP_EQUALS,
    SDLK_UP,
    SDLK_DOWN,
    SDLK_RIGHT,
    SDLK_LEFT,
    SDLK_INSERT,
    SDLK_HOME,
    SDLK_END,
    SDLK_PAGEUP,
    SDLK_PAGEDOWN,
    SDLK_F1,
    SDLK_F2,
    SDLK_F3,
    SDLK_F4,
    SDLK_F5,
    SDLK_F6,
    SDLK_F7,
    SDLK_F8,
    SDLK_F9,
    SDLK_F10,
    SDLK_F11,
    SDLK_F12,
    SDLK_F13,
    SDLK_F14,
    SDLK_F15,
    SDLK_NUMLOCK,
    SDLK_CAPSLOCK,
    SDLK_SCROLLOCK,
    SDLK_RSHIFT,
    SDLK_LSHIFT,
    SDLK_RCTRL,
    SDLK_LCTRL,
    SDLK_RALT,
    SDLK_LALT,
    SDLK_RMETA,
    SDLK_LMETA,
    SDLK_LSUPER,
    SDLK_RSUPER,
    SDLK_MODE,
    SDLK_HELP,
    SDLK_PRINT,
    SDLK_SYSREQ,
    SDLK_BREAK,
    SDLK_MENU,
    SDLK_POWER,
    SDLK_EURO,
};

// Down as the events so far leave it: the state, and each waiting change turns it.
template <typename T> bool Alhaalla(T tila, Uint8 odottaa) {
    bool alas = tila == PAINETTU || tila == POHJASSA;
    return (odottaa % 2) ? !alas : alas;
}

// One change of a key or button (down after up, up after down) applied now. A
// press not yet seen held becomes held and its release waits a frame; a release
// not yet seen makes the next press wait a frame. So nothing is hidden: a press
// and release between two frames read held, then released, then up; a press in
// one frame and its release in the next read pressed, held, released.
template <typename T> void Kaanna(T& tila, Uint8& odottaa, bool tuore) {
    switch (tila) {
    case YLHAALLA:
        tila = PAINETTU;
        break;
    case POHJASSA:
        if (tuore)
            odottaa++;
        else
            tila = VAPAUTETTU;
        break;
    case PAINETTU:
        tila = POHJASSA;
        odottaa++;
        break;
    default: // VAPAUTETTU
        odottaa++;
        break;
    }
}

// An event of this key or button. A down while down (or up while up) changes
// nothing; behind a waiting change the new one waits too, so order is kept.
template <typename T> void Muuta(T& tila, Uint8& odottaa, bool tuore, bool alas) {
    if (Alhaalla(tila, odottaa) == alas) return;
    if (odottaa == 0)
        Kaanna(tila, odottaa, tuore);
    else if (odottaa < 200)
        odottaa++;
    else
        odottaa--; // hundreds waiting: this change and the last cancel out
}

// The start of a frame: pressed and released have been seen for a frame and age
// (a press becomes held: fresh, so that its release waits a frame); then one
// waiting change, if any, takes its turn.
template <typename T> void Vanhene(T& tila, Uint8& odottaa, bool& tuore) {
    tuore = tila == PAINETTU;
    if (tila == PAINETTU)
        tila = POHJASSA;
    else if (tila == VAPAUTETTU)
        tila = YLHAALLA;
    if (odottaa > 0) {
        odottaa--;
        Kaanna(tila, odottaa, tuore);
    }
}

// A key or button that SDL reports as up is up, with nothing waiting.
template <typename T> void Ylos(T& tila, Uint8& odottaa) {
    if (Alhaalla(tila, odottaa)) {
        tila = YLHAALLA;
        odottaa = 0;
    }
}

} // namespace

void NAPPAIMET::Alusta() {
    Maara = 133;
    for (int i = 0; i < 133; i++) {
        Taulukko[i].Tila = YLHAALLA;
        Taulukko[i].Koodi = NAPPAINKOODIT[i];
        Taulukko[i].Odottaa = 0;
        Taulukko[i].Tuore = false;
    }
}

void NAPPAIMET::AloitaKehys() {
    for (int i = 0; i < Maara; i++)
        Vanhene(Taulukko[i].Tila, Taulukko[i].Odottaa, Taulukko[i].Tuore);
}

void NAPPAIMET::Paivita(const SDL_Event& e) {
    if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) return;
    for (int i = 0; i < Maara; i++)
        if (e.key.keysym.sym == Taulukko[i].Koodi)
            Muuta(Taulukko[i].Tila, Taulukko[i].Odottaa, Taulukko[i].Tuore, e.type == SDL_KEYDOWN);
}

void NAPPAIMET::Tasaa(const Uint8* alhaalla, int maara) {
    if (!alhaalla) return;
    for (int i = 0; i < Maara; i++) {
        int koodi = Taulukko[i].Koodi;
        if (koodi >= 0 && koodi < maara && !alhaalla[koodi])
            Ylos(Taulukko[i].Tila, Taulukko[i].Odottaa);
    }
}

Uint8 NAPPAIMET::NapinTila(Uint8 indeksi) const {
    return indeksi < Maara ? Taulukko[indeksi].Tila : (Uint8)YLHAALLA;
}

void HIIRI::Alusta(Uint16 leveys, Uint16 korkeus) {
    Leveys = leveys;
    Korkeus = korkeus;
    NappienMaara = 10;
    for (int i = 0; i < 10; i++) {
        Napit[i].Tila = YLHAALLA;
        Napit[i].Numero = 0;
        Napit[i].Odottaa = 0;
        Napit[i].Tuore = false;
    }
    Napit[0].Numero = SDL_BUTTON_LEFT;
    Napit[1].Numero = SDL_BUTTON_MIDDLE;
    Napit[2].Numero = SDL_BUTTON_RIGHT;
    x = y = dx = dy = 0;
}

void HIIRI::AloitaKehys() {
    dx = dy = 0;
    for (int i = 0; i < NappienMaara; i++) Vanhene(Napit[i].Tila, Napit[i].Odottaa, Napit[i].Tuore);
}

void HIIRI::Paivita(const SDL_Event& e) {
    if (e.type == SDL_MOUSEMOTION && Leveys > 0 && Korkeus > 0) {
        x = (float)(e.motion.x / (double)Leveys * 1280.0);
        y = (float)((Korkeus - e.motion.y - 1) / (double)Korkeus * 1024.0);
        // All the motion of the frame counts, however many events carried it.
        dx += e.motion.xrel;
        dy += e.motion.yrel;
    }
    if (e.type != SDL_MOUSEBUTTONDOWN && e.type != SDL_MOUSEBUTTONUP) return;
    for (int i = 0; i < NappienMaara; i++)
        if (Napit[i].Numero != 0 && e.button.button == Napit[i].Numero)
            Muuta(Napit[i].Tila, Napit[i].Odottaa, Napit[i].Tuore, e.type == SDL_MOUSEBUTTONDOWN);
}

void HIIRI::Tasaa(Uint8 napit) {
    for (int i = 0; i < NappienMaara; i++)
        if (Napit[i].Numero != 0 && !(napit & SDL_BUTTON(Napit[i].Numero)))
            Ylos(Napit[i].Tila, Napit[i].Odottaa);
}

Uint8 HIIRI::NapinTila(Uint8 indeksi) const {
    return indeksi < NappienMaara ? (Uint8)Napit[indeksi].Tila : (Uint8)YLHAALLA;
}

bool HIIRI::OnkoSisalla(double x0, double y0, double w, double h) const {
    return x0 <= x && x <= x0 + w && y0 <= y && y <= y0 + h;
}

void AlustaSyottolaiteMoottori(NAPPAIMET& n, HIIRI& h, Uint16 leveys, Uint16 korkeus) {
    n.Alusta();
    h.Alusta(leveys, korkeus);
}

void AloitaSyottolaiteKehys(NAPPAIMET& n, HIIRI& h) {
    n.AloitaKehys();
    h.AloitaKehys();
}

void PaivitaSyottolaiteMoottori(NAPPAIMET& n, HIIRI& h, const SDL_Event& e) {
    n.Paivita(e);
    h.Paivita(e);
}

void TasaaSyottolaitteetSDLiin(NAPPAIMET& n, HIIRI& h) {
    // No pumping here: after the poll that found the queue empty, SDL's state is
    // what the handled events left, but for events the full queue dropped.
    int maara = 0;
    const Uint8* alhaalla = SDL_GetKeyState(&maara);
    n.Tasaa(alhaalla, maara);
    h.Tasaa(SDL_GetMouseState(nullptr, nullptr));
}
