#include "flight/FysiikkaMoottori.h"
#include "flight/PPFunktiot.h"

#include <gtest/gtest.h>

namespace {

void OdotaVektori(VEKTORI v, double x, double y, double z, double tarkkuus = 1e-12) {
    EXPECT_NEAR(v.x, x, tarkkuus);
    EXPECT_NEAR(v.y, y, tarkkuus);
    EXPECT_NEAR(v.z, z, tarkkuus);
}

} // namespace

TEST(Maailma, GravityScalesWithTheFirstArgument) {
    MAAILMA w;
    w.Aseta(1, 1, 1);
    OdotaVektori(w.AnnaPainovoimaKiihtyvyys(), 0, -0.008829, 0);
    w.Aseta(2, 1, 1);
    OdotaVektori(w.AnnaPainovoimaKiihtyvyys(), 0, -0.017658, 0);
}

TEST(Maailma, DragPointsBackAlongTheNoseWhateverTheVelocity) {
    MAAILMA w;
    w.Aseta(1, 1, 1);
    PAPERPLANE p; // identity orientation: forward (0, 0, 1)
    EXPECT_EQ(w.AnnaIlmanvastus(p), 1.0);
    OdotaVektori(w.AnnaIlmanvastusvoima(p), 0, 0, -0.000025);
    p.velocity.Aseta(0, 0, 1);
    OdotaVektori(w.AnnaIlmanvastusvoima(p), 0, 0, -0.002525);
    p.velocity.Aseta(0, 0, 0.5);
    OdotaVektori(w.AnnaIlmanvastusvoima(p), 0, 0, -0.000650);
    // Sliding sideways: the drag still acts along the nose axis.
    p.velocity.Aseta(0.5, 0, 0);
    OdotaVektori(w.AnnaIlmanvastusvoima(p), 0, 0, -0.000650);
    p.body.Kiertomatriisi.PyoritaY(90);                            // nose along -x
    OdotaVektori(w.AnnaIlmanvastusvoima(p), 0.000650, 0, 0, 1e-9); // pi is shortened
}

TEST(Maailma, LiftAlongTheUpVector) {
    MAAILMA w;
    w.Aseta(1, 1, 1);
    PAPERPLANE p;
    OdotaVektori(w.AnnaNostovoima(p), 0, 0, 0);
    p.velocity.Aseta(0, 0, 0.5);
    OdotaVektori(w.AnnaNostovoima(p), 0, 0.005, 0);
    w.Aseta(1, 2, 1);
    OdotaVektori(w.AnnaNostovoima(p), 0, 0.0025, 0);
}

TEST(Maailma, AccelerationFromForces) {
    MAAILMA w;
    w.Aseta(1, 1, 1);
    PAPERPLANE p;
    p.mass = 4;
    VEKTORI voimat[2] = {{0, 2, 0}, {0, 0, 0}};
    OdotaVektori(w.AnnaKiihtyvyysVektori(voimat, 2, p), 0, 0.5, 0);
    OdotaVektori(w.AnnaKiihtyvyysVektori(voimat, 0, p), 0, 0, 0);
    VEKTORI vastakkaiset[2] = {{3, 0, 0}, {-3, 0, 0}};
    OdotaVektori(w.AnnaKiihtyvyysVektori(vastakkaiset, 2, p), 0, 0, 0);
}

// Neither divisor is ever 0 in play; a zero one gives no force instead of inf/NaN.
TEST(Maailma, ZeroDivisorsGiveZeroVectors) {
    MAAILMA w;
    w.Aseta(1, 0, 1);
    PAPERPLANE p;
    p.velocity.Aseta(0, 0, 0.5);
    OdotaVektori(w.AnnaNostovoima(p), 0, 0, 0);
    p.mass = 0;
    VEKTORI voima{0, 2, 0};
    OdotaVektori(w.AnnaKiihtyvyysVektori(&voima, 1, p), 0, 0, 0);
}
