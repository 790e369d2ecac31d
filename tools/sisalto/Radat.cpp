// The six race tracks, of rising difficulty: more bubbles, closer together,
// faster, with tighter turns, climbs and dives. Each is a course of waypoints that
// the scripted pilot flies; every so many frames a bubble is put just ahead of
// the plane, where the game will find it reached in that very frame, and its
// speed boost is chosen to bring the plane back to the track's pace.
#include "Radat.h"
#include "Malli.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct RATA {
    const char* Tiedosto;
    int Kuplia;             // 20 .. 200
    int Vali;               // frames between bubbles
    double Vauhti;          // the pace the boosts keep, world units per frame
    double Nousu, Lasku;    // steepest climb and dive the pilot takes, degrees
    std::vector<V3> Reitti; // waypoints (world units); the course goes round them in a loop
};

std::vector<RATA> Radat() {
    return {
        // A: a gentle glide round the yard.
        {"BubbleRaceA.dat",
         20,
         75,
         0.5,
         8,
         12,
         {{-100, 90, 220},
          {-30, 80, 400},
          {90, 72, 420},
          {170, 66, 260},
          {150, 60, 60},
          {40, 55, -80},
          {-120, 55, -60}}},
        // B: round the yard and over the museum's roof, past its dome.
        {"BubbleRaceB.dat",
         40,
         65,
         0.55,
         18,
         18,
         {{-100, 110, 250},
          {-90, 175, 470},
          {-110, 180, 660},
          {60, 175, 740},
          {170, 140, 560},
          {200, 90, 300},
          {170, 60, 0},
          {0, 45, -230},
          {-180, 60, -100},
          {-200, 90, 150}}},
        // C: a figure of eight over the fountain, rising and falling.
        {"BubbleRaceC.dat",
         70,
         55,
         0.6,
         15,
         22,
         {{-80, 95, 200},
          {-10, 70, 330},
          {130, 110, 420},
          {200, 80, 250},
          {80, 50, 110},
          {-60, 60, -40},
          {-190, 100, -150},
          {-150, 120, -300},
          {0, 80, -260},
          {110, 55, -120},
          {20, 40, 100},
          {-120, 70, 220}}},
        // D: low along the lamp-lit path, a sweep before the museum, a slalom down both sides.
        {"BubbleRaceD.dat",
         100,
         48,
         0.65,
         18,
         28,
         {{-60, 60, 150},
          {-10, 35, 260},
          {0, 30, 420},
          {-130, 60, 480},
          {-210, 50, 300},
          {-150, 40, 150},
          {-210, 45, 0},
          {-140, 40, -150},
          {0, 45, -280},
          {150, 40, -180},
          {210, 45, -40},
          {150, 35, 80},
          {220, 40, 200},
          {150, 35, 320},
          {200, 80, 470},
          {60, 120, 500},
          {-40, 80, 380},
          {-100, 50, 250}}},
        // E: spiralling up round the dome, then diving into the yard with tight turns.
        {"BubbleRaceE.dat",
         150,
         42,
         0.72,
         20,
         32,
         {{-60, 100, 260},  {-150, 110, 600}, {0, 140, 820},   {150, 170, 650}, {0, 190, 520},
          {-150, 210, 650}, {0, 235, 800},    {130, 210, 620}, {20, 120, 420},  {-120, 40, 260},
          {-50, 30, 120},   {80, 40, 190},    {150, 60, 40},   {60, 40, -100},  {-80, 45, -20},
          {-180, 80, -200}, {-40, 110, -320}, {120, 80, -230}, {180, 50, -20},  {40, 35, 60},
          {-100, 60, 400}}},
        // F: everything at once, fast and tight.
        {"BubbleRaceF.dat",
         200,
         36,
         0.8,
         24,
         38,
         {{-70, 90, 220},   {0, 40, 340},     {90, 30, 250},   {60, 120, 120},   {-60, 60, 40},
          {-170, 30, 150},  {-120, 170, 380}, {0, 230, 620},   {150, 150, 700},  {210, 60, 520},
          {120, 30, 330},   {200, 90, 120},   {110, 40, -60},  {200, 140, -250}, {20, 90, -330},
          {-150, 40, -260}, {-220, 100, -80}, {-100, 140, 60}, {-30, 35, -80},   {80, 60, 60},
          {-20, 110, 200},  {-190, 60, 300}}},
    };
}

