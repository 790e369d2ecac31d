// Music and sound effects, synthesised here and encoded as Ogg Vorbis at the
// mixer's rate (22050 Hz, stereo). intro.ogg is the calm menu theme, demoni.ogg
// the driving flight theme; aani1..aani5 are the short effects.
//
// Instruments are built from band-limited wavetables, decaying partials, a bell
// made by frequency modulation and drums from pitch sweeps and filtered noise.
// Every random number comes from a fixed-seed generator and the Ogg streams have
// fixed serial numbers, so every run writes the same bytes.
#include "Sisalto.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

const int TAAJUUS = 22050;
const double PII = 3.14159265358979;

struct NOPPA {
    uint32_t tila;
    explicit NOPPA(uint32_t siemen) : tila(siemen) {}
    double Kohina() { // -1..1
        tila = tila * 1664525u + 1013904223u;
        return ((tila >> 8) & 0xFFFF) / 32767.5 - 1.0;
    }
};

struct RAITA {
    std::vector<float> V, O; // left, right
    explicit RAITA(double sekunnit)
        : V((size_t)(sekunnit * TAAJUUS) + 1, 0.0f), O((size_t)(sekunnit * TAAJUUS) + 1, 0.0f) {}
    // Mixes a mono sound in from t0 seconds, placed by `paikka` (-1 left .. 1 right).
    void Lisaa(double t0, const std::vector<float>& s, double voimakkuus, double paikka) {
        size_t alku = (size_t)(t0 * TAAJUUS + 0.5);
        double gv = voimakkuus * std::sqrt(0.5 * (1 - paikka)),
               go = voimakkuus * std::sqrt(0.5 * (1 + paikka));
        for (size_t i = 0; i < s.size() && alku + i < V.size(); i++) {
            V[alku + i] += (float)(s[i] * gv);
            O[alku + i] += (float)(s[i] * go);
        }
    }
};

double Taajuus(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// One cycle of a band-limited wave: 0 saw, 1 square, 2 triangle-like soft wave.
const std::vector<float>& Aaltotaulu(int muoto, int harmoniset) {
    static std::map<std::pair<int, int>, std::vector<float>> muisti;
    auto avain = std::make_pair(muoto, harmoniset);
    auto it = muisti.find(avain);
    if (it != muisti.end()) return it->second;
    std::vector<float> t(2048, 0.0f);
    for (int k = 1; k <= harmoniset; k++) {
        double a = 0;
        if (muoto == 0) a = 1.0 / k;
        if (muoto == 1) a = (k % 2) ? 1.0 / k : 0;
        if (muoto == 2) a = (k % 2) ? 1.0 / (k * k) : 0.15 / (k * k);
        if (a == 0) continue;
        for (int i = 0; i < 2048; i++)
            t[(size_t)i] += (float)(a * std::sin(2 * PII * k * i / 2048.0));
    }
    float huippu = 0;
    for (float v : t) huippu = std::fmax(huippu, std::fabs(v));
    for (float& v : t) v /= huippu;
    return muisti.emplace(avain, t).first->second;
}

// A note of a wavetable voice with attack, decay to a sustain level, release, a
// one-pole low-pass whose cut-off follows the envelope, and optional vibrato.
std::vector<float> Aani(double f, double kesto, int muoto, double isku, double vaimeneminen,
                        double pito, double paasto, double kirkkaus, double vibrato = 0,
                        double vire = 0) {
    int harmoniset = (int)(9000.0 / f);
    if (harmoniset < 1) harmoniset = 1;
    if (harmoniset > 60) harmoniset = 60;
    const std::vector<float>& t = Aaltotaulu(muoto, harmoniset);
    size_t n = (size_t)((kesto + paasto) * TAAJUUS);
    std::vector<float> s(n);
    double vaihe = 0, suodin = 0;
    for (size_t i = 0; i < n; i++) {
        double aika = (double)i / TAAJUUS;
        double v;
        if (aika < isku)
            v = aika / isku;
        else if (aika < kesto)
            v = pito + (1 - pito) * std::exp(-(aika - isku) / vaimeneminen);
        else
            v = (pito + (1 - pito) * std::exp(-(kesto - isku) / vaimeneminen)) *
                std::exp(-(aika - kesto) / (paasto * 0.3));
        double ff = f * (1 + vire) *
                    (1 + vibrato * std::sin(2 * PII * 5.2 * aika) * std::fmin(1.0, aika * 2));
        vaihe += ff / TAAJUUS;
        vaihe -= std::floor(vaihe);
        double x = vaihe * 2048;
        size_t j = (size_t)x;
        double osa = x - (double)j;
        double arvo = t[j & 2047] * (1 - osa) + t[(j + 1) & 2047] * osa;
        double raja = std::fmin(0.95, kirkkaus * (0.3 + 0.7 * v));
        suodin += raja * (arvo - suodin);
        s[i] = (float)(suodin * v);
    }
    return s;
}

// A mallet or bell: frequency modulation with a decaying index.
std::vector<float> Kello(double f, double kesto, double suhde, double indeksi,
                         double vaimeneminen) {
    size_t n = (size_t)(kesto * TAAJUUS);
    std::vector<float> s(n);
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double v = std::exp(-t / vaimeneminen) * std::fmin(1.0, t * 400);
        double mod =
            indeksi * std::exp(-t / (vaimeneminen * 0.4)) * std::sin(2 * PII * f * suhde * t);
        s[i] = (float)(v * std::sin(2 * PII * f * t + mod));
    }
    return s;
}

