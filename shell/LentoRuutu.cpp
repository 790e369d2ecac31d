// The flight screen: setting a flight up, and one flight update per frame.
#include "foundation/PerusFunktiot.h"
#include "shell/Kuori.h"

#include <cstdio>

bool LentoAlku(KUORI& k, PAPERPLANE& kone, LENTO& lento) {
    k.ruutu = LENTO_RUUTU;

    // Only the position and motion start afresh: the attitude is where the
    // menu's spin left it, and the controls carry over.
    kone.push = 0.5;
    kone.body.Sijainti.Aseta(-100, 100, 0);
    kone.velocity.NollaVektoriksi();
    kone.acceleration.NollaVektoriksi();

    if (k.pelityyppi == 0) {
        lento.puhaltajat.Nollaa();
        lento.kuplat.Tyhjenna();
    } else {
        LataaRata(RadanPolku(k.pelityyppi), lento.rata);
        lento.rata.seuraava = 0;
        lento.rata.sakko = 0;
        lento.rata.boostiValmis = 0;
    }
    HaamuAlku(lento, kone, k.pelityyppi);
    // The clock starts once the files are read: reading a long ghost must not
    // count in the race time.
    lento.tiedot.Alusta();
    Mix_HaltMusic();
    // A moment to get hold of the mouse; nothing is drawn or read meanwhile.
    OdotaKunnes(AnnaTikit(), 1000);
    k.syoteTasattava = true;
    return true;
}

