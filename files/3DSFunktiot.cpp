// The 3DS reader: the chunk stream of a mesh file becomes a flat triangle list,
// three vertices per face, each with its position and texture coordinate.
//
// The file is read into memory in one go and walked there, so that every
// length and count can be checked against what is really present: models are
// player content, and a broken one must load as fewer triangles, never as a
// read past the data.
#include "files/TiedostoFunktiot.h"

#include "files/LukuHuomiot.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

enum : Uint16 {
    PAAOSA = 0x4D4D,
    EDITORI = 0x3D3D,
    OBJEKTILOHKO = 0x4000,
    KOLMIOVERKKO = 0x4100,
    VERTEKSILISTA = 0x4110,
    PINTALISTA = 0x4120,
    KARTTALISTA = 0x4140,
};

// The 16-bit vertex count holds 3 x 21845 vertices and no more.
const size_t SUURIN_PINTAMAARA = 21845;

Uint16 Lue16(const unsigned char* p) {
    return (Uint16)(p[0] | (p[1] << 8));
}
Uint32 Lue32(const unsigned char* p) {
    return (Uint32)p[0] | ((Uint32)p[1] << 8) | ((Uint32)p[2] << 16) | ((Uint32)p[3] << 24);
}
float LueFloat(const unsigned char* p) {
    Uint32 bitit = Lue32(p);
    float x;
    memcpy(&x, &bitit, sizeof x);
    return x;
}

// One list of the mesh: where its entries start in the file image and how many
// are really there.
struct LISTA {
    const unsigned char* alku = nullptr;
    size_t maara = 0;
};

// Reads a counted list whose data starts at `kohta`. The count is taken as
// written when its entries are all in the file, whatever the chunk's length
// says (exporters do write lengths too small). A count that runs past the end
// of the file is cut to what the chunk holds, or the file where the chunk's
// length cannot be true. Returns where the next chunk header is read: right
// after the entries, or at the end of what the cut list was read from.
size_t LueLista(const unsigned char* d, size_t kohta, size_t lohkonLoppu, size_t tiedostonLoppu,
                size_t koko, LISTA& lista, LUKUHUOMIOT* huomiot) {
    // The checker is told of the chunk (its header is 6 bytes before the data).
    const size_t otsake = kohta - 6;
    if (tiedostonLoppu < kohta + 2) {
        if (huomiot) huomiot->LisaaKohtaan(MALLI_LISTA_KATKAISTU, otsake, Lue16(d + otsake), -1, 0);
        return tiedostonLoppu;
    }
    size_t n = Lue16(d + kohta);
    lista.alku = d + kohta + 2;
    if (n <= (tiedostonLoppu - kohta - 2) / koko) {
        lista.maara = n;
        if (huomiot && kohta + 2 + n * koko > lohkonLoppu)
            huomiot->LisaaKohtaan(MALLI_LISTA_LYHYT, otsake, Lue16(d + otsake), (long long)n);
        return kohta + 2 + n * koko;
    }
    size_t raja = lohkonLoppu >= kohta + 2 ? lohkonLoppu : tiedostonLoppu;
    lista.maara = (raja - kohta - 2) / koko;
    if (huomiot)
        huomiot->LisaaKohtaan(MALLI_LISTA_KATKAISTU, otsake, Lue16(d + otsake), (long long)n,
                              (long long)lista.maara);
    return raja;
}

// The faces the model loses, for the checker: those with a corner past the
// vertex list, those past the 16-bit vertex count, corners without a texture
// coordinate, and a model with no face at all.
void HuomaaPinnat(const LISTA& verteksit, const LISTA& pinnat, const LISTA& kartta,
                  size_t kelvolliset, LUKUHUOMIOT& huomiot) {
    size_t pois = 0, ilmanKarttaa = 0, kelpaavia = 0;
    for (size_t i = 0; i < pinnat.maara; i++) {
        const unsigned char* p = pinnat.alku + i * 8;
        size_t kulmat[3] = {Lue16(p), Lue16(p + 2), Lue16(p + 4)};
        if (kulmat[0] >= verteksit.maara || kulmat[1] >= verteksit.maara ||
            kulmat[2] >= verteksit.maara) {
            pois++;
            continue;
        }
        if (++kelpaavia > SUURIN_PINTAMAARA) continue;
        for (size_t k : kulmat)
            if (k >= kartta.maara) ilmanKarttaa++;
    }
    if (pois > 0) huomiot.LisaaKohtaan(MALLI_PINNAT_POIS, -1, 0, pois, pinnat.maara);
    if (kelpaavia > SUURIN_PINTAMAARA) huomiot.LisaaKohtaan(MALLI_LIIKAA_PINTOJA, -1, 0, kelpaavia);
    if (ilmanKarttaa > 0) huomiot.LisaaKohtaan(MALLI_EI_KARTTAA, -1, 0, ilmanKarttaa);
    if (kelvolliset == 0) huomiot.LisaaKohtaan(MALLI_TYHJA, -1);
}

// The three lists of the file's last mesh, found by walking its chunks.
struct VERKKO {
    LISTA verteksit, pinnat, kartta;
};

