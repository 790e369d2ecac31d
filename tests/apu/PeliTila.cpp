#include "PeliTila.h"

#include "apu/TestiApu.h"

#include "files/TiedostoFunktiot.h"

#include <cmath>
#include <cstdio>

PELITILA::~PELITILA() {
    Vapauta();
}

void PELITILA::Vapauta() {
    // The channels exist only while the mixer is open.
    if (Mix_QuerySpec(nullptr, nullptr, nullptr)) {
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    for (Mix_Chunk*& aani : kuuluva.aanet) {
        Mix_FreeChunk(aani);
        aani = nullptr;
    }
    for (Mix_Chunk*& aani : lento->kuplat.sounds) {
        Mix_FreeChunk(aani);
        aani = nullptr;
    }
    Mix_FreeMusic(kuuluva.valikkoMusiikki);
    Mix_FreeMusic(kuuluva.lentoMusiikki);
    kuuluva.valikkoMusiikki = kuuluva.lentoMusiikki = nullptr;
    g.Vapauta();
    delete[] koneet.taulukko;
    koneet.taulukko = nullptr;
    koneet.maara = 0;
}

void PELITILA::AlustaSyotteet(int leveys, int korkeus) {
    AlustaSyottolaiteMoottori(n, h, (Uint16)leveys, (Uint16)korkeus);
    aika.Alusta();
}

void PELITILA::AlustaObjektit() {
    LENTO& l = *lento;
    l.kameraTila = 0;
    l.museo.Alusta("Tiedostot\\Objektit\\Museo.txt");
    l.museo.Skaalaus = 10.0;
    l.piha.Alusta("Tiedostot\\Objektit\\Piha.txt");
    l.piha.Skaalaus = 10.0;
    LataaPPt(koneet.taulukko, koneet.maara);
    l.haamut.koneet = koneet.taulukko;
    l.haamut.koneita = koneet.maara;
    k->valittuKone = 0;
}

void PELITILA::AlustaKuplat() {
    LENTO& l = *lento;
    l.puhaltajat.Alusta();
    l.kuplat.Alusta();
    l.bonus.Alusta();
    l.maailma.Aseta(1.0, 1.0, 1.0);
}

void PELITILA::AlustaMusiikki() {
    kuuluva.Lataa();
    k->pelityyppi = 0;
}

void PELITILA::AlustaPisteet() {
    char polku[64];
    for (int i = 0; i < PELITYYPPEJA; i++) {
        snprintf(polku, sizeof polku, "Tiedostot\\Muu Data\\Pisteet%d.sav", i + 1);
        pisteet[i].Lataa(polku);
    }
    k->huippuSivu = 0;
    lento->rata.Alusta(lento->kuplat.templates[3]);
    k->viive = 0;
    k->ruutu = PAAVALIKKO;
    k->lopetus = false;
}

void PELITILA::AlustaIlmanIkkunaa(int leveys, int korkeus) {
    AlustaSyotteet(leveys, korkeus);

    // The renderer's tables as Alusta fills them, short of the upload.
    LISTAN_OSIO mallit;
    LataaListanOsio("3D_MALLIT", true, mallit);
    g.MallienMaara = (Uint32)mallit.Maara;
    g.Mallit = mallit.Maara > 0 ? new MALLI3D[mallit.Maara] : nullptr;
    char polku[POLUN_PITUUS + 1];
    for (int i = 0; i < mallit.Maara; i++) {
        snprintf(polku, sizeof polku, "Tiedostot\\3D Mallit\\%s", mallit.Tiedostot[i]);
        g.Mallit[i].Alusta(polku, mallit.Nimet[i]);
    }
    mallit.Vapauta(false);
    LISTAN_OSIO kuvat;
    LataaListanOsio("TEKSTUURIT", true, kuvat);
    g.TekstuurienMaara = (Uint32)kuvat.Maara;
    g.Tekstuurit = kuvat.Maara > 0 ? new TEKSTUURI[kuvat.Maara] : nullptr;
    for (int i = 0; i < kuvat.Maara; i++) {
        TEKSTUURI& t = g.Tekstuurit[i];
        snprintf(polku, sizeof polku, "Tiedostot\\Tekstuurit\\%s", kuvat.Tiedostot[i]);
        LataaTGA(polku, t);
        delete[] t.Pikselit;
        t.Pikselit = nullptr;
        t.Nimi = kuvat.Nimet[i];
    }
    kuvat.Vapauta(false);
    g.MerkitseNimet();
    g.AlustaFontit();
    g.AlustaPuskurit();
    g.IkkunanLeveys = leveys;
    g.IkkunanKorkeus = korkeus;
    g.Osoitin.Alusta("Osoitin", 64, 64, 0, 0, 1, 1);
    g.NaytaOsoitin();

    AlustaObjektit();
    AlustaKuplat();
    AlustaMusiikki();
    AlustaPisteet();
}

void PELITILA::Kehys() {
    // With a window, SDL's own queue; without one, what the test has queued.
    KehyksenSyote(*k, n, h, SDL_WasInit(SDL_INIT_VIDEO) ? SDL_PollEvent : LueTestiTapahtuma);
    ::Kehys(*k, asetukset, n, h, aika, g, koneet, *lento, kuuluva, pisteet);
    k->frameAikaPiirrossa = aika.frameAika;
}

void PELITILA::EiPiirretty() {
    g.TyhjennaObjektiPuskuri();
    g.TyhjennaKuvaPuskuri();
}

void SuuntaaKone(PAPERPLANE& kone, SIJAINTI paikka, SIJAINTI kohde) {
    VEKTORI eteen{kohde.x - paikka.x, kohde.y - paikka.y, kohde.z - paikka.z};
    eteen.Versoriksi();
    VEKTORI oikealle = Vektoritulo(VEKTORI{0, 1, 0}, eteen);
    oikealle.Versoriksi();
    VEKTORI ylos = Vektoritulo(eteen, oikealle);
    MATRIISI4X4& m = kone.body.Kiertomatriisi;
    m.Yksikoksi();
    m.AsetaOikealleV(oikealle);
    m.AsetaYlosV(ylos);
    m.AsetaEteenV(eteen);
    OrthonormalizeMatrix(m.m);
    kone.body.Sijainti = paikka;
}

int PELITILA::ElaviaKuplia() const {
    int n = 0;
    for (bool vapaa : lento->kuplat.isFree) n += !vapaa;
    return n;
}

void PELITILA::AloitaSurvivor(int kuplia, int kierroksia) {
    k->pelityyppi = 0;
    k->ruutu = PAAVALIKKO;
    LentoAlku(*k, Kone(), *lento);
    BONUS& bonus = lento->bonus;
    // The flight's first moment, held still: the start, the nose towards the
    // middle of the blowers' field (x -200..200, z -300..500).
    kiinnitetty = Kone();
    SuuntaaKone(kiinnitetty, kiinnitetty.body.Sijainti, SIJAINTI{0, 0, 100});

    // Filled by the flight itself: the blowers wander and blow, the bubbles rise,
    // spin, swim apart and pop. Five times the blowing is the strongest bonus; it
    // holds about 650 bubbles, so each blower blows one more a frame while the
    // pool is short of the count.
    for (int kierros = 0; kierros < kierroksia; kierros++) {
        bonus.blowFactor = 5.0;
        bonus.blowFactorEnds = AnnaTikit() + 60000;
        Kone() = kiinnitetty;
        Kehys();
        EiPiirretty();
        PUHALTAJAT& p = lento->puhaltajat;
        for (int i = 0; i < PUHALTAJIEN_MAARA && ElaviaKuplia() < kuplia; i++)
            lento->kuplat.Puhalla(p.objektit[i].Sijainti);
    }
    bonus.blowFactor = 1.0;
    bonus.blowFactorEnds = 0;
    PidaLento(kuplia);
}

void PELITILA::AloitaKisa(int rata) {
    k->pelityyppi = rata;
    k->ruutu = PAAVALIKKO;
    LentoAlku(*k, Kone(), *lento);
    kiinnitetty = Kone();
    const RATA& r = lento->rata;
    SIJAINTI kohde = r.pituus > 0 ? r.kuplat[0].Sijainti : SIJAINTI{0, 100, 100};
    SuuntaaKone(kiinnitetty, kiinnitetty.body.Sijainti, kohde);
    PidaLento(0);
}

void PELITILA::AnnaKisalleHaamu() {
    HAAMUT& h = lento->haamut;
    OBJEKTI edella = kiinnitetty.body;
    VEKTORI eteen = edella.Kiertomatriisi.EteenV();
    edella.Sijainti.x += 3 * eteen.x;
    edella.Sijainti.y += 3 * eteen.y;
    edella.Sijainti.z += 3 * eteen.z;
    h.haamu.Varaa();
    for (HAAMUN_ASENTO& a : h.haamu.asennot) a = HaamunAsento(edella);
    h.haamu.maara = HAAMUN_PAIVITYKSET;
    snprintf(h.haamu.kone, sizeof h.haamu.kone, "%s", Kone().name);
    h.Ulkoasu(h.haamu.kone, Kone());
    h.naytetaan = true;
}

int PELITILA::PidaLento(int kuplia) {
    Kone() = kiinnitetty;
    k->ruutu = LENTO_RUUTU;
    lento->tauko = false;
    lento->rata.seuraava = 0;
    KUPLA& kuplat = lento->kuplat;
    int elavia = ElaviaKuplia();
    if (k->pelityyppi != 0) return elavia;
    for (int i = 0; elavia < kuplia && elavia < KUPLIEN_MAARA; i++, elavia++)
        kuplat.Puhalla(lento->puhaltajat.objektit[i % PUHALTAJIEN_MAARA].Sijainti);
    for (int i = KUPLIEN_MAARA - 1; i >= 0 && elavia > kuplia; i--)
        if (!kuplat.isFree[i]) {
            kuplat.isFree[i] = true;
            elavia--;
        }
    return elavia;
}
