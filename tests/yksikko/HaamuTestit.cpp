// The race ghost: a flight recorded pose by pose, its file read back, the
// better-only rule at a race's end, the update cap, and files cut short, bent
// or hostile, which are no ghost at all.
#include "files/HaamuTiedosto.h"
#include "shell/Kuori.h"
#include "tools/lentaja/Lentaja.h"

#include "apu/TestiApu.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

// A flight with the game's physics and some stick, recorded update by update;
// `kopiot` gets the plane after each update.
void Lenna(HAAMUT& h, int paivityksia, std::vector<OBJEKTI>* kopiot = nullptr) {
    PAPERPLANE p;
    TuoreKone(p);
    MAAILMA w;
    w.Aseta(1.0);
    BONUS b;
    b.Alusta();
    for (int i = 0; i < paivityksia; i++) {
        p.Ohjaa(OHJAUS{i % 40 < 20 ? 6.0f : -6.0f, i % 30 < 10 ? -4.0f : 2.0f, i % 97 == 5, false,
                       i % 50 < 10});
        p.PaivitaFysiikka(w, b);
        h.Nauhoita(p.body);
        if (kopiot) kopiot->push_back(p.body);
    }
}

// The file image of a small ghost of track A: three updates of a real flight.
std::vector<Uint8> PieniHaamu(Uint32 rata = 77) {
    HAAMUT h;
    h.Aloita(true);
    Lenna(h, 3);
    strcpy(h.nauha.kone, "Dart");
    h.nauha.rata = rata;
    h.nauha.tulos = 41000;
    std::vector<Uint8> tavut;
    HaamuTavuiksi(h.nauha, 'A', tavut);
    return tavut;
}

bool Lue(const std::vector<Uint8>& tavut, HAAMU& h, const char** syy = nullptr, char kirjain = 'A',
         Uint32 rata = 77) {
    KirjoitaTiedosto("haamu.dat", tavut);
    return LataaHaamu("haamu.dat", kirjain, rata, h, syy);
}

void KirjoitaFloat(std::vector<Uint8>& t, size_t kohta, float f) {
    Uint32 b;
    memcpy(&b, &f, 4);
    for (int i = 0; i < 4; i++) t[kohta + i] = (Uint8)(b >> (8 * i));
}

float LueFloat(const std::vector<Uint8>& t, size_t kohta) {
    Uint32 b = 0;
    for (int i = 3; i >= 0; i--) b = b << 8 | t[kohta + i];
    float f;
    memcpy(&f, &b, 4);
    return f;
}

// A race on track A in a folder of its own, with a flight screen's renderer
// queue and keys, and the planes "Dart" and "Hawk".
struct Kisa : ::testing::Test {
    TYOKANSIO kansio;
    std::unique_ptr<LENTO> lento{new LENTO};
    PAPERPLANE koneet[2];

    void SetUp() override {
        TeeKansiot("Tiedostot/Muu Data");
        strcpy(koneet[0].name, "Dart");
        strcpy(koneet[0].body.MalliNimi, "Nuoli");
        strcpy(koneet[1].name, "Hawk");
        strcpy(koneet[1].body.MalliNimi, "Haukka");
        koneet[1].body.Skaalaus = 0.3;
        lento->haamut.koneet = koneet;
        lento->haamut.koneita = 2;
        lento->rata.pituus = 3;
        for (int i = 0; i < 3; i++) lento->rata.kuplat[i].Sijainti.Aseta(i, 50, 10 * i);
    }

    // A race flown from its start for `paivityksia` updates, ending with every
    // bubble reached (or not) in `ms` plus `sakko`; true when it became the ghost.
    bool Kisaa(const PAPERPLANE& kone, int paivityksia, Uint32 ms, Uint32 sakko = 0,
               bool kaikki = true, int tyyppi = 1) {
        HaamuAlku(*lento, kone, tyyppi);
        for (int i = 0; i < paivityksia; i++) {
            PAPERPLANE p = kone;
            p.body.Sijainti.Aseta(i, 100 - i, 2 * i);
            lento->haamut.Askel(p.body);
        }
        lento->rata.seuraava = kaikki ? lento->rata.pituus : 1;
        lento->tiedot.flightTime = ms;
        lento->rata.sakko = sakko;
        return HaamuLoppu(*lento, tyyppi);
    }
    std::vector<Uint8> Tiedosto(char kirjain = 'A') {
        return LueTiedosto(std::string("Tiedostot/Muu Data/Haamu") + kirjain + ".dat");
    }
};

} // namespace

