// Helpers shared by the tests: a hand-driven clock, temporary working folders
// and small file writers.
#pragma once

#include <SDL_types.h>
#include <string>
#include <vector>

// Replaces the game's clock while it lives. Reads return the set time; with an
// automatic step every read also advances it, so busy waits end.
struct VALEKELLO {
    explicit VALEKELLO(Uint32 alku = 1000, Uint32 askel = 0);
    ~VALEKELLO();
    void Aseta(Uint32 ms);
    void Siirra(Uint32 ms);
    Uint32 Nyt() const;
};

// A fresh temporary folder that the test runs in (chdir); removed afterwards.
struct TYOKANSIO {
    TYOKANSIO();
    ~TYOKANSIO();
    std::string polku;
    std::string vanha;
};

void KirjoitaTiedosto(const std::string& polku, const std::string& sisalto);
void KirjoitaTiedosto(const std::string& polku, const std::vector<Uint8>& tavut);
std::vector<Uint8> LueTiedosto(const std::string& polku);
// Creates every folder on the way (with '/' separators).
void TeeKansiot(const std::string& polku);
// The source tree and the build tree of the tests (from the environment CTest sets).
std::string LahdeKansio();
std::string KoontiKansio();
