// The ghost in a race: read at the race start, flown beside the player one
// update at a time, and replaced by a better completed flight at its end.
// The flight screen calls these at three points; the ghost changes nothing of
// the race itself.
#include "files/HaamuTiedosto.h"
#include "shell/Kuori.h"

#include <cstdio>
#include <cstring>

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

void HaamuAlku(LENTO& lento, const PAPERPLANE& kone, int pelityyppi) {
    HAAMUT& h = lento.haamut;
    bool kisa = pelityyppi >= 1 && pelityyppi <= 6;
    h.Aloita(kisa);
    h.haamu.maara = 0;
    if (!kisa) return;
    h.nauha.rata = RadanTunniste(lento.rata);
    memcpy(h.nauha.kone, kone.name, sizeof h.nauha.kone);
    // Whatever is wrong with the file, the race goes on without a ghost.
    LataaHaamu(HaamunPolku(pelityyppi), (char)('A' + pelityyppi - 1), h.nauha.rata, h.haamu);
    if (h.haamu.maara > 0) h.Ulkoasu(h.haamu.kone, kone);
}

namespace {

const char* const HAAMU_NAKYY = "ghost on";
const char* const HAAMU_PIILOSSA = "ghost off";
const char* const HAAMUN_LIITE[2] = {", ghost off", ", ghost on"};

// "ghost on" or "ghost off", without wiping another message still on screen (the
// penalty's): the word then joins it, replacing its own word of an earlier G.
void HaamunViesti(BONUS& b, bool naytetaan, double rivinKorkeus) {
    const char* sana = naytetaan ? HAAMU_NAKYY : HAAMU_PIILOSSA;
    Uint32 n = b.messageCount < VIESTIEN_MAARA ? b.messageCount : (Uint32)VIESTIEN_MAARA;
    if (n > 1 && (strcmp(b.messageTexts[n - 1], HAAMUN_LIITE[0]) == 0 ||
                  strcmp(b.messageTexts[n - 1], HAAMUN_LIITE[1]) == 0))
        n--;
    bool oma = strcmp(b.messageTexts[0], HAAMU_NAKYY) == 0 ||
               strcmp(b.messageTexts[0], HAAMU_PIILOSSA) == 0;
    if (!b.ViestiNakyy(rivinKorkeus) || oma || n >= VIESTIEN_MAARA) {
        b.AloitaViesti(sana, nullptr, 1000);
        return;
    }
    snprintf(b.messageTexts[n], VIESTIN_PITUUS, "%s", HAAMUN_LIITE[naytetaan ? 1 : 0]);
    b.messageCount = n + 1;
}

} // namespace

void HaamuPaivitys(LENTO& lento, const PAPERPLANE& kone, const NAPPAIMET& n, GRAFIIKKA& g) {
    HAAMUT& h = lento.haamut;
    if (!h.kisa) return;
    h.Nauhoita(kone.body);
    if (n.NapinTila(NAPPI_G) == VAPAUTETTU) {
        h.naytetaan = !h.naytetaan;
        // The HUD draws the message in the font at size 1.
        double rivi = g.Fontit ? g.Fontit[0].Kirjaimet[0].Korkeus : 0;
        HaamunViesti(lento.bonus, h.naytetaan, rivi);
    }
    // Drawn last, so that it shows the scene through itself. Past its last
    // update the ghost's flight is over and it is gone.
    if (h.naytetaan && h.Asento(h.paivitys, h.kuva)) g.LisaaObjekti(h.kuva);
    h.paivitys++;
}

bool HaamuLoppu(LENTO& lento, int pelityyppi) {
    HAAMUT& h = lento.haamut;
    const RATA& rata = lento.rata;
    // Only a race that reached every bubble of a real track counts; a flight
    // longer than the ghost can hold is not kept.
    if (!h.kisa || rata.pituus <= 0 || rata.seuraava < rata.pituus || h.taynna) return false;
    if (h.nauha.maara == 0) return false;
    Uint32 tulos = lento.tiedot.flightTime + rata.sakko;
    if (!h.Parempi(tulos)) return false;
    h.nauha.tulos = tulos;
    return TallennaHaamu(HaamunPolku(pelityyppi), (char)('A' + pelityyppi - 1), h.nauha);
}
