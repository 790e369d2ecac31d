#include "shell/Peli.h"

#include "files/Sisalto.h"
#include "foundation/LaiteFunktiot.h"
#include "shell/Komentorivi.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

void PisteidenPolku(int pelityyppi, char* polku, size_t koko) {
    snprintf(polku, koko, "Tiedostot\\Muu Data\\Pisteet%d.sav", pelityyppi + 1);
}

int PELI::Alusta(int argc, char** argv) {
    // The command line and the folders come before SDL: --help, --version and a
    // usage error need no display, and no data folder at all ends it here.
    int lopetus = Kaynnistys(argc, argv);
    if (lopetus >= 0) return lopetus;
    srand((unsigned)time(nullptr));
    LataaAsetukset(ASETUSTIEDOSTO, asetukset);
    asetukset.turbo = false;
    int w = 0, h = 0;
    // Nothing has been loaded or written yet: a game that cannot show itself
    // leaves every file as it was.
    if (!AvaaPelinIkkuna(asetukset, w, h)) return 1;
    ViimeisteleAlustus((Uint16)w, (Uint16)h, "The Tavio");
    AlustaSisalto(w, h, true);
    return -1;
}

void PELI::AlustaSisalto(int leveys, int korkeus, bool ikkuna) {
    AlustaSyotteet(leveys, korkeus);
    if (ikkuna)
        g.Alusta(leveys, korkeus);
    else
        g.AlustaIlmanIkkunaa(leveys, korkeus);
    AlustaObjektit();
    AlustaKuplat();
    AlustaAanet();
    AlustaPisteet();
}

void PELI::AlustaSyotteet(int leveys, int korkeus) {
    AlustaSyottolaiteMoottori(n, h, (Uint16)leveys, (Uint16)korkeus);
    aika.Alusta();
}

void PELI::AlustaObjektit() {
    LENTO& l = *lento;
    l.kameraTila = 0;
    l.museo.Alusta(MUSEON_OBJEKTI);
    l.museo.Skaalaus = MAISEMAN_SKAALA;
    l.piha.Alusta(PIHAN_OBJEKTI);
    l.piha.Skaalaus = MAISEMAN_SKAALA;
    LataaPPt(koneet.taulukko, koneet.maara);
    // A race's ghost is drawn with the model of the plane that flew it.
    l.haamut.koneet = koneet.taulukko;
    l.haamut.koneita = koneet.maara;
    k->valittuKone = 0;
}

void PELI::AlustaKuplat() {
    LENTO& l = *lento;
    l.puhaltajat.Alusta();
    l.kuplat.Alusta();
    l.bonus.Alusta();
    l.maailma.Aseta(1.0);
}

void PELI::AlustaAanet() {
    kuuluva.Lataa();
    k->pelityyppi = 0;
}

void PELI::AlustaPisteet() {
    char polku[64];
    for (int i = 0; i < PELITYYPPEJA; i++) {
        PisteidenPolku(i, polku, sizeof polku);
        pisteet[i].Lataa(polku);
    }
    k->huippuSivu = 0;
    lento->rata.Alusta(lento->kuplat.templates[KISAKUPLAN_LAJI]);
    Mix_VolumeMusic(84);
    k->viive = 0;
    k->ruutu = PAAVALIKKO;
    k->lopetus = false;
}

bool PELI::Askel(int (*lahde)(SDL_Event*)) {
    Kehys(lahde);
    Piirra();
    return !k->lopetus;
}

void PELI::Kehys(int (*lahde)(SDL_Event*)) {
    KehyksenSyote(*k, n, h, lahde);
    ::Kehys(*k, asetukset, n, h, aika, g, koneet, *lento, kuuluva, pisteet);
    k->frameAikaPiirrossa = aika.frameAika;
}

void PELI::Piirra() {
    g.Paivita(h.AnnaX(), h.AnnaY(), k->frameAikaPiirrossa);
    k->loppuleima = AnnaTikit();
}

void PELI::EiPiirretty() {
    g.TyhjennaObjektiPuskuri();
    g.TyhjennaKuvaPuskuri();
}

void PELI::Lopeta() {
    LopputekstiRuutu(*k, g);
    g.Paivita(h.AnnaX(), h.AnnaY(), k->frameAikaPiirrossa);
    OdotaKunnes(k->loppuleima, 5000);

    TallennaAsetukset(ASETUSTIEDOSTO, asetukset);
    char polku[64];
    for (int i = 0; i < PELITYYPPEJA; i++) {
        PisteidenPolku(i, polku, sizeof polku);
        pisteet[i].Tallenna(polku);
    }
}

void PELI::Vapauta() {
    kuuluva.Vapauta();
    g.Vapauta();
    delete[] koneet.taulukko;
    koneet.taulukko = nullptr;
    koneet.maara = 0;
}
