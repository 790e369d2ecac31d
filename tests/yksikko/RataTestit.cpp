// The six race tracks are flown to their end by the scripts that made them: the
// controls are played again through the flight model, as the flight screen plays
// a player's, and every bubble of the track file is reached in order. The tracks
// are also flown by a pilot that knows only where the bubbles are, as a player
// sees them one at a time through the chase camera, and their shape is measured:
// bubble 0 dead ahead of the start, gentle turns, the next bubble in the picture.
#include "apu/TestiApu.h"
#include "tools/sisalto/Radat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <cstring>

namespace {

std::vector<RATAKUPLA> LueRata(const std::string& polku) {
    std::vector<Uint8> d = LueTiedosto(polku);
    std::vector<RATAKUPLA> kuplat;
    if (d.size() < 4) return kuplat;
    int32_t n;
    memcpy(&n, d.data(), 4);
    for (int32_t i = 0; i < n && 4 + 32 * (size_t)(i + 1) <= d.size(); i++) {
        RATAKUPLA k;
        memcpy(&k, &d[4 + 32 * (size_t)i], 32);
        kuplat.push_back(k);
    }
    return kuplat;
}

std::vector<RATAKUPLA> Rata(int n) {
    return LueRata(KoontiKansio() + "/Tiedostot/Muu Data/" + RadanTiedosto(n));
}

// The angle between the directions u and v, degrees.
double Kulma(const double u[3], const double v[3]) {
    double uv = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    double uu = std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]);
    double vv = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return std::acos(std::fmax(-1.0, std::fmin(1.0, uv / (uu * vv)))) * 180 / 3.14159265358979;
}

} // namespace

TEST(Radat, JokainenKuplaSaavutetaanJarjestyksessa) {
    int edellinen = 0;
    for (int n = 0; n < RATOJEN_MAARA; n++) {
        SCOPED_TRACE(RadanTiedosto(n));
        std::vector<RATAKUPLA> rata =
            LueRata(KoontiKansio() + "/Tiedostot/Muu Data/" + RadanTiedosto(n));
        std::vector<Uint8> tavut =
            LueTiedosto(KoontiKansio() + "/Tiedostot/Muu Data/" + RadanTiedosto(n));
        ASSERT_EQ(tavut.size(), 4 + 32 * rata.size()) << "nothing may follow the bubbles";
        ASSERT_GE(rata.size(), 20u);
        ASSERT_LE(rata.size(), 200u);
        EXPECT_GT((int)rata.size(), edellinen) << "each track has more bubbles than the one before";
        edellinen = (int)rata.size();

        // The generator's script flown again, as the game flies a race: each
        // frame's controls through the flight step, from the file's bubbles.
        RADAN_LENTO lento = LennaRata(n);
        PAPERPLANE p;
        TuoreKone(p);
        std::unique_ptr<LENTO> kisa(new LENTO);
        KisaRadalle(*kisa, rata, p);
        double alin = 1e9;
        LOPPU loppu = LOPPU_EI;
        for (size_t ruutu = 0; ruutu < lento.Ohjaus.size() && loppu == LOPPU_EI; ruutu++) {
            loppu = LentoAskel(*kisa, p, 1, lento.Ohjaus[ruutu]).loppu;
            if (loppu != LOPPU_EI) break;
            alin = std::fmin(alin, p.body.Sijainti.y);
            ASSERT_GT(p.body.Sijainti.y, 0.0) << "the plane touched the ground at frame " << ruutu;
        }
        EXPECT_EQ(loppu, LOPPU_MAALI);
        EXPECT_EQ(kisa->rata.seuraava, (Sint32)rata.size()) << "bubbles reached";
        EXPECT_GT(alin, 10.0);
    }
}

