// Text blocks, the font's glyphs, layout and the pointer walk: pure arithmetic on
// the engine's buffers, with a hand-filled texture table and no window.
#include "graphics/GrafiikkaMoottori.h"

#include "apu/TestiApu.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

char* Kopio(const char* s) {
    char* k = new char[strlen(s) + 1];
    strcpy(k, s);
    return k;
}

// Glyph widths of the test font (sheet 256 pixels, cells 16 high): 'A' 20,
// 'B' 12, 'C' 16, every other glyph 10.
int Leveys(int k) {
    return k == 'A' ? 20 : k == 'B' ? 12 : k == 'C' ? 16 : 10;
}

struct Teksti : ::testing::Test {
    TYOKANSIO kansio;
    GRAFIIKKA g;
    TEKSTI t;

    Teksti() {
        g.AlustaPuskurit();
        g.TekstuurienMaara = 2;
        g.Tekstuurit = new TEKSTUURI[2];
        g.Tekstuurit[0].Nimi = Kopio("Osoitin");
        g.Tekstuurit[1].Nimi = Kopio("Fontti");
        std::string leveydet = "256\n";
        for (int k = 0; k < 256; k++) leveydet += std::to_string(Leveys(k)) + "\n";
        KirjoitaTiedosto("Tiedostot/Fontit/MerkkienLeveydet.txt", leveydet);
        g.AlustaFontit();
        t.Alku();
    }
    ~Teksti() override { g.Vapauta(); }

    const KUVA& Kuva(Uint32 i) const { return g.Kuvat[i]; }
};

HIIRI Hiiri(float x, float y, Uint16 vasen = YLHAALLA) {
    HIIRI h;
    h.Alusta(800, 600);
    h.x = x;
    h.y = y;
    h.Napit[0].Tila = vasen;
    return h;
}

void OdotaVari(const KUVA& k, VARI v) {
    EXPECT_EQ(k.Vari.r, v.r);
    EXPECT_EQ(k.Vari.g, v.g);
    EXPECT_EQ(k.Vari.b, v.b);
    EXPECT_EQ(k.Vari.a, v.a);
}

const VARI VALKOINEN{1, 1, 1, 1}, KOROSTUS{1, 0.5, 1, 1}, OSOITETTU{1, 0.8, 1, 1},
    PUNAINEN{1, 0, 0, 1};

} // namespace

TEST(Merkisto, PrintableWindows1252BytesKeepTheirValue) {
    int merkkeja = 0;
    for (int b = 0; b < 256; b++) {
        int k = MerkkiKoodiksi((unsigned char)b);
        if (k >= 0) {
            EXPECT_EQ(k, b);
            merkkeja++;
        }
    }
    EXPECT_EQ(merkkeja, 213);
    for (int b : {0x00, 0x09, 0x0A, 0x0D, 0x1F, 0x7F, 0x80, 0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D,
                  0x9E, 0xA0, 0xAF})
        EXPECT_EQ(MerkkiKoodiksi((unsigned char)b), -1) << b;
    for (int b : {(int)'?', 0xE4, 0xF6, 0xC4, 0xD6, 0x95, 0x80 + 0x1F, 0xA1, 0xB0, 0xFF})
        EXPECT_EQ(MerkkiKoodiksi((unsigned char)b), b) << b;
}

TEST_F(Teksti, PiecesBecomeEntriesAndSelectablePiecesItems) {
    t.Lisaa("A", 0, false);
    t.Lisaa("BC", 0, true);
    ASSERT_EQ(t.MerkkienMaara, 3u);
    const Uint8 odotetut[3][3] = {{0x41, 0, 0}, {0x42, 0, 1}, {0x43, 0, 1}};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(t.Merkit[i].Koodi, odotetut[i][0]);
        EXPECT_EQ(t.Merkit[i].Rivi, odotetut[i][1]);
        EXPECT_EQ(t.Merkit[i].Osa, odotetut[i][2]);
    }
    ASSERT_EQ(t.KohtienMaara, 1);
    EXPECT_EQ(t.Kohdat[0].Rivi, 0);
    EXPECT_EQ(t.Kohdat[0].Osa, 1);
    EXPECT_EQ(t.ValittuKohta(0), -1);
    EXPECT_EQ(t.ValittuKohta(1), -1);
    EXPECT_EQ(t.OsienMaara[0], 2);
    EXPECT_EQ(t.RivienMaara, 1);
}

