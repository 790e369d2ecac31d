// Writes the six race tracks that the scripted pilot flies (Radat.cpp).
#include "Radat.h"
#include "Sisalto.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

bool TeeRadat(const KOHDE& k) {
    bool ok = true;
    for (int n = 0; n < RATOJEN_MAARA; n++) {
        RADAN_LENTO lento = LennaRata(n);
        if ((int)lento.Kuplat.size() != RadanKuplat(n)) {
            fprintf(stderr, "sisalto: the pilot could not fly %s\n", RadanTiedosto(n));
            ok = false;
            continue;
        }
        std::string data;
        int32_t maara = (int32_t)lento.Kuplat.size();
        data.append((const char*)&maara, 4); // little-endian, as the machine is
        for (const RATAKUPLA& kupla : lento.Kuplat)
            for (double v : {kupla.x, kupla.y, kupla.z, kupla.vauhti})
                data.append((const char*)&v, 8);
        ok = KirjoitaTiedosto(k, std::string("Muu Data/") + RadanTiedosto(n), data) && ok;
        if (getenv("SISALTO_KERRO")) {
            int puissa = 0;
            for (const SIJAINTI& s : lento.Reitti) puissa += PuussaTaiAidassa(s.x, s.y, s.z);
            if (puissa) printf("  %s: %d frames in tree crowns\n", RadanTiedosto(n), puissa);
            double ylin = -1e9, alin = 1e9;
            for (const RATAKUPLA& kupla : lento.Kuplat) {
                ylin = std::fmax(ylin, kupla.y);
                alin = std::fmin(alin, kupla.y);
            }
            printf("%s %3d bubbles, %5d frames (%.0f s), height %.0f..%.0f\n", RadanTiedosto(n),
                   maara, (int)lento.Ohjaus.size(), lento.Ohjaus.size() / 60.0, alin, ylin);
        }
    }
    return ok;
}
