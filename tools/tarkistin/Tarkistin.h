// The content checker: reads the data folder the way the game does at start-up,
// through the game's own readers and in the game's order, and turns what each
// reader fell back on into a message for the player.
#pragma once

#include "files/LukuHuomiot.h"

#include <string>
#include <vector>

// One problem: where, what is wrong, and what the game will do about it.
struct LOYDOS {
    std::string Tiedosto; // path below the data folder, with '/' ("Tiedostot/PP/Oma.txt")
    int Rivi = 0;         // line of a text file (from 1); 0: the whole file
    long long Kohta = -1; // byte offset in a binary file; -1: none
    std::string Vika;     // what is wrong
    std::string Seuraus;  // what the game will do
    // The game reads the file as its maker meant all the same (a note: it does
    // not make the exit status 1).
    bool Huomautus = false;
};

struct TARKISTUS {
    std::vector<LOYDOS> Loydokset;
    // Exit status: 0 when the game loads everything as written, 1 when something falls back.
    int Tila() const;
};

// What a file is to the game, for the messages.
enum TIEDOSTON_LAJI {
    LAJI_LISTA,
    LAJI_LEVEYDET,
    LAJI_TEKSTUURI,
    LAJI_MALLI,
    LAJI_OBJEKTI,
    LAJI_LENNOKKI,
    LAJI_RATA
};

struct TIEDOSTON_ROOLI {
    TIEDOSTON_LAJI Laji;
    std::string Nimi; // the texture's or model's name, or what the object is ("the museum")
    const char* const* Avaimet = nullptr; // a keyword file's keys (to the null), for suggestions
};

// The folder the game would read its data from: `annettu` when given, else the
// one the game finds itself (TAVIO_DATA, the working directory, beside the
// installed game, the install prefix). The tools work from there (the game's paths are relative to
// it). False, with the reason, when the folder cannot be entered.
bool KaytaDatakansiota(const char* annettu, std::string& virhe);

// Checks the data folder in the working directory.
TARKISTUS TarkistaData();

// What the game does when the file itself is lost to it (missing or refused).
std::string IlmanTiedostoa(const TIEDOSTON_ROOLI& rooli);

// The findings of one reader on one file, as messages.
void LisaaHuomiot(TARKISTUS& t, const std::string& tiedosto, const TIEDOSTON_ROOLI& rooli,
                  const LUKUHUOMIOT& huomiot);

// "file:line: what is wrong — what the game will do".
std::string LoydosTekstina(const LOYDOS& l);
// A JSON array of the findings, one object each.
std::string LoydoksetJsonina(const TARKISTUS& t);
// A file's text (Windows-1252 as the game reads it, or UTF-8) as UTF-8, in quotes.
std::string Lainaus(const std::string& teksti);
// " (did you mean "X"?)" with the closest of `nimet` to `nimi` (the case of the
// letters and spaces at the ends count as nothing, and a few typing slips), or "".
std::string Ehdotus(const std::string& nimi, const std::vector<std::string>& nimet);
