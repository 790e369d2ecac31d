#include "foundation/AikaFunktiot.h"

namespace {
Uint32 (*kelloFunktio)() = nullptr;
}

Uint32 AnnaTikit() {
    return kelloFunktio ? kelloFunktio() : SDL_GetTicks();
}

void AsetaKello(Uint32 (*kello)()) {
    kelloFunktio = kello;
}

void OdotaKunnes(Uint32 alku, Uint32 ms) {
    while ((Uint32)(AnnaTikit() - alku) < ms) {
    }
}

void AIKA::Alusta() {
    Uint32 nyt = AnnaTikit();
    jaksonAlku = nyt;
    jaksonFramet = 0;
    frameAika = 0;
    edellinenPaivitys = nyt;
    fps = 1.0;
}

void AIKA::Paivita() {
    double kulunut = (double)(Uint32)(AnnaTikit() - jaksonAlku);
    jaksonFramet += 1;
    Uint32 nyt = AnnaTikit();
    frameAika = (Sint32)(nyt - edellinenPaivitys);
    edellinenPaivitys = nyt;
    if (kulunut > 1000.0) {
        fps = jaksonFramet / kulunut * 1000.0;
        jaksonAlku = AnnaTikit();
        jaksonFramet = 0;
    }
}
