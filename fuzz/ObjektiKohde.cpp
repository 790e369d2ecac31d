// An object file as the game reads it, then a copy of the object as the bubbles
// and race bubbles are made, and its names resolved against an empty table.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    static GRAFIIKKA* g = [] {
        GRAFIIKKA* uusi = new GRAFIIKKA;
        uusi->AlustaPuskurit();
        return uusi;
    }();
    OBJEKTI o;
    o.Sijainti.Aseta(1, 2, 3);
    o.Skaalaus = 7;
    o.Alusta(polku);
    // Names end within their fields, and an opened file always resets the placement.
    VAADI(memchr(o.MalliNimi, 0, sizeof o.MalliNimi) != nullptr);
    VAADI(memchr(o.TekstuuriNimi, 0, sizeof o.TekstuuriNimi) != nullptr);
    VAADI(o.Sijainti.x == 0 && o.Sijainti.y == 0 && o.Sijainti.z == 0 && o.Skaalaus == 1.0);
    // The content checker's reading gives the same names.
    OBJEKTI toinen;
    LUKUHUOMIOT huomiot;
    toinen.Alusta(polku, &huomiot);
    VAADI(strcmp(toinen.MalliNimi, o.MalliNimi) == 0);
    VAADI(strcmp(toinen.TekstuuriNimi, o.TekstuuriNimi) == 0);

    OBJEKTI kopio;
    kopio.Alusta(o);
    VAADI(strcmp(kopio.MalliNimi, o.MalliNimi) == 0);
    g->TyhjennaObjektiPuskuri();
    g->LisaaObjekti(kopio);
    VAADI(g->ObjektienMaara == 1 && kopio.MalliIndeksi == EI_INDEKSIA);
    return 0;
}
