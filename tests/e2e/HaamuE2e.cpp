// Race A flown to its end twice in the real game with real X input, and the
// ghost the first flight leaves.
//
// The game runs in step with the driver: it presents a frame only when the
// driver allows it, and each frame sees all the input sent before. Beside it the
// driver runs the game's own logic a second time, without a window (the
// mirror), fed the very events the game gets, frame for frame. A scripted pilot
// reads the plane from the mirror and flies the track's bubbles with the mouse
// as a player does: vertical motion pitches, clicks turn, the middle button
// levels the wings. The same script with the same dice gives the same frames,
// so a second run of it, with the ghost hidden by G, shows what the ghost adds.
#include "Ruudut.h"
#include "apu/PeliTila.h"
#include "apu/TestiApu.h"
#include "files/HaamuTiedosto.h"
#include "tools/lentaja/Lentaja.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

const unsigned SIEMEN = 4242;
const int HILJAA = 5; // update of the first flight whose three frames the pilot keeps quiet
const char* const HAAMUTIEDOSTO = "Tiedostot/Muu Data/HaamuA.dat";
// The first flight sets off along the yard, as the track was laid out from; the
// second a fifth of a right angle to the side, so that its ghost is seen beside
// it before their paths meet.
const VEKTORI LAHTOSUUNTA{0, 0, 1}, TOINEN_SUUNTA{0.309017, 0, 0.951057};

// The game's logic in the driver, in a data folder of its own.
struct PEILI {
    std::string kansio;
    VALEKELLO kello{1000, 1};
    std::unique_ptr<PELI> p{new PELI};
    std::string vanha;

    void Sisaan() {
        char polku[4096];
        vanha = getcwd(polku, sizeof polku) ? polku : ".";
        if (chdir(kansio.c_str()) != 0) ADD_FAILURE() << "no mirror folder " << kansio;
    }
    void Ulos() {
        if (chdir(vanha.c_str()) != 0) ADD_FAILURE() << "cannot go back";
    }
    // The frame loop's pass as SDL_main runs it, on the events the game polled.
    void Kehys(std::vector<SDL_Event>& uudet) {
        Sisaan();
        for (const SDL_Event& e : uudet) JonoonTapahtuma(e);
        p->Kehys(LueTestiTapahtuma);
        p->EiPiirretty();
        Ulos();
    }
};

// One player: the game, its mirror, and the hand on the mouse.
struct PELAAJA {
    PELIAJO& p;
    PEILI m;
    int sdlX = 0, sdlY = 0;     // the game's own pointer (pixels), as SDL moves and clamps it
    int viimeX = 0, viimeY = 0; // the last motion's step (pixels)
    std::vector<SDL_Event> uudet;
    OHJAAJA ohjaaja;
    Sint32 saavutettu = -1; // bubbles reached when last counted
    int saavutusHetki = 0;  // update of the last reach (or of the last try round)
    int kierto = 0;         // updates left of aiming past the bubble
    SIJAINTI ohi;           // the point aimed at meanwhile
    bool keski = false;     // the middle button held (wings levelling)
    bool gPainettu = false;
    int klikkauksia = 0; // left and right clicks made
    int nahtyja = 0;     // frames of the mirror that read a left or right release

    explicit PELAAJA(PELIAJO& ajo) : p(ajo) { m.kansio = p.kansio + "/peili"; }

    KUORI& Kuori() { return *m.p->k; }
    LENTO& Lento() { return *m.p->lento; }
    // The game started in step with the driver, with the fixed dice, from the
    // same X server state; the mirror from the frames the game has drawn by then.
    bool Kaynnista() {
        p.tahdistetty = true;
        p.siemen = SIEMEN;
        std::string komento = "mkdir '" + m.kansio + "' && cp -r '" + KoontiKansio() +
                              "/Tiedostot' '" + m.kansio + "/'";
        if (!p.Valmistele() || system(komento.c_str()) != 0) return false;
        p.TasainenAlku();
        if (!p.Kaynnista() || !p.OdotaIkkuna()) return false;
        m.Sisaan();
        m.p->AlustaSisalto(p.leveys, p.korkeus, false);
        m.Ulos();
        // Those first frames had no input of ours.
        for (uint64_t i = 0; i < p.Kehykset(); i++) m.Kehys(uudet);
        return true;
    }

