#include "apu/TestiApu.h"
#include "foundation/AikaFunktiot.h"

#include <gtest/gtest.h>

TEST(Aika, RateReadsOneDuringTheFirstSecond) {
    VALEKELLO kello(5000);
    AIKA aika;
    aika.Alusta();
    EXPECT_EQ(aika.frameAika, 0);
    for (int i = 0; i < 50; i++) {
        kello.Siirra(20);
        aika.Paivita();
    }
    EXPECT_EQ(aika.AnnaFPS(), 1.0); // exactly 1000 ms: the interval is not yet closed
    EXPECT_EQ(aika.frameAika, 20);
}

TEST(Aika, IntervalJustOverOneSecond) {
    VALEKELLO kello(0);
    AIKA aika;
    aika.Alusta();
    // 60 updates spread over 1001 ms: the 60th closes the interval.
    for (int i = 1; i <= 60; i++) {
        kello.Aseta((Uint32)(i * 1001 / 60));
        aika.Paivita();
    }
    EXPECT_DOUBLE_EQ(aika.AnnaFPS(), 60.0 / 1001.0 * 1000.0);
    EXPECT_EQ(aika.jaksonFramet, 0);
}

TEST(Aika, OneSlowUpdateGivesARateBelowOne) {
    VALEKELLO kello(100);
    AIKA aika;
    aika.Alusta();
    kello.Siirra(2500);
    aika.Paivita();
    EXPECT_DOUBLE_EQ(aika.AnnaFPS(), 1.0 / 2500.0 * 1000.0);
    EXPECT_EQ(aika.frameAika, 2500);
    aika.Paivita(); // the clock did not move
    EXPECT_EQ(aika.frameAika, 0);
}

TEST(Aika, DifferencesSurviveTheClockWrapping) {
    VALEKELLO kello(0xFFFFFF00u);
    AIKA aika;
    aika.Alusta();
    kello.Aseta(0x00000010u);
    aika.Paivita();
    EXPECT_EQ(aika.frameAika, 0x110);
}

TEST(Aika, BusyWaitEndsWhenTheTimeHasPassed) {
    VALEKELLO kello(0, 1); // every read advances 1 ms
    OdotaKunnes(AnnaTikit(), 10);
    EXPECT_GE(kello.Nyt(), 10u);
    EXPECT_LE(kello.Nyt(), 13u);
}
