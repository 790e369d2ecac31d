// The 3DS reader on files the tests write byte by byte.
#include "files/TiedostoFunktiot.h"
#include "graphics/Malli3DFunktiot.h"

#include "yksikko/TiedostoRakentajat.h"

#include <gtest/gtest.h>

namespace {

bool Lue(const Tavut& tiedosto, MALLIN_KOLMIOT& m, const char* siemen = nullptr) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("malli.3ds", tiedosto);
    if (siemen) Siemen("3ds", siemen, tiedosto);
    return Lataa3DS("malli.3ds", m);
}

// A square of 4 vertices (vertex i at (i, 10 i, 100 i)) and coordinates (i / 4, 1 - i / 4).
const std::vector<float> NELIO_XYZ = {0, 0, 0, 1, 10, 100, 2, 20, 200, 3, 30, 300};
const std::vector<float> NELIO_UV = {0, 1, 0.25f, 0.75f, 0.5f, 0.5f, 0.75f, 0.25f};
const std::vector<Uint16> NELIO_PINNAT = {0, 1, 2, 0, 2, 3};

Tavut Nelio(const std::string& nimi = "Nelio") {
    return Objektilohko(nimi, Verkko(Liita({Verteksilista(NELIO_XYZ), Pintalista(NELIO_PINNAT),
                                            Karttalista(NELIO_UV)})));
}

// The vertex indices the flat list was built from (positions were made from them).
std::vector<int> Jarjestys(const MALLIN_KOLMIOT& m) {
    std::vector<int> j;
    for (int i = 0; i < m.VerteksienMaara; i++) j.push_back((int)m.Verteksit[3 * i]);
    return j;
}

void Aseta32(Tavut& t, size_t kohta, Uint32 v) {
    for (int i = 0; i < 4; i++) t[kohta + i] = (Uint8)(v >> (8 * i));
}

void OdotaNelio(const MALLIN_KOLMIOT& m) {
    ASSERT_EQ(m.VerteksienMaara, 6);
    EXPECT_EQ(Jarjestys(m), (std::vector<int>{0, 1, 2, 0, 2, 3}));
    for (int i = 0; i < 6; i++) {
        int k = (int)m.Verteksit[3 * i];
        EXPECT_EQ(m.Verteksit[3 * i + 1], NELIO_XYZ[3 * k + 1]);
        EXPECT_EQ(m.Verteksit[3 * i + 2], NELIO_XYZ[3 * k + 2]);
        EXPECT_EQ(m.TekstuuriKoordinaatit[2 * i], NELIO_UV[2 * k]);
        EXPECT_EQ(m.TekstuuriKoordinaatit[2 * i + 1], NELIO_UV[2 * k + 1]);
    }
}

} // namespace

TEST(Malli3DS, FourVerticesTwoFacesGiveSixVerticesInFaceOrder) {
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(Malli(Nelio()), m, "nelio.3ds"));
    OdotaNelio(m);
    m.Vapauta();
}

TEST(Malli3DS, UnknownChunksAreSkippedByTheirLengths) {
    Tavut materiaali = Lohko(0xAFFF, Liita({Lohko(0xA000, {'M', 0}), Tavut(20, 0x41)}));
    Tavut avaimet = Lohko(0xB000, Tavut(33, 0x10));
    Tavut matriisi = Lohko(0x4160, Tavut(48, 0x3F));
    Tavut silotus = Lohko(0x4150, Tavut(8, 0xFF)); // smoothing groups inside the face list
    Tavut verkko = Verkko(Liita({Verteksilista(NELIO_XYZ), matriisi,
                                 Pintalista(NELIO_PINNAT, silotus), Karttalista(NELIO_UV)}));
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(Liita({Lohko(0x0002, {3, 0, 0, 0}),
                           Malli(Liita({materiaali, Objektilohko("Nelio", verkko)})), avaimet}),
                    m, "vieraat_lohkot.3ds"));
    OdotaNelio(m);
    m.Vapauta();
}

TEST(Malli3DS, NamesOfNineteenAndMoreCharactersAreReadWhole) {
    for (const char* nimi :
         {"", "A", "Nimessa19merkkia...", "PitkaNimiJokaEiMahduKahteenkymmeneen"}) {
        MALLIN_KOLMIOT m;
        ASSERT_TRUE(Lue(Malli(Nelio(nimi)), m, strlen(nimi) == 19 ? "nimi19.3ds" : nullptr));
        OdotaNelio(m);
        m.Vapauta();
    }
}

