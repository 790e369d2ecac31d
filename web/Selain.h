// The browser build's hooks into the game. Each is called from one place of the
// game's own code, inside #ifdef __EMSCRIPTEN__, and is defined only in web/:
// the desktop game never sees them.
#pragma once

struct ASETUKSET;
struct PISTEET;

// At the end of every frame pass, after the frame is drawn: stores what changed
// in the settings and the score tables, asks the page for full screen when the
// video setup's choice changed, and hands the browser its turn until the next
// step is due (at most 60 a second, whatever the display's rate).
void SelainKehys(ASETUKSET& asetukset, const PISTEET* pisteet);

// Inside the game's busy waits (the hold before a flight, the credits, the
// per-frame delay): the browser gets its turn, so that the page stays alive and
// what was drawn is shown.
void SelainOdotus();
