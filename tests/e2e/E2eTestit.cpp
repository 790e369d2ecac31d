// The real game, played through its window with real X input.
#include "Ruudut.h"
#include "apu/TestiApu.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

Sint32 Luku(const std::vector<unsigned char>& t, size_t kohta) {
    return (Sint32)((Uint32)t[kohta] | (Uint32)t[kohta + 1] << 8 | (Uint32)t[kohta + 2] << 16 |
                    (Uint32)t[kohta + 3] << 24);
}

const std::vector<unsigned char> ENSIMMAISET_ASETUKSET = {1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 0};

// After every run: the game's own code leaked nothing.
void EiVuotoja(PELIAJO& p) {
    EXPECT_EQ(p.OmatVuodot(), "") << p.Virheet();
}

} // namespace

TEST(Peli, ClosingTheWindowEndsAfterTheCreditsAndWritesTheSettings) {
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna());
    p.Tallenna("e2e-ensimmainen-kehys");
    auto alku = std::chrono::steady_clock::now();
    p.Sulje();
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
    double kesto = std::chrono::duration<double>(std::chrono::steady_clock::now() - alku).count();
    EXPECT_GE(kesto, 5.0); // the credits stay five seconds from the last frame
    EXPECT_EQ(p.LueTiedosto("Tiedostot/Muu Data/Setup.sav"), ENSIMMAISET_ASETUKSET);
    EiVuotoja(p);
}

TEST(Peli, SurvivorFlightToTheHallOfFameAndQuit) {
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna());

    // The title and the menu are on screen.
    std::vector<unsigned char> kuva = p.Kuva();
    p.Tallenna("e2e-paavalikko");
    SUORAKULMIO otsikko = p.Paikka({{"- The Tavio -", 0}}, 0, 640, 1024, YLA_KESKI, 1.5);
    EXPECT_GT(p.KirkkaatPikselit(kuva, otsikko), 50);
    EXPECT_GT(p.KirkkaatPikselit(kuva, Valikko(p, TAKE_WING)), 30);
    EXPECT_GT(p.KirkkaatPikselit(kuva, Valikko(p, QUIT)), 15);

    p.KlikkaaKohtaa(Valikko(p, TAKE_WING));
    ASSERT_TRUE(p.OdotaLentoa(true));
    p.Kehyksia(60);
    p.Tallenna("e2e-survivor-lento");
    p.Paina("Escape");
    ASSERT_TRUE(p.OdotaLentoa(false));
    p.Tallenna("e2e-peli-ohi");

    for (char c : std::string("Ilma")) Kirjoita(p, c);
    p.KlikkaaKohtaa(Yhteenvetoon(p));
    p.Tallenna("e2e-yhteenveto");
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));

    p.KlikkaaKohtaa(Valikko(p, HALL_OF_FAME));
    kuva = p.Kuva();
    p.Tallenna("e2e-hall-of-fame");
    std::vector<KAPPALE> lentajat = {{"Pilot", 0}, {"Ilma", 2}};
    for (int r = 3; r < 22; r++) lentajat.push_back({"", r});
    EXPECT_GT(p.KirkkaatPikselit(kuva, p.Paikka(lentajat, 1, 769.8, 900, YLA_VASEN, 0.5)), 10);

    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    auto alku = std::chrono::steady_clock::now();
    p.KlikkaaKohtaa(Valikko(p, QUIT));
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
    double kesto = std::chrono::duration<double>(std::chrono::steady_clock::now() - alku).count();
    EXPECT_GE(kesto, 5.0); // the credits

    std::vector<unsigned char> taulu = p.LueTiedosto("Tiedostot/Muu Data/Pisteet1.sav");
    ASSERT_EQ(taulu.size(), 384u);
    EXPECT_EQ(Luku(taulu, 0), 1);          // flights
    EXPECT_GT((Uint32)Luku(taulu, 4), 0u); // place 1's time
    EXPECT_EQ(std::string((const char*)&taulu[164]), "Ilma");
    EXPECT_EQ(p.LueTiedosto("Tiedostot/Muu Data/Setup.sav"), ENSIMMAISET_ASETUKSET);
    EiVuotoja(p);
}

