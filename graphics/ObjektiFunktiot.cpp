#include "graphics/ObjektiFunktiot.h"

#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <cstring>

void OBJEKTI::Alusta(const char* polku) {
    FILE* f = AvaaTiedosto(polku, "r");
    if (!f) return;
    AVAINLUKIJA lukija;
    lukija.f = f;
    char avain[99], arvo[99];
    // A file that never says END_OF_FILE ends at its end, with the names read so far.
    while (lukija.LueAvain(avain)) {
        if (strcmp(avain, "END_OF_FILE") == 0) break;
        char* kohde = nullptr;
        if (strcmp(avain, "3D_MALLI") == 0) kohde = MalliNimi;
        if (strcmp(avain, "TEKSTUURI") == 0) kohde = TekstuuriNimi;
        if (kohde && lukija.LueArvo(arvo)) {
            strncpy(kohde, arvo, NIMEN_PITUUS);
            kohde[NIMEN_PITUUS] = '\0';
        }
    }
    fclose(f);
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

void GRAFIIKKA::LisaaObjekti(OBJEKTI& o) {
    Uint32 malli = EtsiMalli(o.MalliNimi);
    if (malli != EI_INDEKSIA) o.MalliIndeksi = malli;
    Uint32 tekstuuri = EtsiTekstuuri(o.TekstuuriNimi);
    if (tekstuuri != EI_INDEKSIA) o.TekstuuriIndeksi = tekstuuri;
    // A full buffer drops the object for this frame rather than writing past it.
    if (!Objektit || ObjektienMaara >= OBJEKTIPUSKURI) return;
    Objektit[ObjektienMaara++] = &o;
}
