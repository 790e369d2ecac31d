// Objects and object files, the draw buffers, name lookups and cameras: the
// engine's bookkeeping, without a window.
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

// An engine with named (not loaded) textures and models.
struct Moottori : ::testing::Test {
    GRAFIIKKA g;
    Moottori() {
        g.AlustaPuskurit();
        const char* tekstuurit[] = {"Puu", "Kivi", "Puu", "Osoitin"};
        g.TekstuurienMaara = 4;
        g.Tekstuurit = new TEKSTUURI[4];
        for (int i = 0; i < 4; i++) g.Tekstuurit[i].Nimi = Kopio(tekstuurit[i]);
        const char* mallit[] = {"Kuutio", "Pallo", "Kuutio"};
        g.MallienMaara = 3;
        g.Mallit = new MALLI3D[3];
        for (int i = 0; i < 3; i++) g.Mallit[i].Nimi = Kopio(mallit[i]);
    }
    ~Moottori() override { g.Vapauta(); }
};

OBJEKTI Objekti(const char* malli, const char* tekstuuri) {
    OBJEKTI o;
    strcpy(o.MalliNimi, malli);
    strcpy(o.TekstuuriNimi, tekstuuri);
    return o;
}

} // namespace

// ---- Object files ----

TEST(Objektitiedosto, ThreeLines) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("Tiedostot/Objektit/Museo.txt",
                     "#3D_MALLI; >M;\n#TEKSTUURI; >T;\n#END_OF_FILE;\n");
    OBJEKTI o;
    o.Sijainti.Aseta(1, 2, 3);
    o.Kulmat[1] = 5;
    o.Skaalaus = 4;
    o.Kiertomatriisi.PyoritaY(30);
    o.Alusta("Tiedostot\\Objektit\\Museo.txt");
    EXPECT_STREQ(o.MalliNimi, "M");
    EXPECT_STREQ(o.TekstuuriNimi, "T");
    EXPECT_EQ(o.Skaalaus, 1.0);
    EXPECT_EQ(o.Sijainti.x, 0);
    EXPECT_EQ(o.Sijainti.z, 0);
    EXPECT_EQ(o.Kulmat[1], 0);
    EXPECT_EQ(memcmp(o.Kiertomatriisi.m, MATRIISI4X4{}.m, sizeof o.Kiertomatriisi.m), 0);
    EXPECT_EQ(o.MalliIndeksi, EI_INDEKSIA);
    EXPECT_EQ(o.TekstuuriIndeksi, EI_INDEKSIA);
}

TEST(Objektitiedosto, ValuesAreVerbatimAndStrayTextIsIgnored) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("o.txt", "Museon seinat\r\n"
                              "#3D_MALLI; >Museo; vanha arvo\r\n"
                              "ja huomautus\r\n"
                              "#TEKSTUURI; -- >  Seina  ;\r\n"
                              "#TUNTEMATON;\n"
                              "#3D_MALLI;>Museo2;\n"
                              "#END_OF_FILE;\n"
                              "#TEKSTUURI; >Myohassa;\n");
    OBJEKTI o;
    o.Alusta("o.txt");
    EXPECT_STREQ(o.MalliNimi, "Museo2"); // the later value replaces the earlier one
    EXPECT_STREQ(o.TekstuuriNimi, "  Seina  ");
}

TEST(Objektitiedosto, KeywordsMustBeWrittenExactly) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("o.txt", "# 3D_MALLI; >M;\n#tekstuuri; >T;\n#END_OF_FILE;\n");
    OBJEKTI o;
    o.Alusta("o.txt");
    EXPECT_STREQ(o.MalliNimi, "");
    EXPECT_STREQ(o.TekstuuriNimi, "");
}

TEST(Objektitiedosto, BrokenFilesEndAtTheirEnd) {
    TYOKANSIO kansio;
    // No END_OF_FILE; a value without ';'; keys and values longer than their fields.
    KirjoitaTiedosto("a.txt", "#3D_MALLI; >M\n#TEKSTUURI; >T;");
    OBJEKTI a;
    a.Alusta("a.txt");
    EXPECT_STREQ(a.MalliNimi, "M");
    EXPECT_STREQ(a.TekstuuriNimi, "T");

    std::string pitka(500, 'k');
    KirjoitaTiedosto("b.txt", "#" + pitka + ";\n#3D_MALLI; >" + pitka + ";\n#END_OF_FILE;\n");
    OBJEKTI b;
    b.Alusta("b.txt");
    EXPECT_LE(strlen(b.MalliNimi), (size_t)NIMEN_PITUUS);
    EXPECT_EQ(b.Skaalaus, 1.0);

    // A long remark after a value leaves the next line's keyword readable.
    KirjoitaTiedosto("r.txt", "#3D_MALLI; >M; " + pitka + "\n#TEKSTUURI; >T;\n#END_OF_FILE;\n");
    OBJEKTI r;
    r.Alusta("r.txt");
    EXPECT_STREQ(r.MalliNimi, "M");
    EXPECT_STREQ(r.TekstuuriNimi, "T");

    KirjoitaTiedosto("c.txt", "#3D_MALLI; >" + pitka + "\n");
    OBJEKTI c;
    c.Alusta("c.txt");
    EXPECT_LE(strlen(c.MalliNimi), (size_t)NIMEN_PITUUS);

    KirjoitaTiedosto("d.txt", std::string(5000, '.') + "#3D_MALLI; >M;\n");
    OBJEKTI d;
    d.Alusta("d.txt");
    EXPECT_EQ(d.Skaalaus, 1.0);
}

