// The command line, read before any SDL call so that --help, --version and a
// usage error need no display, and the start-up choice of the game's folders.
#pragma once

#include "files/Kansiot.h"

enum KOMENTO {
    PELAA,  // start the game
    OHJE,   // --help
    VERSIO, // --version
    VAARIN, // anything the game does not know
};

// Reads the arguments. `data` is the DIR of --data (nullptr without it);
// `vaarin` the argument that was not understood.
KOMENTO LueKomentorivi(int argc, char** argv, const char*& data, const char*& vaarin);

// Where the game looks for its data, in its order, with `data` the --data DIR
// (nullptr without it). The players' tools look the same way.
DATAN_PAIKKA EtsiPelinData(const char* data);

// Everything before the game opens its window: the command line, the data
// folder and the folder of the saves (handed to AsetaTiedostojenPaikka).
// -1 when the game is to start; otherwise the process's exit code: 0 after
// --help or --version (on stdout), 2 after a usage error (usage on stderr), 1
// when no place holds the data (the places tried on stderr).
int Kaynnistys(int argc, char** argv);
