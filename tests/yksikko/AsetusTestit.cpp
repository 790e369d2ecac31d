#include "apu/TestiApu.h"
#include "shell/Asetukset.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
const char* POLKU = "Tiedostot/Muu Data/Setup.sav";
}

TEST(Asetukset, FirstRunWritesTheDefaultBytes) {
    TYOKANSIO kansio;
    TeeKansiot("Tiedostot/Muu Data");
    ASETUKSET a;
    EXPECT_FALSE(LataaAsetukset(ASETUSTIEDOSTO, a));
    EXPECT_EQ(a.resoluutio, 1);
    EXPECT_EQ(a.kokoNaytto, 0);
    EXPECT_EQ(a.varattu, 1);
    EXPECT_FALSE(a.turbo);
    ASSERT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, a));
    std::vector<Uint8> odotus = {0x01, 0, 0, 0, 0, 0x01, 0, 0, 0x01, 0, 0x01, 0};
    EXPECT_EQ(LueTiedosto(POLKU), odotus);
}

TEST(Asetukset, FullScreenIndexFourReadsBackAndTurboStaysOff) {
    TYOKANSIO kansio;
    TeeKansiot("Tiedostot/Muu Data");
    ASETUKSET a;
    a.resoluutio = 4;
    a.kokoNaytto = 1;
    a.varattu = 0x7E;
    a.turbo = true;
    ASSERT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, a));
    std::vector<Uint8> odotus = {4, 0, 0, 0, 1, 4, 0, 0, 0x7E, 1, 4, 0};
    EXPECT_EQ(LueTiedosto(POLKU), odotus);
    ASETUKSET b;
    EXPECT_TRUE(LataaAsetukset(ASETUSTIEDOSTO, b));
    EXPECT_EQ(b.resoluutio, 4);
    EXPECT_EQ(b.kokoNaytto, 1);
    EXPECT_EQ(b.varattu, 0x7E); // kept as the file had it
    EXPECT_FALSE(b.turbo);
    EXPECT_EQ(RESOLUUTIOT[b.resoluutio].leveys, 1280);
    EXPECT_EQ(RESOLUUTIOT[b.resoluutio].korkeus, 1024);
}

TEST(Asetukset, ShortFileTakesOnlyWholeFields) {
    const Uint8 tavut[12] = {3, 0, 0, 0, 1, 9, 9, 9, 0x42, 9, 9, 9};
    for (size_t n = 0; n <= 12; n++) {
        ASETUKSET a;
        a.Tavuista(tavut, n);
        EXPECT_EQ(a.resoluutio, n >= 4 ? 3 : 1) << n;
        EXPECT_EQ(a.kokoNaytto, n >= 5 ? 1 : 0) << n;
        EXPECT_EQ(a.varattu, n >= 9 ? 0x42 : 1) << n;
    }
}

TEST(Asetukset, ResolutionOutsideTheTableKeepsTheDefault) {
    for (Sint32 huono : {6, -1, 1000, (Sint32)0x80000000}) {
        Uint8 tavut[12] = {};
        Uint32 u = (Uint32)huono;
        for (int i = 0; i < 4; i++) tavut[i] = (Uint8)(u >> (8 * i));
        ASETUKSET a;
        a.Tavuista(tavut, 12);
        EXPECT_EQ(a.resoluutio, 1) << huono;
    }
}

TEST(Asetukset, EveryByteValueAtEveryOffsetGivesAUsableMode) {
    for (int kohta = 0; kohta < 12; kohta++)
        for (int arvo = 0; arvo < 256; arvo++) {
            Uint8 tavut[12] = {1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 0};
            tavut[kohta] = (Uint8)arvo;
            ASETUKSET a;
            a.Tavuista(tavut, 12);
            ASSERT_GE(a.resoluutio, 0);
            ASSERT_LT(a.resoluutio, 6);
            ASSERT_LE(a.kokoNaytto, 1);
        }
}

TEST(Asetukset, FailedWriteLeavesTheOldFile) {
    TYOKANSIO kansio;
    TeeKansiot("Tiedostot/Muu Data");
    std::vector<Uint8> vanha = {5, 0, 0, 0, 1, 5, 0, 0, 1, 1, 5, 0};
    KirjoitaTiedosto(POLKU, vanha);
    // Write-protected by the player: left as it is.
    chmod(POLKU, 0444);
    ASETUKSET a;
    EXPECT_FALSE(TallennaAsetukset(ASETUSTIEDOSTO, a));
    EXPECT_EQ(LueTiedosto(POLKU), vanha);
}

TEST(Asetukset, TablesHoldTheShownNames) {
    EXPECT_STREQ(RESOLUUTIOT[0].nimi, "640 x 480");
    EXPECT_STREQ(RESOLUUTIOT[5].nimi, "1600 x 1200");
    EXPECT_STREQ(PELITYYPIT[0], "Survivor");
    EXPECT_STREQ(PELITYYPIT[4], "Bubble race - Dr\xFA"
                                "ath");
    EXPECT_STREQ(PELITYYPIT[5], "Bubble race - Elenw\xEB");
    EXPECT_STREQ(PELITYYPIT[6], "Bubble race - Finduilas");
}
