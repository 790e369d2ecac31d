// Writes the six race tracks that the scripted pilot flies (Radat.cpp), once
// each has been shown fit to race: bubble 0 dead ahead of the start, gentle turns,
// the next bubble in the picture whenever one is reached, every bubble clear of
// the museum and the trees, and every one reached by a pilot who knows nothing
// but where the bubbles are.
#include "Radat.h"
#include "Sisalto.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Any part of a bubble inside the museum or a tree's crown: its centre and 26
// points round it.
bool KuplaEsteessa(const RATAKUPLA& k) {
    const double sade = KUPLAN_ULOTTUMA * KISAKUPLAN_SKAALA;
    for (int x = -1; x <= 1; x++)
        for (int y = -1; y <= 1; y++)
            for (int z = -1; z <= 1; z++) {
                double r = (x || y || z) ? sade / std::sqrt(x * x + y * y + z * z) : 0;
                SIJAINTI s{k.x + r * x, k.y + r * y, k.z + r * z};
                if (MuseonSisalla(s) || PuussaTaiAidassa(s.x, s.y, s.z)) return true;
            }
    return false;
}

// Checks a track as the game will fly it; false (and why) if it is unfit.
bool Koettele(const char* nimi, const RADAN_LENTO& lento, bool kerro) {
    const std::vector<RATAKUPLA>& kuplat = lento.Kuplat;
    KUPLALENTO koe = LennaKuplille(kuplat);
    int maara = (int)kuplat.size(), loivat = 0, esteessa = 0, nakyvat = 0;
    double jyrkin = 0, pienin = 1e9;
    for (int i = 0; i < maara; i++) {
        const KUPLAN_SAAVUTUS& s = koe.Kuplat[(size_t)i];
        if (i > 0) {
            loivat += s.Kaannos <= 35;
            jyrkin = std::fmax(jyrkin, s.Kaannos);
        }
        esteessa += KuplaEsteessa(kuplat[(size_t)i]);
        if (s.Saavutettu && i + 1 < maara) {
            nakyvat += s.Seuraava.Kokonaan && s.Seuraava.Halkaisija >= RATAKUPLAN_KOKO;
            pienin = std::fmin(pienin, s.Seuraava.Halkaisija);
        }
    }
    int lennetyt = 0; // the scripted flight's updates inside the museum
    for (const SIJAINTI& s : lento.Reitti) lennetyt += MuseonSisalla(s);
    double osuus = 100.0 * loivat / (maara - 1);
    if (kerro)
        printf("%s %3d bubbles: turns <= 35 deg %5.1f %%, largest %4.1f; bubble 0 %.1f deg off "
               "+z; par %d updates (%.1f s); next bubble in the picture %d/%d, at least %.0f "
               "px\n",
               nimi, maara, osuus, jyrkin, koe.Kuplat[0].Kaannos, koe.Ruutuja, koe.Ruutuja / 60.0,
               nakyvat, maara - 1, pienin);
    const char* vika = nullptr;
    if (koe.Kuplat[0].Kaannos > 0.5)
        vika = "bubble 0 is not straight ahead of the start";
    else if (osuus < 90 || jyrkin > 45)
        vika = "it turns too sharply";
    else if (koe.Saavutettu != maara)
        vika = "the pilot flying to the bubbles misses one";
    else if (nakyvat != maara - 1)
        vika = "a next bubble is out of the picture or too small";
    else if (esteessa || lennetyt)
        vika = "a bubble or the flight is in the museum or a tree";
    if (vika) fprintf(stderr, "sisalto: %s: %s\n", nimi, vika);
    return !vika;
}

} // namespace

bool TeeRadat(KOHDE& k) {
    bool ok = true;
    bool kerro = getenv("SISALTO_KERRO") != nullptr;
    for (int n = 0; n < RATOJA; n++) {
        const std::string tiedosto = Datassa(RATATIEDOSTOT[n]);
        const std::string nimi = tiedosto.substr(tiedosto.rfind('/') + 1);
        RADAN_LENTO lento = LennaRata(n);
        if ((int)lento.Kuplat.size() != RadanKuplat(n)) {
            fprintf(stderr, "sisalto: the pilot could not fly %s\n", nimi.c_str());
            ok = false;
            continue;
        }
        if (!Koettele(nimi.c_str(), lento, kerro)) {
            ok = false;
            continue;
        }
        std::string data;
        int32_t maara = (int32_t)lento.Kuplat.size();
        data.append((const char*)&maara, 4); // little-endian, as the machine is
        for (const RATAKUPLA& kupla : lento.Kuplat)
            for (double v : {kupla.x, kupla.y, kupla.z, kupla.vauhti})
                data.append((const char*)&v, 8);
        ok = KirjoitaTiedosto(k, tiedosto, data) && ok;
    }
    return ok;
}