    // One relative motion, kept inside the window (the grab would cut it short
    // unseen), as SDL reports it: the X pointer's step, SDL's pointer moved and
    // clamped by it.
    void Liike(int dx, int dy) {
        int x0, y0, x1, y1;
        viimeX = viimeY = 0;
        p.Osoitin(x0, y0);
        dx = std::max(-x0, std::min(dx, p.leveys - 1 - x0));
        dy = std::max(-y0, std::min(dy, p.korkeus - 1 - y0));
        if (dx == 0 && dy == 0) return;
        p.Liiku(dx, dy);
        p.Osoitin(x1, y1);
        if (x1 == x0 && y1 == y0) return;
        viimeX = x1 - x0;
        viimeY = y1 - y0;
        sdlX = std::max(0, std::min(sdlX + x1 - x0, p.leveys - 1));
        sdlY = std::max(0, std::min(sdlY + y1 - y0, p.korkeus - 1));
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = (Uint16)sdlX;
        e.motion.y = (Uint16)sdlY;
        e.motion.xrel = (Sint16)(x1 - x0);
        e.motion.yrel = (Sint16)(y1 - y0);
        uudet.push_back(e);
    }
    void Nappi(int nappi, bool alas) {
        p.Nappi(nappi, alas);
        SDL_Event e{};
        e.type = alas ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = (Uint8)nappi; // SDL numbers them as X does
        e.button.x = (Uint16)sdlX;
        e.button.y = (Uint16)sdlY;
        uudet.push_back(e);
    }
    void Nappain(const char* keysym, SDLKey sym, bool alas) {
        p.Nappain(keysym, alas);
        SDL_Event e{};
        e.type = alas ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = sym;
        uudet.push_back(e);
    }
    // A key pressed for two frames: held in the second, released in the third.
    void Paina(const char* keysym, SDLKey sym) {
        Nappain(keysym, sym, true);
        Kehys();
        Kehys();
        Nappain(keysym, sym, false);
        Kehys();
    }
    // One frame of the game and of the mirror, on the same events.
    void Kehys() {
        ASSERT_TRUE(p.OdotaKehyksia(1)) << p.Virheet();
        m.Kehys(uudet);
        uudet.clear();
        for (Uint8 b : {0, 2}) nahtyja += m.p->h.NapinTila(b) == VAPAUTETTU;
    }
    // A click as a hand makes it: the press, the mouse moving, the release, in
    // one frame. The game sees it whole, in the frame after.
    void Klikkaus(int nappi) {
        Nappi(nappi, true);
        Liike(1, 0);
        Nappi(nappi, false);
        Liike(-1, 0);
        klikkauksia++;
    }

    // The pointer to a spot: home to the top-left corner (moved left and up by
    // more than the window, so there whatever SDL's pointer was), then there in
    // steps. SDL brings the X pointer back to the middle before it reaches an
    // edge, so every step has room.
    void Osoita(const SUORAKULMIO& r) {
        for (int x = 0, y = 0, i = 0; i < 300 && (x < p.leveys || y < p.korkeus); i++) {
            Liike(-40, -40);
            x -= viimeX;
            y -= viimeY;
            Kehys();
        }
        EXPECT_EQ(sdlX, 0);
        EXPECT_EQ(sdlY, 0);
        int px = (int)(r.KeskiX() * p.leveys / 1280.0 + 0.5);
        int py = (int)(p.korkeus - 1 - r.KeskiY() * p.korkeus / 1024.0 + 0.5);
        for (int i = 0; i < 200 && (sdlX != px || sdlY != py); i++) {
            Liike(std::max(-40, std::min(px - sdlX, 40)), std::max(-40, std::min(py - sdlY, 40)));
            Kehys();
        }
        Kehys(); // the last motion handled again: no motion left over
    }
    // A left click on the spot; the item is chosen in the last frame.
    void Klikkaa(const SUORAKULMIO& r) {
        Osoita(r);
        Klikkaus(1);
        Kehys();
        Kehys();
    }

