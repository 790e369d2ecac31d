// The renderer in a real 800 x 600 OpenGL window: textures and models uploaded
// from files the tests write, frames drawn with GRAFIIKKA::Paivita and read
// back from the front buffer, as a player would see them.
#include "foundation/LaiteFunktiot.h"
#include "foundation/PerusFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include "apu/TestiApu.h"
#include "ikkuna/Kaappaus.h"
#include "yksikko/TiedostoRakentajat.h"

#include <GL/glew.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const int W = 800, H = 600;

struct IKKUNA : ::testing::Environment {
    void SetUp() override { AlustaOGLjaSDL(W, H, SDL_OPENGL, "Tavio ikkunatesti"); }
    // No SDL_Quit: the GL driver stays loaded, so that the leak check at exit can
    // still tell its allocations (suppressed in lsan.supp) from the game's.
};
const auto* const ikkuna = ::testing::AddGlobalTestEnvironment(new IKKUNA);

// ---- Content written by the tests ----

// One colour (file order: blue, green, red, alpha) in run-length packets.
Tavut Yksivarinen(Uint16 w, Uint16 h, Tavut bgra) {
    Tavut data;
    for (int jaljella = w * h; jaljella > 0; jaljella -= 128) {
        int n = jaljella < 128 ? jaljella : 128;
        data.push_back((Uint8)(0x80 | (n - 1)));
        data.insert(data.end(), bgra.begin(), bgra.end());
    }
    return TeeTGA(10, w, h, (Uint8)(bgra.size() * 8), data);
}

// 2 x 2 RGB: red, green on the first row; blue, white on the second.
const Uint8 PIENI_RGB[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
Tavut Pieni() {
    Tavut data;
    for (int i = 0; i < 12; i += 3)
        data.insert(data.end(), {PIENI_RGB[i + 2], PIENI_RGB[i + 1], PIENI_RGB[i]});
    return TeeTGA(2, 2, 2, 24, data);
}

Tavut Iso() {
    Tavut data;
    for (int i = 0; i < 100 * 60; i++) data.insert(data.end(), {(Uint8)i, (Uint8)(i / 100), 200});
    return TeeTGA(2, 100, 60, 24, data);
}

// A square of side 2 in the xy plane, facing +z.
Tavut Nelio3DS() {
    return Malli(Objektilohko(
        "Nelio",
        Verkko(Liita({Verteksilista({-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0}),
                      Pintalista({0, 1, 2, 0, 2, 3}), Karttalista({0, 0, 1, 0, 1, 1, 0, 1})}))));
}

// A cube of side 2: 8 corners, 12 faces, so 36 vertices in the flat list.
Tavut Kuutio3DS() {
    std::vector<float> xyz, uv;
    for (int i = 0; i < 8; i++) {
        xyz.insert(xyz.end(), {i & 1 ? 1.f : -1.f, i & 2 ? 1.f : -1.f, i & 4 ? 1.f : -1.f});
        uv.insert(uv.end(), {(float)(i & 1), (float)((i >> 1) & 1)});
    }
    std::vector<Uint16> pinnat = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                                  2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    return Malli(Objektilohko(
        "Kuutio", Verkko(Liita({Verteksilista(xyz), Pintalista(pinnat), Karttalista(uv)}))));
}

const char* const LATAUSLISTA = "Kuvat\n"
                                "TEKSTUURIT\n"
                                ">Iso.tga=Iso;\n"
                                ">Pieni.tga=Pieni;\n"
                                ">Puuttuva.tga=Puuttuva;\n"
                                ">Fontti.tga=Fontti;\n"
                                ">Osoitin.tga=Osoitin;\n"
                                ">Punainen.tga=Punainen;\n"
                                ">Valkoinen.tga=Valkoinen;\n"
                                "#\n"
                                "3D_MALLIT\n"
                                ">Kuutio.3ds=Kuutio;\n"
                                ">Nelio.3ds=Nelio;\n"
                                ">Puuttuva.3ds=Puuttuva;\n"
                                "#\n";

enum { ISO, PIENI, PUUTTUVA, FONTIN_ARKKI };

void KirjoitaSisalto() {
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", std::string(LATAUSLISTA));
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Iso.tga", Iso());
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Pieni.tga", Pieni());
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Fontti.tga",
                     Yksivarinen(256, 256, {255, 255, 255, 255}));
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Osoitin.tga", Yksivarinen(64, 64, {0, 0, 255, 255}));
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Punainen.tga", Yksivarinen(4, 4, {0, 0, 255}));
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Valkoinen.tga", Yksivarinen(4, 4, {255, 255, 255}));
    KirjoitaTiedosto("Tiedostot/3D Mallit/Kuutio.3ds", Kuutio3DS());
    KirjoitaTiedosto("Tiedostot/3D Mallit/Nelio.3ds", Nelio3DS());
    // Every glyph 16 x 16 on a 256-pixel sheet.
    std::string leveydet = "256\n";
    for (int k = 0; k < 256; k++) leveydet += "16\n";
    KirjoitaTiedosto("Tiedostot/Fontit/MerkkienLeveydet.txt", leveydet);
}

