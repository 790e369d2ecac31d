#include "flight/PPFunktiot.h"

#include "files/LukuHuomiot.h"
#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "foundation/PerusFunktiot.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Angle in degrees whose cosine is c. Dot products of vectors normalised with a
// single-precision length can land just past +-1 in a vertical dive or climb,
// where acos would give NaN and the NaN would spread into the orientation.
double KulmaAsteina(double c) {
    if (c > 1.0) c = 1.0;
    if (c < -1.0) c = -1.0;
    double kulma = std::acos(c);
    RadiaanistaAsteiksi(kulma);
    return kulma;
}

// World units per step; the plane's own flight stays below 3, the Alt boost adds
// less than 1. The drag step is stable up to 400.
const double SUURIN_NOPEUS = 100;

void Rajaa90(double& arvo) {
    if (arvo > 90) arvo = 90;
    if (arvo < -90) arvo = -90;
}

} // namespace

namespace {

// Forces, from the state before the step, change the speed; the plane moves.
// Returns its speed after the step (world units per step).
double Kiihdyta(PAPERPLANE& p, const MAAILMA& maailma, BONUS& bonus) {
    const MATRIISI4X4& M = p.body.Kiertomatriisi;
    VEKTORI F = M.EteenV();
    VEKTORI T;
    if (p.push != 0) {
        T = F;
        T.AsetaPituus(p.push);
    }
    p.push = 0;
    VEKTORI D = maailma.AnnaIlmanvastusvoima(p);
    VEKTORI G = maailma.AnnaPainovoimaKiihtyvyys();
    p.acceleration = T;
    p.acceleration.Lisaa(D);
    p.acceleration.Lisaa(G);

    // The plane flies exactly along its nose: forces only change the speed, by
    // their component along the nose.
    VEKTORI fSuunta = F;
    fSuunta.Versoriksi();
    VEKTORI aSuunta = p.acceleration;
    aSuunta.Versoriksi();
    double aEteen = p.acceleration.AnnaPituus() * Pistetulo(fSuunta, aSuunta);

    double s = p.velocity.AnnaPituus();
    p.velocity = F;
    p.velocity.AsetaPituus(s);
    VEKTORI muutos = fSuunta;
    muutos.KerroLuvulla(aEteen);
    p.velocity.Lisaa(muutos);
    // A zero velocity has no direction to speed up along: the boost is lost. A
    // boost from a hand-made track can be anything; past SUURIN_NOPEUS the drag
    // of one step would throw the plane backwards faster than it flew, and a few
    // steps later its state would be not-a-number for the rest of the run.
    double nopeus = p.velocity.AnnaPituus() + bonus.speedBoost;
    if (nopeus > SUURIN_NOPEUS) nopeus = SUURIN_NOPEUS;
    if (nopeus < -SUURIN_NOPEUS) nopeus = -SUURIN_NOPEUS;
    p.velocity.AsetaPituus(nopeus);
    bonus.speedBoost = 0;

    p.body.Sijainti.x += p.velocity.x;
    p.body.Sijainti.y += p.velocity.y;
    p.body.Sijainti.z += p.velocity.z;
    return p.velocity.AnnaPituus();
}

// The control fields turn the plane about its own axes, then decay.
void Kaanna(PAPERPLANE& p, double s) {
    MATRIISI4X4& M = p.body.Kiertomatriisi;
    Rajaa90(p.massDistribution);
    Rajaa90(p.elevonB);
    Rajaa90(p.elevonA);
    AsteistaRadiaaniksi(p.massDistribution);
    AsteistaRadiaaniksi(p.elevonB);
    AsteistaRadiaaniksi(p.elevonA);
    double kaantoY = p.massDistribution;
    double nokkaX = -p.elevonA - p.elevonB;
    double kallistusZ = p.elevonA - p.elevonB;
    // The radian numbers go in as degrees on purpose: the plane turns
    // (0.6 + k s) pi/180 degrees per step for each degree of control. That
    // softness is the feel of the controls.
    M.PyoritaX(0.15 * s * nokkaX + 0.6 * nokkaX);
    M.PyoritaZ(0.3 * s * kallistusZ + 0.6 * kallistusZ);
    M.PyoritaY(0.3 * s * kaantoY + 0.6 * kaantoY);
    RadiaanistaAsteiksi(p.massDistribution);
    RadiaanistaAsteiksi(p.elevonB);
    RadiaanistaAsteiksi(p.elevonA);
    p.massDistribution -= 0.025 * p.massDistribution;
    p.elevonB -= 0.04 * p.elevonB;
    p.elevonA -= 0.04 * p.elevonA;
}

// The nose-down tendency: a turn about the fixed world x axis.
void PainaNokkaa(MATRIISI4X4& M, double s) {
    VEKTORI F = M.EteenV();
    double a = KulmaAsteina(-F.y); // F . (0, -1, 0): 0 diving, 90 level, 180 climbing
    double r = 0.1 * a / (1000 * s + 2);
    if (F.z >= 0) r = -r;
    MATRIISI4X4 Rx;
    Rx.PyoritaX(r);
    M.KerroMatriisi(M.m, Rx.m);
}

// Wing levelling about the plane's own nose, from the up vector `U0` it had
// before the nose-down turn; fast with the levelling flag exactly 1.
void OikaiseSiivet(MATRIISI4X4& M, const VEKTORI& U0, double s, double wingArea) {
    const VEKTORI W{0, 1, 0};
    double u0Pituus = U0.AnnaPituus();
    double b = u0Pituus > 0 ? KulmaAsteina(Pistetulo(U0, W) / u0Pituus) : 0;
    VEKTORI F = M.EteenV();
    double e = KulmaAsteina(Pistetulo(F, W));
    // Take the pitch out, leaving the bank.
    if (e > 90) b -= (e - 90);
    if (e < 90) b -= (90 - e);
    VEKTORI S = Vektoritulo(F, W);
    double g = u0Pituus > 0 ? KulmaAsteina(Pistetulo(U0, S) / u0Pituus) : 0;
    double r = 0.1 * b / (1 + 700 * s);
    if (wingArea == 1.0) r = b / (10 + s);
    if (g >= 90) r = -r;
    M.PyoritaZ(r);
}

} // namespace

