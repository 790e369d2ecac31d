#include "apu/TestiApu.h"
#include "flight/PPFunktiot.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const char* const TAYSI = "Paperikone, kokeilumalli\n"
                          "#PP;>Haukka;\n"
                          "#3D_MALLI;>PP1;\n"
                          "#TEKSTUURI;>Paperi1;\n"
                          "#MASSA;>1.5;\n"
                          "#MASSAJAKAUMA;>2.5;\n"
                          "#SIIPIALA;>0.75;\n"
                          "#AERODYNAAMISUUS;>3;\n"
                          "#END_OF_FILE;\n";

PAPERPLANE Lue(const std::string& sisalto) {
    KirjoitaTiedosto("Tiedostot/PP/Kone.txt", sisalto);
    PAPERPLANE p;
    p.Alusta("Tiedostot\\PP\\Kone.txt");
    return p;
}

void OdotaLahtotila(const PAPERPLANE& p) {
    EXPECT_EQ(p.elevonA, 0.0);
    EXPECT_EQ(p.elevonB, 0.0);
    EXPECT_EQ(p.body.Sijainti.x, 0.0);
    EXPECT_EQ(p.body.Sijainti.y, 0.0);
    EXPECT_EQ(p.body.Sijainti.z, 0.0);
    MATRIISI4X4 yksikko;
    for (int i = 0; i < 16; i++) EXPECT_EQ(p.body.Kiertomatriisi.m[i], yksikko.m[i]) << i;
    EXPECT_EQ(p.body.Skaalaus, 0.3);
}

void OdotaNollat(const PAPERPLANE& p) {
    EXPECT_STREQ(p.name, "");
    EXPECT_STREQ(p.body.MalliNimi, "");
    EXPECT_STREQ(p.body.TekstuuriNimi, "");
    EXPECT_EQ(p.mass, 0.0);
    EXPECT_EQ(p.massDistribution, 0.0);
    EXPECT_EQ(p.wingArea, 0.0);
    EXPECT_EQ(p.aerodynamics, 0.0);
}

} // namespace

TEST(PPTiedosto, EveryKeyFillsItsField) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue(TAYSI);
    EXPECT_STREQ(p.name, "Haukka");
    EXPECT_STREQ(p.body.MalliNimi, "PP1");
    EXPECT_STREQ(p.body.TekstuuriNimi, "Paperi1");
    EXPECT_EQ(p.mass, 1.5);
    EXPECT_EQ(p.massDistribution, 2.5);
    EXPECT_EQ(p.wingArea, 0.75);
    EXPECT_EQ(p.aerodynamics, 3.0);
    OdotaLahtotila(p);
}

TEST(PPTiedosto, ReloadingAFlownPlaneReturnsItToTheStart) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue(TAYSI);
    p.elevonA = 40;
    p.body.Sijainti.Aseta(1, 2, 3);
    p.body.Kiertomatriisi.PyoritaY(33);
    p.body.Skaalaus = 1;
    p.Alusta("Tiedostot\\PP\\Kone.txt");
    OdotaLahtotila(p);
    EXPECT_STREQ(p.name, "Haukka");
}

TEST(PPTiedosto, SpacesAroundKeysAndValues) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("#MASSA;  >  1.5  ;\n"
                       "#SIIPIALA;>2 ;\n"
                       "#PP;> Haukka ;\n"
                       "#AERODYNAAMISUUS ;>9;\n" // a space before ';' makes another key
                       "#MASSAJAKAUMA;>\t-4e1x;\n"
                       "#END_OF_FILE;\n");
    EXPECT_EQ(p.mass, 1.5);
    EXPECT_EQ(p.wingArea, 2.0);
    EXPECT_STREQ(p.name, " Haukka ");
    EXPECT_EQ(p.aerodynamics, 0.0);
    EXPECT_EQ(p.massDistribution, -40.0); // as atof reads it: the rest is ignored
}

TEST(PPTiedosto, NumbersAsTheCLibraryReadsThem) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("#MASSA;>painava;\n"
                       "#SIIPIALA;>;\n"
                       "#AERODYNAAMISUUS;>+.5e-1\n"
                       "#END_OF_FILE;\n");
    EXPECT_EQ(p.mass, 0.0);
    EXPECT_EQ(p.wingArea, 0.0);
    EXPECT_EQ(p.aerodynamics, 0.05); // a value with no ';' runs to the end of its line
}

TEST(PPTiedosto, RemarksAndRepeatedKeys) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("Remarks may stand before every entry.\n"
                       "#PP;>Eka;\n"
                       "Mass in grams\n"
                       "#MASSA;>2;\n"
                       "#TUNTEMATON;>mita vain;\n"
                       "#PP;>Toka;\n"
                       "#END_OF_FILE;\n"
                       "#MASSA;>7;\n"); // nothing after the end is read
    EXPECT_STREQ(p.name, "Toka");
    EXPECT_EQ(p.mass, 2.0);
}

