// The TGA reader on files the tests write byte by byte.
#include "files/TiedostoFunktiot.h"
#include "graphics/TekstuuriFunktiot.h"

#include "yksikko/TiedostoRakentajat.h"

#include <gtest/gtest.h>

namespace {

// Writes the bytes as a file and reads it back as the game does.
bool Lue(const Tavut& tiedosto, KUVADATA& t, const char* siemen = nullptr) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("kuva.tga", tiedosto);
    if (siemen) Siemen("tga", siemen, tiedosto);
    return LataaTGA("kuva.tga", t);
}

Tavut Pikselit(const KUVADATA& t) {
    return Tavut(t.Pikselit, t.Pikselit + (size_t)t.Leveys * t.Korkeus * t.TavuaPikselia);
}

// A texture whose fields a refused file must leave as they were.
KUVADATA Vartija() {
    KUVADATA t;
    t.Leveys = 7;
    t.Korkeus = 9;
    t.TavuaPikselia = 3;
    return t;
}
void OdotaKoskematon(const KUVADATA& t) {
    EXPECT_EQ(t.Pikselit, nullptr);
    EXPECT_EQ(t.Leveys, 7);
    EXPECT_EQ(t.Korkeus, 9);
    EXPECT_EQ(t.TavuaPikselia, 3);
}

} // namespace

TEST(TGA, UncompressedTwentyFourBitsTurnsBgrIntoRgb) {
    KUVADATA t;
    ASSERT_TRUE(Lue(TeeTGA(2, 2, 1, 24, {10, 20, 30, 40, 50, 60}), t, "raaka24.tga"));
    EXPECT_EQ(t.Leveys, 2);
    EXPECT_EQ(t.Korkeus, 1);
    EXPECT_EQ(t.TavuaPikselia, 3);
    EXPECT_EQ(Pikselit(t), (Tavut{30, 20, 10, 60, 50, 40}));
    t.Vapauta();
}

TEST(TGA, RunOfFourThirtyTwoBitPixels) {
    KUVADATA t;
    ASSERT_TRUE(Lue(TeeTGA(10, 4, 1, 32, {0x83, 1, 2, 3, 4}), t, "rle32.tga"));
    EXPECT_EQ(t.TavuaPikselia, 4);
    EXPECT_EQ(Pikselit(t), (Tavut{3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4}));
    t.Vapauta();
}

TEST(TGA, RawPacketThenRunPacket) {
    KUVADATA t;
    ASSERT_TRUE(Lue(TeeTGA(10, 4, 1, 24, {0x01, 1, 2, 3, 4, 5, 6, 0x81, 7, 8, 9}), t, "rle24.tga"));
    EXPECT_EQ(Pikselit(t), (Tavut{3, 2, 1, 6, 5, 4, 9, 8, 7, 9, 8, 7}));
    t.Vapauta();
}

TEST(TGA, PacketsMayCrossScanLines) {
    // 3 x 2: a run of 4 ends on the second row, a raw packet of 2 finishes it.
    KUVADATA t;
    ASSERT_TRUE(Lue(TeeTGA(10, 3, 2, 24, {0x83, 1, 1, 1, 0x01, 2, 2, 2, 3, 3, 3}), t,
                    "rle_rivien_yli.tga"));
    EXPECT_EQ(Pikselit(t), (Tavut{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3}));
    t.Vapauta();
}

TEST(TGA, ImageIdIsSkipped) {
    Tavut id(12, 0xEE);
    Tavut tiedosto = TeeTGA(2, 1, 1, 24, {1, 2, 3}, id);
    ASSERT_EQ(tiedosto.size(), 33u); // the pixels start at offset 30
    KUVADATA t;
    ASSERT_TRUE(Lue(tiedosto, t, "tunniste.tga"));
    EXPECT_EQ(Pikselit(t), (Tavut{3, 2, 1}));
    t.Vapauta();
}

