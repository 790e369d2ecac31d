// Every file of the data set goes through the game's own readers with no refusal
// and no placeholder, in the shapes the game relies on: power-of-two textures,
// light models, a ground and a sky where the flight happens, a font whose glyphs
// lie in their cells and lay out at the expected widths.
#include "apu/TestiApu.h"
#include "files/TiedostoFunktiot.h"
#include "flight/PPFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

// Runs a test in the build folder, where the game finds Tiedostot.
struct KOONNISSA {
    std::string vanha;
    KOONNISSA() {
        char p[4096];
        vanha = getcwd(p, sizeof p) ? p : ".";
        if (chdir(KoontiKansio().c_str()) != 0) ADD_FAILURE() << "no build folder";
    }
    ~KOONNISSA() {
        if (chdir(vanha.c_str()) != 0) return;
    }
};

struct KUVA_TIEDOSTO {
    KUVADATA t;
    bool ok = false;
    explicit KUVA_TIEDOSTO(const std::string& tiedosto) {
        ok = LataaTGA(("Tiedostot\\Tekstuurit\\" + tiedosto).c_str(), t);
    }
    ~KUVA_TIEDOSTO() { delete[] t.Pikselit; }
    // Pixel (x, y) with y counted from the first row of the file, which the game
    // maps to texture coordinate t = 0, the bottom.
    const unsigned char* P(int x, int y) const {
        return t.Pikselit + ((size_t)y * t.Leveys + (size_t)x) * t.TavuaPikselia;
    }
};

struct MALLI_TIEDOSTO {
    MALLIN_KOLMIOT m;
    bool ok = false;
    explicit MALLI_TIEDOSTO(const std::string& tiedosto) {
        ok = Lataa3DS(("Tiedostot\\3D Mallit\\" + tiedosto).c_str(), m);
    }
    ~MALLI_TIEDOSTO() {
        delete[] m.Verteksit;
        delete[] m.TekstuuriKoordinaatit;
    }
    double Min(int akseli) const {
        double v = 1e30;
        for (int i = 0; i < m.VerteksienMaara; i++) v = std::fmin(v, m.Verteksit[3 * i + akseli]);
        return v;
    }
    double Max(int akseli) const {
        double v = -1e30;
        for (int i = 0; i < m.VerteksienMaara; i++) v = std::fmax(v, m.Verteksit[3 * i + akseli]);
        return v;
    }
};

bool KahdenPotenssi(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

} // namespace