std::vector<float> Potku(double voima) {
    size_t n = (size_t)(0.35 * TAAJUUS);
    std::vector<float> s(n);
    double vaihe = 0;
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double f = 45 + 110 * std::exp(-t / 0.035);
        vaihe += f / TAAJUUS;
        s[i] = (float)(voima * std::exp(-t / 0.11) * std::sin(2 * PII * vaihe) *
                       std::fmin(1.0, t * 2000));
    }
    return s;
}

std::vector<float> Virveli(NOPPA& noppa, double voima) {
    size_t n = (size_t)(0.22 * TAAJUUS);
    std::vector<float> s(n);
    double a = 0, b = 0;
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double x = noppa.Kohina();
        a += 0.6 * (x - a);    // low-pass
        double kaista = x - a; // the high part
        b += 0.5 * (kaista - b);
        double kohina = b * std::exp(-t / 0.07);
        double savel = 0.6 * std::sin(2 * PII * 185 * t) * std::exp(-t / 0.04);
        s[i] = (float)(voima * (kohina * 1.4 + savel));
    }
    return s;
}

std::vector<float> Symbaali(NOPPA& noppa, double voima, double kesto) {
    size_t n = (size_t)(kesto * 4 * TAAJUUS);
    std::vector<float> s(n);
    double edellinen = 0;
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double x = noppa.Kohina();
        double ylapaasto = x - edellinen;
        edellinen = x;
        s[i] = (float)(voima * 0.5 * ylapaasto * std::exp(-t / kesto));
    }
    return s;
}

// Notes written as "name:beats" (C4 is MIDI 60, '#' sharp), r for a rest.
struct NUOTTI {
    int midi; // -1 rest
    double iskut;
};

