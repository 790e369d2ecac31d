// Frames of the real renderer in a real window, as the game draws them: the
// shell's start-up steps in SDL_main's order, then each scene driven by the
// shell's own frame (events, Kehys and the screen bodies) and GRAFIIKKA::Paivita.
//
//   tavio_kehysmittaus [-f FRAMES] [-k ROUNDS] [-o FILE] [-s SCENE] [-a] WIDTH HEIGHT
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
// content: a bubble by its triangles, a glyph by its size, the scenery alone.
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

double Nyt() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Processor time of the whole process, the renderer's threads included: what a
// frame costs in work, which other jobs on the machine barely change.
double Prosessori() {
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

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

double Mediaani(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Keskiarvo(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return v.empty() ? 0 : s / (double)v.size();
}

double Persentiili(std::vector<double> v, double p) {
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

SISALTO Sisalto(const GRAFIIKKA& g) {
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

struct MITTAUS {
    std::vector<double> mediaanit, keskiarvot, p95t, suhteet, prosessori;
    SISALTO sisalto;
    double varauksiaFramessa = 0;
    double ruutuja = 0; // fragments shaded (3D and 2D), in screens of the window
    int kuplia = 0;
};

// The game's state for one scene: the flights are filled once and copied back in
// before each round, so every round flies the same bubbles.
struct MITTARI {
    PELITILA& p;
    std::unique_ptr<LENTO> survivor, kisa;
    PAPERPLANE survivorKone, kisaKone;
    std::unique_ptr<LENTO> kisaHaamu; // the same race with a ghost ahead of the plane

    void Valmistele() {
        KUORI& k = *p.k;
        // A full table for the hall of fame: the data set has no score files.
        for (Uint32 i = 0; i < SIJOJEN_MAARA; i++)
            p.pisteet[0].LisaaTulos(false, 100 + 37 * i, 61000 + 1733 * i, "Lentaja123");

        k.valittuKone = 0;
        p.AloitaSurvivor(KUPLIEN_MAARA, getenv("TAVIO_SAVU") ? 50 : 4000);
        survivor.reset(new LENTO(*p.lento));
        survivorKone = p.kiinnitetty;
        p.AloitaKisa(6);
        kisa.reset(new LENTO(*p.lento));
        kisaKone = p.kiinnitetty;
        p.AnnaKisalleHaamu();
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
            p.kiinnitetty = survivorKone;
            k.pelityyppi = 0;
            break;
        case KISA:
        case KISA_HAAMU:
            *p.lento = skene == KISA ? *kisa : *kisaHaamu;
            p.kiinnitetty = kisaKone;
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
            p.PidaLento(Kuplia(skene));
        double alku = Nyt();
        if (skene == TYHJA) {
            p.g.PiilotaOsoitin();
        } else {
            p.Kehys();
        }
        if (sisalto) *sisalto = Sisalto(p.g);
        p.g.Paivita(nullptr, p.h.AnnaX(), p.h.AnnaY(), p.k->frameAikaPiirrossa);
        return Nyt() - alku;
    }
};

// Median frame time of `framet` frames drawn by `frame` (after a few unmeasured).
template <class F> double MediaaniFrame(int framet, F frame) {
    for (int i = 0; i < 10; i++) frame();
    std::vector<double> ajat;
    for (int i = 0; i < framet; i++) {
        double alku = Nyt();
        frame();
        ajat.push_back(Nyt() - alku);
    }
    return Mediaani(ajat);
}

// A bubble's sphere (radius 2.25, its reach) of `renkaat` rings and `sektorit`
// sectors, mapped as the data set maps bubble 1: the top band of the shared texture.
void Pallo(int renkaat, int sektorit, std::vector<float>& xyz, std::vector<float>& uv) {
    const double PII = 3.14159265358979, r = 2.25;
    const double v0 = 0.75 + 1 / 512.0, v1 = 1 - 5 / 512.0;
    auto Kulma = [&](int i, int j) {
        double lat = PII * ((double)i / renkaat - 0.5), lon = 2 * PII * j / sektorit;
        xyz.insert(xyz.end(),
                   {(float)(r * std::sin(lon) * std::cos(lat)), (float)(r * std::sin(lat)),
                    (float)(r * std::cos(lon) * std::cos(lat))});
        uv.insert(uv.end(), {(float)j / sektorit, (float)(v0 + (v1 - v0) * i / renkaat)});
    };
    for (int i = 0; i < renkaat; i++)
        for (int j = 0; j < sektorit; j++) {
            if (i > 0) {
                Kulma(i, j);
                Kulma(i, j + 1);
                Kulma(i + 1, j + 1);
            }
            if (i < renkaat - 1) {
                Kulma(i, j);
                Kulma(i + 1, j + 1);
                Kulma(i + 1, j);
            }
        }
}

// Least squares line y = a + b x.
void Suora(const std::vector<double>& x, const std::vector<double>& y, double& a, double& b) {
    double n = (double)x.size(), sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < x.size(); i++) {
        sx += x[i];
        sy += y[i];
        sxx += x[i] * x[i];
        sxy += x[i] * y[i];
    }
    b = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    a = (sy - b * sx) / n;
}

// What the frame costs as the content grows: a bubble by its triangles, a glyph
// by its size, the scenery on its own. Every case is measured once a round, the
// cases in turn, and the median over the rounds is kept, so that a busy moment of
// the machine spoils one round of every case rather than every round of one.
struct TAPAUS {
    std::string avain;                   // key of the result
    std::function<void()> asetus, frame; // before its frames; one frame
    std::vector<double> ajat;            // median ms of each round
    double Ms() const { return Mediaani(ajat); }
};

void Analyysi(MITTARI& m, int framet, int kierrokset, TULOKSET& tulokset) {
    PELITILA& p = m.p;
    GRAFIIKKA& g = p.g;
    std::vector<TAPAUS> tapaukset;
    auto Lisaa = [&](std::string avain, std::function<void()> asetus, std::function<void()> frame) {
        tapaukset.push_back(TAPAUS{std::move(avain), std::move(asetus), std::move(frame), {}});
    };

    Lisaa(
        "tyhja", [] {}, [&] { m.Frame(TYHJA, nullptr); });

    // Bubbles: the Survivor frame with no bubble, then with 1000 bubbles drawn as
    // spheres of the bubble's size and mapping, from 24 to 288 triangles: the first
    // bubble model's arrays are lent the sphere while it is measured.
    auto Lento = [&] {
        p.PidaLento(KUPLIEN_MAARA);
        p.Kehys();
        g.Paivita(nullptr, 0, 0, 0);
    };
    Lisaa(
        "lento_ilman_kuplia", [&] { m.Aseta(SURVIVOR1000); },
        [&] {
            p.PidaLento(0);
            p.Kehys();
            g.Paivita(nullptr, 0, 0, 0);
        });
    const Uint32 kupla = g.EtsiMalli(m.survivor->kuplat.templates[0].MalliNimi);
    const int jaot[][2] = {{3, 6}, {4, 8}, {5, 8}, {6, 10}, {8, 12}, {10, 16}};
    std::vector<std::vector<float>> xyz(6), uv(6);
    std::vector<double> kolmiot;
    const MALLI3D alkuperainen = kupla < g.MallienMaara ? g.Mallit[kupla] : MALLI3D{};
    for (int i = 0; i < 6 && kupla < g.MallienMaara; i++) {
        Pallo(jaot[i][0], jaot[i][1], xyz[i], uv[i]);
        kolmiot.push_back((double)xyz[i].size() / 9);
        Lisaa(
            "kupla." + std::to_string((int)kolmiot.back()),
            [&, i] {
                MALLI3D& malli = g.Mallit[kupla];
                malli.Verteksit = xyz[i].data();
                malli.TekstuuriKoordinaatit = uv[i].data();
                malli.VerteksienMaara = (Uint16)(xyz[i].size() / 3);
                // Every bubble, and every one blown meanwhile, drawn with the lent model.
                m.Aseta(SURVIVOR1000);
                KUPLA& kuplat = p.lento->kuplat;
                for (OBJEKTI& o : kuplat.templates)
                    snprintf(o.MalliNimi, sizeof o.MalliNimi, "%s", malli.Nimi);
                for (OBJEKTI& o : kuplat.bubbles)
                    snprintf(o.MalliNimi, sizeof o.MalliNimi, "%s", malli.Nimi);
            },
            Lento);
    }

    // Glyphs: screens full of text at the sizes the game uses, every glyph on the
    // screen, the pointer hidden.
    const char* const MERKIT = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const double koot[] = {0.5, 0.6, 0.8, 1.0, 1.5};
    double merkkeja[5] = {}, ala[5] = {}; // glyphs, and the pixels their quads cover
    for (int k = 0; k < 5; k++) {
        const FONTTI& f = g.Fontit[0];
        const double koko = koot[k];
        // Lines that fit the 1280 x 1024 space at this size.
        int rivit = (int)(1024 / (f.Kirjaimet['a'].Korkeus * koko));
        std::string rivi;
        double leveys = 0;
        for (int i = 0;; i++) {
            char c = MERKIT[i % 62];
            double w = f.Kirjaimet[(unsigned char)c].Leveys * koko;
            if (leveys + w > 1280) break;
            leveys += w;
            rivi += c;
        }
        Lisaa(
            "merkki." + std::to_string((int)(koko * 10 + 0.5)), [] {},
            [&, k, rivit, rivi, koko] {
                TEKSTI& teksti = p.k->teksti;
                teksti.Alku();
                for (int r = 0; r < rivit; r++) teksti.Lisaa(rivi.c_str(), r, false);
                g.TulostaTeksti(teksti, 0, 1024, YLA_VASEN, 0, koko);
                merkkeja[k] = g.KuvienMaara;
                double a = 0;
                for (Uint32 i = 0; i < g.KuvienMaara; i++)
                    a += g.Kuvat[i].Leveys * g.Kuvat[i].Korkeus;
                ala[k] = a * g.IkkunanLeveys / 1280.0 * g.IkkunanKorkeus / 1024.0;
                g.PiilotaOsoitin();
                g.Paivita(nullptr, 0, 0, 0);
            });
    }

    // One layer over the whole screen, textured and blended as everything is: no
    // scene that covers the screen can cost less. Then the scenery on its own, with
    // the flight's camera.
    KUVA kerros;
    kerros.Alusta("Piha", 1280, 1024, 0, 0, 1, 1);
    Lisaa(
        "kerros", [] {},
        [&] {
            g.LisaaKuva(kerros, 0, 0, 1, VARI{});
            g.PiilotaOsoitin();
            g.Paivita(nullptr, 0, 0, 0);
        });
    for (OBJEKTI* osa : {&p.lento->piha, &p.lento->museo})
        Lisaa(
            osa == &p.lento->piha ? "piha" : "museo",
            [&] {
                m.Aseta(SURVIVOR1000);
                p.PidaLento(0);
                p.Kehys(); // the flight's camera
                p.EiPiirretty();
            },
            [&, osa] {
                g.LisaaObjekti(*osa);
                g.PiilotaOsoitin();
                g.Paivita(nullptr, 0, 0, 0);
            });

    for (int kierros = 0; kierros < kierrokset; kierros++)
        for (TAPAUS& t : tapaukset) {
            t.asetus();
            t.ajat.push_back(MediaaniFrame(framet, t.frame));
        }
    if (kupla < g.MallienMaara) g.Mallit[kupla] = alkuperainen;
    m.Aseta(SURVIVOR1000);

    // ---- Results ----
    auto Ms = [&](const std::string& avain) {
        for (const TAPAUS& t : tapaukset)
            if (t.avain == avain) return t.Ms();
        return 0.0;
    };
    for (const TAPAUS& t : tapaukset) tulokset.Kirjaa("analyysi." + t.avain + "_ms", t.Ms());
    const double tyhja = Ms("tyhja"), pohja = Ms("lento_ilman_kuplia");
    printf("\nCosts of content (median over %d rounds of %d frames)\n", kierrokset, framet);
    printf("  Survivor flight with no bubble (scenery, plane, blowers, HUD): %.3f ms\n", pohja);
    std::vector<double> kuplaUs;
    for (double n : kolmiot) {
        double t = Ms("kupla." + std::to_string((int)n));
        kuplaUs.push_back((t - pohja) / KUPLIEN_MAARA * 1000.0);
        printf("  1000 bubbles as spheres of %3.0f triangles: %7.3f ms, %.2f us a bubble\n", n, t,
               kuplaUs.back());
    }
    double a = 0, b = 0;
    if (kolmiot.size() >= 2) Suora(kolmiot, kuplaUs, a, b);
    printf("  a bubble costs %.2f us + %.4f us a triangle\n", a, b);
    tulokset.Kirjaa("analyysi.kupla_us_kutsu", a);
    tulokset.Kirjaa("analyysi.kupla_us_kolmio", b);

    // ms = c0 N + c1 A over the text cases, least squares through the origin.
    printf("  text alone (screens full of glyphs, the pointer hidden):\n");
    double nn = 0, na = 0, aa = 0, ny = 0, ay = 0;
    for (int k = 0; k < 5; k++) {
        std::string avain = "merkki." + std::to_string((int)(koot[k] * 10 + 0.5));
        double t = Ms(avain) - tyhja;
        printf("    size %.1f: %5.0f glyphs over %5.0f kpx: %.3f ms, %.2f us a glyph\n", koot[k],
               merkkeja[k], ala[k] / 1000, Ms(avain), t / merkkeja[k] * 1000.0);
        tulokset.Kirjaa("analyysi." + avain + ".merkkeja", merkkeja[k]);
        tulokset.Kirjaa("analyysi." + avain + ".kpx", ala[k] / 1000);
        nn += merkkeja[k] * merkkeja[k];
        na += merkkeja[k] * ala[k];
        aa += ala[k] * ala[k];
        ny += merkkeja[k] * t;
        ay += ala[k] * t;
    }
    double det = nn * aa - na * na;
    double c0 = det != 0 ? (ny * aa - ay * na) / det : 0;
    double c1 = det != 0 ? (nn * ay - na * ny) / det : 0;
    printf("  a glyph costs %.3f us + %.2f ns a pixel it covers\n", c0 * 1000, c1 * 1e6);
    tulokset.Kirjaa("analyysi.merkki_us", c0 * 1000);
    tulokset.Kirjaa("analyysi.merkki_ns_pikseli", c1 * 1e6);
    printf("  one textured layer over the whole screen: %.3f ms\n", Ms("kerros"));
    printf("  the yard alone (%u triangles): %.3f ms; the museum and sky alone (%u): %.3f ms\n",
           g.Mallit[p.lento->piha.MalliIndeksi].VerteksienMaara / 3u, Ms("piha"),
           g.Mallit[p.lento->museo.MalliIndeksi].VerteksienMaara / 3u, Ms("museo"));
}

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
    bool analyysi = false;
    int opt;
    while ((opt = getopt(argc, argv, "ac:f:k:o:s:")) != -1) {
        if (opt == 'a') analyysi = true;
        if (opt == 'c') kuvakansio = optarg;
        if (opt == 'f') framet = atoi(optarg);
        if (opt == 'k') kierrokset = atoi(optarg);
        if (opt == 'o') ulos = optarg;
        if (opt == 's') vainSkene = optarg;
    }
    if (argc - optind != 2 || framet < 1 || kierrokset < 1) {
        fprintf(stderr,
                "usage: %s [-f FRAMES] [-k ROUNDS] [-o FILE] [-s SCENE] [-c FOLDER] [-a] WIDTH "
                "HEIGHT\n",
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

    PELITILA p;
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
    p.g.AlustaPuskurit();
    p.g.IkkunanLeveys = W;
    p.g.IkkunanKorkeus = H;
    p.g.Osoitin.Alusta("Osoitin", 64, 64, 0, 0, 1, 1);
    p.g.NaytaOsoitin();
    Vaihe("fontti", "font, draw buffers, camera, pointer");
    p.AlustaObjektit();
    Vaihe("objektit", "scenery objects and planes");
    p.AlustaKuplat();
    Vaihe("kuplat", "blowers, bubbles and their sounds, bonus, world");
    p.AlustaMusiikki();
    Vaihe("musiikki", "music and the menus' sound effects");
    p.AlustaPisteet();
    Mix_VolumeMusic(84);
    Vaihe("pisteet", "score tables, race bubbles");
    p.Kehys();
    p.g.Paivita(nullptr, p.h.AnnaX(), p.h.AnnaY(), p.k->frameAikaPiirrossa);
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
    MITTARI mittari{p, nullptr, nullptr, {}, {}, nullptr};
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
            for (int i = 0; i < framet; i++) ajat.push_back(mittari.Frame(s, &m.sisalto));
            m.prosessori.push_back((Prosessori() - prosessori) / framet);
            m.varauksiaFramessa = (double)(Varauksia() - varauksia) / framet;
            if (kierros == 0) m.ruutuja = mittari.Ruutuja(s);
            if (kierros == 0 && kuvakansio) {
                mittari.Frame(s, nullptr);
                KuvaTalteen(kuvakansio, SKENEN_NIMI[s]);
            }
            m.kuplia = p.ElaviaKuplia();
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
        SuuntaaKone(p.kiinnitetty,
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
