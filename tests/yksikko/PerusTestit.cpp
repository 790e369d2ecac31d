#include "foundation/LaiteFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

TEST(Sattuma, StaysWithinItsBounds) {
    srand(12345);
    bool nahty[401] = {};
    for (int i = 0; i < 200000; i++) {
        EXPECT_EQ(Sattuma(5, 5), 5);
        int r = Sattuma(-200, 200);
        ASSERT_GE(r, -200);
        ASSERT_LE(r, 200);
        nahty[r + 200] = true;
        int iso = Sattuma(0, 10000000);
        ASSERT_GE(iso, 0);
        ASSERT_LE(iso, 32767); // the generator's 15 bits are the game's range
    }
    for (int i = 0; i <= 400; i++) EXPECT_TRUE(nahty[i]) << i - 200;
}

TEST(Sattuma, SameSeedSameSequence) {
    srand(7);
    int a[20];
    for (int& x : a) x = Sattuma(0, 1000);
    srand(7);
    for (int x : a) EXPECT_EQ(Sattuma(0, 1000), x);
}

TEST(LukuSanaksi, IntegerForm) {
    EXPECT_STREQ(LukuSanaksi(-45), "-45");
    EXPECT_STREQ(LukuSanaksi(0), "0");
    EXPECT_STREQ(LukuSanaksi(2147483647), "2147483647");
    EXPECT_STREQ(LukuSanaksi(-2147483647 - 1), "-2147483648");
}

TEST(LukuSanaksi, SignificantDigitsFromDecimals) {
    EXPECT_STREQ(LukuSanaksi(59.876, 2), "59.88");
    EXPECT_STREQ(LukuSanaksi(0.5, 2), "0.5");
    EXPECT_STREQ(LukuSanaksi(1234.5, 2), "1234.5");
    EXPECT_STREQ(LukuSanaksi(-59.876, 2), "-59.88");
    EXPECT_STREQ(LukuSanaksi(-0.5, 2), "-0.5");
    EXPECT_STREQ(LukuSanaksi(1000.0, 2), "1000");
    EXPECT_STREQ(LukuSanaksi(9.999, 2), "10");
    EXPECT_STREQ(LukuSanaksi(60.0, 2), "60");
    EXPECT_STREQ(LukuSanaksi(123.456, 0), "123");
    EXPECT_STREQ(LukuSanaksi(0.126, 2), "0.13");
    EXPECT_STREQ(LukuSanaksi(3.14159, 3), "3.142");
    EXPECT_STREQ(LukuSanaksi(65.999, 2), "66");
}

TEST(LukuSanaksi, OutsideTheRuleGivesShortSoundTexts) {
    EXPECT_STREQ(LukuSanaksi(0.0, 2), "0");
    EXPECT_STREQ(LukuSanaksi(-0.0, 2), "0");
    EXPECT_STREQ(LukuSanaksi(0.05, 2), "0.05");
    EXPECT_STREQ(LukuSanaksi(0.001, 2), "0");
    EXPECT_STREQ(LukuSanaksi(-0.001, 2), "0");
    EXPECT_STREQ(LukuSanaksi(std::nan(""), 2), "0");
    EXPECT_STREQ(LukuSanaksi(std::numeric_limits<double>::infinity(), 2), "0");
    std::string iso = LukuSanaksi(1.5e300, 2);
    EXPECT_EQ(iso, "1.5e+300");
    EXPECT_LT(strlen(LukuSanaksi(-1.7976931348623157e308, 15)), 40u);
    EXPECT_STREQ(LukuSanaksi(1e19, 2), "10000000000000000000");
}

TEST(LukuSanaksi, FitsACallersBuffer) {
    char pieni[8];
    LukuSanaksi(123456789.125, 2, pieni, sizeof pieni);
    EXPECT_EQ(strlen(pieni), 7u);
}

TEST(SoitaAani, NothingLoadedPlaysNothingAndTouchesNoChannel) {
    EXPECT_EQ(SoitaAani(nullptr, 64), -1);
}
