// tavio-track: race tracks as text, made into track files, and flown by the
// scripted pilot on the game's own flight model.
#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "tools/rata/RataTeksti.h"
#include "tools/tarkistin/Tarkistin.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// The game is tuned for 60 updates a second: times are given at that rate.
const double PAIVITYKSIA_SEKUNNISSA = 60;

void Kaytto(FILE* f) {
    fputs("Usage: tavio-track dump FILE.dat\n"
          "       tavio-track build FILE.txt OUT.dat\n"
          "       tavio-track fly FILE.dat [--plane NAME] [--data DATA_FOLDER]\n"
          "\n"
          "dump   prints a race track as text: one bubble a line, x y z boost\n"
          "build  makes a track file from such a text (at most 200 bubbles, finite\n"
          "       numbers), written as safely as the game writes its saves\n"
          "fly    flies the track with the scripted pilot on the game's flight model,\n"
          "       from the game's start, and prints for each bubble whether it was\n"
          "       reached, when, and the turn from the leg before; the total time is\n"
          "       the track's par. --plane names a plane of the data folder (its PP\n"
          "       name or its file) to fly; DATA_FOLDER holds Tiedostot (default: the\n"
          "       folder the game would use)\n"
          "\n"
          "Exit status: 0 done; 1 the file has problems or a bubble was not reached;\n"
          "2 usage.\n",
          f);
}

bool LueTiedosto(const char* polku, std::string& tavut) {
    FILE* f = fopen(polku, "rb");
    if (!f) {
        fprintf(stderr, "tavio-track: %s: %s\n", polku, strerror(errno));
        return false;
    }
    char lohko[1 << 16];
    size_t n;
    while ((n = fread(lohko, 1, sizeof lohko, f)) > 0) tavut.append(lohko, n);
    fclose(f);
    return true;
}

// The track as the game reads it; what the reader fell back on goes to stderr.
bool LueRata(const char* polku, std::vector<RATAKUPLA>& kuplat, bool& puhdas) {
    std::string tavut;
    if (!LueTiedosto(polku, tavut)) return false;
    LUKUHUOMIOT h;
    kuplat = RataTavuina(tavut, h);
    TARKISTUS t;
    LisaaHuomiot(t, polku, TIEDOSTON_ROOLI{LAJI_RATA, ""}, h);
    for (const LOYDOS& l : t.Loydokset) fprintf(stderr, "%s\n", LoydosTekstina(l).c_str());
    puhdas = t.Tila() == 0;
    return true;
}

const char* Nimi(const char* polku) {
    const char* vino = strrchr(polku, '/');
    return vino ? vino + 1 : polku;
}

int Pura(const char* polku) {
    std::vector<RATAKUPLA> kuplat;
    bool puhdas = true;
    if (!LueRata(polku, kuplat, puhdas)) return 1;
    fputs(RataTekstiksi(kuplat, Nimi(polku)).c_str(), stdout);
    return puhdas ? 0 : 1;
}

int Rakenna(const char* lahde, const char* kohde) {
    std::string teksti;
    if (!LueTiedosto(lahde, teksti)) return 1;
    std::vector<RATAKUPLA> kuplat;
    std::vector<std::string> virheet;
    if (!RataTekstista(teksti, lahde, kuplat, virheet)) {
        for (const std::string& v : virheet) fprintf(stderr, "%s\n", v.c_str());
        fprintf(stderr, "tavio-track: %s not written\n", kohde);
        return 1;
    }
    std::string tavut = RadanTavut(kuplat);
    if (!TallennaTurvallisesti(kohde, tavut.data(), tavut.size())) {
        fprintf(stderr, "tavio-track: %s: cannot be written\n", kohde);
        return 1;
    }
    printf("%s: %zu bubbles\n", kohde, kuplat.size());
    return 0;
}