TEST(PPTiedosto, HashInARemarkStartsAnEntry) {
    TYOKANSIO kansio;
    // The remark's '#' begins a key that runs to the next ';', which swallows
    // the "#PP;" that follows; its value line is then skipped as a remark.
    PAPERPLANE p = Lue("Kone #1\n"
                       "#PP;>Haukka;\n"
                       "#MASSA;>2;\n"
                       "#END_OF_FILE;\n");
    EXPECT_STREQ(p.name, "");
    EXPECT_EQ(p.mass, 2.0);
}

TEST(PPTiedosto, WindowsLineEndsReadTheSame) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("#PP;>Haukka\r\n#MASSA;>1.5\r\n#END_OF_FILE;\r\n");
    EXPECT_STREQ(p.name, "Haukka");
    EXPECT_EQ(p.mass, 1.5);
}

// Only the decimal form is a number: what some C libraries also take ("nan",
// "inf", hexadecimal) reads as no number. A turn control of not-a-number once
// made the plane's whole state not-a-number in its first flight, and so it
// stayed for the rest of the run.
TEST(PPTiedosto, NotANumberOrInfinityWordsGiveZeroAndThePlaneFlies) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("#MASSAJAKAUMA;>nan;\n"
                       "#MASSA;>  -inf;\n"
                       "#SIIPIALA;>0x10;\n"
                       "#AERODYNAAMISUUS;>infinity;\n"
                       "#END_OF_FILE;\n");
    EXPECT_EQ(p.massDistribution, 0.0);
    EXPECT_EQ(p.mass, 0.0);
    EXPECT_EQ(p.wingArea, 0.0); // the "0" before the x
    EXPECT_EQ(p.aerodynamics, 0.0);

    // Past the range of a double: infinity, as the C library gives, which the
    // turn control's limit takes in.
    PAPERPLANE q = Lue("#MASSAJAKAUMA;>-1e999;\n#MASSA;>2e;\n#END_OF_FILE;\n");
    EXPECT_EQ(q.massDistribution, -HUGE_VAL);
    EXPECT_EQ(q.mass, 2.0); // an exponent without digits is not read

    for (const char* arvo : {"nan", "-nan", "1e999", "-1e999", "NAN(123)"}) {
        PAPERPLANE r = Lue(std::string("#MASSAJAKAUMA;>") + arvo + ";\n#END_OF_FILE;\n");
        MAAILMA w;
        w.Aseta(1);
        BONUS b;
        b.Alusta();
        r.push = 0.5;
        r.body.Sijainti.Aseta(-100, 100, 0);
        for (int i = 0; i < 200; i++) r.PaivitaFysiikka(w, b);
        EXPECT_TRUE(std::isfinite(r.body.Sijainti.y)) << arvo;
        EXPECT_TRUE(std::isfinite(r.body.Kiertomatriisi.EteenV().x)) << arvo;
    }
}

// A missing or broken file still leaves a plane that can be chosen and flown.
TEST(PPTiedosto, MissingFileGivesEmptyNamesZeroNumbersAndTheStartState) {
    TYOKANSIO kansio;
    PAPERPLANE p;
    p.mass = 5;
    p.elevonA = 7;
    p.body.Sijainti.Aseta(1, 2, 3);
    p.Alusta("Tiedostot\\PP\\Ei ole.txt");
    OdotaNollat(p);
    OdotaLahtotila(p);
}

TEST(PPTiedosto, FileWithoutEndStopsAtTheEndOfFile) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("#PP;>Haukka;\n#MASSA;>1.5"); // no line break, no END_OF_FILE
    EXPECT_STREQ(p.name, "Haukka");
    EXPECT_EQ(p.mass, 1.5);
    OdotaLahtotila(p);
    PAPERPLANE q = Lue("#PP;>Haukka;\n#MASSA");
    EXPECT_STREQ(q.name, "Haukka");
    EXPECT_EQ(q.mass, 0.0);
    OdotaLahtotila(q);
    OdotaNollat(Lue(""));
}

// Values are read up to their 98 characters, and no long line costs the entries
// after it: the rest of a line is a remark, an overlong key names no entry.
TEST(PPTiedosto, LongLinesNeverCostTheNextKey) {
    TYOKANSIO kansio;
    const std::string loput = "\n#MASSA;>1.5;\n#END_OF_FILE;\n";
    std::string mahtuu(98, 'n');
    PAPERPLANE a = Lue("#PP;>" + mahtuu + ";" + loput);
    EXPECT_EQ(std::string(a.name), mahtuu);
    EXPECT_EQ(a.mass, 1.5);

    PAPERPLANE b = Lue("#PP;>Haukka; " + std::string(200, 'r') + loput);
    EXPECT_STREQ(b.name, "Haukka");
    EXPECT_EQ(b.mass, 1.5);

    // Longer than the field: cut at 98 characters (spaces count).
    PAPERPLANE c = Lue("#PP;> " + std::string(300, 'x') + ";" + loput);
    EXPECT_EQ(std::string(c.name), " " + std::string(97, 'x'));
    EXPECT_EQ(c.mass, 1.5);

    PAPERPLANE d = Lue("#" + std::string(300, 'k') + ";>1;" + loput);
    EXPECT_EQ(d.mass, 1.5);
    // A 98-character key is still a key; the 99th character starts the search
    // for the next '#', so a remark's '#' there is an entry.
    PAPERPLANE e = Lue("#" + std::string(98, 'k') + ";>1;" + loput);
    EXPECT_EQ(e.mass, 1.5);
    PAPERPLANE f = Lue("#" + std::string(98, 'k') + "#MASSA;>2.5;\n#END_OF_FILE;\n");
    EXPECT_EQ(f.mass, 2.5);

    // No '>' within 99 characters of its key: that key keeps its field.
    PAPERPLANE g = Lue("#PP;" + std::string(150, ' ') + ">Haukka;" + loput);
    EXPECT_STREQ(g.name, "");
    EXPECT_EQ(g.mass, 1.5);
    OdotaLahtotila(g);
}

