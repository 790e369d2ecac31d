// The gallery: the real game played through its screens at 1024 x 768, a
// screenshot of each into the folder named by TAVIO_GALLERIA (the flights full
// of bubbles come from the frame benchmark's scenes). Run it with
// scripts/galleria.sh; without the variable the test is skipped, so ./test
// never writes into the source tree.
#include "Ruudut.h"
#include "apu/TestiApu.h"
#include "shell/Asetukset.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Pointer motion that steers without turning hard: a few small pushes.
void Ohjaa(PELIAJO& p, int dx, int dy, int kertaa) {
    for (int i = 0; i < kertaa; i++) {
        p.Liiku(dx, dy);
        p.Kehyksia(4);
    }
}

} // namespace

TEST(Galleria, EveryScreenOfTheGame) {
    const char* kohde = getenv("TAVIO_GALLERIA");
    if (!kohde || !*kohde) GTEST_SKIP() << "TAVIO_GALLERIA names no folder";

    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    p.artefaktit = kohde;
    // 1024 x 768, windowed.
    KirjoitaTiedosto(p.kansio + "/Tiedostot/Muu Data/Setup.sav",
                     std::vector<Uint8>{2, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna());
    p.Kehyksia(90); // the menu plane turns into view
    EXPECT_TRUE(p.Tallenna("paavalikko"));

    // Survivor: the blowers need a few seconds to fill the yard.
    p.KlikkaaKohtaa(Valikko(p, TAKE_WING));
    p.Kehyksia(240);
    Ohjaa(p, 0, 8, 10); // nose up a little: a longer glide
    p.Kehyksia(150);
    EXPECT_TRUE(p.Tallenna("survivor"));
    p.Paina("Escape");
    p.Kehyksia(36);
    for (char c : std::string("Ilma")) Kirjoita(p, c);
    p.Kehyksia(18);
    EXPECT_TRUE(p.Tallenna("peli-ohi"));
    p.KlikkaaKohtaa(Yhteenvetoon(p));
    p.Kehyksia(24);
    EXPECT_TRUE(p.Tallenna("yhteenveto"));
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    p.Kehyksia(24);

    // The options, then a race on track A.
    p.KlikkaaKohtaa(Valikko(p, OPTIONS));
    p.Kehyksia(18);
    p.KlikkaaKohtaa(Asetuskohta(p, 0, 1));
    p.Kehyksia(24);
    EXPECT_TRUE(p.Tallenna("asetukset"));
    p.KlikkaaKohtaa(Asetuskohta(p, 1, 2));
    p.Kehyksia(18);
    p.KlikkaaKohtaa(Valikko(p, TAKE_WING));
    p.Kehyksia(150);
    p.Paina("Escape");
    p.Kehyksia(36);
    for (char c : std::string("Tuuli")) Kirjoita(p, c);
    p.Paina("space");
    p.Kehyksia(24);
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    p.Kehyksia(24);

    p.KlikkaaKohtaa(Valikko(p, HALL_OF_FAME));
    p.Kehyksia(30);
    EXPECT_TRUE(p.Tallenna("huippulista"));
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    p.Kehyksia(24);

    p.KlikkaaKohtaa(Valikko(p, VIDEO_SETUP));
    p.Kehyksia(24);
    EXPECT_TRUE(p.Tallenna("video"));
    p.KlikkaaKohtaa(p.Paikka({{RESOLUUTIOT[2].nimi, 0},
                              {" Windowed", 0},
                              {" Turbo mode off", 1},
                              {"Back to main menu", 3}},
                             3, 640, 512, KESKI, 0.75));
    p.Kehyksia(24);

    p.KlikkaaKohtaa(Valikko(p, LUE_TAMA));
    p.Kehyksia(30);
    EXPECT_TRUE(p.Tallenna("lue-tama"));
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    p.Kehyksia(24);

    p.KlikkaaKohtaa(Valikko(p, QUIT));
    p.OdotaLentoa(false);
    PELIAJO::Odota(1000); // the credits are the last frame: no frames to count
    EXPECT_TRUE(p.Tallenna("lopputekstit"));
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
}
