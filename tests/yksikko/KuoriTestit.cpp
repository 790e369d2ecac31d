// The screens' logic, frame by frame, without a window: events go in as the
// loop would hand them over, and what a frame drew is read back from the image
// buffer.
#include "apu/TestiApu.h"
#include "shell/Peli.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

SDL_Event Liike(float x, float y) {
    // The test window is 1280 x 1024 pixels: screen x is the pixel, y is flipped.
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = (Uint16)x;
    e.motion.y = (Uint16)(1023 - y);
    return e;
}

SDL_Event Nappi(Uint8 tyyppi, Uint8 nappi) {
    SDL_Event e{};
    e.type = tyyppi;
    e.button.button = nappi;
    return e;
}

SDL_Event Nappain(Uint8 tyyppi, SDLKey koodi) {
    SDL_Event e{};
    e.type = tyyppi;
    e.key.keysym.sym = koodi;
    return e;
}

// The game record, with a 16-unit square font and planes of no file.
struct Peli {
    TYOKANSIO kansio;
    VALEKELLO kello{1000, 1};
    PELI peli;
    std::string piirretty; // the glyphs the last frame drew, in order

    explicit Peli(int koneita = 3) {
        peli.AlustaSyotteet(1280, 1024);
        GRAFIIKKA& g = peli.g;
        g.AlustaPuskurit();
        g.FonttienMaara = 1;
        g.Fontit = new FONTTI[1];
        for (int koodi = 0; koodi < 256; koodi++) {
            int c = koodi % 16, r = 15 - koodi / 16;
            g.Fontit[0].Kirjaimet[koodi].Alusta("Fontti", 16, 16, c / 16.0f, r / 16.0f, 1 / 16.0f,
                                                1 / 16.0f);
        }
        peli.koneet.maara = koneita;
        peli.koneet.taulukko = koneita ? new PAPERPLANE[koneita] : nullptr;
        peli.lento->maailma.Aseta(1);
        peli.lento->bonus.Alusta();
    }

    // One frame: the game's pass on the new events, and what rendering does to
    // the buffers.
    void Kehys(std::vector<SDL_Event> uudet = {}) {
        for (const SDL_Event& e : uudet) JonoonTapahtuma(e);
        peli.Kehys(LueTestiTapahtuma);
        piirretty.clear();
        const GRAFIIKKA& g = peli.g;
        for (Uint32 i = 0; i < g.KuvienMaara; i++) {
            const KUVA& kuva = g.Kuvat[i];
            int c = (int)(kuva.U0 * 16 + 0.5f), r = (int)(kuva.V0 * 16 + 0.5f);
            piirretty += (char)(c + 16 * (15 - r));
        }
        peli.EiPiirretty();
    }

    // A click whose press and release arrive together: it completes in the frame
    // after them.
    void Klikkaa(float x, float y, Uint8 nappi = SDL_BUTTON_LEFT) {
        Kehys({Liike(x, y), Nappi(SDL_MOUSEBUTTONDOWN, nappi), Nappi(SDL_MOUSEBUTTONUP, nappi)});
        Kehys();
    }
    void Paina(SDLKey koodi) {
        Kehys({Nappain(SDL_KEYDOWN, koodi), Nappain(SDL_KEYUP, koodi)});
        Kehys();
    }
};

// Main menu: 6 lines of 16 units centred on y = 512; line L stands on 464 + (5 - L) x 16.
const float OPTIONS_X = 600, OPTIONS_Y = 536;

} // namespace

TEST(Kuori, AClickChangesTheScreenAndDoesNotChooseOnTheNext) {
    Peli p;
    p.Kehys();
    p.Klikkaa(OPTIONS_X, OPTIONS_Y);
    EXPECT_EQ(p.peli.k->ruutu, ASETUSRUUTU);
    // The pointer now rests on "Change the aeroplane"; the released state has aged.
    p.Kehys();
    p.Kehys();
    EXPECT_EQ(p.peli.k->ruutu, ASETUSRUUTU);
    EXPECT_EQ(p.peli.k->valittuKone, 0);
    EXPECT_NE(p.piirretty.find("Change the aeroplane"), std::string::npos);
}

TEST(Kuori, QOrEscapeAloneDoNotQuitButTogetherTheyDo) {
    Peli p;
    p.Kehys({Nappain(SDL_KEYDOWN, SDLK_q)});
    for (int i = 0; i < 3; i++) p.Kehys();
    EXPECT_FALSE(p.peli.k->lopetus);
    p.Kehys({Nappain(SDL_KEYUP, SDLK_q), Nappain(SDL_KEYDOWN, SDLK_ESCAPE)});
    for (int i = 0; i < 3; i++) p.Kehys();
    EXPECT_FALSE(p.peli.k->lopetus);
    p.Kehys({Nappain(SDL_KEYDOWN, SDLK_q)});
    EXPECT_FALSE(p.peli.k->lopetus); // q is only pressed in this frame
    p.Kehys();
    EXPECT_TRUE(p.peli.k->lopetus);
}

