// Reading and writing the ghost files (the format is in HaamuTiedosto.h).
#include "files/HaamuTiedosto.h"

#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"

#include <cmath>
#include <cstring>

namespace {

const Uint8 MAGIA[4] = {'H', 'A', 'M', 'U'};

Uint32 Lue32(const Uint8* p) {
    return (Uint32)p[0] | (Uint32)p[1] << 8 | (Uint32)p[2] << 16 | (Uint32)p[3] << 24;
}

float LueFloat(const Uint8* p) {
    Uint32 bitit = Lue32(p);
    float f;
    memcpy(&f, &bitit, sizeof f);
    return f;
}

void Lisaa32(std::vector<Uint8>& v, Uint32 x) {
    for (int i = 0; i < 4; i++) v.push_back((Uint8)(x >> (8 * i)));
}

void LisaaFloat(std::vector<Uint8>& v, float f) {
    Uint32 bitit;
    memcpy(&bitit, &f, sizeof bitit);
    Lisaa32(v, bitit);
}

// A direction the game can draw by: unit length to well within a float's
// rounding of a normalised double.
bool Yksikko(const float* v) {
    double pituus = std::sqrt((double)v[0] * v[0] + (double)v[1] * v[1] + (double)v[2] * v[2]);
    return std::fabs(pituus - 1.0) < 1e-3;
}

// One pose from its 36 bytes; false when it is not a pose a flight can have.
bool LueAsento(const Uint8* p, HAAMUN_ASENTO& a) {
    float f[9];
    for (int i = 0; i < 9; i++) {
        f[i] = LueFloat(p + 4 * i);
        if (!std::isfinite(f[i])) return false;
    }
    a.x = f[0];
    a.y = f[1];
    a.z = f[2];
    memcpy(a.eteen, f + 3, sizeof a.eteen);
    memcpy(a.ylos, f + 6, sizeof a.ylos);
    double risti = (double)a.eteen[0] * a.ylos[0] + (double)a.eteen[1] * a.ylos[1] +
                   (double)a.eteen[2] * a.ylos[2];
    return Yksikko(a.eteen) && Yksikko(a.ylos) && std::fabs(risti) < 1e-3;
}

bool Hylkaa(HAAMU& h, const char** syy, const char* miksi) {
    h.maara = 0;
    if (syy) *syy = miksi;
    return false;
}

// Poses are read a block at a time into the ghost's own storage: a ghost of
// ten minutes needs no second buffer of its size.
enum { LOHKO = 256 };

} // namespace

void HAAMU::Varaa() {
    if (asennot.size() < HAAMUN_PAIVITYKSET) asennot.resize(HAAMUN_PAIVITYKSET);
}

const char* HaamunPolku(int pelityyppi) {
    return (pelityyppi >= 1 && pelityyppi <= RATOJA) ? HAAMUTIEDOSTOT[pelityyppi - 1] : "";
}

void HaamuTavuiksi(const HAAMU& h, char kirjain, std::vector<Uint8>& ulos) {
    size_t nimi = strnlen(h.kone, NIMEN_PITUUS);
    Uint32 maara = h.maara < h.asennot.size() ? h.maara : (Uint32)h.asennot.size();
    ulos.clear();
    ulos.reserve(HAAMUN_OTSAKE + nimi + HAAMUN_ASENNON_KOKO * (size_t)maara);
    ulos.insert(ulos.end(), MAGIA, MAGIA + 4);
    ulos.push_back((Uint8)(HAAMUN_VERSIO & 0xFF));
    ulos.push_back((Uint8)(HAAMUN_VERSIO >> 8));
    ulos.push_back((Uint8)kirjain);
    ulos.push_back((Uint8)nimi);
    Lisaa32(ulos, h.rata);
    Lisaa32(ulos, h.tulos);
    Lisaa32(ulos, maara);
    ulos.insert(ulos.end(), h.kone, h.kone + nimi);
    for (Uint32 i = 0; i < maara; i++) {
        const HAAMUN_ASENTO& a = h.asennot[i];
        for (float f :
             {a.x, a.y, a.z, a.eteen[0], a.eteen[1], a.eteen[2], a.ylos[0], a.ylos[1], a.ylos[2]})
            LisaaFloat(ulos, f);
    }
}

bool LataaHaamu(const char* polku, char kirjain, Uint32 rata, HAAMU& h, const char** syy) {
    h.maara = 0;
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return Hylkaa(h, syy, "no file");
    Uint8 otsake[HAAMUN_OTSAKE];
    char nimi[NIMEN_PITUUS + 1] = {};
    bool ok = fread(otsake, 1, sizeof otsake, f) == sizeof otsake;
    const char* vika = "shorter than its header";
    Uint32 maara = 0;
    if (ok) {
        size_t n = otsake[7];
        maara = Lue32(otsake + 16);
        if (memcmp(otsake, MAGIA, 4) != 0)
            vika = "not a ghost file";
        else if ((otsake[4] | otsake[5] << 8) != HAAMUN_VERSIO)
            vika = "a version this game does not know";
        else if (otsake[6] != (Uint8)kirjain)
            vika = "the ghost of another track";
        else if (n > NIMEN_PITUUS)
            vika = "a plane name too long";
        else if (maara == 0 || maara > HAAMUN_PAIVITYKSET)
            vika = "an update count out of range";
        else if (Lue32(otsake + 8) != rata)
            vika = "flown on the track before it changed";
        else if (fread(nimi, 1, n, f) != n)
            vika = "shorter than its name";
        else if (memchr(nimi, 0, n))
            vika = "a NUL in the plane name";
        else
            vika = nullptr;
        ok = vika == nullptr;
    }
    if (ok) {
        h.Varaa();
        Uint8 lohko[LOHKO * HAAMUN_ASENNON_KOKO];
        for (Uint32 luettu = 0; ok && luettu < maara;) {
            Uint32 nyt = maara - luettu < LOHKO ? maara - luettu : (Uint32)LOHKO;
            if (fread(lohko, HAAMUN_ASENNON_KOKO, nyt, f) != nyt) {
                ok = false;
                vika = "shorter than its updates";
                break;
            }
            for (Uint32 i = 0; i < nyt; i++)
                if (!LueAsento(lohko + HAAMUN_ASENNON_KOKO * i, h.asennot[luettu + i])) {
                    ok = false;
                    vika = "a pose that is not a plane's (not finite, or bent axes)";
                    break;
                }
            luettu += nyt;
        }
        if (ok && fgetc(f) != EOF) {
            ok = false;
            vika = "longer than its updates";
        }
    }
    fclose(f);
    if (!ok) return Hylkaa(h, syy, vika);
    memcpy(h.kone, nimi, sizeof h.kone);
    h.rata = rata;
    h.tulos = Lue32(otsake + 12);
    h.maara = maara;
    if (syy) *syy = nullptr;
    return true;
}

bool TallennaHaamu(const char* polku, char kirjain, const HAAMU& h) {
    if (h.maara == 0 || h.maara > HAAMUN_PAIVITYKSET || h.maara > h.asennot.size()) return false;
    std::vector<Uint8> tavut;
    HaamuTavuiksi(h, kirjain, tavut);
    return TallennaTurvallisesti(polku, tavut.data(), tavut.size());
}
