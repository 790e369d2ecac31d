#include "apu/TestiApu.h"
#include "bubbles/KuplaFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <map>
#include <string>

namespace {

// First seed after which the generator's draws, taken in the game's order by
// `ehto`, are the ones a test needs.
template <class F> unsigned EtsiSiemen(F ehto) {
    for (unsigned s = 1; s < 20000000; s++) {
        srand(s);
        if (ehto()) return s;
    }
    ADD_FAILURE() << "no seed gives the draws";
    return 1;
}

// The draws of one picked-up bubble in an update: boost, new wanted kind, pop.
void OhitaPoiminta() {
    Sattuma(800, 1200);
    Sattuma(0, 3);
    Sattuma(0, 10000000);
}

struct Kuplat : ::testing::Test {
    TYOKANSIO kansio;
    VALEKELLO kello{5000};
    std::unique_ptr<KUPLA> k{new KUPLA};
    PAPERPLANE kone;
    AANIJONO aanet;
    BONUS bonus;

    void SetUp() override {
        for (int n = 1; n <= 4; n++)
            KirjoitaTiedosto("Tiedostot/Objektit/Kupla" + std::to_string(n) + ".txt",
                             "#3D_MALLI; >Malli" + std::to_string(n) +
                                 ";\n#TEKSTUURI; >Pinta;\n#END_OF_FILE;\n");
        k->Alusta();
        bonus.Alusta();
    }

    // A still bubble: facing +z, no spin, no rise.
    void Aseta(int i, int laji, double x, double y, double z) {
        k->isFree[i] = false;
        k->kinds[i] = (Uint8)laji;
        k->bubbles[i].Alusta(k->templates[laji]);
        k->bubbles[i].Sijainti.Aseta(x, y, z);
        k->spins[i][0] = k->spins[i][1] = k->spins[i][2] = 0;
        k->rises[i] = 0;
    }
    // A still bubble that the update's swim of 0.02 along +z carries onto the plane.
    void AsetaKoneelle(int i, int laji) {
        const SIJAINTI& p = kone.body.Sijainti;
        Aseta(i, laji, p.x, p.y, p.z - 0.02);
    }
    int Vapaita() const {
        int n = 0;
        for (bool vapaa : k->isFree) n += vapaa;
        return n;
    }
};

TEST_F(Kuplat, AlustaLoadsTheTemplatesInKindOrderAndFreesEverySlot) {
    EXPECT_STREQ(k->templates[0].MalliNimi, "Malli2");
    EXPECT_STREQ(k->templates[1].MalliNimi, "Malli1");
    EXPECT_STREQ(k->templates[2].MalliNimi, "Malli4");
    EXPECT_STREQ(k->templates[3].MalliNimi, "Malli3");
    for (const OBJEKTI& t : k->templates) EXPECT_EQ(t.Skaalaus, 1.0);
    EXPECT_EQ(Vapaita(), KUPLIEN_MAARA);
    EXPECT_EQ(k->wantedKind, 0);
    EXPECT_STREQ(k->bubbles[999].MalliNimi, "Malli2");
}

TEST_F(Kuplat, PuhallaFillsTheLowestFreeSlotAndAFullPoolBlowsNothing) {
    srand(3);
    SIJAINTI paikka;
    paikka.Aseta(4, 1, -6);
    for (int i = 0; i < KUPLIEN_MAARA; i++) k->Puhalla(paikka);
    EXPECT_EQ(Vapaita(), 0);
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        const OBJEKTI& o = k->bubbles[i];
        ASSERT_LE(k->kinds[i], 3);
        EXPECT_STREQ(o.MalliNimi, k->templates[k->kinds[i]].MalliNimi);
        EXPECT_EQ(o.Sijainti.x, 4);
        EXPECT_EQ(o.Sijainti.y, 3.5);
        EXPECT_EQ(o.Sijainti.z, -6);
        for (double kulma : k->spins[i]) {
            EXPECT_GE(kulma, 0);
            EXPECT_LE(kulma, 0.2);
        }
        EXPECT_GE(k->rises[i], 0.0005 - 1e-12);
        EXPECT_LE(k->rises[i], 0.01 + 1e-12);
    }