TEST(Haamu, ARecordedFlightReadsBackPoseForPoseAndEndsAfterItsLastUpdate) {
    TYOKANSIO kansio;
    HAAMUT h;
    h.Aloita(true);
    std::vector<OBJEKTI> lento;
    Lenna(h, 500, &lento);
    ASSERT_EQ(h.nauha.maara, 500u);
    strcpy(h.nauha.kone, "Glider");
    h.nauha.rata = 0xDEADBEEF;
    h.nauha.tulos = 123456;
    ASSERT_TRUE(TallennaHaamu("Haamu.dat", 'C', h.nauha));
    EXPECT_EQ(LueTiedosto("Haamu.dat").size(), 20u + 6 + 36 * 500);

    HAAMUT luettu;
    const char* syy = "not set";
    ASSERT_TRUE(LataaHaamu("Haamu.dat", 'C', 0xDEADBEEF, luettu.haamu, &syy));
    EXPECT_EQ(syy, nullptr);
    EXPECT_STREQ(luettu.haamu.kone, "Glider");
    EXPECT_EQ(luettu.haamu.tulos, 123456u);
    EXPECT_EQ(luettu.haamu.maara, 500u);
    OBJEKTI o;
    for (Uint32 i = 0; i < 500; i++) {
        ASSERT_TRUE(luettu.Asento(i, o));
        const OBJEKTI& oikea = lento[i];
        EXPECT_EQ(o.Sijainti.x, (double)(float)oikea.Sijainti.x);
        EXPECT_EQ(o.Sijainti.y, (double)(float)oikea.Sijainti.y);
        EXPECT_EQ(o.Sijainti.z, (double)(float)oikea.Sijainti.z);
        for (int k = 0; k < 11; k++)
            ASSERT_NEAR(o.Kiertomatriisi.m[k], oikea.Kiertomatriisi.m[k], 1e-6) << i << " " << k;
    }
    // Past its last update the ghost has finished its flight: nothing to draw.
    o.Sijainti.Aseta(1, 2, 3);
    EXPECT_FALSE(luettu.Asento(500, o));
    EXPECT_EQ(o.Sijainti.x, 1.0);
}

TEST_F(Kisa, OnlyAFasterCompletedRaceReplacesTheGhostAndEqualKeepsTheOld) {
    // No ghost yet: the first completed race becomes it.
    EXPECT_EQ(lento->haamut.haamu.maara, 0u);
    EXPECT_TRUE(Kisaa(koneet[0], 40, 20000, 8000));
    std::vector<Uint8> eka = Tiedosto();
    ASSERT_EQ(eka.size(), 20u + 4 + 36 * 40);

    // Equal (time plus penalty), slower, unfinished: the file stays as it was.
    EXPECT_FALSE(Kisaa(koneet[1], 55, 28000));
    EXPECT_EQ(lento->haamut.haamu.maara, 40u);
    EXPECT_EQ(lento->haamut.haamu.tulos, 28000u);
    EXPECT_FALSE(Kisaa(koneet[1], 55, 26000, 8000));
    EXPECT_FALSE(Kisaa(koneet[1], 55, 1000, 0, false));
    EXPECT_EQ(Tiedosto(), eka);
    // Another track has a ghost of its own; a track with no bubbles has none.
    EXPECT_TRUE(Kisaa(koneet[1], 10, 90000, 0, true, 2));
    EXPECT_EQ(Tiedosto('B').size(), 20u + 4 + 36 * 10);
    lento->rata.pituus = 0;
    EXPECT_FALSE(Kisaa(koneet[1], 10, 1000));
    lento->rata.pituus = 3;
    EXPECT_EQ(Tiedosto(), eka);

    // One millisecond faster is better.
    EXPECT_TRUE(Kisaa(koneet[1], 55, 27999));
    std::vector<Uint8> toka = Tiedosto();
    ASSERT_EQ(toka.size(), 20u + 4 + 36 * 55);
    EXPECT_EQ(memcmp(&toka[20], "Hawk", 4), 0);

    // Moving one bubble makes it another track: its old ghost is not flown.
    lento->rata.kuplat[2].Sijainti.x += 0.5;
    HaamuAlku(*lento, koneet[0], 1);
    EXPECT_EQ(lento->haamut.haamu.maara, 0u);
}