TEST(SisaltoLukijat, LatauslistanKaikkiTiedostotLatautuvat) {
    KOONNISSA k;
    LISTAN_OSIO tekstuurit, mallit, koneet;
    LataaListanOsio("TEKSTUURIT", true, tekstuurit);
    LataaListanOsio("3D_MALLIT", true, mallit);
    LataaListanOsio("PAPERPLANE", false, koneet);
    ASSERT_GE(tekstuurit.Maara, 9); // the four bubbles share one
    ASSERT_GE(mallit.Maara, 10);
    ASSERT_GE(koneet.Maara, 3);
    bool fontti = false, osoitin = false;
    for (int i = 0; i < tekstuurit.Maara; i++) {
        SCOPED_TRACE(tekstuurit.Tiedostot[i]);
        KUVA_TIEDOSTO kuva(tekstuurit.Tiedostot[i]);
        ASSERT_TRUE(kuva.ok) << "refused or missing";
        EXPECT_TRUE(KahdenPotenssi(kuva.t.Leveys) && KahdenPotenssi(kuva.t.Korkeus));
        // The yard's ground is the largest, 1024 x 2048: every pixel more costs
        // start-up time, as the mipmaps are built on the processor.
        EXPECT_LE((long)kuva.t.Leveys * kuva.t.Korkeus, 1024L * 2048);
        EXPECT_LE(std::max(kuva.t.Leveys, kuva.t.Korkeus), 2048);
        fontti |= strcmp(tekstuurit.Nimet[i], "Fontti") == 0;
        osoitin |= strcmp(tekstuurit.Nimet[i], "Osoitin") == 0;
    }
    EXPECT_TRUE(fontti && osoitin) << "the engine needs both names";
    for (int i = 0; i < mallit.Maara; i++) {
        SCOPED_TRACE(mallit.Tiedostot[i]);
        MALLI_TIEDOSTO malli(mallit.Tiedostot[i]);
        ASSERT_TRUE(malli.ok);
        ASSERT_GT(malli.m.VerteksienMaara, 0);
        EXPECT_EQ(malli.m.VerteksienMaara % 3, 0);
        EXPECT_LT(malli.m.VerteksienMaara / 3, 21845 / 4) << "well under the 16-bit limit";
        for (int j = 0; j < 2 * malli.m.VerteksienMaara; j++) {
            ASSERT_GE(malli.m.TekstuuriKoordinaatit[j], 0.0f);
            ASSERT_LE(malli.m.TekstuuriKoordinaatit[j], 1.0f);
        }
    }
    // Objects and planes name models and textures of the list.
    auto Listassa = [](const LISTAN_OSIO& o, const char* nimi) {
        for (int i = 0; i < o.Maara; i++)
            if (strcmp(o.Nimet[i], nimi) == 0) return true;
        return false;
    };
    for (const char* nimi :
         {"Museo", "Piha", "Puhaltaja", "Kupla1", "Kupla2", "Kupla3", "Kupla4"}) {
        SCOPED_TRACE(nimi);
        OBJEKTI o;
        o.Alusta((std::string("Tiedostot\\Objektit\\") + nimi + ".txt").c_str());
        EXPECT_TRUE(Listassa(mallit, o.MalliNimi)) << o.MalliNimi;
        EXPECT_TRUE(Listassa(tekstuurit, o.TekstuuriNimi)) << o.TekstuuriNimi;
    }
    for (int i = 0; i < koneet.Maara; i++) {
        SCOPED_TRACE(koneet.Tiedostot[i]);
        auto p = std::make_unique<PAPERPLANE>();
        p->Alusta((std::string("Tiedostot\\PP\\") + koneet.Tiedostot[i]).c_str());
        EXPECT_GT(strlen(p->name), 0u);
        EXPECT_TRUE(Listassa(mallit, p->body.MalliNimi)) << p->body.MalliNimi;
        EXPECT_TRUE(Listassa(tekstuurit, p->body.TekstuuriNimi)) << p->body.TekstuuriNimi;
        EXPECT_EQ(p->mass, 1.0);
        EXPECT_EQ(p->massDistribution, 0.0) << "a first flight must not start turning";
        EXPECT_EQ(p->aerodynamics, 1.0);
        EXPECT_EQ(p->body.Skaalaus, 0.3);
    }
    tekstuurit.Vapauta(true);
    mallit.Vapauta(true);
    koneet.Vapauta(false);
}

TEST(SisaltoLukijat, MaisemaKattaaLentoalueenJaTaivasOnNakyvissa) {
    KOONNISSA k;
    // Drawn at scale 10: model units are tenths of world units.
    MALLI_TIEDOSTO piha("Piha.3ds"), museo("Museo.3ds");
    ASSERT_TRUE(piha.ok && museo.ok);
    // Ground triangles at exactly y = 0 cover the blowers' range and the start.
    auto Maalla = [&](double x, double z) {
        const float* v = piha.m.Verteksit;
        for (int t = 0; t < piha.m.VerteksienMaara / 3; t++) {
            const float* a = v + 9 * t;
            if (a[1] != 0.0f || a[4] != 0.0f || a[7] != 0.0f) continue;
            double d1 = (x - a[6]) * (a[2] - a[8]) - (a[0] - a[6]) * (z - a[8]);
            double d2 = (x - a[0]) * (a[5] - a[2]) - (a[3] - a[0]) * (z - a[2]);
            double d3 = (x - a[3]) * (a[8] - a[5]) - (a[6] - a[3]) * (z - a[5]);
            bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
            if (!(neg && pos)) return true;
        }
        return false;
    };
    for (double x = -200; x <= 200; x += 25)
        for (double z = -300; z <= 500; z += 25)
            EXPECT_TRUE(Maalla(x / 10, z / 10)) << x << ", " << z;
    EXPECT_TRUE(Maalla(-10, 0)) << "under the start point";
    EXPECT_GE(piha.Min(1), -0.1) << "nothing of the yard below the ground";
    // The sky: everything within reach of the far plane (1500 world units) from
    // anywhere over the blowers' range, and high enough to be a sky.
    double kauimmainen = 0;
    for (int i = 0; i < museo.m.VerteksienMaara; i++) {
        const float* p = museo.m.Verteksit + 3 * i;
        for (double x : {-20.0, 20.0})
            for (double z : {-30.0, 50.0}) {
                double dx = p[0] - x, dy = p[1] - 10.0, dz = p[2] - z;
                kauimmainen = std::fmax(kauimmainen, std::sqrt(dx * dx + dy * dy + dz * dz));
            }
    }
    EXPECT_LT(kauimmainen * 10, 1500.0);
    EXPECT_GT(museo.Max(1) * 10, 800.0);
    EXPECT_LT(piha.m.VerteksienMaara / 3 + museo.m.VerteksienMaara / 3, 6000);
}

