#include "graphics/ObjektiFunktiot.h"

#include "files/LukuHuomiot.h"
#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

AVAIMEN_KENTTA ObjektinKentta(const char* avain, void* tila) {
    OBJEKTI& o = *(OBJEKTI*)tila;
    AVAIMEN_KENTTA k;
    if (strcmp(avain, "3D_MALLI") == 0) k.teksti = o.MalliNimi;
    if (strcmp(avain, "TEKSTUURI") == 0) k.teksti = o.TekstuuriNimi;
    return k;
}

} // namespace

void OBJEKTI::Alusta(const char* polku, LUKUHUOMIOT* huomiot) {
    if (!LueAvaintiedosto(polku, huomiot, ObjektinKentta, this)) return;
    Sijainti = SIJAINTI{};
    Kulmat[0] = Kulmat[1] = Kulmat[2] = 0;
    Kiertomatriisi.Yksikoksi();
    Skaalaus = 1.0;
}

void OBJEKTI::Alusta(const OBJEKTI& lahde) {
    if (&lahde != this) *this = lahde;
    Sijainti = SIJAINTI{};
    Kulmat[0] = Kulmat[1] = Kulmat[2] = 0;
}

namespace {

// Names are a few bytes long: comparing them here costs less than a call.
inline bool SamaNimi(const char* a, const char* b) {
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return *a == *b;
}

} // namespace

void GRAFIIKKA::MerkitseNimet() {
    for (Uint32 i = 0; i < MallienMaara; i++) {
        MALLI3D& m = Mallit[i];
        m.NimenMalli = m.Nimi && EtsiMalli(m.Nimi) == i;
        m.Kaukainen = EI_INDEKSIA;
        if (!m.Nimi) continue;
        char nimi[NIMEN_PITUUS + 1];
        const int n = snprintf(nimi, sizeof nimi, "%s" KAUKAINEN_PAATE, m.Nimi);
        if (n > 0 && n <= NIMEN_PITUUS) m.Kaukainen = EtsiMalli(nimi);
    }
    for (Uint32 i = 0; i < TekstuurienMaara; i++)
        Tekstuurit[i].NimenTekstuuri = Tekstuurit[i].Nimi && EtsiTekstuuri(Tekstuurit[i].Nimi) == i;
}

void GRAFIIKKA::LisaaObjekti(OBJEKTI& o) {
    // The names are resolved on every call, as a search of the tables would: an
    // index that points at the entry a name resolves to, and that carries the
    // object's name now, is the search's answer; anything else (a new object, a
    // renamed one, a name that matches nothing) is searched. A thousand bubbles a
    // frame so cost one comparison of each name, not one per table entry.
    const Uint32 m = o.MalliIndeksi;
    if (!(m < MallienMaara && Mallit[m].NimenMalli && SamaNimi(Mallit[m].Nimi, o.MalliNimi))) {
        Uint32 malli = EtsiMalli(o.MalliNimi);
        if (malli != EI_INDEKSIA) o.MalliIndeksi = malli;
    }
    const Uint32 t = o.TekstuuriIndeksi;
    if (!(t < TekstuurienMaara && Tekstuurit[t].NimenTekstuuri &&
          SamaNimi(Tekstuurit[t].Nimi, o.TekstuuriNimi))) {
        Uint32 tekstuuri = EtsiTekstuuri(o.TekstuuriNimi);
        if (tekstuuri != EI_INDEKSIA) o.TekstuuriIndeksi = tekstuuri;
    }
    // A full buffer drops the object for this frame rather than writing past it.
    if (!Objektit || ObjektienMaara >= OBJEKTIPUSKURI) return;
    Objektit[ObjektienMaara++] = &o;
}