    SIJAINTI muualla;
    muualla.Aseta(100, 100, 100);
    k->Puhalla(muualla);
    for (const OBJEKTI& o : k->bubbles) ASSERT_NE(o.Sijainti.x, 100);

    k->isFree[700] = k->isFree[300] = true;
    k->Puhalla(muualla);
    EXPECT_FALSE(k->isFree[300]);
    EXPECT_TRUE(k->isFree[700]);
    EXPECT_EQ(k->bubbles[300].Sijainti.y, 102.5);
}

TEST_F(Kuplat, ABubbleSwimsRisesAndGrows) {
    kone.body.Sijainti.Aseta(500, 0, 500);
    Aseta(0, 0, 0, 10, 0);
    k->rises[0] = 0.01;
    srand(1);
    EXPECT_EQ(k->Paivita(kone, bonus, aanet), 0);
    const OBJEKTI& o = k->bubbles[0];
    EXPECT_NEAR(o.Sijainti.x, 0, 1e-12);
    EXPECT_NEAR(o.Sijainti.y, 10.01, 1e-12);
    EXPECT_NEAR(o.Sijainti.z, 0.02, 1e-12);
    EXPECT_NEAR(o.Skaalaus, 0.51001, 1e-12);
    ASSERT_EQ(k->naytettavia, 1);
    EXPECT_EQ(k->naytettavat[0], 0);
}

TEST_F(Kuplat, SpinTurnsAboutXThenYThenZEveryUpdate) {
    kone.body.Sijainti.Aseta(500, 0, 500);
    Aseta(0, 3, 0, -10, 0); // low enough never to pop
    k->bubbles[0].Kiertomatriisi.PyoritaY(33);
    k->bubbles[0].Kiertomatriisi.PyoritaX(20);
    MATRIISI4X4 odotus = k->bubbles[0].Kiertomatriisi;
    const double kulmat[3] = {0.13, 0.07, 0.19};
    for (int a = 0; a < 3; a++) k->spins[0][a] = kulmat[a];
    for (int n = 0; n < 200; n++) {
        k->Paivita(kone, bonus, aanet);
        odotus.PyoritaX(kulmat[0]);
        odotus.PyoritaY(kulmat[1]);
        odotus.PyoritaZ(kulmat[2]);
        OrthonormalizeMatrix(odotus.m);
    }
    for (int i = 0; i < 16; i++) EXPECT_NEAR(k->bubbles[0].Kiertomatriisi.m[i], odotus.m[i], 1e-12);

    // New spins take effect at once.
    k->spins[0][0] = 1.5;
    odotus = k->bubbles[0].Kiertomatriisi;
    k->Paivita(kone, bonus, aanet);
    odotus.PyoritaX(1.5);
    odotus.PyoritaY(kulmat[1]);
    odotus.PyoritaZ(kulmat[2]);
    OrthonormalizeMatrix(odotus.m);
    for (int i = 0; i < 16; i++) EXPECT_NEAR(k->bubbles[0].Kiertomatriisi.m[i], odotus.m[i], 1e-12);
}

TEST_F(Kuplat, SuckerAndRepellerPullByTheirSum) {
    struct {
        double suck, repel, odotettuX;
    } tapaukset[] = {
        {0.05, -0.05, 10},    // cancel: no pull at all
        {0.05, -0.02, 9.97},  // pulls 0.03 towards the plane
        {0, -0.05, 10.05},    // the repeller alone pushes away
        {0.08, 0, 10 - 0.08}, // the sucker alone
    };
    for (auto& t : tapaukset) {
        kone.body.Sijainti.Aseta(0, 0, 0);
        Aseta(0, 0, 10, 0, 0);
        bonus.suck = t.suck;
        bonus.repel = t.repel;
        k->Paivita(kone, bonus, aanet);
        EXPECT_NEAR(k->bubbles[0].Sijainti.x, t.odotettuX, 1e-12) << t.suck << " " << t.repel;
        EXPECT_EQ(k->bubbles[0].Sijainti.y, 0);
        EXPECT_NEAR(k->bubbles[0].Sijainti.z, 0.02, 1e-12);
    }

    // A bubble exactly at the plane gets no pull (and no NaN): it only swims.
    Aseta(1, 1, 0, 0, 0);
    bonus.suck = 0.05;
    bonus.repel = 0;
    k->Paivita(kone, bonus, aanet);
    EXPECT_EQ(k->bubbles[1].Sijainti.x, 0);
    EXPECT_EQ(k->bubbles[1].Sijainti.y, 0);
    EXPECT_NEAR(k->bubbles[1].Sijainti.z, 0.02, 1e-12);
}

