// The six race tracks, of rising difficulty: more bubbles, closer together,
// faster, with climbs and dives. Each is a course of waypoints that the scripted
// pilot flies; every so many frames a bubble is put just ahead of the plane, where
// the game will find it reached in that very frame, and its speed boost is chosen
// to bring the plane back to the track's pace.
//
// So that a player who sees only the next bubble can follow, the pilot flies the
// first second straight and level from the start (bubble 0 lies dead ahead along
// +z) and turns and pitches no faster than its course allows: with a bubble every
// `Vali` frames, the turn control it clicks up (`Kiertoraja`) keeps the turn from
// one leg to the next well under half the view's height.
#include "Radat.h"
#include "Malli.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

const SIJAINTI ALKU{LENNON_ALKU_X, LENNON_ALKU_Y, LENNON_ALKU_Z}; // where every flight starts

struct SUUNNITELMA {
    int Kuplia;             // 20 .. 200
    int Vali;               // frames between bubbles
    double Vauhti;          // the pace the boosts keep, world units per frame
    double Nousu, Lasku;    // steepest climb and dive the pilot takes, degrees
    double Kiertoraja;      // the most turn control the pilot clicks up (degrees)
    double Nyokkays;        // the fastest pitch change it asks for, degrees a frame
    std::vector<V3> Reitti; // waypoints (world units); the course goes round them in a loop
};

std::vector<SUUNNITELMA> Radat() {
    // clang-format off
    return {
        // A: a gentle glide up the yard and a wide turn before the museum.
        {20, 75, 0.5, 8, 12, 30, 0.25,
         {{-100, 90, 220}, {-30, 80, 400}, {90, 72, 420}, {170, 66, 260}, {150, 60, 60},
          {40, 55, -80}, {-120, 55, -60}}},
        // B: up the yard, over the museum's roof behind the dome, down the other side.
        {40, 65, 0.55, 18, 18, 35, 0.3,
         {{-100, 115, 230}, {-115, 170, 450}, {-125, 178, 640}, {-40, 180, 775}, {80, 178, 765},
          {165, 160, 600}, {200, 90, 300}, {170, 60, 0}, {0, 45, -230}, {-180, 60, -100},
          {-200, 90, 150}}},
        // C: a figure of eight over the fountain, rising and falling.
        {70, 55, 0.6, 15, 22, 40, 0.35,
         {{-80, 95, 200}, {-10, 70, 330}, {130, 110, 420}, {200, 80, 250}, {80, 50, 110},
          {-60, 60, -40}, {-190, 100, -150}, {-150, 120, -300}, {0, 80, -260}, {110, 55, -120},
          {20, 40, 100}, {-120, 70, 220}}},
        // D: low along the lamp-lit path, a sweep before the museum, a slalom down both sides.
        {100, 48, 0.65, 18, 28, 45, 0.4,
         {{-60, 60, 150}, {-10, 35, 260}, {0, 30, 420}, {-130, 60, 480}, {-210, 50, 300},
          {-150, 40, 150}, {-210, 45, 0}, {-140, 40, -150}, {0, 45, -280}, {150, 40, -180},
          {210, 45, -40}, {150, 35, 80}, {220, 40, 200}, {150, 40, 330}, {60, 90, 460},
          {-60, 80, 380}, {-100, 50, 250}}},
        // E: spiralling up round the dome, then diving into the yard with tight turns.
        {150, 42, 0.72, 20, 32, 50, 0.45,
         {{-60, 100, 260}, {-150, 110, 600}, {0, 140, 820}, {150, 170, 650}, {0, 190, 520},
          {-150, 210, 650}, {0, 235, 800}, {130, 210, 620}, {20, 120, 420}, {-120, 40, 260},
          {-50, 30, 120}, {80, 40, 190}, {150, 60, 40}, {60, 40, -100}, {-80, 45, -20},
          {-180, 80, -200}, {-40, 110, -320}, {120, 80, -230}, {180, 50, -20}, {40, 35, 60},
          {-100, 60, 400}}},
        // F: everything at once, fast and tight.
        {200, 36, 0.8, 24, 38, 45, 0.4,
         {{-70, 90, 220}, {0, 40, 340}, {90, 30, 250}, {60, 120, 120}, {-60, 60, 40},
          {-170, 30, 150}, {-120, 170, 380}, {0, 230, 620}, {150, 150, 700}, {210, 60, 520},
          {120, 30, 330}, {200, 90, 120}, {110, 40, -60}, {190, 140, -230}, {20, 90, -290},
          {-150, 40, -260}, {-220, 100, -80}, {-100, 140, 60}, {-30, 35, -80}, {80, 60, 60},
          {-20, 110, 200}, {-190, 60, 300}}},
    };
    // clang-format on
}

// The course's pilot: steers toward the waypoint ahead and takes the next one
// once it is within 30 units across the ground or has been passed.
struct LENTAJA {
    const SUUNNITELMA& Rata;
    size_t Kohde = 0;
    OHJAAJA Ohjaaja;

