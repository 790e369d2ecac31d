// The command line and the choice of folders at start-up.
#include "shell/Komentorivi.h"

#include "files/Kansiot.h"
#include "files/TiedostoFunktiot.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <string>
#include <unistd.h>

// Set by CMake: the project's version, the data folder relative to the installed
// executable's folder, and the data folder under the configured install prefix.
#ifndef TAVIO_VERSIO
#define TAVIO_VERSIO "0"
#endif
#ifndef TAVIO_DATA_OHJELMASTA
#define TAVIO_DATA_OHJELMASTA "../share/games/tavio"
#endif
#ifndef TAVIO_DATA_ASENNETTU
#define TAVIO_DATA_ASENNETTU "/usr/local/share/games/tavio"
#endif

namespace {

void TulostaKaytto(FILE* f) {
    fputs("Usage: tavio [--data DIR]\n"
          "       tavio --help | --version\n"
          "\n"
          "The Tavio: steer a paper plane with the mouse through a museum yard and\n"
          "collect bubbles.\n"
          "\n"
          "  --data DIR   play with the data folder DIR/Tiedostot\n"
          "  --help       show this help and exit\n"
          "  --version    show the version and exit\n"
          "\n"
          "The data folder is looked for in DIR, in $TAVIO_DATA, in the working\n"
          "directory, beside the installed game and in " TAVIO_DATA_ASENNETTU ".\n"
          "Settings and scores are kept in $XDG_DATA_HOME/tavio (~/.local/share/tavio),\n"
          "or in Tiedostot/Muu Data when the game is started from the folder that\n"
          "holds Tiedostot.\n",
          f);
}

std::string OmaPolku() {
    char polku[4096];
    ssize_t n = readlink("/proc/self/exe", polku, sizeof polku - 1);
    if (n <= 0) return "";
    polku[n] = '\0';
    return polku;
}

std::string Ymparisto(const char* nimi) {
    const char* arvo = getenv(nimi);
    return arvo ? arvo : "";
}

} // namespace

KOMENTO LueKomentorivi(int argc, char** argv, const char*& data, const char*& vaarin) {
    data = nullptr;
    vaarin = nullptr;
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        if (strcmp(a, "--help") == 0) return OHJE;
        if (strcmp(a, "--version") == 0) return VERSIO;
        // One data folder, and a name: "--data" with nothing after it, or given
        // twice, is a mistake to point out rather than to guess about.
        if (strcmp(a, "--data") == 0 && !data && i + 1 < argc && argv[i + 1][0]) {
            data = argv[++i];
            continue;
        }
        vaarin = a;
        return VAARIN;
    }
    return PELAA;
}

DATAN_PAIKKA EtsiPelinData(const char* data) {
    DATAN_HAKU haku;
    haku.komentorivi = data ? data : "";
    haku.ymparisto = Ymparisto("TAVIO_DATA");
    haku.ohjelma = OmaPolku();
    haku.ohjelmastaDataan = TAVIO_DATA_OHJELMASTA;
    haku.asennettu = TAVIO_DATA_ASENNETTU;
    return EtsiData(haku);
}

int Kaynnistys(int argc, char** argv) {
    const char* data = nullptr;
    const char* vaarin = nullptr;
    switch (LueKomentorivi(argc, argv, data, vaarin)) {
    case OHJE:
        TulostaKaytto(stdout);
        return 0;
    case VERSIO:
        printf("tavio %s\n", TAVIO_VERSIO);
        return 0;
    case VAARIN:
        if (strcmp(vaarin, "--data") != 0)
            fprintf(stderr, "tavio: unknown option '%s'\n", vaarin);
        else if (data)
            fprintf(stderr, "tavio: --data given twice\n");
        else
            fprintf(stderr, "tavio: --data needs a folder\n");
        TulostaKaytto(stderr);
        return 2;
    case PELAA:
        break;
    }

    DATAN_PAIKKA paikka = EtsiPelinData(data);
    if (!paikka.loytyi) {
        fprintf(stderr, "tavio: no data folder found (a folder that holds "
                        "Tiedostot/LatausLista.txt). Tried:\n");
        for (const KOKEILTU_PAIKKA& k : paikka.kokeillut)
            fprintf(stderr, "  %s: %s\n", k.mista.c_str(), k.kansio.c_str());
        fprintf(stderr, "Name the folder with --data DIR.\n");
        return 1;
    }
    // A folder the player named that does not hold the data is worth a word,
    // even though another place did.
    for (const KOKEILTU_PAIKKA& k : paikka.kokeillut)
        if (k.mista == "--data" || k.mista == "TAVIO_DATA")
            fprintf(stderr, "tavio: %s %s holds no Tiedostot/LatausLista.txt; using %s\n",
                    k.mista.c_str(), k.kansio.c_str(),
                    paikka.tyohakemisto ? "the working directory" : paikka.kansio.c_str());

    if (paikka.tyohakemisto) {
        AsetaTiedostojenPaikka("", "");
        return -1;
    }
    std::string koti = Ymparisto("HOME");
    if (koti.empty()) {
        const passwd* pw = getpwuid(getuid());
        if (pw && pw->pw_dir) koti = pw->pw_dir;
    }
    std::string tallenteet = TallenneKansio(getenv("XDG_DATA_HOME"), koti.c_str());
    if (tallenteet.empty())
        fprintf(stderr, "tavio: no home folder: the settings and scores will not be saved\n");
    AsetaTiedostojenPaikka(paikka.kansio.c_str(),
                           tallenteet.empty() ? nullptr : tallenteet.c_str());
    return -1;
}