TEST(SisaltoLukijat, KuplienKaukaisetVersiotOvatKevyempiaJaSamanKokoisia) {
    // Where a bubble covers a few pixels the game draws its far version, and below
    // half that its far version's: each lighter than the last, on the same band of
    // the texture, and covering the sphere's area on screen on average (a convex
    // body's outline is a quarter of its surface, seen from every side), within
    // the reach the renderer allows a bubble's corners.
    KOONNISSA k;
    KUVA_TIEDOSTO kuva("Kuplat.tga");
    ASSERT_TRUE(kuva.ok);
    LISTAN_OSIO mallit;
    LataaListanOsio("3D_MALLIT", true, mallit);
    for (int n = 1; n <= 4; n++) {
        std::string nimi = "Kupla" + std::to_string(n);
        int kolmioita = 0;
        for (int taso = 0; taso < 3; taso++, nimi += "Kaukana") {
            SCOPED_TRACE(nimi);
            bool listassa = false;
            for (int i = 0; i < mallit.Maara; i++) listassa |= nimi == mallit.Nimet[i];
            EXPECT_TRUE(listassa);
            MALLI_TIEDOSTO m(nimi + ".3ds");
            ASSERT_TRUE(m.ok);
            const int t = m.m.VerteksienMaara / 3;
            if (taso > 0) {
                EXPECT_LE(t, kolmioita / 2);
            }
            kolmioita = t;
            // Surface and shell: the shell's corners lie farthest out.
            double sade = 0, ala = 0;
            for (int i = 0; i < m.m.VerteksienMaara; i++) {
                const float* p = m.m.Verteksit + 3 * i;
                sade = std::fmax(sade, std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]));
            }
            for (int i = 0; i + 2 < m.m.VerteksienMaara; i += 3) {
                const float* a = m.m.Verteksit + 3 * i;
                const float *b = a + 3, *c = a + 6;
                const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]},
                             v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
                const double x = u[1] * v[2] - u[2] * v[1], y = u[2] * v[0] - u[0] * v[2],
                             z = u[0] * v[1] - u[1] * v[0];
                // Only the shell's faces: its corners are the farthest out.
                if (std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]) > 0.99 * sade)
                    ala += 0.5 * std::sqrt(x * x + y * y + z * z);
            }
            const double varjo = ala / 4, ympyra = 3.14159265 * 2.25 * 2.25;
            if (taso > 0) {
                EXPECT_NEAR(varjo / ympyra, 1.0, 0.01);
            }
            EXPECT_LE(sade, 1.5 * 2.25);
            const float v0 = 1 - n / 4.0f + 1.0f / kuva.t.Korkeus;
            const float v1 = 1 - (n - 1) / 4.0f - 1.0f / kuva.t.Korkeus;
            for (int i = 0; i < m.m.VerteksienMaara; i++) {
                ASSERT_GE(m.m.TekstuuriKoordinaatit[2 * i + 1], v0 - 1e-6f);
                ASSERT_LE(m.m.TekstuuriKoordinaatit[2 * i + 1], v1 + 1e-6f);
            }
        }
    }
    mallit.Vapauta(true);
}