TEST(TGA, RowsStayInFileOrderWhateverTheOriginBits) {
    for (Uint8 kuvaus : {0x00, 0x20, 0x28}) {
        KUVADATA t;
        ASSERT_TRUE(Lue(TeeTGA(2, 1, 2, 24, {1, 1, 1, 2, 2, 2}, {}, 0, kuvaus), t));
        EXPECT_EQ(Pikselit(t), (Tavut{1, 1, 1, 2, 2, 2})) << (int)kuvaus;
        t.Vapauta();
    }
}

TEST(TGA, RefusesKindsItDoesNotDecode) {
    struct {
        Uint8 tyyppi, syvyys, kartta;
    } kielletyt[] = {
        {2, 16, 0},  // 16-bit true colour
        {1, 8, 1},   // colour-mapped
        {9, 8, 1},   // colour-mapped, run-length
        {2, 24, 1},  // true colour with a colour map
        {3, 8, 0},   // grey
        {11, 8, 0},  // grey, run-length
        {3, 24, 0},  // an unknown type at an accepted depth
        {0, 24, 0},  // no image
        {2, 15, 0},  //
        {10, 0, 0},  //
        {2, 255, 0}, //
    };
    for (auto k : kielletyt) {
        KUVADATA t = Vartija();
        EXPECT_FALSE(Lue(TeeTGA(k.tyyppi, 2, 2, k.syvyys, Tavut(16, 1), {}, k.kartta), t))
            << (int)k.tyyppi << " " << (int)k.syvyys;
        OdotaKoskematon(t);
    }
}

TEST(TGA, MissingFileIsRefused) {
    TYOKANSIO kansio;
    KUVADATA t = Vartija();
    EXPECT_FALSE(LataaTGA("Tiedostot\\Tekstuurit\\EiOle.tga", t));
    OdotaKoskematon(t);
}

TEST(TGA, FileShorterThanItsHeaderIsRefused) {
    Tavut kokonainen = TeeTGA(2, 1, 1, 24, {1, 2, 3});
    for (size_t n = 0; n < 18; n++) {
        KUVADATA t = Vartija();
        EXPECT_FALSE(Lue(Tavut(kokonainen.begin(), kokonainen.begin() + n), t)) << n;
        OdotaKoskematon(t);
    }
}

TEST(TGA, EmptyAndAbsurdSizesAreRefusedBeforeAllocating) {
    struct {
        Uint16 leveys, korkeus;
    } koot[] = {{0, 1}, {1, 0}, {0, 0}, {65535, 65535}, {8193, 8193}, {65535, 1025}};
    for (auto k : koot) {
        KUVADATA t = Vartija();
        EXPECT_FALSE(Lue(TeeTGA(2, k.leveys, k.korkeus, 32, {1, 2, 3, 4}), t))
            << k.leveys << " x " << k.korkeus;
        OdotaKoskematon(t);
    }
}

TEST(TGA, TruncatedPixelDataIsFilledWithZero) {
    // Three of four pixels' bytes, then nothing.
    KUVADATA t;
    ASSERT_TRUE(Lue(TeeTGA(2, 2, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8}), t));
    EXPECT_EQ(Pikselit(t), (Tavut{3, 2, 1, 6, 5, 4, 0, 8, 7, 0, 0, 0}));
    t.Vapauta();

    KUVADATA r; // run-length data that stops inside a raw packet, then inside a run
    ASSERT_TRUE(Lue(TeeTGA(10, 4, 1, 24, {0x02, 1, 2, 3, 4}), r));
    EXPECT_EQ(Pikselit(r), (Tavut{3, 2, 1, 0, 0, 4, 0, 0, 0, 0, 0, 0}));
    r.Vapauta();
    KUVADATA s;
    ASSERT_TRUE(Lue(TeeTGA(10, 2, 1, 32, {0x81, 9, 9}), s));
    EXPECT_EQ(Pikselit(s), Tavut(8, 0));
    s.Vapauta();
}

TEST(TGA, IdFieldPastTheEndGivesZeroPixels) {
    Tavut tiedosto = TeeTGA(2, 2, 1, 24, {});
    tiedosto[0] = 200; // an image ID of 200 bytes that is not there
    tiedosto.push_back(5);
    KUVADATA t;
    ASSERT_TRUE(Lue(tiedosto, t));
    EXPECT_EQ(Pikselit(t), Tavut(6, 0));
    t.Vapauta();
}