std::vector<NUOTTI> Nuotit(const std::string& teksti) {
    std::vector<NUOTTI> n;
    std::istringstream s(teksti);
    std::string sana;
    while (s >> sana) {
        size_t kp = sana.find(':');
        std::string nimi = sana.substr(0, kp);
        double iskut = std::stod(sana.substr(kp + 1));
        if (nimi == "r") {
            n.push_back(NUOTTI{-1, iskut});
            continue;
        }
        static const int askel[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
        int midi = askel[nimi[0] - 'A'];
        size_t i = 1;
        if (nimi[i] == '#') {
            midi++;
            i++;
        }
        int oktaavi = std::stoi(nimi.substr(i));
        n.push_back(NUOTTI{midi + 12 * (oktaavi + 1), iskut});
    }
    return n;
}

// A chord by name: root and quality, as MIDI notes from the root in octave 3.
std::vector<int> Sointu(const std::string& nimi) {
    static const int askel[7] = {9, 11, 0, 2, 4, 5, 7};
    int juuri = askel[nimi[0] - 'A'] + 48;
    size_t i = 1;
    if (i < nimi.size() && nimi[i] == '#') {
        juuri++;
        i++;
    }
    std::string laatu = nimi.substr(i);
    if (laatu == "m") return {juuri, juuri + 3, juuri + 7};
    if (laatu == "maj7") return {juuri, juuri + 4, juuri + 7, juuri + 11};
    if (laatu == "m7") return {juuri, juuri + 3, juuri + 7, juuri + 10};
    if (laatu == "sus") return {juuri, juuri + 5, juuri + 7};
    return {juuri, juuri + 4, juuri + 7};
}

void Normalisoi(RAITA& r, double huippu) {
    double suurin = 1e-9;
    for (size_t i = 0; i < r.V.size(); i++)
        suurin = std::fmax(suurin, std::fmax(std::fabs(r.V[i]), std::fabs(r.O[i])));
    double k = huippu / suurin;
    for (size_t i = 0; i < r.V.size(); i++) {
        r.V[i] = (float)(r.V[i] * k);
        r.O[i] = (float)(r.O[i] * k);
    }
}

bool Koodaa(KOHDE& kohde, const std::string& polku, const RAITA& r, int sarjanumero, float laatu,
            const char* otsikko) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, TAAJUUS, laatu) != 0) {
        vorbis_info_clear(&vi);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", otsikko);
    vorbis_comment_add_tag(&vc, "ALBUM", "The Tavio");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, sarjanumero);

    std::string ulos;
    ogg_page og;
    ogg_packet op;
    auto Sivu = [&]() {
        ulos.append((const char*)og.header, (size_t)og.header_len);
        ulos.append((const char*)og.body, (size_t)og.body_len);
    };
    {
        ogg_packet h, hc, hk;
        vorbis_analysis_headerout(&vd, &vc, &h, &hc, &hk);
        ogg_stream_packetin(&os, &h);
        ogg_stream_packetin(&os, &hc);
        ogg_stream_packetin(&os, &hk);
        while (ogg_stream_flush(&os, &og)) Sivu();
    }
    size_t n = r.V.size(), kohta = 0;
    bool loppu = false;
    while (!loppu) {
        size_t pala = std::min<size_t>(4096, n - kohta);
        if (pala == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** puskuri = vorbis_analysis_buffer(&vd, (int)pala);
            for (size_t i = 0; i < pala; i++) {
                puskuri[0][i] = r.V[kohta + i];
                puskuri[1][i] = r.O[kohta + i];
            }
            vorbis_analysis_wrote(&vd, (int)pala);
            kohta += pala;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og)) {
                    Sivu();
                    if (ogg_page_eos(&og)) loppu = true;
                }
            }
        }
        if (pala == 0) loppu = true;
    }
    while (ogg_stream_flush(&os, &og)) Sivu();
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return KirjoitaTiedosto(kohde, polku, ulos);
}

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