TEST(SisaltoLukijat, KuplatPuhaltajaJaLennokitOvatKevyitaJaOikeinpain) {
    KOONNISSA k;
    // One texture for the four: a thousand bubbles are drawn without a texture
    // change between them.
    KUVA_TIEDOSTO kuva("Kuplat.tga");
    ASSERT_TRUE(kuva.ok);
    ASSERT_EQ(kuva.t.TavuaPikselia, 4);
    ASSERT_EQ(kuva.t.Korkeus % 4, 0);
    const int kaista = kuva.t.Korkeus / 4;
    for (int n = 1; n <= 4; n++) {
        std::string nimi = "Kupla" + std::to_string(n);
        SCOPED_TRACE(nimi);
        OBJEKTI o;
        o.Alusta(("Tiedostot\\Objektit\\" + nimi + ".txt").c_str());
        EXPECT_STREQ(o.TekstuuriNimi, "Kuplat");
        MALLI_TIEDOSTO m(nimi + ".3ds");
        ASSERT_TRUE(m.ok);
        // Drawn up to a thousand times a frame.
        EXPECT_LE(m.m.VerteksienMaara / 3, 100);
        // The plane catches a bubble within 2.25 times its scale: the bubble's
        // outline lies there, so it is caught where it is seen.
        double sade = 0;
        for (int i = 0; i < m.m.VerteksienMaara; i++) {
            const float* p = m.m.Verteksit + 3 * i;
            sade = std::fmax(sade, std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]));
        }
        EXPECT_NEAR(sade, 2.25, 0.005);
        for (int akseli = 0; akseli < 3; akseli++) {
            EXPECT_NEAR(m.Max(akseli), 2.25, 0.005) << akseli;
            EXPECT_NEAR(m.Min(akseli), -2.25, 0.005) << akseli;
        }
        // Bubble n maps onto band n from the top (v = 0 is the bottom row), a
        // texel clear of the next band.
        const float v0 = 1 - n / 4.0f + 1.0f / kuva.t.Korkeus;
        const float v1 = 1 - (n - 1) / 4.0f - 1.0f / kuva.t.Korkeus;
        for (int i = 0; i < m.m.VerteksienMaara; i++) {
            ASSERT_GE(m.m.TekstuuriKoordinaatit[2 * i + 1], v0 - 1e-6f);
            ASSERT_LE(m.m.TekstuuriKoordinaatit[2 * i + 1], v1 + 1e-6f);
        }
        // The band's picture: translucent. The file's first row is the bottom.
        const int y0 = kuva.t.Korkeus - n * kaista;
        double alfa = 0;
        for (int y = y0; y < y0 + kaista; y++)
            for (int x = 0; x < kuva.t.Leveys; x++) alfa += kuva.P(x, y)[3];
        alfa /= 255.0 * kuva.t.Leveys * kaista;
        EXPECT_GT(alfa, 0.6);
        EXPECT_LT(alfa, 0.97) << "translucent";
    }
    MALLI_TIEDOSTO puhaltaja("Puhaltaja.3ds");
    ASSERT_TRUE(puhaltaja.ok);
    EXPECT_NEAR(puhaltaja.Min(1), -1.0, 0.01)
        << "it rides at height 1 with its wheels on the ground";
    // A bubble is blown 2.5 above the blower's origin, at scale 0.5035 there
    // (3.5 above the ground): nothing of the machine is inside it, and the mouth
    // it leaves from stands round it, close below.
    const double kuplanSade = 2.25 * (3.5 * 0.001 + 0.5);
    int suulla = 0;
    for (int i = 0; i < puhaltaja.m.VerteksienMaara; i++) {
        const float* p = puhaltaja.m.Verteksit + 3 * i;
        double akselilta = std::sqrt(p[0] * p[0] + p[2] * p[2]);
        double y = p[1] - 2.5;
        EXPECT_GT(std::sqrt(akselilta * akselilta + y * y), kuplanSade) << i;
        suulla += y > -0.6 && y < 0 && akselilta < kuplanSade + 0.5;
    }
    EXPECT_GT(suulla, 12) << "no mouth round the new bubbles";
    // Six of them in the yard beside up to a thousand bubbles of 96.
    EXPECT_LT(puhaltaja.m.VerteksienMaara / 3, 600);
    for (const char* nimi : {"Nuoli", "Liitaja", "Haukka"}) {
        SCOPED_TRACE(nimi);
        MALLI_TIEDOSTO m(std::string(nimi) + ".3ds");
        ASSERT_TRUE(m.ok);
        // Nose +z at the middle line, symmetric wings; drawn at 0.3 it stays well
        // inside the chase camera's one unit (how it shows from there and in the
        // menus is checked in a window), and it is light to draw.
        EXPECT_NEAR(m.Min(0), -m.Max(0), 1e-4);
        double pituus = (m.Max(2) - m.Min(2)) * 0.3;
        EXPECT_GT(pituus, 0.25);
        EXPECT_LT(pituus, 0.6);
        EXPECT_LE(m.m.VerteksienMaara / 3, 60);
        for (int i = 0; i < m.m.VerteksienMaara; i++)
            if (m.m.Verteksit[3 * i + 2] == (float)m.Max(2)) {
                EXPECT_NEAR(m.m.Verteksit[3 * i], 0.0, 1e-6);
            }
    }
}

