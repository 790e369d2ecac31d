#include "shell/Asetukset.h"

#include "files/TiedostoFunktiot.h"
#include "foundation/LaiteFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cstdio>

const RESOLUUTIO RESOLUUTIOT[6] = {
    {"640 x 480", 640, 480},   {"800 x 600", 800, 600},     {"1024 x 768", 1024, 768},
    {"1280 x 800", 1280, 800}, {"1280 x 1024", 1280, 1024}, {"1600 x 1200", 1600, 1200},
};

const char PELITYYPIT[PELITYYPPEJA][64] = {
    "Survivor",
    "Bubble race - Anach",
    "Bubble race - Brandir",
    "Bubble race - Ceorl",
    "Bubble race - Dr\372ath", // \372 = 0xFA (u acute); octal, as "\xFAath" would read on
    "Bubble race - Elenw\xEB",
    "Bubble race - Finduilas",
};

const char* const ASETUSTIEDOSTO = "Tiedostot\\Muu Data\\Setup.sav";

void ASETUKSET::Tavuiksi(Uint8 ulos[ASETUSTIEDOSTON_KOKO]) const {
    Uint32 r = (Uint32)resoluutio;
    Uint8 ri[4] = {(Uint8)r, (Uint8)(r >> 8), (Uint8)(r >> 16), (Uint8)(r >> 24)};
    const Uint8 tavut[ASETUSTIEDOSTON_KOKO] = {ri[0],      ri[1],      ri[2], ri[3],
                                               kokoNaytto, ri[0],      ri[1], ri[2],
                                               varattu,    kokoNaytto, ri[0], ri[1]};
    for (int i = 0; i < ASETUSTIEDOSTON_KOKO; i++) ulos[i] = tavut[i];
}

void ASETUKSET::Tavuista(const Uint8* tavut, size_t n) {
    if (n >= 4) {
        Sint32 r = (Sint32)((Uint32)tavut[0] | (Uint32)tavut[1] << 8 | (Uint32)tavut[2] << 16 |
                            (Uint32)tavut[3] << 24);
        if (r >= 0 && r < 6) resoluutio = r;
    }
    if (n >= 5) kokoNaytto = tavut[4] ? 1 : 0;
    if (n >= 9) varattu = tavut[8];
}

namespace {

int Liput(const ASETUKSET& a) {
    int liput = SDL_HWSURFACE | SDL_OPENGL;
    if (a.kokoNaytto) liput |= (int)SDL_FULLSCREEN;
    return liput;
}

} // namespace

bool AvaaPelinIkkuna(ASETUKSET& a, int& leveys, int& korkeus) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        fprintf(stderr, "tavio: cannot start the video: %s\n", SDL_GetError());
        return false;
    }
    // Frames follow the display's refresh where the driver allows it: the game
    // steps once a drawn frame, and a fast card would otherwise end every flight
    // in a moment. A driver that ignores it leaves the player Page Up / Page Down.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    const RESOLUUTIO* tila = &RESOLUUTIOT[a.resoluutio];
    bool auki = AvaaIkkuna((Uint16)tila->leveys, (Uint16)tila->korkeus, Liput(a));
    const ASETUKSET oletus;
    if (!auki && (a.resoluutio != oletus.resoluutio || a.kokoNaytto != oletus.kokoNaytto)) {
        // Said only once the fallback has opened: with no OpenGL at all, the one
        // line is the failure below.
        char syy[256];
        snprintf(syy, sizeof syy, "%s", SDL_GetError());
        const RESOLUUTIO& oletustila = RESOLUUTIOT[oletus.resoluutio];
        auki = AvaaIkkuna((Uint16)oletustila.leveys, (Uint16)oletustila.korkeus, Liput(oletus));
        if (auki) {
            fprintf(stderr,
                    "tavio: the video mode %s%s cannot be opened (%s); using %s in a window\n",
                    tila->nimi, a.kokoNaytto ? " full screen" : "", syy, oletustila.nimi);
            a.resoluutio = oletus.resoluutio;
            a.kokoNaytto = oletus.kokoNaytto;
            tila = &oletustila;
        }
    }
    if (!auki) {
        fprintf(stderr, "tavio: cannot open an OpenGL window of %s: %s\n", tila->nimi,
                SDL_GetError());
        SDL_Quit();
        return false;
    }
    leveys = tila->leveys;
    korkeus = tila->korkeus;
    return true;
}

bool LataaAsetukset(const char* polku, ASETUKSET& a) {
    a = ASETUKSET{};
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return false;
    Uint8 tavut[ASETUSTIEDOSTON_KOKO];
    size_t n = fread(tavut, 1, sizeof tavut, f);
    fclose(f);
    a.Tavuista(tavut, n);
    return true;
}

bool TallennaAsetukset(const char* polku, const ASETUKSET& a) {
    Uint8 tavut[ASETUSTIEDOSTON_KOKO];
    a.Tavuiksi(tavut);
    return TallennaTurvallisesti(polku, tavut, sizeof tavut);
}