VERKKO KayLohkot(const unsigned char* d, size_t koko, LUKUHUOMIOT* huomiot) {
    // Each list replaces the previous one of its kind: the last mesh of the file wins.
    VERKKO v;
    size_t kohta = 0;
    int verkkoja = 0;       // vertex lists met (for the checker)
    bool katkaistu = false; // a container ends past the file (told once, for the checker)
    while (koko - kohta >= 6) {
        Uint16 tunnus = Lue16(d + kohta);
        Uint32 pituus = Lue32(d + kohta + 2);
        size_t data = kohta + 6;
        // Where the chunk says it ends, kept within the file.
        size_t loppu = (pituus > koko - kohta) ? koko : kohta + pituus;
        if (huomiot) {
            bool sailio = tunnus == PAAOSA || tunnus == EDITORI || tunnus == KOLMIOVERKKO ||
                          tunnus == OBJEKTILOHKO;
            if (sailio && pituus < 6)
                huomiot->LisaaKohtaan(MALLI_SAILIO_LYHYT, kohta, tunnus, pituus);
            if (sailio && pituus > koko - kohta && !katkaistu) {
                huomiot->LisaaKohtaan(MALLI_SAILIO_YLI, kohta, tunnus, pituus,
                                      (long long)(koko - kohta));
                katkaistu = true;
            }
            if (tunnus == VERTEKSILISTA) verkkoja++;
        }

        // The containers and the lists do not depend on their lengths: their
        // contents are read from right after the header, as far as the file holds.
        switch (tunnus) {
        case PAAOSA:
        case EDITORI:
        case KOLMIOVERKKO:
            kohta = data; // the contents are the next chunks
            break;
        case OBJEKTILOHKO: {
            // The name is not kept; it ends at its NUL, whatever its length.
            const void* nolla = memchr(d + data, 0, koko - data);
            kohta = nolla ? (size_t)((const unsigned char*)nolla - d) + 1 : koko;
            break;
        }
        case VERTEKSILISTA:
            kohta = LueLista(d, data, loppu, koko, 12, v.verteksit, huomiot);
            break;
        case PINTALISTA:
            // Material and smoothing groups after the faces are met as chunks.
            kohta = LueLista(d, data, loppu, koko, 8, v.pinnat, huomiot);
            break;
        case KARTTALISTA:
            kohta = LueLista(d, data, loppu, koko, 8, v.kartta, huomiot);
            break;
        default:
            // Skipped by its length; a length that cannot hold its own header
            // would never move on, and one past the end is a cut file.
            if (pituus < 6 || pituus > koko - kohta) {
                if (huomiot)
                    huomiot->LisaaKohtaan(pituus < 6 ? MALLI_LOHKO_LYHYT : MALLI_LOHKO_YLI, kohta,
                                          tunnus, pituus);
                kohta = koko;
            } else {
                kohta += pituus;
            }
            break;
        }
    }
    if (huomiot && kohta < koko && !katkaistu)
        huomiot->LisaaKohtaan(MALLI_LOPPUTAVUT, kohta, 0, (long long)(koko - kohta));
    if (huomiot && verkkoja > 1) huomiot->LisaaKohtaan(MALLI_MONTA_VERKKOA, -1, 0, verkkoja);
    return v;
}

// The flat triangle list of the mesh. A face whose corner is not in the vertex
// list is dropped; a corner past the mapping list (or with none) gets texture
// coordinate 0.
void TeeKolmiot(const VERKKO& v, MALLIN_KOLMIOT& m, LUKUHUOMIOT* huomiot) {
    const LISTA &verteksit = v.verteksit, &pinnat = v.pinnat, &kartta = v.kartta;
    size_t kelvolliset = 0;
    for (size_t i = 0; i < pinnat.maara && kelvolliset < SUURIN_PINTAMAARA; i++) {
        const unsigned char* p = pinnat.alku + i * 8;
        if (Lue16(p) < verteksit.maara && Lue16(p + 2) < verteksit.maara &&
            Lue16(p + 4) < verteksit.maara)
            kelvolliset++;
    }
    if (huomiot) HuomaaPinnat(verteksit, pinnat, kartta, kelvolliset, *huomiot);

    delete[] m.Verteksit;
    delete[] m.TekstuuriKoordinaatit;
    m.Verteksit = nullptr;
    m.TekstuuriKoordinaatit = nullptr;
    m.VerteksienMaara = (Uint16)(kelvolliset * 3);
    if (kelvolliset == 0) return;

    float* x = m.Verteksit = new float[kelvolliset * 9];
    float* t = m.TekstuuriKoordinaatit = new float[kelvolliset * 6];
    size_t tehty = 0;
    for (size_t i = 0; i < pinnat.maara && tehty < kelvolliset; i++) {
        const unsigned char* p = pinnat.alku + i * 8;
        size_t kulmat[3] = {Lue16(p), Lue16(p + 2), Lue16(p + 4)};
        if (kulmat[0] >= verteksit.maara || kulmat[1] >= verteksit.maara ||
            kulmat[2] >= verteksit.maara)
            continue;
        for (size_t k : kulmat) {
            const unsigned char* q = verteksit.alku + k * 12;
            *x++ = LueFloat(q);
            *x++ = LueFloat(q + 4);
            *x++ = LueFloat(q + 8);
            if (k < kartta.maara) {
                const unsigned char* r = kartta.alku + k * 8;
                *t++ = LueFloat(r);
                *t++ = LueFloat(r + 4);
            } else {
                *t++ = 0;
                *t++ = 0;
            }
        }
        tehty++;
    }
}

} // namespace

bool Lue3DS(FILE* f, MALLIN_KOLMIOT& m, LUKUHUOMIOT* huomiot) {
    if (!f) return false;
    std::vector<unsigned char> tiedosto;
    unsigned char lohko[1 << 16];
    for (;;) {
        size_t n = fread(lohko, 1, sizeof lohko, f);
        if (n == 0) break;
        tiedosto.insert(tiedosto.end(), lohko, lohko + n);
    }
    TeeKolmiot(KayLohkot(tiedosto.data(), tiedosto.size(), huomiot), m, huomiot);
    return true;
}

bool Lataa3DS(const char* polku, MALLIN_KOLMIOT& m, LUKUHUOMIOT* huomiot) {
    return LueAvattu(polku, huomiot, [&](FILE* f) { return Lue3DS(f, m, huomiot); });
}
