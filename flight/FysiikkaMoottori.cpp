#include "flight/FysiikkaMoottori.h"

#include "flight/PPFunktiot.h"

void MAAILMA::Aseta(double g) {
    gravity = 9.81 * g;
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
