// Running the players' tools (tavio-check, tavio-track) from the tests, on a
// copy of the generated data set in the test's own folder.
#pragma once

#include "apu/TestiApu.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

struct AJO {
    int tila = -1;                  // exit status
    std::vector<std::string> rivit; // what it printed on stdout, line by line
};

// Runs a command line with the shell; stderr goes to the test's log.
inline AJO Aja(const std::string& komento) {
    AJO ajo;
    FILE* p = popen(komento.c_str(), "r");
    if (!p) return ajo;
    std::string ulos;
    char lohko[4096];
    size_t n;
    while ((n = fread(lohko, 1, sizeof lohko, p)) > 0) ulos.append(lohko, n);
    int tila = pclose(p);
    ajo.tila = WIFEXITED(tila) ? WEXITSTATUS(tila) : -1;
    size_t alku = 0;
    while (alku < ulos.size()) {
        size_t loppu = ulos.find('\n', alku);
        if (loppu == std::string::npos) loppu = ulos.size();
        ajo.rivit.push_back(ulos.substr(alku, loppu - alku));
        alku = loppu + 1;
    }
    return ajo;
}

inline std::string Lainattu(const std::string& s) {
    return "'" + s + "'";
}
inline std::string Tarkistin() {
    return Lainattu(TAVIO_TARKISTIN);
}
inline std::string RataTyokalu() {
    return Lainattu(TAVIO_RATATYOKALU);
}

// The generated data set (Tiedostot of the build folder) copied into the working
// folder, without the saves the game or other tests may have written there.
inline void KopioiData() {
    std::string komento = "cp -r " + Lainattu(KoontiKansio() + "/Tiedostot") +
                          " . && rm -f 'Tiedostot/Muu Data/'*.sav";
    if (system(komento.c_str()) != 0) abort();
}

inline std::string LueTeksti(const std::string& polku) {
    std::vector<Uint8> t = LueTiedosto(polku);
    return std::string(t.begin(), t.end());
}
