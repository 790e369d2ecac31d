// A player's input, replayed through the frame loop's own input step at the
// frame rates players have: clicks while the mouse moves, key taps while
// steering, steering with rests. Every click and tap must be seen exactly once,
// all the motion must arrive, and no frame may repeat motion it did not get.
#include "apu/TestiApu.h"
#include "shell/Kuori.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// A small generator of its own, so the streams are the same on every machine.
struct ARPA {
    Uint64 tila;
    explicit ARPA(Uint64 siemen) : tila(siemen * 2862933555777941757ULL + 3037000493ULL) {}
    double Vali(double a, double b) {
        tila = tila * 6364136223846793005ULL + 1442695040888963407ULL;
        return a + (b - a) * (double)(tila >> 11) / (double)(1ULL << 53);
    }
};

enum TAPAUS { KLIKKAUKSET_LIIKKUESSA, NAPAUTUKSET_OHJATESSA, OHJAUS_LEVATEN };

struct AJASTETTU {
    double us; // microseconds from the start
    SDL_Event e;
};

SDL_Event Liike(int dx, int dy) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 400;
    e.motion.y = 300;
    e.motion.xrel = (Sint16)dx;
    e.motion.yrel = (Sint16)dy;
    return e;
}

SDL_Event Painallus(bool alas, bool nappain) {
    SDL_Event e{};
    if (nappain) {
        e.type = alas ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = SDLK_PAUSE;
    } else {
        e.type = alas ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = SDL_BUTTON_LEFT;
    }
    return e;
}

// The player's events over `sekuntia`, in time order, and the presses made.
std::vector<AJASTETTU> Virta(TAPAUS tapaus, int hz, double sekuntia, ARPA& arpa,
                             int& painalluksia) {
    std::vector<AJASTETTU> v;
    const double loppu = sekuntia * 1e6, askel = 1e6 / hz;
    const int suurin = hz >= 1000 ? 2 : 12; // pixels an event: the same hand speed
    // Motion: all the time, or in bursts with rests.
    for (double t = 0, lepoAlkaa = 0, lepoLoppuu = 0; t < loppu; t += askel) {
        if (tapaus == OHJAUS_LEVATEN && t >= lepoLoppuu) {
            lepoAlkaa = t + arpa.Vali(200e3, 800e3);
            lepoLoppuu = lepoAlkaa + arpa.Vali(100e3, 600e3);
        }
        if (tapaus == OHJAUS_LEVATEN && t >= lepoAlkaa) continue;
        int dx = (int)arpa.Vali(-suurin, suurin + 1), dy = (int)arpa.Vali(-suurin, suurin + 1);
        if (dx == 0 && dy == 0) dx = 1;
        v.push_back({t, Liike(dx, dy)});
    }
    // Presses of 60 to 120 ms with gaps between them.
    painalluksia = 0;
    const bool nappain = tapaus == NAPAUTUKSET_OHJATESSA;
    for (double t = arpa.Vali(0, 300e3); t + 130e3 < loppu; t += arpa.Vali(250e3, 700e3)) {
        double pito = arpa.Vali(60e3, 120e3);
        v.push_back({t + 0.5, Painallus(true, nappain)});
        v.push_back({t + pito + 0.5, Painallus(false, nappain)});
        t += pito;
        painalluksia++;
    }
    std::stable_sort(v.begin(), v.end(),
                     [](const AJASTETTU& a, const AJASTETTU& b) { return a.us < b.us; });
    return v;
}

struct TULOS {
    int painalluksia = 0, nahtyja = 0;   // presses made, releases the frames read
    double liiketta = 0, perille = 0;    // pixels moved, pixels a frame read as its own
    int kehyksia = 0, vanhentuneita = 0; // frames; frames reading motion they did not get
    int pisinSarja = 0;                  // the longest run of such frames
};

