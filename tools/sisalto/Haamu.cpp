// The ghost's texture: the race ghost is the plane that flew the best run, drawn
// in this pale, half-transparent mist over whatever plane model it flew.
#include "Sisalto.h"

#include <cmath>

bool TeeHaamu(KOHDE& k) {
    // Every plane's texture coordinates cover the whole picture, each its own
    // way, so the mist has no shape of its own: soft clouds of blue-white, a
    // little denser in streaks along the sheet, about half transparent.
    const int S = 128;
    KUVA_RGBA kuva(S, S);
    for (int y = 0; y < S; y++)
        for (int x = 0; x < S; x++) {
            float s = (x + 0.5f) / S, t = (y + 0.5f) / S;
            float pilvi = Fbm(s * 6, t * 6, 1801, 4, 6);
            float juova = 0.5f + 0.5f * std::sin((s * 3 + t * 9 + 2 * pilvi) * 6.2831853f);
            VARI4 c = Sekoita(Rgb(200, 220, 255), Rgb(246, 250, 255), pilvi);
            c = Sekoita(c, Rgb(255, 255, 255), 0.35f * juova * juova);
            c.a = 0.42f + 0.12f * pilvi + 0.06f * juova;
            kuva.P(x, y) = c;
        }
    return Tekstuuri(k, HAAMUN_TEKSTUURI, kuva, true);
}
