#include "apu/TestiApu.h"
#include "bubbles/KuplaFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
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
    GRAFIIKKA g;
    BONUS bonus;

    void SetUp() override {
        for (int n = 1; n <= 4; n++)
            KirjoitaTiedosto("Tiedostot/Objektit/Kupla" + std::to_string(n) + ".txt",
                             "#3D_MALLI; >Malli" + std::to_string(n) +
                                 ";\n#TEKSTUURI; >Pinta;\n#END_OF_FILE;\n");
        k->Alusta();
        g.AlustaPuskurit();
        bonus.Alusta();
    }
    void TearDown() override { g.Vapauta(); }

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
    // No audio device in the unit tests: the sounds stay empty and play nothing.
    for (Mix_Chunk* aani : k->sounds) EXPECT_EQ(aani, nullptr);
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
    EXPECT_EQ(k->Paivita(kone, g, bonus), 0);
    const OBJEKTI& o = k->bubbles[0];
    EXPECT_NEAR(o.Sijainti.x, 0, 1e-12);
    EXPECT_NEAR(o.Sijainti.y, 10.01, 1e-12);
    EXPECT_NEAR(o.Sijainti.z, 0.02, 1e-12);
    EXPECT_NEAR(o.Skaalaus, 0.51001, 1e-12);
    ASSERT_EQ(g.ObjektienMaara, 1u);
    EXPECT_EQ(g.Objektit[0], &k->bubbles[0]);
}

TEST_F(Kuplat, SpinTurnsAboutXThenYThenZEveryUpdate) {
    kone.body.Sijainti.Aseta(500, 0, 500);
    Aseta(0, 3, 0, -10, 0); // low enough never to pop
    k->bubbles[0].Kiertomatriisi.PyoritaV(33, VEKTORI{0.6, 0, 0.8});
    MATRIISI4X4 odotus = k->bubbles[0].Kiertomatriisi;
    const double kulmat[3] = {0.13, 0.07, 0.19};
    for (int a = 0; a < 3; a++) k->spins[0][a] = kulmat[a];
    for (int n = 0; n < 200; n++) {
        k->Paivita(kone, g, bonus);
        odotus.PyoritaX(kulmat[0]);
        odotus.PyoritaY(kulmat[1]);
        odotus.PyoritaZ(kulmat[2]);
        OrthonormalizeMatrix(odotus.m);
    }
    for (int i = 0; i < 16; i++) EXPECT_NEAR(k->bubbles[0].Kiertomatriisi.m[i], odotus.m[i], 1e-12);

    // New spins take effect at once.
    k->spins[0][0] = 1.5;
    odotus = k->bubbles[0].Kiertomatriisi;
    k->Paivita(kone, g, bonus);
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
        k->Paivita(kone, g, bonus);
        EXPECT_NEAR(k->bubbles[0].Sijainti.x, t.odotettuX, 1e-12) << t.suck << " " << t.repel;
        EXPECT_EQ(k->bubbles[0].Sijainti.y, 0);
        EXPECT_NEAR(k->bubbles[0].Sijainti.z, 0.02, 1e-12);
    }

    // A bubble exactly at the plane gets no pull (and no NaN): it only swims.
    Aseta(1, 1, 0, 0, 0);
    bonus.suck = 0.05;
    bonus.repel = 0;
    k->Paivita(kone, g, bonus);
    EXPECT_EQ(k->bubbles[1].Sijainti.x, 0);
    EXPECT_EQ(k->bubbles[1].Sijainti.y, 0);
    EXPECT_NEAR(k->bubbles[1].Sijainti.z, 0.02, 1e-12);
}

TEST_F(Kuplat, PopTestNeverAtOrBelowTheGroundSurelyAboveTheGeneratorsRange) {
    kone.body.Sijainti.Aseta(1000, 1000, 1000);
    srand(11);
    Aseta(0, 0, 0, -1, 0);
    Aseta(1, 0, 5, 0, 0);
    for (int n = 0; n < 3000; n++) k->Paivita(kone, g, bonus);
    EXPECT_FALSE(k->isFree[0]);
    EXPECT_FALSE(k->isFree[1]);

    Aseta(2, 0, 0, 32767.5, 0);
    g.ObjektienMaara = 0;
    k->Paivita(kone, g, bonus);
    EXPECT_TRUE(k->isFree[2]);
    EXPECT_EQ(g.ObjektienMaara, 3u); // it still showed in its last update
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
    EXPECT_EQ(k->Paivita(kone, g, bonus), 1);
    EXPECT_TRUE(k->isFree[5]);
    EXPECT_DOUBLE_EQ(bonus.speedBoost, (130 - 30) * 0.0025 + tehostus * 0.00006);
    EXPECT_EQ(k->wantedKind, uusiLaji);

    // A wrong one ends the flight, still boosts and starts no bonus.
    AsetaKoneelle(6, (uusiLaji + 1) % 4);
    bonus.Alusta();
    EXPECT_EQ(k->Paivita(kone, g, bonus), -1);
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
    k->Paivita(kone, g, bonus);
    EXPECT_TRUE(k->isFree[0]);
    EXPECT_FALSE(k->isFree[1]);
}