TEST(Kuori, WindowCloseRequestQuitsFromAnyScreen) {
    Peli p;
    p.peli.k->ruutu = LUE_RUUTU;
    SDL_Event sulje{};
    sulje.type = SDL_QUIT;
    p.Kehys({sulje});
    EXPECT_TRUE(p.peli.k->lopetus);
}

TEST(Kuori, OptionsWrapPlanesAndGameTypesBothWays) {
    Peli p(3);
    p.peli.k->ruutu = ASETUSRUUTU;
    // Options: 4 lines of 12 units centred on 512: line 0 stands on 524, line 1 on 512.
    p.Klikkaa(640, 530, SDL_BUTTON_RIGHT);
    EXPECT_EQ(p.peli.k->valittuKone, 2);
    p.Klikkaa(640, 530);
    EXPECT_EQ(p.peli.k->valittuKone, 0);
    // Line 1: "Game type " then the name; the name starts right of the centre.
    p.Klikkaa(700, 518, SDL_BUTTON_RIGHT);
    EXPECT_EQ(p.peli.k->pelityyppi, 6);
    p.Klikkaa(700, 518);
    EXPECT_EQ(p.peli.k->pelityyppi, 0);
    p.Klikkaa(700, 518);
    EXPECT_EQ(p.peli.k->pelityyppi, 1);
    p.Kehys();
    EXPECT_NE(p.piirretty.find("Game type Bubble race - Anach"), std::string::npos);
}

TEST(Kuori, WithNoPlaneTheMenusStillWorkAndNothingFlies) {
    Peli p(0);
    p.peli.k->ruutu = ASETUSRUUTU;
    p.Klikkaa(640, 530);
    EXPECT_EQ(p.peli.k->valittuKone, 0);
    p.peli.k->ruutu = PAAVALIKKO;
    p.Kehys();
    p.Klikkaa(600, 1023 - 455); // "Take wing" stands on 544
    EXPECT_EQ(p.peli.k->ruutu, PAAVALIKKO);
}

TEST(Kuori, ResolutionStepsOnlyForwardsAndWraps) {
    Peli p;
    p.peli.k->ruutu = VIDEORUUTU;
    p.peli.asetukset.resoluutio = 5;
    // Video setup line 0: the mode's name, then " Windowed"; the name ends left of centre.
    p.Kehys();
    p.Klikkaa(560, 530);
    EXPECT_EQ(p.peli.asetukset.resoluutio, 0);
    p.Klikkaa(560, 530, SDL_BUTTON_RIGHT);
    EXPECT_EQ(p.peli.asetukset.resoluutio, 0);
    p.Klikkaa(700, 530);
    EXPECT_EQ(p.peli.asetukset.kokoNaytto, 1);
    p.Kehys();
    EXPECT_NE(p.piirretty.find("640 x 480 Full screen"), std::string::npos);
}

TEST(Kuori, FrameDelayNeverBelowZeroAndHoldsEveryFrame) {
    Peli p;
    p.Paina(SDLK_PAGEDOWN);
    EXPECT_EQ(p.peli.k->viive, 0);
    for (int i = 0; i < 10; i++) p.Paina(SDLK_PAGEUP);
    EXPECT_EQ(p.peli.k->viive, 10);
    Uint32 ennen = p.kello.Nyt();
    p.Kehys();
    EXPECT_GE(p.kello.Nyt() - ennen, 10u);
}

TEST(Kuori, F9SilencesTheMusicUntilF10ToF12) {
    Peli p;
    Mix_VolumeMusic(84);
    p.Kehys({Nappain(SDL_KEYDOWN, SDLK_F9)});
    p.Kehys(); // held: the volume keys act while a key is held
    p.Kehys({Nappain(SDL_KEYUP, SDLK_F9)});
    p.peli.k->ruutu = HUIPPURUUTU;
    for (int i = 0; i < 3; i++) p.Kehys();
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    p.Kehys({Nappain(SDL_KEYDOWN, SDLK_F12)});
    p.Kehys();
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    p.Kehys({Nappain(SDL_KEYUP, SDLK_F12), Nappain(SDL_KEYDOWN, SDLK_F10)});
    p.Kehys();
    EXPECT_EQ(Mix_VolumeMusic(-1), 42);
}

