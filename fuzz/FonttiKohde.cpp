// The font-width file as the game reads it at start-up, the 256 glyphs built
// from it, and a text of every glyph laid out with them, with the pointer on it.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    int leveydet[257];
    VAADI(LataaFontinLeveydet(polku, leveydet));
    // The content checker's reading gives the same widths.
    int toiset[257];
    LUKUHUOMIOT huomiot;
    VAADI(LataaFontinLeveydet(polku, toiset, &huomiot));
    VAADI(memcmp(toiset, leveydet, sizeof toiset) == 0);

    // The renderer's buffers and a font, without OpenGL, as the text layout needs.
    static GRAFIIKKA* g = [] {
        GRAFIIKKA* uusi = new GRAFIIKKA;
        uusi->AlustaPuskurit();
        uusi->FonttienMaara = 1;
        uusi->Fontit = new FONTTI[1];
        return uusi;
    }();
    static TEKSTI* t = new TEKSTI;
    FONTTI& f = g->Fontit[0];
    f.Alusta("Fontti", polku, 256);
    for (const KUVA& k : f.Kirjaimet) {
        VAADI(std::isfinite(k.Leveys) && k.Leveys >= 0);
        VAADI(std::isfinite(k.Korkeus) && k.Korkeus > 0);
        VAADI(std::isfinite(k.U0) && std::isfinite(k.U1) && std::isfinite(k.V0));
    }

    t->Alku();
    char rivi[17] = {};
    for (int r = 0; r < 16; r++) {
        for (int i = 0; i < 16; i++) rivi[i] = (char)(r * 16 + i == 0 ? ' ' : r * 16 + i);
        t->Lisaa(rivi, r, r % 2 == 0);
    }
    HIIRI h;
    h.Alusta(800, 600);
    h.x = 640;
    h.y = 512;
    g->TyhjennaKuvaPuskuri();
    g->TulostaTeksti(*t, 640, 512, h, KESKI, 0, 1.5);
    for (Uint32 i = 0; i < g->KuvienMaara; i++)
        VAADI(std::isfinite(g->Kuvat[i].X) && std::isfinite(g->Kuvat[i].Leveys));
    return 0;
}
