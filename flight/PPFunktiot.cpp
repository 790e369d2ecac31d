#include "flight/PPFunktiot.h"

#include "files/LukuHuomiot.h"
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

void KopioiNimi(char* kohde, const char* arvo) {
    strncpy(kohde, arvo, NIMEN_PITUUS);
    kohde[NIMEN_PITUUS] = '\0';
}

} // namespace

void PAPERPLANE::PaivitaFysiikka(MAAILMA maailma, BONUS& bonus) {
    MATRIISI4X4& M = body.Kiertomatriisi;
    const VEKTORI W{0, 1, 0};

    // ---- Forces, from the state before the step ----
    VEKTORI F = M.EteenV();
    VEKTORI T;
    if (push != 0) {
        T = F;
        T.AsetaPituus(push);
    }
    push = 0;
    VEKTORI D = maailma.AnnaIlmanvastusvoima(*this);
    VEKTORI G = maailma.AnnaPainovoimaKiihtyvyys();
    acceleration = T;
    acceleration.Lisaa(D);
    acceleration.Lisaa(G);

    // ---- Speed and position ----
    // The plane flies exactly along its nose: forces only change the speed, by
    // their component along the nose.
    VEKTORI fSuunta = F;
    fSuunta.Versoriksi();
    VEKTORI aSuunta = acceleration;
    aSuunta.Versoriksi();
    double aEteen = acceleration.AnnaPituus() * Pistetulo(fSuunta, aSuunta);

    double s = velocity.AnnaPituus();
    velocity = F;
    velocity.AsetaPituus(s);
    VEKTORI muutos = fSuunta;
    muutos.KerroLuvulla(aEteen);
    velocity.Lisaa(muutos);
    // A zero velocity has no direction to speed up along: the boost is lost. A
    // boost from a hand-made track can be anything; past SUURIN_NOPEUS the drag
    // of one step would throw the plane backwards faster than it flew, and a few
    // steps later its state would be not-a-number for the rest of the run.
    double nopeus = velocity.AnnaPituus() + bonus.speedBoost;
    if (nopeus > SUURIN_NOPEUS) nopeus = SUURIN_NOPEUS;
    if (nopeus < -SUURIN_NOPEUS) nopeus = -SUURIN_NOPEUS;
    velocity.AsetaPituus(nopeus);
    bonus.speedBoost = 0;

    body.Sijainti.x += velocity.x;
    body.Sijainti.y += velocity.y;
    body.Sijainti.z += velocity.z;
    s = velocity.AnnaPituus();

    // ---- Control rotations ----
    Rajaa90(massDistribution);
    Rajaa90(elevonB);
    Rajaa90(elevonA);
    AsteistaRadiaaniksi(massDistribution);
    AsteistaRadiaaniksi(elevonB);
    AsteistaRadiaaniksi(elevonA);
    double kaantoY = massDistribution;
    double nokkaX = -elevonA - elevonB;
    double kallistusZ = elevonA - elevonB;
    // The radian numbers go in as degrees on purpose: the plane turns
    // (0.6 + k s) pi/180 degrees per step for each degree of control. That
    // softness is the feel of the controls.
    M.PyoritaX(0.15 * s * nokkaX + 0.6 * nokkaX);
    M.PyoritaZ(0.3 * s * kallistusZ + 0.6 * kallistusZ);
    M.PyoritaY(0.3 * s * kaantoY + 0.6 * kaantoY);
    RadiaanistaAsteiksi(massDistribution);
    RadiaanistaAsteiksi(elevonB);
    RadiaanistaAsteiksi(elevonA);
    massDistribution -= 0.025 * massDistribution;
    elevonB -= 0.04 * elevonB;
    elevonA -= 0.04 * elevonA;

    // ---- Nose-down tendency: a turn about the fixed world x axis ----
    VEKTORI U0 = M.YlosV();
    F = M.EteenV();
    double a = KulmaAsteina(-F.y); // F . (0, -1, 0): 0 diving, 90 level, 180 climbing
    double r = 0.1 * a / (1000 * s + 2);
    if (F.z >= 0) r = -r;
    MATRIISI4X4 Rx;
    Rx.PyoritaX(r);
    M.KerroMatriisi(M.m, Rx.m);

    // ---- Wing levelling about the plane's own nose ----
    double u0Pituus = U0.AnnaPituus();
    double b = u0Pituus > 0 ? KulmaAsteina(Pistetulo(U0, W) / u0Pituus) : 0;
    F = M.EteenV();
    double e = KulmaAsteina(Pistetulo(F, W));
    // Take the pitch out, leaving the bank.
    if (e > 90) b -= (e - 90);
    if (e < 90) b -= (90 - e);
    VEKTORI S = Vektoritulo(F, W);
    double g = u0Pituus > 0 ? KulmaAsteina(Pistetulo(U0, S) / u0Pituus) : 0;
    r = 0.1 * b / (1 + 700 * s);
    if (wingArea == 1.0) r = b / (10 + s);
    if (g >= 90) r = -r;
    M.PyoritaZ(r);

    OrthonormalizeMatrix(M.m);
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

void PAPERPLANE::Alusta(const char* polku, LUKUHUOMIOT* huomiot) {
    // Whatever the file holds or lacks, the record is usable: empty names, zero
    // numbers, then the flight start state.
    *this = PAPERPLANE{};
    FILE* f = AvaaTiedosto(polku, "r");
    if (!f && huomiot) huomiot->Lisaa(TIEDOSTO_EI_AUKEA).Arvo = errno;
    if (f) {
        AVAINLUKIJA lukija;
        lukija.f = f;
        lukija.Huomiot = huomiot;
        char avain[99], arvo[99];
        bool loppu = false;
        // A file that never says END_OF_FILE ends at its end with what was read
        // so far; a key with no '>' within reach keeps the field as it was.
        while (lukija.LueAvain(avain)) {
            if (strcmp(avain, "END_OF_FILE") == 0) {
                loppu = true;
                break;
            }
            char* teksti = nullptr;
            double* luku = nullptr;
            if (strcmp(avain, "PP") == 0) teksti = name;
            if (strcmp(avain, "3D_MALLI") == 0) teksti = body.MalliNimi;
            if (strcmp(avain, "TEKSTUURI") == 0) teksti = body.TekstuuriNimi;
            if (strcmp(avain, "MASSA") == 0) luku = &mass;
            if (strcmp(avain, "MASSAJAKAUMA") == 0) luku = &massDistribution;
            if (strcmp(avain, "SIIPIALA") == 0) luku = &wingArea;
            if (strcmp(avain, "AERODYNAAMISUUS") == 0) luku = &aerodynamics;
            if (!teksti && !luku) {
                if (huomiot && avain[0])
                    huomiot->Lisaa(AVAIN_TUNTEMATON, lukija.AvaimenRivi, avain);
                continue;
            }
            if (!lukija.LueArvo(arvo)) continue;
            if (teksti) KopioiNimi(teksti, arvo);
            if (luku) *luku = TekstiLuvuksi(arvo);
            if (huomiot) huomiot->Avain(avain, lukija.ArvonRivi, arvo, luku != nullptr);
        }
        lukija.HuomaaLoppu(loppu);
        fclose(f);
    }
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
        OsionPolku("Tiedostot\\PP", osio.Tiedostot[i] ? osio.Tiedostot[i] : "", polku);
        koneet[i].Alusta(polku);
    }
    osio.Vapauta(true);
}