TEST(SisaltoLukijat, OsoittimenKarkiOnVasemmassaYlakulmassa) {
    KOONNISSA k;
    KUVA_TIEDOSTO o("Osoitin.tga");
    ASSERT_TRUE(o.ok);
    ASSERT_EQ(o.t.TavuaPikselia, 4);
    int W = o.t.Leveys, H = o.t.Korkeus;
    // The top of the picture is the last row of the file.
    EXPECT_GT(o.P(0, H - 1)[3], 128) << "the tip";
    EXPECT_EQ(o.P(W - 1, 0)[3], 0) << "the far corner is clear";
    EXPECT_EQ(o.P(W / 2, H / 2)[3], 0);
}

TEST(SisaltoLukijat, FontinMerkitOvatSoluissaanJaPystyssa) {
    KOONNISSA k;
    int lev[257];
    ASSERT_TRUE(LataaFontinLeveydet("Tiedostot\\Fontit\\MerkkienLeveydet.txt", lev));
    KUVA_TIEDOSTO f("Fontti.tga");
    ASSERT_TRUE(f.ok);
    ASSERT_EQ(lev[0], f.t.Leveys);
    ASSERT_EQ(f.t.Leveys, f.t.Korkeus);
    ASSERT_EQ(f.t.TavuaPikselia, 4);
    const int S = lev[0], solu = S / 16;
    EXPECT_EQ(S, 1024) << "a cell 64 units tall at size 1";
    // Measured from the font: narrow and wide letters, equal digits.
    EXPECT_LT(lev[1 + 'i'], lev[1 + 'n']);
    EXPECT_LT(lev[1 + 'n'], lev[1 + 'W']);
    for (char c = '1'; c <= '9'; c++) EXPECT_EQ(lev[1 + c], lev[1 + '0']);
    EXPECT_GT(lev[1 + ' '], 8);
    for (int koodi = 0x20; koodi < 256; koodi++) {
        SCOPED_TRACE(koodi);
        int W = lev[1 + koodi];
        ASSERT_GT(W, 0);
        ASSERT_LE(W, solu);
        // The cell the engine reads: column k mod 16, rows from (15 - k div 16) / 16.
        int x0 = (koodi % 16) * solu, y0 = (15 - koodi / 16) * solu;
        double muste = 0, ulkona = 0, korkeus = 0;
        for (int y = 0; y < solu; y++)
            for (int x = 0; x < solu; x++) {
                double a = f.P(x0 + x, y0 + y)[3] / 255.0;
                if (x < W) {
                    muste += a;
                    korkeus += a * (y + 0.5);
                } else {
                    ulkona += a;
                }
            }
        EXPECT_EQ(ulkona, 0.0) << "ink outside the glyph's width is never drawn";
        if (koodi != ' ' && koodi != 0xA0) {
            EXPECT_GT(muste, 5.0) << "an empty glyph";
        }
        if (koodi == '"') {
            EXPECT_GT(korkeus / muste, 0.6 * solu) << "upside down";
        }
        if (koodi == '_') {
            EXPECT_LT(korkeus / muste, 0.35 * solu) << "upside down";
        }
    }
}