TEST_F(Kuplat, PopTestNeverAtOrBelowTheGroundSurelyAboveTheGeneratorsRange) {
    kone.body.Sijainti.Aseta(1000, 1000, 1000);
    srand(11);
    Aseta(0, 0, 0, -1, 0);
    Aseta(1, 0, 5, 0, 0);
    for (int n = 0; n < 3000; n++) k->Paivita(kone, bonus, aanet);
    EXPECT_FALSE(k->isFree[0]);
    EXPECT_FALSE(k->isFree[1]);

    Aseta(2, 0, 0, 32767.5, 0);
    k->Paivita(kone, bonus, aanet);
    EXPECT_TRUE(k->isFree[2]);
    EXPECT_EQ(k->naytettavia, 3); // it still showed in its last update
}

TEST_F(Kuplat, EveryPickUpBoostsAndDrawsANewWantedKind) {
    kone.body.Sijainti.Aseta(3, 30, -7);
    AsetaKoneelle(5, 2);
    k->wantedKind = 2;
    const unsigned siemen = 42;
    srand(siemen);
    const int tehostus = Sattuma(800, 1200);
    const int uusiLaji = Sattuma(0, 3);
    srand(siemen);
    EXPECT_EQ(k->Paivita(kone, bonus, aanet), 1);
    EXPECT_TRUE(k->isFree[5]);
    EXPECT_DOUBLE_EQ(bonus.speedBoost, (130 - 30) * 0.0025 + tehostus * 0.00006);
    EXPECT_EQ(k->wantedKind, uusiLaji);

    // A wrong one ends the flight, still boosts and starts no bonus.
    AsetaKoneelle(6, (uusiLaji + 1) % 4);
    bonus.Alusta();
    EXPECT_EQ(k->Paivita(kone, bonus, aanet), -1);
    EXPECT_TRUE(k->isFree[6]);
    EXPECT_GT(bonus.speedBoost, 0);
    EXPECT_EQ(bonus.messageCount, 0u);
}

TEST_F(Kuplat, PickUpReachIsTwoAndAQuarterScales) {
    // At y = 100 the scale is 0.6, so the reach is 1.35.
    kone.body.Sijainti.Aseta(0, 100, 0);
    Aseta(0, 0, 1.34, 100, -0.02);
    Aseta(1, 0, -1.36, 100, -0.02);
    k->wantedKind = 0;
    // A seed that does not pop the second bubble at this height.
    srand(EtsiSiemen([] {
        OhitaPoiminta();
        return Sattuma(0, 10000000) >= 100;
    }));
    k->Paivita(kone, bonus, aanet);
    EXPECT_TRUE(k->isFree[0]);
    EXPECT_FALSE(k->isFree[1]);
}

