#include "flight/PPFunktiot.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

const double PII = 3.14159265;

double Asteina(double rad) {
    RadiaanistaAsteiksi(rad);
    return rad;
}

MAAILMA Pelimaailma() {
    MAAILMA w;
    w.Aseta(1);
    return w;
}

// A weightless world, where a push exactly as long as the drag cancels it: the
// plane then keeps exactly the speed it had, which isolates the control and
// boost parts of the step.
MAAILMA Painoton() {
    MAAILMA w;
    w.Aseta(0);
    return w;
}
double VastusNopeudella(double s) {
    return 0.0025 * (s * s + 0.01) / 1.0;
}

// A loaded plane as the flight screen starts it: level, heading +z.
PAPERPLANE Lahtokone() {
    PAPERPLANE p;
    p.Alusta("Tiedostot\\PP\\ei ole.txt");
    p.push = 0.5;
    p.body.Sijainti.Aseta(-100, 100, 0);
    return p;
}

// Nose straight down, up vector along +z, right along +x.
void Syoksyyn(PAPERPLANE& p) {
    p.body.Kiertomatriisi.Yksikoksi();
    p.body.Kiertomatriisi.PyoritaX(-90);
}

double Kallistus(const PAPERPLANE& p) {
    return Asteina(std::asin(-p.body.Kiertomatriisi.OikealleV().y));
}

void OdotaOrtonormaali(const MATRIISI4X4& M, double tarkkuus) {
    VEKTORI r = M.OikealleV(), u = M.YlosV(), f = M.EteenV();
    ASSERT_NEAR(r.AnnaPituus(), 1, tarkkuus);
    ASSERT_NEAR(u.AnnaPituus(), 1, tarkkuus);
    ASSERT_NEAR(f.AnnaPituus(), 1, tarkkuus);
    ASSERT_NEAR(Pistetulo(r, u), 0, tarkkuus);
    ASSERT_NEAR(Pistetulo(r, f), 0, tarkkuus);
    ASSERT_NEAR(Pistetulo(u, f), 0, tarkkuus);
    VEKTORI ru = Vektoritulo(r, u);
    ASSERT_NEAR(ru.x, f.x, tarkkuus);
    ASSERT_NEAR(ru.y, f.y, tarkkuus);
    ASSERT_NEAR(ru.z, f.z, tarkkuus);
}

} // namespace

TEST(Lento, FirstStepFromTheFlightStart) {
    BONUS b;
    b.Alusta();
    PAPERPLANE p = Lahtokone();
    p.PaivitaFysiikka(Pelimaailma(), b);
    // Thrust (0, 0, 0.5) + drag (0, 0, -0.000025) + gravity (0, -0.008829, 0).
    EXPECT_NEAR(p.acceleration.x, 0, 1e-15);
    EXPECT_NEAR(p.acceleration.y, -0.008829, 1e-15);
    EXPECT_NEAR(p.acceleration.z, 0.499975, 1e-15);
    EXPECT_NEAR(p.velocity.x, 0, 1e-15);
    EXPECT_NEAR(p.velocity.y, 0, 1e-15);
    EXPECT_NEAR(p.velocity.z, 0.499975, 1e-12);
    EXPECT_EQ(p.body.Sijainti.x, -100);
    EXPECT_EQ(p.body.Sijainti.y, 100);
    EXPECT_NEAR(p.body.Sijainti.z, 0.499975, 1e-12);
    EXPECT_EQ(p.push, 0.0);
    // The nose has begun to sink: a = 90 gives r = 9 / (1000 s + 2) degrees.
    EXPECT_NEAR(Asteina(std::asin(-p.body.Kiertomatriisi.EteenV().y)), 9 / (499.975 + 2), 1e-6);
}

TEST(Lento, WholeGlideWithoutInput) {
    BONUS b;
    b.Alusta();
    MAAILMA w = Pelimaailma();
    PAPERPLANE p = Lahtokone();
    int askel = 0;
    while (p.body.Sijainti.y > 0 && askel < 5000) {
        p.PaivitaFysiikka(w, b);
        askel++;
        // The speed first falls, then grows as the nose sinks.
        if (askel == 100) {
            EXPECT_NEAR(p.velocity.AnnaPituus(), 0.455, 0.001);
        }
        if (askel == 600) {
            EXPECT_NEAR(p.velocity.AnnaPituus(), 0.62, 0.005);
        }
    }
    EXPECT_NEAR(askel, 1030, 2);
    EXPECT_NEAR(p.body.Sijainti.z, 606, 1);
    EXPECT_NEAR(p.velocity.AnnaPituus(), 0.85, 0.005);
    EXPECT_NEAR(p.body.Sijainti.x, -100, 1e-9);
    EXPECT_LT(std::fabs(Kallistus(p)), 0.01); // the wings stayed level
}

