// Every flight starts as the first one does: after a flight that ended rolled
// and diving, the main menu's plane spins upright again, and "Take wing" starts
// the next flight level, heading where the spin had turned the nose at the click.
#include "apu/PeliTila.h"
#include "apu/TestiApu.h"
#include "ikkuna/Kaappaus.h"

#include <GL/glew.h>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

const int W = 800, H = 600;

void Laheta(const SDL_Event& e) {
    SDL_Event kopio = e;
    ASSERT_EQ(SDL_PushEvent(&kopio), 0);
}

SDL_Event Nappain(Uint8 tyyppi, SDLKey koodi) {
    SDL_Event e{};
    e.type = tyyppi;
    e.key.keysym.sym = koodi;
    return e;
}

// The pointer to a spot of the 1280 x 1024 screen space.
SDL_Event Osoita(double x, double y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = (Uint16)(x * W / 1280.0);
    e.motion.y = (Uint16)(H - 1 - y * H / 1024.0);
    return e;
}

// Degrees between the plane's up and the world's.
double Kallistus(const PAPERPLANE& kone) {
    return std::acos(std::fmin(1.0, kone.body.Kiertomatriisi.YlosV().y)) * 180.0 / M_PI;
}

} // namespace

TEST(LentoAlkuIkkuna, AFlightEndedRolledAndDivingLeavesThePlaneUprightForTheNext) {
    TYOKANSIO kansio;
    VALEKELLO kello{1000, 1};
    ASSERT_EQ(system(("cp -r '" + KoontiKansio() + "/Tiedostot' .").c_str()), 0);
    auto p = std::make_unique<PELI>();
    p->AlustaSisalto(W, H, true);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    // The frame loop's passes; a software renderer draws slowly, so most frames
    // are run without drawing them.
    auto Kehys = [&] {
        p->Kehys();
        p->EiPiirretty();
    };

    // A Survivor flight whose plane is rolled a right angle and dives at 60
    // degrees when Escape ends it.
    LentoAlku(*p->k, p->Kone(), *p->lento);
    Kehys();
    MATRIISI4X4& m = p->Kone().body.Kiertomatriisi;
    m.Yksikoksi();
    m.PyoritaY(30);
    m.PyoritaX(60);
    m.PyoritaZ(90);
    const VEKTORI ennen = m.EteenV();
    ASSERT_GT(Kallistus(p->Kone()), 80);
    // Escape reads pressed in the frame of its press, held (the end) in the next.
    Laheta(Nappain(SDL_KEYDOWN, SDLK_ESCAPE));
    Kehys();
    Kehys();
    ASSERT_EQ(p->k->ruutu, PELI_OHI);
    Laheta(Nappain(SDL_KEYUP, SDLK_ESCAPE));
    Kehys();
    // Level, heading over the ground about where it was (two updates of flight
    // turned it a little).
    const VEKTORI suunta = m.EteenV();
    EXPECT_NEAR(suunta.y, 0, 1e-12);
    EXPECT_LT(Kallistus(p->Kone()), 1e-6);
    EXPECT_NEAR(std::atan2(suunta.x, suunta.z), std::atan2(ennen.x, ennen.z), 0.05);

    // Space there, a new press, leaves for the summary; its menu item back.
    Laheta(Nappain(SDL_KEYDOWN, SDLK_SPACE));
    Kehys();
    Kehys();
    Laheta(Nappain(SDL_KEYUP, SDLK_SPACE));
    Kehys();
    ASSERT_EQ(p->k->ruutu, YHTEENVETO);
    p->k->ruutu = PAAVALIKKO;

    // A full turn of the spin, and more: the plane stands upright in every frame.
    double pahin = 0;
    for (int i = 0; i < 1100; i++) {
        Kehys();
        pahin = std::fmax(pahin, Kallistus(p->Kone()));
    }
    EXPECT_LT(pahin, 1.0);
    // Drawn: the plane upright on the menu's backdrop.
    p->Kehys();
    p->Piirra();
    const std::vector<unsigned char> kuva = Ruutu();
    ASSERT_EQ(kuva.size(), (size_t)W * H * 3);
    long varillisia = 0;
    for (size_t i = 0; i + 2 < kuva.size(); i += 3)
        varillisia += kuva[i] + kuva[i + 1] + kuva[i + 2] > 60;
    EXPECT_GT(varillisia, 2000);

    // "Take wing": the pointer down the menu until the item is under it, then a
    // click whose press and release come together.
    bool loytyi = false;
    for (double y = 700; y > 400 && !loytyi; y -= 4) {
        Laheta(Osoita(640, y));
        Kehys();
        loytyi = p->k->teksti.ValittuKohta(0) > 0;
    }
    ASSERT_TRUE(loytyi);
    SDL_Event nappi{};
    nappi.type = SDL_MOUSEBUTTONDOWN;
    nappi.button.button = SDL_BUTTON_LEFT;
    Laheta(nappi);
    nappi.type = SDL_MOUSEBUTTONUP;
    Laheta(nappi);
    Kehys();
    // The click is seen in the next frame, which turns the plane once more first.
    MATRIISI4X4 klikatessa = m;
    klikatessa.PyoritaY(0.333);
    OrthonormalizeMatrix(klikatessa.m);
    Kehys();
    ASSERT_EQ(p->k->ruutu, LENTO_RUUTU);
    for (int i = 0; i < 16; i++) EXPECT_EQ(m.m[i], klikatessa.m[i]) << i;
    // Level: a full turn and more of the spin, re-orthonormalised every frame in
    // single precision, leaves a thousandth of a degree.
    EXPECT_LT(Kallistus(p->Kone()), 0.01);
    EXPECT_NEAR(m.EteenV().y, 0, 2e-4);
}