TEST(Malli3DS, TheLastListOfEachKindWins) {
    // The first object is a single far-away triangle; the second is the square.
    Tavut eka = Objektilohko(
        "Eka", Verkko(Liita({Verteksilista({9, 9, 9, 9, 9, 9, 9, 9, 9}), Pintalista({0, 1, 2}),
                             Karttalista({1, 1, 1, 1, 1, 1})})));
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(Malli(Liita({eka, Nelio()})), m, "kaksi_objektia.3ds"));
    OdotaNelio(m); // also: the first object's lists are not leaked
    m.Vapauta();
}

TEST(Malli3DS, MissingFileLeavesTheModelUnchanged) {
    TYOKANSIO kansio;
    MALLIN_KOLMIOT m;
    m.VerteksienMaara = 3;
    EXPECT_FALSE(Lataa3DS("Tiedostot\\3D Mallit\\EiOle.3ds", m));
    EXPECT_EQ(m.VerteksienMaara, 3);
    EXPECT_EQ(m.Verteksit, nullptr);
}

TEST(Malli3DS, EmptyFileHasNoTriangles) {
    MALLIN_KOLMIOT m;
    EXPECT_TRUE(Lue({}, m));
    EXPECT_EQ(m.VerteksienMaara, 0);
    EXPECT_EQ(m.Verteksit, nullptr);
}

TEST(Malli3DS, ChunkLengthsThatCannotBeTrueStopTheReading) {
    // A length below 6 would never move on; a length past the end is a cut file.
    for (Uint32 pituus : {0u, 1u, 5u, 0xFFFFFFFFu, 1000u}) {
        Tavut t = Malli(Nelio());
        Tavut vaara;
        Lisaa16(vaara, 0x1234);
        Lisaa32(vaara, pituus);
        vaara.insert(vaara.end(), 4, 0);
        MALLIN_KOLMIOT m;
        // After the mesh: the mesh counts, reading just ends.
        ASSERT_TRUE(Lue(Liita({t, vaara}), m));
        OdotaNelio(m);
        m.Vapauta();
        // Before the mesh: nothing after it is read.
        MALLIN_KOLMIOT ennen;
        ASSERT_TRUE(Lue(Liita({vaara, t}), ennen));
        EXPECT_EQ(ennen.VerteksienMaara, 0) << pituus;
        ennen.Vapauta();
    }
}

// Exporters write lengths that are too small: the containers are walked into
// and the lists read by their counts whatever their lengths say, as long as the
// entries are in the file.
TEST(Malli3DS, ContainersAndListsAreReadWhateverTheirLengthsSay) {
    for (Uint32 pituus : {0u, 1u, 5u, 6u}) {
        Tavut t = Malli(Nelio());
        // The main chunk, the editor chunk and the triangle mesh.
        size_t verkko = 12 + 6 + 6; // two headers, the object header and its name
        for (size_t kohta : {(size_t)0, (size_t)6, verkko}) {
            ASSERT_EQ(t[kohta + 1], kohta == verkko ? 0x41 : (kohta ? 0x3D : 0x4D));
            Aseta32(t, kohta + 2, pituus);
        }
        MALLIN_KOLMIOT m;
        ASSERT_TRUE(Lue(t, m));
        OdotaNelio(m);
        m.Vapauta();

        // Each list with a length that does not cover its entries.
        Tavut v = Verteksilista(NELIO_XYZ), p = Pintalista(NELIO_PINNAT), k = Karttalista(NELIO_UV);
        for (Tavut* l : {&v, &p, &k}) Aseta32(*l, 2, pituus);
        MALLIN_KOLMIOT listat;
        ASSERT_TRUE(Lue(Malli(Objektilohko("X", Verkko(Liita({v, p, k})))), listat));
        OdotaNelio(listat);
        listat.Vapauta();
    }
}

TEST(Malli3DS, ObjectNameWithoutItsNulEndsTheFile) {
    Tavut t = Lohko(0x4000, Tavut(30, 'x'));
    t.resize(20); // a chunk cut inside its name
    MALLIN_KOLMIOT m;
    EXPECT_TRUE(Lue(Malli(t), m));
    EXPECT_EQ(m.VerteksienMaara, 0);
}

