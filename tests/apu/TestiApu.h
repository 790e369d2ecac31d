// Helpers shared by the tests: a hand-driven clock, temporary working folders
// and small file writers.
#pragma once

#include <SDL_events.h>
#include <SDL_types.h>
#include <functional>
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

// The events a test hands the game's frame loop: queued here, and read by its
// input step (KehyksenSyote) as from SDL's queue; with a window and nothing
// queued, SDL's own queue.
void JonoonTapahtuma(const SDL_Event& e);
int LueTestiTapahtuma(SDL_Event* e);

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

// Runs `tehtava` in a child process and gives its exit code (-1 when it did not
// exit). The child first gets a mount namespace of its own, so that the mounts it
// makes vanish with it; EI_KIINNITYKSIA when the machine does not allow that.
enum { EI_KIINNITYKSIA = 77 };
int OmassaNimiavaruudessa(const std::function<int()>& tehtava);
// Mounts (in the caller's namespace): a tmpfs of `tavua` bytes on `kansio`, and
// `kansio` read-only on itself. False when not permitted.
bool KiinnitaPieniLevy(const std::string& kansio, unsigned long tavua);
bool KiinnitaVainLuku(const std::string& kansio);
// Fills the file system of `kansio` with one file until nothing more fits.
void TaytaLevy(const std::string& kansio);
