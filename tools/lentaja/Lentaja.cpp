// The pilots' controls, the flight start and the steering toward a point.
#include "tools/lentaja/Lentaja.h"

#include "files/Sisalto.h"

#include <cmath>
#include <memory>

namespace {

const double PII = 3.14159265358979;

double Asteina(double rad) {
    return rad * 180.0 / PII;
}

double Kulma180(double a) {
    while (a > 180) a -= 360;
    while (a < -180) a += 360;
    return a;
}

} // namespace

void TuoreKone(PAPERPLANE& p) {
    p = PAPERPLANE{};
    p.body.Kiertomatriisi.Yksikoksi();
    p.body.Skaalaus = 0.3;
    p.Lahtoon();
}

void KisaRadalle(LENTO& lento, const std::vector<RATAKUPLA>& rata, const PAPERPLANE& p) {
    RATA& r = lento.rata;
    r.Alusta(OBJEKTI{});
    r.pituus = 0;
    for (size_t i = 0; i < rata.size() && i < RADAN_KUPLAT; i++) {
        r.kuplat[i].Sijainti.Aseta(rata[i].x, rata[i].y, rata[i].z);
        r.boostit[i] = rata[i].vauhti;
        r.pituus++;
    }
    r.Aloita();
    lento.maailma.Aseta(1.0);
    lento.bonus.Alusta();
    for (VEKTORI& h : lento.viive.historia) h = p.body.Kiertomatriisi.EteenV();
    lento.viive.indeksi = 0;
}

// The museum's bounds (files/Sisalto.h) are in model units.
const double M = MAISEMAN_SKAALA;
// The obstacle test keeps this much to spare round each of the museum's parts
// (world units).
const double MUSEON_VARA = 10;
// Where the pilot climbs to cross the museum (world units beyond its bounds):
// the way ahead counts as over it within OHITUS of its sides and back and
// OHITUS_EDESSA of its steps, and is crossed YLITYS above the gable's ridge, or
// LYHDYN_YLITYS above the lantern's tip within KUPOLIN_LAHELLA of the dome.
// Tuned by flying the tracks: a change here moves their bubbles.
const double OHITUS = 25, OHITUS_EDESSA = 21;
const double YLITYS = 15, LYHDYN_YLITYS = 9;
const double KUPOLIN_LAHELLA = 43;

bool MuseonSisalla(const SIJAINTI& s) {
    const double V = MUSEON_VARA;
    double x = std::fabs(s.x);
    bool edessa = s.z > MUSEON_ETU * M - V;
    if (x < MUSEON_LEVEYS * M + V && edessa && s.z < MUSEON_TAKA * M + V &&
        s.y < MUSEON_KATTO * M + V)
        return true; // plinth, walls, roof
    if (x < PAADYN_LEVEYS * M + V && edessa && s.z < PAADYN_TAKA * M + V &&
        s.y < PAADYN_HARJA * M + V)
        return true; // portico and gable
    double dz = s.z - KUPOLIN_Z * M, vaaka = std::sqrt(s.x * s.x + dz * dz);
    // The drum, and the corners of the slab on it.
    double rumpu = std::fmax(RUMMUN_SADE, RUMMUN_LAATTA * std::sqrt(2.0)) * M + V;
    if (vaaka < rumpu && s.y < KUPOLIN_ALKU * M + V) return true;
    double a = KUPOLIN_SADE * M + V, b = KUPOLIN_SADE * KUPOLIN_MADALLUS * M + V;
    double dy = (s.y - KUPOLIN_ALKU * M) / b;
    if (vaaka * vaaka / (a * a) + dy * dy < 1) return true;            // dome
    return vaaka < LYHDYN_SADE * M + V && s.y < LYHDYN_HUIPPU * M + V; // lantern
}

