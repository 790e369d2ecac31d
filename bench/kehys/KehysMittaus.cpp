// Frames of the real renderer in a real window, as the game draws them: the
// shell's start-up steps in SDL_main's order, then each scene driven by the
// shell's own frame (events, Kehys and the screen bodies) and GRAFIIKKA::Paivita.
//
//   tavio_kehysmittaus [-f FRAMES] [-k ROUNDS] [-o FILE] [-s SCENE] [-c FOLDER] [-v FOLDER]
//                      [-a] [-i] WIDTH HEIGHT
//
// Run it in an X server (scripts/xvfb-aja.sh). It works in the build folder,
// whose Tiedostot is the data set. Each round measures every scene in turn, the
// empty frame (clear and swap, the machine's limit) first, so that the ratios
// compare frames of the same moment; the figures are the medians over the rounds.
// Each scene is timed on the clock (what the player sees) and in processor time of
// all the process's threads, and its fill is counted: the fragments shaded, in
// screens of the window (an occlusion query on one more, untimed frame).
// Results go to stdout as a table and to FILE as "key=value" lines. -s measures
// one scene only (besides the empty frame), for a profiler; -a adds the costs of
// content: a bubble by its triangles, a glyph by its size, the scenery alone. -i
// draws the images in immediate mode, as the renderer did before its vertex arrays.
// -c keeps a picture of each scene in FOLDER; -v compares each scene's frame drawn
// as the 3D pass drew it before its bundles and as now (Vertailu.cpp).
#include "Kehys.h"
#include "foundation/LaiteFunktiot.h"
#include "PeliTila.h"
#include "TestiApu.h"
#include "Varaukset.h"

#include "foundation/PerusFunktiot.h"

#include <GL/glew.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

