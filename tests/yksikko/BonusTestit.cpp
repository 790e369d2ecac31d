#include "apu/TestiApu.h"
#include "flight/BonusFunktiot.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(Bonus, InitialiseRestoresTheRestingRules) {
    VALEKELLO kello(5000);
    BONUS b;
    b.speedBoost = 0.2;
    b.suck = 0.05;
    b.suckEnds = 9;
    b.repel = -0.05;
    b.repelEnds = 9;
    b.blowFactor = 0;
    b.blowFactorEnds = 9;
    b.clearBubbles = true;
    b.blowerSpeed = 2.5;
    b.blowerSpeedEnds = 9;
    b.AloitaViesti("Bubble-sucker", nullptr, 1000);
    b.Alusta();
    EXPECT_EQ(b.speedBoost, 0.0);
    EXPECT_EQ(b.suck, 0.0);
    EXPECT_EQ(b.repel, 0.0);
    EXPECT_EQ(b.blowFactor, 1.0);
    EXPECT_EQ(b.blowerSpeed, 1.0);
    EXPECT_FALSE(b.clearBubbles);
    EXPECT_EQ(b.suckEnds + b.repelEnds + b.blowFactorEnds + b.blowerSpeedEnds, 0u);
    EXPECT_EQ(b.messageCount, 0u);
    EXPECT_EQ(b.messageHoldUntil, 0u);
    EXPECT_EQ(b.messageY, 0.0);
    for (int i = 0; i < VIESTIEN_MAARA; i++) EXPECT_STREQ(b.messageTexts[i], "");
}

TEST(Bonus, PauseReplacesARunningBlowingFactor) {
    VALEKELLO kello(10000);
    BONUS b;
    b.Alusta();
    b.blowFactor = 3.0;
    b.blowFactorEnds = kello.Nyt() + 10000;
    kello.Siirra(2000);
    b.Paivita();
    EXPECT_EQ(b.blowFactor, 3.0);
    // The pause shares the factor's end tick, so it cuts the factor short.
    b.blowFactor = 0;
    b.blowFactorEnds = kello.Nyt() + 5000;
    kello.Siirra(5000);
    b.Paivita(); // at the end tick itself the pause still holds
    EXPECT_EQ(b.blowFactor, 0.0);
    kello.Siirra(1);
    b.Paivita();
    EXPECT_EQ(b.blowFactor, 1.0); // back to normal, not to 3.0
}

TEST(Bonus, SuckerAndRepellerRunSeparately) {
    VALEKELLO kello(1000);
    BONUS b;
    b.Alusta();
    b.suck = 0.05;
    b.suckEnds = 11000;
    kello.Aseta(4000);
    b.repel = -0.05;
    b.repelEnds = 14000;
    b.blowerSpeed = 2.5;
    b.blowerSpeedEnds = 12000;
    b.Paivita();
    EXPECT_EQ(b.suck + b.repel, 0.0); // bubbles neither come nor go
    kello.Aseta(11001);
    b.Paivita();
    EXPECT_EQ(b.suck, 0.0);
    EXPECT_EQ(b.repel, -0.05);
    EXPECT_EQ(b.blowerSpeed, 2.5);
    kello.Aseta(12001);
    b.Paivita();
    EXPECT_EQ(b.blowerSpeed, 1.0);
    EXPECT_EQ(b.repel, -0.05);
    kello.Aseta(14001);
    b.Paivita();
    EXPECT_EQ(b.repel, 0.0);
}

TEST(Bonus, SecondMessageRestartsTheHold) {
    VALEKELLO kello(1000);
    BONUS b;
    b.Alusta();
    b.AloitaViesti("3", "x bubble-blowing", 1000);
    EXPECT_EQ(b.messageCount, 2u);
    kello.Siirra(1500);
    for (int i = 0; i < 10; i++) b.Paivita();
    EXPECT_EQ(b.messageY, 260.0);
    b.AloitaViesti("Bubble-sucker", nullptr, 1000);
    EXPECT_EQ(b.messageY, 300.0);
    EXPECT_EQ(b.messageHoldUntil, kello.Nyt() + 1000);
    EXPECT_EQ(b.messageCount, 1u);
    EXPECT_STREQ(b.messageTexts[0], "Bubble-sucker");
    EXPECT_STREQ(b.messageTexts[1], ""); // the old second text is gone
    kello.Siirra(1000);
    b.Paivita();
    EXPECT_EQ(b.messageY, 300.0); // still held
}

TEST(Bonus, MessageSinksAndRestsAtMinus500) {
    VALEKELLO kello(1000);
    BONUS b;
    b.Alusta();
    b.AloitaViesti("\xD6"
                   "4's got speed-up",
                   nullptr, 2000);
    EXPECT_STREQ(b.messageTexts[0], "\xD6"
                                    "4's got speed-up");
    kello.Siirra(2001);
    for (int i = 0; i < 199; i++) b.Paivita();
    EXPECT_EQ(b.messageY, -496.0);
    b.Paivita();
    EXPECT_EQ(b.messageY, -500.0);
    for (int i = 0; i < 50; i++) b.Paivita();
    EXPECT_EQ(b.messageY, -500.0); // never below
    EXPECT_EQ(b.messageCount, 1u); // stays until the next message replaces it
}

TEST(Bonus, EmptyingClearsAllTextsButKeepsTheCount) {
    VALEKELLO kello(1000);
    BONUS b;
    b.Alusta();
    for (int i = 0; i < VIESTIEN_MAARA; i++) strcpy(b.messageTexts[i], "x");
    b.messageCount = 2;
    b.Tyhjaa();
    for (int i = 0; i < VIESTIEN_MAARA; i++) EXPECT_STREQ(b.messageTexts[i], "");
    EXPECT_EQ(b.messageCount, 2u);
}

TEST(Bonus, OverlongMessageIsCutToItsSlot) {
    VALEKELLO kello(1000);
    BONUS b;
    b.Alusta();
    std::string pitka(300, 'a');
    b.AloitaViesti(pitka.c_str(), nullptr, 1000);
    EXPECT_EQ(strlen(b.messageTexts[0]), (size_t)VIESTIN_PITUUS - 1);
    EXPECT_STREQ(b.messageTexts[1], "");
}
