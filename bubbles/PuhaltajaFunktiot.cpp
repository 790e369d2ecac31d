#include "bubbles/KuplaFunktiot.h"

#include "foundation/PerusFunktiot.h"

#include <cmath>

void PUHALTAJAT::Alusta() {
    maara = PUHALTAJIEN_MAARA;
    for (int i = 0; i < PUHALTAJIEN_MAARA; i++) {
        objektit[i].Alusta(PUHALTAJAN_OBJEKTI);
        objektit[i].Skaalaus = 1.0;
        objektit[i].Sijainti = SIJAINTI{};
        kohteet[i] = SIJAINTI{};
        nopeudet[i] = 0;
    }
}

void PUHALTAJAT::Nollaa() {
    // On its target, so the first update of the flight picks a new one. Headings
    // and speeds carry over from the last flight.
    for (int i = 0; i < PUHALTAJIEN_MAARA; i++) {
        objektit[i].Sijainti = SIJAINTI{};
        kohteet[i] = SIJAINTI{};
    }
}

void PaivitaPuhaltaja(OBJEKTI& puhaltaja, SIJAINTI& kohde, double& nopeus, const BONUS& bonus) {
    SIJAINTI& p = puhaltaja.Sijainti;
    while (Etaisyys(p, kohde) < 5.0) {
        nopeus = 0.1;
        kohde.x = Sattuma(-200, 200);
        kohde.y = 1.0;
        kohde.z = Sattuma(-300, 500);
    }

    VEKTORI f = puhaltaja.Kiertomatriisi.EteenV();
    f.y = 0;
    VEKTORI d;
    d.Aseta(kohde.x - p.x, 0, kohde.z - p.z);
    // The small term keeps a blower that points straight up or down (flat heading
    // of length 0) at a right angle, so it still turns.
    double kosini = Pistetulo(f, d) / (f.AnnaPituus() * d.AnnaPituus() + 0.001);
    if (kosini > 1) kosini = 1;
    if (kosini < -1) kosini = -1;
    const double a = std::acos(kosini);

    // The turn only says how far; it always goes the same way round, so a blower
    // circles towards its target rather than steering straight at it.
    puhaltaja.Kiertomatriisi.PyoritaY(a * 0.4 + nopeus * a * 5.0 * bonus.blowerSpeed);
    OrthonormalizeMatrix(puhaltaja.Kiertomatriisi.m);

    f = puhaltaja.Kiertomatriisi.EteenV();
    p.x += f.x * nopeus * bonus.blowerSpeed;
    p.z += f.z * nopeus * bonus.blowerSpeed;
    p.y = 1.0;
}

void PuhaltajaAskel(PUHALTAJAT& p, KUPLA& kuplat, const BONUS& bonus) {
    const int maara = (p.maara < PUHALTAJIEN_MAARA) ? p.maara : PUHALTAJIEN_MAARA;
    for (int i = 0; i < maara; i++) {
        // Factor 1.0 is 100 values in 10001, about one bubble in a hundred updates.
        if (Sattuma(0, 10000) < 100 * bonus.blowFactor) kuplat.Puhalla(p.objektit[i].Sijainti);
        PaivitaPuhaltaja(p.objektit[i], p.kohteet[i], p.nopeudet[i], bonus);
    }
}