// A bubble swims 0.02 an update along its nose, rises by its own rate and turns
// by its spins: one spinning about its own up axis alone swims round a circle,
// whose points after n updates are known in closed form; one spinning about all
// three axes stays a rotation. (The game's pi is 3.14159265.)
TEST_F(Kuplat, BubblesSwimRoundTheCircleTheirSpinDraws) {
    kone.body.Sijainti.Aseta(0, -100, 0);
    const double spin[3] = {0.05, 0.13, 0.2}; // degrees an update about own Y
    for (int i = 0; i < 3; i++) {
        Aseta(i, i, 10.0 * i, -200, 0); // never pops below 0
        k->spins[i][1] = spin[i];
        k->rises[i] = 0.001 * (i + 1);
    }
    Aseta(3, 3, 40, -200, 0);
    k->spins[3][0] = 0.11;
    k->spins[3][1] = 0.07;
    k->spins[3][2] = 0.19;
    const int n = 3000;
    for (int u = 0; u < n; u++) k->Paivita(kone, bonus, aanet);
    for (int i = 0; i < 3; i++) {
        const double a = spin[i] * 3.14159265 / 180;
        // The nose turned from +z towards -x; the sums of the steps before each turn.
        const double sivu = std::sin(n * a / 2) / std::sin(a / 2);
        const double x = 10.0 * i - 0.02 * sivu * std::sin((n - 1) * a / 2);
        const double z = 0.02 * sivu * std::cos((n - 1) * a / 2);
        const OBJEKTI& o = k->bubbles[i];
        ASSERT_FALSE(k->isFree[i]);
        EXPECT_NEAR(o.Sijainti.x, x, 1e-7) << i;
        EXPECT_NEAR(o.Sijainti.z, z, 1e-7) << i;
        EXPECT_NEAR(o.Sijainti.y, -200 + n * 0.001 * (i + 1), 1e-7) << i;
        EXPECT_NEAR(o.Kiertomatriisi.m[8], -std::sin(n * a), 1e-7) << i;
        EXPECT_NEAR(o.Kiertomatriisi.m[10], std::cos(n * a), 1e-7) << i;
        EXPECT_EQ(o.Skaalaus, o.Sijainti.y * 0.001 + 0.5); // grown with its height
    }
    const double* m = k->bubbles[3].Kiertomatriisi.m;
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) {
            double d =
                m[4 * r] * m[4 * c] + m[4 * r + 1] * m[4 * c + 1] + m[4 * r + 2] * m[4 * c + 2];
            // Rows are kept unit length to a float's precision (see OrthonormalizeMatrix).
            EXPECT_NEAR(d, r == c ? 1 : 0, 1e-7) << r << " " << c;
        }
}

TEST_F(Kuplat, ReachDecidesAsTheDistanceDoesRightAtItsEdge) {
    // At y = -100 the scale is 0.4 and the reach 0.9; the bubbles swim 0.02
    // along +z onto distances a few rounding steps either side of it.
    kone.body.Sijainti.Aseta(0, -100, 0);
    int poimittu = 0, ohi = 0;
    for (int askel = -40; askel <= 40; askel++) {
        double x = 0.9;
        for (int i = 0; i < (askel < 0 ? -askel : askel); i++)
            x = std::nextafter(x, askel < 0 ? 0.0 : 2.0);
        for (int i = 0; i < KUPLIEN_MAARA; i++) k->isFree[i] = true;
        Aseta(0, 0, x, -100, -0.02);
        Aseta(1, 0, 0.3, -100, std::sqrt(x * x - 0.09) - 0.02);
        k->Paivita(kone, bonus, aanet);
        for (int i = 0; i < 2; i++) {
            const OBJEKTI& o = k->bubbles[i];
            bool ulottuu = Etaisyys(o.Sijainti, kone.body.Sijainti) <= 2.25 * o.Skaalaus;
            EXPECT_EQ(k->isFree[i], ulottuu) << askel << " " << i;
            (ulottuu ? poimittu : ohi)++;
        }
    }
    EXPECT_GT(poimittu, 10);
    EXPECT_GT(ohi, 10);
}

TEST_F(Kuplat, OfTwoPickUpsTheLastDecidesAgainstTheRedrawnWantedKind) {
    kone.body.Sijainti.Aseta(0, 50, 0);

    // Right then wrong: -1, and no bonus although the first would have drawn one.
    unsigned siemen = EtsiSiemen([] {
        OhitaPoiminta();
        OhitaPoiminta();
        int r = Sattuma(0, 100);
        return r >= 30 && r <= 59;
    });
    srand(siemen);
    Sattuma(800, 1200);
    const int uusi = Sattuma(0, 3);
    Sattuma(0, 10000000);
    const int toinenTehostus = Sattuma(800, 1200);
    AsetaKoneelle(0, 0);
    AsetaKoneelle(1, (uusi + 1) % 4);
    k->wantedKind = 0;
    srand(siemen);
    EXPECT_EQ(k->Paivita(kone, bonus, aanet), -1);
    EXPECT_TRUE(k->isFree[0]);
    EXPECT_TRUE(k->isFree[1]);
    EXPECT_DOUBLE_EQ(bonus.speedBoost, 80 * 0.0025 + toinenTehostus * 0.00006);
    EXPECT_EQ(bonus.messageCount, 0u);
    EXPECT_EQ(bonus.blowFactor, 1.0);

    // Wrong then right (right only against the re-drawn kind 3): 1, and the bonus
    // is drawn for kind 3.
    siemen = EtsiSiemen([] {
        Sattuma(800, 1200);
        if (Sattuma(0, 3) != 3) return false;
        Sattuma(0, 10000000);
        OhitaPoiminta();
        return Sattuma(0, 100) <= 19;
    });
    AsetaKoneelle(0, 1);
    AsetaKoneelle(1, 3);
    k->wantedKind = 0;
    bonus.Alusta();
    srand(siemen);
    EXPECT_EQ(k->Paivita(kone, bonus, aanet), 1);
    EXPECT_GT(bonus.suck, 0);
    EXPECT_STREQ(bonus.messageTexts[0], "Bubble-sucker");
}