    // One update of a race: the pilot's controls for the next bubble, then the
    // frame. A click is made whole within the frame, with the mouse moving.
    void Lenna(int paivitys, bool hiljaa) {
        const RATA& rata = Lento().rata;
        const PAPERPLANE& kone = m.p->Kone();
        SIJAINTI kohde = rata.kuplat[std::min(rata.seuraava, rata.pituus - 1)].Sijainti;
        if (rata.seuraava != saavutettu || paivitys == 0) {
            saavutettu = rata.seuraava;
            saavutusHetki = paivitys;
            kierto = 0;
        }
        // Circling a bubble it cannot turn into, the pilot flies on past it for a
        // while, to a point as far beyond it as the plane is short of it, and
        // comes back on a straighter line.
        if (kierto == 0 && paivitys - saavutusHetki > 300) {
            const SIJAINTI& s = kone.body.Sijainti;
            ohi = SIJAINTI{2 * kohde.x - s.x, kohde.y, 2 * kohde.z - s.z};
            kierto = 150;
            saavutusHetki = paivitys;
        }
        if (kierto > 0) {
            kierto--;
            kohde = ohi;
        }
        OHJAUS o = ohjaaja.Kohti(kone, kohde, paivitys);
        if (!hiljaa) {
            if (o.dy) Liike(0, o.dy);
            if (o.vasen || o.oikea) Klikkaus(o.vasen ? 1 : 3);
            if (o.vali != keski) {
                keski = o.vali;
                Nappi(2, keski);
            }
        }
        Kehys();
    }
    // A race to its end (or the ground); the updates flown. The pilot keeps
    // three updates quiet near the start, where `g` presses G: the game then
    // handles the same events in every other frame, with or without it.
    int LennaKisa(bool g = false) {
        ohjaaja.ViimeKlikkaus = -100;
        int u = 0;
        for (; Kuori().ruutu == LENTO_RUUTU && u < 9000; u++) {
            bool hiljaa = u >= HILJAA && u < HILJAA + 3;
            if (g && u == HILJAA) Nappain("g", SDLK_g, true);
            if (g && u == HILJAA + 1) Nappain("g", SDLK_g, false);
            Lenna(u, hiljaa);
            if (::testing::Test::HasFatalFailure()) break;
            // (The chase camera needs ten updates of a first flight to stand behind.)
            if (u == 30) {
                EXPECT_TRUE(p.LentoNakyy()) << "the game is not where its mirror is";
            }
        }
        // Nothing held into the menus.
        if (keski) Nappi(2, false);
        keski = false;
        Kehys();
        return u;
    }
    // Game over by Space, the summary back to the main menu.
    void Valikkoon() {
        Paina("space", SDLK_SPACE);
        EXPECT_EQ(Kuori().ruutu, YHTEENVETO);
        Klikkaa(TakaisinVasemmalla(p));
        EXPECT_EQ(Kuori().ruutu, PAAVALIKKO);
    }
    // "Take wing" from the main menu with the plane's nose as near `nokka` as the
    // menu's spin can turn it (a third of a degree a frame about its own up):
    // the pointer on the item, frames of waiting, then the click.
    void Lahde(const VEKTORI& nokka) {
        Osoita(Valikko(p, TAKE_WING));
        PAPERPLANE kone = m.p->Kone();
        int paras = 3;
        double lahin = -2;
        for (int n = 1; n <= 1084; n++) {
            MATRIISI4X4& k = kone.body.Kiertomatriisi;
            k.PyoritaY(0.333);
            OrthonormalizeMatrix(k.m);
            double piste = Pistetulo(k.EteenV(), nokka);
            if (n >= 3 && piste > lahin) {
                lahin = piste;
                paras = n;
            }
        }
        for (int i = 0; i < paras - 2; i++) Kehys();
        Klikkaus(1);
        Kehys();
        Kehys();
        ASSERT_EQ(Kuori().ruutu, LENTO_RUUTU);
    }
    // From the start of the game: race A chosen, then "Take wing".
    void EnsimmainenLento() {
        Klikkaa(Valikko(p, OPTIONS));
        Klikkaa(Asetuskohta(p, 0, 1));
        ASSERT_EQ(Kuori().pelityyppi, 1);
        Klikkaa(Asetuskohta(p, 1, 2));
        Lahde(LAHTOSUUNTA);
    }
};

