// tavio-track: the generated tracks round trip through their text to the same
// bytes, a text with mistakes is refused with its line numbers and writes
// nothing, and a flight tells a bubble the pilot cannot reach.
#include "tools/rata/RataTeksti.h"
#include "yksikko/Tyokalut.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(RataTyokalu, TheGeneratedTracksComeBackToTheSameBytes) {
    for (char kirjain = 'A'; kirjain <= 'F'; kirjain++) {
        std::string nimi = std::string("BubbleRace") + kirjain + ".dat";
        SCOPED_TRACE(nimi);
        std::string tavut = LueTeksti(KoontiKansio() + "/Tiedostot/Muu Data/" + nimi);
        ASSERT_GT(tavut.size(), 4u);
        LUKUHUOMIOT huomiot;
        std::vector<RATAKUPLA> kuplat = RataTavuina(tavut, huomiot);
        EXPECT_TRUE(huomiot.Huomiot.empty());
        std::string teksti = RataTekstiksi(kuplat, nimi);
        std::vector<RATAKUPLA> takaisin;
        std::vector<std::string> virheet;
        ASSERT_TRUE(RataTekstista(teksti, nimi, takaisin, virheet));
        EXPECT_EQ(RadanTavut(takaisin), tavut);
    }
}

TEST(RataTyokalu, MistakesAreToldByLineAndNothingIsWritten) {
    struct {
        std::string teksti;
        std::vector<std::string> virheet;
    } tapaukset[] = {
        {"# a remark\n\n1 2 3 0.5   # after a bubble\n-1e3 +2.5 .5 0\n", {}},
        {"1 2 3\n", {"r.txt:1: expected 4 numbers (x y z boost), found 3"}},
        {"1 2 3 4\n1 2 3 4 5\n", {"r.txt:2: expected 4 numbers (x y z boost), found 5"}},
        {"1 2 x 4\n1,5 2 3 4\n",
         {"r.txt:1: \"x\" is not a number", "r.txt:2: \"1,5\" is not a number"}},
        {"1 2 inf 4\n1 2 3 nan\n1e999 0 0 0\n",
         {"r.txt:1: \"inf\" is not a finite number (the game ends the track before it)",
          "r.txt:2: \"nan\" is not a finite number (the game ends the track before it)",
          "r.txt:3: \"1e999\" is not a finite number (the game ends the track before it)"}},
        {"# nothing but remarks\n", {"r.txt: no bubbles (a race of none ends at once)"}},
    };
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.teksti);
        std::vector<RATAKUPLA> kuplat;
        std::vector<std::string> virheet;
        EXPECT_EQ(RataTekstista(t.teksti, "r.txt", kuplat, virheet), t.virheet.empty());
        EXPECT_EQ(virheet, t.virheet);
    }
    std::string pitka;
    for (int i = 0; i < 201; i++) pitka += "1 2 3 4\n";
    std::vector<RATAKUPLA> kuplat;
    std::vector<std::string> virheet;
    EXPECT_FALSE(RataTekstista(pitka, "r.txt", kuplat, virheet));
    EXPECT_EQ(virheet,
              std::vector<std::string>{"r.txt:201: bubble 201: a track holds at most 200 bubbles"});

    // The tool writes nothing from a text with a mistake, and leaves the old file.
    TYOKANSIO kansio;
    KirjoitaTiedosto("r.txt", "1 2 3\n");
    KirjoitaTiedosto("vanha.dat", "vanha");
    EXPECT_EQ(Aja(RataTyokalu() + " build r.txt vanha.dat 2>/dev/null").tila, 1);
    EXPECT_EQ(LueTeksti("vanha.dat"), "vanha");
    EXPECT_EQ(Aja(RataTyokalu() + " build r.txt 2>/dev/null").tila, 2);
}

TEST(RataTyokalu, ABubbleThePilotCannotReachIsTold) {
    TYOKANSIO kansio;
    // Straight ahead of the start, then one under the ground.
    KirjoitaTiedosto("r.txt", "-100 98 40 0\n-100 96 80 0\n-100 -50 120 0\n");
    ASSERT_EQ(Aja(RataTyokalu() + " build r.txt r.dat").tila, 0);
    AJO ajo = Aja(RataTyokalu() + " fly r.dat");
    EXPECT_EQ(ajo.tila, 1);
    ASSERT_GE(ajo.rivit.size(), 6u);
    EXPECT_EQ(ajo.rivit[3].substr(0, 17), "     1  yes      ");
    EXPECT_EQ(ajo.rivit[4].substr(0, 17), "     2  yes      ");
    EXPECT_EQ(ajo.rivit[5].substr(0, 17), "     3  no       ");
    EXPECT_EQ(ajo.rivit.back().substr(0, 28), "bubble 3 was not reached (af");
}
