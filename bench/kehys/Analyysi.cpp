// The costs of content: what a frame costs as the content grows (a bubble by its
// triangles, a glyph by its size), the scenery on its own, and the order of the
// scenery's triangles.
#include "Kehys.h"

#include <GL/glew.h>
#include <cmath>
#include <functional>

namespace {

// Median frame time of `framet` frames drawn by `frame` (after a few unmeasured),
// and the processor time of all threads a frame in `prosessori`. Under callgrind
// the frames are a profile of their own, named `nimi`.
template <class F>
double MediaaniFrame(int framet, F frame, double& prosessori, const std::string& nimi) {
    for (int i = 0; i < 10; i++) frame();
    std::vector<double> ajat;
    CALLGRIND_ZERO_STATS;
    double p0 = Prosessori();
    for (int i = 0; i < framet; i++) {
        double alku = Nyt();
        frame();
        ajat.push_back(Nyt() - alku);
    }
    prosessori = (Prosessori() - p0) / framet;
    CALLGRIND_DUMP_STATS_AT(nimi.c_str());
    (void)nimi;
    return Mediaani(ajat);
}

// The frame just presented, read back from the front buffer.
std::vector<unsigned char> Esitetty(const GRAFIIKKA& g) {
    std::vector<unsigned char> p((size_t)g.IkkunanLeveys * (size_t)g.IkkunanKorkeus * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, g.IkkunanLeveys, g.IkkunanKorkeus, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

// A bubble's sphere (radius 2) of `renkaat` rings and `sektorit` sectors, mapped as
// the data set maps bubble 1: the top band of the shared texture.
void Pallo(int renkaat, int sektorit, std::vector<float>& xyz, std::vector<float>& uv) {
    const double PII = 3.14159265358979, r = 2;
    const double v0 = 0.75 + 1 / 512.0, v1 = 1 - 1 / 512.0;
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
    std::vector<double> prosessori;      // processor ms a frame in each round
    double Ms() const { return Mediaani(ajat); }
    double Cpu() const { return Mediaani(prosessori); }
};

// Other triangles lent to a model of the table for some frames: the arrays, and
// the indexed form the renderer draws (made once, not in the measured frames).
// Lend and Palauta swap the lent model with the table's own.
struct LAINA {
    Uint32 malli = EI_INDEKSIA;
    std::vector<float> xyz, uv;
    MALLI3D m; // the lent model; it owns only its indexed arrays
    bool lainassa = false;

    void Tee(const GRAFIIKKA& g, Uint32 indeksi) {
        malli = indeksi;
        m = g.Mallit[indeksi];
        m.Verteksit = xyz.data();
        m.TekstuuriKoordinaatit = uv.data();
        m.VerteksienMaara = (Uint16)(xyz.size() / 3);
        m.KulmaVerteksit = m.KulmaKoordinaatit = nullptr;
        m.Indeksit = nullptr;
        m.TeeIndeksit();
        m.Kaukainen = EI_INDEKSIA; // the lent triangles everywhere, far or near
    }
    void Lainaa(GRAFIIKKA& g) {
        if (!lainassa) std::swap(g.Mallit[malli], m);
        lainassa = true;
    }
    void Palauta(GRAFIIKKA& g) {
        if (lainassa) std::swap(g.Mallit[malli], m);
        lainassa = false;
    }
    ~LAINA() {
        delete[] m.KulmaVerteksit;
        delete[] m.KulmaKoordinaatit;
        delete[] m.Indeksit;
    }
};

} // namespace

void Analyysi(MITTARI& m, int framet, int kierrokset, TULOKSET& tulokset) {
    PELI& p = m.p;
    PIDETTY_LENTO& pidetty = m.pidetty;
    GRAFIIKKA& g = p.g;
    std::vector<TAPAUS> tapaukset;
    auto Lisaa = [&](std::string avain, std::function<void()> asetus, std::function<void()> frame) {
        tapaukset.push_back(TAPAUS{std::move(avain), std::move(asetus), std::move(frame), {}, {}});
    };

    Lisaa(
        "tyhja", [] {}, [&] { m.Frame(TYHJA, nullptr); });

    // Bubbles: the Survivor frame with no bubble, then with 1000 bubbles drawn as
    // spheres of the bubble's size and mapping, from 24 to 288 triangles: the first
    // bubble model's arrays are lent the sphere while it is measured.
    auto Lento = [&] {
        pidetty.Pida(p, KUPLIEN_MAARA);
        p.Kehys();
        g.Paivita(0, 0, 0);
    };
    Lisaa(
        "lento_ilman_kuplia", [&] { m.Aseta(SURVIVOR1000); },
        [&] {
            pidetty.Pida(p, 0);
            p.Kehys();
            g.Paivita(0, 0, 0);
        });
    const Uint32 kupla = g.EtsiMalli(m.survivor->kuplat.templates[0].MalliNimi);
    const int jaot[][2] = {{3, 6}, {4, 8}, {5, 8}, {6, 10}, {8, 12}, {10, 16}};
    std::vector<std::unique_ptr<LAINA>> pallot;
    std::vector<double> kolmiot;
    for (int i = 0; i < 6 && kupla < g.MallienMaara; i++) {
        pallot.emplace_back(new LAINA);
        LAINA& l = *pallot.back();
        Pallo(jaot[i][0], jaot[i][1], l.xyz, l.uv);
        l.Tee(g, kupla);
        kolmiot.push_back((double)l.xyz.size() / 9);
        Lisaa(
            "kupla." + std::to_string((int)kolmiot.back()),
            [&] {
                // Every bubble, and every one blown meanwhile, drawn with the model
                // that is lent the sphere in the frames.
                m.Aseta(SURVIVOR1000);
                KUPLA& kuplat = p.lento->kuplat;
                for (OBJEKTI& o : kuplat.templates)
                    snprintf(o.MalliNimi, sizeof o.MalliNimi, "%s", g.Mallit[kupla].Nimi);
                for (OBJEKTI& o : kuplat.bubbles)
                    snprintf(o.MalliNimi, sizeof o.MalliNimi, "%s", g.Mallit[kupla].Nimi);
            },
            [&, i] {
                // Lent for the frame only (a swap of two records): the cases take turns.
                pallot[(size_t)i]->Lainaa(g);
                Lento();
                pallot[(size_t)i]->Palauta(g);
            });
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
                g.Paivita(0, 0, 0);
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
            g.Paivita(0, 0, 0);
        });
    for (OBJEKTI* osa : {&p.lento->piha, &p.lento->museo})
        Lisaa(
            osa == &p.lento->piha ? "piha" : "museo",
            [&] {
                m.Aseta(SURVIVOR1000);
                pidetty.Pida(p, 0);
                p.Kehys(); // the flight's camera
                p.EiPiirretty();
            },
            [&, osa] {
                g.LisaaObjekti(*osa);
                g.PiilotaOsoitin();
                g.Paivita(0, 0, 0);
            });

    // The order of the scenery's triangles is content: the yard with its ground
    // (the triangles lying on y = 0) after everything that stands on it, and the
    // museum with its sky dome first rather than last; alone with the flight's
    // camera and in the Survivor frame with 200 bubbles. Whatever is drawn nearer
    // first lets the depth test reject what it hides before that is shaded. The
    // models are lent the reordered arrays for their frames only.
    const Uint32 pihaMalli = p.lento->piha.MalliIndeksi, museoMalli = p.lento->museo.MalliIndeksi;
    std::vector<std::unique_ptr<LAINA>> jarjestykset;
    auto Jarjesta = [&](Uint32 malli, const std::function<bool(const float*)>& ensin) {
        jarjestykset.emplace_back(new LAINA);
        LAINA& j = *jarjestykset.back();
        const MALLI3D& m = g.Mallit[malli];
        for (bool kierros : {true, false})
            for (int t = 0; t + 2 < m.VerteksienMaara; t += 3)
                if (ensin(m.Verteksit + 3 * t) == kierros) {
                    j.xyz.insert(j.xyz.end(), m.Verteksit + 3 * t, m.Verteksit + 3 * t + 9);
                    j.uv.insert(j.uv.end(), m.TekstuuriKoordinaatit + 2 * t,
                                m.TekstuuriKoordinaatit + 2 * t + 6);
                }
        j.Tee(g, malli);
    };
    const bool jarjestettavat = pihaMalli < g.MallienMaara && museoMalli < g.MallienMaara &&
                                g.Mallit[pihaMalli].Verteksit && g.Mallit[museoMalli].Verteksit;
    if (jarjestettavat) {
        // Everything but the ground first.
        Jarjesta(pihaMalli, [](const float* v) { return !(v[1] == 0 && v[4] == 0 && v[7] == 0); });
        // The sky first: the dome of radius 100 about (0, 0, 10); the building lies
        // within 72 of that point.
        Jarjesta(museoMalli, [](const float* v) {
            for (int i = 0; i < 3; i++) {
                const float* q = v + 3 * i;
                if (q[0] * q[0] + q[1] * q[1] + (q[2] - 10) * (q[2] - 10) > 90 * 90) return true;
            }
            return false;
        });
        // What stands clear of the ground (tree crowns, lamp heads) first, then the
        // rest as made: the ground, then what stands on it.
        Jarjesta(pihaMalli, [](const float* v) { return v[1] > 0 && v[4] > 0 && v[7] > 0; });
    }
    auto Lainaten = [&](std::unique_ptr<LAINA>& j, const std::function<void()>& frame) {
        j->Lainaa(g);
        frame();
        j->Palauta(g);
    };
    auto Maisema = [&] {
        m.Aseta(SURVIVOR1000);
        pidetty.Pida(p, 0);
        p.Kehys(); // the flight's camera
        p.EiPiirretty();
    };
    auto Lento200 = [&] {
        pidetty.Pida(p, 200);
        p.Kehys();
        g.Paivita(0, 0, 0);
    };
    if (jarjestettavat) {
        Lisaa("piha.maa_viimeisena", Maisema, [&] {
            Lainaten(jarjestykset[0], [&] {
                g.LisaaObjekti(p.lento->piha);
                g.PiilotaOsoitin();
                g.Paivita(0, 0, 0);
            });
        });
        Lisaa("museo.taivas_ensin", Maisema, [&] {
            Lainaten(jarjestykset[1], [&] {
                g.LisaaObjekti(p.lento->museo);
                g.PiilotaOsoitin();
                g.Paivita(0, 0, 0);
            });
        });
        Lisaa("piha.irti_maasta_ensin", Maisema, [&] {
            Lainaten(jarjestykset[2], [&] {
                g.LisaaObjekti(p.lento->piha);
                g.PiilotaOsoitin();
                g.Paivita(0, 0, 0);
            });
        });
        Lisaa(
            "lento200", [&] { m.Aseta(SURVIVOR200); }, Lento200);
        Lisaa(
            "lento200.maa_viimeisena", [&] { m.Aseta(SURVIVOR200); },
            [&] { Lainaten(jarjestykset[0], Lento200); });
        Lisaa(
            "lento200.irti_maasta_ensin", [&] { m.Aseta(SURVIVOR200); },
            [&] { Lainaten(jarjestykset[2], Lento200); });
    }

    for (int kierros = 0; kierros < kierrokset; kierros++)
        for (TAPAUS& t : tapaukset) {
            t.asetus();
            double cpu = 0;
            t.ajat.push_back(MediaaniFrame(framet, t.frame, cpu, "analyysi." + t.avain));
            t.prosessori.push_back(cpu);
        }
    // Whether the reordered scenery shows the same picture: pixels that differ.
    long eroavia[3] = {-1, -1, -1};
    if (jarjestettavat)
        for (int i = 0; i < 3; i++) {
            OBJEKTI& osa = i == 1 ? p.lento->museo : p.lento->piha;
            auto Frame = [&] {
                Maisema();
                g.LisaaObjekti(osa);
                g.PiilotaOsoitin();
                g.Paivita(0, 0, 0);
            };
            Frame();
            const std::vector<unsigned char> tehty = Esitetty(g);
            Lainaten(jarjestykset[(size_t)i], Frame);
            const std::vector<unsigned char> jarjestetty = Esitetty(g);
            eroavia[i] = 0;
            for (size_t k = 0; k + 2 < tehty.size(); k += 3)
                eroavia[i] += tehty[k] != jarjestetty[k] || tehty[k + 1] != jarjestetty[k + 1] ||
                              tehty[k + 2] != jarjestetty[k + 2];
        }
    m.Aseta(SURVIVOR1000);

    // ---- Results ----
    auto Ms = [&](const std::string& avain) {
        for (const TAPAUS& t : tapaukset)
            if (t.avain == avain) return t.Ms();
        return 0.0;
    };
    auto Cpu = [&](const std::string& avain) {
        for (const TAPAUS& t : tapaukset)
            if (t.avain == avain) return t.Cpu();
        return 0.0;
    };
    for (const TAPAUS& t : tapaukset) {
        tulokset.Kirjaa("analyysi." + t.avain + "_ms", t.Ms());
        tulokset.Kirjaa("analyysi." + t.avain + "_prosessori_ms", t.Cpu());
    }
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
    if (jarjestettavat) {
        printf("  the order of the scenery's triangles (the same triangles; what may differ is a "
               "tie of depth, which the later one wins):\n");
        tulokset.Kirjaa("analyysi.piha.maa_viimeisena.eroavia_pikseleita", (double)eroavia[0]);
        tulokset.Kirjaa("analyysi.museo.taivas_ensin.eroavia_pikseleita", (double)eroavia[1]);
        tulokset.Kirjaa("analyysi.piha.irti_maasta_ensin.eroavia_pikseleita", (double)eroavia[2]);
        auto Vertaa = [&](const char* mika, const char* a, const char* b, const char* bMika,
                          long eroja) {
            printf("    %s: %.3f ms (%.3f cpu) as made, %.3f ms (%.3f cpu) %s", mika, Ms(a), Cpu(a),
                   Ms(b), Cpu(b), bMika);
            if (eroja >= 0) printf(" (%ld pixels differ)", eroja);
            printf("\n");
        };
        Vertaa("the yard alone", "piha", "piha.maa_viimeisena", "with its ground last", eroavia[0]);
        Vertaa("the yard alone", "piha", "piha.irti_maasta_ensin",
               "with what stands clear of the ground first", eroavia[2]);
        Vertaa("the museum alone (the sky last)", "museo", "museo.taivas_ensin",
               "with the sky first", eroavia[1]);
        Vertaa("Survivor with 200 bubbles", "lento200", "lento200.maa_viimeisena",
               "with the yard's ground last", -1);
        Vertaa("Survivor with 200 bubbles", "lento200", "lento200.irti_maasta_ensin",
               "with what stands clear of the ground first", -1);
    }
}