namespace {

void KuplaKisa(const NAPPAIMET& n, PAPERPLANE& kone, LENTO& lento, GRAFIIKKA& g, KUULUVA& kuuluva,
               KUORI& k) {
    RATA& rata = lento.rata;
    BONUS& bonus = lento.bonus;

    // Alt boost: bigger the lower the plane flies, bought with eight seconds.
    bool alt = n.NapinTila(NAPPI_OIKEA_ALT) == POHJASSA || n.NapinTila(NAPPI_VASEN_ALT) == POHJASSA;
    if (alt && AnnaTikit() > rata.boostiValmis) {
        rata.boostiValmis = AnnaTikit() + 5000;
        rata.sakko += 8000;
        bonus.speedBoost = (130 - lento.tiedot.altitude) * 0.005 + 0.15;
        bonus.AloitaViesti("eight secs penalty", nullptr, 2000);
    }

    if (rata.seuraava < rata.pituus) {
        OBJEKTI& kupla = rata.kuplat[rata.seuraava];
        if (Etaisyys(kone.body.Sijainti, kupla.Sijainti) <= 2.25 * kupla.Skaalaus) {
            bonus.speedBoost = rata.boostit[rata.seuraava] * 1.2;
            rata.seuraava++;
            for (double& p : rata.pyoriminen) p = Sattuma(-200, 200) * 0.01;
            if (rata.seuraava < RADAN_KUPLAT) rata.kuplat[rata.seuraava].Skaalaus = 4.0;
            SoitaAani(kuuluva.aanet[3], 64);
        }
    }

    // Only the next race bubble is shown, turning.
    if (rata.seuraava < rata.pituus) {
        MATRIISI4X4& m = rata.kuplat[rata.seuraava].Kiertomatriisi;
        m.PyoritaX(rata.pyoriminen[0]);
        m.PyoritaY(rata.pyoriminen[1]);
        m.PyoritaZ(rata.pyoriminen[2]);
        OrthonormalizeMatrix(m.m);
        g.LisaaObjekti(rata.kuplat[rata.seuraava]);
    }

    if (rata.seuraava >= rata.pituus) k.ruutu = PELI_OHI;
}

// The chase camera lags: it stands one unit behind the plane along where the
// nose pointed nine updates ago. The delay line is not cleared between flights.
void Kamera(GRAFIIKKA& g, const PAPERPLANE& kone, int tila) {
    KAMERA& kamera = g.Kamera();
    const SIJAINTI& p = kone.body.Sijainti;
    VEKTORI eteen = kone.body.Kiertomatriisi.EteenV();
    kamera.Kohde.Aseta(p.x, p.y, p.z);
    if (tila == 0)
        kamera.Ylos.Aseta(0, 1, 0);
    else
        kamera.Ylos = kone.body.Kiertomatriisi.YlosV();
    kamera.Paikka.Aseta(p.x, p.y, p.z);

    kamera.HistoriaPituus = 10;
    if (kamera.HistoriaIndeksi < 0 || kamera.HistoriaIndeksi >= kamera.HistoriaPituus)
        kamera.HistoriaIndeksi = 0;
    kamera.Historia[kamera.HistoriaIndeksi] = eteen;
    kamera.HistoriaIndeksi++;
    if (kamera.HistoriaIndeksi >= kamera.HistoriaPituus) kamera.HistoriaIndeksi = 0;
    kamera.Viive = kamera.Historia[kamera.HistoriaIndeksi];
    // A slot never written since start-up (the first nine updates of the first
    // flight) would put the eye on the plane itself, from where nothing can be
    // seen: the view is then taken from behind the nose as it points now.
    if (kamera.Viive.x == 0 && kamera.Viive.y == 0 && kamera.Viive.z == 0) kamera.Viive = eteen;
    kamera.Paikka.Aseta(p.x - kamera.Viive.x, p.y - kamera.Viive.y, p.z - kamera.Viive.z);

    if (tila == 2) {
        kamera.Paikka.Aseta(p.x, p.y, p.z);
        kamera.Kohde.Aseta(p.x + eteen.x, p.y + eteen.y, p.z + eteen.z);
    }
}

void Hud(KUORI& k, GRAFIIKKA& g, LENTO& lento) {
    TEKSTI& t = k.teksti;
    bool kisa = k.pelityyppi != 0;

    t.Alku();
    t.Lisaa("time ", 0, false);
    t.Lisaa(LukuSanaksi((int)(lento.tiedot.flightTime / 1000)), 0, false);
    t.Lisaa("s", 0, false);
    if (kisa) {
        t.Lisaa(" + ", 0, false);
        t.Lisaa(LukuSanaksi((int)(lento.rata.sakko / 1000)), 0, false);
        t.Lisaa("s", 0, false);
    }
    t.Lisaa("alt.  ", 1, false);
    t.Lisaa(LukuSanaksi(lento.tiedot.altitude * 10, 2), 1, false); // a world unit is 10 cm
    t.Lisaa("cm", 1, false);
    g.TulostaTeksti(t, 0, 1024, YLA_VASEN, 0, 0.8);

    t.Alku();
    t.Lisaa("Bubbles: ", 0, false);
    if (kisa) {
        t.Lisaa(LukuSanaksi(lento.rata.seuraava), 0, false);
        t.Lisaa(" of ", 0, false);
        t.Lisaa(LukuSanaksi(lento.rata.pituus), 0, false);
    } else {
        t.Lisaa(LukuSanaksi((int)lento.tiedot.bubblesPicked), 0, false);
        t.Lisaa("Pick up this: ", 1, false);
        t.Lisaa(lento.glyfit[lento.kuplat.wantedKind & 3], 1, false);
    }
    g.TulostaTeksti(t, 0, 0, ALA_VASEN, 0, 0.8);

    const BONUS& b = lento.bonus;
    if (b.messageCount > 0) {
        t.Alku();
        for (Uint32 i = 0; i < b.messageCount && i < VIESTIEN_MAARA; i++)
            t.Lisaa(b.messageTexts[i], 1, false);
        g.TulostaTeksti(t, 640, b.messageY, KESKI, 0, 1.0);
    }
}

} // namespace

