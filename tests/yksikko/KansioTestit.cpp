// Where the game's files live: the search for the data folder, the choice of the
// save folder, the mapping of game paths, and the command line that starts it.
#include "apu/TestiApu.h"
#include "bubbles/PisteFunktiot.h"
#include "files/Kansiot.h"
#include "files/TiedostoFunktiot.h"
#include "shell/Asetukset.h"
#include "shell/Komentorivi.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void TeeData(const std::string& kansio) {
    TeeKansiot(kansio + "/Tiedostot");
    KirjoitaTiedosto(kansio + "/Tiedostot/LatausLista.txt", std::string("#TEKSTUURIT\n#\n"));
}

std::string Polku(const char* pelinPolku) {
    char ulos[JARJESTELMAN_POLUN_PITUUS + 1];
    if (!JarjestelmanPolku(pelinPolku, ulos, sizeof ulos)) return "(none)";
    return ulos;
}

int Tila(const std::string& polku) {
    struct stat s;
    return stat(polku.c_str(), &s) == 0 ? (int)(s.st_mode & 07777) : -1;
}

// The mapping is process-wide: every test leaves it as the game starts.
struct Tiedostopaikka : ::testing::Test {
    void TearDown() override { AsetaTiedostojenPaikka("", ""); }
};

} // namespace

TEST(Kansiot, TheDataFolderIsTheFirstPlaceThatHoldsIt) {
    TYOKANSIO tyo;
    const std::string t = tyo.polku;
    for (const char* k : {"/komento", "/ymparisto", "/asennus/share/games/tavio", "/etuliite"})
        TeeData(t + k);
    TeeKansiot(t + "/tyhja");
    TeeKansiot(t + "/asennus/games");
    DATAN_HAKU haku;
    haku.komentorivi = t + "/komento";
    haku.ymparisto = t + "/ymparisto";
    haku.ohjelma = t + "/asennus/games/tavio";
    haku.ohjelmastaDataan = "../share/games/tavio";
    haku.asennettu = t + "/etuliite";

    DATAN_PAIKKA p = EtsiData(haku);
    EXPECT_TRUE(p.loytyi);
    EXPECT_EQ(p.kansio, t + "/komento");
    EXPECT_TRUE(p.kokeillut.empty());

    haku.komentorivi = t + "/tyhja";
    p = EtsiData(haku);
    EXPECT_EQ(p.kansio, t + "/ymparisto");
    ASSERT_EQ(p.kokeillut.size(), 1u);
    EXPECT_EQ(p.kokeillut[0].mista, "--data");

    // The working directory comes before the installed places, and keeps its
    // paths as they are written.
    haku.ymparisto = "";
    TeeData(t);
    p = EtsiData(haku);
    EXPECT_TRUE(p.loytyi && p.tyohakemisto);
    EXPECT_EQ(p.kansio, "");
    ASSERT_TRUE(chdir((t + "/tyhja").c_str()) == 0);

    p = EtsiData(haku);
    EXPECT_FALSE(p.tyohakemisto);
    EXPECT_EQ(p.kansio, t + "/asennus/games/../share/games/tavio");

    haku.ohjelma = t + "/muualla/tavio";
    p = EtsiData(haku);
    EXPECT_EQ(p.kansio, t + "/etuliite");

    // None: every place is listed in the order tried; places not given are not.
    haku.asennettu = t + "/tyhja";
    p = EtsiData(haku);
    EXPECT_FALSE(p.loytyi);
    ASSERT_EQ(p.kokeillut.size(), 4u);
    EXPECT_EQ(p.kokeillut[0].mista, "--data");
    EXPECT_EQ(p.kokeillut[1].mista, "the working directory");
    EXPECT_EQ(p.kokeillut[1].kansio, t + "/tyhja");
    EXPECT_EQ(p.kokeillut[2].kansio, t + "/muualla/../share/games/tavio");
    EXPECT_EQ(p.kokeillut[3].mista, "the install prefix");

    // A folder with Tiedostot but no load list is not the data.
    TeeKansiot(t + "/puolikas/Tiedostot");
    EXPECT_FALSE(PitaaDatan(t + "/puolikas"));
}

TEST(Kansiot, SavesGoToXdgDataHomeOrTheHomeFolder) {
    EXPECT_EQ(TallenneKansio("/x/data", "/home/p"), "/x/data/tavio");
    EXPECT_EQ(TallenneKansio(nullptr, "/home/p"), "/home/p/.local/share/tavio");
    EXPECT_EQ(TallenneKansio("", "/home/p"), "/home/p/.local/share/tavio");
    // A relative XDG_DATA_HOME is not one: it would follow the working directory.
    EXPECT_EQ(TallenneKansio("data", "/home/p"), "/home/p/.local/share/tavio");
    EXPECT_EQ(TallenneKansio(nullptr, nullptr), "");
    EXPECT_EQ(TallenneKansio(nullptr, "koti"), "");
}

