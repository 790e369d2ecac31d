// The three paper planes: their models and textures.
#include "Sisalto.h"

#include <cmath>

namespace {

// A plane's texture: four bands of the same print, each a step darker; a face
// takes the band of its side's brightness, its corners mapped from above.
struct PAPERI {
    KUVA_RGBA Kuva{256, 256};
    LAATTA Kaista[4];
    template <class F> void Maalaa(F painatus) {
        static const float kerroin[4] = {1.0f, 0.84f, 0.68f, 0.52f};
        for (int i = 0; i < 4; i++) {
            for (int y = 0; y < 64; y++)
                for (int x = 0; x < 256; x++)
                    Kuva.P(x, 64 * i + y) =
                        Kirkkaus(painatus((x + 0.5f) / 256, 1 - (y + 0.5f) / 64), kerroin[i]);
            Kaista[i] = LAATTA{0.5 / 256, 1 - (64.0 * (i + 1) - 0.5) / 256, 1 - 0.5 / 256,
                               1 - (64.0 * i + 0.5) / 256};
        }
    }
};

// Along the length s (0 tail, 1 nose) and across t (0..1, the middle line 0.5);
// the keel and fins hang at the middle, mapped by their height.
UV Kartta(V3 p, const LAATTA& l) {
    double s = (p.z + 1.5) / 3.0;
    double t = 0.5 + p.x / 2.4 - (std::fabs(p.x) < 0.02 || std::fabs(p.y) > 0.2 ? p.y * 0.6 : 0);
    return l.Kohta(s < 0 ? 0 : (s > 1 ? 1 : s), t < 0 ? 0 : (t > 1 ? 1 : t));
}

// The planes are folded at three units long and built at half that: the game
// draws them at 0.3, and the menus show the chosen one spinning one unit from
// the eye, where the whole plane must fit in view.
const double LENNOKIN_MITTAKAAVA = 0.5;

void Arkki(MALLI& m, const PAPERI& p, V3 a, V3 b, V3 c) {
    // Both faces of the paper, each in the band of its own brightness; the left
    // wing is the mirror image.
    for (int peili = 0; peili < 2; peili++) {
        V3 A = a, B = b, C = c;
        if (peili) {
            if (std::fabs(a.x) + std::fabs(b.x) + std::fabs(c.x) < 1e-9) break;
            A.x = -A.x;
            B.x = -B.x;
            C.x = -C.x;
        }
        for (int puoli = 0; puoli < 2; puoli++) {
            V3 x = A, y = puoli ? C : B, z = puoli ? B : C;
            const LAATTA& l = p.Kaista[Varjostus(Risti(y - x, z - x))];
            const double k = LENNOKIN_MITTAKAAVA;
            m.Kolmio(x * k, Kartta(x, l), y * k, Kartta(y, l), z * k, Kartta(z, l));
        }
    }
}

} // namespace

