// The modding guide's worked example, followed word for word: its file texts and
// commands are taken from docs/modding.md and run on a copy of the data set;
// tavio-check must then say nothing, and the pilot must fly the new plane round
// the new track.
#include "yksikko/Tyokalut.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct LOHKO {
    std::string laji;  // "sh", "file" or "section"
    std::string kohde; // the file or the section
    std::string teksti;
};

// The fenced blocks of the worked example that say what to do: ```sh (run),
// ```text file=PATH (the file's text), ```text section=NAME (lines for the end
// of a load-list section). Other blocks only show things.
std::vector<LOHKO> Lohkot(const std::string& opas) {
    std::vector<LOHKO> lohkot;
    size_t p = opas.find("## A worked example");
    while (p != std::string::npos && (p = opas.find("\n```", p)) != std::string::npos) {
        size_t rivinLoppu = opas.find('\n', p + 1);
        std::string otsake = opas.substr(p + 4, rivinLoppu - p - 4);
        size_t loppu = opas.find("\n```", rivinLoppu);
        if (loppu == std::string::npos) break;
        std::string teksti = opas.substr(rivinLoppu + 1, loppu - rivinLoppu);
        p = opas.find('\n', loppu + 1);
        LOHKO l;
        if (otsake == "sh") {
            l.laji = "sh";
        } else if (otsake.rfind("text file=", 0) == 0) {
            l.laji = "file";
            l.kohde = otsake.substr(10);
        } else if (otsake.rfind("text section=", 0) == 0) {
            l.laji = "section";
            l.kohde = otsake.substr(13);
        } else {
            continue;
        }
        l.teksti = teksti;
        lohkot.push_back(l);
    }
    return lohkot;
}

std::string Kansio(const std::string& ohjelma) {
    return ohjelma.substr(0, ohjelma.rfind('/'));
}

} // namespace

TEST(Opas, TheWorkedExampleChecksCleanAndFlies) {
    std::vector<LOHKO> lohkot = Lohkot(LueTeksti(LahdeKansio() + "/docs/modding.md"));
    ASSERT_EQ(lohkot.size(), 13u) << "the worked example's blocks";

    TYOKANSIO kansio;
    KopioiData();
    const std::string polku = "PATH=" + Lainattu(Kansio(TAVIO_TARKISTIN)) + ":" +
                              Lainattu(Kansio(TAVIO_RATATYOKALU)) + ":\"$PATH\" ";
    int tarkistuksia = 0, lentoja = 0;
    for (const LOHKO& l : lohkot) {
        SCOPED_TRACE(l.laji + " " + l.kohde + ":\n" + l.teksti);
        if (l.laji == "file") {
            KirjoitaTiedosto(l.kohde, l.teksti);
        } else if (l.laji == "section") {
            std::string lista = LueTeksti("Tiedostot/LatausLista.txt");
            size_t osio = lista.find("\n" + l.kohde + "\n");
            ASSERT_NE(osio, std::string::npos);
            lista.insert(lista.find("\n#", osio) + 1, l.teksti);
            KirjoitaTiedosto("Tiedostot/LatausLista.txt", lista);
        } else {
            KirjoitaTiedosto("komennot.sh", l.teksti);
            AJO ajo = Aja(polku + "bash -e komennot.sh");
            EXPECT_EQ(ajo.tila, 0);
            if (l.teksti == "tavio-check\n") {
                tarkistuksia++;
                EXPECT_EQ(ajo.rivit, std::vector<std::string>{});
            }
            if (l.teksti.find("tavio-track fly") != std::string::npos) {
                lentoja++;
                ASSERT_FALSE(ajo.rivit.empty());
                EXPECT_EQ(ajo.rivit.back().substr(0, 5), "par: ");
                EXPECT_EQ(std::count_if(ajo.rivit.begin(), ajo.rivit.end(),
                                        [](const std::string& r) {
                                            return r.find("  no  ") != std::string::npos;
                                        }),
                          0);
            }
        }
    }
    EXPECT_EQ(tarkistuksia, 2);
    EXPECT_EQ(lentoja, 2);
    // The plane and the track are the guide's: the plane file and the track flown.
    EXPECT_NE(LueTeksti("Tiedostot/PP/Oma.txt").find("#PP;\n>Oma;"), std::string::npos);
    AJO ajo = Aja(polku + "tavio-track dump 'Tiedostot/Muu Data/BubbleRaceA.dat'");
    EXPECT_EQ(ajo.tila, 0);
    EXPECT_EQ(std::count(ajo.rivit.begin(), ajo.rivit.end(), "-50 71 386 0"), 1);
}
