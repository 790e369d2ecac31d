#include "shell/Kuori.h"

#include "apu/TestiApu.h"

#include <algorithm>
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

// Every count the format can be broken with, against a body cut at every byte
// length up to one entry past the 200 slots, read from a file as a race start
// reads it: only whole entries are taken, never more than the count or the 200
// slots, and the slots past the track keep what they held.
TEST(Rata, EveryCountAgainstABodyCutAtEveryLength) {
    TYOKANSIO kansio;
    TeeKansiot("Tiedostot/Muu Data");
    std::unique_ptr<RATA> r(new RATA);
    const int ENINTAAN = RADAN_KUPLAT + 1;
    for (Sint32 maara : {-1, 0, 1, 200, 201, 5000, (Sint32)0x80000000, 0x7FFFFFFF}) {
        const std::vector<Uint8> kokonainen = Rata(maara, ENINTAAN);
        for (size_t n = 0; n <= kokonainen.size(); n++) {
            for (int i = 0; i < RADAN_KUPLAT; i++) r->kuplat[i].Sijainti.Aseta(-7, -7, -7);
            r->pituus = 99;
            std::vector<Uint8> tavut(kokonainen.begin(), kokonainen.begin() + n);
            // The file way only now and then: the bytes way is the same reader.
            if (n % 97 == 0 || n == kokonainen.size()) {
                KirjoitaTiedosto("Tiedostot/Muu Data/BubbleRaceA.dat", tavut);
                ASSERT_TRUE(LataaRata(RadanPolku(1), *r));
            } else {
                RataTavuista(tavut.data(), tavut.size(), *r);
            }
            Sint32 odotus = 99; // no count: the track stays as it was
            if (n >= 4) {
                odotus = std::min<Sint32>(std::max<Sint32>(maara, 0), RADAN_KUPLAT);
                odotus = std::min<Sint32>(odotus, (Sint32)((n - 4) / 32));
            }
            ASSERT_EQ(r->pituus, odotus) << maara << " " << n;
            if (n < 4) continue;
            for (int i = 0; i < RADAN_KUPLAT; i++) {
                double x = i < odotus ? 1.5 + i * 10 : -7;
                ASSERT_EQ(r->kuplat[i].Sijainti.x, x) << maara << " " << n << " " << i;
            }
            if (odotus > 0) {
                ASSERT_EQ(r->boostit[odotus - 1], 4.5 + (odotus - 1) * 10);
            }
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

// A not-a-number or an infinity in any field of an entry, first, middle or
// last: the track ends before that entry. Huge and tiny finite numbers are
// numbers like any other.
TEST(Rata, NonFiniteNumbersEndTheTrack) {
    const double NAN_Q = std::numeric_limits<double>::quiet_NaN();
    const double NAN_S = std::numeric_limits<double>::signaling_NaN();
    const double INF = std::numeric_limits<double>::infinity();
    for (double huono : {NAN_Q, -NAN_Q, NAN_S, INF, -INF})
        for (int entry : {0, 1, 199})
            for (int kentta = 0; kentta < 4; kentta++) {
                std::unique_ptr<RATA> r(new RATA);
                std::vector<Uint8> tavut = Rata(200, 200);
                Uint64 b;
                memcpy(&b, &huono, 8);
                for (int i = 0; i < 8; i++)
                    tavut[4 + 32 * entry + 8 * kentta + i] = (Uint8)(b >> (8 * i));
                RataTavuista(tavut.data(), tavut.size(), *r);
                ASSERT_EQ(r->pituus, entry) << huono << " " << entry << " " << kentta;
                ASSERT_TRUE(std::isfinite(r->boostit[entry]));
                ASSERT_TRUE(std::isfinite(r->kuplat[entry].Sijainti.x +
                                          r->kuplat[entry].Sijainti.y +
                                          r->kuplat[entry].Sijainti.z));
            }
    for (double outo : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                        std::numeric_limits<double>::denorm_min(), -0.0}) {
        std::unique_ptr<RATA> r(new RATA);
        std::vector<Uint8> tavut = Rata(1, 1);
        Uint64 b;
        memcpy(&b, &outo, 8);
        for (int i = 0; i < 8; i++) tavut[4 + 24 + i] = (Uint8)(b >> (8 * i)); // the boost
        RataTavuista(tavut.data(), tavut.size(), *r);
        EXPECT_EQ(r->pituus, 1) << outo;
        EXPECT_EQ(r->boostit[0], outo);
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
