// tavio-check on the generated data set (nothing to say) and on copies broken in
// each of the ways a player breaks them, with the exact finding for each.
#include "yksikko/TiedostoRakentajat.h"
#include "yksikko/Tyokalut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Puts `rivit` at the end of the load list's section `avain` (before its
// closing '#'); returns the line number of the first of them.
int LisaaOsioon(std::string& lista, const std::string& avain, const std::string& rivit) {
    size_t sulku = lista.find('#', lista.find(avain));
    lista.insert(sulku, rivit);
    return (int)std::count(lista.begin(), lista.begin() + (long)sulku, '\n') + 1;
}

Tavut Rata(Sint32 maara, const std::vector<double>& luvut) {
    Tavut t;
    Lisaa32(t, (Uint32)maara);
    for (double d : luvut) {
        Uint64 bitit;
        memcpy(&bitit, &d, sizeof bitit);
        Lisaa32(t, (Uint32)bitit);
        Lisaa32(t, (Uint32)(bitit >> 32));
    }
    return t;
}

std::vector<std::string> Jarjestetty(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

const std::string V = " \xE2\x80\x94 "; // the dash between what is wrong and what the game does

} // namespace

TEST(Tarkistin, TheGeneratedDataSetIsCleanAndUsageErrorsExitTwo) {
    TYOKANSIO kansio;
    AJO ajo = Aja(Tarkistin() + " " + Lainattu(KoontiKansio()));
    EXPECT_EQ(ajo.tila, 0);
    EXPECT_EQ(ajo.rivit, std::vector<std::string>{});
    ajo = Aja(Tarkistin() + " --json " + Lainattu(KoontiKansio()));
    EXPECT_EQ(ajo.tila, 0);
    EXPECT_EQ(ajo.rivit, std::vector<std::string>{"[]"});

    EXPECT_EQ(Aja(Tarkistin() + " --kaikki").tila, 2);
    EXPECT_EQ(Aja(Tarkistin() + " yksi kaksi").tila, 2);
    EXPECT_EQ(Aja(Tarkistin() + " /ei/ole/tallaista 2>/dev/null").tila, 2);
    EXPECT_EQ(Aja(Tarkistin() + " . 2>/dev/null").tila, 2) << "a folder without Tiedostot";
    ajo = Aja(Tarkistin() + " --help");
    EXPECT_EQ(ajo.tila, 0);
    ASSERT_FALSE(ajo.rivit.empty());
    EXPECT_EQ(ajo.rivit[0], "Usage: tavio-check [--json] [DATA_FOLDER]");
}