TEST(Lento, GravityOnlyChangesTheSpeedInVerticalFlight) {
    BONUS b;
    b.Alusta();
    MAAILMA w = Pelimaailma();
    PAPERPLANE p = Lahtokone();
    Syoksyyn(p);
    p.push = 0;
    p.velocity.Aseta(0, -0.5, 0);
    p.PaivitaFysiikka(w, b);
    EXPECT_NEAR(p.velocity.AnnaPituus(), 0.5 + 0.008829 - 0.000650, 1e-9);
    EXPECT_NEAR(p.body.Kiertomatriisi.EteenV().y, -1, 1e-9); // a = 0: no nose-down turn

    PAPERPLANE q = Lahtokone();
    q.body.Kiertomatriisi.PyoritaX(90); // straight up
    q.push = 0;
    q.velocity.Aseta(0, 0.5, 0);
    q.PaivitaFysiikka(w, b);
    EXPECT_NEAR(q.velocity.AnnaPituus(), 0.5 - 0.008829 - 0.000650, 1e-9);
    EXPECT_GT(q.velocity.y, 0);
}

// Single-precision normalisation can leave a vertical nose a hair longer than 1;
// acos of that would be NaN and would poison the orientation for good.
TEST(Lento, VerticalNoseSlightlyPastUnitLengthStaysFinite) {
    BONUS b;
    b.Alusta();
    MAAILMA w = Pelimaailma();
    for (double merkki : {-1.0, 1.0}) {
        PAPERPLANE p = Lahtokone();
        p.body.Kiertomatriisi.AsetaEteenV({0, merkki * 1.00000003, 0});
        p.body.Kiertomatriisi.AsetaYlosV({0, 0, -merkki * 1.00000003});
        p.velocity.Aseta(0, merkki * 0.5, 0);
        for (int i = 0; i < 10; i++) p.PaivitaFysiikka(w, b);
        for (double x : p.body.Kiertomatriisi.m) ASSERT_TRUE(std::isfinite(x));
        ASSERT_TRUE(std::isfinite(p.velocity.AnnaPituus()));
        OdotaOrtonormaali(p.body.Kiertomatriisi, 1e-6);
    }
}

TEST(Lento, ControlsAreClampedThenDecay) {
    BONUS b;
    b.Alusta();
    PAPERPLANE p = Lahtokone();
    p.elevonA = 200;
    p.elevonB = -200;
    p.massDistribution = 200;
    p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_NEAR(p.elevonA, 86.4, 1e-9);
    EXPECT_NEAR(p.elevonB, -86.4, 1e-9);
    EXPECT_NEAR(p.massDistribution, 87.75, 1e-9);
    p.elevonA = p.elevonB = p.massDistribution = 10;
    p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_NEAR(p.elevonA, 9.6, 1e-9);
    EXPECT_NEAR(p.elevonB, 9.6, 1e-9);
    EXPECT_NEAR(p.massDistribution, 9.75, 1e-9);
}

// The controls turn the plane (0.6 + k s) pi/180 degrees per degree of control:
// the radian numbers are handed to the rotations as degrees.
TEST(Lento, ControlRotationsAtRestAndAtSpeed) {
    BONUS b;
    b.Alusta();
    // In a vertical dive the nose-down turn and the levelling leave a roll alone.
    PAPERPLANE p = Lahtokone();
    Syoksyyn(p);
    p.push = VastusNopeudella(0);
    p.elevonA = 90;
    p.elevonB = -90;
    p.PaivitaFysiikka(Painoton(), b);
    EXPECT_EQ(p.velocity.AnnaPituus(), 0.0);
    VEKTORI oikea = p.body.Kiertomatriisi.OikealleV();
    EXPECT_NEAR(Asteina(std::atan2(-oikea.z, oikea.x)), 0.6 * PII, 1e-7); // 1.885 degrees
    EXPECT_LT(oikea.z, 0); // the up vector (+z) tilts toward the right vector

    // Pitch: the nose lifts 1.885 degrees, then at speed 0 the nose-down turn
    // takes back 0.1 a / 2 of it, a being the 1.885 degrees just lifted.
    PAPERPLANE q = Lahtokone();
    Syoksyyn(q);
    q.push = VastusNopeudella(0);
    q.elevonA = q.elevonB = -90;
    q.PaivitaFysiikka(Painoton(), b);
    EXPECT_EQ(q.velocity.AnnaPituus(), 0.0);
    double nousu = Asteina(std::acos(-q.body.Kiertomatriisi.EteenV().y));
    EXPECT_NEAR(nousu, 0.6 * PII * 0.95, 1e-6);
    EXPECT_GT(q.body.Kiertomatriisi.EteenV().z, 0); // toward the up vector

    // At speed the roll grows by 0.3 s and the pitch by 0.15 s per degree.
    MAAILMA w = Pelimaailma();
    PAPERPLANE r = Lahtokone();
    Syoksyyn(r);
    r.push = 0;
    r.velocity.Aseta(0, -1, 0);
    r.elevonA = 90;
    r.elevonB = -90;
    r.PaivitaFysiikka(w, b);
    double s = r.velocity.AnnaPituus();
    oikea = r.body.Kiertomatriisi.OikealleV();
    EXPECT_NEAR(Asteina(std::atan2(-oikea.z, oikea.x)), (0.6 + 0.3 * s) * PII, 1e-7);

    PAPERPLANE t = Lahtokone();
    Syoksyyn(t);
    t.push = 0;
    t.velocity.Aseta(0, -1, 0);
    t.elevonA = t.elevonB = -90;
    t.PaivitaFysiikka(w, b);
    nousu = Asteina(std::acos(-t.body.Kiertomatriisi.EteenV().y));
    EXPECT_NEAR(nousu, (0.6 + 0.15 * s) * PII, 5e-4); // less a hair of nose-down turn
}

