// Gathers what scripts/suorituskyky.sh measured into one JSON file of figures and
// a short report of the targets:
//
//   tavio_raportti FOLDER
//
// reads FOLDER/kone.txt, kehys.txt and peli.txt ("key=value" lines) and
// FOLDER/logiikka.json (Google Benchmark's output), and writes
// FOLDER/suorituskyky.json and FOLDER/raportti.txt (also to stdout).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

// ---- A small JSON reader: enough for Google Benchmark's output ----

struct JSON {
    enum { NULLI, TOTUUS, LUKU, TEKSTI, LISTA, OLIO } laji = NULLI;
    double luku = 0;
    bool totuus = false;
    std::string teksti;
    std::vector<JSON> lista;
    std::map<std::string, JSON> olio;

    const JSON* Kentta(const std::string& nimi) const {
        auto i = olio.find(nimi);
        return i == olio.end() ? nullptr : &i->second;
    }
};

struct JASENNIN {
    const std::string& s;
    size_t i = 0;
    bool virhe = false;

    void Tyhjat() {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\n' || s[i] == '\r' || s[i] == '\t')) i++;
    }
    std::string Merkkijono() {
        std::string ulos;
        i++; // "
        while (i < s.size() && s[i] != '"') {
            if (s[i] == '\\' && i + 1 < s.size()) {
                i++;
                char c = s[i];
                if (c == 'n') c = '\n';
                if (c == 't') c = '\t';
                if (c == 'u') { // a code we do not need to read: keep a marker
                    i += 4;
                    c = '?';
                }
                ulos += c;
            } else {
                ulos += s[i];
            }
            i++;
        }
        i++;
        return ulos;
    }
    JSON Arvo() {
        JSON j;
        Tyhjat();
        if (i >= s.size()) {
            virhe = true;
            return j;
        }
        char c = s[i];
        if (c == '{') {
            j.laji = JSON::OLIO;
            i++;
            Tyhjat();
            while (i < s.size() && s[i] != '}') {
                Tyhjat();
                std::string avain = Merkkijono();
                Tyhjat();
                i++; // :
                j.olio[avain] = Arvo();
                Tyhjat();
                if (i < s.size() && s[i] == ',') i++;
                Tyhjat();
            }
            i++;
        } else if (c == '[') {
            j.laji = JSON::LISTA;
            i++;
            Tyhjat();
            while (i < s.size() && s[i] != ']') {
                j.lista.push_back(Arvo());
                Tyhjat();
                if (i < s.size() && s[i] == ',') i++;
                Tyhjat();
            }
            i++;
        } else if (c == '"') {
            j.laji = JSON::TEKSTI;
            j.teksti = Merkkijono();
        } else if (s.compare(i, 4, "true") == 0 || s.compare(i, 5, "false") == 0) {
            j.laji = JSON::TOTUUS;
            j.totuus = s[i] == 't';
            i += j.totuus ? 4 : 5;
        } else if (s.compare(i, 4, "null") == 0) {
            i += 4;
        } else {
            j.laji = JSON::LUKU;
            char* loppu = nullptr;
            j.luku = strtod(s.c_str() + i, &loppu);
            if (loppu == s.c_str() + i) {
                virhe = true;
                i++;
            } else {
                i = (size_t)(loppu - s.c_str());
            }
        }
        return j;
    }
};

