// Saving the settings and the score files: the old file is replaced only by a
// whole new one, whatever happens while the game writes (a full disk, a
// read-only folder, a write cut short, leftovers of an earlier run, a kill).
#include "apu/TallennusVersiot.h"
#include "apu/TestiApu.h"
#include "files/TiedostoFunktiot.h"

#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const KANSIO = "Tiedostot/Muu Data";
const std::vector<Uint8> VANHA = {'v', 'a', 'n', 'h', 'a'};

std::vector<std::string> Tiedostot(const std::string& kansio) {
    std::vector<std::string> nimet;
    if (DIR* d = opendir(kansio.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') nimet.push_back(e->d_name);
        closedir(d);
    }
    std::sort(nimet.begin(), nimet.end());
    return nimet;
}

// Old files of all eight, as a player's earlier run left them.
void KirjoitaVanhat() {
    for (int i = 0; i < TALLENNETTAVIA; i++) KirjoitaTiedosto(TallennusTiedosto(i), VANHA);
}

// Saves all eight through the game's functions; how many succeeded.
int TallennaKaikki(unsigned k) {
    int onnistui = 0;
    for (int i = 0; i < TALLENNETTAVIA; i++) {
        std::string polku = TallennusPolku(i);
        bool ok = i == 0 ? TallennaAsetukset(polku.c_str(), AsetusVersio(k))
                         : PisteVersio(i, k).Tallenna(polku.c_str());
        onnistui += ok;
    }
    return onnistui;
}

// In a child: 0 when every file is still the old one and nothing else is left.
int VanhatEnnallaan() {
    int virheita = 0;
    for (int i = 0; i < TALLENNETTAVIA; i++)
        if (LueTiedosto(TallennusTiedosto(i)) != VANHA) {
            fprintf(stderr, "%s changed\n", TallennusTiedosto(i).c_str());
            virheita++;
        }
    for (const std::string& nimi : Tiedostot(KANSIO))
        if (nimi.find(".tmp") != std::string::npos) {
            fprintf(stderr, "left behind: %s\n", nimi.c_str());
            virheita++;
        }
    return virheita;
}

} // namespace

TEST(Tallennus, EveryFileIsReplacedWholeAndNothingIsLeftBehind) {
    TYOKANSIO kansio;
    KirjoitaVanhat();
    chmod(TallennusTiedosto(3).c_str(), 0600);
    EXPECT_EQ(TallennaKaikki(7), TALLENNETTAVIA);
    for (int i = 0; i < TALLENNETTAVIA; i++)
        EXPECT_EQ(LueTiedosto(TallennusTiedosto(i)), TallennusVersio(i, 7)) << i;
    std::vector<std::string> odotus = {"Pisteet1.sav", "Pisteet2.sav", "Pisteet3.sav",
                                       "Pisteet4.sav", "Pisteet5.sav", "Pisteet6.sav",
                                       "Pisteet7.sav", "Setup.sav"};
    EXPECT_EQ(Tiedostot(KANSIO), odotus);
    // The new file keeps the permissions the player gave the old one.
    struct stat s;
    ASSERT_EQ(stat(TallennusTiedosto(3).c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0600u);
}

TEST(Tallennus, AMissingFolderOrAWriteProtectedFileIsLeftAsItWas) {
    TYOKANSIO kansio;
    EXPECT_FALSE(TallennaAsetukset(ASETUSTIEDOSTO, ASETUKSET{}));
    EXPECT_TRUE(Tiedostot(".").empty()); // no folder made, no file

    KirjoitaVanhat();
    // Made read-only by the player (by hand, for everyone): even root leaves it.
    chmod(TallennusTiedosto(0).c_str(), 0444);
    chmod(TallennusTiedosto(1).c_str(), 0444);
    EXPECT_FALSE(TallennaAsetukset(ASETUSTIEDOSTO, AsetusVersio(2)));
    EXPECT_FALSE(PisteVersio(1, 2).Tallenna(TallennusPolku(1).c_str()));
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(0)), VANHA);
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(1)), VANHA);
    // The other files are still saved.
    EXPECT_TRUE(PisteVersio(2, 2).Tallenna(TallennusPolku(2).c_str()));
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(2)), TallennusVersio(2, 2));

    // A folder where the file should be.
    TeeKansiot(TallennusTiedosto(3) + ".kansio");
    std::string kansioPolku = TallennusPolku(3) + ".kansio";
    EXPECT_FALSE(TallennaTurvallisesti(kansioPolku.c_str(), "x", 1));
    for (int i = 0; i < TALLENNETTAVIA; i++) {
        if (i == 2) continue;
        EXPECT_EQ(LueTiedosto(TallennusTiedosto(i)), VANHA) << i;
    }
    for (const std::string& nimi : Tiedostot(KANSIO))
        EXPECT_EQ(nimi.find(".tmp"), std::string::npos) << nimi;
}