// Where the ghost's pose of update n is on screen, through the mirror's camera
// (pixels from the top-left): false unless it is near, well inside the view and
// clear of the player's own plane in the middle, which would hide it.
bool HaamuRuudulla(PELAAJA& a, Uint32 n, int& x, int& y, double& etaisyys) {
    OBJEKTI o;
    if (!a.Lento().haamut.Asento(n, o)) return false;
    const KAMERA& k = a.m.p->g.Kamera();
    VEKTORI eteen{k.Kohde.x - k.Paikka.x, k.Kohde.y - k.Paikka.y, k.Kohde.z - k.Paikka.z};
    eteen.Versoriksi();
    VEKTORI sivu = Vektoritulo(eteen, k.Ylos);
    sivu.Versoriksi();
    VEKTORI ylos = Vektoritulo(sivu, eteen);
    VEKTORI d{o.Sijainti.x - k.Paikka.x, o.Sijainti.y - k.Paikka.y, o.Sijainti.z - k.Paikka.z};
    etaisyys = Pistetulo(d, eteen);
    if (etaisyys < 2 || etaisyys > 20) return false;
    double t = std::tan(35.0 * M_PI / 180.0) * etaisyys;
    double nx = Pistetulo(d, sivu) / (t * a.p.leveys / a.p.korkeus), ny = Pistetulo(d, ylos) / t;
    x = (int)((nx + 1) / 2 * a.p.leveys);
    y = (int)((1 - ny) / 2 * a.p.korkeus);
    bool keskella = std::abs(x - a.p.leveys / 2) < a.p.leveys / 6 &&
                    std::abs(y - a.p.korkeus / 2) < a.p.korkeus / 8;
    return std::fabs(nx) < 0.8 && ny > -0.8 && ny < 0.7 && !keskella;
}

Uint32 Luku(const std::vector<unsigned char>& t, size_t kohta) {
    return (Uint32)t[kohta] | (Uint32)t[kohta + 1] << 8 | (Uint32)t[kohta + 2] << 16 |
           (Uint32)t[kohta + 3] << 24;
}

double Sekunteja(std::chrono::steady_clock::time_point alku) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - alku).count();
}

} // namespace