TEST(SisaltoLukijat, KuplamerkitNayttavatOikeanKuplan) {
    KOONNISSA k;
    int lev[257];
    ASSERT_TRUE(LataaFontinLeveydet("Tiedostot\\Fontit\\MerkkienLeveydet.txt", lev));
    KUVA_TIEDOSTO f("Fontti.tga");
    ASSERT_TRUE(f.ok);
    const int solu = lev[0] / 16;
    // The mean colour of the coloured (not white, not dark) pixels.
    auto Vari = [](const unsigned char* p, double v[3]) {
        int mx = std::max({p[0], p[1], p[2]}), mn = std::min({p[0], p[1], p[2]});
        if (mx - mn < 60) return false;
        for (int i = 0; i < 3; i++) v[i] = p[i] / (double)mx;
        return true;
    };
    double kuplat[5][3] = {};
    KUVA_TIEDOSTO kuva("Kuplat.tga");
    ASSERT_TRUE(kuva.ok);
    const int kaista = kuva.t.Korkeus / 4;
    for (int n = 1; n <= 4; n++) {
        // Bubble n's band, n-th from the top; the file's first row is the bottom.
        const int y0 = kuva.t.Korkeus - n * kaista;
        int m = 0;
        for (int y = y0; y < y0 + kaista; y++)
            for (int x = 0; x < kuva.t.Leveys; x++) {
                double v[3];
                if (!Vari(kuva.P(x, y), v)) continue;
                for (int i = 0; i < 3; i++) kuplat[n][i] += v[i];
                m++;
            }
        ASSERT_GT(m, 0);
        for (int i = 0; i < 3; i++) kuplat[n][i] /= m;
    }
    // Kind 0 is Kupla2 and shows as 0xFC, kind 1 Kupla1 as 0xFD, kind 2 Kupla4 as
    // 0xFE, kind 3 Kupla3 as 0xFF.
    const int tiedosto[4] = {2, 1, 4, 3};
    for (int laji = 0; laji < 4; laji++) {
        int koodi = 0xFC + laji;
        int x0 = (koodi % 16) * solu, y0 = (15 - koodi / 16) * solu;
        double keski[3] = {};
        int m = 0;
        for (int y = 0; y < solu; y++)
            for (int x = 0; x < lev[1 + koodi]; x++) {
                const unsigned char* p = f.P(x0 + x, y0 + y);
                double v[3];
                if (p[3] < 250 || !Vari(p, v)) continue;
                for (int i = 0; i < 3; i++) keski[i] += v[i];
                m++;
            }
        ASSERT_GT(m, 50) << "glyph " << koodi << " is not a coloured bubble";
        int lahin = 0;
        double paras = 1e9;
        for (int n = 1; n <= 4; n++) {
            double d = 0;
            for (int i = 0; i < 3; i++) d += std::pow(keski[i] / m - kuplat[n][i], 2);
            if (d < paras) {
                paras = d;
                lahin = n;
            }
        }
        EXPECT_EQ(lahin, tiedosto[laji]) << "glyph " << koodi;
    }
}

TEST(SisaltoLukijat, TekstiAsettuuOdotettuihinLeveyksiin) {
    KOONNISSA k;
    int lev[257];
    ASSERT_TRUE(LataaFontinLeveydet("Tiedostot\\Fontit\\MerkkienLeveydet.txt", lev));
    GRAFIIKKA g;
    g.AlustaPuskurit();
    g.FonttienMaara = 1;
    g.Fontit = new FONTTI[1];
    g.Fontit[0].Alusta("Fontti", "Tiedostot\\Fontit\\MerkkienLeveydet.txt");
    auto t = std::make_unique<TEKSTI>();
    const char* teksti = "Take wing \xD6\xE4 \xFC";
    for (double koko : {0.5, 0.8, 1.5}) {
        SCOPED_TRACE(koko);
        g.TyhjennaKuvaPuskuri();
        t->Alku();
        t->Lisaa(teksti, 0, false);
        g.TulostaTeksti(*t, 0, 0, ALA_VASEN, 0, koko);
        ASSERT_EQ(g.KuvienMaara, strlen(teksti));
        double x = 0;
        for (size_t i = 0; i < strlen(teksti); i++) {
            const KUVA& kuva = g.Kuvat[i];
            int w = lev[1 + (unsigned char)teksti[i]];
            EXPECT_NEAR(kuva.X, x, 1e-3);
            EXPECT_NEAR(kuva.Leveys, w * koko, 1e-3);
            EXPECT_NEAR(kuva.Korkeus, 64 * koko, 1e-3);
            x += w * koko;
        }
    }
    // The widest line of the read-me fits the screen at its size, 0.6.
    g.TyhjennaKuvaPuskuri();
    t->Alku();
    t->Lisaa(
        "    Voit my\xF6s k\xE4ytt\xE4\xE4 hyv\xE4ksesi tekstuurimalleja ja tehd\xE4 pelk\xE4n "
        "tekstuurin (kuvan)",
        0, false);
    g.TulostaTeksti(*t, 0, 0, ALA_VASEN, 0, 0.6);
    ASSERT_GT(g.KuvienMaara, 0u);
    const KUVA& viimeinen = g.Kuvat[g.KuvienMaara - 1];
    EXPECT_LE(viimeinen.X + viimeinen.Leveys, 1280.0);
    g.Vapauta();
}
