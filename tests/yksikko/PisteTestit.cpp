#include "apu/TestiApu.h"
#include "bubbles/KuplaFunktiot.h"
#include "bubbles/PisteFunktiot.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

namespace {

const char* const POLKU = "Tiedostot\\Muu Data\\Pisteet1.sav";
const char* const OIKEA_POLKU = "Tiedostot/Muu Data/Pisteet1.sav";

void KirjoitaLuku(std::vector<Uint8>& tavut, size_t kohta, Uint32 luku) {
    for (int i = 0; i < 4; i++) tavut[kohta + i] = (Uint8)(luku >> (8 * i));
}

TEST(Lentotiedot, ClockAndAltitudeOfTheLastUpdate) {
    VALEKELLO kello(0xFFFFFF00u);
    LENTOTIEDOT t;
    t.bubblesPicked = 9;
    t.Alusta();
    EXPECT_EQ(t.startTick, 0xFFFFFF00u);
    EXPECT_EQ(t.bubblesPicked, 0u);
    PAPERPLANE kone;
    kone.body.Sijainti.Aseta(1, 42.5, 3);
    kello.Aseta(0x100); // the clock wrapped during the flight
    t.Paivita(kone);
    EXPECT_EQ(t.flightTime, 0x200u);
    EXPECT_EQ(t.altitude, 42.5);
}

TEST(Pisteet, SurvivorOnEqualBubblesTheLongerFlightWins) {
    PISTEET p;
    EXPECT_EQ(p.LisaaTulos(false, 5, 30000, "Eka"), 0);
    EXPECT_EQ(p.LisaaTulos(false, 5, 40000, "Toka"), 0);
    EXPECT_EQ(p.bubbleCounts[0], 5u);
    EXPECT_EQ(p.flightTimes[0], 40000u);
    EXPECT_STREQ(p.pilotNames[0], "Toka");
    EXPECT_EQ(p.flightTimes[1], 30000u);
    EXPECT_STREQ(p.pilotNames[1], "Eka");
    EXPECT_EQ(p.flights, 2);
    // More bubbles beat any time; fewer go below.
    EXPECT_EQ(p.LisaaTulos(false, 6, 1, "Kolmas"), 0);
    EXPECT_EQ(p.LisaaTulos(false, 4, 99999, "Neljas"), 3);
    EXPECT_STREQ(p.pilotNames[2], "Eka");
    // An all-zero place takes any flight longer than 0 ms, but not 0 bubbles in 0 ms.
    EXPECT_EQ(p.LisaaTulos(false, 0, 0, "Nolla"), -1);
}

TEST(Pisteet, BubbleRaceRanksThePenalisedTimeBehindAFasterOne) {
    PISTEET p;
    EXPECT_EQ(p.LisaaTulos(true, 12, 100000, "Nopea"), 0);
    EXPECT_EQ(p.LisaaTulos(true, 12, 95000 + 8000, "Sakko"), 1);
    EXPECT_EQ(p.LisaaTulos(true, 12, 90000, "Nopein"), 0);
    EXPECT_STREQ(p.pilotNames[0], "Nopein");
    EXPECT_STREQ(p.pilotNames[1], "Nopea");
    EXPECT_STREQ(p.pilotNames[2], "Sakko");
    // A race result needs at least one bubble.
    EXPECT_EQ(p.LisaaTulos(true, 0, 1, "Ei"), -1);
    EXPECT_EQ(p.flights, 4);
}

TEST(Pisteet, EqualToTheTwentiethStaysOutButCounts) {
    PISTEET p;
    for (int i = 0; i < SIJOJEN_MAARA; i++) p.LisaaTulos(false, 100 - i, 5000, "Pilotti");
    PISTEET ennen = p;
    EXPECT_EQ(p.LisaaTulos(false, 81, 5000, "Tasan"), -1);
    EXPECT_EQ(p.flights, ennen.flights + 1);
    EXPECT_EQ(memcmp(p.bubbleCounts, ennen.bubbleCounts, sizeof p.bubbleCounts), 0);
    EXPECT_EQ(memcmp(p.pilotNames, ennen.pilotNames, sizeof p.pilotNames), 0);

    // One millisecond longer gets the last place, and the old twentieth falls off.
    EXPECT_EQ(p.LisaaTulos(false, 81, 5001, "Parempi"), 19);
    EXPECT_STREQ(p.pilotNames[19], "Parempi");

    // An equal result goes after the equal ones already there.
    EXPECT_EQ(p.LisaaTulos(false, 90, 5000, "Samat"), 11);
    EXPECT_EQ(p.bubbleCounts[10], 90u);
    EXPECT_STREQ(p.pilotNames[10], "Pilotti");
}

TEST(Pisteet, NamesKeepTenBytesAndTheirNul) {
    PISTEET p;
    memset(p.pilotNames, 'x', sizeof p.pilotNames);
    p.LisaaTulos(false, 3, 10, "ABCDEFGHIJ");
    EXPECT_STREQ(p.pilotNames[0], "ABCDEFGHIJ");
    EXPECT_EQ(p.pilotNames[0][10], '\0');
    p.LisaaTulos(false, 4, 10, "ABCDEFGHIJKLMNOP");
    EXPECT_STREQ(p.pilotNames[0], "ABCDEFGHIJ");
    p.LisaaTulos(false, 5, 10, "Al");
    const char odotus[PILOTIN_NIMI] = {'A', 'l'};
    EXPECT_EQ(memcmp(p.pilotNames[0], odotus, PILOTIN_NIMI), 0); // NUL-padded
    EXPECT_EQ(p.pilotNames[3][0], 'x');                          // the older places moved down
}

TEST(Pisteet, AFlightCountAtItsTopStaysThere) {
    PISTEET p;
    p.flights = INT_MAX;
    p.LisaaTulos(false, 1, 1, "A");
    EXPECT_EQ(p.flights, INT_MAX);
}

// The file image of a table written by hand: every field a distinct value.
std::vector<Uint8> KasinTehty() {
    std::vector<Uint8> tavut(PISTETIEDOSTON_KOKO, 0);
    KirjoitaLuku(tavut, 0, 0x01020304);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        KirjoitaLuku(tavut, 4 + 4 * i, 0xA0000000u + 1000u * i);
        KirjoitaLuku(tavut, 84 + 4 * i, 300u - i);
        const char nimi[] = "Pilotti";
        memcpy(&tavut[164 + 11 * i], nimi, 7);
        tavut[164 + 11 * i + 7] = (Uint8)('A' + i);
        tavut[164 + 11 * i + 8] = 0xF6; // ö
    }
    return tavut;
}

