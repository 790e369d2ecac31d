#include "apu/TestiApu.h"
#include "bubbles/KuplaFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

double AsteinaValilla(VEKTORI a, VEKTORI b) {
    double k = Pistetulo(a, b) / (a.AnnaPituus() * b.AnnaPituus());
    return std::acos(std::fmin(1.0, std::fmax(-1.0, k))) * 180 / M_PI;
}

double Vaakamatka(SIJAINTI a, SIJAINTI b) {
    return std::hypot(a.x - b.x, a.z - b.z);
}

struct Puhaltaja : ::testing::Test {
    OBJEKTI o;
    SIJAINTI kohde;
    double nopeus = 0.1;
    BONUS bonus;
    void SetUp() override { bonus.Alusta(); }
};

TEST_F(Puhaltaja, OnItsTargetItChoosesANewOneAndDrivesOnAtOnce) {
    srand(4);
    const int x = Sattuma(-200, 200), z = Sattuma(-300, 500);
    ASSERT_GE(std::hypot(x, z), 5.0);
    nopeus = 0;
    srand(4);
    PaivitaPuhaltaja(o, kohde, nopeus, bonus);
    EXPECT_EQ(kohde.x, x);
    EXPECT_EQ(kohde.y, 1.0);
    EXPECT_EQ(kohde.z, z);
    EXPECT_EQ(nopeus, 0.1);
    EXPECT_EQ(o.Sijainti.y, 1.0);
    EXPECT_NEAR(Vaakamatka(o.Sijainti, SIJAINTI{}), 0.1, 1e-9);
    // It moved along its new heading.
    VEKTORI f = o.Kiertomatriisi.EteenV();
    EXPECT_NEAR(o.Sijainti.x, 0.1 * f.x, 1e-12);
    EXPECT_NEAR(o.Sijainti.z, 0.1 * f.z, 1e-12);
}

TEST_F(Puhaltaja, ATargetCloserThanFiveIsDrawnAgain) {
    // Stand where the first draw lands: that target is at distance 0.
    unsigned siemen = 1;
    int x1 = 0, z1 = 0, x2 = 0, z2 = 0;
    for (;; siemen++) {
        srand(siemen);
        x1 = Sattuma(-200, 200), z1 = Sattuma(-300, 500);
        x2 = Sattuma(-200, 200), z2 = Sattuma(-300, 500);
        if (std::hypot(x2 - x1, z2 - z1) >= 5.0) break;
    }
    o.Sijainti.Aseta(x1, 1.0, z1);
    kohde = o.Sijainti;
    srand(siemen);
    PaivitaPuhaltaja(o, kohde, nopeus, bonus);
    EXPECT_EQ(kohde.x, x2);
    EXPECT_EQ(kohde.z, z2);

    // And again as often as needed: a seed whose second draw is close too.
    for (siemen = 1;; siemen++) {
        srand(siemen);
        x1 = Sattuma(-200, 200), z1 = Sattuma(-300, 500);
        x2 = Sattuma(-200, 200), z2 = Sattuma(-300, 500);
        if (std::hypot(x2 - x1, z2 - z1) < 5.0) break;
    }
    int x3 = Sattuma(-200, 200), z3 = Sattuma(-300, 500);
    ASSERT_GE(std::hypot(x3 - x1, z3 - z1), 5.0);
    o.Sijainti.Aseta(x1, 1.0, z1);
    kohde = o.Sijainti;
    srand(siemen);
    PaivitaPuhaltaja(o, kohde, nopeus, bonus);
    EXPECT_EQ(kohde.x, x3);
    EXPECT_EQ(kohde.z, z3);
}

TEST_F(Puhaltaja, TurnsAlwaysTheSameWayWhicheverSideTheTargetIs) {
    // Facing +z with the target square to the right or to the left: a = pi/2 both
    // times, and the turn is 0.4 a + 0.1 * 5 a = 0.9 a, a number of degrees.
    const double kaannos = 0.9 * M_PI / 2;
    OBJEKTI vasen = o, oikea = o;
    SIJAINTI kv, ko;
    kv.Aseta(-100, 1, 0);
    ko.Aseta(100, 1, 0);
    double nv = 0.1, no = 0.1;
    PaivitaPuhaltaja(vasen, kv, nv, bonus);
    PaivitaPuhaltaja(oikea, ko, no, bonus);
    for (int i = 0; i < 16; i++) EXPECT_EQ(vasen.Kiertomatriisi.m[i], oikea.Kiertomatriisi.m[i]);
    VEKTORI z;
    z.Aseta(0, 0, 1);
    EXPECT_NEAR(AsteinaValilla(z, vasen.Kiertomatriisi.EteenV()), kaannos, 1e-4);

    // Facing straight away it turns about 2.8 degrees.
    OBJEKTI poispain = o;
    SIJAINTI taakse;
    taakse.Aseta(0, 1, -100);
    PaivitaPuhaltaja(poispain, taakse, nopeus, bonus);
    EXPECT_NEAR(AsteinaValilla(z, poispain.Kiertomatriisi.EteenV()), 2.82, 0.01);
}

