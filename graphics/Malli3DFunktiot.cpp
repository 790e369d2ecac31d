#include "files/Sisalto.h"
#include "graphics/Malli3DFunktiot.h"

#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <cstdio>
#include <cstring>

Uint32 GRAFIIKKA::EtsiMalli(const char* nimi) const {
    if (!nimi) return EI_INDEKSIA;
    for (Uint32 i = 0; i < MallienMaara; i++)
        if (Mallit[i].Nimi && strcmp(Mallit[i].Nimi, nimi) == 0) return i;
    return EI_INDEKSIA;
}

void MALLI3D::Alusta(const char* polku, char* nimi) {
    // A model whose file is missing is an empty one (0 vertices), never the
    // leftovers of an earlier load.
    delete[] Verteksit;
    delete[] TekstuuriKoordinaatit;
    Verteksit = nullptr;
    TekstuuriKoordinaatit = nullptr;
    VerteksienMaara = 0;
    MALLIN_KOLMIOT kolmiot;
    if (Lataa3DS(polku, kolmiot)) {
        Verteksit = kolmiot.Verteksit;
        TekstuuriKoordinaatit = kolmiot.TekstuuriKoordinaatit;
        VerteksienMaara = kolmiot.VerteksienMaara;
    }
    if (Nimi != nimi) delete[] Nimi;
    Nimi = nimi;
    NimenMalli = false; // a new name: marked again by the table
    KaytaVBO = false;
}

void MALLI3D::TeeVBO() {
    // One way: a second call would lose the buffers. Without the buffer entry
    // points the model stays in its client arrays.
    if (KaytaVBO || !glGenBuffersARB || !glBindBufferARB || !glBufferDataARB) return;
    KaytaVBO = true;
    glGenBuffersARB(1, &VerteksiPuskuri);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, VerteksiPuskuri);
    glBufferDataARB(GL_ARRAY_BUFFER_ARB, (GLsizeiptrARB)VerteksienMaara * 12, Verteksit,
                    GL_STATIC_DRAW_ARB);
    glGenBuffersARB(1, &KoordinaattiPuskuri);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, KoordinaattiPuskuri);
    glBufferDataARB(GL_ARRAY_BUFFER_ARB, (GLsizeiptrARB)VerteksienMaara * 8, TekstuuriKoordinaatit,
                    GL_STATIC_DRAW_ARB);
    delete[] Verteksit;
    delete[] TekstuuriKoordinaatit;
    Verteksit = nullptr;
    TekstuuriKoordinaatit = nullptr;
}

void GRAFIIKKA::AlustaMalli3DPuskuri() {
    Mallit = LataaOsionTaulukko<MALLI3D>("3D_MALLIT", MALLIKANSIO, MallienMaara);
    MerkitseNimet();
}

void MALLI3D::Vapauta() {
    if (KaytaVBO && glDeleteBuffersARB) {
        glDeleteBuffersARB(1, &VerteksiPuskuri);
        glDeleteBuffersARB(1, &KoordinaattiPuskuri);
    }
    delete[] Nimi;
    delete[] Verteksit;
    delete[] TekstuuriKoordinaatit;
    *this = MALLI3D{};
}