TEST_F(Teksti, BytesWithoutAGlyphAreDroppedAndLinesNeverBreak) {
    t.Lisaa("a\nb\tc\x80?", 3, true);
    t.Lisaa("", 5, true); // an empty selectable piece is still an item
    ASSERT_EQ(t.MerkkienMaara, 4u);
    EXPECT_EQ(t.Merkit[3].Koodi, '?');
    for (int i = 0; i < 4; i++) EXPECT_EQ(t.Merkit[i].Rivi, 3);
    EXPECT_EQ(t.RivienMaara, 6);
    EXPECT_EQ(t.KohtienMaara, 2);
}

TEST_F(Teksti, WhatDoesNotFitIsDropped) {
    t.Lisaa("X", 100, true);
    t.Lisaa("X", -1, true);
    EXPECT_EQ(t.MerkkienMaara, 0u);
    EXPECT_EQ(t.RivienMaara, 0);
    EXPECT_EQ(t.KohtienMaara, 0);

    for (int i = 0; i < 101; i++) t.Lisaa("", 0, true);
    EXPECT_EQ(t.KohtienMaara, 100);

    t.Alku();
    std::string pitka(10001, 'x');
    t.Lisaa(pitka.c_str(), 99, false);
    EXPECT_EQ(t.MerkkienMaara, 10000u);
    EXPECT_EQ(t.RivienMaara, 100);

    // The 257th piece of a line would be piece 0 again in its 8-bit field: it is
    // dropped, and so is every later one.
    t.Alku();
    for (int i = 0; i < 256; i++) t.Lisaa("", 1, false);
    t.Lisaa("AB", 1, true);
    t.Lisaa("C", 1, true);
    EXPECT_EQ(t.MerkkienMaara, 0u);
    EXPECT_EQ(t.KohtienMaara, 0);
}

TEST_F(Teksti, GlyphsComeFromTheCellsOfTheSheet) {
    const KUVA& a = g.Fontti()[0].Kirjaimet['A'];
    EXPECT_STREQ(a.TekstuuriNimi, "Fontti");
    EXPECT_EQ(a.Leveys, 20);
    EXPECT_EQ(a.Korkeus, 16);
    EXPECT_FLOAT_EQ(a.U0, 1 / 16.0f);  // column 1
    EXPECT_FLOAT_EQ(a.V0, 11 / 16.0f); // row 15 - 4: code 0 is in the picture's top row
    EXPECT_FLOAT_EQ(a.U1, 1 / 16.0f + 20 / 256.0f);
    EXPECT_FLOAT_EQ(a.V1, 12 / 16.0f);
    const KUVA& nolla = g.Fontti()[0].Kirjaimet[0];
    EXPECT_FLOAT_EQ(nolla.V0, 15 / 16.0f);
    const KUVA& viimeinen = g.Fontti()[0].Kirjaimet[255];
    EXPECT_FLOAT_EQ(viimeinen.U0, 15 / 16.0f);
    EXPECT_FLOAT_EQ(viimeinen.V0, 0);
}

TEST_F(Teksti, MissingWidthsFileGivesEveryGlyphItsCell) {
    FONTTI f;
    f.Alusta("Fontti", "Tiedostot\\Fontit\\Puuttuu.txt", 128);
    for (int k = 0; k < 256; k++) {
        EXPECT_EQ(f.Kirjaimet[k].Leveys, 8);
        EXPECT_EQ(f.Kirjaimet[k].Korkeus, 8);
        EXPECT_FLOAT_EQ(f.Kirjaimet[k].U1 - f.Kirjaimet[k].U0, 1 / 16.0f);
    }
    // A widths file that gives no usable side uses the sheet's.
    KirjoitaTiedosto("nolla.txt", "0\n4\n");
    f.Alusta("Fontti", "nolla.txt", 64);
    EXPECT_EQ(f.Kirjaimet[0].Leveys, 4);
    EXPECT_EQ(f.Kirjaimet[0].Korkeus, 4);
    EXPECT_EQ(f.Kirjaimet[1].Leveys, 0);
    // The engine takes the side from the "Fontti" texture when the file is missing.
    remove("Tiedostot/Fontit/MerkkienLeveydet.txt");
    g.Tekstuurit[1].Leveys = 512;
    g.AlustaFontit();
    EXPECT_EQ(g.Fontti()[0].Kirjaimet['A'].Leveys, 32);
    EXPECT_EQ(g.Fontti()[0].Kirjaimet['A'].Korkeus, 32);
}