TEST_F(Puhaltaja, AVerticalBlowerStillTurns) {
    o.Kiertomatriisi.PyoritaX(-90); // nose straight up: no heading on the ground
    VEKTORI ennen = o.Kiertomatriisi.EteenV();
    ASSERT_NEAR(std::hypot(ennen.x, ennen.z), 0, 1e-6);
    kohde.Aseta(50, 1, 50);
    PaivitaPuhaltaja(o, kohde, nopeus, bonus);
    EXPECT_NEAR(AsteinaValilla(ennen, o.Kiertomatriisi.EteenV()), 0.9 * M_PI / 2, 1e-4);
    EXPECT_EQ(o.Sijainti.y, 1.0);
}

TEST_F(Puhaltaja, BlowerSpeedScalesBothDriveAndTurn) {
    bonus.blowerSpeed = 2.5;
    kohde.Aseta(100, 1, 0);
    o.Sijainti.Aseta(0, 1, 0);
    PaivitaPuhaltaja(o, kohde, nopeus, bonus);
    VEKTORI z;
    z.Aseta(0, 0, 1);
    // a = pi/2: 0.4 a + 0.1 a 5 * 2.5 = 1.65 a.
    EXPECT_NEAR(AsteinaValilla(z, o.Kiertomatriisi.EteenV()), 1.65 * M_PI / 2, 1e-4);
    EXPECT_NEAR(Vaakamatka(o.Sijainti, SIJAINTI{}), 0.25, 1e-9);
}

struct Puhaltajat : ::testing::Test {
    TYOKANSIO kansio;
    std::unique_ptr<KUPLA> k{new KUPLA};
    PUHALTAJAT p;
    BONUS bonus;
    void SetUp() override {
        KirjoitaTiedosto("Tiedostot/Objektit/Puhaltaja.txt",
                         "#3D_MALLI; >Tuuletin;\n#TEKSTUURI; >Kylki;\n#END_OF_FILE;\n");
        k->Alusta();
        p.Alusta();
        bonus.Alusta();
    }
    int Eloss() const {
        int n = 0;
        for (bool vapaa : k->isFree) n += !vapaa;
        return n;
    }
};

TEST_F(Puhaltajat, AlustaLoadsSixAtTheOriginAndNollaaKeepsTheirHeadings) {
    EXPECT_EQ(p.maara, 6);
    for (int i = 0; i < PUHALTAJIEN_MAARA; i++) {
        EXPECT_STREQ(p.objektit[i].MalliNimi, "Tuuletin");
        EXPECT_STREQ(p.objektit[i].TekstuuriNimi, "Kylki");
        EXPECT_EQ(p.objektit[i].Skaalaus, 1.0);
        EXPECT_EQ(p.objektit[i].Sijainti.x, 0);
        EXPECT_EQ(p.kohteet[i].z, 0);
    }
    srand(8);
    for (int n = 0; n < 50; n++) PuhaltajaAskel(p, *k, bonus);
    MATRIISI4X4 asento = p.objektit[2].Kiertomatriisi;
    p.Nollaa();
    EXPECT_EQ(p.objektit[2].Sijainti.x, 0);
    EXPECT_EQ(p.kohteet[2].x, 0);
    EXPECT_EQ(p.nopeudet[2], 0.1);
    for (int i = 0; i < 16; i++) EXPECT_EQ(p.objektit[2].Kiertomatriisi.m[i], asento.m[i]);
}

TEST_F(Puhaltajat, BlowingFactorDecidesHowManyAreBlown) {
    srand(6);
    bonus.blowFactor = 0; // bubbling pause
    SIJAINTI alussa = p.objektit[1].Sijainti;
    for (int n = 0; n < 500; n++) PuhaltajaAskel(p, *k, bonus);
    EXPECT_EQ(Eloss(), 0);
    EXPECT_GT(Vaakamatka(alussa, p.objektit[1].Sijainti), 1.0); // they still drive

    // Above 100.01 every draw passes: each blower blows each step, from where it
    // stood before moving, 2.5 higher.
    bonus.blowFactor = 101;
    SIJAINTI ennen = p.objektit[0].Sijainti;
    PuhaltajaAskel(p, *k, bonus);
    EXPECT_EQ(Eloss(), 6);
    EXPECT_EQ(k->bubbles[0].Sijainti.x, ennen.x);
    EXPECT_EQ(k->bubbles[0].Sijainti.y, ennen.y + 2.5);

    // Normal factor: about one in a hundred per blower per step.
    bonus.blowFactor = 1.0;
    k->Tyhjenna();
    for (int n = 0; n < 1000; n++) PuhaltajaAskel(p, *k, bonus);
    EXPECT_GT(Eloss(), 30);
    EXPECT_LT(Eloss(), 100);
}

TEST_F(Puhaltajat, AFullPoolBlowsNothingButTheBlowersGoOn) {
    srand(12);
    SIJAINTI kaukana;
    kaukana.Aseta(0, 900, 0);
    for (int i = 0; i < KUPLIEN_MAARA; i++) k->Puhalla(kaukana);
    bonus.blowFactor = 101;
    SIJAINTI ennen = p.objektit[4].Sijainti;
    PuhaltajaAskel(p, *k, bonus);
    EXPECT_EQ(Eloss(), KUPLIEN_MAARA);
    for (const OBJEKTI& o : k->bubbles) ASSERT_EQ(o.Sijainti.y, 902.5);
    EXPECT_GT(Vaakamatka(ennen, p.objektit[4].Sijainti), 0.09);
}

} // namespace