RAITA Demoni() {
    const double isku = 60.0 / 132;
    const std::vector<std::string> a = {"Am", "F", "C", "G", "Am", "F", "G", "E"};
    const std::vector<std::string> b = {"F", "G", "Am", "Am", "F", "G", "E", "E"};
    std::vector<std::string> soinnut = {"Am", "Am", "F", "G"};
    std::vector<int> osa = {0, 0, 0, 0}; // 0 intro, 1 A, 2 B, 3 break, 4 outro
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
    double kesto = soinnut.size() * 4 * isku + 3;
    RAITA r(kesto);
    NOPPA noppa(13);
    for (size_t tahti = 0; tahti < soinnut.size(); tahti++) {
        double t0 = tahti * 4 * isku;
        std::vector<int> s = Sointu(soinnut[tahti]);
        int o = osa[tahti];
        bool viimeinen = tahti + 1 == soinnut.size();
        bool taite = tahti + 1 < soinnut.size() && osa[tahti + 1] != o;
        // Drums.
        if (viimeinen) {
            r.Lisaa(t0, Potku(1.0), 0.9, 0);
            r.Lisaa(t0, Symbaali(noppa, 1.0, 0.5), 0.35, 0.2);
        } else if (o == 3) {
            r.Lisaa(t0, Potku(0.9), 0.8, 0);
            r.Lisaa(t0 + 2.5 * isku, Potku(0.7), 0.7, 0);
            for (int k = 0; k < 4; k++)
                r.Lisaa(t0 + (k + 0.5) * isku, Symbaali(noppa, 0.5, 0.04), 0.3, 0.3);
        } else {
            for (int k = 0; k < 4; k++) r.Lisaa(t0 + k * isku, Potku(1.0), 0.85, 0);
            if (o != 0 || tahti >= 2)
                for (int k = 0; k < 8; k++)
                    r.Lisaa(t0 + k * 0.5 * isku,
                            Symbaali(noppa, k % 2 ? 0.8 : 0.45, k % 2 ? 0.05 : 0.025), 0.3, 0.3);
            if (o != 0) {
                r.Lisaa(t0 + 1 * isku, Virveli(noppa, 1.0), 0.6, -0.1);
                r.Lisaa(t0 + 3 * isku, Virveli(noppa, 1.0), 0.6, -0.1);
            }
            if (taite)
                for (int k = 0; k < 4; k++)
                    r.Lisaa(t0 + (3 + k * 0.25) * isku, Virveli(noppa, 0.5 + 0.15 * k), 0.5, 0.1);
            if (tahti > 0 && osa[tahti - 1] != o)
                r.Lisaa(t0, Symbaali(noppa, 1.0, 0.35), 0.3, -0.3);
        }
        // Bass: driving eighths on the root with octave jumps.
        static const int bassokuvio[8] = {0, 0, 12, 0, 0, 12, 0, 7};
        if (viimeinen) {
            r.Lisaa(t0, Aani(Taajuus(s[0] - 12), 2.5, 0, 0.005, 0.8, 0.3, 0.5, 0.25), 0.5, 0);
        } else if (o != 3) {
            for (int k = 0; k < 8; k++)
                r.Lisaa(t0 + k * 0.5 * isku,
                        Aani(Taajuus(s[0] - 12 + bassokuvio[k]), 0.45 * isku, 0, 0.005, 0.12, 0.3,
                             0.05, 0.22),
                        0.5, 0);
        }
        // Chords: short stabs on the off-beats in A and B, a wide pad in the break.
        if (o == 1 || o == 2) {
            for (int k = 0; k < 4; k++)
                for (size_t i = 0; i < s.size(); i++)
                    r.Lisaa(t0 + (k + 0.5) * isku,
                            Aani(Taajuus(s[i] + 12), 0.2 * isku, 0, 0.004, 0.08, 0.2, 0.06, 0.3),
                            0.07, -0.5 + (double)i / (double)s.size());
        } else if (o == 3 || o == 0) {
            for (size_t i = 0; i < s.size(); i++)
                r.Lisaa(t0,
                        Aani(Taajuus(s[i] + 12), 4 * isku, 0, 0.3, 1.0, 0.6, 0.5, 0.08, 0,
                             i % 2 ? 0.003 : -0.003),
                        o == 3 ? 0.12 : 0.06, -0.6 + 1.2 * (double)i / (double)s.size());
            if (o == 3)
                for (int k = 0; k < 8; k++)
                    r.Lisaa(t0 + k * 0.5 * isku,
                            Kello(Taajuus(s[(size_t)(k % 3)] + 24), 0.6, 3.5, 1.5, 0.2), 0.08,
                            k % 2 ? 0.5 : -0.5);
        }
    }
    // The lead: a bright square wave with a little vibrato, doubled an octave up quietly.
    auto Soita = [&](const std::string& nuotit, int tahti) {
        double t = tahti * 4 * isku;
        for (const NUOTTI& n : Nuotit(nuotit)) {
            if (n.midi >= 0) {
                double d = n.iskut * isku * 0.9;
                r.Lisaa(t, Aani(Taajuus(n.midi), d, 1, 0.01, 0.3, 0.6, 0.12, 0.3, 0.004), 0.2,
                        0.15);
                r.Lisaa(t, Aani(Taajuus(n.midi + 12), d, 2, 0.01, 0.2, 0.4, 0.1, 0.4, 0.004), 0.06,
                        -0.3);
            }
            t += n.iskut * isku;
        }
    };
    Soita(melodiaA, 4);
    Soita(melodiaB, 12);
    Soita(melodiaA, 24);
    Soita(melodiaB, 32);
    // A gentle saturation lifts the loudness the kick's peaks would otherwise keep down.
    Normalisoi(r, 1.0);
    for (size_t i = 0; i < r.V.size(); i++) {
        r.V[i] = (float)std::tanh(1.8 * r.V[i]);
        r.O[i] = (float)std::tanh(1.8 * r.O[i]);
    }
    Normalisoi(r, 0.87);
    return r;
}

// ---- Effects ------------------------------------------------------------------------