TEST_F(Kisa, TheGhostFliesInLockstepWithItsPlanesModelUntilItsFlightEnds) {
    ASSERT_TRUE(Kisaa(koneet[1], 30, 5000));
    // The player flies the Dart; the ghost keeps the Hawk it was flown with.
    HaamuAlku(*lento, koneet[0], 1);
    HAAMUT& h = lento->haamut;
    ASSERT_EQ(h.haamu.maara, 30u);
    EXPECT_STREQ(h.kuva.MalliNimi, "Haukka");
    EXPECT_STREQ(h.kuva.TekstuuriNimi, "Haamu");
    for (int i = 0; i < 35; i++) {
        const bool on = h.Askel(koneet[0].body);
        EXPECT_EQ(on, i < 30) << i; // past its last update its flight is over: gone
        if (on) {
            EXPECT_EQ(h.kuva.Sijainti.x, (double)i); // where the Hawk was at update i
            EXPECT_EQ(h.kuva.Sijainti.y, 100.0 - i);
        }
    }
    EXPECT_EQ(h.nauha.maara, 35u);

    // G hides it for the session and says so; again shows it. A penalty message
    // still on screen is not wiped: the word joins it, and a second G changes
    // only the word. Once it has sunk away, the word stands alone.
    HaamuAlku(*lento, koneet[0], 1);
    HaamuNappi(*lento, 16);
    EXPECT_FALSE(h.naytetaan);
    EXPECT_STREQ(lento->bonus.messageTexts[0], "ghost off");
    EXPECT_EQ(lento->bonus.messageCount, 1u);
    HaamuAlku(*lento, koneet[0], 1);
    EXPECT_FALSE(h.naytetaan);
    HaamuNappi(*lento, 16);
    EXPECT_TRUE(h.naytetaan);
    EXPECT_STREQ(lento->bonus.messageTexts[0], "ghost on");
    lento->bonus.AloitaViesti("eight secs penalty", nullptr, 2000);
    for (const char* sana : {", ghost off", ", ghost on"}) {
        HaamuNappi(*lento, 16);
        ASSERT_EQ(lento->bonus.messageCount, 2u);
        EXPECT_STREQ(lento->bonus.messageTexts[0], "eight secs penalty");
        EXPECT_STREQ(lento->bonus.messageTexts[1], sana);
    }
    lento->bonus.messageY = -17; // its two lines of 16 have sunk below the screen
    HaamuNappi(*lento, 16);
    EXPECT_EQ(lento->bonus.messageCount, 1u);
    EXPECT_STREQ(lento->bonus.messageTexts[0], "ghost off");

    // A plane no longer loaded: the ghost borrows the player's model.
    lento->haamut.koneita = 1;
    HaamuAlku(*lento, koneet[0], 1);
    EXPECT_STREQ(h.kuva.MalliNimi, "Nuoli");
    // Survivor records and shows nothing, and G does nothing there.
    HaamuAlku(*lento, koneet[0], 0);
    EXPECT_FALSE(h.Askel(koneet[0].body));
    EXPECT_EQ(h.nauha.maara, 0u);
    const bool ennen = h.naytetaan;
    HaamuNappi(*lento, 16);
    EXPECT_EQ(h.naytetaan, ennen);
}

