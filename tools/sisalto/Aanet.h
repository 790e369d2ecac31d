// The sound generator's instruments, shared by the music (Musiikki.cpp) and the
// effects (Tehosteet.cpp): voices and drums as mono sample lists, a stereo track
// they are mixed into, and the Ogg Vorbis encoder that writes a track.
#pragma once

#include "Sisalto.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

const int TAAJUUS = 22050; // samples a second: the mixer's rate
const double PII = 3.14159265358979;

// The fixed-seed noise of the drums.
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

double Taajuus(int midi); // Hz

// A note of a wavetable voice (0 saw, 1 square, 2 soft) with attack, decay to a
// sustain level, release, a one-pole low-pass whose cut-off follows the
// envelope, and optional vibrato.
std::vector<float> Aani(double f, double kesto, int muoto, double isku, double vaimeneminen,
                        double pito, double paasto, double kirkkaus, double vibrato = 0,
                        double vire = 0);
// A mallet or bell: frequency modulation with a decaying index.
std::vector<float> Kello(double f, double kesto, double suhde, double indeksi, double vaimeneminen);
std::vector<float> Potku(double voima);
std::vector<float> Virveli(NOPPA& noppa, double voima);
std::vector<float> Symbaali(NOPPA& noppa, double voima, double kesto);

// Notes written as "name:beats" (C4 is MIDI 60, '#' sharp), r for a rest.
struct NUOTTI {
    int midi; // -1 rest
    double iskut;
};
std::vector<NUOTTI> Nuotit(const std::string& teksti);
// A chord by name: root and quality, as MIDI notes from the root in octave 3.
std::vector<int> Sointu(const std::string& nimi);

// Scales the track so that its loudest sample is `huippu`.
void Normalisoi(RAITA& r, double huippu);
// Encodes the track into the file `polku` of the data folder: `laatu` is Vorbis's
// quality, the serial number keeps the bytes the same on every run.
bool Koodaa(KOHDE& kohde, const std::string& polku, const RAITA& r, int sarjanumero, float laatu,
            const char* otsikko);

// The music and the effects.
RAITA Intro();         // the calm menu theme
RAITA Demoni();        // the driving flight theme
RAITA Tehoste(AANI a); // the effect played for a
