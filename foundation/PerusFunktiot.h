// Window, OpenGL and audio set-up, the game's random numbers, number texts and
// the string cutter of the text-file readers.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

// Opens the window, OpenGL state, the mixer and the extension loader, in this order:
// AlustaSDL, AlustaOpenGL, glewInit.
void AlustaOGLjaSDL(Uint16 leveys, Uint16 korkeus, int liput, const char* otsikko);
// SDL video, window (desktop depth), caption, hidden cursor, grabbed input,
// SDL audio, mixer at 22050 Hz stereo with 4096-sample chunks, 100 channels.
void AlustaSDL(Uint16 leveys, Uint16 korkeus, int liput, const char* otsikko);
// The same two steps for a caller that checks them: AvaaIkkuna opens the window
// (SDL video must be up) and tells whether it is a real OpenGL window; false,
// with SDL_GetError() saying why, when the mode cannot be opened or the video
// driver gives no OpenGL (a text console, say). ViimeisteleAlustus then does the
// rest of AlustaOGLjaSDL: caption, cursor, grab, audio (a missing sound device
// leaves the game silent), the GL state and the extension loader.
bool AvaaIkkuna(Uint16 leveys, Uint16 korkeus, int liput);
void ViimeisteleAlustus(Uint16 leveys, Uint16 korkeus, const char* otsikko);
// The fixed GL state every frame starts from.
void AlustaOpenGL(Uint16 leveys, Uint16 korkeus);

// Inclusive random integer a..b from the C library generator (values 0..32767):
// a + rand() mod (b - a + 1). A range wider than 32768 only ever gives a..a+32767.
int Sattuma(int a, int b);

// Decimal text of n. The text stays valid until the next call of this form.
char* LukuSanaksi(int n);
// x with `desimaalit` digits after the point, as significant digits: 59.876 with 2
// gives "59.88", 0.5 gives "0.5", 1234.5 gives "1234.5". Valid until the next call.
char* LukuSanaksi(double x, int desimaalit);
// Writes the same text into a caller's buffer (at least 64 bytes).
void LukuSanaksi(double x, int desimaalit, char* ulos, int koko);

// Ends the text at the first c (that byte becomes the terminating zero).
void PyyhiLoppu(char* teksti, char c);

// A number of a text file, read as the game's files have always been read:
// leading white space, an optional sign, decimal digits with an optional point
// and exponent, the rest ignored; text with no number gives 0, and so do the
// forms a player never writes by accident but some C libraries take ("nan",
// "inf", hexadecimal), so a file can never give a not-a-number. Past the range
// of a double it gives plus or minus infinity, as the C library does. `loppu`,
// when given, is set to the first character not read (`teksti` itself when
// there is no number).
double TekstiLuvuksi(const char* teksti, const char** loppu = nullptr);

// Plays a sound once on the first free mixer channel and sets that channel's
// volume (0..128). A sound that failed to load, or no free channel, plays nothing
// and changes no channel's volume. Returns the channel or -1.
int SoitaAani(Mix_Chunk* aani, int voimakkuus);