TEST(Kuori, ReadMeScrollsWithThePointersXOnly) {
    Peli p;
    p.peli.k->ruutu = LUE_RUUTU;
    // The block hangs from y = 1540 - 0.5 x, so its first line stands one line
    // (9.6) lower; the pointer's height changes nothing.
    const float paikat[3][2] = {{200, 100}, {200, 900}, {1000, 500}};
    for (const auto& paikka : paikat) {
        float x = paikka[0], y = paikka[1];
        JonoonTapahtuma(Liike(x, y));
        p.peli.Kehys(LueTestiTapahtuma);
        std::string s;
        for (Uint32 i = 0; i < p.peli.g.KuvienMaara; i++) {
            const KUVA& kuva = p.peli.g.Kuvat[i];
            s += (char)((int)(kuva.U0 * 16 + 0.5f) + 16 * (15 - (int)(kuva.V0 * 16 + 0.5f)));
        }
        size_t i = s.find("Pelityypit");
        ASSERT_NE(i, std::string::npos);
        EXPECT_NEAR(p.peli.g.Kuvat[i].Y, 1540 - 0.5 * x - 9.6, 1e-3);
        EXPECT_NEAR(p.peli.g.Kuvat[i].X, 0, 1e-3);
        p.peli.g.TyhjennaKuvaPuskuri();
        p.peli.g.TyhjennaObjektiPuskuri();
    }
}

TEST(Kuori, HallOfFameKeepsItsPageAndTruncatesSeconds) {
    Peli p;
    p.peli.pisteet[1].flightTimes[0] = 999;
    p.peli.pisteet[1].flightTimes[1] = 65999;
    p.peli.pisteet[1].flightTimes[2] = 1000;
    p.peli.pisteet[1].bubbleCounts[0] = 12;
    p.peli.k->ruutu = HUIPPURUUTU;
    p.Kehys();
    EXPECT_NE(p.piirretty.find("Game type: Survivor"), std::string::npos);
    // "Game type: " is 11 glyphs of 12.8 at (0, 900): the name starts at 140.8.
    p.Klikkaa(160, 890);
    EXPECT_EQ(p.peli.k->huippuSivu, 1);
    EXPECT_NE(p.piirretty.find("0 s65 s1 s0 s"), std::string::npos);
    p.peli.k->ruutu = PAAVALIKKO;
    p.Kehys();
    p.peli.k->ruutu = HUIPPURUUTU;
    p.Kehys();
    EXPECT_EQ(p.peli.k->huippuSivu, 1);
    p.Klikkaa(160, 890, SDL_BUTTON_RIGHT);
    p.Klikkaa(160, 890, SDL_BUTTON_RIGHT);
    EXPECT_EQ(p.peli.k->huippuSivu, 6);
    p.Kehys();
    EXPECT_NE(p.piirretty.find("Game type: Bubble race - Finduilas"), std::string::npos);
}

TEST(Kuori, PauseDoesNotStopTheFlightClock) {
    Peli p;
    PAPERPLANE& kone = p.peli.koneet.taulukko[0];
    kone.body.Sijainti.Aseta(0, 0, 0);
    p.peli.k->pelityyppi = 0;
    LentoAlku(*p.peli.k, kone, *p.peli.lento);
    EXPECT_EQ(p.peli.k->ruutu, LENTO_RUUTU);
    EXPECT_EQ(kone.push, 0.5);
    EXPECT_EQ(kone.body.Sijainti.x, -100);
    EXPECT_EQ(kone.body.Sijainti.y, 100);
    Uint32 alku = p.peli.lento->tiedot.startTick;
    p.Kehys();
    p.Paina(SDLK_PAUSE);
    EXPECT_TRUE(p.peli.lento->tauko);
    SIJAINTI paikka = kone.body.Sijainti;
    p.kello.Siirra(7000);
    p.Kehys({Nappain(SDL_KEYDOWN, SDLK_ESCAPE)}); // Escape does nothing while paused
    p.Kehys();
    EXPECT_EQ(p.peli.k->ruutu, LENTO_RUUTU);
    EXPECT_EQ(kone.body.Sijainti.z, paikka.z);
    p.Kehys({Nappain(SDL_KEYUP, SDLK_ESCAPE)});
    p.Paina(SDLK_PAUSE);
    EXPECT_FALSE(p.peli.lento->tauko);
    EXPECT_GE(p.peli.lento->tiedot.flightTime, 7000u);
    EXPECT_EQ(p.peli.lento->tiedot.startTick, alku);
}

TEST(Kuori, ARaceWithNoBubblesEndsInItsFirstUpdate) {
    Peli p;
    p.peli.k->pelityyppi = 3; // no track file in the working folder: 0 entries
    LentoAlku(*p.peli.k, p.peli.koneet.taulukko[0], *p.peli.lento);
    p.Kehys();
    EXPECT_EQ(p.peli.k->ruutu, PELI_OHI);
    EXPECT_NE(p.piirretty.find("Bubbles: 0 of 0"), std::string::npos);
}