// One run: frames at `fps` (each 0..20 % late), every event before a frame's
// start handed to that frame by the input step, the states read as the screens
// read them.
TULOS Toista(TAPAUS tapaus, int fps, int hz, double sekuntia, Uint64 siemen) {
    ARPA arpa(siemen);
    TULOS tulos;
    std::vector<AJASTETTU> virta = Virta(tapaus, hz, sekuntia, arpa, tulos.painalluksia);
    auto k = std::make_unique<KUORI>();
    NAPPAIMET n;
    HIIRI h;
    AlustaSyottolaiteMoottori(n, h, 800, 600);
    size_t seuraava = 0;
    int sarja = 0;
    for (double t = 0; seuraava < virta.size() || t < sekuntia * 1e6 + 1e6;
         t += 1e6 / fps * arpa.Vali(1.0, 1.2)) {
        int omaX = 0, omaY = 0;
        bool liikkui = false;
        for (; seuraava < virta.size() && virta[seuraava].us < t; seuraava++) {
            const SDL_Event& e = virta[seuraava].e;
            if (e.type == SDL_MOUSEMOTION) {
                omaX += e.motion.xrel;
                omaY += e.motion.yrel;
                liikkui = true;
            }
            JonoonTapahtuma(e);
        }
        KehyksenSyote(*k, n, h, LueTestiTapahtuma);
        tulos.kehyksia++;
        const Uint8 tila =
            tapaus == NAPAUTUKSET_OHJATESSA ? n.NapinTila(NAPPI_PAUSE) : h.NapinTila(0);
        if (tila == VAPAUTETTU) tulos.nahtyja++;
        tulos.liiketta += std::abs(omaX) + std::abs(omaY);
        if (h.AnnaXd() == omaX && h.AnnaYd() == omaY)
            tulos.perille += std::abs(omaX) + std::abs(omaY);
        const bool vanha = !liikkui && (h.AnnaXd() != 0 || h.AnnaYd() != 0);
        tulos.vanhentuneita += vanha;
        sarja = vanha ? sarja + 1 : 0;
        if (sarja > tulos.pisinSarja) tulos.pisinSarja = sarja;
    }
    return tulos;
}

} // namespace

// The player's input as measured in play-tests: every rate of frames and of
// mice, a minute of each, two seeds. The table goes to the test's output.
TEST(SyoteToisto, NothingIsLostOrInventedAtAnyFrameRateOrMouseRate) {
    const int fpsit[] = {30, 60, 144}, hzt[] = {125, 1000};
    const char* nimet[] = {"clicks while moving: clicks lost", "taps while steering: taps seen",
                           "steering with rests: motion delivered, stale frames"};
    for (TAPAUS tapaus : {KLIKKAUKSET_LIIKKUESSA, NAPAUTUKSET_OHJATESSA, OHJAUS_LEVATEN}) {
        std::printf("%-52s", nimet[tapaus]);
        for (int fps : fpsit)
            for (int hz : hzt) {
                TULOS yht;
                for (Uint64 siemen = 1; siemen <= 2; siemen++) {
                    TULOS t = Toista(tapaus, fps, hz, 60, siemen * 1000 + (Uint64)fps + (Uint64)hz);
                    SCOPED_TRACE(testing::Message()
                                 << fps << " fps, " << hz << " Hz, seed " << siemen);
                    EXPECT_GT(t.painalluksia, 60);
                    EXPECT_EQ(t.nahtyja, t.painalluksia);
                    EXPECT_EQ(t.perille, t.liiketta);
                    EXPECT_EQ(t.vanhentuneita, 0);
                    yht.painalluksia += t.painalluksia;
                    yht.nahtyja += t.nahtyja;
                    yht.liiketta += t.liiketta;
                    yht.perille += t.perille;
                    yht.vanhentuneita += t.vanhentuneita;
                    yht.kehyksia += t.kehyksia;
                }
                if (tapaus == OHJAUS_LEVATEN)
                    std::printf(" | %3d/%4d: %5.1f %% %d", fps, hz,
                                100.0 * yht.perille / yht.liiketta, yht.vanhentuneita);
                else
                    std::printf(" | %3d/%4d: %5.1f %%", fps, hz,
                                100.0 * (tapaus == KLIKKAUKSET_LIIKKUESSA
                                             ? 1.0 - (double)yht.nahtyja / yht.painalluksia
                                             : (double)yht.nahtyja / yht.painalluksia));
            }
        std::printf("\n");
    }
}