// ---- Reading the screen ----

const RGB MUSTA{0, 0, 0}, PUNA{255, 0, 0}, VALKO{255, 255, 255};

// The same at a point of the 1280 x 1024 space.
RGB Piste(double x, double y) {
    return Pikseli((int)(x * W / 1280.0), (int)(y * H / 1024.0));
}

struct Ikkuna : ::testing::Test {
    TYOKANSIO kansio;
    GRAFIIKKA g;
    Ikkuna() {
        KirjoitaSisalto();
        g.Alusta(W, H);
        g.PiilotaOsoitin();
    }
    ~Ikkuna() override { g.Vapauta(); }

    // A 2D image of a whole texture over [x0, x1] x [y0, y1].
    void Suorakulmio(const char* tekstuuri, double x0, double y0, double x1, double y1) {
        KUVA k;
        k.Alusta(tekstuuri, (float)(x1 - x0), (float)(y1 - y0), 0, 0, 1, 1);
        g.LisaaKuva(k, x0, y0, 1, VARI{});
    }
    void Katso(double x, double y, double z) {
        g.Kamera().Paikka = VEKTORI{x, y, z};
        g.Kamera().Kohde = VEKTORI{0, 0, 0};
        g.Kamera().Ylos = VEKTORI{0, 1, 0};
    }
};

OBJEKTI Objekti(const char* malli, const char* tekstuuri) {
    OBJEKTI o;
    strcpy(o.MalliNimi, malli);
    strcpy(o.TekstuuriNimi, tekstuuri);
    return o;
}

} // namespace

TEST_F(Ikkuna, SetUpLeavesEmptyBuffersTheCameraAndThePointer) {
    EXPECT_EQ(g.ObjektienMaara, 0u);
    EXPECT_EQ(g.KuvienMaara, 0u);
    EXPECT_EQ(g.Kamera().Ylos.y, 1);
    EXPECT_EQ(g.IkkunanLeveys, W);
    EXPECT_EQ(g.IkkunanKorkeus, H);
    EXPECT_EQ(g.FonttienMaara, 1u);
    EXPECT_EQ(g.Fontti()[0].Kirjaimet['A'].Leveys, 16);
    EXPECT_STREQ(g.Osoitin.TekstuuriNimi, "Osoitin");
    EXPECT_EQ(g.Osoitin.Leveys, 64);
    EXPECT_EQ(g.Osoitin.U1, 1);
    GRAFIIKKA uusi;
    uusi.Alusta(W, H);
    EXPECT_TRUE(uusi.OsoitinNakyvissa);
    uusi.Vapauta();
}

