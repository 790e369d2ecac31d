#include "bubbles/KuplaFunktiot.h"

#include "files/TiedostoFunktiot.h"
#include "foundation/AikaFunktiot.h"
#include "foundation/PerusFunktiot.h"

namespace {

const char* const AANET[5] = {
    "Tiedostot\\Kuuluva\\aani1.ogg", "Tiedostot\\Kuuluva\\aani2.ogg",
    "Tiedostot\\Kuuluva\\aani3.ogg", "Tiedostot\\Kuuluva\\aani4.ogg",
    "Tiedostot\\Kuuluva\\aani5.ogg",
};
enum { AANI_TYHJENNYS = 1, AANI_OIKEA_KUPLA = 3, AANEN_VOIMAKKUUS = 64 };

// Kind 0..3 in this order; the file numbers do not follow the kinds.
const char* const MALLIT[4] = {
    "Tiedostot\\Objektit\\Kupla2.txt",
    "Tiedostot\\Objektit\\Kupla1.txt",
    "Tiedostot\\Objektit\\Kupla4.txt",
    "Tiedostot\\Objektit\\Kupla3.txt",
};

Mix_Chunk* LataaAani(const char* polku) {
    char oikea[POLUN_PITUUS + 1];
    JarjestelmanPolku(polku, oikea, sizeof oikea);
    SDL_RWops* virta = SDL_RWFromFile(oikea, "rb");
    if (!virta) return nullptr;
    return Mix_LoadWAV_RW(virta, 1);
}

// The bonus a right pick-up of `laji` may start, by the draw r = 0..100. At most
// one starts; every other (kind, r) starts nothing.
void AloitaBonus(int laji, BONUS& bonus, Mix_Chunk* tyhjennysAani) {
    const int r = Sattuma(0, 100);
    const Uint32 nyt = AnnaTikit();
    if (laji == 0 && r >= 30 && r <= 49) {
        bonus.blowFactor = Sattuma(50, 500) * 0.01;
        bonus.blowFactorEnds = nyt + 10000;
        // The number shown is one more than the whole part of the factor.
        bonus.AloitaViesti(LukuSanaksi((int)(bonus.blowFactor + 1.0)), "x bubble-blowing", 1000);
    } else if (laji == 0 && r >= 50 && r <= 59) {
        bonus.blowFactor = 0;
        bonus.blowFactorEnds = nyt + 5000;
        bonus.AloitaViesti("Bubbling pause", nullptr, 1000);
    } else if (laji == 1 && r >= 60 && r <= 74) {
        bonus.blowerSpeed = 2.5;
        bonus.blowerSpeedEnds = nyt + (Uint32)Sattuma(4000, 20000);
        bonus.AloitaViesti("\xD6"
                           "4's got speed-up",
                           nullptr, 1000);
    } else if (laji == 2 && r >= 0 && r <= 19) {
        bonus.clearBubbles = true;
        SoitaAani(tyhjennysAani, AANEN_VOIMAKKUUS);
        bonus.AloitaViesti("Good-bye bubbles...", nullptr, 1000);
    } else if (laji == 3 && r >= 0 && r <= 19) {
        bonus.suck = Sattuma(100, 800) * 0.0001;
        bonus.suckEnds = nyt + 10000;
        bonus.AloitaViesti("Bubble-sucker", nullptr, 1000);
    } else if (laji == 3 && r >= 20 && r <= 29) {
        bonus.repel = Sattuma(100, 800) * -0.0001;
        bonus.repelEnds = nyt + 10000;
        bonus.AloitaViesti("Bubble-repeller", nullptr, 1000);
    }
}

} // namespace

