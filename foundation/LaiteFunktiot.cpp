// The window, its OpenGL state and the sound device.
#include "foundation/LaiteFunktiot.h"

#include <GL/glew.h>
#include <GL/glu.h>

namespace {

void AlustaIkkunanPalvelut(const char* otsikko) {
    SDL_WM_SetCaption(otsikko, "");
    // The game draws its own pointer; with the system cursor hidden and the input
    // grabbed, SDL keeps reporting relative motion at the window's edges, which
    // the mouse steering of a flight needs.
    SDL_ShowCursor(SDL_DISABLE);
    SDL_WM_GrabInput(SDL_GRAB_ON);
    SDL_Init(SDL_INIT_AUDIO);
    Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096);
    Mix_AllocateChannels(100);
}

} // namespace

bool AlustaOGLjaSDL(Uint16 leveys, Uint16 korkeus, int liput, const char* otsikko) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0 || !AvaaIkkuna(leveys, korkeus, liput)) return false;
    ViimeisteleAlustus(leveys, korkeus, otsikko);
    return true;
}

bool AvaaIkkuna(Uint16 leveys, Uint16 korkeus, int liput) {
    SDL_Surface* ikkuna = SDL_SetVideoMode(leveys, korkeus, 0, (Uint32)liput);
    if (!ikkuna) return false;
    // A driver without OpenGL may still hand out a surface; only a current GL
    // context that answers counts.
    if (!(ikkuna->flags & SDL_OPENGL) || !glGetString(GL_VERSION)) {
        char ajuri[32] = "?";
        SDL_VideoDriverName(ajuri, sizeof ajuri);
        SDL_SetError("the video driver '%s' gives no OpenGL window", ajuri);
        return false;
    }
    return true;
}

void ViimeisteleAlustus(Uint16 leveys, Uint16 korkeus, const char* otsikko) {
    AlustaIkkunanPalvelut(otsikko);
    AlustaOpenGL(leveys, korkeus);
    glewInit();
}

void AlustaOpenGL(Uint16 leveys, Uint16 korkeus) {
    glViewport(0, 0, leveys, korkeus);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearDepth(1.0);
    glEnable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    gluPerspective(70.0, (double)leveys / (double)korkeus, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

Mix_Chunk* LataaAaniTiedosto(const char* polku) {
    // The mixer closes the file stream itself.
    SDL_RWops* virta = SDL_RWFromFile(polku, "rb");
    return virta ? Mix_LoadWAV_RW(virta, 1) : nullptr;
}

int SoitaAani(Mix_Chunk* aani, int voimakkuus) {
    if (!aani) return -1;
    int kanava = Mix_PlayChannelTimed(-1, aani, 0, -1);
    // A failed play must not reach Mix_Volume(-1, ...), which sets every channel.
    if (kanava >= 0 && voimakkuus >= 0) Mix_Volume(kanava, voimakkuus);
    return kanava;
}
