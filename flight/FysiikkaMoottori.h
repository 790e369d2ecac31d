// The physical world of the paper plane. Forces are per physics step (world
// units per step, added straight to the velocity), not per second.
#pragma once

#include "foundation/MatikkaFunktiot.h"

struct PAPERPLANE;

struct MAAILMA {
    double gravity = 9.81; // 9.81 x the argument of Aseta

    void Aseta(double g);
    // (0, -0.0009 x gravity, 0) per step.
    VEKTORI AnnaPainovoimaKiihtyvyys() const;
    // Air-resistance coefficient: 1 for every plane.
    double AnnaIlmanvastus(const PAPERPLANE& p) const;
    // Backwards along the nose, length 0.0025 (s^2 + 0.01), s the plane's speed.
    VEKTORI AnnaIlmanvastusvoima(const PAPERPLANE& p) const;
};