TEST_F(Ikkuna, WithoutALoadListTheTablesAreEmptyAndFramesStillDraw) {
    remove("Tiedostot/LatausLista.txt");
    GRAFIIKKA tyhja;
    tyhja.Alusta(W, H);
    EXPECT_EQ(tyhja.TekstuurienMaara, 0u);
    EXPECT_EQ(tyhja.MallienMaara, 0u);
    OBJEKTI o;
    tyhja.LisaaObjekti(o);
    TEKSTI t;
    t.Alku();
    t.Lisaa("Hei", 0, true);
    tyhja.TulostaTeksti(t, 640, 512, KESKI, 0, 1.0);
    tyhja.Paivita(640, 512, 0); // pointer and glyphs untextured, nothing unresolved read
    EXPECT_EQ(tyhja.KuvienMaara, 0u);
    tyhja.Vapauta();
}

TEST_F(Ikkuna, TexturesUploadInLoadListOrderWithTheirMipmaps) {
    ASSERT_EQ(g.TekstuurienMaara, 7u);
    for (Uint32 i = 0; i < g.TekstuurienMaara; i++) {
        EXPECT_NE(g.Tekstuurit[i].Tunnus, 0u) << i;
        EXPECT_EQ(g.Tekstuurit[i].Pikselit, nullptr) << i;
        for (Uint32 j = 0; j < i; j++) EXPECT_NE(g.Tekstuurit[i].Tunnus, g.Tekstuurit[j].Tunnus);
    }
    EXPECT_STREQ(g.Tekstuurit[FONTIN_ARKKI].Nimi, "Fontti");

    // 100 x 60 is rescaled to powers of two and gets its chain down to 1 x 1.
    glBindTexture(GL_TEXTURE_2D, g.Tekstuurit[ISO].Tunnus);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    EXPECT_EQ(w & (w - 1), 0) << w;
    EXPECT_EQ(h & (h - 1), 0) << h;
    int tasot = (int)std::log2((double)std::max(w, h));
    GLint viimeinenW = 0, viimeinenH = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, tasot, GL_TEXTURE_WIDTH, &viimeinenW);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, tasot, GL_TEXTURE_HEIGHT, &viimeinenH);
    EXPECT_EQ(viimeinenW, 1);
    EXPECT_EQ(viimeinenH, 1);
}

TEST_F(Ikkuna, TightlyPackedRgbRowsUploadExactly) {
    // 2 x 2 RGB rows are 6 bytes: read with a 4-byte alignment they would shear.
    glBindTexture(GL_TEXTURE_2D, g.Tekstuurit[PIENI].Tunnus);
    Uint8 p[12];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, p);
    EXPECT_EQ(Tavut(p, p + 12), Tavut(PIENI_RGB, PIENI_RGB + 12));
}

TEST_F(Ikkuna, MissingTextureIsAVisibleCheckerboard) {
    EXPECT_STREQ(g.Tekstuurit[PUUTTUVA].Nimi, "Puuttuva");
    glBindTexture(GL_TEXTURE_2D, g.Tekstuurit[PUUTTUVA].Tunnus);
    GLint w = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
    ASSERT_EQ(w, 8);
    Uint8 p[8 * 8 * 3];
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, p);
    EXPECT_EQ((RGB{p[0], p[1], p[2]}), (RGB{255, 0, 255}));
    EXPECT_EQ((RGB{p[6], p[7], p[8]}), MUSTA);
}

