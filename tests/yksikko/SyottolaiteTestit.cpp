#include "foundation/SyottolaiteFunktiot.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

SDL_Event Nappain(Uint8 tyyppi, SDLKey koodi) {
    SDL_Event e{};
    e.type = tyyppi;
    e.key.keysym.sym = koodi;
    return e;
}

SDL_Event Nappi(Uint8 tyyppi, Uint8 nappi) {
    SDL_Event e{};
    e.type = tyyppi;
    e.button.button = nappi;
    return e;
}

SDL_Event Liike(int x, int y, int dx, int dy) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = (Uint16)x;
    e.motion.y = (Uint16)y;
    e.motion.xrel = (Sint16)dx;
    e.motion.yrel = (Sint16)dy;
    return e;
}

struct Syottolaitteet {
    NAPPAIMET n;
    HIIRI h;
    Syottolaitteet() { AlustaSyottolaiteMoottori(n, h, 800, 600); }
    // One frame: the states age once, then the frame's events in order.
    void Kehys(std::initializer_list<SDL_Event> tapahtumat = {}) {
        AloitaSyottolaiteKehys(n, h);
        for (const SDL_Event& e : tapahtumat) PaivitaSyottolaiteMoottori(n, h, e);
    }
};

} // namespace

TEST(Nappaimet, TableHoldsTheKeysAtTheirIndices) {
    NAPPAIMET n;
    n.Alusta();
    ASSERT_EQ(n.Maara, 133);
    EXPECT_EQ(n.Taulukko[0].Koodi, SDLK_BACKSPACE);
    EXPECT_EQ(n.Taulukko[4].Koodi, SDLK_PAUSE);
    EXPECT_EQ(n.Taulukko[5].Koodi, SDLK_ESCAPE);
    EXPECT_EQ(n.Taulukko[6].Koodi, SDLK_SPACE);
    EXPECT_EQ(n.Taulukko[22].Koodi, SDLK_1);
    EXPECT_EQ(n.Taulukko[44].Koodi, SDLK_a);
    EXPECT_EQ(n.Taulukko[60].Koodi, SDLK_q);
    EXPECT_EQ(n.Taulukko[70].Koodi, SDLK_DELETE);
    EXPECT_EQ(n.Taulukko[95].Koodi, SDLK_PAGEUP);
    EXPECT_EQ(n.Taulukko[96].Koodi, SDLK_PAGEDOWN);
    EXPECT_EQ(n.Taulukko[97].Koodi, SDLK_F1);
    EXPECT_EQ(n.Taulukko[108].Koodi, SDLK_F12);
    EXPECT_EQ(n.Taulukko[119].Koodi, SDLK_RALT);
    EXPECT_EQ(n.Taulukko[120].Koodi, SDLK_LALT);
    EXPECT_EQ(n.Taulukko[132].Koodi, SDLK_EURO);
    for (int i = 1; i < 133; i++) {
        EXPECT_GT(n.Taulukko[i].Koodi, n.Taulukko[i - 1].Koodi) << i;
        EXPECT_NE(n.Taulukko[i].Koodi, SDLK_COMPOSE);
        EXPECT_FALSE(n.Taulukko[i].Koodi >= SDLK_WORLD_0 && n.Taulukko[i].Koodi <= SDLK_WORLD_95);
        EXPECT_EQ(n.NapinTila((Uint8)i), YLHAALLA);
    }
    EXPECT_EQ(n.NapinTila(200), YLHAALLA); // past the table
}

TEST(Nappaimet, DownThenNothingNewIsPressedThenHeld) {
    Syottolaitteet s;
    s.Kehys({Nappain(SDL_KEYDOWN, SDLK_q)});
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), PAINETTU);
    s.Kehys();
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), POHJASSA);
    s.Kehys({Nappain(SDL_KEYUP, SDLK_q)});
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), VAPAUTETTU);
    s.Kehys();
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), YLHAALLA);
}

