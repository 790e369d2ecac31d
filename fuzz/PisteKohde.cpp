// A score file as the game reads it at start-up, then results entered into it
// as the game-over screen does: names always end within their fields, and the
// table saves and reads back byte for byte.
#include "MuistiTiedosto.h"
#include "bubbles/PisteFunktiot.h"

#include <climits>
#include <cstring>
#include <initializer_list>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    PISTEET p;
    p.Lataa(polku);
    for (const auto& nimi : p.pilotNames) VAADI(memchr(nimi, 0, sizeof nimi) != nullptr);

    // The bytes the file had are the table's, but for each name's eleventh byte.
    Uint8 kuva[PISTETIEDOSTON_KOKO];
    p.Tavuiksi(kuva);
    for (size_t i = 0; i < size && i < PISTETIEDOSTON_KOKO; i++) {
        bool nimenLoppu = i >= 164 && (i - 164) % PILOTIN_NIMI == PILOTIN_NIMI - 1;
        VAADI(kuva[i] == (nimenLoppu ? 0 : data[i]));
    }
    PISTEET q;
    q.Tavuista(kuva, sizeof kuva);
    VAADI(memcmp(&p, &q, sizeof p) == 0);

    // Results from the file's own numbers, in both kinds of game.
    Uint32 kuplat = size >= 4 ? (Uint32)data[size - 1] << 24 | data[0] : 0;
    Uint32 aika = size >= 2 ? (Uint32)data[1] * 977u : 0;
    for (bool kisa : {false, true}) {
        Sint32 ennen = p.flights;
        int sija = p.LisaaTulos(kisa, kuplat, aika, "Sumea nimi liian pitka");
        VAADI(sija >= -1 && sija < SIJOJEN_MAARA);
        VAADI(ennen == INT_MAX ? p.flights == ennen : p.flights == ennen + 1);
        if (sija >= 0) VAADI(strcmp(p.pilotNames[sija], "Sumea nimi") == 0);
        for (const auto& nimi : p.pilotNames) VAADI(memchr(nimi, 0, sizeof nimi) != nullptr);
    }
    return 0;
}