TEST(Tallennus, LeftoversOfAnEarlierRunAreNeverWrittenThrough) {
    TYOKANSIO kansio;
    KirjoitaVanhat();
    std::string tilapainen = TallennusTiedosto(0) + "." + std::to_string((long)getpid()) + ".tmp";
    // A link in the temporary file's place must not lead the bytes elsewhere.
    KirjoitaTiedosto("muualla.txt", std::string("ei saa muuttua"));
    ASSERT_EQ(symlink("../../muualla.txt", tilapainen.c_str()), 0);
    EXPECT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, AsetusVersio(3)));
    EXPECT_EQ(LueTiedosto("muualla.txt"), std::vector<Uint8>({'e', 'i', ' ', 's', 'a', 'a', ' ',
                                                              'm', 'u', 'u', 't', 't', 'u', 'a'}));
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(0)), TallennusVersio(0, 3));
    struct stat s;
    EXPECT_NE(lstat(tilapainen.c_str(), &s), 0);

    // A half-written file of a run that was killed.
    KirjoitaTiedosto(tilapainen, std::string("puoliks"));
    EXPECT_TRUE(TallennaAsetukset(ASETUSTIEDOSTO, AsetusVersio(4)));
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(0)), TallennusVersio(0, 4));
    EXPECT_NE(lstat(tilapainen.c_str(), &s), 0);

    // The old fixed name of the temporary file no longer blocks a save.
    TeeKansiot(TallennusTiedosto(1) + ".tmp");
    EXPECT_TRUE(PisteVersio(1, 4).Tallenna(TallennusPolku(1).c_str()));
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(1)), TallennusVersio(1, 4));
}

TEST(Tallennus, APathLongerThanTheGameKeepsIsNotCutToAnotherName) {
    TYOKANSIO kansio;
    TeeKansiot(KANSIO);
    std::string pitka = std::string("Tiedostot\\Muu Data\\") + std::string(POLUN_PITUUS, 'p');
    EXPECT_FALSE(TallennaTurvallisesti(pitka.c_str(), "x", 1));
    EXPECT_TRUE(Tiedostot(KANSIO).empty());
    EXPECT_EQ(AvaaTiedosto(pitka.c_str(), "rb"), nullptr);
}

// A write that stops part way (the file-size limit, which binds root as well)
// goes through the short-write path and then fails.
TEST(Tallennus, AWriteCutShortLeavesTheOldFile) {
    TYOKANSIO kansio;
    KirjoitaVanhat();
    int tulos = OmassaNimiavaruudessa([] {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit raja = {100, 100};
        if (setrlimit(RLIMIT_FSIZE, &raja) != 0) return 99;
        int onnistui = TallennaKaikki(5);
        // Setup.sav is only 12 bytes and fits; every 384-byte score file fails.
        if (onnistui != 1) fprintf(stderr, "%d saves succeeded\n", onnistui);
        return onnistui == 1 ? 0 : 1;
    });
    if (tulos == EI_KIINNITYKSIA) GTEST_SKIP() << "no mount namespace for the child";
    EXPECT_EQ(tulos, 0);
    EXPECT_EQ(LueTiedosto(TallennusTiedosto(0)), TallennusVersio(0, 5));
    for (int i = 1; i < TALLENNETTAVIA; i++)
        EXPECT_EQ(LueTiedosto(TallennusTiedosto(i)), VANHA) << i;
    EXPECT_EQ(Tiedostot(KANSIO).size(), (size_t)TALLENNETTAVIA); // no temporary file left
}

TEST(Tallennus, AFullDiskLeavesTheOldFiles) {
    TYOKANSIO kansio;
    TeeKansiot(KANSIO);
    int tulos = OmassaNimiavaruudessa([] {
        if (!KiinnitaPieniLevy(KANSIO, 64 * 1024)) return (int)EI_KIINNITYKSIA;
        KirjoitaVanhat();
        TaytaLevy(KANSIO);
        int onnistui = TallennaKaikki(6);
        unlink((std::string(KANSIO) + "/tayte").c_str());
        int virheita = VanhatEnnallaan();
        if (onnistui != 0) fprintf(stderr, "%d saves succeeded on a full disk\n", onnistui);
        // With room again, the next save goes through.
        if (TallennaKaikki(7) != TALLENNETTAVIA) virheita++;
        return onnistui == 0 && virheita == 0 ? 0 : 1;
    });
    if (tulos == EI_KIINNITYKSIA) GTEST_SKIP() << "mounting a small file system is not permitted";
    EXPECT_EQ(tulos, 0);
}

