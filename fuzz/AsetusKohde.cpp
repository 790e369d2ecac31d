// The settings file as the game reads it at start-up: whatever it holds, the
// window is opened in one of the six modes, and what is saved reads back the same.
#include "MuistiTiedosto.h"
#include "shell/Asetukset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    ASETUKSET a;
    a.turbo = true;
    VAADI(LataaAsetukset(polku, a));
    VAADI(a.resoluutio >= 0 && a.resoluutio < 6);
    VAADI(a.kokoNaytto <= 1 && !a.turbo);
    if (size >= 9) VAADI(a.varattu == data[8]);
    if (size < 9) VAADI(a.varattu == 1);

    Uint8 tavut[ASETUSTIEDOSTON_KOKO];
    a.Tavuiksi(tavut);
    ASETUKSET b;
    b.Tavuista(tavut, sizeof tavut);
    VAADI(b.resoluutio == a.resoluutio && b.kokoNaytto == a.kokoNaytto && b.varattu == a.varattu);
    return 0;
}
