#include "shell/Kuori.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <vector>

namespace {

std::vector<Uint8> Rata(Sint32 maara, int kirjoitettuja, double arvo = 1.5) {
    std::vector<Uint8> t(4);
    for (int i = 0; i < 4; i++) t[i] = (Uint8)((Uint32)maara >> (8 * i));
    for (int e = 0; e < kirjoitettuja; e++)
        for (int k = 0; k < 4; k++) {
            double d = arvo + e * 10 + k;
            Uint64 b;
            memcpy(&b, &d, 8);
            for (int i = 0; i < 8; i++) t.push_back((Uint8)(b >> (8 * i)));
        }
    return t;
}

} // namespace

TEST(Rata, CountsAndShortBodies) {
    struct {
        Sint32 maara;
        int kirjoitettuja;
        Sint32 odotus;
    } tapaukset[] = {{-1, 3, 0},      {0, 3, 0},        {3, 3, 3}, {200, 200, 200},
                     {201, 201, 200}, {5000, 250, 200}, {10, 4, 4}};
    for (auto& t : tapaukset) {
        std::unique_ptr<RATA> r(new RATA);
        std::vector<Uint8> tavut = Rata(t.maara, t.kirjoitettuja);
        RataTavuista(tavut.data(), tavut.size(), *r);
        EXPECT_EQ(r->pituus, t.odotus) << t.maara;
        if (t.odotus > 0) {
            EXPECT_EQ(r->kuplat[0].Sijainti.x, 1.5);
            EXPECT_EQ(r->kuplat[0].Sijainti.z, 3.5);
            EXPECT_EQ(r->boostit[0], 4.5);
        }
    }
}

TEST(Rata, AHalfEntryLeavesTheRestAsTheyWere) {
    std::unique_ptr<RATA> r(new RATA);
    r->kuplat[1].Sijainti.Aseta(7, 7, 7);
    std::vector<Uint8> tavut = Rata(2, 2);
    tavut.resize(4 + 32 + 20);
    RataTavuista(tavut.data(), tavut.size(), *r);
    EXPECT_EQ(r->pituus, 1);
    EXPECT_EQ(r->kuplat[1].Sijainti.x, 7);
    RataTavuista(tavut.data(), 3, *r); // not even a count: nothing changes
    EXPECT_EQ(r->pituus, 1);
}

TEST(Rata, NonFiniteNumbersEndTheTrack) {
    for (double huono :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity()}) {
        std::unique_ptr<RATA> r(new RATA);
        std::vector<Uint8> tavut = Rata(3, 3);
        Uint64 b;
        memcpy(&b, &huono, 8);
        for (int i = 0; i < 8; i++) tavut[4 + 32 + 24 + i] = (Uint8)(b >> (8 * i)); // entry 1 boost
        RataTavuista(tavut.data(), tavut.size(), *r);
        EXPECT_EQ(r->pituus, 1);
        EXPECT_TRUE(std::isfinite(r->boostit[1]));
    }
}

TEST(Rata, MissingFileLeavesTheTrackAsItWas) {
    std::unique_ptr<RATA> r(new RATA);
    r->pituus = 5;
    EXPECT_FALSE(LataaRata("Tiedostot\\Muu Data\\EiOle.dat", *r));
    EXPECT_EQ(r->pituus, 5);
    EXPECT_STREQ(RadanPolku(1), "Tiedostot\\Muu Data\\BubbleRaceA.dat");
    EXPECT_STREQ(RadanPolku(6), "Tiedostot\\Muu Data\\BubbleRaceF.dat");
}