TEST_F(Kuplat, GoodByeBubblesClearsAfterOneMoreUpdateThatStillCounts) {
    kone.body.Sijainti.Aseta(0, 50, 0);
    for (int i = 0; i < 10; i++) Aseta(i, 1, 100 + i, 0, 0);
    AsetaKoneelle(10, 0);
    k->wantedKind = 0;
    bonus.clearBubbles = true;
    srand(21);
    EXPECT_EQ(k->Paivita(kone, bonus, aanet), 1);
    EXPECT_EQ(Vapaita(), KUPLIEN_MAARA);
    EXPECT_FALSE(bonus.clearBubbles);
    EXPECT_EQ(k->naytettavia, 11); // shown once more
    EXPECT_NEAR(k->bubbles[3].Sijainti.z, 0.02, 1e-12);
}

struct Bonukset : Kuplat {
    // Right pick-up of `laji` with the bonus draw r; gives the seed used.
    unsigned Poimi(int laji, int r) {
        unsigned siemen = EtsiSiemen([&] {
            OhitaPoiminta();
            return Sattuma(0, 100) == r;
        });
        kone.body.Sijainti.Aseta(0, 50, 0);
        AsetaKoneelle(0, laji);
        k->wantedKind = laji;
        bonus.Alusta();
        strcpy(bonus.messageTexts[5], "vanha");
        srand(siemen);
        aanet = AANIJONO{};
        EXPECT_EQ(k->Paivita(kone, bonus, aanet), 1);
        return siemen;
    }
    // The value drawn for the bonus itself, after the pick-up and r.
    static int Arvo(unsigned siemen, int a, int b) {
        srand(siemen);
        OhitaPoiminta();
        Sattuma(0, 100);
        return Sattuma(a, b);
    }
    // Which bonus fields left their resting values.
    std::string Aloitettu() const {
        std::string nimi;
        if (bonus.blowFactor != 1.0) nimi += bonus.blowFactor == 0 ? "pause" : "factor";
        if (bonus.blowerSpeed != 1.0) nimi += "speed";
        if (bonus.clearBubbles) nimi += "clear";
        if (bonus.suck != 0) nimi += "sucker";
        if (bonus.repel != 0) nimi += "repeller";
        return nimi;
    }
    void OdotaViesti(const char* eka, const char* toka) {
        EXPECT_EQ(bonus.messageHoldUntil, 6000u);
        EXPECT_EQ(bonus.messageY, 300);
        EXPECT_STREQ(bonus.messageTexts[0], eka);
        EXPECT_STREQ(bonus.messageTexts[1], toka ? toka : "");
        EXPECT_STREQ(bonus.messageTexts[5], "");
        EXPECT_EQ(bonus.messageCount, toka ? 2u : 1u);
    }
};