void PAPERPLANE::PaivitaFysiikka(MAAILMA maailma, BONUS& bonus) {
    MATRIISI4X4& M = body.Kiertomatriisi;
    const double s = Kiihdyta(*this, maailma, bonus);
    Kaanna(*this, s);
    const VEKTORI U0 = M.YlosV();
    PainaNokkaa(M, s);
    OikaiseSiivet(M, U0, s, wingArea);
    OrthonormalizeMatrix(M.m);
}

void PAPERPLANE::Ohjaa(const OHJAUS& o) {
    if (o.vasen) massDistribution -= 20;
    if (o.oikea) massDistribution += 20;
    elevonA += 0.08 * o.dx;
    elevonB -= 0.08 * o.dx;
    elevonA -= 0.1 * o.dy;
    elevonB -= 0.1 * o.dy;
    wingArea = o.vali ? 1.0 : 0.0;
}

void PAPERPLANE::Lahtoon() {
    push = LENNON_TYONTO;
    body.Sijainti.Aseta(LENNON_ALKU_X, LENNON_ALKU_Y, LENNON_ALKU_Z);
    velocity.NollaVektoriksi();
    acceleration.NollaVektoriksi();
}

void PAPERPLANE::Oikaise() {
    MATRIISI4X4& M = body.Kiertomatriisi;
    VEKTORI F = M.EteenV(), U = M.YlosV();
    VEKTORI suunta{F.x, 0, F.z};
    if (suunta.AnnaPituus() < 1e-6) suunta = VEKTORI{U.x, 0, U.z};
    suunta.Versoriksi();
    // Right = up x forward with up the world's.
    M.AsetaOikealleV(VEKTORI{suunta.z, 0, -suunta.x});
    M.AsetaYlosV(VEKTORI{0, 1, 0});
    M.AsetaEteenV(suunta);
}

namespace {

AVAIMEN_KENTTA KoneenKentta(const char* avain, void* tila) {
    PAPERPLANE& p = *(PAPERPLANE*)tila;
    AVAIMEN_KENTTA k;
    if (strcmp(avain, "PP") == 0) k.teksti = p.name;
    if (strcmp(avain, "3D_MALLI") == 0) k.teksti = p.body.MalliNimi;
    if (strcmp(avain, "TEKSTUURI") == 0) k.teksti = p.body.TekstuuriNimi;
    if (strcmp(avain, "MASSA") == 0) k.luku = &p.mass;
    if (strcmp(avain, "MASSAJAKAUMA") == 0) k.luku = &p.massDistribution;
    if (strcmp(avain, "SIIPIALA") == 0) k.luku = &p.wingArea;
    if (strcmp(avain, "AERODYNAAMISUUS") == 0) k.luku = &p.aerodynamics;
    return k;
}

} // namespace

void PAPERPLANE::Alusta(const char* polku, LUKUHUOMIOT* huomiot) {
    // Whatever the file holds or lacks, the record is usable: empty names, zero
    // numbers, then the flight start state.
    *this = PAPERPLANE{};
    LueAvaintiedosto(polku, huomiot, KoneenKentta, this);
    elevonA = 0;
    elevonB = 0;
    body.Sijainti = SIJAINTI{};
    body.Kiertomatriisi.Yksikoksi();
    body.Skaalaus = 0.3;
}

void LataaPPt(PAPERPLANE*& koneet, int& maara) {
    LISTAN_OSIO osio;
    LataaListanOsio("PAPERPLANE", false, osio);
    maara = osio.Maara > 0 ? osio.Maara : 0;
    koneet = new PAPERPLANE[maara];
    for (int i = 0; i < maara; i++) {
        char polku[POLUN_PITUUS + 1];
        OsionPolku(LENNOKKIKANSIO, osio.Tiedostot[i] ? osio.Tiedostot[i] : "", polku);
        koneet[i].Alusta(polku);
    }
    osio.Vapauta(true);
}
