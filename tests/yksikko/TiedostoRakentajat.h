// Byte-by-byte builders of the binary content files (TGA images, 3DS meshes)
// for the reader tests, and the seed corpora of the fuzz targets: with
// TAVIO_KORPUS set to a folder, every file a test builds with Siemen is also
// written to <folder>/<target>/<name> (see the README).
#pragma once

#include "apu/TestiApu.h"

#include <SDL_types.h>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

using Tavut = std::vector<Uint8>;

inline void Lisaa16(Tavut& t, unsigned v) {
    t.push_back((Uint8)(v & 0xFF));
    t.push_back((Uint8)((v >> 8) & 0xFF));
}
inline void Lisaa32(Tavut& t, Uint32 v) {
    for (int i = 0; i < 4; i++) t.push_back((Uint8)((v >> (8 * i)) & 0xFF));
}
inline void LisaaFloat(Tavut& t, float f) {
    Uint32 bitit;
    memcpy(&bitit, &f, sizeof bitit);
    Lisaa32(t, bitit);
}
inline Tavut Liita(std::initializer_list<Tavut> osat) {
    Tavut t;
    for (const Tavut& o : osat) t.insert(t.end(), o.begin(), o.end());
    return t;
}

// ---- TGA ----

inline Tavut TeeTGA(Uint8 tyyppi, Uint16 leveys, Uint16 korkeus, Uint8 syvyys, const Tavut& data,
                    const Tavut& id = {}, Uint8 karttaTyyppi = 0, Uint8 kuvaus = 0) {
    Tavut t;
    t.push_back((Uint8)id.size());
    t.push_back(karttaTyyppi);
    t.push_back(tyyppi);
    for (int i = 0; i < 5; i++) t.push_back(0); // colour-map fields
    for (int i = 0; i < 4; i++) t.push_back(0); // origin
    Lisaa16(t, leveys);
    Lisaa16(t, korkeus);
    t.push_back(syvyys);
    t.push_back(kuvaus);
    t.insert(t.end(), id.begin(), id.end());
    t.insert(t.end(), data.begin(), data.end());
    return t;
}

// ---- 3DS ----

inline Tavut Lohko(Uint16 tunnus, const Tavut& sisalto) {
    Tavut t;
    Lisaa16(t, tunnus);
    Lisaa32(t, (Uint32)(sisalto.size() + 6));
    t.insert(t.end(), sisalto.begin(), sisalto.end());
    return t;
}
inline Tavut Verteksilista(const std::vector<float>& xyz) {
    Tavut t;
    Lisaa16(t, (unsigned)(xyz.size() / 3));
    for (float f : xyz) LisaaFloat(t, f);
    return Lohko(0x4110, t);
}
// Faces as vertex-index triples; `perassa` are the sub-chunks inside the face list.
inline Tavut Pintalista(const std::vector<Uint16>& abc, const Tavut& perassa = {}) {
    Tavut t;
    Lisaa16(t, (unsigned)(abc.size() / 3));
    for (size_t i = 0; i + 2 < abc.size(); i += 3) {
        Lisaa16(t, abc[i]);
        Lisaa16(t, abc[i + 1]);
        Lisaa16(t, abc[i + 2]);
        Lisaa16(t, 7); // flags, read and dropped
    }
    t.insert(t.end(), perassa.begin(), perassa.end());
    return Lohko(0x4120, t);
}
inline Tavut Karttalista(const std::vector<float>& uv) {
    Tavut t;
    Lisaa16(t, (unsigned)(uv.size() / 2));
    for (float f : uv) LisaaFloat(t, f);
    return Lohko(0x4140, t);
}
inline Tavut Objektilohko(const std::string& nimi, const Tavut& verkko) {
    Tavut t(nimi.begin(), nimi.end());
    t.push_back(0);
    t.insert(t.end(), verkko.begin(), verkko.end());
    return Lohko(0x4000, t);
}
inline Tavut Verkko(const Tavut& listat) {
    return Lohko(0x4100, listat);
}
inline Tavut Malli(const Tavut& editorinSisalto) {
    return Lohko(0x4D4D, Lohko(0x3D3D, editorinSisalto));
}

// ---- Seeds of the fuzz targets ----

inline void Siemen(const char* kohde, const std::string& nimi, const Tavut& t) {
    const char* kansio = getenv("TAVIO_KORPUS");
    if (!kansio || !*kansio) return;
    KirjoitaTiedosto(std::string(kansio) + "/" + kohde + "/" + nimi, t);
}
inline void Siemen(const char* kohde, const std::string& nimi, const std::string& teksti) {
    Siemen(kohde, nimi, Tavut(teksti.begin(), teksti.end()));
}