TEST_F(Teksti, CentredTwoLinesStraddleThePoint) {
    t.Lisaa("AB", 0, false);
    t.Lisaa("C", 1, false);
    g.TulostaTeksti(t, 640, 512, KESKI, 0, 1.0);
    ASSERT_EQ(g.KuvienMaara, 3u);
    // The top line's bottom edge is at y, the bottom line's at y - h.
    EXPECT_EQ(Kuva(0).X, 640 - 16);
    EXPECT_EQ(Kuva(0).Y, 512);
    EXPECT_EQ(Kuva(1).X, 640 - 16 + 20);
    EXPECT_EQ(Kuva(1).Y, 512);
    EXPECT_EQ(Kuva(2).X, 640 - 8);
    EXPECT_EQ(Kuva(2).Y, 512 - 16);
    EXPECT_EQ(Kuva(2).Leveys, 16);
    EXPECT_EQ(Kuva(2).Korkeus, 16);
    EXPECT_EQ(Kuva(0).TekstuuriIndeksi, 1u);
    // The text is consumed.
    EXPECT_EQ(t.MerkkienMaara, 0u);
}

TEST_F(Teksti, TopLeftHangsBelowAndBottomRightStandsOn) {
    t.Lisaa("A", 0, false);
    g.TulostaTeksti(t, 100, 500, YLA_VASEN, 0, 1.0);
    ASSERT_EQ(g.KuvienMaara, 1u);
    EXPECT_EQ(Kuva(0).X, 100);
    EXPECT_EQ(Kuva(0).Y + Kuva(0).Korkeus, 500); // its top edge is at y

    g.TyhjennaKuvaPuskuri();
    t.Alku();
    t.Lisaa("AB", 0, false);
    t.Lisaa("C", 1, false);
    g.TulostaTeksti(t, 1000, 300, ALA_OIKEA, 0, 2.0);
    ASSERT_EQ(g.KuvienMaara, 3u);
    EXPECT_EQ(Kuva(2).X + Kuva(2).Leveys, 1000); // the bottom line ends at x
    EXPECT_EQ(Kuva(2).Y, 300);                   // and stands on y
    EXPECT_EQ(Kuva(0).X, 1000 - 64);
    EXPECT_EQ(Kuva(0).Y, 300 + 32);
    EXPECT_EQ(Kuva(0).Leveys, 40);
}

TEST_F(Teksti, EveryAlignmentOffsetsBothWays) {
    for (int a = 0; a <= 8; a++) {
        g.TyhjennaKuvaPuskuri();
        t.Alku();
        t.Lisaa("AB", 0, false); // 32 wide, 16 high
        g.TulostaTeksti(t, 500, 400, (KESKITYSTAPA)a, 0, 1.0);
        ASSERT_EQ(g.KuvienMaara, 2u);
        float x = 500 - (a % 3) * 16.0f;
        float y = 400 - (2 - a / 3) * 8.0f;
        EXPECT_EQ(Kuva(0).X, x) << a;
        EXPECT_EQ(Kuva(0).Y, y) << a;
    }
    // Past the nine, the text hangs from the top left.
    g.TyhjennaKuvaPuskuri();
    t.Alku();
    t.Lisaa("A", 0, false);
    g.TulostaTeksti(t, 500, 400, (KESKITYSTAPA)12, 5, 1.0); // and font 5 is font 0
    ASSERT_EQ(g.KuvienMaara, 1u);
    EXPECT_EQ(Kuva(0).X, 500);
    EXPECT_EQ(Kuva(0).Y, 384);
}

TEST_F(Teksti, PointerOverTheSecondGlyphOfAnItem) {
    t.Lisaa("ABC", 0, true);
    g.TulostaTeksti(t, 100, 500, Hiiri(125, 490), YLA_VASEN, 0, 1.0);
    EXPECT_EQ(t.ValittuKohta(0), 2);
    ASSERT_EQ(g.KuvienMaara, 3u); // one image per glyph: the piece is drawn once
    OdotaVari(Kuva(0), KOROSTUS);
    OdotaVari(Kuva(1), OSOITETTU);
    OdotaVari(Kuva(2), KOROSTUS);
    // Where a plain layout puts them.
    EXPECT_EQ(Kuva(0).X, 100);
    EXPECT_EQ(Kuva(1).X, 120);
    EXPECT_EQ(Kuva(2).X, 132);
}

