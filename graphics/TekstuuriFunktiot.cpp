#include "graphics/TekstuuriFunktiot.h"

#include "graphics/GrafiikkaMoottori.h"

#include <cstring>

Uint32 GRAFIIKKA::EtsiTekstuuri(const char* nimi) const {
    Uint32 loytynyt = EI_INDEKSIA;
    if (!nimi) return loytynyt;
    for (Uint32 i = 0; i < TekstuurienMaara; i++)
        if (Tekstuurit[i].Nimi && strcmp(Tekstuurit[i].Nimi, nimi) == 0) loytynyt = i;
    return loytynyt;
}

void TEKSTUURI::Vapauta() {
    if (Tunnus) glDeleteTextures(1, &Tunnus);
    delete[] Nimi;
    delete[] Pikselit;
    *this = TEKSTUURI{};
}