TEST(Tarkistin, ABrokenCopyGetsTheExactFindings) {
    TYOKANSIO kansio;
    KopioiData();
    std::vector<std::string> odotetut;

    // The load list: a missing texture, a line that is not an entry, and new
    // textures, models and a plane of the player's own.
    std::string lista = LueTeksti("Tiedostot/LatausLista.txt");
    int t = LisaaOsioon(lista, "TEKSTUURIT",
                        ">Puuttuva.tga=Puuttuva;\n>Rikki.tga Rikki;\n>Oma.tga=Oma;\n"
                        ">Harmaa.tga=Harmaa;\n");
    int m = LisaaOsioon(lista, "3D_MALLIT", ">Oma.3ds=Oma;\n>Kolmio.3ds=Kolmio;\n");
    LisaaOsioon(lista, "PAPERPLANE", ">Oma.txt;\n");
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", lista);
    const std::string L = "Tiedostot/LatausLista.txt:";
    odotetut.push_back(L + std::to_string(t) + ": Tekstuurit/Puuttuva.tga is missing" + V +
                       "the texture \"Puuttuva\" is the magenta and black checkerboard");
    odotetut.push_back(L + std::to_string(t + 1) +
                       ": not an entry (>file=name; or >file;): \">Rikki.tga Rikki;\"" + V +
                       "the game keeps an empty entry here, a file that is not found");

    // Textures the reader refuses: 16 bits a pixel, and grey.
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Oma.tga", TeeTGA(2, 2, 2, 16, Tavut(8, 0x55)));
    KirjoitaTiedosto("Tiedostot/Tekstuurit/Harmaa.tga", TeeTGA(3, 2, 2, 24, Tavut(12, 0x55)));
    odotetut.push_back("Tiedostot/Tekstuurit/Oma.tga: at byte 16: 16 bits a pixel: only 24 and 32 "
                       "are read" +
                       V + "the texture \"Oma\" is the magenta and black checkerboard");
    odotetut.push_back("Tiedostot/Tekstuurit/Harmaa.tga: at byte 2: image type 3 (grey): only "
                       "types 2 (uncompressed) and 10 (run-length encoded) are read" +
                       V + "the texture \"Harmaa\" is the magenta and black checkerboard");

    // A model cut short in its mapping list, and one with a face past its vertices.
    Tavut kolmio = Verteksilista({0, 0, 0, 1, 0, 0, 0, 1, 0});
    Tavut oma = Malli(Objektilohko(
        "Oma", Verkko(Liita({kolmio, Pintalista({0, 1, 2}), Karttalista({0, 0, 1, 0, 0, 1})}))));
    const size_t kartta = oma.size() - 32; // the mapping chunk: 6 + 2 + 3 x 8 bytes
    oma.resize(oma.size() - 10);
    KirjoitaTiedosto("Tiedostot/3D Mallit/Oma.3ds", oma);
    KirjoitaTiedosto("Tiedostot/3D Mallit/Kolmio.3ds",
                     Malli(Objektilohko("K", Verkko(Liita({kolmio, Pintalista({0, 1, 2, 0, 1, 7}),
                                                           Karttalista({0, 0, 1, 0, 0, 1})})))));
    const std::string O = "Tiedostot/3D Mallit/Oma.3ds: ";
    odotetut.push_back(O + "at byte 0: the file is cut short: chunk 0x4D4D says it is " +
                       std::to_string(oma.size() + 10) + " bytes long, the file holds " +
                       std::to_string(oma.size()) + " from it" + V +
                       "the game reads what is there");
    odotetut.push_back(O + "at byte " + std::to_string(kartta) +
                       ": chunk 0x4140 counts 3 entries, the file holds 1" + V +
                       "the game reads the 1 there are");
    odotetut.push_back(O + "2 corners have no texture coordinate (no mapping, or too short a one)" +
                       V + "the game gives them coordinate (0, 0): one colour of the texture");
    odotetut.push_back("Tiedostot/3D Mallit/Kolmio.3ds: 1 of 2 faces name a vertex past the "
                       "vertex list" +
                       V + "the game leaves those faces out");
    (void)m;

    // The font widths: 200 lines, one glyph wider than its cell, one line of text.
    std::vector<Uint8> fontti = LueTiedosto("Tiedostot/Tekstuurit/Fontti.tga");
    ASSERT_GE(fontti.size(), 18u);
    int sivu = fontti[12] | fontti[13] << 8;
    std::string leveydet = std::to_string(sivu) + "\n";
    for (int k = 0; k < 199; k++)
        leveydet += k == 65 ? std::to_string(sivu / 16 + 5) + "\n" : k == 66 ? "abc\n" : "10\n";
    KirjoitaTiedosto("Tiedostot/Fontit/MerkkienLeveydet.txt", leveydet);
    const std::string F = "Tiedostot/Fontit/MerkkienLeveydet.txt";
    odotetut.push_back(F + ":68: not a number: \"abc\"" + V + "the game reads 0");
    odotetut.push_back(F + ": the file ends after 200 lines of 257" + V +
                       "the missing widths are 0: those glyphs are not drawn");
    odotetut.push_back(F + ":67: glyph 65 is " + std::to_string(sivu / 16 + 5) +
                       " pixels wide, its cell " + std::to_string(sivu / 16) + V +
                       "the game draws a part of the next glyph with it");

    // Object files: a value over its length, a key missing, no END_OF_FILE.
    KirjoitaTiedosto("Tiedostot/Objektit/Museo.txt", "#3D_MALLI;\n>Oma;\n#TEKSTUURI;\n>" +
                                                         std::string(120, 'x') +
                                                         ";\n#END_OF_FILE;\n");
    KirjoitaTiedosto("Tiedostot/Objektit/Piha.txt", "Piha\n#3D_MALLI;\n>Kolmio;\n");
    odotetut.push_back("Tiedostot/Objektit/Museo.txt:4: the value of \"TEKSTUURI\" is over 98 "
                       "characters" +
                       V + "the game cuts it at 98");
    odotetut.push_back("Tiedostot/Objektit/Museo.txt:4: texture \"" + std::string(98, 'x') +
                       "\" is not in the load list's TEKSTUURIT" + V +
                       "the museum is drawn untextured");
    odotetut.push_back("Tiedostot/Objektit/Piha.txt: no END_OF_FILE" + V +
                       "the game reads to the end of the file");
    odotetut.push_back("Tiedostot/Objektit/Piha.txt: no key TEKSTUURI" + V +
                       "the yard is drawn untextured");

    // The player's plane: a misspelt key, a misspelt model name, a number that
    // is not one, a turn control past its range.
    KirjoitaTiedosto("Tiedostot/PP/Oma.txt", "Oma kone\n"
                                             "#PP;\n>Oma;\n"
                                             "#3D_MALLI;\n>Omaa;\n"
                                             "#TEKSTUURI;\n>Oma;\n"
                                             "#MASA;\n>1.0;\n"
                                             "#MASSAJAKAUMA;\n>200;\n"
                                             "#SIIPIALA;\n>0;\n"
                                             "#AERODYNAAMISUUS;\n>abc;\n"
                                             "#END_OF_FILE;\n");
    const std::string P = "Tiedostot/PP/Oma.txt";
    odotetut.push_back(P + ":8: unknown key \"MASA\" (did you mean \"MASSA\"?)" + V +
                       "the game skips it");
    odotetut.push_back(P + ":15: not a number: \"abc\"" + V + "the game reads 0");
    odotetut.push_back(P + ": no key MASSA" + V + "the game reads 0");
    odotetut.push_back(P +
                       ":5: model \"Omaa\" is not in the load list's 3D_MALLIT (did you mean "
                       "\"Oma\"?)" +
                       V + "the plane is not drawn");
    odotetut.push_back(P + ":11: MASSAJAKAUMA 200 is outside -90..90 (the turn control, degrees)" +
                       V +
                       "the flight step holds it at 90: the first flight starts in the "
                       "tightest turn");

    // A sound missing, tracks whose count disagrees with their length or that
    // hold a number that is not finite.
    ASSERT_EQ(remove("Tiedostot/Kuuluva/aani5.ogg"), 0);
    odotetut.push_back("Tiedostot/Kuuluva/aani5.ogg: missing" + V +
                       "a result in the Top-20 and key 5 in the menus are silent");
    KirjoitaTiedosto("Tiedostot/Muu Data/BubbleRaceB.dat",
                     Rata(5, {-100, 98, 40, 0, -100, 96, 80, 1000, -100, -50, 120, 0}));
    KirjoitaTiedosto("Tiedostot/Muu Data/BubbleRaceC.dat",
                     Rata(3, {-100, 98, 40, 0, -100, NAN, 80, 0, -100, 94, 120, 0}));
    odotetut.push_back("Tiedostot/Muu Data/BubbleRaceB.dat: at byte 100: the count says 5 "
                       "bubbles, the file holds 3" +
                       V + "the race has 3");
    odotetut.push_back("Tiedostot/Muu Data/BubbleRaceB.dat: at byte 60: bubble 2's boost 1000 is "
                       "beyond the plane's top speed (times 1.2)" +
                       V + "the flight step holds the speed at 100 units a step");
    odotetut.push_back("Tiedostot/Muu Data/BubbleRaceB.dat: at byte 76: bubble 3 lies 50 units "
                       "under the ground" +
                       V + "no flight reaches it: a flight ends at the ground");
    odotetut.push_back("Tiedostot/Muu Data/BubbleRaceC.dat: at byte 36: bubble 2 holds a number "
                       "that is not finite" +
                       V + "the race ends before it, after 1 bubble");

    AJO ajo = Aja(Tarkistin() + " .");
    EXPECT_EQ(ajo.tila, 1);
    EXPECT_EQ(Jarjestetty(ajo.rivit), Jarjestetty(odotetut));

    // The same findings as JSON, one object each.
    ajo = Aja(Tarkistin() + " --json");
    EXPECT_EQ(ajo.tila, 1);
    ASSERT_EQ(ajo.rivit.size(), odotetut.size() + 2);
    EXPECT_EQ(ajo.rivit.front(), "[");
    EXPECT_EQ(ajo.rivit.back(), "]");
    EXPECT_NE(std::find(ajo.rivit.begin(), ajo.rivit.end(),
                        " {\"file\": \"Tiedostot/PP/Oma.txt\", \"line\": 15, \"offset\": null, "
                        "\"severity\": \"problem\", \"problem\": \"not a number: \\\"abc\\\"\", "
                        "\"game\": \"the game reads 0\"},"),
              ajo.rivit.end());
}