TEST_F(Teksti, HoverTakesBackOnlyItsOwnPiece) {
    t.Lisaa("A", 0, false);
    t.Lisaa("BC", 0, true);
    t.Lisaa("A", 1, true);
    g.TulostaTeksti(t, 0, 100, Hiiri(40, 90), YLA_VASEN, 0, 1.0); // over 'C' at 32..48
    EXPECT_EQ(t.ValittuKohta(0), 2);
    EXPECT_EQ(t.ValittuKohta(1), -1);
    ASSERT_EQ(g.KuvienMaara, 4u);
    OdotaVari(Kuva(0), VALKOINEN);
    OdotaVari(Kuva(1), KOROSTUS);
    OdotaVari(Kuva(2), OSOITETTU);
    OdotaVari(Kuva(3), VALKOINEN);
    EXPECT_EQ(Kuva(1).X, 20);
    EXPECT_EQ(Kuva(2).X, 32);
}

TEST_F(Teksti, HeldButtonOverAPlainGlyphTurnsItRed) {
    t.Lisaa("ABC", 0, false);
    t.Lisaa("X", 1, true);
    g.TulostaTeksti(t, 100, 500, Hiiri(125, 490, POHJASSA), YLA_VASEN, 0, 1.0);
    ASSERT_EQ(g.KuvienMaara, 4u);
    OdotaVari(Kuva(0), VALKOINEN);
    OdotaVari(Kuva(1), PUNAINEN);
    OdotaVari(Kuva(2), VALKOINEN);
    EXPECT_EQ(t.ValittuKohta(0), -1);
}

TEST_F(Teksti, TheSharedBorderCountsForTheLeftGlyph) {
    t.Lisaa("AB", 0, true);
    g.TulostaTeksti(t, 100, 500, Hiiri(120, 484), YLA_VASEN, 0, 1.0); // corner of both
    EXPECT_EQ(t.ValittuKohta(0), 1);
    ASSERT_EQ(g.KuvienMaara, 2u);
    OdotaVari(Kuva(0), OSOITETTU);
    OdotaVari(Kuva(1), KOROSTUS);
}

TEST_F(Teksti, WithoutTheMouseEveryGlyphIsWhiteAndNoItemChanges) {
    t.Lisaa("ABC", 0, true);
    g.TulostaTeksti(t, 100, 500, YLA_VASEN, 0, 1.0);
    EXPECT_EQ(t.ValittuKohta(0), -1);
    ASSERT_EQ(g.KuvienMaara, 3u);
    for (int i = 0; i < 3; i++) OdotaVari(Kuva(i), VALKOINEN);
    // A pointer outside every glyph leaves the items alone too.
    t.Alku();
    t.Lisaa("ABC", 0, true);
    g.TulostaTeksti(t, 100, 500, Hiiri(10, 10, POHJASSA), YLA_VASEN, 0, 1.0);
    EXPECT_EQ(t.ValittuKohta(0), -1);
    for (int i = 3; i < 6; i++) OdotaVari(Kuva(i), VALKOINEN);
}

TEST_F(Teksti, HoverNearAFullImageBufferRemovesNothingElse) {
    KUVA muu;
    muu.Alusta("Osoitin", 1, 1, 0, 0, 1, 1);
    for (int i = 0; i < KUVAPUSKURI - 1; i++) g.LisaaKuva(muu, i, 0, 1, VALKOINEN);
    t.Lisaa("ABC", 0, true);
    // 'A' takes the last slot, 'B' is dropped; over 'C' the piece is taken back:
    // only 'A' may go, never the images before it.
    g.TulostaTeksti(t, 100, 500, Hiiri(140, 490), YLA_VASEN, 0, 1.0);
    EXPECT_EQ(t.ValittuKohta(0), 3);
    ASSERT_EQ(g.KuvienMaara, (Uint32)KUVAPUSKURI);
    EXPECT_EQ(Kuva(KUVAPUSKURI - 2).X, KUVAPUSKURI - 2);
    EXPECT_EQ(Kuva(KUVAPUSKURI - 1).X, 100);
    OdotaVari(Kuva(KUVAPUSKURI - 1), KOROSTUS);
}

TEST_F(Teksti, WithoutAFontNothingIsDrawn) {
    delete[] g.Fontit;
    g.Fontit = nullptr;
    g.FonttienMaara = 0;
    t.Lisaa("ABC", 0, true);
    g.TulostaTeksti(t, 100, 500, Hiiri(125, 490), YLA_VASEN, 0, 1.0);
    EXPECT_EQ(g.KuvienMaara, 0u);
    EXPECT_EQ(t.MerkkienMaara, 0u);
}
