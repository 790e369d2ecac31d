// The entry of the game: start-up, the frame loop and shutdown. Every piece of
// game state lives here as a local and is handed to the screens by reference.
#include "foundation/PerusFunktiot.h"
#include "shell/Komentorivi.h"
#include "shell/Kuori.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

int SDL_main(int argc, char** argv) {
    // The command line and the folders come before SDL: --help, --version and a
    // usage error need no display, and no data folder at all ends it here.
    int lopetus = Kaynnistys(argc, argv);
    if (lopetus >= 0) return lopetus;

    // ---- Start-up; no step ends the program but a window that cannot open ----
    srand((unsigned)time(nullptr));
    ASETUKSET asetukset;
    LataaAsetukset(ASETUSTIEDOSTO, asetukset);
    asetukset.turbo = false;
    int w = 0, h = 0;
    // Nothing has been loaded or written yet: a game that cannot show itself
    // leaves every file as it was.
    if (!AvaaPelinIkkuna(asetukset, w, h)) return 1;
    Uint16 leveys = (Uint16)w, korkeus = (Uint16)h;
    ViimeisteleAlustus(leveys, korkeus, "The Tavio");

    NAPPAIMET nappaimet;
    HIIRI hiiri;
    AlustaSyottolaiteMoottori(nappaimet, hiiri, leveys, korkeus);
    AIKA aika;
    aika.Alusta();
    GRAFIIKKA grafiikka;
    grafiikka.Alusta(leveys, korkeus);

    LENTO lento;
    lento.kameraTila = 0;
    lento.museo.Alusta("Tiedostot\\Objektit\\Museo.txt");
    lento.museo.Skaalaus = 10.0;
    lento.piha.Alusta("Tiedostot\\Objektit\\Piha.txt");
    lento.piha.Skaalaus = 10.0;

    KONEET koneet;
    LataaPPt(koneet.taulukko, koneet.maara);
    // A race's ghost is drawn with the model of the plane that flew it.
    lento.haamut.koneet = koneet.taulukko;
    lento.haamut.koneita = koneet.maara;
    KUORI kuori;
    kuori.valittuKone = 0;

    lento.puhaltajat.Alusta();
    lento.kuplat.Alusta();
    lento.bonus.Alusta();
    lento.maailma.Aseta(1.0, 1.0, 1.0);

    KUULUVA kuuluva;
    kuuluva.Lataa();
    kuori.pelityyppi = 0;

    PISTEET pisteet[PELITYYPPEJA];
    char polku[64];
    for (int i = 0; i < PELITYYPPEJA; i++) {
        snprintf(polku, sizeof polku, "Tiedostot\\Muu Data\\Pisteet%d.sav", i + 1);
        pisteet[i].Lataa(polku);
    }
    kuori.huippuSivu = 0;
    lento.rata.Alusta(lento.kuplat.templates[3]);
    Mix_VolumeMusic(84);
    kuori.viive = 0;
    kuori.ruutu = PAAVALIKKO;
    kuori.lopetus = false;

    // ---- Frame loop ----
    while (!kuori.lopetus) {
        KehyksenSyote(kuori, nappaimet, hiiri);
        Kehys(kuori, asetukset, nappaimet, hiiri, aika, grafiikka, koneet, lento, kuuluva, pisteet);
        kuori.frameAikaPiirrossa = aika.frameAika;
        grafiikka.Paivita(nullptr, hiiri.AnnaX(), hiiri.AnnaY(), kuori.frameAikaPiirrossa);
        kuori.loppuleima = AnnaTikit();
    }

    // ---- Shutdown: credits for five seconds, then the files ----
    LopputekstiRuutu(kuori, grafiikka);
    grafiikka.Paivita(nullptr, hiiri.AnnaX(), hiiri.AnnaY(), kuori.frameAikaPiirrossa);
    OdotaKunnes(kuori.loppuleima, 5000);

    TallennaAsetukset(ASETUSTIEDOSTO, asetukset);
    for (int i = 0; i < PELITYYPPEJA; i++) {
        snprintf(polku, sizeof polku, "Tiedostot\\Muu Data\\Pisteet%d.sav", i + 1);
        pisteet[i].Tallenna(polku);
    }

    // Everything the run allocated goes back before SDL is shut down.
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (Mix_Chunk* aani : kuuluva.aanet) Mix_FreeChunk(aani);
    for (Mix_Chunk* aani : lento.kuplat.sounds) Mix_FreeChunk(aani);
    Mix_FreeMusic(kuuluva.valikkoMusiikki);
    Mix_FreeMusic(kuuluva.lentoMusiikki);
    Mix_CloseAudio();
    grafiikka.Vapauta();
    delete[] koneet.taulukko;
    SDL_Quit();
    return 0;
}

int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