TEST(Radat, EnsimmainenKuplaSuoraanEdessaJaKaannoksetLoivia) {
    const double alku[3] = {-100, 100, 0};
    for (int n = 0; n < RATOJEN_MAARA; n++) {
        SCOPED_TRACE(RadanTiedosto(n));
        std::vector<RATAKUPLA> rata = Rata(n);
        ASSERT_GE(rata.size(), 20u);
        // Dead ahead of the plane that faced the viewer in the menu (nose +z),
        // and not within reach of the start.
        const double plusZ[3] = {0, 0, 1};
        const double eka[3] = {rata[0].x - alku[0], rata[0].y - alku[1], rata[0].z - alku[2]};
        EXPECT_LT(Kulma(plusZ, eka), 0.5);
        EXPECT_GT(rata[0].z, KUPLAN_ULOTTUVUUS + 10);
        // The turn from one leg to the next (the first leg from the start), as the
        // pilots' flight over the track measures it: at most half the view's 70
        // degrees nine times in ten, never more than 45.
        const KUPLALENTO lento = LennaKuplille(rata);
        int loivat = 0;
        double jyrkin = 0;
        for (size_t i = 1; i < rata.size(); i++) {
            const RATAKUPLA& a = rata[i - 1];
            const RATAKUPLA& b = rata[i];
            const double kaannos = lento.Kuplat[i].Kaannos;
            loivat += kaannos <= 35;
            jyrkin = std::fmax(jyrkin, kaannos);
            EXPECT_GT(std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) +
                                (b.z - a.z) * (b.z - a.z)),
                      KUPLAN_ULOTTUVUUS)
                << "bubble " << i << " is within reach of the one before";
            EXPECT_GE(b.vauhti, 0.0);
            EXPECT_LE(b.vauhti, 0.3);
            // No part of a bubble in the museum.
            for (int k = 0; k < 6; k++) {
                SIJAINTI s{b.x, b.y, b.z};
                (&s.x)[k / 2] += (k % 2 ? 1 : -1) * KUPLAN_ULOTTUVUUS;
                EXPECT_FALSE(MuseonSisalla(s)) << "bubble " << i;
            }
        }
        EXPECT_GE(loivat, 0.9 * (double)(rata.size() - 1));
        EXPECT_LE(jyrkin, 45.0);
    }
}

// A player sees only the next bubble: a pilot that aims at it, knowing nothing
// else, reaches every bubble from the flight start, also when "Take wing" was
// clicked a moment early or late; and whenever a bubble is reached, the next one
// is wholly in the chase camera's picture and large.
TEST(Radat, PelaajanTavoinLennettynaJokainenKuplaNakyyJaSaavutetaan) {
    for (int n = 0; n < RATOJEN_MAARA; n++) {
        SCOPED_TRACE(RadanTiedosto(n));
        std::vector<RATAKUPLA> rata = Rata(n);
        ASSERT_FALSE(rata.empty());
        KUPLALENTO lento = LennaKuplille(rata);
        ASSERT_EQ(lento.Saavutettu, (int)rata.size());
        for (size_t i = 0; i + 1 < rata.size(); i++) {
            const KUPLAN_KUVA& seuraava = lento.Kuplat[i].Seuraava;
            EXPECT_TRUE(seuraava.Kokonaan)
                << "bubble " << i + 1 << " at " << seuraava.x << ", " << seuraava.y;
            EXPECT_GE(seuraava.Halkaisija, RATAKUPLAN_KOKO) << "bubble " << i + 1;
        }
        // The race lasts about as long as its bubbles are apart: no circling back.
        EXPECT_LT(lento.Ruutuja, 80 * (int)rata.size());
        for (double kulma : {-10.0, 10.0})
            EXPECT_EQ(LennaKuplille(rata, OHJAAJA{}, 1800, kulma).Saavutettu, (int)rata.size())
                << "started " << kulma << " degrees off +z";
    }
}