// The plane of the data folder named `nimi` (its PP name or its file name).
bool ValitseKone(const char* nimi, std::string& kuvaus, double& kaanto) {
    LISTAN_OSIO osio;
    LataaListanOsio("PAPERPLANE", false, osio);
    bool loytyi = false;
    std::string koneet;
    for (int i = 0; i < osio.Maara && !loytyi; i++) {
        char polku[POLUN_PITUUS + 1];
        if (!OsionPolku(LENNOKKIKANSIO, osio.Tiedostot[i], polku)) continue;
        std::unique_ptr<PAPERPLANE> p(new PAPERPLANE);
        p->Alusta(polku);
        std::string tiedosto = osio.Tiedostot[i];
        std::string runko = tiedosto.substr(0, tiedosto.rfind('.'));
        koneet += std::string(koneet.empty() ? "" : ", ") + p->name + " (" + tiedosto + ")";
        if (strcmp(p->name, nimi) == 0 || tiedosto == nimi || runko == nimi) {
            kuvaus = std::string(p->name) + " (PP/" + tiedosto + ")";
            kaanto = p->massDistribution;
            loytyi = true;
        }
    }
    osio.Vapauta(true);
    if (!loytyi)
        fprintf(stderr, "tavio-track: no plane %s in the data folder; the planes: %s\n", nimi,
                koneet.empty() ? "none" : koneet.c_str());
    return loytyi;
}

int Lenna(const char* polku, const char* kone, const char* kansio) {
    std::vector<RATAKUPLA> kuplat;
    bool puhdas = true;
    if (!LueRata(polku, kuplat, puhdas)) return 1;
    std::string kuvaus = "every plane (they share the one flight model)";
    double kaanto = 0;
    if (kone) {
        std::string virhe;
        if (!KaytaDatakansiota(kansio, virhe)) {
            fprintf(stderr, "tavio-track: %s\n", virhe.c_str());
            return 2;
        }
        if (!ValitseKone(kone, kuvaus, kaanto)) return 2;
    }
    printf("%s: %zu bubbles, flown by the scripted pilot from the game's start "
           "(-100, 100, 0), heading +z\nplane: %s\n",
           Nimi(polku), kuplat.size(), kuvaus.c_str());
    if (kaanto != 0)
        printf("note: its MASSAJAKAUMA %g starts the flight turning, as in the first flight of "
               "a run; later flights start from the turn the last one left\n",
               kaanto);
    KUPLALENTO lento = LennaKuplille(kuplat, OHJAAJA{}, 1800, 0, kaanto);
    printf("bubble  reached  update  time (s)  turn (deg)\n");
    for (size_t i = 0; i < kuplat.size(); i++) {
        const KUPLAN_SAAVUTUS& s = lento.Kuplat[i];
        if (s.Saavutettu)
            printf("%6zu  yes      %6d  %8.2f  %10.1f\n", i + 1, s.Ruutu,
                   s.Ruutu / PAIVITYKSIA_SEKUNNISSA, s.Kaannos);
        else
            printf("%6zu  no            -         -  %10.1f\n", i + 1, s.Kaannos);
    }
    bool kaikki = lento.Saavutettu == (int)kuplat.size();
    if (kaikki) {
        printf("par: %.2f s (%d updates at 60 a second)\n", lento.Ruutuja / PAIVITYKSIA_SEKUNNISSA,
               lento.Ruutuja);
    } else {
        printf("bubble %d was not reached (after %d updates the plane was on the ground or "
               "had not found it for 30 s): no par\n",
               lento.Saavutettu + 1, lento.Ruutuja);
    }
    return kaikki && puhdas ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
        Kaytto(stdout);
        return 0;
    }
    if (argc == 3 && strcmp(argv[1], "dump") == 0) return Pura(argv[2]);
    if (argc == 4 && strcmp(argv[1], "build") == 0) return Rakenna(argv[2], argv[3]);
    if (argc >= 3 && strcmp(argv[1], "fly") == 0) {
        const char* kone = nullptr;
        const char* kansio = nullptr;
        bool ok = true;
        for (int i = 3; i < argc && ok; i++) {
            if (strcmp(argv[i], "--plane") == 0 && i + 1 < argc && !kone)
                kone = argv[++i];
            else if (strcmp(argv[i], "--data") == 0 && i + 1 < argc && !kansio)
                kansio = argv[++i];
            else
                ok = false;
        }
        if (ok) return Lenna(argv[2], kone, kansio);
    }
    Kaytto(stderr);
    return 2;
}
