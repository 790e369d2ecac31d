#include "graphics/Malli3DFunktiot.h"

#include "graphics/GrafiikkaMoottori.h"

#include <cstring>

Uint32 GRAFIIKKA::EtsiMalli(const char* nimi) const {
    if (!nimi) return EI_INDEKSIA;
    for (Uint32 i = 0; i < MallienMaara; i++)
        if (Mallit[i].Nimi && strcmp(Mallit[i].Nimi, nimi) == 0) return i;
    return EI_INDEKSIA;
}

void MALLI3D::Vapauta() {
    if (KaytaVBO) {
        glDeleteBuffersARB(1, &VerteksiPuskuri);
        glDeleteBuffersARB(1, &KoordinaattiPuskuri);
    }
    delete[] Nimi;
    delete[] Verteksit;
    delete[] TekstuuriKoordinaatit;
    *this = MALLI3D{};
}
