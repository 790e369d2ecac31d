// The load list, its section procedure and the font-width file.
#include "files/TiedostoFunktiot.h"

#include "yksikko/TiedostoRakentajat.h"

#include <gtest/gtest.h>

namespace {

struct OSIO {
    std::vector<std::string> tiedostot, nimet;
};

// The section as plain strings, after the procedure has released its own.
OSIO Lue(const std::string& teksti, const char* avain, bool kaksi = true,
         const char* siemen = nullptr) {
    if (siemen) Siemen("lista", siemen, teksti);
    LISTAN_OSIO osio;
    LueListanOsio(teksti.c_str(), avain, kaksi, osio);
    OSIO tulos;
    for (int i = 0; i < osio.Maara; i++) {
        tulos.tiedostot.push_back(osio.Tiedostot[i]);
        if (kaksi) tulos.nimet.push_back(osio.Nimet[i]);
    }
    if (!kaksi) {
        EXPECT_EQ(osio.Nimet, nullptr);
    }
    osio.Vapauta(true);
    return tulos;
}

using Jonot = std::vector<std::string>;

const char* const LISTA = "Ladattavat tiedostot\n"
                          "TEKSTUURIT\n"
                          ">Fontti.tga=Fontti;\n"
                          ">Osoitin.tga=Osoitin;\n"
                          "#\n"
                          "3D_MALLIT\n"
                          ">Museo.3ds=Museo;\n"
                          "#\n"
                          "PAPERPLANE\n"
                          ">Perus.txt;\n"
                          ">Nopea.txt;\n"
                          "#\n";

} // namespace

TEST(Latauslista, SectionsAreFoundEachOnItsOwn) {
    OSIO t = Lue(LISTA, "TEKSTUURIT", true, "perus.txt");
    EXPECT_EQ(t.tiedostot, (Jonot{"Fontti.tga", "Osoitin.tga"}));
    EXPECT_EQ(t.nimet, (Jonot{"Fontti", "Osoitin"}));
    OSIO m = Lue(LISTA, "3D_MALLIT");
    EXPECT_EQ(m.tiedostot, (Jonot{"Museo.3ds"}));
    EXPECT_EQ(m.nimet, (Jonot{"Museo"}));
    OSIO p = Lue(LISTA, "PAPERPLANE", false);
    EXPECT_EQ(p.tiedostot, (Jonot{"Perus.txt", "Nopea.txt"}));
}

TEST(Latauslista, MissingSectionHasNoEntriesWhileOthersStillRead) {
    std::string ilman = "TEKSTUURIT\n>a.tga=A;\n#\nPAPERPLANE\n>p.txt;\n#\n";
    EXPECT_TRUE(Lue(ilman, "3D_MALLIT").tiedostot.empty());
    EXPECT_EQ(Lue(ilman, "TEKSTUURIT").tiedostot, (Jonot{"a.tga"}));
    EXPECT_EQ(Lue(ilman, "PAPERPLANE", false).tiedostot, (Jonot{"p.txt"}));
    EXPECT_TRUE(Lue("", "TEKSTUURIT").tiedostot.empty());
}

TEST(Latauslista, FieldsAreVerbatim) {
    OSIO t = Lue("TEKSTUURIT\n> a b.tga = Nimi\t;\n#", "TEKSTUURIT", true, "valilyonnit.txt");
    EXPECT_EQ(t.tiedostot, (Jonot{" a b.tga "}));
    EXPECT_EQ(t.nimet, (Jonot{" Nimi\t"}));
    // A field may even span lines.
    OSIO r = Lue("TEKSTUURIT\n>a\n.tga=B\n;\n#", "TEKSTUURIT");
    EXPECT_EQ(r.tiedostot, (Jonot{"a\n.tga"}));
    EXPECT_EQ(r.nimet, (Jonot{"B\n"}));
}