void KUPLA::Alusta() {
    for (int i = 0; i < 5; i++) {
        // Alusta may run again (tests do); the old chunks are not kept twice.
        if (sounds[i]) Mix_FreeChunk(sounds[i]);
        sounds[i] = LataaAani(AANET[i]);
    }
    for (int k = 0; k < 4; k++) {
        templates[k].Alusta(MALLIT[k]);
        templates[k].Skaalaus = 1.0;
    }
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        kinds[i] = 0;
        bubbles[i].Alusta(templates[0]);
        isFree[i] = true;
        spins[i][0] = spins[i][1] = spins[i][2] = 0;
        rises[i] = 0;
    }
    wantedKind = 0;
}

void KUPLA::Puhalla(SIJAINTI paikka) {
    int i = 0;
    while (i < KUPLIEN_MAARA && !isFree[i]) i++;
    if (i == KUPLIEN_MAARA) return; // a full pool blows nothing
    kinds[i] = (Uint8)Sattuma(0, 3);
    bubbles[i].Alusta(templates[kinds[i]]);
    bubbles[i].Sijainti = paikka;
    bubbles[i].Sijainti.y += 2.5;
    for (int a = 0; a < 3; a++) spins[i][a] = Sattuma(0, 2000) * 0.0001;
    rises[i] = Sattuma(5, 100) * 0.0001;
    isFree[i] = false;
}

int KUPLA::Paivita(const PAPERPLANE& kone, GRAFIIKKA& g, BONUS& bonus) {
    const SIJAINTI koneenPaikka = kone.body.Sijainti;
    const bool tyhjenna = bonus.clearBubbles;
    // The sucker and the repeller add up; equal strengths cancel exactly.
    const double veto = bonus.suck + bonus.repel;
    int tulos = 0;
    int oikeaLaji = -1; // kind of the last pick-up of this update when it was right

    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        if (isFree[i]) continue;
        // A cleared bubble still has this one update: it moves, shows and can be
        // picked up or pop.
        if (tyhjenna) isFree[i] = true;

        OBJEKTI& o = bubbles[i];
        SIJAINTI& p = o.Sijainti;
        VEKTORI d;
        if (veto != 0) {
            d.Aseta(koneenPaikka.x - p.x, koneenPaikka.y - p.y, koneenPaikka.z - p.z);
            d.AsetaPituus(veto);
        }
        const double* m = o.Kiertomatriisi.m;
        p.x += 0.02 * m[8] + d.x;
        p.y += 0.02 * m[9] + rises[i] + d.y;
        p.z += 0.02 * m[10] + d.z;

        o.Kiertomatriisi.PyoritaX(spins[i][0]);
        o.Kiertomatriisi.PyoritaY(spins[i][1]);
        o.Kiertomatriisi.PyoritaZ(spins[i][2]);
        OrthonormalizeMatrix(o.Kiertomatriisi.m);

        // Bubbles grow as they rise.
        o.Skaalaus = p.y * 0.001 + 0.5;
        g.LisaaObjekti(o);

        if (Etaisyys(p, koneenPaikka) <= 2.25 * o.Skaalaus) {
            isFree[i] = true;
            // Every pick-up replaces the pending boost; the lower the plane, the more.
            bonus.speedBoost = (130 - koneenPaikka.y) * 0.0025 + Sattuma(800, 1200) * 0.00006;
            if (kinds[i] == wantedKind) {
                tulos = 1;
                oikeaLaji = kinds[i];
                SoitaAani(sounds[AANI_OIKEA_KUPLA], AANEN_VOIMAKKUUS);
            } else {
                tulos = -1;
                oikeaLaji = -1;
            }
            wantedKind = Sattuma(0, 3);
        }

        // The draw is never above 32767, so a bubble pops with probability about
        // y / 32768 per update, never at or below the ground.
        if (Sattuma(0, 10000000) < p.y) isFree[i] = true;
    }

    bonus.clearBubbles = false;
    if (oikeaLaji >= 0) AloitaBonus(oikeaLaji, bonus, sounds[AANI_TYHJENNYS]);
    return tulos;
}

void KUPLA::Tyhjenna() {
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        bubbles[i].Sijainti = SIJAINTI{};
        isFree[i] = true;
    }
}