RAITA Tehoste(int n) {
    NOPPA noppa(100 + (uint32_t)n);
    if (n == 1) {
        // Result not placed: two falling, sagging tones.
        RAITA r(1.3);
        for (int i = 0; i < 2; i++) {
            double f0 = i ? 330 : 392;
            size_t m = (size_t)(0.55 * TAAJUUS);
            std::vector<float> s(m);
            double vaihe = 0;
            for (size_t j = 0; j < m; j++) {
                double t = (double)j / TAAJUUS;
                double f = f0 * (1 - 0.12 * t / 0.55) * (1 + 0.012 * std::sin(2 * PII * 6 * t));
                vaihe += f / TAAJUUS;
                double v = std::fmin(1.0, t * 80) * std::exp(-t / 0.35);
                s[j] = (float)(v * (std::sin(2 * PII * vaihe) + 0.35 * std::sin(4 * PII * vaihe) +
                                    0.2 * std::sin(6 * PII * vaihe)));
            }
            r.Lisaa(i * 0.45, s, 0.6, i ? 0.15 : -0.15);
        }
        Normalisoi(r, 0.8);
        return r;
    }
    if (n == 2) {
        // Crash, game over, bubbles gone: a crunch of noise sinking into a thud.
        RAITA r(1.2);
        size_t m = (size_t)(1.1 * TAAJUUS);
        std::vector<float> s(m);
        double a = 0;
        for (size_t j = 0; j < m; j++) {
            double t = (double)j / TAAJUUS;
            double x = noppa.Kohina();
            double raja = 0.6 * std::exp(-t / 0.25) + 0.02;
            a += raja * (x - a);
            double rutina = a * std::exp(-t / 0.3) * (1 + 0.5 * std::sin(2 * PII * 31 * t));
            double jysahdys = std::sin(2 * PII * (70 * t - 25 * t * t)) * std::exp(-t / 0.25);
            s[j] = (float)(rutina * 1.5 + 0.8 * jysahdys);
        }
        r.Lisaa(0, s, 1.0, 0);
        Normalisoi(r, 0.85);
        return r;
    }
    if (n == 3) {
        // A spare chime: two soft bell notes.
        RAITA r(1.2);
        r.Lisaa(0, Kello(Taajuus(76), 1.0, 3.5, 1.5, 0.35), 0.5, -0.2);
        r.Lisaa(0.12, Kello(Taajuus(83), 1.0, 3.5, 1.5, 0.35), 0.45, 0.2);
        Normalisoi(r, 0.7);
        return r;
    }
    if (n == 4) {
        // Bubble caught: a quick rising bloop and a sparkle.
        RAITA r(0.45);
        size_t m = (size_t)(0.18 * TAAJUUS);
        std::vector<float> s(m);
        double vaihe = 0;
        for (size_t j = 0; j < m; j++) {
            double t = (double)j / TAAJUUS;
            double f = 380 * std::pow(3.2, t / 0.09);
            vaihe += f / TAAJUUS;
            s[j] =
                (float)(std::sin(2 * PII * vaihe) * std::fmin(1.0, t * 600) * std::exp(-t / 0.07));
        }
        r.Lisaa(0, s, 0.8, 0);
        r.Lisaa(0.07, Kello(Taajuus(96), 0.35, 2.0, 0.7, 0.07), 0.25, 0.3);
        r.Lisaa(0.1, Kello(Taajuus(100), 0.3, 2.0, 0.7, 0.06), 0.18, -0.3);
        Normalisoi(r, 0.8);
        return r;
    }
    // Placed in the Top-20: a rising fanfare ending in a bright chord.
    RAITA r(1.8);
    const int savelet[4] = {72, 76, 79, 84};
    for (int i = 0; i < 4; i++) {
        double t0 = i * 0.13;
        double kesto = i == 3 ? 0.9 : 0.16;
        r.Lisaa(t0,
                Aani(Taajuus(savelet[i]), kesto, 0, 0.01, 0.4, 0.7, 0.25, 0.35, i == 3 ? 0.006 : 0),
                0.4, -0.2 + 0.13 * i);
        r.Lisaa(t0, Kello(Taajuus(savelet[i] + 12), 0.6, 3.5, 1.0, 0.2), 0.15, 0.2);
    }
    for (int s : {60, 64, 67})
        r.Lisaa(0.39, Aani(Taajuus(s), 0.9, 0, 0.02, 0.5, 0.6, 0.3, 0.25), 0.2, 0);
    Normalisoi(r, 0.8);
    return r;
}

} // namespace

bool TeeAanet(KOHDE& k) {
    bool ok = Koodaa(k, Datassa(VALIKKOMUSIIKKI), Intro(), 0x54415601, 0.3f, "Paper Wings (menu)");
    ok = Koodaa(k, Datassa(LENTOMUSIIKKI), Demoni(), 0x54415602, 0.3f, "Bubble Chase (flight)") &&
         ok;
    for (int n = 1; n <= AANIA; n++)
        ok = Koodaa(k, Datassa(AANITIEDOSTOT[n - 1]), Tehoste(n), 0x54415610 + n, 0.4f, "effect") &&
             ok;
    return ok;
}
