// The six race tracks, of rising difficulty: more bubbles, closer together,
// faster, with tighter turns, climbs and dives. Each is a course of waypoints that
// the scripted pilot flies; every so many frames a bubble is put just ahead of
// the plane, where the game will find it reached in that very frame, and its
// speed boost is chosen to bring the plane back to the track's pace.
#include "Lentaja.h"
#include "Malli.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const double PII = 3.14159265358979;

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

double Asteina(double rad) {
    return rad * 180.0 / PII;
}

double Kulma180(double a) {
    while (a > 180) a -= 360;
    while (a < -180) a += 360;
    return a;
}

// The scripted pilot: turns toward the waypoint with clicks, pitches toward it
// with vertical mouse motion and holds Space while the wings are not level.
struct LENTAJA {
    const RATA& Rata;
    size_t Kohde = 0;
    int ViimeKlikkaus = -100;

    explicit LENTAJA(const RATA& r) : Rata(r) {}

    OHJAUS Paata(const PAPERPLANE& p, int ruutu) {
        OHJAUS o;
        const SIJAINTI& s = p.body.Sijainti;
        VEKTORI F = p.body.Kiertomatriisi.EteenV(), R = p.body.Kiertomatriisi.OikealleV();
        double vauhti = p.velocity.AnnaPituus();
        V3 T = Rata.Reitti[Kohde];
        double dx = T.x - s.x, dz = T.z - s.z, dh = std::sqrt(dx * dx + dz * dz);
        if (dh < 30) {
            Kohde = (Kohde + 1) % Rata.Reitti.size();
            T = Rata.Reitti[Kohde];
            dx = T.x - s.x;
            dz = T.z - s.z;
            dh = std::sqrt(dx * dx + dz * dz);
        }
        // Heading: clicks add a turn that dies away; click while the turn still
        // owed is more than about half a click's worth.
        double suunta = Asteina(std::atan2(F.x, F.z));
        double tarve = -Kulma180(Asteina(std::atan2(dx, dz)) - suunta); // wanted decrease
        double tulossa = 0.698 * (0.6 + 0.3 * vauhti) * p.massDistribution;
        if (ruutu - ViimeKlikkaus >= 8) {
            if (tarve - tulossa > 6) {
                o.oikea = true;
                ViimeKlikkaus = ruutu;
            } else if (tarve - tulossa < -6) {
                o.vasen = true;
                ViimeKlikkaus = ruutu;
            }
        }
        // Pitch toward the waypoint's height, within the track's limits; dive when
        // slow, climb when low.
        double nyt = Asteina(std::asin(F.y < -1 ? -1 : (F.y > 1 ? 1 : F.y)));
        double halu = Asteina(std::atan2(T.y - s.y, dh + 1));
        if (halu > Rata.Nousu) halu = Rata.Nousu;
        if (halu < -Rata.Lasku) halu = -Rata.Lasku;
        // Over the museum only high enough: climb before reaching it.
        for (double eteen : {30.0, 70.0, 110.0}) {
            double ax = s.x + F.x * eteen, az = s.z + F.z * eteen;
            if (std::fabs(ax) < 215 && az > 525 && az < 785) {
                double tarvitaan = std::hypot(ax, az - 675) < 90 ? 235 : 155;
                double kulma = Asteina(std::atan2(tarvitaan - s.y, eteen));
                if (kulma > halu) halu = std::fmin(kulma, 30.0);
            }
        }
        if (vauhti < 0.35) halu = std::fmin(halu, -8);
        if (s.y < 20) halu = std::fmax(halu, 6);
        double q = 0.06 * (halu - nyt);
        if (q > 1.2) q = 1.2;
        if (q < -1.2) q = -1.2;
        double X = q / ((0.15 * vauhti + 0.6) * PII / 180);
        double Xnyt = -p.elevonA - p.elevonB;
        double liike = (X - Xnyt) / 0.2;
        if (liike > 40) liike = 40;
        if (liike < -40) liike = -40;
        o.dy = (short)std::lround(liike);
        // Wings: level them whenever they tilt.
        double kallistus = Asteina(std::asin(R.y < -1 ? -1 : (R.y > 1 ? 1 : R.y)));
        o.vali = std::fabs(kallistus) > 1.0;
        return o;
    }
};

double Etaisyys3(const SIJAINTI& a, double x, double y, double z) {
    double dx = a.x - x, dy = a.y - y, dz = a.z - z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// The museum's walls, roof and dome (world units, with a few units to spare): no
// course flies through them.
bool MuseonSisalla(const SIJAINTI& s) {
    if (std::fabs(s.x) < 200 && s.z > 540 && s.z < 770 && s.y < 140)
        return true; // walls, roof, portico
    double dx = s.x, dz = s.z - 675, vaaka = std::sqrt(dx * dx + dz * dz);
    if (vaaka < 52 && s.y < 160) return true; // drum
    double dy = (s.y - 157) / 45;
    if (vaaka * vaaka / (52.0 * 52.0) + dy * dy < 1) return true; // dome
    return vaaka < 14 && s.y < 232;                               // lantern
}

} // namespace

void AloitaLento(PAPERPLANE& p) {
    p = PAPERPLANE{};
    p.body.Kiertomatriisi.Yksikoksi();
    p.body.Skaalaus = 0.3;
    p.push = 0.5;
    p.body.Sijainti.Aseta(-100, 100, 0);
    p.velocity.NollaVektoriksi();
    p.acceleration.NollaVektoriksi();
}

void Ohjaa(PAPERPLANE& p, const OHJAUS& o) {
    if (o.vasen) p.massDistribution -= 20;
    if (o.oikea) p.massDistribution += 20;
    p.elevonA += 0.08 * o.dx;
    p.elevonB -= 0.08 * o.dx;
    p.elevonA -= 0.1 * o.dy;
    p.elevonB -= 0.1 * o.dy;
    p.wingArea = o.vali ? 1.0 : 0.0;
}

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