TEST(Latauslista, TheCharacterAfterASemicolonIsSkipped) {
    // With nothing between them, the second entry's '>' is the skipped character.
    OSIO t = Lue("TEKSTUURIT\n>a.tga=A;>b.tga=B;\n#", "TEKSTUURIT");
    ASSERT_EQ(t.tiedostot.size(), 2u);
    EXPECT_EQ(t.tiedostot[0], "a.tga");
    EXPECT_EQ(t.tiedostot[1], "");
    EXPECT_EQ(t.nimet[1], "");
    OSIO r = Lue("TEKSTUURIT\n>a.tga=A; >b.tga=B;\n#", "TEKSTUURIT");
    EXPECT_EQ(r.tiedostot, (Jonot{"a.tga", "b.tga"}));
}

TEST(Latauslista, RemarksInsideASectionAreIgnored) {
    OSIO t = Lue("TEKSTUURIT\nMaiseman kuvat:\n>a.tga=A;\n  - ja pelaajan omat\n>b.tga=B;\n#\n"
                 "3D_MALLIT\n>c.3ds=C;\n#",
                 "TEKSTUURIT", true, "huomautukset.txt");
    EXPECT_EQ(t.tiedostot, (Jonot{"a.tga", "b.tga"}));
}

TEST(Latauslista, TheFirstOccurrenceOfTheKeywordCounts) {
    // A keyword in a remark before its section is where the section starts.
    OSIO t = Lue("Katso 3D_MALLIT alempaa\n#\n3D_MALLIT\n>a.3ds=A;\n#", "3D_MALLIT");
    EXPECT_TRUE(t.tiedostot.empty());
    // Keywords are case-sensitive.
    EXPECT_TRUE(Lue("tekstuurit\n>a=A;\n#", "TEKSTUURIT").tiedostot.empty());
}

TEST(Latauslista, CountedEntriesThatAreNotWellFormedStayEmpty) {
    // The entry count is the '>' before the '#'; broken ones are empty strings
    // (">>" is one broken entry and the start of the next), and a well-formed
    // entry after a broken one is still read.
    OSIO t = Lue("TEKSTUURIT\n>ilman_yhtasuuruutta;\n>>a.tga=A;\n>b.tga=B\n>c.tga=C;\n>\n#",
                 "TEKSTUURIT", true, "rikki.txt");
    ASSERT_EQ(t.tiedostot.size(), 6u);
    EXPECT_EQ(t.tiedostot, (Jonot{"", "", "a.tga", "", "c.tga", ""}));
    EXPECT_EQ(t.nimet, (Jonot{"", "", "A", "", "C", ""}));
}

TEST(Latauslista, SectionWithoutItsClosingHashReadsToTheEnd) {
    OSIO t = Lue("PAPERPLANE\n>a.txt;\n>b.txt;", "PAPERPLANE", false, "ei_loppua.txt");
    EXPECT_EQ(t.tiedostot, (Jonot{"a.txt", "b.txt"}));
    // An entry cut by the end of the text is no entry, and nothing past the NUL is read.
    OSIO r = Lue("TEKSTUURIT\n>a.tga=A", "TEKSTUURIT");
    EXPECT_EQ(r.tiedostot, (Jonot{""}));
    OSIO s = Lue("TEKSTUURIT\n>a.tga=A;", "TEKSTUURIT");
    EXPECT_EQ(s.tiedostot, (Jonot{"a.tga"}));
    EXPECT_TRUE(Lue("TEKSTUURIT", "TEKSTUURIT").tiedostot.empty());
}

TEST(Latauslista, LongFieldsAreCutTo511Characters) {
    std::string pitka(2000, 'x');
    OSIO t = Lue("TEKSTUURIT\n>" + pitka + "=" + pitka + ";\n#", "TEKSTUURIT");
    ASSERT_EQ(t.tiedostot.size(), 1u);
    EXPECT_EQ(t.tiedostot[0], std::string(511, 'x'));
    EXPECT_EQ(t.nimet[0], std::string(511, 'x'));
}

