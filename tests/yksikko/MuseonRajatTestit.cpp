// The museum's bounds (files/Sisalto.h) against the museum the generator built
// from them, and the scripted pilots' obstacle test against that museum: a
// change to either that leaves the other behind shows here.
#include "apu/TestiApu.h"
#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"
#include "tools/lentaja/Lentaja.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <unistd.h>
#include <vector>

namespace {

struct PISTE {
    double x, y, z; // model units
};

// The museum's corners (model units), three a triangle: the sky dome round the
// scene, in the same model, is left out.
std::vector<PISTE> MuseonKulmat() {
    std::vector<PISTE> kulmat;
    char p[4096];
    std::string vanha = getcwd(p, sizeof p) ? p : ".";
    if (chdir(KoontiKansio().c_str()) != 0) return kulmat;
    MALLIN_KOLMIOT malli;
    bool ok = Lataa3DS("Tiedostot\\3D Mallit\\Museo.3ds", malli);
    if (chdir(vanha.c_str()) != 0) ok = false;
    for (int k = 0; ok && k + 2 < malli.VerteksienMaara; k += 3) {
        const float* v = malli.Verteksit + 3 * k;
        bool taivas = false; // the sky's radius is 100 round (0, 0, 10)
        for (int i = 0; i < 3; i++)
            taivas = taivas || std::hypot(v[3 * i], v[3 * i + 1], v[3 * i + 2] - 10) > 90;
        if (taivas) continue;
        for (int i = 0; i < 3; i++) kulmat.push_back(PISTE{v[3 * i], v[3 * i + 1], v[3 * i + 2]});
    }
    delete[] malli.Verteksit;
    delete[] malli.TekstuuriKoordinaatit;
    return kulmat;
}

} // namespace

TEST(MuseonRajat, MuseoUlottuuRajoihinsaEikaYli) {
    std::vector<PISTE> kulmat = MuseonKulmat();
    ASSERT_GE(kulmat.size(), 300u);
    double leveys = 0, etu = 1e9, taka = -1e9, huippu = -1e9;
    for (const PISTE& k : kulmat) {
        leveys = std::max(leveys, std::fabs(k.x));
        etu = std::min(etu, k.z);
        taka = std::max(taka, k.z);
        huippu = std::max(huippu, k.y);
    }
    EXPECT_NEAR(leveys, MUSEON_LEVEYS, 1e-4);
    EXPECT_NEAR(etu, MUSEON_ETU, 1e-4);
    EXPECT_NEAR(taka, MUSEON_TAKA, 1e-4);
    EXPECT_NEAR(huippu, LYHDYN_HUIPPU, 1e-4);
}

TEST(MuseonRajat, LentajanEsteKattaaMuseonJaVahanYli) {
    std::vector<PISTE> kulmat = MuseonKulmat();
    ASSERT_GE(kulmat.size(), 300u);
    // Every corner, the middles of the edges and of every triangle, and each of
    // them moved a few world units along every axis.
    std::vector<PISTE> pisteet;
    for (size_t k = 0; k + 2 < kulmat.size(); k += 3) {
        const PISTE &a = kulmat[k], &b = kulmat[k + 1], &c = kulmat[k + 2];
        auto Keski = [](PISTE p, PISTE q) {
            return PISTE{(p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2};
        };
        pisteet.insert(pisteet.end(), {a, b, c, Keski(a, b), Keski(b, c), Keski(c, a),
                                       PISTE{(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3,
                                             (a.z + b.z + c.z) / 3}});
    }
    const double VARA = 5; // world units
    int ulkona = 0;
    for (const PISTE& p : pisteet)
        for (int siirto = 0; siirto < 7; siirto++) {
            SIJAINTI s{p.x * MAISEMAN_SKAALA, p.y * MAISEMAN_SKAALA, p.z * MAISEMAN_SKAALA};
            if (siirto > 0) (&s.x)[(siirto - 1) / 2] += siirto % 2 ? VARA : -VARA;
            if (!MuseonSisalla(s) && ulkona++ < 5)
                ADD_FAILURE() << "(" << s.x << ", " << s.y << ", " << s.z
                              << ") is the museum's, or within " << VARA
                              << " of it, and the pilots fly through it";
        }
    EXPECT_EQ(ulkona, 0);
}
