// What the frame benchmark's parts share: the clocks, medians, the results file,
// the scenes and the game's state that drives them (KehysMittaus.cpp measures the
// scenes, Analyysi.cpp the costs of content).
#pragma once

#include "PeliTila.h"

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <time.h>
#include <vector>
// Under callgrind the measured frames are dumped as profiles of their own
// (scripts/kaskyt.sh): instructions a frame, which a busy machine leaves be.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(x)
#endif

inline double Nyt() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Processor time of the whole process, the renderer's threads included: what a
// frame costs in work, which other jobs on the machine barely change.
inline double Prosessori() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

inline double Mediaani(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double Keskiarvo(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return v.empty() ? 0 : s / (double)v.size();
}

inline double Persentiili(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t i = (size_t)(p * (double)(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

struct TULOKSET {
    FILE* f = nullptr;
    std::string etuliite;
    void Kirjaa(const std::string& avain, double arvo) {
        if (f) fprintf(f, "%s%s=%.6g\n", etuliite.c_str(), avain.c_str(), arvo);
    }
};

// What one frame queued for drawing, counted before Paivita empties the buffers.
struct SISALTO {
    Uint32 objekteja = 0, kolmioita = 0, kuvia = 0;
};

inline SISALTO Sisalto(const GRAFIIKKA& g) {
    SISALTO s;
    s.objekteja = g.ObjektienMaara;
    for (Uint32 i = 0; i < g.ObjektienMaara; i++) {
        Uint32 m = g.Objektit[i]->MalliIndeksi;
        if (m < g.MallienMaara) s.kolmioita += g.Mallit[m].VerteksienMaara / 3u;
    }
    s.kuvia = g.KuvienMaara + (g.OsoitinNakyvissa ? 1u : 0u);
    return s;
}

enum SKENE {
    TYHJA,
    VALIKKO,
    SURVIVOR200,
    SURVIVOR1000,
    KISA,
    KISA_HAAMU,
    HUIPPU,
    LUEMINUT_RUUTU,
    SKENEJA
};
const char* const SKENEN_NIMI[SKENEJA] = {"tyhja", "paavalikko", "survivor200", "survivor1000",
                                          "kisa",  "kisa_haamu", "halloffame",  "lueminut"};
const char* const SKENEN_SELITYS[SKENEJA] = {
    "empty frame (clear + swap)",  "main menu",      "Survivor, 200 live bubbles",
    "Survivor, 1000 live bubbles", "Bubble race F",  "Bubble race F with its ghost",
    "Hall of Fame (full table)",   "read-me screen",
};

// The game's state for one scene: the flights are filled once and copied back in
// before each round, so every round flies the same bubbles.
struct MITTARI {
    PELI& p;
    PIDETTY_LENTO& pidetty;
    std::unique_ptr<LENTO> survivor, kisa;
    PAPERPLANE survivorKone, kisaKone;
    std::unique_ptr<LENTO> kisaHaamu; // the same race with a ghost ahead of the plane

    void Valmistele() {
        KUORI& k = *p.k;
        // A full table for the hall of fame: the data set has no score files.
        for (Uint32 i = 0; i < SIJOJEN_MAARA; i++)
            p.pisteet[0].LisaaTulos(false, 100 + 37 * i, 61000 + 1733 * i, "Lentaja123");

        k.valittuKone = 0;
        pidetty.Survivor(p, KUPLIEN_MAARA, getenv("TAVIO_SAVU") ? 50 : 4000);
        survivor.reset(new LENTO(*p.lento));
        survivorKone = pidetty.kone;
        pidetty.Kisa(p, 6);
        kisa.reset(new LENTO(*p.lento));
        kisaKone = pidetty.kone;
        pidetty.AnnaHaamu(p);
        kisaHaamu.reset(new LENTO(*p.lento));
        k.ruutu = PAAVALIKKO;
    }

    // Sets the scene up.
    void Aseta(int skene) {
        KUORI& k = *p.k;
        p.h.dx = p.h.dy = 0;
        switch (skene) {
        case VALIKKO:
            k.ruutu = PAAVALIKKO;
            p.h.x = 1000; // away from the items
            p.h.y = 200;
            break;
        case SURVIVOR200:
        case SURVIVOR1000:
            *p.lento = *survivor;
            pidetty.kone = survivorKone;
            k.pelityyppi = 0;
            break;
        case KISA:
        case KISA_HAAMU:
            *p.lento = skene == KISA ? *kisa : *kisaHaamu;
            pidetty.kone = kisaKone;
            k.pelityyppi = 6;
            break;
        case HUIPPU:
            k.ruutu = HUIPPURUUTU;
            k.huippuSivu = 0;
            p.h.x = 1000;
            p.h.y = 200;
            break;
        case LUEMINUT_RUUTU:
            k.ruutu = LUE_RUUTU;
            p.h.x = 640; // the text scrolled halfway
            p.h.y = 600;
            break;
        default:
            break;
        }
    }

    int Kuplia(int skene) const {
        return skene == SURVIVOR200 ? 200 : skene == SURVIVOR1000 ? KUPLIEN_MAARA : 0;
    }

    // One more frame, untimed, that counts the fragments that reach the colour
    // buffer (an occlusion query: every fragment that passes the depth test, and
    // with the test off in 2D, every fragment): the fill the frame costs.
    double Ruutuja(int skene) {
        GLuint kysely = 0;
        if (!glGenQueries) return 0;
        glGenQueries(1, &kysely);
        glBeginQuery(GL_SAMPLES_PASSED, kysely);
        Frame(skene, nullptr);
        glEndQuery(GL_SAMPLES_PASSED);
        GLuint naytteita = 0;
        glGetQueryObjectuiv(kysely, GL_QUERY_RESULT, &naytteita);
        glDeleteQueries(1, &kysely);
        return (double)naytteita / ((double)p.g.IkkunanLeveys * p.g.IkkunanKorkeus);
    }

    // One frame as the game's loop runs it; returns its duration in ms.
    double Frame(int skene, SISALTO* sisalto) {
        if (skene == SURVIVOR200 || skene == SURVIVOR1000 || skene == KISA || skene == KISA_HAAMU)
            pidetty.Pida(p, Kuplia(skene));
        double alku = Nyt();
        if (skene == TYHJA) {
            p.g.PiilotaOsoitin();
        } else {
            p.Kehys();
        }
        if (sisalto) *sisalto = Sisalto(p.g);
        p.g.Paivita(p.h.AnnaX(), p.h.AnnaY(), p.k->frameAikaPiirrossa);
        return Nyt() - alku;
    }
};

// The costs of content (tavio_kehysmittaus -a): `framet` frames a case in each of
// `kierrokset` rounds, printed and written to `tulokset`.
void Analyysi(MITTARI& m, int framet, int kierrokset, TULOKSET& tulokset);
// Each scene's frame drawn as the renderer drew it before its bundles (and the
// other savings of its 3D pass) and as it draws it now (tavio_kehysmittaus -v
// FOLDER): the pixels that differ and the largest difference, and the pictures
// SCENE.ennen.png, SCENE.nyt.png, SCENE.rinnakkain.png (the two side by side) and
// SCENE.erot.png (the differences in magenta) in FOLDER; besides the scenes, a
// blower close by with the thousand bubbles about (puhaltaja). -s compares one.
void Vertailu(MITTARI& m, const char* kansio, const char* vainSkene, TULOKSET& tulokset);
