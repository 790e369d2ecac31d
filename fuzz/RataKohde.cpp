// A track file as a race start reads it: the track holds at most its 200 race
// bubbles, every one at a finite place with a finite boost, and each boost,
// when reached, leaves the plane's flight finite.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "shell/Kuori.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    static RATA* rata = [] {
        RATA* uusi = new RATA;
        OBJEKTI kupla;
        uusi->Alusta(kupla);
        return uusi;
    }();
    rata->pituus = 0;
    VAADI(LataaRata(polku, *rata));
    VAADI(rata->pituus >= 0 && rata->pituus <= RADAN_KUPLAT);
    // Whole entries of the file only; a file without a count leaves the track.
    VAADI(size >= 4 + 32 * (size_t)rata->pituus || (size < 4 && rata->pituus == 0));
    // The content checker's reading gives the same track, and a file of anything
    // but a whole count of finite bubbles is always told.
    static RATA* toinen = new RATA;
    toinen->pituus = 0;
    LUKUHUOMIOT huomiot;
    VAADI(LataaRata(polku, *toinen, &huomiot));
    VAADI(toinen->pituus == rata->pituus);
    for (Sint32 i = 0; i < rata->pituus; i++) {
        VAADI(memcmp(&toinen->kuplat[i].Sijainti, &rata->kuplat[i].Sijainti, sizeof(SIJAINTI)) ==
              0);
        VAADI(memcmp(&toinen->boostit[i], &rata->boostit[i], sizeof(double)) == 0);
    }
    VAADI(!huomiot.Huomiot.empty() || (rata->pituus > 0 && size == 4 + 32 * (size_t)rata->pituus));

    MAAILMA w;
    w.Aseta(1.0);
    BONUS b;
    b.Alusta();
    PAPERPLANE kone;
    kone.body.Kiertomatriisi.Yksikoksi();
    kone.push = 0.5;
    kone.body.Sijainti.Aseta(-100, 100, 0);
    for (Sint32 i = 0; i < rata->pituus; i++) {
        const SIJAINTI& s = rata->kuplat[i].Sijainti;
        VAADI(std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.z));
        VAADI(std::isfinite(rata->boostit[i]));
        // Reached: the boost goes into the next physics step.
        b.speedBoost = rata->boostit[i] * 1.2;
        kone.PaivitaFysiikka(w, b);
    }
    // A plane thrown off balance takes a few steps to lose its numbers.
    for (int i = 0; i < 20; i++) kone.PaivitaFysiikka(w, b);
    VAADI(std::isfinite(kone.body.Sijainti.y) && std::isfinite(kone.velocity.AnnaPituus()));
    return 0;
}
