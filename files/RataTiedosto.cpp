// Race track files.
#include "files/RataTiedosto.h"

#include "files/LukuHuomiot.h"
#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

double LueDouble(const Uint8* p) {
    Uint64 bitit = 0;
    for (int i = 7; i >= 0; i--) bitit = (bitit << 8) | p[i];
    double d;
    memcpy(&d, &bitit, sizeof d);
    return d;
}

// A count that disagrees with the file's length, for the checker.
void HuomaaRata(Sint32 maara, size_t n, LUKUHUOMIOT& huomiot) {
    long long kokonaisia = (long long)(n - 4) / 32;
    if (maara < 0) huomiot.LisaaKohtaan(RATA_NEGATIIVINEN, 0, maara);
    if (maara == 0) huomiot.LisaaKohtaan(RATA_TYHJA, 0);
    if (maara > RADAN_KUPLAT) huomiot.LisaaKohtaan(RATA_YLI_200, 0, maara);
    if (maara > 0 && kokonaisia < maara && kokonaisia < RADAN_KUPLAT)
        huomiot.LisaaKohtaan(RATA_VAJAA, 4 + 32 * kokonaisia, maara, kokonaisia);
    long long odotettu = 4 + 32 * (long long)maara;
    if (maara > 0 && maara <= RADAN_KUPLAT && (long long)n > odotettu)
        huomiot.LisaaKohtaan(RATA_YLIMAARAISTA, odotettu, (long long)n - odotettu);
}

} // namespace

bool RataTavuista(const Uint8* tavut, size_t n, RADAN_TIEDOSTO& rata, LUKUHUOMIOT* huomiot) {
    if (n < 4) {
        if (huomiot) huomiot->LisaaKohtaan(RATA_LYHYT, 0, (long long)n);
        return false;
    }
    Sint32 maara = (Sint32)((Uint32)tavut[0] | (Uint32)tavut[1] << 8 | (Uint32)tavut[2] << 16 |
                            (Uint32)tavut[3] << 24);
    if (huomiot) HuomaaRata(maara, n, *huomiot);
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
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z) || !std::isfinite(boosti)) {
            if (huomiot) huomiot->LisaaKohtaan(RATA_EI_AARELLINEN, (long long)kohta, luettu);
            break;
        }
        rata.kuplat[luettu] = RADAN_KUPLA{x, y, z, boosti};
    }
    rata.pituus = luettu;
    return true;
}

bool LataaRata(const char* polku, RADAN_TIEDOSTO& rata, LUKUHUOMIOT* huomiot) {
    return LueAvattu(polku, huomiot, [&](FILE* f) {
        std::vector<Uint8> tavut(4 + 32 * RADAN_KUPLAT);
        size_t n = fread(tavut.data(), 1, tavut.size(), f);
        // The checker is told of what lies past the 200 entries too.
        if (huomiot && n == tavut.size()) {
            for (int c; (c = getc(f)) != EOF;) tavut.push_back((Uint8)c);
            n = tavut.size();
        }
        RataTavuista(tavut.data(), n, rata, huomiot);
        return true;
    });
}

const char* RadanPolku(int pelityyppi) {
    return (pelityyppi >= 1 && pelityyppi <= RATOJA) ? RATATIEDOSTOT[pelityyppi - 1] : "";
}
