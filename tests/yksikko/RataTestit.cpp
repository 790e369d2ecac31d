// The six race tracks are flown to their end by the scripts that made them: the
// controls are played again through the flight model, as the flight screen plays
// a player's, and every bubble of the track file is reached in order. The pilot
// that knows only the bubbles' positions tells which bubbles it reached, and when.
#include "apu/TestiApu.h"
#include "tools/sisalto/Radat.h"

#include <gtest/gtest.h>

#include <cmath>
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

double Etaisyys(const SIJAINTI& s, const RATAKUPLA& k) {
    return std::sqrt((s.x - k.x) * (s.x - k.x) + (s.y - k.y) * (s.y - k.y) +
                     (s.z - k.z) * (s.z - k.z));
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

        RADAN_LENTO lento = LennaRata(n);
        PAPERPLANE p;
        AloitaLento(p);
        MAAILMA maailma;
        maailma.Aseta(1.0, 1.0, 1.0);
        BONUS bonus;
        bonus.Alusta();
        size_t seuraava = 0;
        double alin = 1e9;
        // The flight screen's order each frame: reach test, controls, physics step.
        for (size_t ruutu = 0; ruutu < lento.Ohjaus.size() && seuraava < rata.size(); ruutu++) {
            if (Etaisyys(p.body.Sijainti, rata[seuraava]) <= 2.25 * 4.0) {
                bonus.speedBoost = rata[seuraava].vauhti * 1.2;
                seuraava++;
                if (seuraava == rata.size()) break;
            }
            Ohjaa(p, lento.Ohjaus[ruutu]);
            p.PaivitaFysiikka(maailma, bonus);
            alin = std::fmin(alin, p.body.Sijainti.y);
            ASSERT_GT(p.body.Sijainti.y, 0.0) << "the plane touched the ground at frame " << ruutu;
        }
        EXPECT_EQ(seuraava, rata.size()) << "bubbles reached";
        EXPECT_GT(alin, 10.0);
    }
}

TEST(Radat, EnsimmainenKuplaOnEdessaJaSelvastiErillaan) {
    for (int n = 0; n < RATOJEN_MAARA; n++) {
        SCOPED_TRACE(RadanTiedosto(n));
        std::vector<RATAKUPLA> rata =
            LueRata(KoontiKansio() + "/Tiedostot/Muu Data/" + RadanTiedosto(n));
        ASSERT_FALSE(rata.empty());
        // Ahead of the start (-100, 100, 0) and not within reach of it: the player
        // first turns toward it, whatever way the plane faced in the menu.
        EXPECT_GT(rata[0].z, 20.0);
        EXPECT_NEAR(rata[0].x, -100.0, 5.0);
        for (size_t i = 1; i < rata.size(); i++) {
            double d = std::sqrt((rata[i].x - rata[i - 1].x) * (rata[i].x - rata[i - 1].x) +
                                 (rata[i].y - rata[i - 1].y) * (rata[i].y - rata[i - 1].y) +
                                 (rata[i].z - rata[i - 1].z) * (rata[i].z - rata[i - 1].z));
            EXPECT_GT(d, 9.0) << "bubble " << i << " is within reach of the one before";
            EXPECT_GE(rata[i].vauhti, 0.0);
            EXPECT_LE(rata[i].vauhti, 0.3);
        }
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
