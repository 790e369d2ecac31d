// The real game saving its settings and hall of fame at exit: into a full disk
// or a read-only folder it keeps the old files and still exits 0, and killed
// at a random moment of its saving it leaves every file whole, old or new.
#include "Ruudut.h"
#include "apu/TestiApu.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <poll.h>
#include <random>
#include <sched.h>
#include <sys/inotify.h>
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

// The game is closed and killed at a random point of its saving: right after
// the k-th file event in its data folder (k = 1..16: the eight temporary files
// created and the eight renamed over the old ones), plus a random few
// microseconds. Every file must then be the old or the new one, byte for byte.
// TAVIO_TAPPOJA=<n> sets the number of kills (default 3).
TEST(PeliTallennus, KilledWhileSavingAtExitEveryFileIsOldOrNew) {
    int tappoja = 3;
    if (const char* e = getenv("TAVIO_TAPPOJA")) tappoja = std::max(1, atoi(e));
    std::mt19937 arpa((unsigned)time(nullptr));
    int uusiaYhteensa = 0;
    for (int tappo = 0; tappo < tappoja; tappo++) {
        PELIAJO p;
        ASSERT_TRUE(p.Valmistele());
        KirjoitaVanhat(p);
        int ino = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        ASSERT_GE(ino, 0);
        ASSERT_GE(
            inotify_add_watch(ino, (p.kansio + "/" + MUU_DATA).c_str(), IN_CREATE | IN_MOVED_TO),
            0);
        ASSERT_TRUE(p.Kaynnista());
        ASSERT_TRUE(p.OdotaIkkuna());
        const int k = std::uniform_int_distribution<int>(1, 16)(arpa);
        p.Sulje();

        // The credits stay five seconds; then the saving starts. The events are
        // read as they come, without sleeping, to kill as close to the k-th as
        // this process can.
        int tapahtumia = 0;
        auto raja = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (tapahtumia < k && std::chrono::steady_clock::now() < raja && !p.Loppunut()) {
            alignas(inotify_event) char puskuri[4096];
            ssize_t n = read(ino, puskuri, sizeof puskuri);
            for (char* q = puskuri; n > 0 && q < puskuri + n;) {
                inotify_event* e = (inotify_event*)q;
                if (e->len > 0) tapahtumia++;
                q += sizeof(inotify_event) + e->len;
            }
        }
        auto viive = std::chrono::steady_clock::now() +
                     std::chrono::microseconds(std::uniform_int_distribution<int>(0, 300)(arpa));
        while (std::chrono::steady_clock::now() < viive) {
        }
        p.Tapa();
        close(ino);
        ASSERT_GT(tapahtumia, 0) << "the game never started saving\n" << p.Virheet();

        int uusia = 0;
        for (int i = 0; i < 8; i++) {
            std::vector<Uint8> nyt = LueTiedosto(p.kansio + "/" + Tiedosto(i));
            bool uusi = nyt == Uusi(i);
            EXPECT_TRUE(nyt == Vanha(i) || uusi)
                << "kill " << tappo << ", " << Tiedosto(i) << ": " << nyt.size() << " bytes";
            uusia += uusi;
        }
        printf("kill %d, after file event %d of 16: %d of 8 files saved anew\n", tappo, k, uusia);
        uusiaYhteensa += uusia;
    }
    printf("%d kills, %d files found saved anew\n", tappoja, uusiaYhteensa);
}