TEST(Haamu, RaceAFlownTwiceLeavesTheFirstAsTheGhostThatTheSecondSeesAndDoesNotBeat) {
    // ---- The first run: two flights of race A ----
    PELIAJO p;
    PELAAJA a(p);
    ASSERT_TRUE(a.Kaynnista());
    a.EnsimmainenLento();
    EXPECT_TRUE(p.LueTiedosto(HAAMUTIEDOSTO).empty());

    int paivityksia = a.LennaKisa();
    ASSERT_FALSE(::testing::Test::HasFatalFailure());
    const RATA& rata = a.Lento().rata;
    ASSERT_EQ(rata.seuraava, rata.pituus) << "the pilot reached " << rata.seuraava << " of "
                                          << rata.pituus << " in " << paivityksia << " updates";
    ASSERT_EQ(a.Kuori().ruutu, PELI_OHI);
    EXPECT_FALSE(p.LentoNakyy()) << "the game is not where its mirror is";
    // Every click, made with the mouse moving, was seen once: in the menus and
    // in the flight, whose path the game's own ghost file below repeats.
    EXPECT_GT(a.klikkauksia, 20);
    EXPECT_EQ(a.nahtyja, a.klikkauksia);

    // The game's ghost is the flight the mirror flew, update for update: the
    // same bytes but for the result, which is the game's own clock's.
    const std::vector<unsigned char> haamu = p.LueTiedosto(HAAMUTIEDOSTO);
    const std::vector<unsigned char> peilin = LueTiedosto(a.m.kansio + "/" + HAAMUTIEDOSTO);
    ASSERT_GT(haamu.size(), 20u + 36u * 100);
    ASSERT_EQ(haamu.size(), peilin.size());
    EXPECT_EQ(Luku(haamu, 16), (Uint32)paivityksia);
    for (size_t i = 0; i < haamu.size(); i++)
        if (i < 12 || i >= 16) {
            ASSERT_EQ(haamu[i], peilin[i]) << "byte " << i;
        }
    const Uint32 tulos = Luku(haamu, 12);

    // The second flight, with the ghost beside the plane; a frame where the
    // ghost is well in view is kept.
    a.Valikkoon();
    a.Lahde(TOINEN_SUUNTA);
    const auto alku = std::chrono::steady_clock::now(); // the flight's clock started before
    ASSERT_EQ(a.Lento().haamut.haamu.maara, (Uint32)paivityksia);
    a.ohjaaja.ViimeKlikkaus = -100;
    int kuvaHetki = -1, gx = 0, gy = 0;
    double etaisyys = 0;
    for (int u = 0; a.Kuori().ruutu == LENTO_RUUTU && kuvaHetki < 0 && u < 9000; u++) {
        a.Lenna(u, false);
        if (u >= 20 && HaamuRuudulla(a, (Uint32)u, gx, gy, etaisyys)) kuvaHetki = u;
    }
    ASSERT_GE(kuvaHetki, 0) << "the ghost never came into view";
    const std::vector<unsigned char> nakyy = p.Kuva();
    p.Tallenna("e2e-haamu-nakyy");

    // Slower: paused until its clock is past the ghost's result.
    a.Paina("Pause", SDLK_PAUSE);
    ASSERT_TRUE(a.Lento().tauko);
    // The result is the game's own clock, which runs on in the pause: the
    // driver lets it pass the ghost's result (and a second more), a frame at a
    // time. The ghost waits meanwhile.
    const Uint32 haamunPaivitys = a.Lento().haamut.paivitys;
    while (Sekunteja(alku) * 1000 < tulos + 1000.0) {
        PELIAJO::Odota(50);
        a.Kehys();
    }
    EXPECT_EQ(a.Lento().haamut.paivitys, haamunPaivitys);
    a.Paina("Pause", SDLK_PAUSE);
    ASSERT_FALSE(a.Lento().tauko);
    a.LennaKisa(false);
    ASSERT_EQ(rata.seuraava, rata.pituus);
    EXPECT_EQ(p.LueTiedosto(HAAMUTIEDOSTO), haamu) << "a slower flight replaced the ghost";
    a.Valikkoon();
    p.Sulje();
    EXPECT_EQ(p.OdotaLoppu(60), 0) << p.Virheet();
    EXPECT_EQ(p.OmatVuodot(), "") << p.Virheet();

    // ---- The second run: the same, but G hides the ghost in the first flight ----
    PELIAJO q;
    PELAAJA b(q);
    ASSERT_TRUE(b.Kaynnista());
    b.EnsimmainenLento();
    EXPECT_EQ(b.LennaKisa(true), paivityksia);
    ASSERT_FALSE(b.Lento().haamut.naytetaan);
    b.Valikkoon();
    b.Lahde(TOINEN_SUUNTA);
    b.ohjaaja.ViimeKlikkaus = -100;
    for (int u = 0; u <= kuvaHetki; u++) b.Lenna(u, false);
    const std::vector<unsigned char> piilossa = q.Kuva();
    q.Tallenna("e2e-haamu-piilossa");
    q.Tapa();

    // The frames differ where the ghost is, and nowhere else but in the clock
    // and the frame rate at the top.
    ASSERT_EQ(nakyy.size(), piilossa.size());
    int eroja = 0, ulkona = 0;
    // A plane is about one unit long: the ghost is within this many pixels of its middle.
    int sade = std::max(24, (int)(p.korkeus / (std::tan(35.0 * M_PI / 180.0) * etaisyys)));
    for (int y = p.korkeus / 12; y < p.korkeus; y++)
        for (int x = 0; x < p.leveys; x++) {
            size_t i = ((size_t)y * p.leveys + x) * 3;
            if (memcmp(&nakyy[i], &piilossa[i], 3) == 0) continue;
            eroja++;
            if (std::abs(x - gx) > sade || std::abs(y - gy) > sade) ulkona++;
        }
    EXPECT_GT(eroja, 20) << "the ghost at (" << gx << ", " << gy << ") is not drawn";
    EXPECT_EQ(ulkona, 0) << "the frames differ away from the ghost at (" << gx << ", " << gy
                         << "), " << sade << " px round it";
}