TEST(Objektitiedosto, MissingFileLeavesTheObjectAsItWas) {
    TYOKANSIO kansio;
    OBJEKTI o = Objekti("M", "T");
    o.Sijainti.Aseta(5, 6, 7);
    o.Alusta("Tiedostot\\Objektit\\EiOle.txt");
    EXPECT_STREQ(o.MalliNimi, "M");
    EXPECT_EQ(o.Sijainti.y, 6);
}

TEST(Objektitiedosto, CopyOfAMovedObjectStandsAtTheOrigin) {
    OBJEKTI lahde = Objekti("Kupla", "Sininen");
    lahde.Sijainti.Aseta(10, 20, 30);
    lahde.Kulmat[0] = 45;
    lahde.Kiertomatriisi.PyoritaX(33);
    lahde.Skaalaus = 2.5;
    lahde.MalliIndeksi = 1;
    OBJEKTI kopio;
    kopio.Alusta(lahde);
    EXPECT_EQ(kopio.Sijainti.x, 0);
    EXPECT_EQ(kopio.Sijainti.y, 0);
    EXPECT_EQ(kopio.Kulmat[0], 0);
    EXPECT_EQ(memcmp(kopio.Kiertomatriisi.m, lahde.Kiertomatriisi.m, sizeof lahde.Kiertomatriisi.m),
              0);
    EXPECT_EQ(kopio.Skaalaus, 2.5);
    EXPECT_STREQ(kopio.MalliNimi, "Kupla");
    EXPECT_EQ(kopio.MalliIndeksi, 1u);
    EXPECT_EQ(lahde.Sijainti.x, 10); // the source stays where it was
}

// ---- Object buffer and lookups ----

TEST_F(Moottori, AddingResolvesFirstModelAndLastTexture) {
    OBJEKTI o = Objekti("Kuutio", "Puu");
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 0u);
    EXPECT_EQ(o.TekstuuriIndeksi, 2u);
    ASSERT_EQ(g.ObjektienMaara, 1u);
    EXPECT_EQ(g.Objektit[0], &o);
    g.LisaaObjekti(o); // the same object twice is drawn twice
    EXPECT_EQ(g.ObjektienMaara, 2u);
    // Names are resolved again on every add.
    strcpy(o.MalliNimi, "Pallo");
    strcpy(o.TekstuuriNimi, "Kivi");
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 1u);
    EXPECT_EQ(o.TekstuuriIndeksi, 1u);
}

TEST_F(Moottori, UnknownNamesLeaveTheIndices) {
    OBJEKTI uusi = Objekti("Ei", "puu"); // lookups are case-sensitive
    g.LisaaObjekti(uusi);
    EXPECT_EQ(uusi.MalliIndeksi, EI_INDEKSIA);
    EXPECT_EQ(uusi.TekstuuriIndeksi, EI_INDEKSIA);
    OBJEKTI vanha = Objekti("Ei", "Ei");
    vanha.MalliIndeksi = 1;
    vanha.TekstuuriIndeksi = 3;
    g.LisaaObjekti(vanha);
    EXPECT_EQ(vanha.MalliIndeksi, 1u);
    EXPECT_EQ(vanha.TekstuuriIndeksi, 3u);
    EXPECT_EQ(g.EtsiTekstuuri(nullptr), EI_INDEKSIA);
    EXPECT_EQ(g.EtsiMalli(""), EI_INDEKSIA);
}

TEST_F(Moottori, MarkedTablesResolveExactlyAsTheSearch) {
    g.MerkitseNimet();
    // The first "Kuutio" and the last "Puu" are what the names resolve to.
    EXPECT_TRUE(g.Mallit[0].NimenMalli);
    EXPECT_TRUE(g.Mallit[1].NimenMalli);
    EXPECT_FALSE(g.Mallit[2].NimenMalli);
    EXPECT_FALSE(g.Tekstuurit[0].NimenTekstuuri);
    EXPECT_TRUE(g.Tekstuurit[1].NimenTekstuuri);
    EXPECT_TRUE(g.Tekstuurit[2].NimenTekstuuri);

    // Indices that point at another entry of the same name are searched again.
    OBJEKTI o = Objekti("Kuutio", "Puu");
    o.MalliIndeksi = 2;
    o.TekstuuriIndeksi = 0;
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 0u);
    EXPECT_EQ(o.TekstuuriIndeksi, 2u);
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 0u);
    EXPECT_EQ(o.TekstuuriIndeksi, 2u);

    // A renamed object is resolved in its next add, and a name that matches
    // nothing keeps the index it had.
    strcpy(o.MalliNimi, "Pallo");
    strcpy(o.TekstuuriNimi, "Kivi");
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 1u);
    EXPECT_EQ(o.TekstuuriIndeksi, 1u);
    strcpy(o.MalliNimi, "Pallo2");
    strcpy(o.TekstuuriNimi, "Kiv");
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 1u);
    EXPECT_EQ(o.TekstuuriIndeksi, 1u);
    strcpy(o.MalliNimi, "Kuutio");
    strcpy(o.TekstuuriNimi, "Osoitin");
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 0u);
    EXPECT_EQ(o.TekstuuriIndeksi, 3u);

    // An index past the table, or any index into an unmarked table, is searched.
    o.MalliIndeksi = 77;
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 0u);
    // A model given a new name loses its mark until the table is marked again.
    g.Mallit[1].Alusta("ei/ole.3ds", Kopio("Kuutio"));
    EXPECT_FALSE(g.Mallit[1].NimenMalli);
    o.MalliIndeksi = 1;
    g.LisaaObjekti(o);
    EXPECT_EQ(o.MalliIndeksi, 0u);
}

