// The music: a calm theme for the menus and a driving one for the flights, both
// written out bar by bar from chord names and melodies.
#include "Aanet.h"

#include <cmath>

// ---- intro.ogg: a calm theme in D major, 84 beats a minute ------------------------

RAITA Intro() {
    const double isku = 60.0 / 84;
    const std::vector<std::string> soinnut = {
        "D",     "Bm",  "G",     "A",                                // intro
        "Dmaj7", "Bm7", "Gmaj7", "A",  "Dmaj7", "Bm7", "Gmaj7", "A", // theme
        "Em7",   "A",   "F#m",   "Bm", "Gmaj7", "A",   "D",     "D", // bridge
        "Dmaj7", "Bm7", "Gmaj7", "A",  "Dmaj7", "Bm7", "Gmaj7", "A", // theme again
        "G",     "A",   "D",     "D"};                               // close
    const std::string teema = "F#5:1.5 E5:0.5 D5:1 A4:1 B4:1.5 C#5:0.5 D5:1 F#5:1 "
                              "G5:1.5 F#5:0.5 E5:1 D5:1 E5:3 r:1 "
                              "F#5:1.5 E5:0.5 D5:1 A5:1 B5:1.5 A5:0.5 F#5:1 D5:1 "
                              "E5:1 G5:1 F#5:1 E5:1 D5:3 r:1";
    const std::string silta = "G5:1 F#5:0.5 E5:0.5 B4:2 C#5:1 E5:1 A5:2 "
                              "A5:1 F#5:1 C#5:2 D5:1 F#5:1 B5:2 "
                              "B5:1.5 A5:0.5 G5:1 E5:1 F#5:1 E5:1 C#5:1 A4:1 D5:4 r:4";
    double kesto = soinnut.size() * 4 * isku + 4;
    RAITA r(kesto);
    NOPPA noppa(8);
    for (size_t tahti = 0; tahti < soinnut.size(); tahti++) {
        double t0 = tahti * 4 * isku;
        std::vector<int> s = Sointu(soinnut[tahti]);
        bool viimeinen = tahti + 1 == soinnut.size();
        // Pad: soft saw voices, slow in and out, spread across the stereo field.
        for (size_t i = 0; i < s.size(); i++)
            r.Lisaa(t0,
                    Aani(Taajuus(s[i] + 12), 4 * isku * (viimeinen ? 1.6 : 1.0), 0, 0.8, 2.0, 0.7,
                         1.2, 0.05, 0, i % 2 ? 0.002 : -0.002),
                    0.09, -0.6 + 1.2 * (double)i / (double)s.size());
        // Bass: the root on beats 1 and 3.
        for (int b : {0, 2})
            if (!(viimeinen && b == 2))
                r.Lisaa(t0 + b * isku,
                        Aani(Taajuus(s[0] - 12), 1.8 * isku, 2, 0.01, 0.6, 0.5, 0.3, 0.2), 0.42, 0);
        // Mallet arpeggio in eighths.
        static const int kuvio[8] = {0, 1, 2, 1, 3, 1, 2, 1};
        std::vector<int> savelet = {s[0] + 12, s[1] + 12, s[2] + 12, s[0] + 24};
        if (!viimeinen)
            for (int k = 0; k < 8; k++)
                r.Lisaa(t0 + k * 0.5 * isku,
                        Kello(Taajuus(savelet[(size_t)kuvio[k]]), 1.2, 3.5, 1.2, 0.35),
                        k % 2 ? 0.07 : 0.1, k % 2 ? 0.4 : -0.3);
        // Light percussion once the tune has begun: a soft kick and a shaker.
        if (tahti >= 12 && tahti < soinnut.size() - 2) {
            r.Lisaa(t0, Potku(0.5), 0.5, 0);
            r.Lisaa(t0 + 2 * isku, Potku(0.4), 0.5, 0);
            for (int k = 0; k < 8; k++)
                r.Lisaa(t0 + k * 0.5 * isku, Symbaali(noppa, k % 2 ? 0.5 : 0.25, 0.03), 0.25, 0.35);
            r.Lisaa(t0 + 3 * isku, Virveli(noppa, 0.25), 0.3, -0.1);
        }
    }
    // The melody: a breathy lead with a slow vibrato.
    auto Soita = [&](const std::string& nuotit, double t0, double voima) {
        double t = t0;
        for (const NUOTTI& n : Nuotit(nuotit)) {
            if (n.midi >= 0)
                r.Lisaa(t,
                        Aani(Taajuus(n.midi), n.iskut * isku * 0.95, 2, 0.06, 0.8, 0.75, 0.25, 0.35,
                             0.006),
                        voima, 0.1);
            t += n.iskut * isku;
        }
    };
    Soita(teema, 4 * 4 * isku, 0.32);
    Soita(silta, 12 * 4 * isku, 0.32);
    Soita(teema, 20 * 4 * isku, 0.3);
    // The same tune an octave down as a quiet echo the second time.
    {
        double t = 20 * 4 * isku + 0.5 * isku;
        for (const NUOTTI& n : Nuotit(teema)) {
            if (n.midi >= 0)
                r.Lisaa(t, Kello(Taajuus(n.midi - 12), 0.8, 2.0, 0.8, 0.3), 0.08, -0.5);
            t += n.iskut * isku;
        }
    }
    Normalisoi(r, 0.7);
    return r;
}