TEST_F(Ikkuna, ModelsLoadAndMoveIntoBufferObjects) {
    ASSERT_EQ(g.MallienMaara, 3u);
    EXPECT_EQ(g.Mallit[0].VerteksienMaara, 36);
    EXPECT_EQ(g.Mallit[1].VerteksienMaara, 6);
    EXPECT_EQ(g.Mallit[2].VerteksienMaara, 0); // the file is missing
    for (int i = 0; i < 2; i++) {
        EXPECT_FALSE(g.Mallit[i].KaytaVBO);
        EXPECT_NE(g.Mallit[i].Verteksit, nullptr);
        EXPECT_NE(g.Mallit[i].TekstuuriKoordinaatit, nullptr);
    }

    // The same picture from the client arrays and from the buffers.
    Katso(3, 4, 5);
    OBJEKTI kuutio = Objekti("Kuutio", "Pieni");
    kuutio.Kiertomatriisi.PyoritaY(20);
    g.LisaaObjekti(kuutio);
    g.Paivita(0, 0, 0);
    std::vector<unsigned char> taulukoista = Ruutu();
    size_t varillisia = 0;
    for (Uint8 c : taulukoista) varillisia += c != 0;
    EXPECT_GT(varillisia, 10000u);

    MALLI3D& m = g.Mallit[0];
    m.TeeVBO();
    EXPECT_TRUE(m.KaytaVBO);
    EXPECT_EQ(m.Verteksit, nullptr);
    EXPECT_EQ(m.TekstuuriKoordinaatit, nullptr);
    GLint koko = 0;
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, m.VerteksiPuskuri);
    glGetBufferParameterivARB(GL_ARRAY_BUFFER_ARB, GL_BUFFER_SIZE_ARB, &koko);
    EXPECT_EQ(koko, 432);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, m.KoordinaattiPuskuri);
    glGetBufferParameterivARB(GL_ARRAY_BUFFER_ARB, GL_BUFFER_SIZE_ARB, &koko);
    EXPECT_EQ(koko, 288);

    g.LisaaObjekti(kuutio);
    g.Paivita(0, 0, 0);
    EXPECT_TRUE(Ruutu() == taulukoista);

    // A client-array model drawn after a buffer-object one still draws from its arrays.
    OBJEKTI nelio = Objekti("Nelio", "Punainen");
    nelio.Sijainti.Aseta(1.5, 2, 2.5); // halfway to the camera, in front of the cube
    g.LisaaObjekti(kuutio);
    g.LisaaObjekti(nelio);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W / 2, H / 2), PUNA);
}

TEST_F(Ikkuna, TexturedObjectAppearsWhereTheCameraPutsIt) {
    Katso(0, 0, 10);
    OBJEKTI o = Objekti("Nelio", "Punainen");
    g.LisaaObjekti(o);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W / 2, H / 2), PUNA);
    EXPECT_EQ(Pikseli(W / 2 + 60, H / 2), MUSTA); // the square is about 86 pixels wide
    EXPECT_EQ(Pikseli(10, 10), MUSTA);

    // Three units to the right: 70 degrees high, 800/600 wide, ten units away.
    o.Sijainti.Aseta(3, 0, 0);
    g.LisaaObjekti(o);
    g.Paivita(0, 0, 0);
    double ndc = 3.0 / (10.0 * std::tan(35.0 * M_PI / 180.0) * W / H);
    int x = (int)std::lround(W / 2 + ndc * W / 2);
    EXPECT_EQ(Pikseli(x, H / 2), PUNA) << x;
    EXPECT_EQ(Pikseli(x - 60, H / 2), MUSTA);
    EXPECT_EQ(Pikseli(W / 2, H / 2), MUSTA);

    // Moved by the camera instead: looking from the left puts it left of centre.
    o.Sijainti.Aseta(0, 0, 0);
    g.Kamera().Paikka = VEKTORI{3, 0, 10};
    g.Kamera().Kohde = VEKTORI{3, 0, 0};
    g.LisaaObjekti(o);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W - x, H / 2), PUNA);
}

TEST_F(Ikkuna, UnresolvedNamesAreNotDrawnFromUndefinedMemory) {
    Katso(0, 0, 10);
    OBJEKTI ilmanMallia = Objekti("EiOle", "Punainen");
    OBJEKTI ilmanKuvaa = Objekti("Nelio", "EiOle");
    OBJEKTI tyhja = Objekti("Puuttuva", "Punainen"); // a model with 0 vertices
    OBJEKTI sotkettu = Objekti("EiOle", "EiOle");
    sotkettu.MalliIndeksi = 1000;
    sotkettu.TekstuuriIndeksi = 1000;
    ilmanKuvaa.Sijainti.Aseta(-3, 0, 0); // its centre lands at pixel x
    double ndc = 3.0 / (10.0 * std::tan(35.0 * M_PI / 180.0) * W / H);
    int x = (int)std::lround(W / 2 - ndc * W / 2);
    for (OBJEKTI* o : {&ilmanMallia, &ilmanKuvaa, &tyhja, &sotkettu}) g.LisaaObjekti(*o);
    KUVA k;
    k.Alusta("EiOle", 10, 10, 0, 0, 1, 1);
    k.TekstuuriIndeksi = 999;
    g.LisaaKuva(k, 0, 0, 1, VARI{});
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W / 2, H / 2), MUSTA);
    // Without its texture the square is drawn untextured: white.
    EXPECT_EQ(Pikseli(x, H / 2), VALKO);
}