// Over the 101 draws of a right pick-up, each kind starts its bonuses in the
// shares the game gives them, and at most one at a time.
TEST_F(Bonukset, EachKindStartsItsBonusesInTheirShareOfDraws) {
    const std::map<std::string, int> odotus[4] = {
        {{"", 71}, {"factor", 20}, {"pause", 10}},
        {{"", 86}, {"speed", 15}},
        {{"", 81}, {"clear", 20}},
        {{"", 71}, {"sucker", 20}, {"repeller", 10}},
    };
    for (int laji = 0; laji < 4; laji++) {
        std::map<std::string, int> aloitetut;
        for (int r = 0; r <= 100; r++) {
            Poimi(laji, r);
            const std::string nimi = Aloitettu();
            aloitetut[nimi]++;
            EXPECT_EQ(bonus.messageCount == 0, nimi.empty()) << "kind " << laji << " r " << r;
            EXPECT_EQ(k->bonusAlkoi, !nimi.empty()) << "kind " << laji << " r " << r;
        }
        EXPECT_EQ(aloitetut, odotus[laji]) << "kind " << laji;
    }
}

TEST_F(Bonukset, BlowingFactorShowsOneMoreThanItsWholePart) {
    struct {
        int arvo;
        const char* teksti;
    } tapaukset[] = {{250, "3"}, {50, "1"}, {199, "2"}, {500, "6"}};
    for (auto& t : tapaukset) {
        unsigned siemen = EtsiSiemen([&] {
            OhitaPoiminta();
            int r = Sattuma(0, 100);
            return r >= 30 && r <= 49 && Sattuma(50, 500) == t.arvo;
        });
        kone.body.Sijainti.Aseta(0, 50, 0);
        AsetaKoneelle(0, 0);
        k->wantedKind = 0;
        bonus.Alusta();
        srand(siemen);
        EXPECT_EQ(k->Paivita(kone, bonus, aanet), 1);
        EXPECT_DOUBLE_EQ(bonus.blowFactor, t.arvo * 0.01);
        EXPECT_EQ(bonus.blowFactorEnds, 15000u);
        OdotaViesti(t.teksti, "x bubble-blowing");
    }
}

TEST_F(Bonukset, EachRowSetsItsValueDurationAndText) {
    Poimi(0, 55);
    EXPECT_EQ(bonus.blowFactor, 0);
    EXPECT_EQ(bonus.blowFactorEnds, 10000u);
    OdotaViesti("Bubbling pause", nullptr);

    unsigned s = Poimi(1, 60);
    EXPECT_EQ(bonus.blowerSpeed, 2.5);
    const int kesto = Arvo(s, 4000, 20000);
    EXPECT_EQ(bonus.blowerSpeedEnds, 5000u + kesto);
    OdotaViesti("\xD6"
                "4's got speed-up",
                nullptr);
    EXPECT_EQ((Uint8)bonus.messageTexts[0][0], 0xD6);

    // The pick-up's sound, then the clearing's, for the flight screen to play.
    Poimi(2, 19);
    ASSERT_EQ(aanet.maara, 2);
    EXPECT_EQ(aanet.aani[0], AANI_KUPLA);
    EXPECT_EQ(aanet.aani[1], AANI_LOPPU);
    EXPECT_EQ(aanet.voimakkuus[1], 64);
    EXPECT_TRUE(k->bonusAlkoi);
    EXPECT_TRUE(bonus.clearBubbles);
    OdotaViesti("Good-bye bubbles...", nullptr);

    s = Poimi(3, 0);
    EXPECT_DOUBLE_EQ(bonus.suck, Arvo(s, 100, 800) * 0.0001);
    EXPECT_EQ(bonus.suckEnds, 15000u);
    OdotaViesti("Bubble-sucker", nullptr);

    s = Poimi(3, 29);
    EXPECT_DOUBLE_EQ(bonus.repel, Arvo(s, 100, 800) * -0.0001);
    EXPECT_LT(bonus.repel, 0);
    EXPECT_EQ(bonus.repelEnds, 15000u);
    OdotaViesti("Bubble-repeller", nullptr);
}

TEST_F(Kuplat, TyhjennaFreesEverySlotAtTheOrigin) {
    srand(2);
    SIJAINTI p;
    p.Aseta(1, 2, 3);
    for (int i = 0; i < 20; i++) k->Puhalla(p);
    const int toive = k->wantedKind = 3;
    k->Tyhjenna();
    EXPECT_EQ(Vapaita(), KUPLIEN_MAARA);
    EXPECT_EQ(k->bubbles[7].Sijainti.y, 0);
    EXPECT_EQ(k->wantedKind, toive); // carries over from flight to flight
}

} // namespace