OHJAUS OHJAAJA::Kohti(const PAPERPLANE& p, const SIJAINTI& T, int ruutu) {
    OHJAUS o;
    const SIJAINTI& s = p.body.Sijainti;
    VEKTORI F = p.body.Kiertomatriisi.EteenV(), R = p.body.Kiertomatriisi.OikealleV();
    double vauhti = p.velocity.AnnaPituus();
    double dx = T.x - s.x, dz = T.z - s.z, dh = std::sqrt(dx * dx + dz * dz);
    // Heading: a click adds a turn that dies away by 2.5 % an update. Click while
    // the turn wanted exceeds the turn still coming by about half a click's worth;
    // of the turn coming, only the part before the point is reached counts.
    double suunta = Asteina(std::atan2(F.x, F.z));
    double tarve = -Kulma180(Asteina(std::atan2(dx, dz)) - suunta); // wanted decrease
    double tulossa = 0.698 * (0.6 + 0.3 * vauhti) * p.massDistribution;
    double perilla = std::sqrt(dh * dh + (T.y - s.y) * (T.y - s.y)) / std::fmax(vauhti, 0.1);
    if (perilla < 200) tulossa *= 1 - std::pow(0.975, perilla);
    // A bubble well aside and wholly inside the circle of the tightest turn (a
    // turn control of 90) is not reached by turning toward it: fly on straight
    // and come round later.
    double sade = vauhti / ((0.6 + 0.3 * vauhti) * 90 * (PII / 180) * (PII / 180));
    double sivu = std::sin(std::fmin(std::fabs(tarve), 90.0) * PII / 180);
    if (std::fabs(tarve) > 60 && sade > KUPLAN_ULOTTUVUUS &&
        dh * dh - 2 * dh * sade * sivu + sade * sade <
            (sade - KUPLAN_ULOTTUVUUS) * (sade - KUPLAN_ULOTTUVUUS))
        tarve = 0;
    if (ruutu - ViimeKlikkaus >= KlikkausVali) {
        if (tarve - tulossa > 6 && p.massDistribution + 20 <= Kiertoraja) {
            o.oikea = true;
            ViimeKlikkaus = ruutu;
        } else if (tarve - tulossa < -6 && p.massDistribution - 20 >= -Kiertoraja) {
            o.vasen = true;
            ViimeKlikkaus = ruutu;
        }
    }
    // Pitch toward the point's height, within the limits; dive when slow, climb
    // when low.
    double nyt = Asteina(std::asin(F.y < -1 ? -1 : (F.y > 1 ? 1 : F.y)));
    double halu = Asteina(std::atan2(T.y - s.y, dh + 1));
    if (halu > Nousu) halu = Nousu;
    if (halu < -Lasku) halu = -Lasku;
    // Over the museum only high enough: when the straight way to the point
    // would run into it, climb before reaching it.
    for (double eteen : {30.0, 70.0, 110.0}) {
        if (eteen > dh) break;
        double ax = s.x + dx * eteen / dh, az = s.z + dz * eteen / dh;
        double suoraan = s.y + (T.y - s.y) * eteen / dh;
        double tarvitaan = std::hypot(ax, az - KUPOLIN_Z * M) < KUPOLIN_SADE * M + KUPOLIN_LAHELLA
                               ? LYHDYN_HUIPPU * M + LYHDYN_YLITYS
                               : PAADYN_HARJA * M + YLITYS;
        if (std::fabs(ax) < MUSEON_LEVEYS * M + OHITUS && az > MUSEON_ETU * M - OHITUS_EDESSA &&
            az < MUSEON_TAKA * M + OHITUS && suoraan < tarvitaan) {
            double kulma = Asteina(std::atan2(tarvitaan - s.y, eteen));
            if (kulma > halu) halu = std::fmin(kulma, 30.0);
        }
    }
    if (vauhti < 0.35) halu = std::fmin(halu, -8);
    if (s.y < 20) halu = std::fmax(halu, 6);
    double q = 0.06 * (halu - nyt);
    if (q > Nyokkays) q = Nyokkays;
    if (q < -Nyokkays) q = -Nyokkays;
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

double Kaannos(const SIJAINTI& a, const SIJAINTI& b, const SIJAINTI& c) {
    double ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    double vx = c.x - b.x, vy = c.y - b.y, vz = c.z - b.z;
    double pu = std::sqrt(ux * ux + uy * uy + uz * uz), pv = std::sqrt(vx * vx + vy * vy + vz * vz);
    if (pu == 0 || pv == 0) return 0;
    double k = (ux * vx + uy * vy + uz * vz) / (pu * pv);
    return Asteina(std::acos(k < -1 ? -1 : (k > 1 ? 1 : k)));
}

KUPLAN_KUVA KuplaKamerassa(const SIJAINTI& kone, const VEKTORI& viive, const SIJAINTI& kupla,
                           double sade) {
    KUPLAN_KUVA kuva;
    VEKTORI d = viive;
    d.Versoriksi();
    // The camera's axes: d ahead, o to the right, y up on the screen.
    VEKTORI o{-d.z, 0, d.x}; // d x (0, 1, 0)
    o.Versoriksi();
    VEKTORI y{o.y * d.z - o.z * d.y, o.z * d.x - o.x * d.z, o.x * d.y - o.y * d.x};
    double rx = kupla.x - (kone.x - viive.x), ry = kupla.y - (kone.y - viive.y),
           rz = kupla.z - (kone.z - viive.z);
    double syvyys = rx * d.x + ry * d.y + rz * d.z;
    double sivu = rx * o.x + ry * o.y + rz * o.z, ylos = rx * y.x + ry * y.y + rz * y.z;
    if (syvyys <= 0) return kuva;
    // 600 pixels cover 70 degrees: the focal length in pixels.
    double f = 300 / std::tan(35 * PII / 180);
    kuva.x = 400 + f * sivu / syvyys;
    kuva.y = 300 - f * ylos / syvyys;
    kuva.Halkaisija = 2 * f * sade / std::sqrt(rx * rx + ry * ry + rz * rz);
    double r = kuva.Halkaisija / 2;
    kuva.Kokonaan = syvyys > sade && kuva.x - r >= 0 && kuva.x + r <= 800 && kuva.y - r >= 0 &&
                    kuva.y + r <= 600;
    return kuva;
}

KUPLALENTO LennaKuplille(const std::vector<RATAKUPLA>& rata, OHJAAJA ohjaaja, int odotus,
                         double alkukulma, double alkuKaanto) {
    KUPLALENTO tulos;
    tulos.Kuplat.resize(rata.size());
    PAPERPLANE p;
    TuoreKone(p);
    p.massDistribution = alkuKaanto;
    const SIJAINTI alku = p.body.Sijainti;
    for (size_t i = 0; i < rata.size(); i++) {
        SIJAINTI b{rata[i].x, rata[i].y, rata[i].z};
        // Before bubble 0 the plane heads +z, as if from a point behind the start.
        SIJAINTI a = i > 0 ? SIJAINTI{rata[i - 1].x, rata[i - 1].y, rata[i - 1].z} : alku;
        SIJAINTI ennen = i > 1 ? SIJAINTI{rata[i - 2].x, rata[i - 2].y, rata[i - 2].z}
                               : (i == 1 ? alku : SIJAINTI{alku.x, alku.y, alku.z - 1});
        tulos.Kuplat[i].Kaannos = Kaannos(ennen, a, b);
    }
    p.body.Kiertomatriisi.PyoritaY(alkukulma);
    std::unique_ptr<LENTO> lento(new LENTO);
    KisaRadalle(*lento, rata, p);
    const RATA& r = lento->rata;
    int edellinen = 0; // update of the last reach (or the start)
    for (int ruutu = 0; r.seuraava < r.pituus; ruutu++) {
        // A bubble this update reaches is passed: the pilot aims at the one after.
        const size_t tama = (size_t)r.seuraava;
        const bool saavuttaa = KisaKuplaTavoitettu(r, p.body.Sijainti);
        if (saavuttaa) {
            tulos.Kuplat[tama].Saavutettu = true;
            tulos.Kuplat[tama].Ruutu = ruutu;
            tulos.Saavutettu++;
            tulos.Ruutuja = ruutu;
            edellinen = ruutu;
            if (tama + 1 == rata.size()) break;
        }
        if (ruutu - edellinen > odotus) break;
        const RATAKUPLA& kohde = rata[tama + (saavuttaa ? 1 : 0)];
        const SIJAINTI kohdePaikka{kohde.x, kohde.y, kohde.z};
        LentoAskel(*lento, p, 1, ohjaaja.Kohti(p, kohdePaikka, ruutu));
        if (saavuttaa)
            tulos.Kuplat[tama].Seuraava =
                KuplaKamerassa(p.body.Sijainti, lento->viive.viive, kohdePaikka, KUPLAN_ULOTTUVUUS);
        tulos.Ruutuja = ruutu + 1;
        if (p.body.Sijainti.y <= 0) break;
    }
    return tulos;
}
