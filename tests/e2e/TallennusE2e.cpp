// The real game saving its settings and hall of fame at exit: into a full disk
// or a read-only folder it keeps the old files and still exits 0, and killed
// at a random moment of its saving it leaves every file whole, old or new.
#include "Ruudut.h"
#include "apu/TestiApu.h"

#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const std::string MUU_DATA = "Tiedostot/Muu Data";

// A settings file the game reads as 640 x 480, windowed, reserved byte 1, with
// repeated bytes it writes back otherwise: the game's own save differs from it.
const std::vector<Uint8> VANHAT_ASETUKSET = {0, 0, 0, 0, 0, 9, 9, 9, 1, 9, 9, 9};
const std::vector<Uint8> UUDET_ASETUKSET = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};

// Score file k as an old version of some other program left it: names fill
// all eleven bytes, which the game reads as ten and writes back with the NUL.
std::vector<Uint8> VanhatPisteet(int k) {
    std::vector<Uint8> t(PISTETIEDOSTON_KOKO, 0);
    t[0] = (Uint8)(10 + k);
    for (int i = 0; i < SIJOJEN_MAARA; i++) {
        t[4 + 4 * i] = (Uint8)(i + 1);
        t[84 + 4 * i] = (Uint8)(50 - i);
        for (int j = 0; j < PILOTIN_NIMI; j++)
            t[164 + 11 * i + j] = (Uint8)('A' + (i + j + k) % 26);
    }
    return t;
}

std::vector<Uint8> UudetPisteet(int k) {
    std::vector<Uint8> t = VanhatPisteet(k);
    for (int i = 0; i < SIJOJEN_MAARA; i++) t[164 + 11 * i + 10] = 0;
    return t;
}

std::string Tiedosto(int i) {
    return i == 0 ? MUU_DATA + "/Setup.sav" : MUU_DATA + "/Pisteet" + std::to_string(i) + ".sav";
}

std::vector<Uint8> Vanha(int i) {
    return i == 0 ? VANHAT_ASETUKSET : VanhatPisteet(i);
}

std::vector<Uint8> Uusi(int i) {
    return i == 0 ? UUDET_ASETUKSET : UudetPisteet(i);
}

void KirjoitaVanhat(PELIAJO& p) {
    for (int i = 0; i < 8; i++) KirjoitaTiedosto(p.kansio + "/" + Tiedosto(i), Vanha(i));
}

int Valiaikaisia(PELIAJO& p) {
    int n = 0;
    std::string komento = "ls '" + p.kansio + "/" + MUU_DATA + "' | grep -c '\\.tmp$'";
    if (FILE* f = popen(komento.c_str(), "r")) {
        if (fscanf(f, "%d", &n) != 1) n = 0;
        pclose(f);
    }
    return n;
}

// This test process's mounts stay its own (and its game's), and go with it.
bool OmatKiinnitykset() {
    return unshare(CLONE_NEWNS) == 0 &&
           mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Starts the game, closes its window as a desktop does, and gives its exit code.
int AjaJaSulje(PELIAJO& p) {
    if (!p.Kaynnista() || !p.OdotaIkkuna()) return -2;
    p.Sulje();
    return p.OdotaLoppu(60);
}

} // namespace

TEST(PeliTallennus, AFullDiskKeepsTheOldFilesAndTheGameStillExitsZero) {
    if (!OmatKiinnitykset()) GTEST_SKIP() << "no mount namespace of its own";
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    std::string kansio = p.kansio + "/" + MUU_DATA;
    // The race tracks are not needed: the game is only started and closed.
    ASSERT_TRUE(KiinnitaPieniLevy(kansio, 64 * 1024));
    KirjoitaVanhat(p);
    TaytaLevy(kansio);
    EXPECT_EQ(AjaJaSulje(p), 0) << p.Virheet();
    for (int i = 0; i < 8; i++) EXPECT_EQ(LueTiedosto(p.kansio + "/" + Tiedosto(i)), Vanha(i)) << i;
    EXPECT_EQ(Valiaikaisia(p), 0);
    EXPECT_EQ(p.OmatVuodot(), "");
    umount(kansio.c_str());
}

TEST(PeliTallennus, AReadOnlyFolderKeepsTheOldFilesAndTheGameStillExitsZero) {
    if (!OmatKiinnitykset()) GTEST_SKIP() << "no mount namespace of its own";
    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    KirjoitaVanhat(p);
    std::string kansio = p.kansio + "/" + MUU_DATA;
    ASSERT_TRUE(KiinnitaVainLuku(kansio));
    EXPECT_EQ(AjaJaSulje(p), 0) << p.Virheet();
    for (int i = 0; i < 8; i++) EXPECT_EQ(LueTiedosto(p.kansio + "/" + Tiedosto(i)), Vanha(i)) << i;
    EXPECT_EQ(p.OmatVuodot(), "");
    umount(kansio.c_str());
    // With the folder writable again the same run saves every file.
    EXPECT_EQ(AjaJaSulje(p), 0) << p.Virheet();
    for (int i = 0; i < 8; i++) EXPECT_EQ(LueTiedosto(p.kansio + "/" + Tiedosto(i)), Uusi(i)) << i;
}

// The game is closed and killed (SIGKILL, by a preloaded hook) at a chosen point
// of its saving at exit: of its eight saves (Setup.sav, then Pisteet1..7), four
// points each: in the middle of writing the temporary file, before its fsync,
// before its rename and right after it. Every file must then be exactly what
// that point leaves: new for the saves done and for one just renamed, old for
// the rest. TAVIO_TAPPOJA=<n> spreads n kills over the 32 points (default 4,
// one of each kind); the unit test Tallennus.KilledAtEveryPoint... tries them all.
TEST(PeliTallennus, KilledWhileSavingAtExitEveryFileIsOldOrNew) {
    const int KOHTIA = 4, KAIKKI = 8 * KOHTIA;
    int tappoja = 4;
    if (const char* e = getenv("TAVIO_TAPPOJA")) tappoja = std::max(1, std::min(KAIKKI, atoi(e)));
    for (int tappo = 0; tappo < tappoja; tappo++) {
        // 1, 10, 19, 28 for four: each kind of point, in different files.
        int kohta = 1 + tappo * (KAIKKI - 1) / tappoja;
        if (tappoja == 4) kohta = 1 + tappo * (2 * KOHTIA + 1);
        PELIAJO p;
        ASSERT_TRUE(p.Valmistele());
        KirjoitaVanhat(p);
        p.kaatumiskohta = kohta;
        ASSERT_TRUE(p.Kaynnista());
        ASSERT_TRUE(p.OdotaIkkuna());
        p.Sulje();
        EXPECT_EQ(p.OdotaLoppu(120), 128 + SIGKILL) << "point " << kohta << "\n" << p.Virheet();

        int kesken = (kohta - 1) / KOHTIA, vaihe = (kohta - 1) % KOHTIA;
        for (int i = 0; i < 8; i++) {
            bool uusi = i < kesken || (i == kesken && vaihe == 3);
            EXPECT_EQ(LueTiedosto(p.kansio + "/" + Tiedosto(i)), uusi ? Uusi(i) : Vanha(i))
                << "point " << kohta << " (file " << kesken << ", step " << vaihe
                << "): " << Tiedosto(i);
        }
        EXPECT_EQ(Valiaikaisia(p), vaihe < 3 ? 1 : 0) << "point " << kohta;
        printf("killed at point %d of %d: file %d, step %d\n", kohta, KAIKKI, kesken, vaihe);
    }
}