TEST(Tarkistin, ANoteAloneLeavesTheExitStatusZero) {
    TYOKANSIO kansio;
    KopioiData();
    std::string lista = LueTeksti("Tiedostot/LatausLista.txt");
    LisaaOsioon(lista, "3D_MALLIT", ">Nolla.3ds=Nolla;\n");
    KirjoitaTiedosto("Tiedostot/LatausLista.txt", lista);
    // An exporter that leaves the main chunk's length 0: the game reads on into it.
    Tavut malli = Malli(
        Objektilohko("N", Verkko(Liita({Verteksilista({0, 0, 0, 1, 0, 0, 0, 1, 0}),
                                        Pintalista({0, 1, 2}), Karttalista({0, 0, 1, 0, 0, 1})}))));
    for (int i = 2; i < 6; i++) malli[i] = 0;
    KirjoitaTiedosto("Tiedostot/3D Mallit/Nolla.3ds", malli);
    AJO ajo = Aja(Tarkistin());
    EXPECT_EQ(ajo.tila, 0);
    EXPECT_EQ(ajo.rivit, std::vector<std::string>{
                             "Tiedostot/3D Mallit/Nolla.3ds: at byte 0: note: chunk 0x4D4D says it "
                             "is 0 bytes long, less than its own header" +
                             V + "the game reads on into its contents all the same"});
}
