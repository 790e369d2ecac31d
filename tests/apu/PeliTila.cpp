#include "PeliTila.h"

#include "apu/TestiApu.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

PELI* PeliKoontiKansiossa(int leveys, int korkeus, bool ikkuna, unsigned siemen,
                          std::string& vanha) {
    char k[4096];
    vanha = getcwd(k, sizeof k) ? k : ".";
    if (chdir(KoontiKansio().c_str()) != 0) return nullptr;
    srand(siemen);
    PELI* p = new PELI;
    p->AlustaSisalto(leveys, korkeus, ikkuna);
    return p;
}

void LopetaKoontiKansiossa(PELI*& p, const std::string& vanha) {
    delete p;
    p = nullptr;
    if (chdir(vanha.c_str()) != 0) fprintf(stderr, "cannot go back to %s\n", vanha.c_str());
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

int ElaviaKuplia(const PELI& p) {
    int n = 0;
    for (bool vapaa : p.lento->kuplat.isFree) n += !vapaa;
    return n;
}

void PIDETTY_LENTO::Survivor(PELI& p, int kuplia, int kierroksia) {
    KUORI* k = p.k.get();
    LENTO* lento = p.lento.get();
    k->pelityyppi = 0;
    k->ruutu = PAAVALIKKO;
    LentoAlku(*k, p.Kone(), *lento);
    BONUS& bonus = lento->bonus;
    // The flight's first moment, held still: the start, the nose towards the
    // middle of the blowers' field (x -200..200, z -300..500).
    kone = p.Kone();
    SuuntaaKone(kone, kone.body.Sijainti, SIJAINTI{0, 0, 100});

    // Filled by the flight itself: the blowers wander and blow, the bubbles rise,
    // spin, swim apart and pop. Five times the blowing is the strongest bonus; it
    // holds about 650 bubbles, so each blower blows one more a frame while the
    // pool is short of the count.
    for (int kierros = 0; kierros < kierroksia; kierros++) {
        bonus.blowFactor = 5.0;
        bonus.blowFactorEnds = AnnaTikit() + 60000;
        p.Kone() = kone;
        p.Kehys(LueTestiTapahtuma);
        p.EiPiirretty();
        PUHALTAJAT& puhaltajat = lento->puhaltajat;
        for (int i = 0; i < PUHALTAJIEN_MAARA && ElaviaKuplia(p) < kuplia; i++)
            lento->kuplat.Puhalla(puhaltajat.objektit[i].Sijainti);
    }
    bonus.blowFactor = 1.0;
    bonus.blowFactorEnds = 0;
    Pida(p, kuplia);
}

void PIDETTY_LENTO::Kisa(PELI& p, int rata) {
    p.k->pelityyppi = rata;
    p.k->ruutu = PAAVALIKKO;
    LentoAlku(*p.k, p.Kone(), *p.lento);
    kone = p.Kone();
    const RATA& r = p.lento->rata;
    SIJAINTI kohde = r.pituus > 0 ? r.kuplat[0].Sijainti : SIJAINTI{0, 100, 100};
    SuuntaaKone(kone, kone.body.Sijainti, kohde);
    Pida(p, 0);
}

void PIDETTY_LENTO::AnnaHaamu(PELI& p) {
    HAAMUT& h = p.lento->haamut;
    OBJEKTI edella = kone.body;
    VEKTORI eteen = edella.Kiertomatriisi.EteenV();
    edella.Sijainti.x += 3 * eteen.x;
    edella.Sijainti.y += 3 * eteen.y;
    edella.Sijainti.z += 3 * eteen.z;
    h.haamu.Varaa();
    for (HAAMUN_ASENTO& a : h.haamu.asennot) a = HaamunAsento(edella);
    h.haamu.maara = HAAMUN_PAIVITYKSET;
    snprintf(h.haamu.kone, sizeof h.haamu.kone, "%s", p.Kone().name);
    h.Ulkoasu(h.haamu.kone, p.Kone());
    h.naytetaan = true;
}

int PIDETTY_LENTO::Pida(PELI& p, int kuplia) {
    p.Kone() = kone;
    p.k->ruutu = LENTO_RUUTU;
    p.lento->tauko = false;
    p.lento->rata.seuraava = 0;
    KUPLA& kuplat = p.lento->kuplat;
    int elavia = ElaviaKuplia(p);
    if (p.k->pelityyppi != 0) return elavia;
    for (int i = 0; elavia < kuplia && elavia < KUPLIEN_MAARA; i++, elavia++)
        kuplat.Puhalla(p.lento->puhaltajat.objektit[i % PUHALTAJIEN_MAARA].Sijainti);
    for (int i = KUPLIEN_MAARA - 1; i >= 0 && elavia > kuplia; i--)
        if (!kuplat.isFree[i]) {
            kuplat.isFree[i] = true;
            elavia--;
        }
    return elavia;
}