// ---- demoni.ogg: a driving theme in A minor, 132 beats a minute ------------------

namespace {

const double DEMONIN_ISKU = 60.0 / 132; // seconds a beat

// One bar of the flight theme.
struct TAHTI {
    int n;                 // from the start
    double t0;             // its start, seconds
    std::vector<int> s;    // its chord's notes
    int o;                 // its part: 0 intro, 1 A, 2 B, 3 break, 4 outro
    bool viimeinen, taite; // the last bar of all; the last of its part
    bool alku;             // the first of a part after another
};

std::vector<TAHTI> DemoninTahdit() {
    const std::vector<std::string> a = {"Am", "F", "C", "G", "Am", "F", "G", "E"};
    const std::vector<std::string> b = {"F", "G", "Am", "Am", "F", "G", "E", "E"};
    std::vector<std::string> soinnut = {"Am", "Am", "F", "G"};
    std::vector<int> osa = {0, 0, 0, 0};
    auto lisaa = [&](const std::vector<std::string>& v, int o) {
        for (const std::string& s : v) {
            soinnut.push_back(s);
            osa.push_back(o);
        }
    };
    lisaa(a, 1);
    lisaa(b, 2);
    lisaa({"Am", "F", "C", "G"}, 3);
    lisaa(a, 1);
    lisaa(b, 2);
    lisaa({"Am", "F", "E", "Am"}, 4);
    std::vector<TAHTI> tahdit;
    for (size_t tahti = 0; tahti < soinnut.size(); tahti++) {
        int o = osa[tahti];
        tahdit.push_back(TAHTI{(int)tahti, tahti * 4 * DEMONIN_ISKU, Sointu(soinnut[tahti]), o,
                               tahti + 1 == soinnut.size(),
                               tahti + 1 < soinnut.size() && osa[tahti + 1] != o,
                               tahti > 0 && osa[tahti - 1] != o});
    }
    return tahdit;
}

void DemoninRummut(RAITA& r, NOPPA& noppa, const TAHTI& t) {
    const double isku = DEMONIN_ISKU, t0 = t.t0;
    if (t.viimeinen) {
        r.Lisaa(t0, Potku(1.0), 0.9, 0);
        r.Lisaa(t0, Symbaali(noppa, 1.0, 0.5), 0.35, 0.2);
    } else if (t.o == 3) {
        r.Lisaa(t0, Potku(0.9), 0.8, 0);
        r.Lisaa(t0 + 2.5 * isku, Potku(0.7), 0.7, 0);
        for (int k = 0; k < 4; k++)
            r.Lisaa(t0 + (k + 0.5) * isku, Symbaali(noppa, 0.5, 0.04), 0.3, 0.3);
    } else {
        for (int k = 0; k < 4; k++) r.Lisaa(t0 + k * isku, Potku(1.0), 0.85, 0);
        if (t.o != 0 || t.n >= 2)
            for (int k = 0; k < 8; k++)
                r.Lisaa(t0 + k * 0.5 * isku,
                        Symbaali(noppa, k % 2 ? 0.8 : 0.45, k % 2 ? 0.05 : 0.025), 0.3, 0.3);
        if (t.o != 0) {
            r.Lisaa(t0 + 1 * isku, Virveli(noppa, 1.0), 0.6, -0.1);
            r.Lisaa(t0 + 3 * isku, Virveli(noppa, 1.0), 0.6, -0.1);
        }
        if (t.taite)
            for (int k = 0; k < 4; k++)
                r.Lisaa(t0 + (3 + k * 0.25) * isku, Virveli(noppa, 0.5 + 0.15 * k), 0.5, 0.1);
        if (t.alku) r.Lisaa(t0, Symbaali(noppa, 1.0, 0.35), 0.3, -0.3);
    }
}

// Bass: driving eighths on the root with octave jumps.
void DemoninBasso(RAITA& r, const TAHTI& t) {
    static const int bassokuvio[8] = {0, 0, 12, 0, 0, 12, 0, 7};
    const std::vector<int>& s = t.s;
    if (t.viimeinen) {
        r.Lisaa(t.t0, Aani(Taajuus(s[0] - 12), 2.5, 0, 0.005, 0.8, 0.3, 0.5, 0.25), 0.5, 0);
    } else if (t.o != 3) {
        for (int k = 0; k < 8; k++)
            r.Lisaa(t.t0 + k * 0.5 * DEMONIN_ISKU,
                    Aani(Taajuus(s[0] - 12 + bassokuvio[k]), 0.45 * DEMONIN_ISKU, 0, 0.005, 0.12,
                         0.3, 0.05, 0.22),
                    0.5, 0);
    }
}

// Chords: short stabs on the off-beats in A and B, a wide pad in the break.
void DemoninSoinnut(RAITA& r, const TAHTI& t) {
    const double isku = DEMONIN_ISKU, t0 = t.t0;
    const std::vector<int>& s = t.s;
    if (t.o == 1 || t.o == 2) {
        for (int k = 0; k < 4; k++)
            for (size_t i = 0; i < s.size(); i++)
                r.Lisaa(t0 + (k + 0.5) * isku,
                        Aani(Taajuus(s[i] + 12), 0.2 * isku, 0, 0.004, 0.08, 0.2, 0.06, 0.3), 0.07,
                        -0.5 + (double)i / (double)s.size());
    } else if (t.o == 3 || t.o == 0) {
        for (size_t i = 0; i < s.size(); i++)
            r.Lisaa(t0,
                    Aani(Taajuus(s[i] + 12), 4 * isku, 0, 0.3, 1.0, 0.6, 0.5, 0.08, 0,
                         i % 2 ? 0.003 : -0.003),
                    t.o == 3 ? 0.12 : 0.06, -0.6 + 1.2 * (double)i / (double)s.size());
        if (t.o == 3)
            for (int k = 0; k < 8; k++)
                r.Lisaa(t0 + k * 0.5 * isku,
                        Kello(Taajuus(s[(size_t)(k % 3)] + 24), 0.6, 3.5, 1.5, 0.2), 0.08,
                        k % 2 ? 0.5 : -0.5);
    }
}

// The lead from bar `tahti` on: a bright square wave with a little vibrato,
// doubled an octave up quietly.
void DemoninMelodia(RAITA& r, const std::string& nuotit, int tahti) {
    const double isku = DEMONIN_ISKU;
    double t = tahti * 4 * isku;
    for (const NUOTTI& n : Nuotit(nuotit)) {
        if (n.midi >= 0) {
            double d = n.iskut * isku * 0.9;
            r.Lisaa(t, Aani(Taajuus(n.midi), d, 1, 0.01, 0.3, 0.6, 0.12, 0.3, 0.004), 0.2, 0.15);
            r.Lisaa(t, Aani(Taajuus(n.midi + 12), d, 2, 0.01, 0.2, 0.4, 0.1, 0.4, 0.004), 0.06,
                    -0.3);
        }
        t += n.iskut * isku;
    }
}

} // namespace

