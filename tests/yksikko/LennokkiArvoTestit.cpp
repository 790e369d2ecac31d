// The numbers of a plane file in flight, flown to the extremes: MASSA,
// SIIPIALA and AERODYNAAMISUUS change no flight at all, whatever they hold;
// MASSAJAKAUMA, the turn control a run's first flight starts with, flies the
// same beyond +-90 as at +-90, because the step holds it there. Every flight of
// the soak stays finite and within the step's speed limit.
#include "apu/TestiApu.h"
#include "flight/PPFunktiot.h"
#include "tools/lentaja/Lentaja.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct JALKI {
    std::vector<double> luvut; // position and orientation after every update
    bool aarellinen = true;
    double suurinNopeus = 0;
};

// Three flights in a row from the flight start, as the flight screen runs them
// (the attitude and the controls carry over from one to the next), with a
// player's mouse, clicks and Space from a fixed sequence.
JALKI Lenna(PAPERPLANE p) {
    JALKI j;
    MAAILMA w;
    w.Aseta(1.0);
    BONUS b;
    b.Alusta();
    unsigned siemen = 12345;
    auto arpa = [&siemen](int n) {
        siemen = siemen * 1103515245u + 12345u;
        return (int)((siemen >> 16) % (unsigned)n);
    };
    for (int lento = 0; lento < 3; lento++) {
        p.push = 0.5;
        p.body.Sijainti.Aseta(-100, 100, 0);
        p.velocity.NollaVektoriksi();
        p.acceleration.NollaVektoriksi();
        for (int i = 0; i < 2000 && p.body.Sijainti.y > 0; i++) {
            OHJAUS o;
            o.dx = (short)(arpa(41) - 20);
            o.dy = (short)(arpa(41) - 20);
            o.vasen = arpa(40) == 0;
            o.oikea = arpa(40) == 0;
            o.vali = arpa(8) == 0;
            p.Ohjaa(o);
            p.PaivitaFysiikka(w, b);
            const SIJAINTI& s = p.body.Sijainti;
            j.luvut.insert(j.luvut.end(), {s.x, s.y, s.z});
            j.luvut.insert(j.luvut.end(), p.body.Kiertomatriisi.m, p.body.Kiertomatriisi.m + 16);
            for (size_t k = j.luvut.size() - 19; k < j.luvut.size(); k++)
                j.aarellinen = j.aarellinen && std::isfinite(j.luvut[k]);
            j.suurinNopeus = std::fmax(j.suurinNopeus, p.velocity.AnnaPituus());
        }
    }
    return j;
}

PAPERPLANE Kone(const std::string& massa, const std::string& jakauma, const std::string& ala,
                const std::string& aero) {
    KirjoitaTiedosto("Tiedostot/PP/Kone.txt", "#PP;>Koe;\n#3D_MALLI;>Nuoli;\n#TEKSTUURI;>Nuoli;\n"
                                              "#MASSA;>" +
                                                  massa + ";\n#MASSAJAKAUMA;>" + jakauma +
                                                  ";\n#SIIPIALA;>" + ala + ";\n#AERODYNAAMISUUS;>" +
                                                  aero + ";\n#END_OF_FILE;\n");
    PAPERPLANE p;
    p.Alusta("Tiedostot\\PP\\Kone.txt");
    return p;
}

} // namespace

TEST(LennokinArvot, OnlyTheTurnControlFliesAndItIsHeldWithinNinetyDegrees) {
    TYOKANSIO kansio;
    const JALKI perus = Lenna(Kone("1.0", "0", "0", "1.0"));
    ASSERT_TRUE(perus.aarellinen);
    ASSERT_GT(perus.luvut.size(), 3000u) << "the script should fly for a while";

    // Mass, wing area and aerodynamics: no value changes a single bit of flight.
    for (const char* x : {"0", "-1", "1e308", "1e999", "-1e999", "abc", "2.5e-300"}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(Lenna(Kone(x, "0", "0", "1.0")).luvut, perus.luvut);
        EXPECT_EQ(Lenna(Kone("1.0", "0", x, "1.0")).luvut, perus.luvut);
        EXPECT_EQ(Lenna(Kone("1.0", "0", "0", x)).luvut, perus.luvut);
    }

    // The turn control: beyond +-90 the flight is the one at +-90.
    const JALKI oikealle = Lenna(Kone("1.0", "90", "0", "1.0"));
    const JALKI vasemmalle = Lenna(Kone("1.0", "-90", "0", "1.0"));
    EXPECT_NE(oikealle.luvut, perus.luvut);
    for (const char* x : {"90.0001", "200", "1e300", "1e999"}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(Lenna(Kone("1.0", x, "0", "1.0")).luvut, oikealle.luvut);
        EXPECT_EQ(Lenna(Kone("1.0", ("-" + std::string(x)).c_str(), "0", "1.0")).luvut,
                  vasemmalle.luvut);
    }
    // Within the range every start stays a finite flight under the speed limit.
    for (const char* x : {"-90", "-45", "-0.5", "20", "89.99", "90"}) {
        SCOPED_TRACE(x);
        JALKI j = Lenna(Kone("1.0", x, "0", "1.0"));
        EXPECT_TRUE(j.aarellinen);
        EXPECT_LE(j.suurinNopeus, 100.0);
    }
}