bool TeeLennokit(const KOHDE& k) {
    bool ok = true;
    // Nuoli: the classic dart from a sheet of ruled school paper.
    {
        PAPERI p;
        p.Maalaa([](float s, float t) {
            VARI4 c = Rgb(246, 245, 236);
            c = Kirkkaus(c, 0.97f + 0.03f * Fbm(s * 20, t * 5, 31, 2));
            if (std::fabs(std::fmod(t * 12.0f, 1.0f) - 0.5f) < 0.06f) c = Rgb(150, 185, 230);
            if (std::fabs(s - 0.22f) < 0.006f) c = Rgb(225, 90, 90);
            if (std::fabs(t - 0.5f) < 0.008f) c = Kirkkaus(c, 0.75f); // the middle fold
            return c;
        });
        MALLI m;
        V3 nokka{0, 0.02, 1.5}, juuri{0, 0, -1.5}, karki{0.78, 0.14, -1.42};
        V3 taite{0.3, 0.04, -1.48};
        Arkki(m, p, nokka, taite, juuri);
        Arkki(m, p, nokka, karki, taite);
        Arkki(m, p, nokka, juuri, V3{0, -0.34, -1.5});
        Arkki(m, p, nokka, V3{0, -0.34, -1.5}, V3{0, -0.06, 1.1});
        ok = Kuva(k, "Tekstuurit/Nuoli.tga", p.Kuva, false) && Malli(k, "Nuoli", m) && ok;
    }
    // Liitaja: broad wings with turned-up tips, folded from a newspaper.
    {
        PAPERI p;
        p.Maalaa([](float s, float t) {
            VARI4 c = Rgb(226, 222, 208);
            float sarake = std::fmod(t * 5.0f, 1.0f);
            int rivi = (int)(s * 90);
            bool teksti = sarake > 0.08f && sarake < 0.92f && rivi % 2 == 0 &&
                          (Hajauta((uint32_t)(rivi * 977 + (int)(t * 60) * 13)) & 7) != 0;
            if (teksti) c = Rgb(120, 118, 112);
            if (s > 0.62f && s < 0.74f && t > 0.18f && t < 0.82f) c = Rgb(40, 40, 45); // headline
            if (s > 0.2f && s < 0.45f && t > 0.56f && t < 0.78f)                       // photo
                c = (((int)(s * 160) + (int)(t * 160)) % 2) ? Rgb(90, 92, 96) : Rgb(160, 160, 158);
            if (std::fabs(t - 0.5f) < 0.008f) c = Kirkkaus(c, 0.8f);
            return c;
        });
        MALLI m;
        V3 nokka{0, 0.02, 1.3}, l1{0.38, 0.03, 0.55}, t1{1.05, 0.12, -0.45}, t2{1.0, 0.12, -1.05};
        V3 t3{0.3, 0.03, -1.25}, juuri{0, 0, -1.2}, siiveke{1.06, 0.46, -0.98};
        Arkki(m, p, nokka, l1, juuri);
        Arkki(m, p, l1, t1, t3);
        Arkki(m, p, l1, t3, juuri);
        Arkki(m, p, t1, t2, t3);
        Arkki(m, p, t1, siiveke, t2);
        Arkki(m, p, nokka, juuri, V3{0, -0.2, -1.2});
        Arkki(m, p, nokka, V3{0, -0.2, -1.2}, V3{0, -0.05, 0.9});
        ok = Kuva(k, "Tekstuurit/Liitaja.tga", p.Kuva, false) && Malli(k, "Liitaja", m) && ok;
    }
    // Haukka: a swept stunt plane with fins, red origami paper with yellow chevrons.
    {
        PAPERI p;
        p.Maalaa([](float s, float t) {
            VARI4 c = Rgb(205, 40, 40);
            c = Kirkkaus(c, 0.95f + 0.05f * Fbm(s * 10, t * 10, 41, 2));
            float v = std::fabs(t - 0.5f);
            float chevron = std::fmod(s * 5.0f + v * 3.0f, 1.0f);
            if (chevron < 0.16f && s < 0.75f) c = Rgb(250, 205, 40);
            if (v > 0.42f) c = Rgb(30, 30, 35);    // dark wing tips
            if (s > 0.86f) c = Rgb(250, 250, 245); // white nose
            if (std::fabs(t - 0.5f) < 0.008f) c = Kirkkaus(c, 0.7f);
            return c;
        });
        MALLI m;
        V3 nokka{0, 0.02, 1.5}, l{0.2, 0.03, 0.45}, karki{0.95, 0.08, -1.2}, taka{0.85, 0.08, -1.5};
        V3 juuri{0, 0, -1.35}, eva{0.9, 0.42, -1.52};
        Arkki(m, p, nokka, l, juuri);
        Arkki(m, p, l, karki, juuri);
        Arkki(m, p, karki, taka, juuri);
        Arkki(m, p, karki, eva, taka);
        Arkki(m, p, nokka, juuri, V3{0, -0.4, -1.35});
        Arkki(m, p, nokka, V3{0, -0.4, -1.35}, V3{0, -0.08, 1.1});
        ok = Kuva(k, "Tekstuurit/Haukka.tga", p.Kuva, false) && Malli(k, "Haukka", m) && ok;
    }
    return ok;
}