TEST(TGA, PacketsRunningPastTheLastPixelAreClipped) {
    // A run of 6 and a raw packet of 6 over a 2 x 1 image: two pixels each,
    // and nothing written past them (AddressSanitizer watches the array).
    KUVADATA run;
    ASSERT_TRUE(Lue(TeeTGA(10, 2, 1, 24, {0x85, 1, 2, 3}), run));
    EXPECT_EQ(Pikselit(run), (Tavut{3, 2, 1, 3, 2, 1}));
    run.Vapauta();

    KUVADATA raaka;
    Tavut data = {0x05};
    for (Uint8 i = 1; i <= 18; i++) data.push_back(i);
    ASSERT_TRUE(Lue(TeeTGA(10, 2, 1, 24, data), raaka));
    EXPECT_EQ(Pikselit(raaka), (Tavut{3, 2, 1, 6, 5, 4}));
    raaka.Vapauta();

    // The rest of a clipped packet is not read as the next image's data either:
    // the image is complete, and what follows the pixels is never read.
    KUVADATA loppu;
    ASSERT_TRUE(Lue(TeeTGA(10, 1, 1, 24, {0x81, 1, 2, 3, 0x7F}), loppu));
    EXPECT_EQ(Pikselit(loppu), (Tavut{3, 2, 1}));
    loppu.Vapauta();
}

TEST(TGA, AReadIntoAUsedTextureReplacesItsPixels) {
    KUVADATA t;
    ASSERT_TRUE(Lue(TeeTGA(2, 1, 1, 24, {1, 2, 3}), t));
    ASSERT_TRUE(Lue(TeeTGA(2, 2, 1, 32, {1, 2, 3, 4, 5, 6, 7, 8}), t)); // no leak of the first
    EXPECT_EQ(Pikselit(t), (Tavut{3, 2, 1, 4, 7, 6, 5, 8}));
    t.Vapauta();
}

TEST(TGA, LargeImageReadsThroughTheBuffer) {
    // Larger than the reader's 64 kB buffer, raw and run-length, to cover refills.
    const Uint16 w = 300, h = 200;
    Tavut raaka, rle;
    for (int i = 0; i < w * h; i++) {
        Uint8 p[3] = {(Uint8)i, (Uint8)(i >> 8), (Uint8)(i * 7)};
        raaka.insert(raaka.end(), p, p + 3);
        rle.push_back(0x00);
        rle.insert(rle.end(), p, p + 3);
    }
    KUVADATA a, b;
    ASSERT_TRUE(Lue(TeeTGA(2, w, h, 24, raaka), a));
    ASSERT_TRUE(Lue(TeeTGA(10, w, h, 24, rle), b));
    Tavut odotettu;
    for (size_t i = 0; i < raaka.size(); i += 3) {
        odotettu.push_back(raaka[i + 2]);
        odotettu.push_back(raaka[i + 1]);
        odotettu.push_back(raaka[i]);
    }
    EXPECT_EQ(Pikselit(a), odotettu);
    EXPECT_EQ(Pikselit(b), odotettu);
    a.Vapauta();
    b.Vapauta();
}

TEST(TGA, PlaceholderIsASmallCheckerboard) {
    TEKSTUURI t;
    TeeKorvikeKuva(t);
    ASSERT_NE(t.Pikselit, nullptr);
    EXPECT_EQ(t.Leveys, 8);
    EXPECT_EQ(t.Korkeus, 8);
    EXPECT_EQ(t.TavuaPikselia, 3);
    EXPECT_EQ(t.Muoto, (GLenum)GL_RGB);
    // Two colours, and neighbouring squares differ.
    const Uint8* p = t.Pikselit;
    EXPECT_NE(memcmp(p, p + 2 * 3, 3), 0);
    EXPECT_NE(memcmp(p, p + 2 * 8 * 3, 3), 0);
    EXPECT_EQ(memcmp(p, p + (2 * 8 + 2) * 3, 3), 0);
    t.Vapauta();
}