// A press and release between the same two frames read held, then released,
// then up, whatever else the frames bring: for keys and buttons alike.
TEST(Syottolaitteet, APressAndReleaseInOneFrameReadHeldReleasedUpWhateverElseComes) {
    const SDL_Event muut[] = {Liike(10, 10, 1, 1), Nappain(SDL_KEYDOWN, SDLK_a),
                              Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)};
    for (const SDL_Event& muu : muut) {
        Syottolaitteet s;
        s.Kehys({Nappain(SDL_KEYDOWN, SDLK_F1), muu, Nappain(SDL_KEYUP, SDLK_F1), muu,
                 Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), muu,
                 Nappi(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), muu});
        EXPECT_EQ(s.n.NapinTila(NAPPI_F1), POHJASSA);
        EXPECT_EQ(s.h.NapinTila(0), POHJASSA);
        s.Kehys({muu});
        EXPECT_EQ(s.n.NapinTila(NAPPI_F1), VAPAUTETTU);
        EXPECT_EQ(s.h.NapinTila(0), VAPAUTETTU);
        s.Kehys({muu, muu});
        EXPECT_EQ(s.n.NapinTila(NAPPI_F1), YLHAALLA);
        EXPECT_EQ(s.h.NapinTila(0), YLHAALLA);
    }
}

// No state is ever hidden by a later change: every press is seen held, and
// every release once. A press in one frame and its release in the next read
// pressed, held, released (a key that acts while held is not missed); a
// release and a new press in one frame, and two whole clicks in one frame, are
// each seen in turn.
TEST(Syottolaitteet, EveryPressIsSeenHeldAndEveryReleaseOnce) {
    Syottolaitteet s;
    std::vector<int> tilat;
    s.Kehys({Nappain(SDL_KEYDOWN, SDLK_ESCAPE)});
    tilat.push_back(s.n.NapinTila(NAPPI_ESC));
    s.Kehys({Nappain(SDL_KEYUP, SDLK_ESCAPE)});
    for (int i = 0; i < 3; i++) {
        tilat.push_back(s.n.NapinTila(NAPPI_ESC));
        s.Kehys();
    }
    EXPECT_EQ(tilat, (std::vector<int>{PAINETTU, POHJASSA, VAPAUTETTU, YLHAALLA}));

    s.Kehys({Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)});
    s.Kehys();
    s.Kehys(
        {Nappi(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)});
    EXPECT_EQ(s.h.NapinTila(0), VAPAUTETTU);
    s.Kehys();
    EXPECT_EQ(s.h.NapinTila(0), PAINETTU);
    s.Kehys();
    EXPECT_EQ(s.h.NapinTila(0), POHJASSA);

    Syottolaitteet d;
    const SDL_Event alas = Nappain(SDL_KEYDOWN, SDLK_g), ylos = Nappain(SDL_KEYUP, SDLK_g);
    d.Kehys({alas, ylos, alas, ylos});
    tilat.assign(1, d.n.NapinTila(NAPPI_G));
    for (int i = 0; i < 5; i++) {
        d.Kehys();
        tilat.push_back(d.n.NapinTila(NAPPI_G));
    }
    EXPECT_EQ(tilat,
              (std::vector<int>{POHJASSA, VAPAUTETTU, PAINETTU, POHJASSA, VAPAUTETTU, YLHAALLA}));
}

TEST(Nappaimet, KeysAreIndependentAndARepeatedDownIsAbsorbed) {
    Syottolaitteet s;
    s.Kehys({Nappain(SDL_KEYDOWN, SDLK_LALT), Liike(10, 10, 1, 1)});
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), PAINETTU);
    EXPECT_EQ(s.n.NapinTila(NAPPI_OIKEA_ALT), YLHAALLA);
    s.Kehys({Nappain(SDL_KEYDOWN, SDLK_RALT)});
    EXPECT_EQ(s.n.NapinTila(NAPPI_OIKEA_ALT), PAINETTU);
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), POHJASSA);
    // A down event of a held key changes nothing; its up releases it.
    s.Kehys({Nappain(SDL_KEYDOWN, SDLK_LALT)});
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), POHJASSA);
    s.Kehys({Nappain(SDL_KEYUP, SDLK_LALT)});
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), VAPAUTETTU);
}

