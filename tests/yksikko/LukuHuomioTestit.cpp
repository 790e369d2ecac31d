// What the readers tell the content checker, and on which line: the cases the
// checker's own tests do not break. (The fuzz targets check on every input that
// a reader given a findings record reads exactly what it reads without one.)
#include "files/LukuHuomiot.h"
#include "files/TiedostoFunktiot.h"
#include "flight/PPFunktiot.h"
#include "graphics/Malli3DFunktiot.h"
#include "graphics/TekstuuriFunktiot.h"
#include "yksikko/TiedostoRakentajat.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Loydot = std::vector<std::pair<LUKUHUOMIO_LAJI, int>>; // kind and line (or byte)

Loydot Lajit(const LUKUHUOMIOT& h, bool kohdat = false) {
    Loydot l;
    for (const LUKUHUOMIO& x : h.Huomiot) l.push_back({x.Laji, kohdat ? (int)x.Kohta : x.Rivi});
    return l;
}

} // namespace

TEST(LukuHuomiot, KeywordFilesTellEachFallbackAtItsLine) {
    TYOKANSIO kansio;
    const struct {
        std::string teksti;
        Loydot odotettu;
    } tapaukset[] = {
        {"#PP;\n>A;\n#MASSA;\n>1;\n#END_OF_FILE;\n", {}},
        {"\n#PP;\n>" + std::string(120, 'a') + ";\n#END_OF_FILE;\n", {{ARVO_KATKAISTU, 3}}},
        {"#" + std::string(120, 'K') + ";\n#PP;\n>A;\n#END_OF_FILE;\n", {{AVAIN_PITKA, 1}}},
        {"#PP;" + std::string(120, ' ') + ">A;\n#END_OF_FILE;\n", {{ARVO_EI_NUOLTA, 1}}},
        // After 1000 characters the game takes what follows up to a ';' as a key.
        {std::string(1200, 'x') + "\n#PP;\n>A;\n#END_OF_FILE;\n",
         {{AVAIN_KAUKANA, 1}, {AVAIN_PITKA, 1}}},
        {"#PP;\r\n>A;\r\n#Massa;\r\n>2;\r\n", {{AVAIN_TUNTEMATON, 3}, {EI_LOPPUA, 0}}},
        {"#PP;\n>A;\n#END_OF_FILE;\nLate:\n#MASSA;\n>2;\n", {{AVAIN_LOPUN_JALKEEN, 5}}},
        {"#MASSA;\n> 1.5 ;\n#SIIPIALA;\n>2x;\n#AERODYNAAMISUUS;\n>1e999;\n#END_OF_FILE;\n",
         {{ARVO_LOPUSSA_TEKSTIA, 4}, {ARVO_AARETON, 6}}},
    };
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.teksti.substr(0, 60));
        KirjoitaTiedosto("Kone.txt", t.teksti);
        PAPERPLANE p;
        LUKUHUOMIOT h;
        p.Alusta("Kone.txt", &h);
        EXPECT_EQ(Lajit(h), t.odotettu);
    }
}

TEST(LukuHuomiot, TheLoadListTellsEachBrokenSectionAtItsLine) {
    const struct {
        std::string teksti;
        Loydot odotettu;
        std::vector<int> rivit; // line of each entry
    } tapaukset[] = {
        {"X\nTEKSTUURIT\n>a.tga=a;\n>b.tga=b;\n#\n", {}, {3, 4}},
        {"TEKSTUURIT\n>a.tga=a;>b.tga=b;\n#\n", {{OSIO_KIINNI, 2}, {OSIO_KADONNUT, 3}}, {2, 0}},
        {"TEKSTUURIT\n>a.tga a;\n>b.tga=b;\n",
         {{OSIO_EI_SULJETTU, 1}, {OSIO_VIALLINEN, 2}},
         {2, 3}},
        {"Load the TEKSTUURIT below\nTEKSTUURIT\n>a.tga=a;\n#\n", {{OSIO_RIVIN_KESKELLA, 1}}, {3}},
        {"TEKSTUURIT\n>" + std::string(600, 'f') + "=a;\n#\n", {{OSIO_KENTTA_PITKA, 2}}, {2}},
        {"3D_MALLIT\n>a.3ds=a;\n#\n", {{OSIO_PUUTTUU, 0}}, {}},
    };
    for (const auto& t : tapaukset) {
        SCOPED_TRACE(t.teksti.substr(0, 60));
        LISTAN_OSIO osio;
        LUKUHUOMIOT h;
        LueListanOsio(t.teksti.c_str(), "TEKSTUURIT", true, osio, &h);
        EXPECT_EQ(Lajit(h), t.odotettu);
        EXPECT_EQ(h.OsionRivit, t.rivit);
        osio.Vapauta(true);
    }
}

TEST(LukuHuomiot, ImagesAndModelsTellWhatTheyLose) {
    TYOKANSIO kansio;
    // A run packet past the last pixel, a top-down image, a file cut short.
    const struct {
        Tavut tga;
        Loydot odotettu;
    } kuvat[] = {
        {TeeTGA(10, 2, 1, 24, {0x82, 1, 2, 3}), {{TGA_RLE_YLI, -1}}},
        {TeeTGA(2, 1, 1, 24, {1, 2, 3}, {}, 0, 0x20), {{TGA_YLHAALTA, 17}}},
        {TeeTGA(2, 2, 2, 32, Tavut(9, 1)), {{TGA_KATKAISTU, -1}}},
    };
    for (const auto& k : kuvat) {
        KirjoitaTiedosto("k.tga", k.tga);
        KUVADATA t;
        LUKUHUOMIOT h;
        EXPECT_TRUE(LataaTGA("k.tga", t, &h));
        EXPECT_EQ(Lajit(h, true), k.odotettu);
        delete[] t.Pikselit;
    }

    Tavut verteksit = Verteksilista({0, 0, 0, 1, 0, 0, 0, 1, 0});
    Tavut kartta = Karttalista({0, 0, 1, 0, 0, 1});
    Tavut yksi = Objektilohko("A", Verkko(Liita({verteksit, Pintalista({0, 1, 2}), kartta})));
    Tavut lyhytLista = Verteksilista({0, 0, 0, 1, 0, 0, 0, 1, 0});
    lyhytLista[2] = 8; // the vertex list's length: its header and the count only
    const struct {
        Tavut malli;
        Loydot odotettu;
    } mallit[] = {
        {Malli(Liita({yksi, yksi})), {{MALLI_MONTA_VERKKOA, -1}}},
        {Malli(Objektilohko("B", Verkko(lyhytLista))),
         {{MALLI_LISTA_LYHYT, 26}, {MALLI_TYHJA, -1}}},
        {Liita({Malli(yksi), Lohko(0xB000, {1, 2})}), {}},
        {Liita({Malli(yksi), Tavut{0x00, 0xB0, 0xFF, 0, 0, 0}}),
         {{MALLI_LOHKO_YLI, (int)Malli(yksi).size()}}},
    };
    for (const auto& m : mallit) {
        KirjoitaTiedosto("m.3ds", m.malli);
        MALLIN_KOLMIOT malli;
        LUKUHUOMIOT h;
        EXPECT_TRUE(Lataa3DS("m.3ds", malli, &h));
        EXPECT_EQ(Lajit(h, true), m.odotettu);
        delete[] malli.Verteksit;
        delete[] malli.TekstuuriKoordinaatit;
    }
}