TEST_F(Tiedostopaikka, SavesGoToTheSaveFolderAndEverythingElseToTheData) {
    // As started from the data's own folder: every path as written.
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\Setup.sav"), "Tiedostot/Muu Data/Setup.sav");
    EXPECT_EQ(Polku("Tiedostot\\PP\\Nuoli.txt"), "Tiedostot/PP/Nuoli.txt");

    AsetaTiedostojenPaikka("/usr/share/games/tavio", "/home/p/.local/share/tavio");
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\Setup.sav"), "/home/p/.local/share/tavio/Setup.sav");
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\Pisteet7.sav"),
              "/home/p/.local/share/tavio/Pisteet7.sav");
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\HaamuF.dat"), "/home/p/.local/share/tavio/HaamuF.dat");
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\BubbleRaceA.dat"),
              "/usr/share/games/tavio/Tiedostot/Muu Data/BubbleRaceA.dat");
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\HaamuG.dat"),
              "/usr/share/games/tavio/Tiedostot/Muu Data/HaamuG.dat");
    EXPECT_EQ(Polku("Tiedostot\\LatausLista.txt"),
              "/usr/share/games/tavio/Tiedostot/LatausLista.txt");
    // Not saves: another folder, a subfolder, a name that only starts so.
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\x\\Setup.sav"),
              "/usr/share/games/tavio/Tiedostot/Muu Data/x/Setup.sav");
    EXPECT_EQ(Polku("Tiedostot\\PP\\Setup.sav"), "/usr/share/games/tavio/Tiedostot/PP/Setup.sav");
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\Setup.savx"),
              "/usr/share/games/tavio/Tiedostot/Muu Data/Setup.savx");
    EXPECT_EQ(Polku("/tmp/Tiedostot/x"), "/tmp/Tiedostot/x");

    // With no folder for saves, nothing is read from or written to one.
    AsetaTiedostojenPaikka("/usr/share/games/tavio", nullptr);
    EXPECT_EQ(Polku("Tiedostot\\Muu Data\\Setup.sav"), "(none)");
    EXPECT_EQ(AvaaTiedosto("Tiedostot\\Muu Data\\Setup.sav", "rb"), nullptr);
    EXPECT_FALSE(TallennaTurvallisesti("Tiedostot\\Muu Data\\Setup.sav", "x", 1));
    EXPECT_EQ(Polku("Tiedostot\\PP\\Nuoli.txt"), "/usr/share/games/tavio/Tiedostot/PP/Nuoli.txt");

    // A real path that does not fit is refused, never cut to another file.
    char lyhyt[32];
    AsetaTiedostojenPaikka("/usr/share/games/tavio", "");
    EXPECT_FALSE(JarjestelmanPolku("Tiedostot\\LatausLista.txt", lyhyt, sizeof lyhyt));
}

// The installed game's first run: the save folder and the folders above it are
// made private to the player, the saves land there and read back, and the data
// folder gets nothing.
TEST_F(Tiedostopaikka, TheFirstSaveMakesThePlayersFolder) {
    TYOKANSIO tyo;
    const std::string data = tyo.polku + "/data", koti = tyo.polku + "/koti";
    TeeData(data);
    TeeKansiot(koti);
    const std::string tallenteet = TallenneKansio(nullptr, koti.c_str());
    AsetaTiedostojenPaikka(data.c_str(), tallenteet.c_str());

    ASETUKSET a;
    EXPECT_FALSE(LataaAsetukset(ASETUSTIEDOSTO, a));
    a.resoluutio = 0;
    a.varattu = 7;
    ASSERT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, a));
    PISTEET p;
    ASSERT_TRUE(p.Tallenna("Tiedostot\\Muu Data\\Pisteet3.sav"));

    EXPECT_EQ(Tila(koti + "/.local"), 0700);
    EXPECT_EQ(Tila(koti + "/.local/share"), 0700);
    EXPECT_EQ(Tila(tallenteet), 0700);
    EXPECT_EQ(LueTiedosto(tallenteet + "/Setup.sav"),
              (std::vector<Uint8>{0, 0, 0, 0, 0, 0, 0, 0, 7, 0, 0, 0}));
    EXPECT_EQ(LueTiedosto(tallenteet + "/Pisteet3.sav").size(), 384u);
    EXPECT_EQ(Tila(data + "/Tiedostot/Muu Data"), -1);

    ASETUKSET b;
    EXPECT_TRUE(LataaAsetukset(ASETUSTIEDOSTO, b));
    EXPECT_EQ(b.resoluutio, 0);
    EXPECT_EQ(b.varattu, 7);

    // A folder the player made already keeps its own permissions.
    const std::string oma = tyo.polku + "/oma";
    TeeKansiot(oma);
    chmod(oma.c_str(), 0755);
    AsetaTiedostojenPaikka(data.c_str(), oma.c_str());
    ASSERT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, a));
    EXPECT_EQ(Tila(oma), 0755);
}

TEST(Komentorivi, KnowsHelpVersionAndOneDataFolder) {
    struct TAPAUS {
        std::vector<const char*> args;
        KOMENTO odotus;
        const char* data;
        const char* vaarin;
    };
    const TAPAUS tapaukset[] = {
        {{}, PELAA, nullptr, nullptr},
        {{"--data", "/d"}, PELAA, "/d", nullptr},
        {{"--help"}, OHJE, nullptr, nullptr},
        {{"--data", "/d", "--version"}, VERSIO, "/d", nullptr},
        {{"-h"}, VAARIN, nullptr, "-h"},
        {{"--data=/d"}, VAARIN, nullptr, "--data=/d"},
        {{"--data"}, VAARIN, nullptr, "--data"},
        {{"--data", ""}, VAARIN, nullptr, "--data"},
        {{"--data", "/d", "--data", "/e"}, VAARIN, "/d", "--data"},
        {{"extra"}, VAARIN, nullptr, "extra"},
    };
    for (const TAPAUS& t : tapaukset) {
        std::vector<char*> argv = {(char*)"tavio"};
        for (const char* a : t.args) argv.push_back((char*)a);
        const char *data = nullptr, *vaarin = nullptr;
        std::string nimi = t.args.empty() ? "(none)" : t.args[0];
        EXPECT_EQ(LueKomentorivi((int)argv.size(), argv.data(), data, vaarin), t.odotus) << nimi;
        EXPECT_STREQ(data, t.data) << nimi;
        EXPECT_STREQ(vaarin, t.vaarin) << nimi;
    }
}
