// The entry of the game: start-up, the frame loop and shutdown. Every piece of
// game state lives here as a local and is handed to the screens by reference.
#include "foundation/AikaFunktiot.h"
#include "foundation/PerusFunktiot.h"
#include "foundation/SyottolaiteFunktiot.h"
#include "shell/Asetukset.h"

#include <GL/glew.h>
#include <cstdlib>
#include <ctime>

int SDL_main(int, char**) {
    // ---- Start-up ----
    srand((unsigned)time(nullptr));
    ASETUKSET asetukset;
    LataaAsetukset(ASETUSTIEDOSTO, asetukset);
    const RESOLUUTIO& tila = RESOLUUTIOT[asetukset.resoluutio];
    int liput = SDL_HWSURFACE | SDL_OPENGL;
    if (asetukset.kokoNaytto) liput |= SDL_FULLSCREEN;
    asetukset.turbo = false;
    AlustaOGLjaSDL((Uint16)tila.leveys, (Uint16)tila.korkeus, liput, "The Tavio");

    NAPPAIMET nappaimet;
    HIIRI hiiri;
    AlustaSyottolaiteMoottori(nappaimet, hiiri, (Uint16)tila.leveys, (Uint16)tila.korkeus);
    AIKA aika;
    aika.Alusta();

    // ---- Frame loop ----
    SDL_Event tapahtuma;
    tapahtuma.type = SDL_NOEVENT;
    bool lopetus = false;
    Uint32 loppuleima = AnnaTikit();
    while (!lopetus) {
        // The last event of the previous frame is handled once more: that is what
        // ages pressed and released states once per frame.
        do {
            if (tapahtuma.type == SDL_QUIT)
                lopetus = true;
            else
                PaivitaSyottolaiteMoottori(nappaimet, hiiri, tapahtuma);
        } while (SDL_PollEvent(&tapahtuma));
        if (nappaimet.NapinTila(NAPPI_Q) == POHJASSA && nappaimet.NapinTila(NAPPI_ESC) == POHJASSA)
            lopetus = true;
        aika.Paivita();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        loppuleima = AnnaTikit();
    }

    // ---- Shutdown ----
    OdotaKunnes(loppuleima, 5000);
    TallennaAsetukset(ASETUSTIEDOSTO, asetukset);
    SDL_Quit();
    return 0;
}

int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
