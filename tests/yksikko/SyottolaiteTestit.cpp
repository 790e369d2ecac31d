#include "foundation/SyottolaiteFunktiot.h"

#include <gtest/gtest.h>

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
    void Tapahtuma(SDL_Event& e) { PaivitaSyottolaiteMoottori(n, h, e); }
    void Tapahtuma(SDL_Event&& e) { PaivitaSyottolaiteMoottori(n, h, e); }
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
    SDL_Event alas = Nappain(SDL_KEYDOWN, SDLK_q);
    s.Tapahtuma(alas);
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), PAINETTU);
    s.Tapahtuma(alas); // next frame handles the same event again
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), POHJASSA);
    SDL_Event ylos = Nappain(SDL_KEYUP, SDLK_q);
    s.Tapahtuma(ylos);
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), VAPAUTETTU);
    s.Tapahtuma(ylos);
    EXPECT_EQ(s.n.NapinTila(NAPPI_Q), YLHAALLA);
}

TEST(Nappaimet, PressAndReleaseInOneBatchCompleteOnTheRepeatedEvent) {
    Syottolaitteet s;
    s.Tapahtuma(Nappain(SDL_KEYDOWN, SDLK_F1));
    SDL_Event ylos = Nappain(SDL_KEYUP, SDLK_F1);
    s.Tapahtuma(ylos); // up while pressed: only ages to held
    EXPECT_EQ(s.n.NapinTila(NAPPI_F1), POHJASSA);
    s.Tapahtuma(ylos); // the loop handles the frame's last event again
    EXPECT_EQ(s.n.NapinTila(NAPPI_F1), VAPAUTETTU);
    s.Tapahtuma(ylos);
    EXPECT_EQ(s.n.NapinTila(NAPPI_F1), YLHAALLA);
}

TEST(Nappaimet, AnyOtherEventAgesAndKeysAreIndependent) {
    Syottolaitteet s;
    s.Tapahtuma(Nappain(SDL_KEYDOWN, SDLK_LALT));
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), PAINETTU);
    EXPECT_EQ(s.n.NapinTila(NAPPI_OIKEA_ALT), YLHAALLA);
    s.Tapahtuma(Liike(10, 10, 1, 1));
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), POHJASSA);
    s.Tapahtuma(Nappain(SDL_KEYDOWN, SDLK_RALT));
    EXPECT_EQ(s.n.NapinTila(NAPPI_OIKEA_ALT), PAINETTU);
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), POHJASSA);
    // A down event of a held key is absorbed.
    s.Tapahtuma(Nappain(SDL_KEYDOWN, SDLK_LALT));
    EXPECT_EQ(s.n.NapinTila(NAPPI_VASEN_ALT), POHJASSA);
}

TEST(Hiiri, ClickInOneBatchReadsHeldThenReleasedThenUp) {
    Syottolaitteet s;
    s.Tapahtuma(Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    SDL_Event ylos = Nappi(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    s.Tapahtuma(ylos);
    EXPECT_EQ(s.h.NapinTila(0), POHJASSA); // first frame
    s.Tapahtuma(ylos);
    EXPECT_EQ(s.h.NapinTila(0), VAPAUTETTU); // second frame
    s.Tapahtuma(ylos);
    EXPECT_EQ(s.h.NapinTila(0), YLHAALLA);
    EXPECT_EQ(s.h.NapinTila(2), YLHAALLA);
}

TEST(Hiiri, ButtonsMapLeftMiddleRight) {
    Syottolaitteet s;
    s.Tapahtuma(Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT));
    EXPECT_EQ(s.h.NapinTila(2), PAINETTU);
    EXPECT_EQ(s.h.NapinTila(0), YLHAALLA);
    s.Tapahtuma(Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE));
    EXPECT_EQ(s.h.NapinTila(1), PAINETTU);
    s.Tapahtuma(Nappi(SDL_MOUSEBUTTONDOWN, 4)); // the wheel is not tracked
    for (int i = 3; i < 10; i++) EXPECT_EQ(s.h.NapinTila((Uint8)i), YLHAALLA);
}

TEST(Hiiri, PixelsMapToTheFixedScreenSpace) {
    Syottolaitteet s;
    SDL_Event e = Liike(400, 299, 5, -3);
    s.Tapahtuma(e);
    EXPECT_FLOAT_EQ(s.h.AnnaX(), 640.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaY(), 512.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaXd(), 5.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaYd(), -3.0f);
    // The motion was written back to zero: handled again, it moves nothing.
    EXPECT_EQ(e.motion.xrel, 0);
    EXPECT_EQ(e.motion.yrel, 0);
    s.Tapahtuma(e);
    EXPECT_FLOAT_EQ(s.h.AnnaXd(), 0.0f);
    EXPECT_FLOAT_EQ(s.h.AnnaX(), 640.0f);
    s.Tapahtuma(Liike(0, 0, 0, 0));
    EXPECT_FLOAT_EQ(s.h.AnnaY(), 599.0f / 600.0f * 1024.0f); // top row just under 1024
    s.Tapahtuma(Liike(0, 599, 0, 0));
    EXPECT_FLOAT_EQ(s.h.AnnaY(), 0.0f);
}

TEST(Hiiri, ButtonEventsDoNotMoveThePointer) {
    Syottolaitteet s;
    s.Tapahtuma(Liike(100, 100, 0, 0));
    SDL_Event e = Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    e.button.x = 700;
    e.button.y = 500;
    s.Tapahtuma(e);
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