TEST(Malli3DS, CountsAreCutToWhatTheChunkHolds) {
    // The vertex list claims 100 vertices and holds 4; the face list claims 50.
    Tavut v = Verteksilista(NELIO_XYZ);
    v[6] = 100;
    Tavut p = Pintalista(NELIO_PINNAT);
    p[6] = 50;
    Tavut k = Karttalista(NELIO_UV);
    k[6] = 0xFF;
    k[7] = 0xFF;
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(Malli(Objektilohko("X", Verkko(Liita({v, p, k})))), m));
    OdotaNelio(m);
    m.Vapauta();

    // The same lists cut by the end of the file.
    Tavut loppu = Malli(
        Objektilohko("X", Verkko(Liita({Verteksilista(NELIO_XYZ), Pintalista(NELIO_PINNAT)}))));
    loppu.resize(loppu.size() - 3); // the last face is missing a byte or more
    MALLIN_KOLMIOT lyhyt;
    ASSERT_TRUE(Lue(loppu, lyhyt));
    EXPECT_EQ(lyhyt.VerteksienMaara, 3);
    lyhyt.Vapauta();
}

TEST(Malli3DS, FacesOutsideTheVertexListAreDropped) {
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(
        Malli(Objektilohko("X", Verkko(Liita({Verteksilista(NELIO_XYZ),
                                              Pintalista({0, 1, 4, 0, 1, 2, 65535, 0, 0, 0, 2, 3}),
                                              Karttalista(NELIO_UV)})))),
        m));
    EXPECT_EQ(Jarjestys(m), (std::vector<int>{0, 1, 2, 0, 2, 3}));
    m.Vapauta();
}

TEST(Malli3DS, CornersWithoutMappingGetCoordinateZero) {
    // No mapping list at all, then one that covers only vertices 0 and 1.
    MALLIN_KOLMIOT ilman;
    ASSERT_TRUE(Lue(Malli(Objektilohko(
                        "X", Verkko(Liita({Verteksilista(NELIO_XYZ), Pintalista(NELIO_PINNAT)})))),
                    ilman));
    ASSERT_EQ(ilman.VerteksienMaara, 6);
    for (int i = 0; i < 12; i++) EXPECT_EQ(ilman.TekstuuriKoordinaatit[i], 0.0f);
    ilman.Vapauta();

    MALLIN_KOLMIOT osa;
    ASSERT_TRUE(Lue(
        Malli(Objektilohko("X", Verkko(Liita({Verteksilista(NELIO_XYZ), Pintalista(NELIO_PINNAT),
                                              Karttalista({5, 6, 7, 8})})))),
        osa));
    ASSERT_EQ(osa.VerteksienMaara, 6);
    float odotettu[12] = {5, 6, 7, 8, 0, 0, 5, 6, 0, 0, 0, 0};
    for (int i = 0; i < 12; i++) EXPECT_EQ(osa.TekstuuriKoordinaatit[i], odotettu[i]) << i;
    osa.Vapauta();
}

TEST(Malli3DS, NoVertexListMeansNoTriangles) {
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(
        Malli(Objektilohko("X", Verkko(Liita({Pintalista(NELIO_PINNAT), Karttalista(NELIO_UV)})))),
        m));
    EXPECT_EQ(m.VerteksienMaara, 0);
    EXPECT_EQ(m.Verteksit, nullptr);
}

TEST(Malli3DS, MoreFacesThanTheVertexCountHoldsKeepsTheFirst21845) {
    std::vector<Uint16> pinnat;
    for (int i = 0; i < 21846; i++) {
        Uint16 k = (Uint16)(i % 2 == 0 ? 0 : 1); // the last face differs from the 21845th
        pinnat.insert(pinnat.end(), {k, k, k});
    }
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(Malli(Objektilohko("X", Verkko(Liita({Verteksilista({0, 0, 0, 1, 1, 1}),
                                                          Pintalista(pinnat)})))),
                    m));
    EXPECT_EQ(m.VerteksienMaara, 65535);
    EXPECT_EQ(m.Verteksit[3 * 65534], 0.0f); // face 21844 uses vertex 0
    m.Vapauta();
}

TEST(Malli3DS, ReadingAgainReplacesTheArrays) {
    MALLIN_KOLMIOT m;
    ASSERT_TRUE(Lue(Malli(Nelio()), m));
    ASSERT_TRUE(Lue(Malli(Nelio()), m)); // the first arrays are released, not leaked
    OdotaNelio(m);
    m.Vapauta();
}
