// The frame loop's shared steps and the services of the menu screens.
#include "files/Sisalto.h"
#include "foundation/LaiteFunktiot.h"
#include "foundation/PerusFunktiot.h"
#include "shell/Kuori.h"

#include "files/TiedostoFunktiot.h"

#include <cstdio>

namespace {

bool OnValikko(int ruutu) {
    return ruutu == PAAVALIKKO || ruutu == ASETUSRUUTU || ruutu == HUIPPURUUTU ||
           ruutu == VIDEORUUTU;
}

// Screens that show the game's pointer lay their texts out with it, so that a
// glyph under a held button shows red; the flight lays its HUD out without it.
bool NayttaaOsoittimen(const KUORI& k, const LENTO& lento) {
    return k.ruutu != LENTO_RUUTU || lento.tauko;
}

void MusiikinVoimakkuus(const NAPPAIMET& n) {
    if (n.NapinTila(NAPPI_F9) == POHJASSA) Mix_VolumeMusic(0);
    if (n.NapinTila(NAPPI_F10) == POHJASSA) Mix_VolumeMusic(42);
    if (n.NapinTila(NAPPI_F11) == POHJASSA) Mix_VolumeMusic(84);
    if (n.NapinTila(NAPPI_F12) == POHJASSA) Mix_VolumeMusic(128);
}

} // namespace

void LisaaKuplat(TEKSTI& t, int rivi, const LENTO& lento, bool kisa) {
    if (kisa) {
        t.Lisaa(LukuSanaksi(lento.rata.seuraava), rivi, false);
        t.Lisaa(" of ", rivi, false);
        t.Lisaa(LukuSanaksi(lento.rata.pituus), rivi, false);
    } else {
        t.Lisaa(LukuSanaksi((int)lento.tiedot.bubblesPicked), rivi, false);
    }
}

void TulostaRivi(GRAFIIKKA& g, TEKSTI& t, const HIIRI& h, const char* teksti, double x, double y,
                 KESKITYSTAPA tapa, double koko) {
    t.Alku();
    t.Lisaa(teksti, 0, false);
    g.TulostaTeksti(t, x, y, h, tapa, 0, koko);
}

void KehyksenSyote(KUORI& k, NAPPAIMET& n, HIIRI& h, int (*lahde)(SDL_Event*)) {
    AloitaSyottolaiteKehys(n, h);
    SDL_Event e;
    while (lahde(&e)) {
        if (e.type == SDL_QUIT)
            k.lopetus = true;
        else
            PaivitaSyottolaiteMoottori(n, h, e);
    }
    // SDL's queue holds 127 events: a fast mouse fills it during the hold, and a
    // key or button let go behind the motion is dropped, though SDL's own state
    // has it up.
    if (k.syoteTasattava && SDL_WasInit(SDL_INIT_VIDEO)) TasaaSyottolaitteetSDLiin(n, h);
    k.syoteTasattava = false;
}

void ValikkoPalvelut(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& n, KONEET& koneet, KUULUVA& kuuluva) {
    g.NaytaOsoitin();
    if (!Mix_PlayingMusic()) Mix_PlayMusic(kuuluva.valikkoMusiikki, 0);
    for (int aani = 1; aani <= 5; aani++)
        if (n.NapinTila((Uint8)(NAPPI_1 - 1 + aani)) == VAPAUTETTU)
            SoitaAani(kuuluva.aanet[aani - 1], -1);

    // The chosen plane spins behind the menus about its own up axis, which stays
    // vertical: every flight ends level (LentoRuutu), and a flight starts from the
    // heading the spin has reached at the click.
    PAPERPLANE* kone = koneet.Valittu(k);
    if (!kone) return;
    OBJEKTI& runko = kone->body;
    runko.Sijainti = SIJAINTI{};
    runko.Sijainti.x -= 0.6;
    runko.Sijainti.y -= 0.1;
    runko.Kulmat[0] = 0.333; // degrees a frame
    runko.Kiertomatriisi.PyoritaY(runko.Kulmat[0]);
    OrthonormalizeMatrix(runko.Kiertomatriisi.m);
    g.LisaaObjekti(runko);
    KAMERA& kamera = g.Kamera();
    kamera.Kohde.Aseta(0, 0, 0);
    kamera.Paikka.Aseta(runko.Sijainti.x, runko.Sijainti.y, runko.Sijainti.z + 1.0);
    kamera.Ylos.Aseta(0, 1, 0);
}