RAITA Demoni() {
    const std::string melodiaA =
        "E5:0.75 E5:0.25 D5:0.5 C5:0.5 D5:0.5 E5:1 r:0.5 F5:0.75 F5:0.25 E5:0.5 D5:0.5 C5:0.5 A4:1 "
        "r:0.5 "
        "G5:0.75 G5:0.25 E5:0.5 C5:0.5 E5:0.5 G5:1 C6:0.5 B5:1 A5:0.5 G5:0.5 D5:2 "
        "E5:0.75 E5:0.25 D5:0.5 C5:0.5 D5:0.5 E5:1 A5:0.5 C6:0.75 A5:0.25 F5:0.5 A5:0.5 C6:1 A5:1 "
        "B5:0.5 A5:0.5 G5:0.5 F5:0.5 E5:0.5 D5:0.5 B4:1 G#4:1 B4:1 E5:2";
    const std::string melodiaB = "A5:1 C6:0.5 A5:0.5 F5:1 A5:1 B5:1 D6:0.5 B5:0.5 G5:1 B5:1 "
                                 "C6:1.5 B5:0.5 A5:1 E5:1 A5:0.5 G5:0.5 A5:0.5 B5:0.5 C6:2 "
                                 "D6:1 C6:0.5 A5:0.5 F5:1 C6:1 B5:1 A5:0.5 G5:0.5 D5:1 G5:1 "
                                 "G#5:1 B5:1 E6:1 D6:1 B5:2 G#5:1 E5:1";
    std::vector<TAHTI> tahdit = DemoninTahdit();
    RAITA r(tahdit.size() * 4 * DEMONIN_ISKU + 3);
    NOPPA noppa(13);
    for (const TAHTI& t : tahdit) {
        DemoninRummut(r, noppa, t);
        DemoninBasso(r, t);
        DemoninSoinnut(r, t);
    }
    DemoninMelodia(r, melodiaA, 4);
    DemoninMelodia(r, melodiaB, 12);
    DemoninMelodia(r, melodiaA, 24);
    DemoninMelodia(r, melodiaB, 32);
    // A gentle saturation lifts the loudness the kick's peaks would otherwise keep down.
    Normalisoi(r, 1.0);
    for (size_t i = 0; i < r.V.size(); i++) {
        r.V[i] = (float)std::tanh(1.8 * r.V[i]);
        r.O[i] = (float)std::tanh(1.8 * r.O[i]);
    }
    Normalisoi(r, 0.87);
    return r;
}
