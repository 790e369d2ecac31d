// The physical world of the paper plane. Forces are per physics step (world
// units per step, added straight to the velocity), not per second.
#pragma once

#include "foundation/MatikkaFunktiot.h"

struct PAPERPLANE;

struct MAAILMA {
    double gravity = 9.81;    // 9.81 x the first argument of Aseta
    double liftDivisor = 1.0; // divides the lift
    double factor3 = 1.0;     // stored, read by nothing

    void Aseta(double g, double nosto, double kolmas);
    // (0, -0.0009 x gravity, 0) per step.
    VEKTORI AnnaPainovoimaKiihtyvyys() const;
    // Air-resistance coefficient: 1 for every plane.
    double AnnaIlmanvastus(const PAPERPLANE& p) const;
    // Backwards along the nose, length 0.0025 (s^2 + 0.01), s the plane's speed.
    VEKTORI AnnaIlmanvastusvoima(const PAPERPLANE& p) const;
    // Along the plane's up vector, length 0.01 s / liftDivisor (zero for divisor 0).
    VEKTORI AnnaNostovoima(const PAPERPLANE& p) const;
    // Sum of the n forces with its length divided by the mass (zero for mass 0).
    VEKTORI AnnaKiihtyvyysVektori(const VEKTORI* voimat, int n, const PAPERPLANE& p) const;
};
