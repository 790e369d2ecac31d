#include "apu/SurvivorLento.h"

#include "apu/TestiApu.h"

#include <memory>

namespace {

double kelloMs = 1000;
bool kelloPitaa = false; // during the flight start's one-second hold every read moves it on
Uint32 Kello() {
    const Uint32 t = (Uint32)kelloMs;
    if (kelloPitaa) kelloMs += 1;
    return t;
}

void KuinAlussa(PELI& p) {
    PAPERPLANE& kone = p.Kone();
    kone.body.Kiertomatriisi.Yksikoksi();
    kone.massDistribution = kone.elevonA = kone.elevonB = kone.wingArea = 0;
    LENTO& l = *p.lento;
    for (int i = 0; i < PUHALTAJIEN_MAARA; i++) {
        l.puhaltajat.objektit[i].Kiertomatriisi.Yksikoksi();
        l.puhaltajat.nopeudet[i] = 0;
    }
    l.bonus.Alusta();
    l.kuplat.wantedKind = 0;
    l.kameraTila = 0;
    l.tauko = false;
    p.g.Kamera() = KAMERA{};
    l.viive = KAMERAN_VIIVE{};
    AlustaSyottolaiteMoottori(p.n, p.h, 800, 600);
    p.k->viive = 0;
}

} // namespace

void PilotinTapahtumat(const NAPPAIMET& n, const OHJAUS& o) {
    SDL_Event uudet[4];
    const Uint8 space = n.NapinTila(NAPPI_SPACE);
    const int maara = OhjauksenTapahtumat(o, space == PAINETTU || space == POHJASSA, uudet);
    for (int i = 0; i < maara; i++) JonoonTapahtuma(uudet[i]);
}

LENTOKELLO::LENTOKELLO() {
    AsetaKello(Kello);
}

LENTOKELLO::~LENTOKELLO() {
    AsetaKello(nullptr);
}

SURVIVORLENTO LennaSurvivor(PELI& p, unsigned siemen, int ruutuja,
                            const std::function<void(const PELI&)>& ruudussa) {
    auto lentaja = std::make_unique<SURVIVORLENTAJA>();
    auto nakyma = std::make_unique<NAKYMA>();
    KuinAlussa(p);
    srand(siemen);
    KUORI& k = *p.k;
    k.pelityyppi = 0;
    kelloPitaa = true;
    LentoAlku(k, p.Kone(), *p.lento);
    kelloPitaa = false;
    lentaja->Aloita();
    SURVIVORLENTO tulos;
    OHJAUS o;
    for (int ruutu = 0; ruutu < ruutuja; ruutu++) {
        kelloMs += 1000.0 / 60.0;
        PilotinTapahtumat(p.n, o);
        const double korkeus = p.Kone().body.Sijainti.y;
        p.Kehys(LueTestiTapahtuma);
        tulos.kuplia = (int)p.lento->tiedot.bubblesPicked;
        tulos.ruutuja = ruutu + 1;
        if (k.ruutu != LENTO_RUUTU) {
            // The ground is tested on the height the update started from.
            tulos.loppu = korkeus <= 0 ? MAAHAN : VAARA_KUPLA;
            p.EiPiirretty();
            return tulos;
        }
        if (ruudussa) ruudussa(p);
        Katso(p.g, p.lento->kuplat, p.lento->puhaltajat, p.Kone(), *nakyma);
        p.EiPiirretty();
        o = lentaja->Ohjaa(*nakyma);
    }
    return tulos;
}