TEST_F(Ikkuna, TextLandsWhereItsAlignmentPutsIt) {
    // "AB" is 32 x 16 at scale 1; at scale 2 it is 64 x 32.
    for (int a = 0; a <= 8; a++) {
        TEKSTI t;
        t.Alku();
        t.Lisaa("AB", 0, false);
        g.TulostaTeksti(t, 640, 512, (KESKITYSTAPA)a, 0, 2.0);
        g.Paivita(0, 0, 0);
        double x0 = 640 - (a % 3) * 32.0;
        double y0 = 512 - (2 - a / 3) * 16.0;
        EXPECT_EQ(Piste(x0 + 32, y0 + 16), VALKO) << a;
        EXPECT_EQ(Piste(x0 + 4, y0 + 4), VALKO) << a;
        EXPECT_EQ(Piste(x0 + 60, y0 + 28), VALKO) << a;
        EXPECT_EQ(Piste(x0 - 6, y0 + 16), MUSTA) << a;
        EXPECT_EQ(Piste(x0 + 70, y0 + 16), MUSTA) << a;
        EXPECT_EQ(Piste(x0 + 32, y0 - 6), MUSTA) << a;
        EXPECT_EQ(Piste(x0 + 32, y0 + 38), MUSTA) << a;
    }
}

TEST_F(Ikkuna, PointerIsDrawnAboveTextWithItsCornerAtThePointer) {
    g.NaytaOsoitin();
    TEKSTI t;
    t.Alku();
    t.Lisaa("ABCDEFGH", 0, true); // 256 x 32 at scale 2, from (500, 568) to (756, 600)
    HIIRI h;
    h.Alusta(W, H);
    h.x = 560;
    h.y = 590;
    g.TulostaTeksti(t, 500, 600, h, YLA_VASEN, 0, 2.0);
    EXPECT_EQ(t.ValittuKohta(0), 2);
    g.Paivita(560, 590, 0);
    EXPECT_EQ(Piste(570, 580), PUNA);  // pointer over the text
    EXPECT_EQ(Piste(740, 405), PUNA);  // its far corner: 192 x 192
    EXPECT_EQ(Piste(770, 580), MUSTA); // right of it
    EXPECT_EQ(Piste(570, 390), MUSTA); // below it
    EXPECT_EQ(Piste(540, 580).r, 255); // the text left of the pointer (tinted)
    EXPECT_NE(Piste(540, 580), PUNA);
    EXPECT_NE(Piste(570, 597), PUNA); // the text above the pointer's top edge
    EXPECT_EQ(Piste(570, 597).r, 255);
    EXPECT_EQ(g.KuvienMaara, 0u);

    // Hidden, it is not drawn.
    g.PiilotaOsoitin();
    g.Paivita(560, 590, 0);
    EXPECT_EQ(Piste(570, 500), MUSTA);
}

TEST_F(Ikkuna, SlowFrameDrawsNothingAndEmptiesBothBuffers) {
    Suorakulmio("Punainen", 0, 0, 1280, 1024);
    g.Paivita(0, 0, 0);
    ASSERT_EQ(Pikseli(W / 2, H / 2), PUNA);

    Katso(0, 0, 10);
    OBJEKTI o = Objekti("Nelio", "Valkoinen");
    g.LisaaObjekti(o);
    Suorakulmio("Valkoinen", 0, 0, 1280, 1024);
    g.NaytaOsoitin();
    g.Paivita(100, 100, 20);
    EXPECT_EQ(g.ObjektienMaara, 0u);
    EXPECT_EQ(g.KuvienMaara, 0u);
    EXPECT_EQ(Pikseli(W / 2, H / 2), PUNA); // nothing drawn, nothing presented

    // The next fast frame starts from empty buffers: it only clears.
    g.PiilotaOsoitin();
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W / 2, H / 2), MUSTA);
    EXPECT_EQ(Pikseli(5, 5), MUSTA);
}