TEST(Tallennus, AReadOnlyFolderLeavesTheOldFiles) {
    TYOKANSIO kansio;
    KirjoitaVanhat();
    int tulos = OmassaNimiavaruudessa([] {
        if (!KiinnitaVainLuku(KANSIO)) return (int)EI_KIINNITYKSIA;
        int onnistui = TallennaKaikki(8);
        if (onnistui != 0) fprintf(stderr, "%d saves succeeded in a read-only folder\n", onnistui);
        return onnistui == 0 && VanhatEnnallaan() == 0 ? 0 : 1;
    });
    if (tulos == EI_KIINNITYKSIA) GTEST_SKIP() << "a read-only mount is not permitted";
    EXPECT_EQ(tulos, 0);
    EXPECT_EQ(VanhatEnnallaan(), 0);
}

// The save helper saves all eight files twice over and is killed (a preloaded
// hook, SIGKILL) at every point of every save in turn: in the middle of writing
// the temporary file, before its fsync, before its rename and right after it.
// Each kill starts from an empty folder, so the first round saves over no file
// and the second over the first round's. After the kill every file must be,
// byte for byte, exactly the version the point leaves: the new one for the saves
// done and for the save renamed, the old one (or none) for the rest; and the
// temporary file of the save under way is there until its rename.
TEST(Tallennus, KilledAtEveryPointOfASaveEveryFileIsTheOldOrTheNewVersion) {
    const std::string ohjelma = KoontiKansio() + "/tests/tavio_tallentaja";
    ASSERT_EQ(access(ohjelma.c_str(), X_OK), 0) << ohjelma;
    const int KIERROKSIA = 2, KOHTIA = 4, KAIKKI = KIERROKSIA * TALLENNETTAVIA * KOHTIA;
    // Point KAIKKI + 1 is never reached: the helper saves everything and ends.
    for (int kohta = 1; kohta <= KAIKKI + 1; kohta++) {
        TYOKANSIO kansio;
        TeeKansiot(KANSIO);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int tyhja = open("/dev/null", O_WRONLY);
            dup2(tyhja, 1);
            setenv("LD_PRELOAD", TESTIKOUKUT, 1);
            setenv("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0", 1);
            setenv("TAVIO_KAATUMISKOHTA", std::to_string(kohta).c_str(), 1);
            execl(ohjelma.c_str(), ohjelma.c_str(), "2", "0", (char*)nullptr);
            _exit(127);
        }
        int tila = 0;
        waitpid(pid, &tila, 0);
        if (kohta > KAIKKI) {
            ASSERT_TRUE(WIFEXITED(tila) && WEXITSTATUS(tila) == 0) << tila;
            for (int i = 0; i < TALLENNETTAVIA; i++)
                EXPECT_EQ(LueTiedosto(TallennusTiedosto(i)), TallennusVersio(i, 2)) << i;
            EXPECT_EQ(Tiedostot(KANSIO).size(), (size_t)TALLENNETTAVIA);
            continue;
        }
        ASSERT_TRUE(WIFSIGNALED(tila) && WTERMSIG(tila) == SIGKILL)
            << "point " << kohta << ": the hook did not stop the save (" << tila << ")";

        int tallennus = (kohta - 1) / KOHTIA, vaihe = (kohta - 1) % KOHTIA;
        int kesken = tallennus % TALLENNETTAVIA;
        unsigned kierros = (unsigned)(tallennus / TALLENNETTAVIA) + 1;
        for (int i = 0; i < TALLENNETTAVIA; i++) {
            // The version each file must be: this round's for the saves done and
            // for the one just renamed, the round before's (or none) for the rest.
            bool uusi = i < kesken || (i == kesken && vaihe == 3);
            unsigned versio = uusi ? kierros : kierros - 1;
            std::vector<Uint8> odotettu =
                versio ? TallennusVersio(i, versio) : std::vector<Uint8>{};
            EXPECT_EQ(LueTiedosto(TallennusTiedosto(i)), odotettu)
                << "point " << kohta << " (save " << tallennus << ", step " << vaihe << "), file "
                << i;
        }
        size_t valiaikaisia = 0;
        for (const std::string& nimi : Tiedostot(KANSIO))
            valiaikaisia += nimi.find(".tmp") != std::string::npos;
        EXPECT_EQ(valiaikaisia, vaihe < 3 ? 1u : 0u) << "point " << kohta;
    }
}
