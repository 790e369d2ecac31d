// tavio-check: reads a data folder as the game does at start-up and tells the
// player every file the game would fall back on, and what it would do instead.
#include "tools/tarkistin/Tarkistin.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void Kaytto(FILE* f) {
    fputs("Usage: tavio-check [--json] [DATA_FOLDER]\n"
          "\n"
          "Reads everything The Tavio reads at start-up (the load list, the textures,\n"
          "the models, the font, the object and plane files, the sounds) and the six\n"
          "race tracks, through the game's own readers and in the game's order, and\n"
          "prints each problem as\n"
          "  file:line: what is wrong \xE2\x80\x94 what the game will do\n"
          "DATA_FOLDER is the folder that holds Tiedostot (default: the one the game would\n"
          "use: $TAVIO_DATA, the working directory, beside the installed game).\n"
          "\n"
          "  --json   the same findings as a JSON array\n"
          "  --help   this text\n"
          "\n"
          "Exit status: 0 when the game loads everything as written (notes only),\n"
          "1 when something falls back, 2 for a usage error.\n",
          f);
}

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    const char* kansio = nullptr;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--help") == 0 || strcmp(argv[i], "-h") == 0) {
            Kaytto(stdout);
            return 0;
        }
        if (strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (argv[i][0] == '-' && argv[i][1]) {
            fprintf(stderr, "tavio-check: unknown option %s\n", argv[i]);
            Kaytto(stderr);
            return 2;
        } else if (kansio) {
            fprintf(stderr, "tavio-check: one data folder only\n");
            Kaytto(stderr);
            return 2;
        } else {
            kansio = argv[i];
        }
    }
    std::string virhe;
    if (!KaytaDatakansiota(kansio, virhe)) {
        fprintf(stderr, "tavio-check: %s\n", virhe.c_str());
        return 2;
    }
    // A folder without Tiedostot is the wrong folder, not a broken one.
    if (access("Tiedostot", F_OK) != 0) {
        fprintf(stderr, "tavio-check: no folder Tiedostot in %s: name the folder that holds it\n",
                kansio ? kansio : "the folder the game would use");
        return 2;
    }
    TARKISTUS t = TarkistaData();
    if (json) {
        fputs(LoydoksetJsonina(t).c_str(), stdout);
    } else {
        for (const LOYDOS& l : t.Loydokset) printf("%s\n", LoydosTekstina(l).c_str());
    }
    return t.Tila();
}
