#include "apu/TestiApu.h"

#include "foundation/AikaFunktiot.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
Uint32 valeAika = 0;
Uint32 valeAskel = 0;
Uint32 LueValekello() {
    Uint32 t = valeAika;
    valeAika += valeAskel;
    return t;
}
} // namespace

VALEKELLO::VALEKELLO(Uint32 alku, Uint32 askel) {
    valeAika = alku;
    valeAskel = askel;
    AsetaKello(LueValekello);
}
VALEKELLO::~VALEKELLO() {
    AsetaKello(nullptr);
}
void VALEKELLO::Aseta(Uint32 ms) {
    valeAika = ms;
}
void VALEKELLO::Siirra(Uint32 ms) {
    valeAika += ms;
}
Uint32 VALEKELLO::Nyt() const {
    return valeAika;
}

TYOKANSIO::TYOKANSIO() {
    char malli[] = "/tmp/tavio-testi-XXXXXX";
    polku = mkdtemp(malli);
    char nykyinen[4096];
    vanha = getcwd(nykyinen, sizeof nykyinen) ? nykyinen : "/";
    if (chdir(polku.c_str()) != 0) abort();
}
TYOKANSIO::~TYOKANSIO() {
    if (chdir(vanha.c_str()) != 0) return;
    std::string komento = "rm -rf '" + polku + "'";
    if (system(komento.c_str()) != 0) return;
}

void TeeKansiot(const std::string& polku) {
    for (size_t i = 1; i <= polku.size(); i++)
        if (i == polku.size() || polku[i] == '/') mkdir(polku.substr(0, i).c_str(), 0755);
}

void KirjoitaTiedosto(const std::string& polku, const std::string& sisalto) {
    size_t vinoviiva = polku.find_last_of('/');
    if (vinoviiva != std::string::npos) TeeKansiot(polku.substr(0, vinoviiva));
    std::ofstream f(polku, std::ios::binary);
    f << sisalto;
}

void KirjoitaTiedosto(const std::string& polku, const std::vector<Uint8>& tavut) {
    KirjoitaTiedosto(polku, std::string(tavut.begin(), tavut.end()));
}

std::vector<Uint8> LueTiedosto(const std::string& polku) {
    std::ifstream f(polku, std::ios::binary);
    return std::vector<Uint8>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

#ifndef TAVIO_LAHDE_KANSIO
#define TAVIO_LAHDE_KANSIO "."
#endif
#ifndef TAVIO_KOONTI_KANSIO
#define TAVIO_KOONTI_KANSIO "."
#endif

std::string LahdeKansio() {
    const char* p = getenv("TAVIO_LAHDE");
    return p ? p : TAVIO_LAHDE_KANSIO;
}
std::string KoontiKansio() {
    const char* p = getenv("TAVIO_KOONTI");
    return p ? p : TAVIO_KOONTI_KANSIO;
}

int OmassaNimiavaruudessa(const std::function<int()>& tehtava) {
    fflush(nullptr);
    pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (unshare(CLONE_NEWNS) != 0) _exit(EI_KIINNITYKSIA);
        // Nothing mounted here may show outside.
        if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) _exit(EI_KIINNITYKSIA);
        int tila = tehtava();
        fflush(nullptr);
        _exit(tila);
    }
    int tila = 0;
    if (waitpid(pid, &tila, 0) != pid) return -1;
    return WIFEXITED(tila) ? WEXITSTATUS(tila) : -1;
}

bool KiinnitaPieniLevy(const std::string& kansio, unsigned long tavua) {
    std::string valinnat = "size=" + std::to_string(tavua);
    return mount("tavio", kansio.c_str(), "tmpfs", 0, valinnat.c_str()) == 0;
}

bool KiinnitaVainLuku(const std::string& kansio) {
    if (mount(kansio.c_str(), kansio.c_str(), nullptr, MS_BIND, nullptr) != 0) return false;
    return mount(nullptr, kansio.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

void TaytaLevy(const std::string& kansio) {
    std::string polku = kansio + "/tayte";
    int fd = open(polku.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    char lohko[4096] = {};
    while (write(fd, lohko, sizeof lohko) > 0) {
    }
    while (write(fd, lohko, 1) > 0) {
    }
    close(fd);
}

namespace {
std::deque<SDL_Event> testiJono;
}

void JonoonTapahtuma(const SDL_Event& e) {
    testiJono.push_back(e);
}

int LueTestiTapahtuma(SDL_Event* e) {
    if (testiJono.empty()) return SDL_WasInit(SDL_INIT_VIDEO) ? SDL_PollEvent(e) : 0;
    *e = testiJono.front();
    testiJono.pop_front();
    return 1;
}