TEST(Lento, TurnControlSwingsTheNoseAwayFromTheRight) {
    BONUS b;
    b.Alusta();
    PAPERPLANE p = Lahtokone();
    p.massDistribution = 10; // as a plane file's MASSAJAKAUMA 10 starts a flight
    p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_LT(p.body.Kiertomatriisi.EteenV().x, 0);
    double s = p.velocity.AnnaPituus();
    double kaanto =
        Asteina(std::atan2(-p.body.Kiertomatriisi.EteenV().x, p.body.Kiertomatriisi.EteenV().z));
    EXPECT_NEAR(kaanto, (0.6 + 0.3 * s) * 10 * PII / 180, 1e-4);
    for (int i = 1; i < 20; i++) p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_NEAR(p.massDistribution, 10 * std::pow(0.975, 20), 1e-9);
}

TEST(Lento, NoseSinksWhicheverWayThePlaneHeads) {
    BONUS b;
    b.Alusta();
    for (double suunta : {0.0, 180.0, 45.0, -120.0}) {
        PAPERPLANE p = Lahtokone();
        p.body.Kiertomatriisi.PyoritaY(suunta);
        p.push = 0;
        p.velocity = p.body.Kiertomatriisi.EteenV();
        p.velocity.AsetaPituus(0.5);
        p.PaivitaFysiikka(Pelimaailma(), b);
        EXPECT_LT(p.body.Kiertomatriisi.EteenV().y, -1e-4) << suunta;
    }
    // Heading along x the world-x turn rolls the plane instead of pitching it.
    PAPERPLANE p = Lahtokone();
    p.body.Kiertomatriisi.PyoritaY(-90);
    p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_NEAR(p.body.Kiertomatriisi.EteenV().y, 0, 1e-12);
    EXPECT_GT(std::fabs(p.body.Kiertomatriisi.YlosV().z), 1e-4);
}

TEST(Lento, WingLevellingFastOnlyWithTheFlagExactlyOne) {
    BONUS b;
    b.Alusta();
    double korjaus[3];
    double liput[3] = {1.0, 0.0, 0.5};
    for (int i = 0; i < 3; i++) {
        PAPERPLANE p = Lahtokone();
        p.body.Kiertomatriisi.PyoritaZ(30); // banked: up tilted toward the right
        p.push = 0;
        p.velocity.Aseta(0, 0, 0.3);
        p.wingArea = liput[i];
        ASSERT_NEAR(Kallistus(p), 30, 1e-9);
        p.PaivitaFysiikka(Pelimaailma(), b);
        korjaus[i] = 30 - Kallistus(p);
    }
    EXPECT_NEAR(korjaus[0], 2.91, 0.002);
    EXPECT_NEAR(korjaus[1], 0.0142, 0.00005);
    EXPECT_DOUBLE_EQ(korjaus[2], korjaus[1]); // a plane file's SIIPIALA is not the flag

    // Banked the other way, the correction turns the other way.
    PAPERPLANE p = Lahtokone();
    p.body.Kiertomatriisi.PyoritaZ(-30);
    p.velocity.Aseta(0, 0, 0.3);
    p.push = 0;
    p.wingArea = 1.0;
    p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_NEAR(Kallistus(p), -30 + korjaus[0], 0.001);
}

