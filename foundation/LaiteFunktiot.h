// The devices: the window with its OpenGL state, and sound.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

// AvaaIkkuna opens the window at the desktop depth (SDL video must be up) and
// tells whether it is a real OpenGL window; false, with SDL_GetError() saying
// why, when the mode cannot be opened or the video driver gives no OpenGL (a
// text console, say). ViimeisteleAlustus then does the rest: caption, hidden
// cursor, grabbed input, SDL audio and the mixer at 22050 Hz stereo with
// 4096-sample chunks and 100 channels (a missing sound device leaves the game
// silent), the GL state and the extension loader.
bool AvaaIkkuna(Uint16 leveys, Uint16 korkeus, int liput);
void ViimeisteleAlustus(Uint16 leveys, Uint16 korkeus, const char* otsikko);
// The fixed GL state every frame starts from.
void AlustaOpenGL(Uint16 leveys, Uint16 korkeus);
// SDL video, AvaaIkkuna and ViimeisteleAlustus in one (false when the window
// cannot be opened).
bool AlustaOGLjaSDL(Uint16 leveys, Uint16 korkeus, int liput, const char* otsikko);

// Decodes a sound file (a real path) once; nullptr when it cannot be read.
Mix_Chunk* LataaAaniTiedosto(const char* polku);
// Plays a sound once on the first free mixer channel and sets that channel's
// volume (0..128). A sound that failed to load, or no free channel, plays nothing
// and changes no channel's volume. Returns the channel or -1.
int SoitaAani(Mix_Chunk* aani, int voimakkuus);
