// Drives one run of the real game binary the way a person does: real X input
// through the XTest extension, the window closed with a WM_DELETE_WINDOW
// message, screenshots read back from the X server. Needs an X server (Xvfb).
//
// The game grabs the mouse and hides the system cursor, so SDL reports relative
// motion and keeps its own pointer, clamped to the window. The driver therefore
// homes the pointer in the top-left corner and moves from there in small steps.
#pragma once

#include "graphics/GrafiikkaMoottori.h"

// Xlib is kept out of this header: its macros clash with the test framework.
struct _XDisplay;

#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

struct SUORAKULMIO {
    double x = 0, y = 0, leveys = 0, korkeus = 0; // screen units (1280 x 1024, y up)
    double KeskiX() const { return x + leveys / 2; }
    double KeskiY() const { return y + korkeus / 2; }
};

// One piece of a text as a screen adds it: the text, its line, and whether it
// is a menu item.
struct KAPPALE {
    std::string teksti;
    int rivi;
};

struct PELIAJO {
    std::string peli;       // the game binary
    std::string kansio;     // working folder holding a copy of Tiedostot
    std::string artefaktit; // where screenshots are kept
    pid_t pid = 0;
    _XDisplay* d = nullptr;
    unsigned long ikkuna = 0;    // X window id
    int leveys = 0, korkeus = 0; // window, pixels
    GRAFIIKKA asettelu;          // the game's own text layout, with the data set's font

    // Set before Kaynnista:
    // a command the game runs under (valgrind and its options), empty for none;
    std::vector<std::string> kaare;
    // more AddressSanitizer options for the game ("name=value:...");
    std::string asanLisat;
    // run in the game's process after it has entered its folder, before the game
    // starts (mounts, limits); false stops the start (exit code 126);
    std::function<bool()> ennenPelia;
    // count the frames the game presents (the frame counter is preloaded into
    // it), so that every wait of the driver is a number of frames, not a time:
    // a busy machine draws fewer frames a second, and the script still holds;
    bool laskeKehykset = true;
    // kill the game at this point of its saving (0: never; see apu/TestiKoukut.c).
    int kaatumiskohta = 0;
    // run the game in step with the driver (with the frame counter): it presents
    // a frame only when a wait for frames allows it, and each frame sees all the
    // input sent before it was allowed (see apu/TestiKoukut.c).
    bool tahdistetty = false;
    // seed the game's random generator with this (0: as the game seeds it).
    unsigned siemen = 0;

    PELIAJO();
    ~PELIAJO();
    // Makes the working folder from the build's data set.
    bool Valmistele();
    // The same X server state for every run that must match another: the pointer
    // in the middle of the screen and no key repeat (a key held across a slow
    // frame would repeat). Before Kaynnista.
    void TasainenAlku();
    bool Kaynnista();
    // Frames presented so far (0 without the counter), and the game's resident
    // memory in kB (0 when it has ended).
    uint64_t Kehykset() const;
    long MuistiKb() const;
    // The game has ended (it is not reaped here).
    bool Loppunut() const;
    // Waits until `n` more frames have been presented (false at the time limit
    // or when the game has ended).
    bool OdotaKehyksia(uint64_t n, double sekuntia = 120);
    // Waits for the window to be mapped and to have drawn something.
    bool OdotaIkkuna(double sekuntia = 60);
    // In step: lets the game run freely from now on (for its credits and exit).
    void Tahditon();

    // Input.
    void Kotiin();
    void Osoita(double x, double y); // screen units
    void Liiku(int dx, int dy);      // one relative motion, pixels
    void Siirra(int dx, int dy);     // relative motion in steps the game sees whole
    void Klikkaa(int nappi = 1);
    void KlikkaaKohtaa(const SUORAKULMIO& r, int nappi = 1);
    void Nappain(const char* keysym, bool alas);
    void Nappi(int nappi, bool alas); // a mouse button, X numbering (1 left, 2 middle, 3 right)
    void Osoitin(int& x, int& y);     // where the X pointer is in the window (pixels)
    void Paina(const char* keysym, int pitoMs = 120);
    // With the frame counter: waits until four more frames have been presented.
    void Kehyksittain();
    // Waits until the game has presented `n` more frames, so that it has handled
    // all input sent before (with the frame counter; a time otherwise).
    void Kehyksia(uint64_t n);
    static void Odota(int ms);

    // Where the game draws piece `kohta` of a text laid out as the screen does
    // (or only its glyph number `merkki`, counting from 0).
    SUORAKULMIO Paikka(const std::vector<KAPPALE>& kappaleet, size_t kohta, double x, double y,
                       KESKITYSTAPA tapa, double koko, int merkki = -1);

    // Screenshots: pixels of the window, saved as PNG into the artefacts.
    std::vector<unsigned char> Kuva(); // RGB rows, top row first
    bool Tallenna(const std::string& nimi);
    // Pixels brighter than the dark background inside a screen rectangle.
    int KirkkaatPikselit(const std::vector<unsigned char>& kuva, const SUORAKULMIO& r);
    // A flight (or its pause) fills the window with the scene; every other screen
    // is text and the odd model on black.
    bool LentoNakyy();
    // Waits, looking at the window again and again, until a flight is shown (or
    // no longer shown); false when the game ends first or at the time limit.
    bool OdotaLentoa(bool nakyy, double sekuntia = 120);

    // Closing and the end.
    void Sulje();
    // Exit code, or -1 when the game did not end in time (it is then killed).
    int OdotaLoppu(double sekuntia);
    // Kills the game at once (SIGKILL) and reaps it.
    void Tapa();
    std::vector<unsigned char> LueTiedosto(const std::string& suhteellinen);
    // The sanitizer's leak reports whose stacks pass through the game's own
    // sources (empty when there are none), and what the game wrote to stderr.
    std::string OmatVuodot();
    std::string Virheet();

  private:
    volatile uint64_t* kehyksia = nullptr; // the frame counter, shared with the game
    volatile uint64_t* sallittu = nullptr; // frames allowed, in step
};