// How long this process had run before `Nyt()` was first read in main: the
// kernel's start time has the resolution of the clock tick (10 ms).
double IkaAlussa() {
    FILE* f = fopen("/proc/self/stat", "r");
    if (!f) return 0;
    char rivi[2048];
    size_t n = fread(rivi, 1, sizeof rivi - 1, f);
    fclose(f);
    rivi[n] = '\0';
    // Field 22; the command name (field 2) may hold spaces, so count from its ')'.
    const char* p = strrchr(rivi, ')');
    if (!p) return 0;
    unsigned long long alku = 0;
    int kentta = 2;
    for (; *p && kentta < 22; p++)
        if (*p == ' ') kentta++;
    if (sscanf(p, "%llu", &alku) != 1) return 0;
    timespec t;
    clock_gettime(CLOCK_BOOTTIME, &t);
    double nyt = t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
    return nyt - alku * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

long HuippuMuistiKt() {
    rusage r;
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

struct MITTAUS {
    std::vector<double> mediaanit, keskiarvot, p95t, suhteet, prosessori;
    SISALTO sisalto;
    double varauksiaFramessa = 0;
    double ruutuja = 0; // fragments shaded (3D and 2D), in screens of the window
    int kuplia = 0;
};

} // namespace

// The frame just presented, as a PNG in `kansio`, read back from the X server
// by ImageMagick: what the measured scene looks like.
const double PUHALTAJA_KUVASTA = 6; // world units from the blower, along x and z

void KuvaTalteen(const char* kansio, const char* nimi) {
    std::string komento =
        std::string("import -window 'The Tavio' '") + kansio + "/" + nimi + ".png'";
    if (system(komento.c_str()) != 0) fprintf(stderr, "no picture of %s\n", nimi);
}

int main(int argc, char** argv) {
    const double mainissa = Nyt();
    const double ikaMainissa = IkaAlussa();

    int framet = 200, kierrokset = 3;
    const char* ulos = nullptr;
    const char* vainSkene = nullptr;
    const char* kuvakansio = nullptr;
    const char* vertailukansio = nullptr;
    bool analyysi = false, suoraan = false;
    int opt;
    while ((opt = getopt(argc, argv, "ac:f:ik:o:s:v:")) != -1) {
        if (opt == 'a') analyysi = true;
        if (opt == 'i') suoraan = true;
        if (opt == 'c') kuvakansio = optarg;
        if (opt == 'f') framet = atoi(optarg);
        if (opt == 'k') kierrokset = atoi(optarg);
        if (opt == 'o') ulos = optarg;
        if (opt == 's') vainSkene = optarg;
        if (opt == 'v') vertailukansio = optarg;
    }
    if (argc - optind != 2 || framet < 1 || kierrokset < 1) {
        fprintf(
            stderr,
            "usage: %s [-f FRAMES] [-k ROUNDS] [-o FILE] [-s SCENE] [-c FOLDER] [-v FOLDER] [-a] "
            "[-i] WIDTH HEIGHT\n",
            argv[0]);
        return 2;
    }
    const int W = atoi(argv[optind]), H = atoi(argv[optind + 1]);
    setvbuf(stdout, nullptr, _IOLBF, 0);
    if (chdir(KoontiKansio().c_str()) != 0) {
        fprintf(stderr, "no build folder %s\n", KoontiKansio().c_str());
        return 1;
    }

    TULOKSET tulokset;
    if (ulos) tulokset.f = fopen(ulos, "a");
    char etuliite[64];
    snprintf(etuliite, sizeof etuliite, "%dx%d.", W, H);
    tulokset.etuliite = etuliite;

    // ---- Start-up, step by step in SDL_main's order ----
    struct VAIHE {
        const char* avain;
        const char* selitys;
        double ms;
    };
    std::vector<VAIHE> vaiheet;
    double merkki = Nyt();
    auto Vaihe = [&](const char* avain, const char* selitys) {
        double nyt = Nyt();
        vaiheet.push_back(VAIHE{avain, selitys, nyt - merkki});
        merkki = nyt;
    };

    PELI p;
    PIDETTY_LENTO pidetty;
    // A fixed seed, so that every run flies the same bubbles.
    srand(1);
    LataaAsetukset(ASETUSTIEDOSTO, p.asetukset);
    p.asetukset.turbo = false;
    AlustaOGLjaSDL((Uint16)W, (Uint16)H, SDL_HWSURFACE | SDL_OPENGL, "The Tavio");
    if (!SDL_GetVideoSurface() || !glGetString(GL_VERSION)) {
        fprintf(stderr, "no OpenGL window: %s\n", SDL_GetError());
        return 1;
    }
    p.AlustaSyotteet(W, H);
    Vaihe("ikkuna", "window, OpenGL and audio set-up, input");
    // GRAFIIKKA::Alusta, one step at a time.
    p.g.AlustaMalli3DPuskuri();
    Vaihe("mallit", "models");
    p.g.AlustaTekstuuriPuskuri();
    Vaihe("tekstuurit", "textures (decode and upload with mipmaps)");
    p.g.AlustaFontit();
    p.g.Valmistele(W, H);
    p.g.KuvatSuoraan = suoraan;
    Vaihe("fontti", "font, draw buffers, camera, pointer");
    p.AlustaObjektit();
    Vaihe("objektit", "scenery objects and planes");
    p.AlustaKuplat();
    Vaihe("kuplat", "blowers, bubbles, bonus, world");
    p.AlustaAanet();
    Vaihe("musiikki", "music and sound effects");
    p.AlustaPisteet();
    Vaihe("pisteet", "score tables, race bubbles");
    p.Askel();
    Vaihe("ensimmainen", "first frame (main menu), presented");
    const double ensimmainen = Nyt();
    const long muistiAlussa = HuippuMuistiKt();

    if (tulokset.f)
        fprintf(tulokset.f, "kone.renderoija=%s, OpenGL %s\n",
                (const char*)glGetString(GL_RENDERER), (const char*)glGetString(GL_VERSION));
    printf("The Tavio, frames at %d x %d (%s, %s)\n", W, H, (const char*)glGetString(GL_RENDERER),
           (const char*)glGetString(GL_VERSION));
    printf("\nStart-up to the first presented frame: %.1f ms\n",
           ikaMainissa + (ensimmainen - mainissa));
    printf("  %-52s %7.1f ms  (clock-tick resolution)\n", "process start to main", ikaMainissa);
    tulokset.Kirjaa("kaynnistys.ennen_mainia_ms", ikaMainissa);
    for (const VAIHE& v : vaiheet) {
        printf("  %-52s %7.1f ms\n", v.selitys, v.ms);
        tulokset.Kirjaa(std::string("kaynnistys.") + v.avain + "_ms", v.ms);
    }
    tulokset.Kirjaa("kaynnistys.yhteensa_ms", ikaMainissa + (ensimmainen - mainissa));
    tulokset.Kirjaa("muisti.ensimmainen_kt", (double)muistiAlussa);

    // ---- Scenes ----
    MITTARI mittari{p, pidetty, nullptr, nullptr, {}, {}, nullptr};
    mittari.Valmistele();
    MITTAUS mittaukset[SKENEJA];
    const int lammitys = 20;
    for (int kierros = 0; kierros < kierrokset; kierros++) {
        double tyhja = 0;
        for (int s = 0; s < SKENEJA; s++) {
            if (vainSkene && s != TYHJA && strcmp(vainSkene, SKENEN_NIMI[s]) != 0) continue;
            MITTAUS& m = mittaukset[s];
            mittari.Aseta(s);
            for (int i = 0; i < lammitys; i++) mittari.Frame(s, nullptr);
            std::vector<double> ajat;
            ajat.reserve((size_t)framet);
            unsigned long long varauksia = Varauksia();
            double prosessori = Prosessori();
            CALLGRIND_ZERO_STATS;
            for (int i = 0; i < framet; i++) ajat.push_back(mittari.Frame(s, &m.sisalto));
            CALLGRIND_DUMP_STATS_AT(SKENEN_NIMI[s]);
            m.prosessori.push_back((Prosessori() - prosessori) / framet);
            m.varauksiaFramessa = (double)(Varauksia() - varauksia) / framet;
            if (kierros == 0) m.ruutuja = mittari.Ruutuja(s);
            if (kierros == 0 && kuvakansio) {
                mittari.Frame(s, nullptr);
                KuvaTalteen(kuvakansio, SKENEN_NIMI[s]);
            }
            m.kuplia = ElaviaKuplia(p);
            if (p.k->ruutu == PELI_OHI) fprintf(stderr, "%s: the flight ended\n", SKENEN_NIMI[s]);
            double med = Mediaani(ajat);
            if (s == TYHJA) tyhja = med;
            m.mediaanit.push_back(med);
            m.keskiarvot.push_back(Keskiarvo(ajat));
            m.p95t.push_back(Persentiili(ajat, 0.95));
            m.suhteet.push_back(tyhja > 0 ? med / tyhja : 0);
        }
    }

    if (kuvakansio && !vainSkene) {
        // For the gallery: a blower at work, seen from close by.
        mittari.Aseta(SURVIVOR200);
        const SIJAINTI b = p.lento->puhaltajat.objektit[0].Sijainti;
        SuuntaaKone(pidetty.kone,
                    SIJAINTI{b.x + PUHALTAJA_KUVASTA, b.y + 2, b.z - PUHALTAJA_KUVASTA},
                    SIJAINTI{b.x, b.y + 1, b.z});
        for (int i = 0; i < 12; i++) mittari.Frame(SURVIVOR200, nullptr); // the camera settles
        KuvaTalteen(kuvakansio, "puhaltaja");
    }

    printf("\nFrames: median of %d rounds of %d frames each (after %d unmeasured)\n", kierrokset,
           framet, lammitys);
    printf("  %-30s %9s %9s %9s %7s %8s %8s %9s %7s %8s %9s\n", "scene", "ms/frame", "mean ms",
           "p95 ms", "fps", "x empty", "cpu ms", "triangles", "images", "screens", "allocs/f");
    for (int s = 0; s < SKENEJA; s++) {
        MITTAUS& m = mittaukset[s];
        if (m.mediaanit.empty()) continue;
        double med = Mediaani(m.mediaanit), ka = Mediaani(m.keskiarvot);
        double fps = ka > 0 ? 1000.0 / ka : 0;
        double suhde = Mediaani(m.suhteet);
        double cpu = Mediaani(m.prosessori);
        printf("  %-30s %9.3f %9.3f %9.3f %7.0f %8.2f %8.3f %9u %7u %8.2f %9.1f\n",
               SKENEN_SELITYS[s], med, ka, Mediaani(m.p95t), fps, suhde, cpu, m.sisalto.kolmioita,
               m.sisalto.kuvia, m.ruutuja, m.varauksiaFramessa);
        std::string a = SKENEN_NIMI[s];
        tulokset.Kirjaa(a + ".prosessori_ms", cpu);
        tulokset.Kirjaa(a + ".ms", med);
        tulokset.Kirjaa(a + ".keskiarvo_ms", ka);
        tulokset.Kirjaa(a + ".p95_ms", Mediaani(m.p95t));
        tulokset.Kirjaa(a + ".fps", fps);
        tulokset.Kirjaa(a + ".suhde", suhde);
        tulokset.Kirjaa(a + ".objekteja", m.sisalto.objekteja);
        tulokset.Kirjaa(a + ".kolmioita", m.sisalto.kolmioita);
        tulokset.Kirjaa(a + ".kuvia", m.sisalto.kuvia);
        tulokset.Kirjaa(a + ".ruutuja", m.ruutuja);
        tulokset.Kirjaa(a + ".varauksia_framessa", m.varauksiaFramessa);
        for (size_t r = 0; r < m.mediaanit.size(); r++)
            tulokset.Kirjaa(a + ".kierros" + std::to_string(r + 1) + "_ms", m.mediaanit[r]);
    }
    // The cases of the analysis are many: a hundred frames each is enough for a median.
    if (analyysi) Analyysi(mittari, std::min(framet, 100), kierrokset, tulokset);
    if (vertailukansio) Vertailu(mittari, vertailukansio, vainSkene, tulokset);
    const long huippu = HuippuMuistiKt();
    printf("\nPeak resident memory: %.1f MB (%.1f MB at the first frame)\n", huippu / 1024.0,
           muistiAlussa / 1024.0);
    tulokset.Kirjaa("muisti.huippu_kt", (double)huippu);
    if (tulokset.f) fclose(tulokset.f);

    // Shutdown as the game does it, short of the credits and the saving.
    p.Vapauta();
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
