#include "bubbles/LentoAskel.h"

void KAMERAN_VIIVE::Paivita(const VEKTORI& eteen) {
    if (indeksi < 0 || indeksi >= PITUUS) indeksi = 0;
    historia[indeksi] = eteen;
    indeksi = (indeksi + 1) % PITUUS;
    viive = historia[indeksi];
    if (viive.x == 0 && viive.y == 0 && viive.z == 0) viive = eteen;
}

void AloitaLento(LENTO& lento, PAPERPLANE& kone, int pelityyppi) {
    kone.Lahtoon();
    if (pelityyppi == 0) {
        lento.puhaltajat.Nollaa();
        lento.kuplat.Tyhjenna();
    } else {
        lento.rata.Aloita();
    }
}

LENNON_TULOS LentoAskel(LENTO& lento, PAPERPLANE& kone, int pelityyppi, const OHJAUS& o) {
    LENNON_TULOS t;
    auto Loppuu = [&t](LOPPU syy) {
        if (t.loppu == LOPPU_EI) t.loppu = syy;
    };
    if (o.lopeta) Loppuu(LOPPU_ESC);
    if (kone.body.Sijainti.y <= 0) Loppuu(LOPPU_MAA);

    if (pelityyppi == 0) {
        t.poiminta = lento.kuplat.Paivita(kone, lento.bonus, t.aanet);
        t.bonus = lento.kuplat.bonusAlkoi;
        if (t.poiminta < 0)
            Loppuu(LOPPU_VAARA_KUPLA);
        else
            lento.tiedot.bubblesPicked += (Uint32)t.poiminta;
    } else {
        t.saavutettu = KisaAskel(lento.rata, kone.body.Sijainti, lento.tiedot.altitude, o.boosti,
                                 lento.bonus, t.aanet);
        if (lento.rata.seuraava >= lento.rata.pituus) Loppuu(LOPPU_MAALI);
    }

    kone.Ohjaa(o);
    kone.PaivitaFysiikka(lento.maailma, lento.bonus);
    PuhaltajaAskel(lento.puhaltajat, lento.kuplat, lento.bonus);
    t.haamu = lento.haamut.Askel(kone.body);
    lento.bonus.Paivita();
    lento.tiedot.Paivita(kone);
    lento.viive.Paivita(kone.body.Kiertomatriisi.EteenV());

    // The menu's plane spins upright again, and the next flight starts level.
    if (t.loppu != LOPPU_EI) kone.Oikaise();
    return t;
}
