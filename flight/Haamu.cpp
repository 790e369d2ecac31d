#include "flight/Haamu.h"

#include "files/Sisalto.h"
#include "flight/PPFunktiot.h"

#include <cstring>

void HAAMUT::Aloita(bool onKisa) {
    kisa = onKisa;
    paivitys = 0;
    taynna = false;
    nauha.maara = 0;
    nauha.tulos = 0;
    if (kisa) {
        haamu.Varaa();
        nauha.Varaa();
    }
}

HAAMUN_ASENTO HaamunAsento(const OBJEKTI& body) {
    const SIJAINTI& s = body.Sijainti;
    VEKTORI f = body.Kiertomatriisi.EteenV(), u = body.Kiertomatriisi.YlosV();
    return HAAMUN_ASENTO{(float)s.x,
                         (float)s.y,
                         (float)s.z,
                         {(float)f.x, (float)f.y, (float)f.z},
                         {(float)u.x, (float)u.y, (float)u.z}};
}

void HAAMUT::Nauhoita(const OBJEKTI& body) {
    if (nauha.maara >= nauha.asennot.size()) {
        taynna = true;
        return;
    }
    nauha.asennot[nauha.maara++] = HaamunAsento(body);
}

bool HAAMUT::Askel(const OBJEKTI& body) {
    if (!kisa) return false;
    Nauhoita(body);
    const bool on = Asento(paivitys, kuva);
    paivitys++;
    return on;
}

bool HAAMUT::Asento(Uint32 n, OBJEKTI& o) const {
    if (n >= haamu.maara || n >= haamu.asennot.size()) return false;
    const HAAMUN_ASENTO& a = haamu.asennot[n];
    o.Sijainti.Aseta(a.x, a.y, a.z);
    // The stored axes are unit length and at right angles to a float's
    // precision; the right axis completes them (up x forward, as every
    // orientation of the game has it).
    VEKTORI eteen{a.eteen[0], a.eteen[1], a.eteen[2]}, ylos{a.ylos[0], a.ylos[1], a.ylos[2]};
    VEKTORI oikealle = Vektoritulo(ylos, eteen);
    MATRIISI4X4& m = o.Kiertomatriisi;
    m.AsetaOikealleV(oikealle);
    m.AsetaYlosV(ylos);
    m.AsetaEteenV(eteen);
    OrthonormalizeMatrix(m.m);
    return true;
}

bool HAAMUT::Parempi(Uint32 tulos) const {
    return haamu.maara == 0 || tulos < haamu.tulos;
}

void HAAMUT::Ulkoasu(const char* nimi, const PAPERPLANE& oma) {
    const PAPERPLANE* kone = &oma;
    for (int i = 0; koneet && i < koneita; i++)
        if (strcmp(koneet[i].name, nimi) == 0) {
            kone = &koneet[i];
            break;
        }
    kuva = OBJEKTI{};
    memcpy(kuva.MalliNimi, kone->body.MalliNimi, sizeof kuva.MalliNimi);
    strcpy(kuva.TekstuuriNimi, HAAMUN_TEKSTUURI);
    kuva.Skaalaus = kone->body.Skaalaus;
}
