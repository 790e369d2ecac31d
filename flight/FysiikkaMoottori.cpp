#include "flight/FysiikkaMoottori.h"

#include "flight/PPFunktiot.h"

void MAAILMA::Aseta(double g, double nosto, double kolmas) {
    gravity = 9.81 * g;
    liftDivisor = nosto;
    factor3 = kolmas;
}

VEKTORI MAAILMA::AnnaPainovoimaKiihtyvyys() const {
    return VEKTORI{0, -0.0009 * gravity, 0};
}

double MAAILMA::AnnaIlmanvastus(const PAPERPLANE&) const {
    return 1.0;
}

VEKTORI MAAILMA::AnnaIlmanvastusvoima(const PAPERPLANE& p) const {
    // Drag always points straight back along the nose, whatever the direction of
    // travel, and even a plane at rest feels its small constant part.
    VEKTORI vastus = p.body.Kiertomatriisi.EteenV();
    vastus.KerroLuvulla(-1);
    double s = p.velocity.AnnaPituus();
    vastus.AsetaPituus(0.0025 * (s * s + 0.01) / AnnaIlmanvastus(p));
    return vastus;
}

VEKTORI MAAILMA::AnnaNostovoima(const PAPERPLANE& p) const {
    VEKTORI nosto = p.body.Kiertomatriisi.YlosV();
    if (liftDivisor == 0) return VEKTORI{};
    nosto.AsetaPituus(0.01 * p.velocity.AnnaPituus() / liftDivisor);
    return nosto;
}

VEKTORI MAAILMA::AnnaKiihtyvyysVektori(const VEKTORI* voimat, int n, const PAPERPLANE& p) const {
    VEKTORI summa;
    if (p.mass == 0 || !voimat) return summa;
    for (int i = 0; i < n; i++) summa.Lisaa(voimat[i]);
    summa.AsetaPituus(summa.AnnaPituus() / p.mass);
    return summa;
}
