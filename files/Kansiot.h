// Finding the data folder and choosing the folder of the saves at start-up. The
// choice is then handed to AsetaTiedostojenPaikka (files/TiedostoFunktiot.h),
// and nothing else in the game needs to know where its files live.
#pragma once

#include <string>
#include <vector>

// The places the data folder (the folder that holds Tiedostot) is looked for,
// first match wins. An empty field is a place that is not there to try.
struct DATAN_HAKU {
    std::string komentorivi;      // --data DIR
    std::string ymparisto;        // the environment variable TAVIO_DATA
    std::string ohjelma;          // the executable's own path (/proc/self/exe)
    std::string ohjelmastaDataan; // the data folder relative to the executable's folder
    std::string asennettu;        // the data folder of the configured install prefix
};

struct KOKEILTU_PAIKKA {
    std::string mista; // "--data", "TAVIO_DATA", "the working directory", ...
    std::string kansio;
};

struct DATAN_PAIKKA {
    bool loytyi = false;
    // The folder that holds Tiedostot; "" when it is the working directory, whose
    // paths are then used exactly as written and whose saves stay beside the data.
    std::string kansio;
    bool tyohakemisto = false;
    // Every place looked at before the one found (all of them when none held the data).
    std::vector<KOKEILTU_PAIKKA> kokeillut;
};

// Whether `kansio` holds the data: Tiedostot/LatausLista.txt is there to read.
bool PitaaDatan(const std::string& kansio);

// Looks in the order --data, TAVIO_DATA, the working directory, beside the
// executable, the install prefix.
DATAN_PAIKKA EtsiData(const DATAN_HAKU& haku);

// The player's folder for saves: $XDG_DATA_HOME/tavio, or ~/.local/share/tavio
// when XDG_DATA_HOME is unset, empty or not an absolute path. `koti` is $HOME (or
// the password file's home when HOME is unset). "" when there is neither.
std::string TallenneKansio(const char* xdgDataHome, const char* koti);