TEST(PPTiedosto, TurnControlFromTheFileDecaysInFlight) {
    TYOKANSIO kansio;
    PAPERPLANE p = Lue("#MASSAJAKAUMA;>10;\n#END_OF_FILE;\n");
    MAAILMA w;
    w.Aseta(1);
    BONUS b;
    b.Alusta();
    p.push = 0.5;
    p.body.Sijainti.Aseta(-100, 100, 0);
    for (int i = 1; i <= 40; i++) {
        p.PaivitaFysiikka(w, b);
        ASSERT_NEAR(p.massDistribution, 10 * std::pow(0.975, i), 1e-9) << i;
    }
    EXPECT_LT(p.body.Kiertomatriisi.EteenV().x, -0.01); // it started its flight turning
}

TEST(PPLataus, PlanesOfTheLoadListInListOrder) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", "TEKSTUURIT\n>Paperi.tga=Paperi;\n#\n"
                                                  "PAPERPLANE\n"
                                                  ">Kolmas.txt;\n"
                                                  ">Eka.txt;\n"
                                                  "Planes without a file still count:\n"
                                                  ">Puuttuu.txt;\n"
                                                  "#\n");
    KirjoitaTiedosto("Tiedostot/PP/Kolmas.txt", "#PP;>Kolmas;\n#MASSA;>3;\n#END_OF_FILE;\n");
    KirjoitaTiedosto("Tiedostot/PP/Eka.txt", "#PP;>Eka;\n#MASSAJAKAUMA;>10;\n#END_OF_FILE;\n");
    PAPERPLANE* koneet = nullptr;
    int maara = -1;
    LataaPPt(koneet, maara);
    ASSERT_EQ(maara, 3);
    EXPECT_STREQ(koneet[0].name, "Kolmas");
    EXPECT_EQ(koneet[0].mass, 3.0);
    EXPECT_STREQ(koneet[1].name, "Eka");
    EXPECT_EQ(koneet[1].massDistribution, 10.0);
    OdotaNollat(koneet[2]);
    for (int i = 0; i < maara; i++) OdotaLahtotila(koneet[i]);
    delete[] koneet;
}

TEST(PPLataus, SpaceBeforeTheFileNameNamesAnotherFile) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", "PAPERPLANE\n> Eka.txt;\n>Eka.txt;\n#\n");
    KirjoitaTiedosto("Tiedostot/PP/Eka.txt", "#PP;>Eka;\n#END_OF_FILE;\n");
    PAPERPLANE* koneet = nullptr;
    int maara = 0;
    LataaPPt(koneet, maara);
    ASSERT_EQ(maara, 2);
    EXPECT_STREQ(koneet[0].name, "");
    EXPECT_STREQ(koneet[1].name, "Eka");
    delete[] koneet;
}

TEST(PPLataus, NoSectionOrNoListGivesNoPlanes) {
    TYOKANSIO kansio;
    PAPERPLANE* koneet = nullptr;
    int maara = -1;
    LataaPPt(koneet, maara); // no load list at all
    EXPECT_EQ(maara, 0);
    delete[] koneet;
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", "TEKSTUURIT\n>Paperi.tga=Paperi;\n#\n");
    maara = -1;
    LataaPPt(koneet, maara);
    EXPECT_EQ(maara, 0);
    delete[] koneet;
}

TEST(PPLataus, APathTooLongIsNotOpenedAsTheFileItsCutNameWouldBe) {
    TYOKANSIO kansio;
    // "Tiedostot\PP\" and the name make 519 characters; cut to 511 they would
    // name another file, which is there.
    const std::string kansiot = std::string(200, 'a') + "/" + std::string(200, 'b') + "/";
    const std::string nimi = kansiot + std::string(100, 'c') + ".txt";
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", "PAPERPLANE\n>" + nimi + ";\n#\n");
    TeeKansiot("Tiedostot/PP/" + kansiot);
    KirjoitaTiedosto("Tiedostot/PP/" + kansiot + std::string(96, 'c'), "#PP;>Toinen;\n");
    PAPERPLANE* koneet = nullptr;
    int maara = 0;
    LataaPPt(koneet, maara);
    ASSERT_EQ(maara, 1);
    OdotaNollat(koneet[0]);
    delete[] koneet;
}
