// The gallery: the real game played through its screens at 800 x 600 with real
// X input, a screenshot of each into the folder named by TAVIO_GALLERIA. The
// flights start the way the read-me tells a new player to: "Take wing" clicked
// while the menu plane faces the viewer. Run it with scripts/galleria.sh;
// without the variable the tests are skipped, so ./test never writes into the
// source tree.
#include "Ruudut.h"
#include "apu/TestiApu.h"
#include "shell/Asetukset.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// The menus turn the plane by a third of a degree a frame about its own up
// axis; a fresh game's plane faces the viewer at its first frame, and again
// after every whole turn.
const double KIERROS = 360.0 / 0.333;

const char* Kohde() {
    const char* kohde = getenv("TAVIO_GALLERIA");
    return kohde && *kohde ? kohde : nullptr;
}

bool Aloita(PELIAJO& p) {
    if (!p.Valmistele()) return false;
    p.artefaktit = Kohde();
    return p.Kaynnista() && p.OdotaIkkuna();
}

// "Take wing" released on the frame the plane faces the viewer again. Only the
// menus have been drawn since the start, with the same plane chosen all along,
// so the frames count its turn.
void LahdeNokkaEdella(PELIAJO& p) {
    p.Osoita(Valikko(p, TAKE_WING).KeskiX(), Valikko(p, TAKE_WING).KeskiY());
    double k = std::ceil((double)(p.Kehykset() + 30) / KIERROS);
    uint64_t kohta = (uint64_t)std::llround(k * KIERROS);
    while (p.Kehykset() + 5 < kohta && !p.Loppunut()) p.Kehyksia(1);
    p.Klikkaa();
    ASSERT_TRUE(p.OdotaLentoa(true));
}

void AsetaPelityyppi(PELIAJO& p, int tyyppi) {
    p.KlikkaaKohtaa(Valikko(p, OPTIONS));
    for (int t = 0; t < tyyppi; t++) p.KlikkaaKohtaa(Asetuskohta(p, t, 1));
    p.KlikkaaKohtaa(Asetuskohta(p, tyyppi, 2));
}

} // namespace

TEST(Galleria, MainMenuSurvivorAndTheScreensAfterAFlight) {
    if (!Kohde()) GTEST_SKIP() << "TAVIO_GALLERIA names no folder";
    PELIAJO p;
    ASSERT_TRUE(Aloita(p));
    p.Kehyksia(250); // the plane turned three quarters towards its side
    EXPECT_TRUE(p.Tallenna("paavalikko"));

    // Survivor: the first second, then a few more of a straight glide up the
    // yard (the blowers are at work below on the left, out of the view).
    LahdeNokkaEdella(p);
    p.Kehyksia(60);
    EXPECT_TRUE(p.Tallenna("survivor"));
    p.Kehyksia(180);
    EXPECT_TRUE(p.Tallenna("survivor-4s"));
    p.Paina("Escape");
    ASSERT_TRUE(p.OdotaLentoa(false));
    for (char c : std::string("Ilma")) Kirjoita(p, c);
    EXPECT_TRUE(p.Tallenna("peli-ohi"));
    p.KlikkaaKohtaa(Yhteenvetoon(p));
    EXPECT_TRUE(p.Tallenna("yhteenveto"));
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));

    p.KlikkaaKohtaa(Valikko(p, HALL_OF_FAME));
    EXPECT_TRUE(p.Tallenna("huippulista"));
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    p.KlikkaaKohtaa(Valikko(p, VIDEO_SETUP));
    EXPECT_TRUE(p.Tallenna("video"));
    p.KlikkaaKohtaa(p.Paikka({{RESOLUUTIOT[1].nimi, 0},
                              {" Windowed", 0},
                              {" Turbo mode off", 1},
                              {"Back to main menu", 3}},
                             3, 640, 512, KESKI, 0.75));
    p.KlikkaaKohtaa(Valikko(p, LUE_TAMA));
    EXPECT_TRUE(p.Tallenna("lue-tama"));
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));

    p.KlikkaaKohtaa(Valikko(p, QUIT));
    p.OdotaLentoa(false);
    PELIAJO::Odota(1000); // the credits are the last frame: no frames to count
    EXPECT_TRUE(p.Tallenna("lopputekstit"));
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
}

// The first second of race A and of race F, each from a fresh start, and race
// A again once its first bubbles are taken by gliding straight on.
TEST(Galleria, TheFirstSecondsOfRacesAAndF) {
    if (!Kohde()) GTEST_SKIP() << "TAVIO_GALLERIA names no folder";
    for (int tyyppi : {1, 6}) {
        PELIAJO p;
        ASSERT_TRUE(Aloita(p));
        AsetaPelityyppi(p, tyyppi);
        LahdeNokkaEdella(p);
        p.Kehyksia(60);
        std::string nimi = tyyppi == 1 ? "kisa-a" : "kisa-f";
        EXPECT_TRUE(p.Tallenna(nimi));
        if (tyyppi == 1) {
            p.Kehyksia(240);
            EXPECT_TRUE(p.Tallenna("kisa-a-5s"));
        }
        p.Sulje();
        EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
    }
}

// The options with each of the three planes. A game of its own: only the chosen
// plane spins, so a change of plane would put the count of the flights' starts
// out of step.
TEST(Galleria, TheOptionsWithEachPlane) {
    if (!Kohde()) GTEST_SKIP() << "TAVIO_GALLERIA names no folder";
    PELIAJO p;
    ASSERT_TRUE(Aloita(p));
    p.KlikkaaKohtaa(Valikko(p, OPTIONS));
    for (const char* nimi : {"asetukset-nuoli", "asetukset-liitaja", "asetukset-haukka"}) {
        p.Kehyksia(60);
        EXPECT_TRUE(p.Tallenna(nimi));
        p.KlikkaaKohtaa(Asetuskohta(p, 0, 0));
    }
    p.Sulje();
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
}