TEST(Kuori, NameGridStopsAtTenButClearStillWorks) {
    Peli p;
    p.peli.k->ruutu = PELI_OHI;
    p.Kehys();
    // Grid: 16 lines of 9.6 centred on 512; row 1 (15 glyphs) stands on 569.6 from x 568.
    for (int i = 0; i < 12; i++) p.Klikkaa(573, 574);
    EXPECT_STREQ(p.peli.k->pilotinNimi, "!!!!!!!!!!");
    p.Klikkaa(680, 440); // "  clear"
    EXPECT_STREQ(p.peli.k->pilotinNimi, "");
    p.Klikkaa(600, 440); // "space  "
    p.Klikkaa(573 + 9.6f * 2, 574);
    EXPECT_STREQ(p.peli.k->pilotinNimi, " #");
    EXPECT_EQ(p.peli.k->ruutu, PELI_OHI);
}

TEST(Kuori, LeavingGameOverEntersTheResultOnce) {
    Peli p;
    p.peli.k->ruutu = PELI_OHI;
    p.peli.k->pelityyppi = 2;
    strcpy(p.peli.k->pilotinNimi, "Aino");
    p.peli.lento->tiedot.flightTime = 95000;
    p.peli.lento->rata.sakko = 8000;
    p.peli.lento->rata.seuraava = 12;
    p.peli.lento->rata.pituus = 12;
    p.Kehys({Nappain(SDL_KEYDOWN, SDLK_SPACE)});
    p.Kehys(); // Space held: straight to the summary
    EXPECT_EQ(p.peli.k->ruutu, YHTEENVETO);
    EXPECT_EQ(p.peli.pisteet[2].flights, 1);
    EXPECT_EQ(p.peli.pisteet[2].flightTimes[0], 103000u);
    EXPECT_EQ(p.peli.pisteet[2].bubbleCounts[0], 12u);
    EXPECT_EQ(p.peli.k->sijoitus, 0);
    p.Kehys();
    p.Kehys();
    EXPECT_EQ(p.peli.pisteet[2].flights, 1);
    EXPECT_NE(p.piirretty.find("Congratulations Aino!"), std::string::npos);
    EXPECT_NE(p.piirretty.find("You were placed 1. at the Top-20."), std::string::npos);
    EXPECT_NE(p.piirretty.find("Bubbles picked up: 12 of 12"), std::string::npos);
    EXPECT_NE(p.piirretty.find("Flight time: 103 seconds"), std::string::npos);
}

// A click or Space pressed in the flight and let go on the game-over screen
// types nothing and does not leave; pressed there, both work.
TEST(Kuori, PressesAFlightEndsWithNeitherTypeNorLeaveTheGameOver) {
    Peli p;
    p.peli.k->pelityyppi = 3; // no track file: the race ends in its first update
    LentoAlku(*p.peli.k, p.peli.koneet.taulukko[0], *p.peli.lento);
    p.Kehys({Liike(573, 574), Nappi(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT),
             Nappain(SDL_KEYDOWN, SDLK_SPACE)});
    ASSERT_EQ(p.peli.k->ruutu, PELI_OHI);
    p.Kehys();
    p.Kehys({Nappi(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), Nappain(SDL_KEYUP, SDLK_SPACE)});
    p.Kehys();
    EXPECT_EQ(p.peli.k->ruutu, PELI_OHI);
    EXPECT_STREQ(p.peli.k->pilotinNimi, "");
    p.Klikkaa(573, 574);
    EXPECT_STREQ(p.peli.k->pilotinNimi, "!");
    p.Paina(SDLK_SPACE);
    EXPECT_EQ(p.peli.k->ruutu, YHTEENVETO);
}

TEST(Kuori, NameGridRowsShowMissingGlyphsAsQuestionMarks) {
    EXPECT_STREQ(NimiRuudukonRivi(1), "!\"#$%&'()*+,-./");
    EXPECT_EQ(std::string(NimiRuudukonRivi(6)), std::string("pqrstuvwxyz{|}~?"));
    EXPECT_EQ(std::string(NimiRuudukonRivi(7)).substr(0, 3), "??\x82");
    EXPECT_EQ(std::string(NimiRuudukonRivi(7)).substr(13), "???");
    EXPECT_EQ(std::string(NimiRuudukonRivi(9)).front(), '?');
    EXPECT_EQ(std::string(NimiRuudukonRivi(9)).back(), '?');
    for (int r = 2; r <= 14; r++) EXPECT_EQ(strlen(NimiRuudukonRivi(r)), 16u) << r;
}
