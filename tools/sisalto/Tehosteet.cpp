// The sound effects, one for each use the game has for one (AANI in
// files/Sisalto.h); the digit keys of the menus play them too.
#include "Aanet.h"

#include <cmath>

namespace {

// `sekunnit` of a sound whose sample at time t (seconds) is aani(t), taken in
// order (the sound may keep a state from one sample to the next).
template <class F> std::vector<float> Naytteet(double sekunnit, F aani) {
    std::vector<float> s((size_t)(sekunnit * TAAJUUS));
    for (size_t j = 0; j < s.size(); j++) s[j] = (float)aani((double)j / TAAJUUS);
    return s;
}

// A result out of the Top-20: two falling, sagging tones.
RAITA EiSijaa() {
    RAITA r(1.3);
    for (int i = 0; i < 2; i++) {
        double f0 = i ? 330 : 392;
        double vaihe = 0;
        auto savel = [&](double t) {
            double f = f0 * (1 - 0.12 * t / 0.55) * (1 + 0.012 * std::sin(2 * PII * 6 * t));
            vaihe += f / TAAJUUS;
            double v = std::fmin(1.0, t * 80) * std::exp(-t / 0.35);
            return v * (std::sin(2 * PII * vaihe) + 0.35 * std::sin(4 * PII * vaihe) +
                        0.2 * std::sin(6 * PII * vaihe));
        };
        r.Lisaa(i * 0.45, Naytteet(0.55, savel), 0.6, i ? 0.15 : -0.15);
    }
    Normalisoi(r, 0.8);
    return r;
}

// A flight ends (a crash, the game over) and the bonus that clears the bubbles:
// a crunch of noise sinking into a thud.
RAITA Loppu() {
    NOPPA noppa(102);
    RAITA r(1.2);
    double a = 0;
    auto aani = [&](double t) {
        double x = noppa.Kohina();
        double raja = 0.6 * std::exp(-t / 0.25) + 0.02;
        a += raja * (x - a);
        double rutina = a * std::exp(-t / 0.3) * (1 + 0.5 * std::sin(2 * PII * 31 * t));
        double jysahdys = std::sin(2 * PII * (70 * t - 25 * t * t)) * std::exp(-t / 0.25);
        return rutina * 1.5 + 0.8 * jysahdys;
    };
    r.Lisaa(0, Naytteet(1.1, aani), 1.0, 0);
    Normalisoi(r, 0.85);
    return r;
}

// Only the key 3 plays it: a spare chime of two soft bell notes.
RAITA Kolme() {
    RAITA r(1.2);
    r.Lisaa(0, Kello(Taajuus(76), 1.0, 3.5, 1.5, 0.35), 0.5, -0.2);
    r.Lisaa(0.12, Kello(Taajuus(83), 1.0, 3.5, 1.5, 0.35), 0.45, 0.2);
    Normalisoi(r, 0.7);
    return r;
}

// A wanted bubble picked, a race bubble reached: a quick rising bloop and a sparkle.
RAITA Kupla() {
    RAITA r(0.45);
    double vaihe = 0;
    auto bloop = [&](double t) {
        double f = 380 * std::pow(3.2, t / 0.09);
        vaihe += f / TAAJUUS;
        return std::sin(2 * PII * vaihe) * std::fmin(1.0, t * 600) * std::exp(-t / 0.07);
    };
    r.Lisaa(0, Naytteet(0.18, bloop), 0.8, 0);
    r.Lisaa(0.07, Kello(Taajuus(96), 0.35, 2.0, 0.7, 0.07), 0.25, 0.3);
    r.Lisaa(0.1, Kello(Taajuus(100), 0.3, 2.0, 0.7, 0.06), 0.18, -0.3);
    Normalisoi(r, 0.8);
    return r;
}

// A result in the Top-20: a rising fanfare ending in a bright chord.
RAITA Sija() {
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

RAITA Tehoste(AANI a) {
    switch (a) {
    case AANI_EI_SIJAA:
        return EiSijaa();
    case AANI_LOPPU:
        return Loppu();
    case AANI_KOLME:
        return Kolme();
    case AANI_KUPLA:
        return Kupla();
    case AANI_SIJA:
        return Sija();
    case AANIA:
        break;
    }
    return RAITA(0);
}