TEST_F(Kuplat, UpdatesGiveTheBitsOfTheMatrixFunctions) {
    // The update's own copies of the turn, the re-orthonormalisation and the reach
    // test must give exactly what KerroMatriisi, OrthonormalizeMatrix and
    // Etaisyys give: a flight's bubbles may not drift apart from them.
    kone.body.Sijainti.Aseta(0, -100, 0);
    srand(5);
    const int N = 12;
    MATRIISI4X4 kaannos[N], m[N];
    SIJAINTI p[N];
    for (int i = 0; i < N; i++) {
        Aseta(i, i % 4, Sattuma(-50, 50), -200 - i, Sattuma(-50, 50)); // never pops below 0
        k->bubbles[i].Kiertomatriisi.PyoritaV(7.0 * i, VEKTORI{0.6, 0, 0.8});
        for (double& s : k->spins[i]) s = Sattuma(0, 2000) * 0.0001;
        k->rises[i] = Sattuma(5, 100) * 0.0001;
        kaannos[i].PyoritaX(k->spins[i][0]);
        kaannos[i].PyoritaY(k->spins[i][1]);
        kaannos[i].PyoritaZ(k->spins[i][2]);
        m[i] = k->bubbles[i].Kiertomatriisi;
        p[i] = k->bubbles[i].Sijainti;
    }
    for (int n = 0; n < 3000; n++) {
        k->Paivita(kone, g, bonus);
        g.TyhjennaObjektiPuskuri();
        for (int i = 0; i < N; i++) {
            p[i].x += 0.02 * m[i].m[8];
            p[i].y += 0.02 * m[i].m[9] + k->rises[i];
            p[i].z += 0.02 * m[i].m[10];
            m[i].KerroMatriisi(kaannos[i].m, m[i].m);
            OrthonormalizeMatrix(m[i].m);
        }
    }
    for (int i = 0; i < N; i++) {
        const OBJEKTI& o = k->bubbles[i];
        ASSERT_FALSE(k->isFree[i]);
        for (int j = 0; j < 16; j++) EXPECT_EQ(o.Kiertomatriisi.m[j], m[i].m[j]) << i << " " << j;
        EXPECT_EQ(o.Sijainti.x, p[i].x);
        EXPECT_EQ(o.Sijainti.y, p[i].y);
        EXPECT_EQ(o.Sijainti.z, p[i].z);
        EXPECT_EQ(o.Skaalaus, p[i].y * 0.001 + 0.5);
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
        k->Paivita(kone, g, bonus);
        g.TyhjennaObjektiPuskuri();
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
    EXPECT_EQ(k->Paivita(kone, g, bonus), -1);
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
    EXPECT_EQ(k->Paivita(kone, g, bonus), 1);
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
    EXPECT_EQ(k->Paivita(kone, g, bonus), 1);
    EXPECT_EQ(Vapaita(), KUPLIEN_MAARA);
    EXPECT_FALSE(bonus.clearBubbles);
    EXPECT_EQ(g.ObjektienMaara, 11u); // shown once more
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
        EXPECT_EQ(k->Paivita(kone, g, bonus), 1);
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

TEST_F(Bonukset, EveryKindAndDrawStartsTheBonusOfItsRowOrNothing) {
    for (int laji = 0; laji < 4; laji++)
        for (int r = 0; r <= 100; r++) {
            Poimi(laji, r);
            const char* odotus = "";
            if (laji == 0 && r >= 30 && r <= 49) odotus = "factor";
            if (laji == 0 && r >= 50 && r <= 59) odotus = "pause";
            if (laji == 1 && r >= 60 && r <= 74) odotus = "speed";
            if (laji == 2 && r <= 19) odotus = "clear";
            if (laji == 3 && r <= 19) odotus = "sucker";
            if (laji == 3 && r >= 20 && r <= 29) odotus = "repeller";
            ASSERT_EQ(Aloitettu(), odotus) << "kind " << laji << " r " << r;
            ASSERT_EQ(bonus.messageCount == 0, *odotus == '\0') << "kind " << laji << " r " << r;
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
        EXPECT_EQ(k->Paivita(kone, g, bonus), 1);
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

    Poimi(2, 19);
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