void Kehys(KUORI& k, ASETUKSET& a, NAPPAIMET& n, HIIRI& h, AIKA& aika, GRAFIIKKA& g, KONEET& koneet,
           LENTO& lento, KUULUVA& kuuluva, PISTEET* pisteet) {
    if (n.NapinTila(NAPPI_Q) == POHJASSA && n.NapinTila(NAPPI_ESC) == POHJASSA) k.lopetus = true;
    aika.Paivita();

    TEKSTI& t = k.teksti;
    t.Alku();
    t.Lisaa("Fps: ", 0, false);
    t.Lisaa(LukuSanaksi(aika.AnnaFPS(), 2), 0, false);
    if (NayttaaOsoittimen(k, lento))
        g.TulostaTeksti(t, 1280, 1024, h, YLA_OIKEA, 0, 0.5);
    else
        g.TulostaTeksti(t, 1280, 1024, YLA_OIKEA, 0, 0.5);

    MusiikinVoimakkuus(n);
    if (OnValikko(k.ruutu)) ValikkoPalvelut(k, g, n, koneet, kuuluva);

    switch (k.ruutu) {
    case PAAVALIKKO:
        PaaValikko(k, g, h, koneet, lento, kuuluva);
        break;
    case LENTO_RUUTU:
        if (PAPERPLANE* kone = koneet.Valittu(k))
            LentoRuutu(k, g, n, h, *kone, lento, kuuluva);
        else
            k.ruutu = PAAVALIKKO; // nothing to fly
        break;
    case ASETUSRUUTU:
        Asetusruutu(k, g, h, koneet);
        break;
    case HUIPPURUUTU:
        HuippuRuutu(k, g, h, pisteet);
        break;
    case PELI_OHI:
        PeliOhiRuutu(k, g, n, h, lento, kuuluva, pisteet);
        break;
    case YHTEENVETO:
        YhteenvetoRuutu(k, g, h, lento);
        break;
    case LUE_RUUTU:
        LueRuutu(k, g, h);
        break;
    case VIDEORUUTU:
        Videoruutu(k, a, g, h);
        break;
    default:
        k.ruutu = PAAVALIKKO;
        break;
    }

    if (n.NapinTila(NAPPI_PAGE_UP) == VAPAUTETTU) k.viive += 1;
    if (n.NapinTila(NAPPI_PAGE_DOWN) == VAPAUTETTU) k.viive -= 1;
    if (k.viive < 0) k.viive = 0;
    OdotaKunnes(AnnaTikit(), (Uint32)k.viive);

    if (!a.turbo) aika.frameAika = 0;
}

void KUULUVA::Lataa() {
    char polku[POLUN_PITUUS + 1];
    JarjestelmanPolku(VALIKKOMUSIIKKI, polku, sizeof polku);
    valikkoMusiikki = Mix_LoadMUS(polku);
    JarjestelmanPolku(LENTOMUSIIKKI, polku, sizeof polku);
    lentoMusiikki = Mix_LoadMUS(polku);
    for (int i = 0; i < AANIA; i++) {
        JarjestelmanPolku(AANITIEDOSTOT[i], polku, sizeof polku);
        aanet[i] = LataaAaniTiedosto(polku);
    }
}

void KUULUVA::Vapauta() {
    // The channels exist only while the mixer is open.
    const bool auki = Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
    if (auki) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    for (Mix_Chunk*& aani : aanet) {
        Mix_FreeChunk(aani);
        aani = nullptr;
    }
    Mix_FreeMusic(valikkoMusiikki);
    Mix_FreeMusic(lentoMusiikki);
    valikkoMusiikki = lentoMusiikki = nullptr;
    if (auki) Mix_CloseAudio();
}