TEST_F(Moottori, FullObjectBufferDropsTheRest) {
    OBJEKTI o = Objekti("Pallo", "Kivi");
    for (int i = 0; i < OBJEKTIPUSKURI + 5; i++) g.LisaaObjekti(o);
    EXPECT_EQ(g.ObjektienMaara, (Uint32)OBJEKTIPUSKURI);
    g.TyhjennaObjektiPuskuri();
    EXPECT_EQ(g.ObjektienMaara, 0u);
}

// ---- Images ----

TEST_F(Moottori, ImageIsAPlacedScaledCopy) {
    KUVA k;
    k.Alusta("Osoitin", 64, 64, 0, 0, 1, 1);
    g.LisaaKuva(k, 100, 200, 3, VARI{0.5, 0.25, 1, 0.75});
    ASSERT_EQ(g.KuvienMaara, 1u);
    const KUVA& b = g.Kuvat[0];
    EXPECT_EQ(b.X, 100);
    EXPECT_EQ(b.Y, 200);
    EXPECT_EQ(b.X + b.Leveys, 292);
    EXPECT_EQ(b.Y + b.Korkeus, 392);
    EXPECT_EQ(b.U1, 1);
    EXPECT_EQ(b.Vari.g, 0.25);
    EXPECT_EQ(b.TekstuuriIndeksi, 3u);
    EXPECT_EQ(k.Leveys, 64); // the template stays as it was, except its index
    EXPECT_EQ(k.TekstuuriIndeksi, 3u);
    EXPECT_EQ(k.Vari.g, 1.0);
}

TEST_F(Moottori, ImagesComeOffTheEndOnly) {
    KUVA k;
    k.Alusta("Puu", 1, 1, 0, 0, 1, 1);
    g.PoistaKuva();
    EXPECT_EQ(g.KuvienMaara, 0u);
    for (int i = 0; i < 3; i++) g.LisaaKuva(k, i, 0, 1, VARI{});
    g.PoistaKuva();
    ASSERT_EQ(g.KuvienMaara, 2u);
    EXPECT_EQ(g.Kuvat[0].X, 0);
    EXPECT_EQ(g.Kuvat[1].X, 1);
    for (int i = 0; i < KUVAPUSKURI + 3; i++) g.LisaaKuva(k, i, 0, 1, VARI{});
    EXPECT_EQ(g.KuvienMaara, (Uint32)KUVAPUSKURI);
    // Unknown texture: the template keeps its index.
    KUVA tuntematon;
    tuntematon.Alusta("Tuntematon", 1, 1, 0, 0, 1, 1);
    tuntematon.TekstuuriIndeksi = 1;
    g.TyhjennaKuvaPuskuri();
    g.LisaaKuva(tuntematon, 0, 0, 1, VARI{});
    EXPECT_EQ(tuntematon.TekstuuriIndeksi, 1u);
    EXPECT_EQ(g.Kuvat[0].TekstuuriIndeksi, 1u);
}

// ---- The camera ----

TEST_F(Moottori, TheCameraLooksAlongNothingWithUpAlongY) {
    EXPECT_EQ(g.Kamera().Ylos.y, 1);
    EXPECT_EQ(g.Kamera().Ylos.x, 0);
    EXPECT_EQ(g.Kamera().Paikka.z, 0);
    EXPECT_EQ(g.Kamera().Kohde.z, 0);
}

// ---- A skipped frame ----

TEST_F(Moottori, SlowFrameIsSkippedAndBothBuffersEmptied) {
    // Drawing is skipped, so this runs without OpenGL.
    OBJEKTI o = Objekti("Kuutio", "Puu");
    KUVA k;
    k.Alusta("Puu", 1, 1, 0, 0, 1, 1);
    for (double ms : {20.0, 13.9, 1000.0}) {
        g.LisaaObjekti(o);
        g.LisaaKuva(k, 0, 0, 1, VARI{});
        g.Paivita(10, 10, ms);
        EXPECT_EQ(g.ObjektienMaara, 0u) << ms;
        EXPECT_EQ(g.KuvienMaara, 0u) << ms;
    }
}
