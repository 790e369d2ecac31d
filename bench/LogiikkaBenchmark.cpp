// The game logic of one frame, piece by piece and whole, on the data set's
// content and with the renderer that only queues (no window): what a flight
// update costs the frame before any drawing. The whole Survivor frame with a full
// pool of 1000 bubbles must stay under 0.1 ms, and no frame of a flight may
// allocate.
#include "PeliTila.h"
#include "TestiApu.h"
#include "Varaukset.h"

#include "foundation/PerusFunktiot.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

// The game state, started once from the build's data set.
PELI& Peli() {
    static PELI* peli = [] {
        if (chdir(KoontiKansio().c_str()) != 0) fprintf(stderr, "no build folder\n");
        srand(1);
        PELI* p = new PELI;
        p->AlustaSisalto(800, 600, false);
        return p;
    }();
    return *peli;
}

// The flight being measured, held at its start.
PIDETTY_LENTO pidetty;

// Updates that fill a Survivor flight before it is measured; a smoke run
// (TAVIO_SAVU) only checks that everything runs.
int Lammitys() {
    return getenv("TAVIO_SAVU") ? 50 : 4000;
}

PELI& Survivor(int kuplia) {
    PELI& p = Peli();
    if (p.k->pelityyppi != 0 || p.k->ruutu != LENTO_RUUTU || ElaviaKuplia(p) != kuplia)
        pidetty.Survivor(p, kuplia, Lammitys());
    return p;
}

// ---- Pieces of a flight update ----

void Fysiikka_PaivitaFysiikka(benchmark::State& tila) {
    PELI& p = Survivor(0);
    PAPERPLANE kone = pidetty.kone;
    BONUS bonus;
    int askel = 0;
    for (auto _ : tila) {
        // A player's hand on the mouse: a little roll and pitch every step.
        kone.elevonA += 0.4;
        kone.elevonB -= 0.2;
        kone.PaivitaFysiikka(p.lento->maailma, bonus);
        // A whole glide lasts about a thousand steps; then the flight starts again.
        if (++askel == 1000) {
            askel = 0;
            kone = pidetty.kone;
        }
        benchmark::DoNotOptimize(kone.body.Sijainti);
    }
}

void Kuplat_Paivita_1000(benchmark::State& tila) {
    PELI& p = Survivor(KUPLIEN_MAARA);
    LENTO& l = *p.lento;
    int elavia = 0;
    for (auto _ : tila) {
        AANIJONO aanet;
        benchmark::DoNotOptimize(l.kuplat.Paivita(p.Kone(), l.bonus, aanet));
        // The few that popped are blown again, so every update sees a full pool.
        elavia = pidetty.Pida(p, KUPLIEN_MAARA);
    }
    tila.counters["kuplia"] = elavia;
}

void Puhaltajat_Askel(benchmark::State& tila) {
    PELI& p = Survivor(KUPLIEN_MAARA);
    LENTO& l = *p.lento;
    for (auto _ : tila) {
        // With the pool full, a blow that fires scans it and blows nothing.
        PuhaltajaAskel(l.puhaltajat, l.kuplat, l.bonus);
    }
}

// ---- Text ----

void LueminutTekstiksi(TEKSTI& t) {
    t.Alku();
    for (int rivi = 0; rivi < LUEMINUUTIN_RIVIT; rivi++) t.Lisaa(LUEMINUT[rivi], rivi, false);
}

void Teksti_Lueminut(benchmark::State& tila, bool hiirella) {
    PELI& p = Peli();
    std::unique_ptr<TEKSTI> t(new TEKSTI);
    HIIRI h = p.h;
    h.x = 640;
    h.y = 512;
    Uint32 kuvia = 0;
    for (auto _ : tila) {
        LueminutTekstiksi(*t);
        if (hiirella)
            p.g.TulostaTeksti(*t, 0, 1540 - 0.5 * h.AnnaX(), h, YLA_VASEN, 0, 0.6);
        else
            p.g.TulostaTeksti(*t, 0, 1540 - 0.5 * h.AnnaX(), YLA_VASEN, 0, 0.6);
        kuvia = p.g.KuvienMaara;
        p.g.TyhjennaKuvaPuskuri();
    }
    tila.counters["merkkeja"] = kuvia;
}
void Teksti_Lueminut_Hiirella(benchmark::State& tila) {
    Teksti_Lueminut(tila, true);
}
void Teksti_Lueminut_IlmanHiirta(benchmark::State& tila) {
    Teksti_Lueminut(tila, false);
}

