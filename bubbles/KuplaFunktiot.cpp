#include "bubbles/KuplaFunktiot.h"

#include "foundation/AikaFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cmath>

namespace {

enum { AANEN_VOIMAKKUUS = 64 };

// The bonus a right pick-up of `laji` may start, by the draw r = 0..100. At most
// one starts; every other (kind, r) starts nothing.
bool AloitaBonus(int laji, BONUS& bonus, AANIJONO& aanet) {
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
        aanet.Lisaa(AANI_LOPPU, AANEN_VOIMAKKUUS);
        bonus.AloitaViesti("Good-bye bubbles...", nullptr, 1000);
    } else if (laji == 3 && r >= 0 && r <= 19) {
        bonus.suck = Sattuma(100, 800) * 0.0001;
        bonus.suckEnds = nyt + 10000;
        bonus.AloitaViesti("Bubble-sucker", nullptr, 1000);
    } else if (laji == 3 && r >= 20 && r <= 29) {
        bonus.repel = Sattuma(100, 800) * -0.0001;
        bonus.repelEnds = nyt + 10000;
        bonus.AloitaViesti("Bubble-repeller", nullptr, 1000);
    } else {
        return false;
    }
    return true;
}

// Turning by X, then Y, then Z about the bubble's own axes is the one turn Z Y X.
void TeeKaannos(KUPLA& k, int i) {
    MATRIISI4X4& t = k.spinTurns[i];
    t.Yksikoksi();
    t.PyoritaX(k.spins[i][0]);
    t.PyoritaY(k.spins[i][1]);
    t.PyoritaZ(k.spins[i][2]);
    for (int a = 0; a < 3; a++) k.spinTurnsOf[i][a] = k.spins[i][a];
}

// Etaisyys(a, b) <= r, with the same arithmetic. A bubble clearly farther than
// its reach (nearly all of them) needs no square root: the squared distance is
// tested first against a bound a little above r^2, so that only distances within
// rounding of the reach take the exact test.
inline bool Tavoittaa(const SIJAINTI& a, const SIJAINTI& b, double r) {
    const double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    const double nelio = dx * dx + dy * dy + dz * dz;
    if (!(nelio <= r * r * 1.000001)) return false;
    return std::sqrt(nelio) <= r;
}

} // namespace

void KUPLA::Alusta() {
    for (int k = 0; k < KUPLALAJEJA; k++) {
        templates[k].Alusta(KUPLIEN_OBJEKTIT[k]);
        templates[k].Skaalaus = 1.0;
        // Hundreds of them far away, a few pixels each: the renderer bundles those.
        templates[k].Niputettava = true;
    }
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        kinds[i] = 0;
        bubbles[i].Alusta(templates[0]);
        isFree[i] = true;
        spins[i][0] = spins[i][1] = spins[i][2] = 0;
        TeeKaannos(*this, i);
        rises[i] = 0;
    }
    wantedKind = 0;
    naytettavia = 0;
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
    TeeKaannos(*this, i);
    rises[i] = Sattuma(5, 100) * 0.0001;
    isFree[i] = false;
}

int KUPLA::Paivita(const PAPERPLANE& kone, BONUS& bonus, AANIJONO& aanet) {
    const SIJAINTI koneenPaikka = kone.body.Sijainti;
    // The sucker and the repeller add up; equal strengths cancel exactly.
    const double veto = bonus.suck + bonus.repel;

    // First every live bubble moves, turns and grows. No bubble's motion depends on
    // another's or on the generator, so this runs as its own tight loop, ahead of
    // the pick-up and pop tests that must go slot by slot.
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        if (isFree[i]) continue;
        OBJEKTI& o = bubbles[i];
        SIJAINTI& p = o.Sijainti;
        VEKTORI d;
        if (veto != 0) {
            d.Aseta(koneenPaikka.x - p.x, koneenPaikka.y - p.y, koneenPaikka.z - p.z);
            d.AsetaPituus(veto);
        }
        // Bubbles swim slowly along their own forward axis and rise.
        double* m = o.Kiertomatriisi.m;
        p.x += 0.02 * m[8] + d.x;
        p.y += 0.02 * m[9] + rises[i] + d.y;
        p.z += 0.02 * m[10] + d.z;

        const double* tehty = spinTurnsOf[i];
        if (spins[i][0] != tehty[0] || spins[i][1] != tehty[1] || spins[i][2] != tehty[2])
            TeeKaannos(*this, i);
        o.Kiertomatriisi.KerroMatriisi(spinTurns[i].m, m);
        OrthonormalizeMatrix(m);

        // Bubbles grow as they rise.
        o.Skaalaus = p.y * 0.001 + 0.5;
    }

    // A cleared bubble still has this one update: it has moved, and it shows and
    // can be picked up or pop.
    const bool tyhjenna = bonus.clearBubbles;
    int tulos = 0;
    int oikeaLaji = -1; // kind of the last pick-up of this update when it was right
    naytettavia = 0;
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        if (isFree[i]) continue;
        if (tyhjenna) isFree[i] = true;
        OBJEKTI& o = bubbles[i];
        naytettavat[naytettavia++] = (Uint16)i;

        if (Tavoittaa(o.Sijainti, koneenPaikka, KUPLAN_ULOTTUMA * o.Skaalaus)) {
            isFree[i] = true;
            // Every pick-up replaces the pending boost; the lower the plane, the more.
            bonus.speedBoost = (130 - koneenPaikka.y) * 0.0025 + Sattuma(800, 1200) * 0.00006;
            if (kinds[i] == wantedKind) {
                tulos = 1;
                oikeaLaji = kinds[i];
                aanet.Lisaa(AANI_KUPLA, AANEN_VOIMAKKUUS);
            } else {
                tulos = -1;
                oikeaLaji = -1;
            }
            wantedKind = Sattuma(0, 3);
        }

        // The draw is never above 32767, so a bubble pops with probability about
        // y / 32768 per update, never at or below the ground.
        if (Sattuma(0, 10000000) < o.Sijainti.y) isFree[i] = true;
    }

    bonus.clearBubbles = false;
    bonusAlkoi = oikeaLaji >= 0 && AloitaBonus(oikeaLaji, bonus, aanet);
    return tulos;
}

void KUPLA::Tyhjenna() {
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        bubbles[i].Sijainti = SIJAINTI{};
        isFree[i] = true;
    }
}
