// A plane file as the game reads it, then the plane's first flight steps from
// the flight start: whatever the file holds, the plane stays a finite thing.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "flight/PPFunktiot.h"

#include <cmath>
#include <cstring>

namespace {

bool Aarellinen(const PAPERPLANE& p) {
    const SIJAINTI& s = p.body.Sijainti;
    if (!std::isfinite(s.x) || !std::isfinite(s.y) || !std::isfinite(s.z)) return false;
    for (double x : p.body.Kiertomatriisi.m)
        if (!std::isfinite(x)) return false;
    return std::isfinite(p.velocity.AnnaPituus()) && std::isfinite(p.massDistribution);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    PAPERPLANE p;
    p.Alusta(polku);
    VAADI(memchr(p.name, 0, sizeof p.name) != nullptr);
    VAADI(memchr(p.body.MalliNimi, 0, sizeof p.body.MalliNimi) != nullptr);
    VAADI(memchr(p.body.TekstuuriNimi, 0, sizeof p.body.TekstuuriNimi) != nullptr);
    // A file gives a number or none; never a not-a-number.
    VAADI(!std::isnan(p.mass) && !std::isnan(p.massDistribution));
    VAADI(!std::isnan(p.wingArea) && !std::isnan(p.aerodynamics));
    VAADI(p.body.Skaalaus == 0.3 && p.elevonA == 0 && p.elevonB == 0);
    // The content checker's reading gives the same plane.
    PAPERPLANE q;
    LUKUHUOMIOT huomiot;
    q.Alusta(polku, &huomiot);
    VAADI(strcmp(q.name, p.name) == 0 && strcmp(q.body.MalliNimi, p.body.MalliNimi) == 0);
    VAADI(strcmp(q.body.TekstuuriNimi, p.body.TekstuuriNimi) == 0);
    for (double PAPERPLANE::*kentta : {&PAPERPLANE::mass, &PAPERPLANE::massDistribution,
                                       &PAPERPLANE::wingArea, &PAPERPLANE::aerodynamics})
        VAADI(memcmp(&(q.*kentta), &(p.*kentta), sizeof(double)) == 0);

    // The flight start and the first steps, as the flight screen runs them (it
    // writes the straightening flag before every step).
    MAAILMA w;
    w.Aseta(1.0);
    BONUS b;
    b.Alusta();
    p.push = 0.5;
    p.body.Sijainti.Aseta(-100, 100, 0);
    for (int i = 0; i < 40; i++) {
        p.wingArea = (i / 10) % 2 ? 1.0 : 0.0;
        p.PaivitaFysiikka(w, b);
    }
    VAADI(Aarellinen(p));
    return 0;
}