    explicit LENTAJA(const SUUNNITELMA& r) : Rata(r) {
        Ohjaaja.Nousu = r.Nousu;
        Ohjaaja.Lasku = r.Lasku;
        Ohjaaja.Kiertoraja = r.Kiertoraja;
        Ohjaaja.Nyokkays = r.Nyokkays;
        Ohjaaja.KlikkausVali = 8;
    }

    OHJAUS Paata(const PAPERPLANE& p, int ruutu, bool suoraan) {
        const SIJAINTI& s = p.body.Sijainti;
        // Straight and level from the start: bubble 0 lies dead ahead of it.
        if (suoraan) return Ohjaaja.Kohti(p, SIJAINTI{s.x, ALKU.y, s.z + 100}, ruutu);
        V3 T = Rata.Reitti[Kohde];
        double dx = T.x - s.x, dz = T.z - s.z, dh = std::sqrt(dx * dx + dz * dz);
        // A waypoint left abeam or behind, too close to turn to, counts as passed.
        VEKTORI F = p.body.Kiertomatriisi.EteenV();
        bool ohi = dh < 100 && dx * F.x + dz * F.z < 0;
        if (dh < 30 || ohi) {
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
    std::vector<SUUNNITELMA> radat = Radat();
    const SUUNNITELMA& rata = radat[(size_t)n];
    RADAN_LENTO lento;
    PAPERPLANE p;
    TuoreKone(p);
    // The race the game's flight step flies: as long as the track will be, its
    // bubbles put in as the flight goes; one not yet put lies far below the
    // ground, out of reach.
    std::unique_ptr<LENTO> tila(new LENTO);
    KisaRadalle(*tila, std::vector<RATAKUPLA>((size_t)rata.Kuplia, RATAKUPLA{0, -1e6, 0, 0}), p);
    RATA& kisa = tila->rata;
    LENTAJA lentaja(rata);
    std::vector<SIJAINTI> jalki; // positions since the last bubble was reached
    int seuraava = 60;           // the first bubble a second after the start, ahead of the nose
    for (int ruutu = 0; ruutu < 20000 && (int)lento.Kuplat.size() < rata.Kuplia; ruutu++) {
        // A bubble goes just ahead of the plane, where the game's reach test finds
        // it in this frame, and nowhere the plane has been since the last one
        // (8.9 ahead is out of reach of where it was a frame before at any speed
        // above 0.15).
        if (ruutu >= seuraava) {
            VEKTORI d = p.velocity;
            if (d.AnnaPituus() == 0) d = p.body.Kiertomatriisi.EteenV();
            d.Versoriksi();
            const SIJAINTI& s = p.body.Sijainti;
            RATAKUPLA k{s.x + 8.9 * d.x, s.y + 8.9 * d.y, s.z + 8.9 * d.z, 0};
            bool vapaa = Etaisyys3(s, k.x, k.y, k.z) <= KUPLAN_ULOTTUVUUS;
            // (the last entry of the trail is where the plane is now)
            for (size_t j = 0; j + 1 < jalki.size(); j++)
                if (Etaisyys3(jalki[j], k.x, k.y, k.z) <= KUPLAN_ULOTTUVUUS + 0.05) vapaa = false;
            if (lento.Kuplat.empty()) {
                // Bubble 0 straight along +z from the start, where the plane
                // still is (it has held the start's line and height).
                k = RATAKUPLA{ALKU.x, ALKU.y, s.z + 8.9, 0};
                vapaa = Etaisyys3(s, k.x, k.y, k.z) <= KUPLAN_ULOTTUVUUS;
            }
            if (vapaa) {
                double v = p.velocity.AnnaPituus();
                double b = (rata.Vauhti - v) / KISABOOSTIN_KERROIN + 0.01;
                if (b < 0) b = 0;
                if (b > 0.3) b = 0.3;
                k.vauhti = std::round(b * 1000) / 1000;
                const size_t i = lento.Kuplat.size();
                kisa.kuplat[i].Sijainti.Aseta(k.x, k.y, k.z);
                kisa.boostit[i] = k.vauhti;
                lento.Kuplat.push_back(k);
                jalki.clear();
                seuraava = ruutu + rata.Vali;
                if ((int)lento.Kuplat.size() == rata.Kuplia) {
                    lento.Ohjaus.push_back(OHJAUS{});
                    break;
                }
            }
        }
        OHJAUS o = lentaja.Paata(p, ruutu, lento.Kuplat.empty());
        LentoAskel(*tila, p, 1, o);
        lento.Ohjaus.push_back(o);
        jalki.push_back(p.body.Sijainti);
        lento.Reitti.push_back(p.body.Sijainti);
    }
    return lento;
}

const char* RadanTiedosto(int n) {
    const char* polku = RATATIEDOSTOT[n];
    const char* nimi = strrchr(polku, '\\');
    return nimi ? nimi + 1 : polku;
}

int RadanKuplat(int n) {
    return Radat()[(size_t)n].Kuplia;
}