// The whole read-me screen as the shell lays it out: title, text and menu item.
void Ruutu_LueRuutu(benchmark::State& tila) {
    PELI& p = Peli();
    p.h.x = 640;
    p.h.y = 512;
    for (auto _ : tila) {
        LueRuutu(*p.k, p.g, p.h);
        p.g.TyhjennaKuvaPuskuri();
    }
    p.k->ruutu = PAAVALIKKO;
}

// ---- Score table ----

void Pisteet_LisaaTulos(benchmark::State& tila) {
    PISTEET taysi;
    for (Uint32 i = 0; i < SIJOJEN_MAARA; i++)
        taysi.LisaaTulos(false, 100 + 10 * i, 60000 + 1000 * i, "Lentaja123");
    for (auto _ : tila) {
        PISTEET p = taysi;
        // Halfway down a full table: half the entries move one place.
        benchmark::DoNotOptimize(p.LisaaTulos(false, 195, 90000, "Uusi pilot"));
        benchmark::ClobberMemory();
    }
}

// ---- Whole flight frames ----

// One pass of the frame loop on the flight screen up to rendering: events, the
// frame timer and the frame-rate text, and the flight update (bubbles, pick-ups,
// controls, physics, the blower step, bonus timers, flight data, camera, HUD).
// The renderer only queues; the queues are emptied as a drawn frame empties them.
void Lento(benchmark::State& tila, int pelityyppi, int kuplia, bool koko) {
    PELI& p = Peli();
    if (pelityyppi == 0)
        pidetty.Survivor(p, kuplia, Lammitys());
    else
        pidetty.Kisa(p, pelityyppi);
    int elavia = 0;
    Uint32 objekteja = 0, kuvia = 0;
    unsigned long long varauksia = 0, framet = 0;
    for (auto _ : tila) {
        unsigned long long ennen = Varauksia();
        if (koko)
            p.Kehys(LueTestiTapahtuma);
        else
            LentoRuutu(*p.k, p.g, p.n, p.h, p.Kone(), *p.lento, p.kuuluva);
        varauksia += Varauksia() - ennen;
        framet++;
        objekteja = p.g.ObjektienMaara;
        kuvia = p.g.KuvienMaara;
        p.EiPiirretty();
        elavia = pidetty.Pida(p, kuplia);
    }
    if (p.k->ruutu != LENTO_RUUTU) tila.SkipWithError("the flight ended");
    tila.counters["kuplia"] = pelityyppi == 0 ? elavia : 0;
    tila.counters["objekteja"] = objekteja;
    tila.counters["merkkeja"] = kuvia;
    tila.counters["varauksia_framessa"] = framet ? (double)varauksia / (double)framet : 0;
    if (varauksia > 0) tila.SkipWithError("a flight frame allocated");
}

void Lento_Survivor1000_Kehys(benchmark::State& s) {
    Lento(s, 0, KUPLIEN_MAARA, true);
}
void Lento_Survivor1000_LentoRuutu(benchmark::State& s) {
    Lento(s, 0, KUPLIEN_MAARA, false);
}
void Lento_Survivor200_Kehys(benchmark::State& s) {
    Lento(s, 0, 200, true);
}
void Lento_KisaF_Kehys(benchmark::State& s) {
    Lento(s, 6, 0, true);
}

} // namespace

BENCHMARK(Fysiikka_PaivitaFysiikka);
BENCHMARK(Kuplat_Paivita_1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Puhaltajat_Askel);
BENCHMARK(Teksti_Lueminut_Hiirella)->Unit(benchmark::kMicrosecond);
BENCHMARK(Teksti_Lueminut_IlmanHiirta)->Unit(benchmark::kMicrosecond);
BENCHMARK(Ruutu_LueRuutu)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pisteet_LisaaTulos);
BENCHMARK(Lento_Survivor1000_Kehys)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lento_Survivor1000_LentoRuutu)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lento_Survivor200_Kehys)->Unit(benchmark::kMicrosecond);
BENCHMARK(Lento_KisaF_Kehys)->Unit(benchmark::kMicrosecond);
