#include "bubbles/Kisa.h"

#include "foundation/AikaFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cstring>
#include <initializer_list>

void RATA::Alusta(const OBJEKTI& malli) {
    for (int i = 0; i < RADAN_KUPLAT; i++) {
        kuplat[i].Alusta(malli);
        kuplat[i].Skaalaus = KISAKUPLAN_SKAALA;
        boostit[i] = 0.0;
    }
}

void RATA::Aloita() {
    seuraava = 0;
    sakko = 0;
    boostiValmis = 0;
}

void RATA::Aseta(const RADAN_TIEDOSTO& tiedosto) {
    for (Sint32 i = 0; i < tiedosto.pituus && i < RADAN_KUPLAT; i++) {
        const RADAN_KUPLA& k = tiedosto.kuplat[i];
        kuplat[i].Sijainti.Aseta(k.x, k.y, k.z);
        boostit[i] = k.boosti;
    }
    pituus = tiedosto.pituus;
}

bool LataaRata(const char* polku, RATA& rata, LUKUHUOMIOT* huomiot) {
    RADAN_TIEDOSTO t;
    t.pituus = -1; // left so by a file too short to hold a count
    if (!LataaRata(polku, t, huomiot)) return false;
    if (t.pituus >= 0) rata.Aseta(t);
    return true;
}

void RataTavuista(const Uint8* tavut, size_t n, RATA& rata, LUKUHUOMIOT* huomiot) {
    RADAN_TIEDOSTO t;
    if (RataTavuista(tavut, n, t, huomiot)) rata.Aseta(t);
}

Uint32 RadanTunniste(const RATA& rata) {
    // FNV-1a over the count and each bubble's four doubles, byte by byte in
    // little-endian order: the same numbers give the same fingerprint anywhere.
    Uint32 h = 2166136261u;
    auto Lisaa = [&h](Uint64 x, int tavuja) {
        for (int i = 0; i < tavuja; i++) {
            h ^= (Uint8)(x >> (8 * i));
            h *= 16777619u;
        }
    };
    Lisaa((Uint32)rata.pituus, 4);
    for (Sint32 i = 0; i < rata.pituus && i < RADAN_KUPLAT; i++) {
        const SIJAINTI& s = rata.kuplat[i].Sijainti;
        for (double d : {s.x, s.y, s.z, rata.boostit[i]}) {
            Uint64 bitit;
            memcpy(&bitit, &d, sizeof bitit);
            Lisaa(bitit, 8);
        }
    }
    return h;
}

bool KisaKuplaTavoitettu(const RATA& rata, const SIJAINTI& kone) {
    if (rata.seuraava < 0 || rata.seuraava >= rata.pituus || rata.seuraava >= RADAN_KUPLAT)
        return false;
    const OBJEKTI& kupla = rata.kuplat[rata.seuraava];
    return Etaisyys(kone, kupla.Sijainti) <= KUPLAN_ULOTTUMA * kupla.Skaalaus;
}

bool KisaAskel(RATA& rata, const SIJAINTI& kone, double korkeus, bool boosti, BONUS& bonus,
               AANIJONO& aanet) {
    // Alt boost: bigger the lower the plane flies, bought with eight seconds.
    if (boosti && AnnaTikit() > rata.boostiValmis) {
        rata.boostiValmis = AnnaTikit() + 5000;
        rata.sakko += 8000;
        bonus.speedBoost = (130 - korkeus) * 0.005 + 0.15;
        bonus.AloitaViesti("eight secs penalty", nullptr, 2000);
    }

    const bool saavutettu = KisaKuplaTavoitettu(rata, kone);
    if (saavutettu) {
        bonus.speedBoost = rata.boostit[rata.seuraava] * KISABOOSTIN_KERROIN;
        rata.seuraava++;
        for (double& p : rata.pyoriminen) p = Sattuma(-200, 200) * 0.01;
        if (rata.seuraava < RADAN_KUPLAT) rata.kuplat[rata.seuraava].Skaalaus = KISAKUPLAN_SKAALA;
        aanet.Lisaa(AANI_KUPLA, 64);
    }

    // Only the next race bubble is shown, turning.
    if (rata.seuraava < rata.pituus) {
        MATRIISI4X4& m = rata.kuplat[rata.seuraava].Kiertomatriisi;
        m.PyoritaX(rata.pyoriminen[0]);
        m.PyoritaY(rata.pyoriminen[1]);
        m.PyoritaZ(rata.pyoriminen[2]);
        OrthonormalizeMatrix(m.m);
    }
    return saavutettu;
}