TEST(Lentaja, KuplilleLentajaKertooMitkaKuplatSaavutettiin) {
    // Straight ahead along +z, then 20 degrees aside.
    double k = 3.14159265358979 / 9;
    std::vector<RATAKUPLA> rata = {{-100, 100, 40, 0},
                                   {-100 - 40 * std::sin(k), 100, 40 + 40 * std::cos(k), 0.1},
                                   {-100 - 80 * std::sin(k), 100, 40 + 80 * std::cos(k), 0}};
    KUPLALENTO lento = LennaKuplille(rata);
    ASSERT_EQ(lento.Kuplat.size(), 3u);
    EXPECT_EQ(lento.Saavutettu, 3);
    EXPECT_NEAR(lento.Kuplat[0].Kaannos, 0.0, 1e-9);
    EXPECT_NEAR(lento.Kuplat[1].Kaannos, 20.0, 1e-6);
    EXPECT_NEAR(lento.Kuplat[2].Kaannos, 0.0, 1e-6);
    // 40 units at about half a unit an update; the boost of bubble 1 shortens the last leg.
    EXPECT_GT(lento.Kuplat[0].Ruutu, 50);
    EXPECT_LT(lento.Kuplat[0].Ruutu, 90);
    EXPECT_LT(lento.Kuplat[2].Ruutu - lento.Kuplat[1].Ruutu,
              lento.Kuplat[1].Ruutu - lento.Kuplat[0].Ruutu);
    EXPECT_EQ(lento.Ruutuja, lento.Kuplat[2].Ruutu);

    // A bubble under the ground is never reached, nor any after it: the race goes
    // in order. The pilot keeps off the ground and gives up after the waiting limit.
    rata[1].y = -20;
    lento = LennaKuplille(rata, OHJAAJA{}, 300);
    EXPECT_EQ(lento.Saavutettu, 1);
    EXPECT_TRUE(lento.Kuplat[0].Saavutettu);
    EXPECT_FALSE(lento.Kuplat[1].Saavutettu);
    EXPECT_FALSE(lento.Kuplat[2].Saavutettu);
    EXPECT_EQ(lento.Kuplat[2].Ruutu, -1);
    EXPECT_EQ(lento.Ruutuja, lento.Kuplat[0].Ruutu + 301);
}

TEST(Lentaja, KuplaNakyyKamerassaOikeassaKohdassaJaKoossa) {
    // 300 pixels are half of the 70 degrees the picture is high.
    const double f = 300 / std::tan(35 * 3.14159265358979 / 180);
    SIJAINTI kone{0, 100, 0};
    VEKTORI eteen{0, 0, 1};
    // Dead ahead, 50 units from the eye (which is one unit behind the plane).
    KUPLAN_KUVA k = KuplaKamerassa(kone, eteen, SIJAINTI{0, 100, 49}, KUPLAN_ULOTTUVUUS);
    EXPECT_NEAR(k.x, 400, 1e-9);
    EXPECT_NEAR(k.y, 300, 1e-9);
    EXPECT_NEAR(k.Halkaisija, 2 * f * 9 / 50, 1e-9);
    EXPECT_TRUE(k.Kokonaan);
    // Higher up shows higher; looking along +z with y up, +x shows on the left.
    k = KuplaKamerassa(kone, eteen, SIJAINTI{10, 110, 49}, KUPLAN_ULOTTUVUUS);
    EXPECT_NEAR(k.x, 400 - f * 10 / 50, 1e-9);
    EXPECT_NEAR(k.y, 300 - f * 10 / 50, 1e-9);
    // 50 degrees aside is out of the 4:3 picture (43 degrees each way); behind
    // the eye nothing shows.
    double s = std::sin(50 * 3.14159265358979 / 180), c = std::cos(50 * 3.14159265358979 / 180);
    EXPECT_FALSE(KuplaKamerassa(kone, eteen, SIJAINTI{60 * s, 100, 60 * c - 1}, 9).Kokonaan);
    EXPECT_FALSE(KuplaKamerassa(kone, eteen, SIJAINTI{0, 100, -30}, 9).Kokonaan);
    // The camera looks where the nose pointed nine updates ago: a bubble dead
    // ahead of a plane that has just turned shows off the middle.
    VEKTORI vinoon{std::sin(0.3), 0, std::cos(0.3)};
    k = KuplaKamerassa(kone, vinoon, SIJAINTI{0, 100, 49}, KUPLAN_ULOTTUVUUS);
    EXPECT_GT(std::fabs(k.x - 400), 100);
}