// The course's pilot: steers toward the waypoint ahead and takes the next one
// once it is within 30 units across the ground.
struct LENTAJA {
    const RATA& Rata;
    size_t Kohde = 0;
    OHJAAJA Ohjaaja;

    explicit LENTAJA(const RATA& r) : Rata(r) {
        Ohjaaja.Nousu = r.Nousu;
        Ohjaaja.Lasku = r.Lasku;
    }

    OHJAUS Paata(const PAPERPLANE& p, int ruutu) {
        const SIJAINTI& s = p.body.Sijainti;
        V3 T = Rata.Reitti[Kohde];
        double dx = T.x - s.x, dz = T.z - s.z;
        if (std::sqrt(dx * dx + dz * dz) < 30) {
            Kohde = (Kohde + 1) % Rata.Reitti.size();
            T = Rata.Reitti[Kohde];
        }
        return Ohjaaja.Kohti(p, SIJAINTI{T.x, T.y, T.z}, ruutu);
    }
};

double Etaisyys3(const SIJAINTI& a, double x, double y, double z) {
    double dx = a.x - x, dy = a.y - y, dz = a.z - z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

} // namespace

RADAN_LENTO LennaRata(int n) {
    std::vector<RATA> radat = Radat();
    const RATA& rata = radat[(size_t)n];
    RADAN_LENTO lento;
    PAPERPLANE p;
    AloitaLento(p);
    MAAILMA maailma;
    maailma.Aseta(1.0, 1.0, 1.0);
    BONUS bonus;
    bonus.Alusta();
    LENTAJA lentaja(rata);
    std::vector<SIJAINTI> jalki; // positions since the last bubble was reached
    int seuraava = 60;           // the first bubble a second after the start, ahead of the nose
    for (int ruutu = 0; ruutu < 20000 && (int)lento.Kuplat.size() < rata.Kuplia; ruutu++) {
        // A bubble goes just ahead of the plane, where the game's reach test finds
        // it in this frame, and nowhere the plane has been since the last one.
        if (ruutu >= seuraava) {
            VEKTORI d = p.velocity;
            if (d.AnnaPituus() == 0) d = p.body.Kiertomatriisi.EteenV();
            d.Versoriksi();
            const SIJAINTI& s = p.body.Sijainti;
            RATAKUPLA k{s.x + 8.7 * d.x, s.y + 8.7 * d.y, s.z + 8.7 * d.z, 0};
            bool vapaa = Etaisyys3(s, k.x, k.y, k.z) <= KUPLAN_ULOTTUVUUS;
            // (the last entry of the trail is where the plane is now)
            for (size_t j = 0; j + 1 < jalki.size(); j++)
                if (Etaisyys3(jalki[j], k.x, k.y, k.z) <= KUPLAN_ULOTTUVUUS + 0.05) vapaa = false;
            if (vapaa) {
                double v = p.velocity.AnnaPituus();
                double b = (rata.Vauhti - v) / 1.2 + 0.01;
                if (b < 0) b = 0;
                if (b > 0.3) b = 0.3;
                k.vauhti = std::round(b * 1000) / 1000;
                lento.Kuplat.push_back(k);
                bonus.speedBoost = k.vauhti * 1.2;
                jalki.clear();
                seuraava = ruutu + rata.Vali;
                if ((int)lento.Kuplat.size() == rata.Kuplia) {
                    lento.Ohjaus.push_back(OHJAUS{});
                    break;
                }
            }
        }
        OHJAUS o = lentaja.Paata(p, ruutu);
        Ohjaa(p, o);
        lento.Ohjaus.push_back(o);
        p.PaivitaFysiikka(maailma, bonus);
        jalki.push_back(p.body.Sijainti);
        lento.Reitti.push_back(p.body.Sijainti);
        if (getenv("SISALTO_KERRO") && MuseonSisalla(p.body.Sijainti))
            printf("  %s: inside the museum at frame %d (%.0f, %.0f, %.0f)\n", rata.Tiedosto, ruutu,
                   p.body.Sijainti.x, p.body.Sijainti.y, p.body.Sijainti.z);
    }
    return lento;
}

const char* RadanTiedosto(int n) {
    static const char* nimet[RATOJEN_MAARA] = {"BubbleRaceA.dat", "BubbleRaceB.dat",
                                               "BubbleRaceC.dat", "BubbleRaceD.dat",
                                               "BubbleRaceE.dat", "BubbleRaceF.dat"};
    return nimet[n];
}

int RadanKuplat(int n) {
    return Radat()[(size_t)n].Kuplia;
}
