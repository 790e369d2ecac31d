#include "graphics/Malli3DFunktiot.h"

#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <cmath>
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
    TeeIndeksit();
}

namespace {

// A corner's five numbers as bits: two corners are one when every bit agrees.
struct KULMA {
    Uint32 b[5];
    bool operator==(const KULMA& o) const { return memcmp(b, o.b, sizeof b) == 0; }
};

KULMA Kulma(const float* xyz, const float* uv, Uint32 i) {
    KULMA k;
    memcpy(k.b, xyz + 3 * i, 12);
    memcpy(k.b + 3, uv + 2 * i, 8);
    return k;
}

Uint32 Hajautus(const KULMA& k) {
    Uint32 h = 2166136261u;
    for (Uint32 x : k.b) h = (h ^ x) * 16777619u;
    return h ^ (h >> 15);
}

} // namespace

void MALLI3D::TeeIndeksit() {
    delete[] KulmaVerteksit;
    delete[] KulmaKoordinaatit;
    delete[] Indeksit;
    KulmaVerteksit = KulmaKoordinaatit = nullptr;
    Indeksit = nullptr;
    KulmienMaara = 0;
    Lahteet[0] = Lahteet[1] = nullptr;
    Sade = 0;
    if (KaytaVBO || !Verteksit || !TekstuuriKoordinaatit || VerteksienMaara == 0) return;
    const Uint32 n = VerteksienMaara;
    // An open-addressed table of the corners found so far, at most half full.
    Uint32 koko = 1;
    while (koko < 2 * n) koko *= 2;
    Uint32* taulu = new Uint32[koko];
    for (Uint32 i = 0; i < koko; i++) taulu[i] = EI_INDEKSIA;
    Uint32* ensimmainen = new Uint32[n]; // the flat index of each distinct corner
    Indeksit = new Uint16[n];
    for (Uint32 i = 0; i < n; i++) {
        const KULMA k = Kulma(Verteksit, TekstuuriKoordinaatit, i);
        Uint32 j = Hajautus(k) & (koko - 1);
        while (taulu[j] != EI_INDEKSIA &&
               !(Kulma(Verteksit, TekstuuriKoordinaatit, ensimmainen[taulu[j]]) == k))
            j = (j + 1) & (koko - 1);
        if (taulu[j] == EI_INDEKSIA) {
            taulu[j] = KulmienMaara;
            ensimmainen[KulmienMaara++] = i;
        }
        Indeksit[i] = (Uint16)taulu[j];
    }
    KulmaVerteksit = new float[3 * (size_t)KulmienMaara];
    KulmaKoordinaatit = new float[2 * (size_t)KulmienMaara];
    for (Uint32 c = 0; c < KulmienMaara; c++) {
        const float* p = Verteksit + 3 * (size_t)ensimmainen[c];
        memcpy(KulmaVerteksit + 3 * (size_t)c, p, 12);
        memcpy(KulmaKoordinaatit + 2 * (size_t)c,
               TekstuuriKoordinaatit + 2 * (size_t)ensimmainen[c], 8);
        const float r = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        if (r > Sade) Sade = r;
    }
    delete[] taulu;
    delete[] ensimmainen;
    Lahteet[0] = Verteksit;
    Lahteet[1] = TekstuuriKoordinaatit;
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
    TeeIndeksit(); // none: the buffers are drawn flat
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
    delete[] KulmaVerteksit;
    delete[] KulmaKoordinaatit;
    delete[] Indeksit;
    *this = MALLI3D{};
}