TEST(Pisteet, AFileWrittenByHandReadsAndWritesBackByteForByte) {
    TYOKANSIO kansio;
    const std::vector<Uint8> tavut = KasinTehty();
    KirjoitaTiedosto(OIKEA_POLKU, tavut);
    PISTEET p;
    p.Lataa(POLKU);
    EXPECT_EQ(p.flights, 0x01020304);
    EXPECT_EQ(p.flightTimes[19], 0xA0000000u + 19000u);
    EXPECT_EQ(p.bubbleCounts[0], 300u);
    EXPECT_EQ(p.bubbleCounts[19], 281u);
    EXPECT_STREQ(p.pilotNames[2], "PilottiC\xF6");

    KirjoitaTiedosto(OIKEA_POLKU, std::string("vanha"));
    ASSERT_TRUE(p.Tallenna(POLKU));
    EXPECT_EQ(LueTiedosto(OIKEA_POLKU), tavut);
}

TEST(Pisteet, AShortFileFillsOnlyItsLengthAndAMissingOneNothing) {
    TYOKANSIO kansio;
    PISTEET p;
    p.Lataa(POLKU); // no file: a fresh, zeroed table
    EXPECT_EQ(p.flights, 0);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        EXPECT_EQ(p.flightTimes[i], 0u);
        EXPECT_EQ(p.bubbleCounts[i], 0u);
        EXPECT_STREQ(p.pilotNames[i], "");
    }

    p.flights = 77;
    p.flightTimes[0] = 0x11111111;
    p.flightTimes[1] = 0x22222222;
    p.flightTimes[2] = 0x33333333;
    strcpy(p.pilotNames[0], "Ennen");
    PISTEET ennen = p;
    p.Lataa(POLKU);
    EXPECT_EQ(memcmp(&p, &ennen, sizeof p), 0);

    // Ten bytes: the count, the first time and the low half of the second.
    KirjoitaTiedosto(OIKEA_POLKU,
                     std::vector<Uint8>{5, 0, 0, 0, 0x44, 0x33, 0x22, 0x11, 0xBB, 0xAA});
    p.Lataa(POLKU);
    EXPECT_EQ(p.flights, 5);
    EXPECT_EQ(p.flightTimes[0], 0x11223344u);
    EXPECT_EQ(p.flightTimes[1], 0x2222AABBu);
    EXPECT_EQ(p.flightTimes[2], 0x33333333u);
    EXPECT_STREQ(p.pilotNames[0], "Ennen");

    // A longer file gives only its first 384 bytes.
    std::vector<Uint8> pitka = KasinTehty();
    pitka.resize(500, 0x7F);
    KirjoitaTiedosto(OIKEA_POLKU, pitka);
    p.Lataa(POLKU);
    EXPECT_EQ(p.flights, 0x01020304);
    EXPECT_STREQ(p.pilotNames[19], "PilottiT\xF6");
}

