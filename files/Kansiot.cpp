// Where the data folder is and where the saves go, decided once at start-up.
#include "files/Kansiot.h"

#include <unistd.h>

bool PitaaDatan(const std::string& kansio) {
    std::string lista = (kansio.empty() ? std::string(".") : kansio) + "/Tiedostot/LatausLista.txt";
    return access(lista.c_str(), R_OK) == 0;
}

namespace {

// The folder part of a path ("/usr/games/tavio" -> "/usr/games"); "" for none.
std::string Kansio(const std::string& polku) {
    size_t vinoviiva = polku.find_last_of('/');
    if (vinoviiva == std::string::npos) return "";
    return vinoviiva == 0 ? std::string("/") : polku.substr(0, vinoviiva);
}

std::string TyoHakemisto() {
    char polku[4096];
    return getcwd(polku, sizeof polku) ? std::string(polku) : std::string(".");
}

} // namespace

DATAN_PAIKKA EtsiData(const DATAN_HAKU& haku) {
    DATAN_PAIKKA p;
    auto kokeile = [&p](const char* mista, const std::string& kansio) {
        if (kansio.empty() || p.loytyi) return;
        if (PitaaDatan(kansio)) {
            p.loytyi = true;
            p.kansio = kansio;
        } else {
            p.kokeillut.push_back(KOKEILTU_PAIKKA{mista, kansio});
        }
    };
    kokeile("--data", haku.komentorivi);
    kokeile("TAVIO_DATA", haku.ymparisto);
    if (!p.loytyi) {
        // Today's way of starting the game: its paths stay exactly as written.
        if (PitaaDatan("")) {
            p.loytyi = true;
            p.tyohakemisto = true;
            p.kansio.clear();
        } else {
            p.kokeillut.push_back(KOKEILTU_PAIKKA{"the working directory", TyoHakemisto()});
        }
    }
    std::string ohjelmanKansio = Kansio(haku.ohjelma);
    if (!ohjelmanKansio.empty() && !haku.ohjelmastaDataan.empty())
        kokeile("beside the game", ohjelmanKansio + "/" + haku.ohjelmastaDataan);
    kokeile("the install prefix", haku.asennettu);
    return p;
}

std::string TallenneKansio(const char* xdgDataHome, const char* koti) {
    // The XDG base directory rules ignore a relative XDG_DATA_HOME.
    if (xdgDataHome && xdgDataHome[0] == '/') return std::string(xdgDataHome) + "/tavio";
    if (koti && koti[0] == '/') return std::string(koti) + "/.local/share/tavio";
    return "";
}
