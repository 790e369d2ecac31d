#include "apu/TestiApu.h"

#include "foundation/AikaFunktiot.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
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

std::string LahdeKansio() {
    const char* p = getenv("TAVIO_LAHDE");
    return p ? p : ".";
}
std::string KoontiKansio() {
    const char* p = getenv("TAVIO_KOONTI");
    if (p) return p;
    // gtest_discover_tests splits the environment list it is given, so only its
    // first variable reaches the unit tests: the build folder is then found from
    // the test binary, which lives in its tests/ folder.
    char polku[4096];
    ssize_t n = readlink("/proc/self/exe", polku, sizeof polku - 1);
    if (n <= 0) return ".";
    polku[n] = '\0';
    std::string s(polku);
    for (int i = 0; i < 2; i++) {
        size_t vinoviiva = s.find_last_of('/');
        if (vinoviiva == std::string::npos) return ".";
        s.erase(vinoviiva);
    }
    return s;
}
