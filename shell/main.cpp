// The entry of the game: the game record's start-up, its frame loop, its end.
#include "shell/Peli.h"

int SDL_main(int argc, char** argv) {
    PELI peli;
    const int lopetus = peli.Alusta(argc, argv);
    if (lopetus >= 0) return lopetus;
    while (peli.Askel()) {
    }
    peli.Lopeta();
    peli.Vapauta();
    SDL_Quit();
    return 0;
}

int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