TEST(Peli, BubbleRaceEndingOnTheGroundEntersItsOwnTable) {
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna());

    p.KlikkaaKohtaa(Valikko(p, OPTIONS));
    p.KlikkaaKohtaa(Asetuskohta(p, 0, 1));
    p.Tallenna("e2e-asetukset");
    p.KlikkaaKohtaa(Asetuskohta(p, 1, 2));

    p.KlikkaaKohtaa(Valikko(p, TAKE_WING));
    ASSERT_TRUE(p.OdotaLentoa(true));
    p.Kehyksia(60);
    p.Tallenna("e2e-kisa-lento");
    // Push the mouse forwards: the nose goes down and the plane dives to the ground.
    for (int i = 0; i < 40; i++) {
        p.Liiku(0, -40);
        p.Kehyksia(2);
    }
    ASSERT_TRUE(p.OdotaLentoa(false)) << "the plane never reached the ground";
    p.Tallenna("e2e-kisa-maassa");
    p.Paina("space");
    p.KlikkaaKohtaa(TakaisinVasemmalla(p));
    p.Sulje();
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();

    std::vector<unsigned char> kisa = p.LueTiedosto("Tiedostot/Muu Data/Pisteet2.sav");
    ASSERT_EQ(kisa.size(), 384u);
    EXPECT_EQ(Luku(kisa, 0), 1);
    std::vector<unsigned char> survivor = p.LueTiedosto("Tiedostot/Muu Data/Pisteet1.sav");
    ASSERT_EQ(survivor.size(), 384u);
    EXPECT_EQ(Luku(survivor, 0), 0);
    EiVuotoja(p);
}

TEST(Peli, ClosingTheWindowInFlightShowsTheCreditsAndSaves) {
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna());
    p.KlikkaaKohtaa(Valikko(p, TAKE_WING));
    ASSERT_TRUE(p.OdotaLentoa(true));
    auto alku = std::chrono::steady_clock::now();
    p.Sulje();
    // The credits frame is the last one drawn; it stays five seconds.
    ASSERT_TRUE(p.OdotaLentoa(false));
    std::vector<unsigned char> kuva = p.Kuva();
    p.Tallenna("e2e-lopputekstit");
    SUORAKULMIO tekijat =
        p.Paikka({{"The game by the Tavio team", 0}, {"", 3}}, 0, 640, 512, KESKI, 1.0);
    EXPECT_GT(p.KirkkaatPikselit(kuva, tekijat), 30);
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
    double kesto = std::chrono::duration<double>(std::chrono::steady_clock::now() - alku).count();
    EXPECT_GE(kesto, 5.0);
    EXPECT_EQ(p.LueTiedosto("Tiedostot/Muu Data/Setup.sav"), ENSIMMAISET_ASETUKSET);
    EXPECT_EQ(p.LueTiedosto("Tiedostot/Muu Data/Pisteet7.sav").size(), 384u);
    EiVuotoja(p);
}

// A stored video mode the screen lacks (1600 x 1200 full screen on a 1280 x 1024
// screen) falls back to 800 x 600 in a window, says so once, and the file
// written at exit holds the mode that opened.
TEST(Peli, AVideoModeTheScreenLacksFallsBackTo800x600InAWindow) {
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    KirjoitaTiedosto(p.kansio + "/Tiedostot/Muu Data/Setup.sav",
                     std::vector<Uint8>{5, 0, 0, 0, 1, 1, 0, 0, 1, 0, 1, 0});
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna()) << p.Virheet();
    EXPECT_EQ(p.leveys, 800);
    EXPECT_EQ(p.korkeus, 600);
    p.Sulje();
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
    EXPECT_NE(p.Virheet().find("tavio: the video mode 1600 x 1200 full screen cannot be opened"),
              std::string::npos)
        << p.Virheet();
    EXPECT_EQ(p.LueTiedosto("Tiedostot/Muu Data/Setup.sav"), ENSIMMAISET_ASETUKSET);
    EiVuotoja(p);
}

// With no display there is no OpenGL window to open: one line says so, the game
// exits 1 and leaves every file as it was.
TEST(Peli, WithoutADisplayTheGameSaysSoAndExitsOneWritingNothing) {
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    const std::vector<Uint8> vanhat = {2, 0, 0, 0, 0, 7, 7, 7, 1, 7, 7, 7};
    KirjoitaTiedosto(p.kansio + "/Tiedostot/Muu Data/Setup.sav", vanhat);
    p.laskeKehykset = false;
    p.ennenPelia = [] {
        unsetenv("DISPLAY");
        // A text-console video driver may draw on the terminal; keep it out of the log.
        return freopen("/dev/null", "w", stdout) != nullptr;
    };
    ASSERT_TRUE(p.Kaynnista());
    EXPECT_EQ(p.OdotaLoppu(60), 1) << p.Virheet();
    EXPECT_NE(p.Virheet().find("tavio: cannot open an OpenGL window of 1024 x 768: "),
              std::string::npos)
        << p.Virheet();
    EXPECT_EQ(p.LueTiedosto("Tiedostot/Muu Data/Setup.sav"), vanhat);
    for (int i = 1; i <= PELITYYPPEJA; i++)
        EXPECT_TRUE(
            p.LueTiedosto("Tiedostot/Muu Data/Pisteet" + std::to_string(i) + ".sav").empty());
}
