#include "graphics/KameraFunktiot.h"

#include "graphics/GrafiikkaMoottori.h"

void GRAFIIKKA::LisaaKamera(const KAMERA& k) {
    KAMERA* uudet = new KAMERA[KameroidenMaara + 1];
    for (Uint32 i = 0; i < KameroidenMaara; i++) uudet[i] = Kamerat[i];
    uudet[KameroidenMaara] = k;
    delete[] Kamerat;
    Kamerat = uudet;
    KameroidenMaara++;
}

void GRAFIIKKA::KytkeKamera(Uint32 indeksi) {
    KytkettyKamera = indeksi;
}

// An index past the list gives the first camera: the engine always has one after
// AlustaPuskurit, and a stray index must not reach outside the list.
KAMERA& GRAFIIKKA::Kamera() {
    return Kamera(KytkettyKamera);
}

KAMERA& GRAFIIKKA::Kamera(Uint32 indeksi) {
    return Kamerat[indeksi < KameroidenMaara ? indeksi : 0];
}