TEST(Hiiri, ButtonsMapLeftMiddleRight) {
    Syottolaitteet s;
    s.Kehys({Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT)});
    EXPECT_EQ(s.h.NapinTila(2), PAINETTU);
    EXPECT_EQ(s.h.NapinTila(0), YLHAALLA);
    s.Kehys({Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), Nappi(SDL_MOUSEBUTTONDOWN, 4)});
    EXPECT_EQ(s.h.NapinTila(1), PAINETTU);
    for (int i = 3; i < 10; i++) EXPECT_EQ(s.h.NapinTila((Uint8)i), YLHAALLA); // no wheel
}

TEST(Hiiri, PixelsMapToTheFixedScreenSpace) {
    Syottolaitteet s;
    s.Kehys({Liike(400, 299, 5, -3)});
    EXPECT_FLOAT_EQ(s.h.AnnaX(), 640.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaY(), 512.0f);
    s.Kehys({Liike(0, 0, 0, 0)});
    EXPECT_FLOAT_EQ(s.h.AnnaY(), 599.0f / 600.0f * 1024.0f); // top row just under 1024
    s.Kehys({Liike(0, 599, 0, 0)});
    EXPECT_FLOAT_EQ(s.h.AnnaY(), 0.0f);
}

// The motion of a frame is all its motion events together; a frame without one
// moves nothing, whatever came after the last motion before it.
TEST(Hiiri, MotionIsTheFramesSumAndNothingInAFrameWithoutMotion) {
    Syottolaitteet s;
    s.Kehys({Liike(400, 299, 5, -3), Liike(402, 298, 2, -1), Liike(401, 300, -1, 2),
             Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT)});
    EXPECT_FLOAT_EQ(s.h.AnnaXd(), 6.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaYd(), -2.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaX(), 401.0f / 800.0f * 1280.0f); // the last position
    s.Kehys({Nappi(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)});
    EXPECT_FLOAT_EQ(s.h.AnnaXd(), 0.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaYd(), 0.0f);
    s.Kehys();
    EXPECT_FLOAT_EQ(s.h.AnnaXd(), 0.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaX(), 401.0f / 800.0f * 1280.0f);
}

// After a time of no events: what SDL's state has up is up (its up event was
// dropped), without a release that would be read as a click; what is down stays.
TEST(Syottolaitteet, WhatSdlReportsUpIsNotLeftDown) {
    Syottolaitteet s;
    s.Kehys({Nappain(SDL_KEYDOWN, SDLK_SPACE), Nappain(SDL_KEYDOWN, SDLK_LALT),
             Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT),
             Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), Nappain(SDL_KEYDOWN, SDLK_g),
             Nappain(SDL_KEYUP, SDLK_g)});
    Uint8 sdl[SDLK_LAST] = {};
    sdl[SDLK_LALT] = 1;
    s.n.Tasaa(sdl, SDLK_LAST);
    s.h.Tasaa(SDL_BUTTON(SDL_BUTTON_RIGHT));
    EXPECT_EQ(s.n.NapinTila(NAPPI_SPACE), YLHAALLA);
    EXPECT_EQ(s.n.NapinTila(NAPPI_G), POHJASSA); // its release, handled, still waits
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), PAINETTU);
    EXPECT_EQ(s.h.NapinTila(0), YLHAALLA);
    EXPECT_EQ(s.h.NapinTila(2), PAINETTU);
    s.Kehys();
    EXPECT_EQ(s.n.NapinTila(NAPPI_G), VAPAUTETTU);
    EXPECT_EQ(s.h.NapinTila(2), POHJASSA);
}

TEST(Hiiri, ButtonEventsDoNotMoveThePointer) {
    Syottolaitteet s;
    SDL_Event e = Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    e.button.x = 700;
    e.button.y = 500;
    s.Kehys({Liike(100, 100, 0, 0), e});
    EXPECT_FLOAT_EQ(s.h.AnnaX(), 100.0f / 800.0f * 1280.0f);
}

TEST(Hiiri, InsideIncludesAllEdges) {
    HIIRI h;
    h.Alusta(1280, 1024);
    h.x = 10;
    h.y = 20;
    EXPECT_TRUE(h.OnkoSisalla(10, 20, 5, 5));
    EXPECT_TRUE(h.OnkoSisalla(5, 15, 5, 5));
    EXPECT_TRUE(h.OnkoSisalla(5, 20, 5, 5));
    EXPECT_FALSE(h.OnkoSisalla(10.5, 20, 5, 5));
}
