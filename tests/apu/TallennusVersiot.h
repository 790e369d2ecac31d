// The files the save tests write over and over: version k of the settings file
// (tiedosto 0) and of the seven score files (1..7), made with the game's own
// records, so that a file on disk can be told to be exactly one version.
#pragma once

#include "bubbles/PisteFunktiot.h"
#include "shell/Asetukset.h"

#include <cstdio>
#include <string>
#include <vector>

enum { TALLENNETTAVIA = 8 };

// The game path of file `tiedosto`, as the game names it at shutdown.
inline std::string TallennusPolku(int tiedosto) {
    if (tiedosto == 0) return ASETUSTIEDOSTO;
    return "Tiedostot\\Muu Data\\Pisteet" + std::to_string(tiedosto) + ".sav";
}

// The same with '/' separators, for the test's own reading.
inline std::string TallennusTiedosto(int tiedosto) {
    std::string p = TallennusPolku(tiedosto);
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

inline ASETUKSET AsetusVersio(unsigned k) {
    ASETUKSET a;
    a.resoluutio = (Sint32)(k % 6);
    a.kokoNaytto = (Uint8)((k / 6) & 1);
    a.varattu = (Uint8)k;
    return a;
}

// Consecutive versions differ in every field.
inline PISTEET PisteVersio(int tiedosto, unsigned k) {
    PISTEET p;
    p.flights = (Sint32)k;
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        p.flightTimes[i] = k * 1000u + (unsigned)i;
        p.bubbleCounts[i] = k + (unsigned)(tiedosto * 100 + i);
        snprintf(p.pilotNames[i], PILOTIN_NIMI, "P%u.%d", k, i);
    }
    return p;
}

inline std::vector<Uint8> TallennusVersio(int tiedosto, unsigned k) {
    if (tiedosto == 0) {
        Uint8 t[ASETUSTIEDOSTON_KOKO];
        AsetusVersio(k).Tavuiksi(t);
        return std::vector<Uint8>(t, t + sizeof t);
    }
    Uint8 t[PISTETIEDOSTON_KOKO];
    PisteVersio(tiedosto, k).Tavuiksi(t);
    return std::vector<Uint8>(t, t + sizeof t);
}
