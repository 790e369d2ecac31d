#include "bubbles/PisteFunktiot.h"

#include "files/TiedostoFunktiot.h"
#include "flight/PPFunktiot.h"
#include "foundation/AikaFunktiot.h"

#include <climits>
#include <cstring>

void LENTOTIEDOT::Alusta() {
    startTick = AnnaTikit();
    flightTime = 0;
    altitude = 0;
    bubblesPicked = 0;
}

void LENTOTIEDOT::Paivita(const PAPERPLANE& kone) {
    // Unsigned difference: survives the clock wrapping during a flight.
    flightTime = AnnaTikit() - startTick;
    altitude = kone.body.Sijainti.y;
}

// ---- Score tables -----------------------------------------------------------
//
// File layout, little-endian, no header: flights (4), 20 flight times (4 each),
// 20 bubble counts (4 each), 20 names (11 each) = 384 bytes.

namespace {

enum {
    KOHTA_AJAT = 4,
    KOHTA_KUPLAT = KOHTA_AJAT + 4 * SIJOJEN_MAARA,
    KOHTA_NIMET = KOHTA_KUPLAT + 4 * SIJOJEN_MAARA,
};
static_assert(KOHTA_NIMET + PILOTIN_NIMI * SIJOJEN_MAARA == PISTETIEDOSTON_KOKO,
              "the score file is 384 bytes");

void KirjoitaLuku(Uint8* ulos, Uint32 luku) {
    for (int i = 0; i < 4; i++) ulos[i] = (Uint8)(luku >> (8 * i));
}

Uint32 LueLuku(const Uint8* tavut) {
    return (Uint32)tavut[0] | (Uint32)tavut[1] << 8 | (Uint32)tavut[2] << 16 |
           (Uint32)tavut[3] << 24;
}

} // namespace

void PISTEET::Tavuiksi(Uint8 ulos[PISTETIEDOSTON_KOKO]) const {
    KirjoitaLuku(ulos, (Uint32)flights);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        KirjoitaLuku(ulos + KOHTA_AJAT + 4 * i, flightTimes[i]);
        KirjoitaLuku(ulos + KOHTA_KUPLAT + 4 * i, bubbleCounts[i]);
        memcpy(ulos + KOHTA_NIMET + PILOTIN_NIMI * i, pilotNames[i], PILOTIN_NIMI);
    }
}

void PISTEET::Tavuista(const Uint8* tavut, size_t n) {
    if (n > PISTETIEDOSTON_KOKO) n = PISTETIEDOSTON_KOKO;
    // A short file replaces only the bytes it has: lay it over the table's own
    // image and read the whole image back.
    Uint8 kuva[PISTETIEDOSTON_KOKO];
    Tavuiksi(kuva);
    memcpy(kuva, tavut, n);
    flights = (Sint32)LueLuku(kuva);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        flightTimes[i] = LueLuku(kuva + KOHTA_AJAT + 4 * i);
        bubbleCounts[i] = LueLuku(kuva + KOHTA_KUPLAT + 4 * i);
        memcpy(pilotNames[i], kuva + KOHTA_NIMET + PILOTIN_NIMI * i, PILOTIN_NIMI);
        // A damaged or hand-edited file may fill all 11 bytes.
        pilotNames[i][PILOTIN_NIMI - 1] = '\0';
    }
}

void PISTEET::Lataa(const char* polku) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return;
    Uint8 tavut[PISTETIEDOSTON_KOKO];
    size_t n = 0;
    while (n < sizeof tavut) {
        size_t luettu = fread(tavut + n, 1, sizeof tavut - n, f);
        if (luettu == 0) break;
        n += luettu;
    }
    fclose(f);
    Tavuista(tavut, n);
}

bool PISTEET::Tallenna(const char* polku) const {
    Uint8 tavut[PISTETIEDOSTON_KOKO];
    Tavuiksi(tavut);
    return TallennaTurvallisesti(polku, tavut, sizeof tavut);
}

int PISTEET::LisaaTulos(bool kuplaKisa, Uint32 kuplat, Uint32 aika, const char* nimi) {
    // A count read from a damaged file may already be at the top; it stays there
    // rather than turning negative.
    if (flights < INT_MAX) flights++;

    // Every entry is compared as it was before this result, and the entries below
    // the new one move down one place from that copy.
    const PISTEET vanha = *this;
    int sija = -1;
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        bool parempi = kuplat > vanha.bubbleCounts[i];
        if (kuplat == vanha.bubbleCounts[i])
            parempi = kuplaKisa ? aika < vanha.flightTimes[i] : aika > vanha.flightTimes[i];
        if (!parempi) continue;
        if (sija != -1) {
            bubbleCounts[i] = vanha.bubbleCounts[i - 1];
            flightTimes[i] = vanha.flightTimes[i - 1];
            memcpy(pilotNames[i], vanha.pilotNames[i - 1], PILOTIN_NIMI);
        } else {
            bubbleCounts[i] = kuplat;
            flightTimes[i] = aika;
            // Up to 10 bytes, NUL-padded; a longer name is cut.
            memset(pilotNames[i], 0, PILOTIN_NIMI);
            if (nimi) strncpy(pilotNames[i], nimi, PILOTIN_NIMI - 1);
            sija = i;
        }
    }
    return sija;
}
