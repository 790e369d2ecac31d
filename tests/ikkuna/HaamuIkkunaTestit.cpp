// A race of the real data set flown in a real window, every frame read back
// from the screen. The same start, clock and dice give the same frames; with
// no ghost stored, a damaged ghost file or the ghost hidden with G, the frames
// are those pixel for pixel and queue the same objects. A stored ghost adds one
// object to the frames of its flight and shows in them, and is gone after its
// last update.
#include "apu/PeliTila.h"
#include "apu/TestiApu.h"
#include "files/HaamuTiedosto.h"
#include "ikkuna/Kaappaus.h"

#include <GL/glew.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

const int W = 800, H = 600;
// The races are drawn into a corner of the window (a software renderer draws a
// frame of the whole yard slowly, in proportion to its pixels).
const int KW = 320, KH = 240;
const int FRAMEJA = 4; // updates of each race
const int EDELLA = 2;  // the ghost flies this many updates ahead of the plane, and so ends as
                       // many updates before it

typedef std::vector<unsigned char> KUVA_RGB;

int Eroja(const KUVA_RGB& a, const KUVA_RGB& b) {
    int n = 0;
    for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3)
        n += a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2];
    return n + (a.size() != b.size() ? 1 : 0);
}

struct HaamuIkkuna : ::testing::Test {
    TYOKANSIO kansio;
    VALEKELLO kello{1000, 1};
    std::unique_ptr<PELI> p;
    std::unique_ptr<LENTO> alku;
    PAPERPLANE alkuKone;
    KAMERA alkuKamera;

    void TearDown() override { glViewport(0, 0, W, H); }
    void SetUp() override {
        glViewport(0, 0, KW, KH);
        std::string komento = "cp -r '" + KoontiKansio() + "/Tiedostot' .";
        ASSERT_EQ(system(komento.c_str()), 0);
        p.reset(new PELI);
        p->AlustaSisalto(W, H, true);
        alku.reset(new LENTO(*p->lento));
        alkuKone = p->Kone();
        alkuKamera = p->g.Kamera();
        // As after an earlier flight: the chase camera's delay line holds a nose
        // direction, so that it stands behind the plane from the first update.
        for (VEKTORI& v : alku->viive.historia) v = alkuKone.body.Kiertomatriisi.EteenV();
    }

    // Race A from the start, hands off: the screen after each update, the
    // objects each queued, and the plane after each update.
    std::vector<KUVA_RGB> Kisa(std::vector<Uint32>& objekteja,
                               std::vector<OBJEKTI>* reitti = nullptr, bool piilossa = false) {
        *p->lento = *alku;
        p->lento->haamut.naytetaan = !piilossa;
        p->Kone() = alkuKone;
        p->g.Kamera() = alkuKamera;
        srand(7);
        kello.Aseta(1000);
        // What the window system said when the window appeared (the pointer
        // entering it is a mouse motion) is no part of the race.
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
        p->AlustaSyotteet(W, H);
        p->k->pelityyppi = 1;
        LentoAlku(*p->k, p->Kone(), *p->lento);
        std::vector<KUVA_RGB> kuvat;
        objekteja.clear();
        for (int i = 0; i < FRAMEJA; i++) {
            p->Kehys(LueTestiTapahtuma);
            objekteja.push_back(p->g.ObjektienMaara);
            if (reitti) reitti->push_back(p->Kone().body);
            p->g.Paivita(0, 0, 0);
            kuvat.push_back(Ruutu());
        }
        EXPECT_EQ(p->k->ruutu, LENTO_RUUTU);
        return kuvat;
    }
};

} // namespace

TEST_F(HaamuIkkuna, WithNoGhostEveryFrameIsTheSameAndAStoredOneShowsUntilItsFlightEnds) {
    std::vector<Uint32> ilman, objekteja;
    std::vector<OBJEKTI> reitti;
    const std::vector<KUVA_RGB> pohja = Kisa(ilman, &reitti);
    ASSERT_EQ(pohja.size(), (size_t)FRAMEJA);
    ASSERT_EQ(pohja[0].size(), (size_t)W * H * 3);

    // The ghost of the same flight, EDELLA updates ahead of the plane, a little
    // to its right and above it, banked to show its wings to the camera.
    HAAMU h;
    h.Varaa();
    for (int i = 0; i + EDELLA < FRAMEJA; i++) {
        OBJEKTI o = reitti[i + EDELLA];
        o.Sijainti.x -= 0.4;
        o.Sijainti.y += 0.2;
        o.Kiertomatriisi.PyoritaZ(50);
        h.asennot[(size_t)i] = HaamunAsento(o);
    }
    h.maara = FRAMEJA - EDELLA;
    h.tulos = 60000;
    h.rata = RadanTunniste(p->lento->rata);
    snprintf(h.kone, sizeof h.kone, "%s", alkuKone.name);
    std::vector<Uint8> tavut;
    HaamuTavuiksi(h, 'A', tavut);
    const std::string tiedosto = "Tiedostot/Muu Data/HaamuA.dat";

    // Damaged (one byte short): no ghost, the same frames (nothing of a frame
    // depends on anything but the start, the clock and the dice).
    KirjoitaTiedosto(tiedosto, std::vector<Uint8>(tavut.begin(), tavut.end() - 1));
    std::vector<KUVA_RGB> kuvat = Kisa(objekteja);
    EXPECT_EQ(objekteja, ilman);
    for (int i = 0; i < FRAMEJA; i++) ASSERT_EQ(Eroja(kuvat[i], pohja[i]), 0) << i;

    // Whole: one object more while its flight lasts, drawn ahead of the plane.
    KirjoitaTiedosto(tiedosto, tavut);
    kuvat = Kisa(objekteja);
    ASSERT_EQ(p->lento->haamut.haamu.maara, h.maara);
    for (int i = 0; i < FRAMEJA; i++) {
        if (i < (int)h.maara) {
            EXPECT_EQ(objekteja[i], ilman[i] + 1) << i;
            EXPECT_GT(Eroja(kuvat[i], pohja[i]), 50) << i;
        } else {
            EXPECT_EQ(objekteja[i], ilman[i]) << i;
            EXPECT_EQ(Eroja(kuvat[i], pohja[i]), 0) << i;
        }
    }

    // Hidden with G: the frames of no ghost.
    kuvat = Kisa(objekteja, nullptr, true);
    EXPECT_EQ(objekteja, ilman);
    for (int i = 0; i < FRAMEJA; i++) ASSERT_EQ(Eroja(kuvat[i], pohja[i]), 0) << i;
}
