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

TEST(Maailma, GravityScalesWithTheArgument) {
    MAAILMA w;
    w.Aseta(1);
    OdotaVektori(w.AnnaPainovoimaKiihtyvyys(), 0, -0.008829, 0);
    w.Aseta(2);
    OdotaVektori(w.AnnaPainovoimaKiihtyvyys(), 0, -0.017658, 0);
}

TEST(Maailma, DragPointsBackAlongTheNoseWhateverTheVelocity) {
    MAAILMA w;
    w.Aseta(1);
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