TEST(Lento, SpeedBoostIsAddedOnceAndConsumed) {
    BONUS b;
    b.Alusta();
    PAPERPLANE p = Lahtokone();
    p.velocity.Aseta(0, 0, 0.3);
    p.push = VastusNopeudella(0.3);
    b.speedBoost = 0.2;
    p.PaivitaFysiikka(Painoton(), b);
    EXPECT_NEAR(p.velocity.AnnaPituus(), 0.5, 1e-12);
    EXPECT_NEAR(p.velocity.z, 0.5, 1e-12);
    EXPECT_EQ(b.speedBoost, 0.0);

    // In the game's world the boost adds to whatever the forces left.
    PAPERPLANE ilman = Lahtokone(), kanssa = Lahtokone();
    ilman.PaivitaFysiikka(Pelimaailma(), b);
    b.speedBoost = 0.2;
    kanssa.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_NEAR(kanssa.velocity.AnnaPituus() - ilman.velocity.AnnaPituus(), 0.2, 1e-12);

    // With no velocity at all there is no direction to speed up along.
    PAPERPLANE levossa = Lahtokone();
    levossa.push = VastusNopeudella(0);
    b.speedBoost = 0.2;
    levossa.PaivitaFysiikka(Painoton(), b);
    EXPECT_EQ(levossa.velocity.AnnaPituus(), 0.0);
    EXPECT_EQ(b.speedBoost, 0.0);
    EXPECT_EQ(levossa.body.Sijainti.z, 0.0);
}

TEST(Lento, PlaneAtRestSlidesBackThenDivesAlongItsNose) {
    BONUS b;
    b.Alusta();
    MAAILMA w = Pelimaailma();
    PAPERPLANE p = Lahtokone();
    p.push = 0;
    p.PaivitaFysiikka(w, b);
    // No drop: it moves only along its nose, backwards by the drag.
    EXPECT_EQ(p.body.Sijainti.y, 100);
    EXPECT_NEAR(p.body.Sijainti.z, -0.000025, 1e-15);
    EXPECT_NEAR(Asteina(std::asin(-p.body.Kiertomatriisi.EteenV().y)), 4.44, 0.005);
    // The levelling reads the up vector saved before that turn, so the 4.44
    // degrees of pitch read as a bank of -4.44 and roll the plane by about 0.44.
    EXPECT_NEAR(Kallistus(p), 0.436, 0.002);
    double edellinen = p.velocity.AnnaPituus();
    for (int i = 0; i < 30; i++) p.PaivitaFysiikka(w, b);
    EXPECT_GT(p.velocity.AnnaPituus(), edellinen);
    EXPECT_LT(p.body.Sijainti.y, 100);
    EXPECT_GT(Pistetulo(p.velocity, p.body.Kiertomatriisi.EteenV()), 0);
}

TEST(Lento, ClimbWithoutBankIsNotLevelled) {
    BONUS b;
    b.Alusta();
    PAPERPLANE p = Lahtokone();
    p.body.Kiertomatriisi.PyoritaX(30);
    p.push = 0;
    p.velocity = p.body.Kiertomatriisi.EteenV();
    p.velocity.AsetaPituus(0.5);
    p.wingArea = 1.0;
    p.PaivitaFysiikka(Pelimaailma(), b);
    EXPECT_LT(std::fabs(Kallistus(p)), 0.01);
}