std::string Lue(const std::string& polku) {
    std::ifstream f(polku);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

std::string JsonTeksti(const std::string& t) {
    std::string ulos = "\"";
    for (char c : t) {
        if (c == '"' || c == '\\') ulos += '\\';
        if ((unsigned char)c < 0x20) continue;
        ulos += c;
    }
    return ulos + "\"";
}

std::string Luku(double x) {
    if (!std::isfinite(x)) return "null";
    char b[64];
    snprintf(b, sizeof b, "%.6g", x);
    return b;
}

// ---- The measured figures ----

struct ARVOT {
    std::map<std::string, std::vector<std::string>> arvot;

    void Lue(const std::string& polku) {
        std::ifstream f(polku);
        std::string rivi;
        while (std::getline(f, rivi)) {
            size_t yht = rivi.find('=');
            if (yht == std::string::npos) continue;
            arvot[rivi.substr(0, yht)].push_back(rivi.substr(yht + 1));
        }
    }
    bool On(const std::string& avain) const { return arvot.count(avain) > 0; }
    double Luku(const std::string& avain) const {
        auto i = arvot.find(avain);
        return i == arvot.end() || i->second.empty() ? NAN : atof(i->second.back().c_str());
    }
    std::string Teksti(const std::string& avain) const {
        auto i = arvot.find(avain);
        return i == arvot.end() || i->second.empty() ? "?" : i->second.back();
    }
    std::vector<double> Luvut(const std::string& avain) const {
        std::vector<double> v;
        auto i = arvot.find(avain);
        if (i != arvot.end())
            for (const std::string& s : i->second) v.push_back(atof(s.c_str()));
        return v;
    }
};

double Mediaani(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One benchmark of the logic: the median over the repetitions, in ns.
struct LOGIIKKA {
    double ns = NAN;
    std::map<std::string, double> laskurit;
};

double Nanosekunteina(double arvo, const std::string& yksikko) {
    if (yksikko == "us") return arvo * 1e3;
    if (yksikko == "ms") return arvo * 1e6;
    if (yksikko == "s") return arvo * 1e9;
    return arvo;
}

struct TAVOITE {
    std::string nimi;
    double mitattu;
    std::string yksikko;
    std::string raja;
    bool tayttyy;
    std::string huomio;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string kansio = argv[1];
    ARVOT a;
    a.Lue(kansio + "/kone.txt");
    a.Lue(kansio + "/kehys.txt");
    a.Lue(kansio + "/peli.txt");

    std::map<std::string, LOGIIKKA> logiikka;
    {
        std::string teksti = Lue(kansio + "/logiikka.json");
        JASENNIN j{teksti};
        JSON juuri = j.Arvo();
        const JSON* lista = juuri.Kentta("benchmarks");
        if (lista)
            for (const JSON& b : lista->lista) {
                const JSON* nimi = b.Kentta("run_name");
                const JSON* koonti = b.Kentta("aggregate_name");
                const JSON* aika = b.Kentta("real_time");
                const JSON* yksikko = b.Kentta("time_unit");
                if (!nimi || !aika || !yksikko) continue;
                // Repetitions give aggregates; a single run gives the run itself.
                if (koonti && koonti->teksti != "median") continue;
                LOGIIKKA& l = logiikka[nimi->teksti];
                l.ns = Nanosekunteina(aika->luku, yksikko->teksti);
                static const char* const TUTUT[] = {
                    "name",       "family_index",    "per_family_instance_index",
                    "run_name",   "run_type",        "repetitions",
                    "threads",    "aggregate_name",  "aggregate_unit",
                    "iterations", "real_time",       "cpu_time",
                    "time_unit",  "repetition_index"};
                for (const auto& k : b.olio) {
                    if (k.second.laji != JSON::LUKU) continue;
                    bool tuttu = false;
                    for (const char* t : TUTUT) tuttu = tuttu || k.first == t;
                    if (!tuttu) l.laskurit[k.first] = k.second.luku;
                }
            }
    }

    // ---- Targets ----
    const std::string P = "800x600.";
    std::vector<TAVOITE> tavoitteet;
    auto Tavoite = [&](const std::string& nimi, double mitattu, const std::string& yksikko,
                       const std::string& raja, bool tayttyy, const std::string& huomio = "") {
        tavoitteet.push_back(TAVOITE{nimi, mitattu, yksikko, raja, tayttyy, huomio});
    };
    const LOGIIKKA& lento = logiikka["Lento_Survivor1000_Kehys"];
    Tavoite("All game logic of a Survivor frame, 1000 live bubbles", lento.ns / 1e6, "ms",
            "< 0.1 ms", lento.ns < 1e5);
    double varaukset = 0;
    for (const char* n : {"Lento_Survivor1000_Kehys", "Lento_Survivor200_Kehys",
                          "Lento_KisaF_Kehys", "Lento_Survivor1000_LentoRuutu"}) {
        auto i = logiikka[n].laskurit.find("varauksia_framessa");
        varaukset += i == logiikka[n].laskurit.end() ? NAN : i->second;
    }
    Tavoite("Allocations in a flight frame (Survivor 200 and 1000, race)", varaukset, "a frame",
            "0", varaukset == 0);
    const double tyhja = a.Luku(P + "tyhja.ms");
    auto Suhde = [&](const char* nimi, const char* skene, double raja) {
        double s = a.Luku(P + skene + ".suhde");
        char r[32];
        snprintf(r, sizeof r, "<= %.0f x empty", raja);
        Tavoite(std::string(nimi) + ", 800 x 600", s, "x empty", r, s <= raja);
    };
    Suhde("Main menu", "paavalikko", 2);
    Suhde("Hall of Fame", "halloffame", 3);
    Suhde("Read-me screen", "lueminut", 3);
    auto Fps = [&](const std::string& nimi, const std::string& koko, const char* skene,
                   double raja) {
        double f = a.Luku(koko + "." + skene + ".fps");
        char r[32];
        snprintf(r, sizeof r, ">= %.0f fps", raja);
        std::string k = koko;
        k.replace(k.find('x'), 1, " x ");
        Tavoite(nimi + ", " + k, f, "fps", r, f >= raja);
    };
    // The ghost of a race is one more plane drawn: at most 5 % on the race's frame.
    const double haamu = a.Luku(P + "kisa_haamu.ms") / a.Luku(P + "kisa.ms");
    Tavoite("Race frame with its ghost, to the same frame without", haamu, "x", "<= 1.05",
            haamu <= 1.05);
    Fps("Survivor flight, 200 live bubbles", "800x600", "survivor200", 120);
    Fps("Survivor flight, 1000 live bubbles", "800x600", "survivor1000", 90);
    // Every scene at 1024 x 768, a size players pick, at least at the refresh rate
    // of a common screen (the game steps once a drawn frame), and the busiest
    // flights with room to spare on a software renderer.
    const struct {
        const char *skene, *nimi;
        double fps;
    } SKENET[] = {{"paavalikko", "Main menu", 60},
                  {"halloffame", "Hall of Fame", 60},
                  {"lueminut", "Read-me screen", 60},
                  {"survivor200", "Survivor flight, 200 live bubbles", 90},
                  {"survivor1000", "Survivor flight, 1000 live bubbles", 60},
                  {"kisa", "Bubble race F", 100}};
    for (const auto& s : SKENET) Fps(s.nimi, "1024x768", s.skene, s.fps);
    // Instructions a frame (scripts/kaskyt.sh, which a busy machine leaves be).
    const double kaskyja = a.Luku("1024x768.survivor1000.kaskyja");
    if (std::isfinite(kaskyja))
        Tavoite("Survivor flight, 1000 live bubbles, 1024 x 768, instructions", kaskyja / 1e6,
                "M a frame", "<= 150 M", kaskyja <= 150e6);
    double kaynnistys = Mediaani(a.Luvut("peli.ensimmainen_kuva_ms"));
    Tavoite("Start-up to the first presented frame (the game itself)", kaynnistys, "ms",
            "< 1000 ms", kaynnistys < 1000);

    // ---- What the content would have to be ----
    std::vector<std::string> sisalto;
    auto Rivi = [&](const char* muoto, double x, double y = 0, double z = 0, double w = 0) {
        char b[400];
        snprintf(b, sizeof b, muoto, x, y, z, w);
        sisalto.push_back(b);
    };
    const double kuplaKutsu = a.Luku(P + "analyysi.kupla_us_kutsu");
    const double kuplaKolmio = a.Luku(P + "analyysi.kupla_us_kolmio");
    const double ilmanKuplia = a.Luku(P + "analyysi.lento_ilman_kuplia_ms");
    const double kerros = a.Luku(P + "analyysi.kerros_ms");
    const double merkki = a.Luku(P + "analyysi.merkki_us");
    const double pikseli = a.Luku(P + "analyysi.merkki_ns_pikseli");
    {
        const double kisa = a.Luku(P + "kisa.ruutuja"), s200 = a.Luku(P + "survivor200.ruutuja"),
                     s1000 = a.Luku(P + "survivor1000.ruutuja");
        Rivi("Fill (fragments shaded, in screens of the window): race %.2f, Survivor with 200 "
             "bubbles %.2f, with 1000 %.2f; the scene covers the screen about once, and the "
             "bubbles, a few pixels each, add almost nothing.",
             kisa, s200, s1000);
        Rivi("Fill of the menus: main menu %.2f screens, Hall of Fame %.2f, read-me %.2f.",
             a.Luku(P + "paavalikko.ruutuja"), a.Luku(P + "halloffame.ruutuja"),
             a.Luku(P + "lueminut.ruutuja"));
    }
    const double kuplia = a.Luku("kuplat.mediaani");
    if (std::isfinite(kuplia))
        Rivi("Live bubbles in %.0f seeded one-minute Survivor flights of the scripted pilot, "
             "counted after every update: median %.0f, 99th percentile %.0f, largest %.0f (the "
             "Survivor scenes hold 200 and 1000).",
             a.Luku("kuplat.lentoja"), kuplia, a.Luku("kuplat.p99"), a.Luku("kuplat.suurin"));
    if (std::isfinite(kuplaKutsu)) {
        // The fit lends every bubble a sphere (no far versions): far bubbles, bundled.
        Rivi("A far bubble, drawn in a bundle, costs %.2f us and %.3f us a triangle (spheres "
             "of 24 to 288 triangles lent to every bubble; the data set's bubble has 96, its "
             "far versions 48 and 16).",
             kuplaKutsu, kuplaKolmio);
        Rivi("A Survivor frame with no bubble at all (yard, museum, sky, plane, blowers, HUD) "
             "takes %.2f ms; one textured layer over the whole screen takes %.2f ms.",
             ilmanKuplia, kerros);
        const double piha = a.Luku(P + "analyysi.piha_ms"), museo = a.Luku(P + "analyysi.museo_ms");
        Rivi("The yard alone takes %.2f ms and the museum with the sky %.2f ms, together %.1f "
             "full-screen layers: the cost of the scenery is the pixels it shades, not its "
             "triangles.",
             piha, museo, (piha + museo - 2 * tyhja) / (kerros - tyhja));
        const double lento = a.Luku(P + "analyysi.lento200_prosessori_ms");
        if (std::isfinite(lento)) {
            Rivi("The order of the scenery's triangles, in processor ms of the Survivor frame "
                 "with 200 bubbles: %.2f as made, %.2f with the yard's ground last, %.2f with "
                 "what stands clear of the ground first;",
                 lento, a.Luku(P + "analyysi.lento200.maa_viimeisena_prosessori_ms"),
                 a.Luku(P + "analyysi.lento200.irti_maasta_ensin_prosessori_ms"));
            Rivi("  pixels the orders change (ties of depth where things meet the ground, which "
                 "the later one wins): %.0f and %.0f in the yard; the museum's sky first rather "
                 "than last: %.0f.",
                 a.Luku(P + "analyysi.piha.maa_viimeisena.eroavia_pikseleita"),
                 a.Luku(P + "analyysi.piha.irti_maasta_ensin.eroavia_pikseleita"),
                 a.Luku(P + "analyysi.museo.taivas_ensin.eroavia_pikseleita"));
        }
        for (int n : {200, 1000}) {
            double budjetti = n == 200 ? 1000.0 / 120 : 1000.0 / 90;
            double vapaa = (budjetti - ilmanKuplia) * 1000 / n; // us a bubble
            if (vapaa <= 0) {
                Rivi("%.0f bubbles at %.0f fps: the frame without bubbles is already over the "
                     "%.2f ms budget, so no bubble model can reach it; the scenery would have to "
                     "shade fewer pixels (one full-screen layer alone is the floor).",
                     n, 1000 / budjetti, budjetti);
            } else if (vapaa <= kuplaKutsu) {
                Rivi("%.0f bubbles at %.0f fps leave %.2f us a bubble: less than a bubble's "
                     "fixed cost alone, so no bubble model can reach it.",
                     n, 1000 / budjetti, vapaa);
            } else {
                double kolmiot = (vapaa - kuplaKutsu) / kuplaKolmio;
                Rivi("%.0f bubbles at %.0f fps: the bubble model could have up to %.0f "
                     "triangles.",
                     n, 1000 / budjetti, kolmiot);
            }
        }
    }
    if (std::isfinite(merkki)) {
        Rivi("A glyph costs %.2f us and %.2f ns a pixel it covers (800 x 600).", merkki, pikseli);
        const double lueKuvia = a.Luku(P + "lueminut.kuvia");
        const double menuKuvia = a.Luku(P + "paavalikko.kuvia");
        const double huippuKuvia = a.Luku(P + "halloffame.kuvia");
        const double lueMs = a.Luku(P + "lueminut.ms");
        // The read-me's glyphs at their size, each what it costs on average now.
        double lueMerkki = (lueMs - tyhja) / lueKuvia; // ms a glyph
        Rivi("Read-me: %.0f images for %.2f ms over the empty frame; within 3 x it could have "
             "about %.0f glyphs of its size.",
             lueKuvia, lueMs - tyhja, 2 * tyhja / lueMerkki);
        double menuMs = a.Luku(P + "paavalikko.ms"), huippuMs = a.Luku(P + "halloffame.ms");
        Rivi("Main menu: %.0f images and the spinning plane for %.2f ms over the empty frame; "
             "within 2 x it could have about %.0f of its glyphs.",
             menuKuvia, menuMs - tyhja, tyhja / ((menuMs - tyhja) / menuKuvia));
        Rivi("Hall of Fame: %.0f images for %.2f ms over the empty frame; within 3 x it could "
             "have about %.0f of its glyphs.",
             huippuKuvia, huippuMs - tyhja, 2 * tyhja / ((huippuMs - tyhja) / huippuKuvia));
    }

    // ---- suorituskyky.json ----
    std::string json = "{\n  \"kone\": {";
    bool eka = true;
    for (const auto& k : a.arvot) {
        if (k.first.rfind("kone.", 0) != 0) continue;
        json += (eka ? "\n    " : ",\n    ") + JsonTeksti(k.first.substr(5)) + ": " +
                JsonTeksti(k.second.back());
        eka = false;
    }
    json += "\n  },\n  \"logiikka_ns\": {";
    eka = true;
    for (const auto& l : logiikka) {
        json += (eka ? "\n    " : ",\n    ") + JsonTeksti(l.first) +
                ": {\"mediaani_ns\": " + Luku(l.second.ns);
        for (const auto& c : l.second.laskurit)
            json += ", " + JsonTeksti(c.first) + ": " + Luku(c.second);
        json += "}";
        eka = false;
    }
    json += "\n  },\n  \"kehys\": {";
    eka = true;
    for (const auto& k : a.arvot) {
        if (k.first.rfind("kone.", 0) == 0 || k.first.rfind("peli.", 0) == 0) continue;
        json += (eka ? "\n    " : ",\n    ") + JsonTeksti(k.first) + ": " +
                Luku(atof(k.second.back().c_str()));
        eka = false;
    }
    json += "\n  },\n  \"peli\": {";
    eka = true;
    for (const auto& k : a.arvot) {
        if (k.first.rfind("peli.", 0) != 0) continue;
        json += (eka ? "\n    " : ",\n    ") + JsonTeksti(k.first.substr(5)) + ": [";
        for (size_t i = 0; i < k.second.size(); i++)
            json += (i ? ", " : "") + Luku(atof(k.second[i].c_str()));
        json += "]";
        eka = false;
    }
    json += "\n  },\n  \"tavoitteet\": [";
    for (size_t i = 0; i < tavoitteet.size(); i++) {
        const TAVOITE& t = tavoitteet[i];
        json += (i ? ",\n    " : "\n    ") + std::string("{\"tavoite\": ") + JsonTeksti(t.nimi) +
                ", \"mitattu\": " + Luku(t.mitattu) + ", \"yksikko\": " + JsonTeksti(t.yksikko) +
                ", \"raja\": " + JsonTeksti(t.raja) +
                ", \"tayttyy\": " + (t.tayttyy ? "true" : "false") + "}";
    }
    json += "\n  ],\n  \"sisalto\": [";
    for (size_t i = 0; i < sisalto.size(); i++)
        json += (i ? ",\n    " : "\n    ") + JsonTeksti(sisalto[i]);
    json += "\n  ]\n}\n";
    std::ofstream(kansio + "/suorituskyky.json") << json;

    // ---- raportti.txt ----
    std::string r;
    char b[512];
    auto Kirjoita = [&](const char* muoto, auto... x) {
        snprintf(b, sizeof b, muoto, x...);
        r += b;
    };
    Kirjoita("The Tavio: performance, %s\n", a.Teksti("kone.paiva").c_str());
    Kirjoita("Machine: %s, %s cores, %s MB; %s; %s (Mesa %s)\n",
             a.Teksti("kone.prosessori").c_str(), a.Teksti("kone.ytimia").c_str(),
             a.Teksti("kone.muisti_mt").c_str(), a.Teksti("kone.jarjestelma").c_str(),
             a.Teksti("kone.renderoija").c_str(), a.Teksti("kone.mesa").c_str());
    Kirjoita("Load average: %s before, %s after\n\n", a.Teksti("kone.kuorma_alussa").c_str(),
             a.Teksti("kone.kuorma_lopussa").c_str());

    Kirjoita("Targets\n");
    for (const TAVOITE& t : tavoitteet)
        Kirjoita("  %-60s %9.3f %-8s %-16s %s\n", t.nimi.c_str(), t.mitattu, t.yksikko.c_str(),
                 t.raja.c_str(), t.tayttyy ? "met" : "NOT MET");

    const char* skenet[] = {"tyhja",       "paavalikko",   "halloffame", "lueminut",
                            "survivor200", "survivor1000", "kisa",       "kisa_haamu"};
    const char* selitykset[] = {"empty frame (clear + swap)",
                                "main menu",
                                "Hall of Fame",
                                "read-me screen",
                                "Survivor, 200 bubbles",
                                "Survivor, 1000 bubbles",
                                "Bubble race F",
                                "Bubble race F with its ghost"};
    Kirjoita("\nFrames (median ms a frame on the clock, fps from the mean, x the empty frame,\n"
             "processor ms a frame of all the threads)\n");
    const char* const KOOT[] = {"800x600.", "1024x768.", "1600x1200."};
    Kirjoita("  %-28s", "");
    for (const char* koko : KOOT) {
        std::string k = koko;
        k.pop_back();
        k.replace(k.find('x'), 1, " x ");
        Kirjoita(" %36s", k.c_str());
    }
    Kirjoita("\n");
    for (size_t i = 0; i < sizeof skenet / sizeof skenet[0]; i++) {
        Kirjoita("  %-28s", selitykset[i]);
        for (const char* koko : KOOT) {
            std::string k = std::string(koko) + skenet[i];
            Kirjoita(" %7.3f ms %5.0f fps %5.1f x %6.2f cpu", a.Luku(k + ".ms"), a.Luku(k + ".fps"),
                     a.Luku(k + ".suhde"), a.Luku(k + ".prosessori_ms"));
        }
        Kirjoita("\n");
    }
    Kirjoita("  %-28s", "allocations a frame");
    for (const char* koko : KOOT) {
        std::string k = std::string(koko) + "survivor1000.varauksia_framessa";
        Kirjoita(" %36s", ("Survivor 1000: " + Luku(a.Luku(k))).c_str());
    }
    Kirjoita("\n");

    Kirjoita("\nStart-up to the first presented frame\n");
    std::vector<double> peli = a.Luvut("peli.ensimmainen_kuva_ms");
    Kirjoita("  the game itself (median of %zu starts): %.0f ms, peak memory then %.1f MB\n",
             peli.size(), kaynnistys, Mediaani(a.Luvut("peli.muisti_ensimmainen_kt")) / 1024);
    const char* vaiheet[][2] = {
        {"ennen_mainia", "process start to main"},
        {"ikkuna", "window, OpenGL and audio set-up, input"},
        {"mallit", "models"},
        {"tekstuurit", "textures"},
        {"fontti", "font, buffers, camera, pointer"},
        {"objektit", "scenery objects and planes"},
        {"kuplat", "blowers, bubbles and their sounds"},
        {"musiikki", "music and the menus' sounds"},
        {"pisteet", "score tables, race bubbles"},
        {"ensimmainen", "first frame, presented"},
    };
    Kirjoita("  the same steps timed one by one (800 x 600): %.0f ms\n",
             a.Luku(P + "kaynnistys.yhteensa_ms"));
    for (const auto& v : vaiheet)
        Kirjoita("    %-42s %7.1f ms\n", v[1], a.Luku(P + "kaynnistys." + v[0] + "_ms"));

    Kirjoita("\nPeak resident memory: %.0f MB at 800 x 600, %.0f MB at 1024 x 768, %.0f MB at "
             "1600 x 1200\n",
             a.Luku("800x600.muisti.huippu_kt") / 1024, a.Luku("1024x768.muisti.huippu_kt") / 1024,
             a.Luku("1600x1200.muisti.huippu_kt") / 1024);

    Kirjoita("\nLogic (median of the repetitions)\n");
    for (const auto& l : logiikka) {
        double ns = l.second.ns;
        if (ns >= 1e6)
            Kirjoita("  %-36s %10.3f ms\n", l.first.c_str(), ns / 1e6);
        else if (ns >= 1e3)
            Kirjoita("  %-36s %10.3f us\n", l.first.c_str(), ns / 1e3);
        else
            Kirjoita("  %-36s %10.1f ns\n", l.first.c_str(), ns);
    }

    Kirjoita("\nCosts of content, and what it would have to be (800 x 600)\n");
    for (const std::string& s : sisalto) Kirjoita("  %s\n", s.c_str());

    std::ofstream(kansio + "/raportti.txt") << r;
    fputs(r.c_str(), stdout);
    return 0;
}