void LentoRuutu(KUORI& k, GRAFIIKKA& g, const NAPPAIMET& n, const HIIRI& h, PAPERPLANE& kone,
                LENTO& lento, KUULUVA& kuuluva) {
    int ruutuAlussa = k.ruutu;
    if (n.NapinTila(NAPPI_PAUSE) == VAPAUTETTU) lento.tauko = !lento.tauko;
    if (!Mix_PlayingMusic()) Mix_PlayMusic(kuuluva.lentoMusiikki, 0);

    // Paused, only the scenery stands still; the clock runs on.
    if (lento.tauko) {
        g.NaytaOsoitin();
        g.LisaaObjekti(lento.piha);
        g.LisaaObjekti(lento.museo);
        TEKSTI& t = k.teksti;
        t.Alku();
        t.Lisaa("Pause", 0, false);
        g.TulostaTeksti(t, 640, 512, h, KESKI, 0, 1.5);
        return;
    }
    g.PiilotaOsoitin();

    if (n.NapinTila(NAPPI_ESC) == POHJASSA) k.ruutu = PELI_OHI;
    if (n.NapinTila(NAPPI_F1) == VAPAUTETTU) lento.kameraTila = 2;
    if (n.NapinTila(NAPPI_F2) == VAPAUTETTU) lento.kameraTila = 1;
    if (n.NapinTila(NAPPI_F3) == VAPAUTETTU) lento.kameraTila = 0;
    if (kone.body.Sijainti.y <= 0) k.ruutu = PELI_OHI;

    if (k.pelityyppi == 0) {
        int r = lento.kuplat.Paivita(kone, g, lento.bonus);
        if (r < 0)
            k.ruutu = PELI_OHI;
        else
            lento.tiedot.bubblesPicked += (Uint32)r;
    } else {
        KuplaKisa(n, kone, lento, g, kuuluva, k);
    }

    // Clicks turn, sideways motion rolls, vertical motion pitches; the middle
    // button or Space levels the wings.
    if (h.NapinTila(0) == VAPAUTETTU) kone.massDistribution -= 20;
    if (h.NapinTila(2) == VAPAUTETTU) kone.massDistribution += 20;
    double dx = h.AnnaXd(), dy = h.AnnaYd();
    kone.elevonA += 0.08 * dx;
    kone.elevonB -= 0.08 * dx;
    kone.elevonA -= 0.1 * dy;
    kone.elevonB -= 0.1 * dy;
    kone.wingArea =
        (h.NapinTila(1) == POHJASSA || n.NapinTila(NAPPI_SPACE) == POHJASSA) ? 1.0 : 0.0;

    kone.PaivitaFysiikka(lento.maailma, lento.bonus);

    if (lento.kameraTila != 2) g.LisaaObjekti(kone.body);
    g.LisaaObjekti(lento.piha);
    g.LisaaObjekti(lento.museo);
    PuhaltajaAskel(lento.puhaltajat, lento.kuplat, g, lento.bonus);
    HaamuPaivitys(lento, kone, n, g);
    lento.bonus.Paivita();
    lento.tiedot.Paivita(lento.kuplat, kone);
    Kamera(g, kone, lento.kameraTila);
    Hud(k, g, lento);

    if (ruutuAlussa != PELI_OHI && k.ruutu == PELI_OHI) {
        HaamuLoppu(lento, k.pelityyppi);
        SoitaAani(kuuluva.aanet[1], 100);
        // The menu's plane spins upright again, and the next flight starts level.
        kone.Oikaise();
        // What is still pressed was pressed in the flight: letting it go on the
        // game-over screen must not type or leave.
        auto alhaalla = [](Uint8 tila) { return tila == PAINETTU || tila == POHJASSA; };
        k.lennonPainallukset = 0;
        if (alhaalla(h.NapinTila(0))) k.lennonPainallukset |= LENNON_VASEN;
        if (alhaalla(h.NapinTila(1))) k.lennonPainallukset |= LENNON_KESKI;
        if (alhaalla(h.NapinTila(2))) k.lennonPainallukset |= LENNON_OIKEA;
        if (alhaalla(n.NapinTila(NAPPI_SPACE))) k.lennonPainallukset |= LENNON_SPACE;
    }
}
