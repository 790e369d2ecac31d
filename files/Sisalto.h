// The game's content by name, and the numbers its rules share with the content:
// what the game, the content checker, the content generator and the players'
// tools all go by. Paths are written as the game writes them (backslashes, from
// the folder that holds Tiedostot). The planes are not named here: the game
// takes them from the load list, which the generator writes from its own table.
#pragma once

#include <SDL_types.h>

// ---- Lists and the font ----
constexpr const char* LATAUSLISTA = "Tiedostot\\LatausLista.txt";
constexpr const char* LEVEYSTIEDOSTO = "Tiedostot\\Fontit\\MerkkienLeveydet.txt";
// The folders of the load list's sections.
constexpr const char* MALLIKANSIO = "Tiedostot\\3D Mallit";
constexpr const char* TEKSTUURIKANSIO = "Tiedostot\\Tekstuurit";
constexpr const char* LENNOKKIKANSIO = "Tiedostot\\PP";
// Textures the game asks for by name (the load list must name them).
constexpr const char* FONTIN_TEKSTUURI = "Fontti";
constexpr const char* OSOITTIMEN_TEKSTUURI = "Osoitin";
constexpr const char* HAAMUN_TEKSTUURI = "Haamu";

// ---- The scenery and the blowers ----
constexpr const char* MUSEON_OBJEKTI = "Tiedostot\\Objektit\\Museo.txt";
constexpr const char* PIHAN_OBJEKTI = "Tiedostot\\Objektit\\Piha.txt";
constexpr const char* PUHALTAJAN_OBJEKTI = "Tiedostot\\Objektit\\Puhaltaja.txt";
// The museum and the yard are drawn at ten times their models' size.
constexpr double MAISEMAN_SKAALA = 10.0;

// ---- The museum's bounds (model units: MAISEMAN_SKAALA world units each) ----
// The generator builds the museum to these and the scripted pilots keep clear
// of what they bound. It stands north of the yard, its front to the south and its
// middle on x = 0: a building on a plinth, a portico with a gable before it, and
// over its roof a drum, a dome and a lantern on one upright axis.
constexpr double MUSEON_LEVEYS = 19;  // half the plinth's width: the widest part (x)
constexpr double MUSEON_ETU = 54.6;   // the foot of the front steps (z)
constexpr double MUSEON_TAKA = 76;    // the back of the plinth (z)
constexpr double MUSEON_KATTO = 13.2; // the roof's ridge (y)
constexpr double PAADYN_LEVEYS = 9.3; // half the width of the gable's roof (x)
constexpr double PAADYN_TAKA = 62;    // where the gable's roof meets the roof (z)
constexpr double PAADYN_HARJA = 14;   // the gable's ridge, above the roof's (y)
constexpr double KUPOLIN_Z = 67.5;    // the upright axis of the drum, the dome and the lantern
constexpr double RUMMUN_SADE = 4.6;   // the drum
constexpr double RUMMUN_LAATTA = 4.9; // half the side of the square slab that tops the drum
constexpr double KUPOLIN_ALKU = 15.7; // the top of the slab, where the dome rises (y)
constexpr double KUPOLIN_SADE = 4.7, KUPOLIN_MADALLUS = 0.85; // the dome, its height a share of it
constexpr double LYHDYN_SADE = 0.9;    // the lantern's widest, the foot of its spire
constexpr double LYHDYN_HUIPPU = 22.6; // the tip of the spire: the museum's top (y)

// ---- Bubbles ----
// A model's far version, drawn where it covers a few pixels, is named as the model
// with this after the name (a bubble has two: "Kupla1Kaukana" and that one's).
#define KAUKAINEN_PAATE "Kaukana"
enum { KUPLALAJEJA = 4, KISAKUPLAN_LAJI = 3 };
// Bubble kinds 0..3 by their object files: the file numbers do not follow the kinds.
constexpr const char* KUPLIEN_OBJEKTIT[KUPLALAJEJA] = {
    "Tiedostot\\Objektit\\Kupla2.txt",
    "Tiedostot\\Objektit\\Kupla1.txt",
    "Tiedostot\\Objektit\\Kupla4.txt",
    "Tiedostot\\Objektit\\Kupla3.txt",
};
// The font's glyphs of the bubble kinds, the last codes of the font (the HUD
// shows the wanted kind with them).
constexpr unsigned char KuplanMerkki(int laji) {
    return (unsigned char)(256 - KUPLALAJEJA + laji);
}
// A bubble is reached when the plane comes within this many times its scale of
// it; a bubble's model has that radius.
constexpr double KUPLAN_ULOTTUMA = 2.25;
// Every race bubble is a kind-3 bubble at this scale.
constexpr double KISAKUPLAN_SKAALA = 4.0;
// A race bubble reached gives the boost its track file holds, times this.
constexpr double KISABOOSTIN_KERROIN = 1.2;

// ---- Sound ----
// The five sound effects by what they are played for (the digit keys 1..5 of
// the menus play them too).
enum AANI {
    AANI_EI_SIJAA = 0, // a result out of the Top-20 (aani1)
    AANI_LOPPU = 1,    // a flight ends; the bonus that clears every bubble (aani2)
    AANI_KOLME = 2,    // only the key 3 (aani3)
    AANI_KUPLA = 3,    // a wanted bubble picked, a race bubble reached (aani4)
    AANI_SIJA = 4,     // a result in the Top-20 (aani5)
    AANIA = 5,
};
constexpr const char* AANITIEDOSTOT[AANIA] = {
    "Tiedostot\\Kuuluva\\aani1.ogg", "Tiedostot\\Kuuluva\\aani2.ogg",
    "Tiedostot\\Kuuluva\\aani3.ogg", "Tiedostot\\Kuuluva\\aani4.ogg",
    "Tiedostot\\Kuuluva\\aani5.ogg",
};
constexpr const char* VALIKKOMUSIIKKI = "Tiedostot\\Kuuluva\\intro.ogg";
constexpr const char* LENTOMUSIIKKI = "Tiedostot\\Kuuluva\\demoni.ogg";

// ---- Race tracks: game types 1..6 are tracks A..F ----
enum { RATOJA = 6 };
constexpr const char* RATATIEDOSTOT[RATOJA] = {
    "Tiedostot\\Muu Data\\BubbleRaceA.dat", "Tiedostot\\Muu Data\\BubbleRaceB.dat",
    "Tiedostot\\Muu Data\\BubbleRaceC.dat", "Tiedostot\\Muu Data\\BubbleRaceD.dat",
    "Tiedostot\\Muu Data\\BubbleRaceE.dat", "Tiedostot\\Muu Data\\BubbleRaceF.dat",
};
// The player's best completed race of each track (saves, not content).
constexpr const char* HAAMUTIEDOSTOT[RATOJA] = {
    "Tiedostot\\Muu Data\\HaamuA.dat", "Tiedostot\\Muu Data\\HaamuB.dat",
    "Tiedostot\\Muu Data\\HaamuC.dat", "Tiedostot\\Muu Data\\HaamuD.dat",
    "Tiedostot\\Muu Data\\HaamuE.dat", "Tiedostot\\Muu Data\\HaamuF.dat",
};
// The track letter of game type 1..6 ('A'..'F').
constexpr char RadanKirjain(int pelityyppi) {
    return (char)('A' + pelityyppi - 1);
}

// ---- The flight start ----
// Every flight starts here (world units), pushed along the nose by LENNON_TYONTO
// (world units per step) on its first step.
constexpr double LENNON_ALKU_X = -100, LENNON_ALKU_Y = 100, LENNON_ALKU_Z = 0;
constexpr double LENNON_TYONTO = 0.5;