TEST_F(Ikkuna, FastFrameIsHeldBackByItsDuration) {
    Uint32 alku = SDL_GetTicks();
    g.Paivita(0, 0, 5);
    EXPECT_GE(SDL_GetTicks() - alku, 5u);
    // Exactly at the limit it is drawn, without waiting.
    Suorakulmio("Punainen", 0, 0, 1280, 1024);
    g.Paivita(0, 0, 1000.0 / 72.0);
    EXPECT_EQ(Pikseli(W / 2, H / 2), PUNA);
}

TEST_F(Ikkuna, TheWholeScreenSpaceIsStretchedToTheWindow) {
    // The lower-left quarter of 1280 x 1024 is the lower-left quarter of 800 x 600.
    Suorakulmio("Valkoinen", 0, 0, 640, 512);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(2, 2), VALKO);
    EXPECT_EQ(Pikseli(396, 296), VALKO);
    EXPECT_EQ(Pikseli(404, 296), MUSTA);
    EXPECT_EQ(Pikseli(396, 304), MUSTA);
    // And the far corner of the space is the far corner of the window.
    Suorakulmio("Valkoinen", 1270, 1014, 1280, 1024);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W - 1, H - 1), VALKO);
    EXPECT_EQ(Pikseli(W - 12, H - 12), MUSTA);
}

TEST_F(Ikkuna, ImagesPartlyOffTheScreenSpaceAreDrawnAndThoseWhollyOffAreNot) {
    // Each of these reaches into the space by 20 units from one side.
    Suorakulmio("Valkoinen", -100, 500, 20, 540);   // from the left
    Suorakulmio("Valkoinen", 1260, 500, 1400, 540); // to the right
    Suorakulmio("Valkoinen", 600, -60, 640, 20);    // from below
    Suorakulmio("Valkoinen", 600, 1004, 640, 1100); // above
    // Negative sizes span to the left of and below the corner (both negative:
    // one alone turns the quad's back to the view, and it is culled), here from
    // (1300, 340) to (1230, 300).
    KUVA k;
    k.Alusta("Valkoinen", -70, -40, 0, 0, 1, 1);
    g.LisaaKuva(k, 1300, 340, 1, VARI{});
    // Wholly outside: nothing of them shows.
    Suorakulmio("Valkoinen", -200, 0, -1, 1024);
    Suorakulmio("Valkoinen", 1280, 0, 1400, 1024);
    Suorakulmio("Valkoinen", 0, -300, 1280, 0);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Piste(10, 520), VALKO);
    EXPECT_EQ(Piste(1270, 520), VALKO);
    EXPECT_EQ(Piste(620, 10), VALKO);
    EXPECT_EQ(Piste(620, 1014), VALKO);
    EXPECT_EQ(Piste(1250, 320), VALKO);
    EXPECT_EQ(Piste(1220, 320), MUSTA);
    EXPECT_EQ(Piste(40, 520), MUSTA);
    EXPECT_EQ(Piste(300, 10), MUSTA);
    EXPECT_EQ(g.KuvienMaara, 0u);
}

TEST_F(Ikkuna, ImagesDrawFromTheirArraysWhateverBufferACallerLeftBound) {
    // Moving a model into buffer objects leaves its coordinate buffer bound; a
    // frame of images alone must still read the images, not that buffer.
    g.Mallit[1].TeeVBO();
    Suorakulmio("Punainen", 0, 0, 1280, 1024);
    g.Paivita(0, 0, 0);
    EXPECT_EQ(Pikseli(W / 2, H / 2), PUNA);
    EXPECT_EQ(Pikseli(5, 5), PUNA);
}
