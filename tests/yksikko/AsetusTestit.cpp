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

// Settings.sav truncated to every length: the fields wholly present are taken,
// the others keep their defaults, and the file saved at exit is whole again.
TEST(Asetukset, ShortFileTakesOnlyWholeFields) {
    TYOKANSIO kansio;
    TeeKansiot("Tiedostot/Muu Data");
    const std::vector<Uint8> tavut = {3, 0, 0, 0, 1, 9, 9, 9, 0x42, 9, 9, 9};
    for (size_t n = 0; n <= 12; n++) {
        KirjoitaTiedosto(POLKU, std::vector<Uint8>(tavut.begin(), tavut.begin() + n));
        ASETUKSET a;
        EXPECT_TRUE(LataaAsetukset(ASETUSTIEDOSTO, a)) << n;
        EXPECT_EQ(a.resoluutio, n >= 4 ? 3 : 1) << n;
        EXPECT_EQ(a.kokoNaytto, n >= 5 ? 1 : 0) << n;
        EXPECT_EQ(a.varattu, n >= 9 ? 0x42 : 1) << n;
        ASSERT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, a));
        std::vector<Uint8> tallennettu = LueTiedosto(POLKU);
        ASSERT_EQ(tallennettu.size(), 12u) << n;
        ASETUKSET b;
        b.Tavuista(tallennettu.data(), tallennettu.size());
        EXPECT_EQ(b.resoluutio, a.resoluutio);
        EXPECT_EQ(b.kokoNaytto, a.kokoNaytto);
        EXPECT_EQ(b.varattu, a.varattu);
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

// Every byte value at every offset of the file the game writes by default: the
// window opens in one of the six modes, each field comes from its own byte
// only, and the file saved at exit is the same as the one read but for the
// repeated bytes, which are written from the fields again.
TEST(Asetukset, EveryByteValueAtEveryOffsetGivesAUsableMode) {
    TYOKANSIO kansio;
    TeeKansiot("Tiedostot/Muu Data");
    const std::vector<Uint8> oletus = {1, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1, 0};
    for (int kohta = 0; kohta < 12; kohta++)
        for (int arvo = 0; arvo < 256; arvo++) {
            std::vector<Uint8> tavut = oletus;
            tavut[kohta] = (Uint8)arvo;
            KirjoitaTiedosto(POLKU, tavut);
            ASETUKSET a;
            ASSERT_TRUE(LataaAsetukset(ASETUSTIEDOSTO, a));
            Sint32 indeksi = kohta == 0 ? arvo : 1;
            // Bytes 1..3 make the index 256 or more: outside the table.
            if (kohta >= 1 && kohta <= 3 && arvo != 0) indeksi = -1;
            ASSERT_EQ(a.resoluutio, indeksi >= 0 && indeksi < 6 ? indeksi : 1)
                << kohta << " " << arvo;
            ASSERT_EQ(a.kokoNaytto, kohta == 4 && arvo != 0 ? 1 : 0) << kohta << " " << arvo;
            ASSERT_EQ(a.varattu, kohta == 8 ? arvo : 1) << kohta << " " << arvo;
            ASSERT_FALSE(a.turbo);

            ASSERT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, a));
            Uint32 r = (Uint32)a.resoluutio;
            const std::vector<Uint8> odotus = {(Uint8)r, 0, 0, 0,         a.kokoNaytto,
                                               (Uint8)r, 0, 0, a.varattu, a.kokoNaytto,
                                               (Uint8)r, 0};
            ASSERT_EQ(LueTiedosto(POLKU), odotus) << kohta << " " << arvo;
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