// A score file cut at every length 0..384 over a table that already holds
// other results: the file's bytes replace only their own, each name still ends
// in its field, and the table saved at exit reads back the same.
TEST(Pisteet, AFileCutAtEveryLengthReplacesOnlyItsOwnBytes) {
    TYOKANSIO kansio;
    const std::vector<Uint8> tiedosto = KasinTehty();
    PISTEET pohja;
    for (int i = 0; i < SIJOJEN_MAARA; i++) pohja.LisaaTulos(false, 50 - i, 7000, "Pohjaton nimi");
    Uint8 pohjanKuva[PISTETIEDOSTON_KOKO];
    pohja.Tavuiksi(pohjanKuva);
    for (size_t n = 0; n <= PISTETIEDOSTON_KOKO; n++) {
        KirjoitaTiedosto(OIKEA_POLKU, std::vector<Uint8>(tiedosto.begin(), tiedosto.begin() + n));
        PISTEET p = pohja;
        p.Lataa(POLKU);
        std::vector<Uint8> odotus(pohjanKuva, pohjanKuva + PISTETIEDOSTON_KOKO);
        std::copy(tiedosto.begin(), tiedosto.begin() + n, odotus.begin());
        for (int i = 0; i < SIJOJEN_MAARA; i++) odotus[164 + 11 * i + 10] = 0;
        Uint8 kuva[PISTETIEDOSTON_KOKO];
        p.Tavuiksi(kuva);
        ASSERT_EQ(std::vector<Uint8>(kuva, kuva + PISTETIEDOSTON_KOKO), odotus) << n;
        for (int i = 0; i < SIJOJEN_MAARA; i++) ASSERT_LE(strlen(p.pilotNames[i]), 10u) << n;

        ASSERT_TRUE(p.Tallenna(POLKU));
        ASSERT_EQ(LueTiedosto(OIKEA_POLKU), odotus) << n;
    }
}

TEST(Pisteet, NamesWithoutANulInADamagedFileEndAtTheirEleventhByte) {
    TYOKANSIO kansio;
    std::vector<Uint8> tavut(PISTETIEDOSTON_KOKO, 'Z');
    KirjoitaTiedosto(OIKEA_POLKU, tavut);
    PISTEET p;
    p.Lataa(POLKU);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        EXPECT_EQ(strlen(p.pilotNames[i]), 10u) << i;
        EXPECT_EQ(p.pilotNames[i][0], 'Z');
    }
    // Shifting a place down copies the terminated name.
    p.LisaaTulos(false, 0x5A5A5A5B, 0, "Uusi");
    EXPECT_STREQ(p.pilotNames[0], "Uusi");
    EXPECT_STREQ(p.pilotNames[1], "ZZZZZZZZZZ");
}

TEST(Pisteet, AFailedSaveLeavesTheOldFile) {
    TYOKANSIO kansio;
    const std::vector<Uint8> vanha = KasinTehty();
    KirjoitaTiedosto(OIKEA_POLKU, vanha);
    // Write-protected by the player: left as it is.
    chmod(OIKEA_POLKU, 0444);
    PISTEET p;
    p.LisaaTulos(false, 1, 1, "Uusi");
    EXPECT_FALSE(p.Tallenna(POLKU));
    EXPECT_EQ(LueTiedosto(OIKEA_POLKU), vanha);
}

} // namespace
