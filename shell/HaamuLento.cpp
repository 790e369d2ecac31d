// The ghost in a race: read at the race start, shown or hidden with G, and
// replaced by a better completed flight at its end. The flight step records
// the flight and poses the ghost; the ghost changes nothing of the race itself.
#include "files/HaamuTiedosto.h"
#include "shell/Kuori.h"

#include <cstdio>
#include <cstring>

void HaamuAlku(LENTO& lento, const PAPERPLANE& kone, int pelityyppi) {
    HAAMUT& h = lento.haamut;
    bool kisa = pelityyppi >= 1 && pelityyppi <= RATOJA;
    h.Aloita(kisa);
    h.haamu.maara = 0;
    if (!kisa) return;
    h.nauha.rata = RadanTunniste(lento.rata);
    memcpy(h.nauha.kone, kone.name, sizeof h.nauha.kone);
    // Whatever is wrong with the file, the race goes on without a ghost.
    LataaHaamu(HaamunPolku(pelityyppi), RadanKirjain(pelityyppi), h.nauha.rata, h.haamu);
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

void HaamuNappi(LENTO& lento, double rivinKorkeus) {
    HAAMUT& h = lento.haamut;
    if (!h.kisa) return;
    h.naytetaan = !h.naytetaan;
    HaamunViesti(lento.bonus, h.naytetaan, rivinKorkeus);
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
    return TallennaHaamu(HaamunPolku(pelityyppi), RadanKirjain(pelityyppi), h.nauha);
}