TEST_F(Kisa, AFlightLongerThanTheCapIsNotStored) {
    HAAMUT& h = lento->haamut;
    h.Aloita(true);
    Lenna(h, HAAMUN_PAIVITYKSET);
    EXPECT_FALSE(h.taynna);
    h.nauha.tulos = 600000;
    ASSERT_TRUE(TallennaHaamu("pisin.dat", 'A', h.nauha));
    EXPECT_EQ(LueTiedosto("pisin.dat").size(), 20u + 36 * HAAMUN_PAIVITYKSET);
    HAAMU luettu;
    EXPECT_TRUE(LataaHaamu("pisin.dat", 'A', 0, luettu));
    EXPECT_EQ(luettu.maara, (Uint32)HAAMUN_PAIVITYKSET);

    // One update more, and the race that reaches its last bubble keeps no ghost.
    EXPECT_FALSE(Kisaa(koneet[0], HAAMUN_PAIVITYKSET + 1, 700000));
    EXPECT_TRUE(h.taynna);
    EXPECT_TRUE(Tiedosto().empty());
}

TEST(Haamu, AFileCutAtAnyLengthOrWithAByteMoreIsNoGhost) {
    TYOKANSIO kansio;
    const std::vector<Uint8> tavut = PieniHaamu();
    ASSERT_EQ(tavut.size(), 20u + 4 + 3 * 36);
    HAAMU h;
    ASSERT_TRUE(Lue(tavut, h));
    EXPECT_EQ(h.maara, 3u);
    for (size_t n = 0; n < tavut.size(); n++) {
        const char* syy = nullptr;
        EXPECT_FALSE(Lue(std::vector<Uint8>(tavut.begin(), tavut.begin() + n), h, &syy)) << n;
        EXPECT_EQ(h.maara, 0u) << n;
        EXPECT_NE(syy, nullptr) << n;
    }
    std::vector<Uint8> pitka = tavut;
    pitka.push_back(0);
    EXPECT_FALSE(Lue(pitka, h));
    EXPECT_FALSE(LataaHaamu("ei-ole.dat", 'A', 77, h));
}

TEST(Haamu, NonFiniteNumbersBentAxesAndForeignHeadersAreNoGhost) {
    TYOKANSIO kansio;
    const std::vector<Uint8> tavut = PieniHaamu();
    HAAMU h;
    const size_t asento = 20 + 4 + 36; // the second update
    for (int k = 0; k < 9; k++)
        for (float f :
             {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
              -std::numeric_limits<float>::infinity()}) {
            std::vector<Uint8> t = tavut;
            KirjoitaFloat(t, asento + 4 * k, f);
            EXPECT_FALSE(Lue(t, h)) << k << " " << f;
        }
    // The nose a little longer than a unit, or the up axis leaning on it.
    std::vector<Uint8> pitka = tavut;
    for (int k = 3; k < 6; k++)
        KirjoitaFloat(pitka, asento + 4 * k, 1.01f * LueFloat(tavut, asento + 4 * k));
    EXPECT_FALSE(Lue(pitka, h));
    std::vector<Uint8> vino = tavut;
    for (int k = 0; k < 3; k++)
        KirjoitaFloat(vino, asento + 24 + 4 * k,
                      0.99f * LueFloat(tavut, asento + 24 + 4 * k) +
                          0.14f * LueFloat(tavut, asento + 12 + 4 * k));
    EXPECT_FALSE(Lue(vino, h));

    struct {
        size_t kohta;
        Uint8 arvo;
    } viat[] = {{0, 'h'}, {4, 2}, {6, 'B'}, {7, 99}, {7, 3}, {8, 78}, {16, 0}, {18, 1}, {21, 0}};
    for (auto& v : viat) {
        std::vector<Uint8> t = tavut;
        t[v.kohta] = v.arvo;
        EXPECT_FALSE(Lue(t, h)) << v.kohta;
    }
    // The same file is track A's, not B's, and of its own track only.
    EXPECT_FALSE(Lue(tavut, h, nullptr, 'B'));
    EXPECT_FALSE(Lue(tavut, h, nullptr, 'A', 78));
    EXPECT_TRUE(Lue(tavut, h));
}