// Random controls, pushes and boosts in long flights: whatever the player does,
// the state stays finite and the orientation a rotation. A million steps by
// default (a few seconds in the sanitizer build); TAVIO_LIOTUS=<steps> in the
// environment sets another length.
TEST(Lento, LongRandomFlightStaysFiniteAndOrthonormal) {
    long askeleet = 1000000;
    if (const char* e = getenv("TAVIO_LIOTUS")) askeleet = atol(e);
    std::mt19937 satunnainen(12345);
    std::uniform_real_distribution<double> tasainen(0.0, 1.0);
    BONUS b;
    b.Alusta();
    MAAILMA w = Pelimaailma();
    PAPERPLANE p = Lahtokone();
    for (long i = 0; i < askeleet; i++) {
        double arpa = tasainen(satunnainen);
        if (arpa < 0.05) p.massDistribution += (tasainen(satunnainen) < 0.5 ? -20 : 20);
        if (arpa < 0.5) {
            double dx = (tasainen(satunnainen) - 0.5) * 400;
            double dy = (tasainen(satunnainen) - 0.5) * 400;
            p.elevonA += 0.08 * dx - 0.1 * dy;
            p.elevonB += -0.08 * dx - 0.1 * dy;
        }
        p.wingArea = tasainen(satunnainen) < 0.2 ? 1.0 : 0.0;
        if (arpa > 0.995) p.push = tasainen(satunnainen) * 2;
        if (arpa > 0.99 && arpa <= 0.995) b.speedBoost = tasainen(satunnainen) * 0.5;
        p.PaivitaFysiikka(w, b);
        if (i % 1000 == 0 || i == askeleet - 1) {
            ASSERT_TRUE(std::isfinite(p.velocity.AnnaPituus())) << i;
            ASSERT_TRUE(std::isfinite(p.acceleration.AnnaPituus())) << i;
            ASSERT_TRUE(std::isfinite(p.body.Sijainti.x + p.body.Sijainti.y + p.body.Sijainti.z));
            ASSERT_TRUE(std::isfinite(p.massDistribution + p.elevonA + p.elevonB)) << i;
            for (double x : p.body.Kiertomatriisi.m) ASSERT_TRUE(std::isfinite(x)) << i;
            OdotaOrtonormaali(p.body.Kiertomatriisi, 1e-6);
            if (HasFatalFailure()) return;
        }
        // Back to the start now and then, as flights end on the ground.
        if (p.body.Sijainti.y <= 0) {
            p.body.Sijainti.Aseta(-100, 100, 0);
            p.velocity.NollaVektoriksi();
            p.push = 0.5;
        }
    }
}

// A hand-made track may give any boost. One too big for a step of drag once
// threw the plane back and forth until its state was not-a-number, for the
// rest of the run (a race then never ended on the ground).
TEST(Lento, AnyBoostFromATrackLeavesTheFlightFinite) {
    for (double boost : {1000.0, -1000.0, 1e300, -1e300, 399.0}) {
        BONUS b;
        b.Alusta();
        MAAILMA w = Pelimaailma();
        PAPERPLANE p = Lahtokone();
        for (int i = 0; i < 3000; i++) {
            if (i == 10) b.speedBoost = boost * 1.2;
            p.PaivitaFysiikka(w, b);
            ASSERT_TRUE(std::isfinite(p.body.Sijainti.x + p.body.Sijainti.y + p.body.Sijainti.z))
                << boost << " at step " << i;
            ASSERT_LE(p.velocity.AnnaPituus(), 100.0) << boost;
            for (double x : p.body.Kiertomatriisi.m) ASSERT_TRUE(std::isfinite(x)) << boost;
        }
        EXPECT_LT(p.body.Sijainti.y, 0) << boost; // and it comes down as any glide does
    }
}

// A flight ends level: the heading over the ground stays, roll and pitch go.
// With the nose straight down or up, the heading is where the up vector points.
TEST(Lento, LevellingAtTheEndKeepsTheHeadingAndTakesRollAndPitchAway) {
    auto Suunta = [](const VEKTORI& v) { return std::atan2(v.x, v.z) * 180 / M_PI; };
    const double tapaukset[][3] = {// turn about up, then about right, then about the nose
                                   {30, 60, 90}, {-135, -20, 170}, {0, 0, 0},    {70, 89, -40},
                                   {0, 90, 0},   {45, 90, 30},     {100, -90, 0}};
    for (const auto& t : tapaukset) {
        PAPERPLANE p;
        MATRIISI4X4& m = p.body.Kiertomatriisi;
        m.PyoritaY(t[0]);
        double odotettu = Suunta(m.EteenV());
        m.PyoritaX(t[1]);
        m.PyoritaZ(t[2]);
        if (std::fabs(t[1]) == 90) {
            odotettu = Suunta(m.YlosV());
            EXPECT_NEAR(std::fabs(Suunta(m.YlosV()) - Suunta(m.OikealleV())), 90, 1e-6);
        }
        p.Oikaise();
        VEKTORI o = m.OikealleV(), y = m.YlosV(), e = m.EteenV();
        SCOPED_TRACE(testing::Message() << t[0] << " " << t[1] << " " << t[2]);
        EXPECT_EQ(y.x, 0);
        EXPECT_EQ(y.y, 1);
        EXPECT_EQ(y.z, 0);
        EXPECT_EQ(e.y, 0);
        EXPECT_EQ(o.y, 0);
        EXPECT_NEAR(Suunta(e), odotettu, 1e-6);
        EXPECT_NEAR(e.AnnaPituus(), 1, 1e-12);
        // Right-handed as before: right = up x forward.
        EXPECT_NEAR(o.x, e.z, 1e-12);
        EXPECT_NEAR(o.z, -e.x, 1e-12);
    }
}
