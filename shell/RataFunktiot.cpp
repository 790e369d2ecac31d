// Race track files.
#include "files/TiedostoFunktiot.h"
#include "shell/Kuori.h"

#include <cmath>
#include <cstring>
#include <vector>

void RATA::Alusta(const OBJEKTI& malli) {
    for (int i = 0; i < RADAN_KUPLAT; i++) {
        kuplat[i].Alusta(malli);
        kuplat[i].Skaalaus = 4.0;
        boostit[i] = 0.0;
    }
}

namespace {

double LueDouble(const Uint8* p) {
    Uint64 bitit = 0;
    for (int i = 7; i >= 0; i--) bitit = (bitit << 8) | p[i];
    double d;
    memcpy(&d, &bitit, sizeof d);
    return d;
}

} // namespace

void RataTavuista(const Uint8* tavut, size_t n, RATA& rata) {
    if (n < 4) return;
    Sint32 maara = (Sint32)((Uint32)tavut[0] | (Uint32)tavut[1] << 8 | (Uint32)tavut[2] << 16 |
                            (Uint32)tavut[3] << 24);
    // Counts past the 200 slots read the first 200; a negative count reads none.
    if (maara < 0) maara = 0;
    if (maara > RADAN_KUPLAT) maara = RADAN_KUPLAT;
    Sint32 luettu = 0;
    for (; luettu < maara; luettu++) {
        size_t kohta = 4 + 32 * (size_t)luettu;
        if (kohta + 32 > n) break; // a short file: whole entries only
        double x = LueDouble(tavut + kohta), y = LueDouble(tavut + kohta + 8),
               z = LueDouble(tavut + kohta + 16), boosti = LueDouble(tavut + kohta + 24);
        // A bubble nowhere, or a boost of no size, would leave the plane's state
        // not-a-number for good: the track ends before such an entry.
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) || !std::isfinite(boosti))
            break;
        rata.kuplat[luettu].Sijainti.Aseta(x, y, z);
        rata.boostit[luettu] = boosti;
    }
    rata.pituus = luettu;
}

bool LataaRata(const char* polku, RATA& rata) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return false;
    std::vector<Uint8> tavut(4 + 32 * RADAN_KUPLAT);
    size_t n = fread(tavut.data(), 1, tavut.size(), f);
    fclose(f);
    RataTavuista(tavut.data(), n, rata);
    return true;
}

const char* RadanPolku(int pelityyppi) {
    static const char* const POLUT[PELITYYPPEJA] = {
        "",
        "Tiedostot\\Muu Data\\BubbleRaceA.dat",
        "Tiedostot\\Muu Data\\BubbleRaceB.dat",
        "Tiedostot\\Muu Data\\BubbleRaceC.dat",
        "Tiedostot\\Muu Data\\BubbleRaceD.dat",
        "Tiedostot\\Muu Data\\BubbleRaceE.dat",
        "Tiedostot\\Muu Data\\BubbleRaceF.dat",
    };
    return (pelityyppi > 0 && pelityyppi < PELITYYPPEJA) ? POLUT[pelityyppi] : "";
}