TEST(Latauslista, WholeFileIsReadUpToByteFF) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("lista.txt", std::string("ab\r\ncd\xFF"
                                              "ef",
                                              8));
    char* teksti = nullptr;
    ASSERT_TRUE(LataaLista("lista.txt", teksti));
    EXPECT_STREQ(teksti, "ab\ncd"); // CR LF reads as LF
    delete[] teksti;

    KirjoitaTiedosto("tyhja.txt", "");
    ASSERT_TRUE(LataaLista("tyhja.txt", teksti));
    EXPECT_STREQ(teksti, "");
    delete[] teksti;

    KirjoitaTiedosto("iso.txt", std::string(100000, 'a'));
    ASSERT_TRUE(LataaLista("iso.txt", teksti));
    EXPECT_EQ(strlen(teksti), 99998u);
    delete[] teksti;

    char* koskematon = (char*)"ennallaan";
    EXPECT_FALSE(LataaLista("puuttuu.txt", koskematon));
    EXPECT_STREQ(koskematon, "ennallaan");
}

TEST(Latauslista, SectionFromTheGamesLoadList) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", std::string(LISTA));
    LISTAN_OSIO osio;
    LataaListanOsio("PAPERPLANE", false, osio);
    ASSERT_EQ(osio.Maara, 2);
    EXPECT_STREQ(osio.Tiedostot[1], "Nopea.txt");
    osio.Vapauta(true);

    // Without the list there are no entries.
    remove("Tiedostot/LatausLista.txt");
    LataaListanOsio("TEKSTUURIT", true, osio);
    EXPECT_EQ(osio.Maara, 0);
    EXPECT_EQ(osio.Tiedostot, nullptr);
}

// ---- Font widths ----

TEST(FontinLeveydet, TwoHundredFiftySevenLines) {
    TYOKANSIO kansio;
    std::string t = "256\r\n";
    for (int i = 0; i < 256; i++) t += std::to_string(i % 17) + "\n";
    KirjoitaTiedosto("leveydet.txt", t);
    int l[257];
    ASSERT_TRUE(LataaFontinLeveydet("leveydet.txt", l));
    EXPECT_EQ(l[0], 256);
    for (int i = 0; i < 256; i++) EXPECT_EQ(l[i + 1], i % 17);
}

TEST(FontinLeveydet, MissingLinesGiveZero) {
    TYOKANSIO kansio;
    std::string t;
    for (int i = 0; i < 200; i++) t += "12\n";
    KirjoitaTiedosto("leveydet.txt", t);
    int l[257];
    ASSERT_TRUE(LataaFontinLeveydet("leveydet.txt", l));
    for (int i = 0; i < 200; i++) EXPECT_EQ(l[i], 12);
    for (int i = 200; i < 257; i++) EXPECT_EQ(l[i], 0) << i; // the last 57 glyph codes
}

TEST(FontinLeveydet, LinesAreParsedAsAtoiParsesThem) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("leveydet.txt", "  -12abc\n+7\nx9\n\n99999999999999\n");
    int l[257];
    ASSERT_TRUE(LataaFontinLeveydet("leveydet.txt", l));
    EXPECT_EQ(l[0], -12);
    EXPECT_EQ(l[1], 7);
    EXPECT_EQ(l[2], 0);
    EXPECT_EQ(l[3], 0);
    EXPECT_EQ(l[4], 2147483647); // kept within int
}

TEST(FontinLeveydet, ALineLongerThanFifteenCharactersEndsTheFile) {
    TYOKANSIO kansio;
    KirjoitaTiedosto("leveydet.txt", "1\n123456789012345\n1234567890123456\n5\n6\n");
    int l[257];
    ASSERT_TRUE(LataaFontinLeveydet("leveydet.txt", l));
    EXPECT_EQ(l[0], 1);
    EXPECT_EQ(l[1], 2147483647); // fifteen digits fit the line, not an int
    EXPECT_EQ(l[2], 2147483647); // the first fifteen of sixteen
    for (int i = 3; i < 257; i++) EXPECT_EQ(l[i], 0) << i;
}

TEST(FontinLeveydet, MissingFileLeavesTheArray) {
    TYOKANSIO kansio;
    int l[257];
    for (int& x : l) x = 42;
    EXPECT_FALSE(LataaFontinLeveydet("Tiedostot\\Fontit\\MerkkienLeveydet.txt", l));
    for (int x : l) EXPECT_EQ(x, 42);
}
