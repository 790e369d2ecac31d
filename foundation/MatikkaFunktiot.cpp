#include "foundation/MatikkaFunktiot.h"

#include <cmath>

namespace {

// asin and acos of dot products that rounding pushed just past +-1 would give NaN.
double Rajaa1(double x) {
    return x > 1.0 ? 1.0 : (x < -1.0 ? -1.0 : x);
}

} // namespace

// ---- VEKTORI -----------------------------------------------------------------

void VEKTORI::NollaVektoriksi() {
    x = y = z = 0;
}

void VEKTORI::Aseta(double ax, double ay, double az) {
    x = ax;
    y = ay;
    z = az;
}

void VEKTORI::Lisaa(VEKTORI b) {
    x += b.x;
    y += b.y;
    z += b.z;
}

void VEKTORI::KerroLuvulla(double k) {
    x *= k;
    y *= k;
    z *= k;
}

double VEKTORI::AnnaPituus() const {
    return std::sqrt(x * x + y * y + z * z);
}

void VEKTORI::Versoriksi() {
    double pituus = AnnaPituus();
    if (pituus > 0) KerroLuvulla(1.0 / pituus);
}

void VEKTORI::AsetaPituus(double L) {
    double pituus = AnnaPituus();
    if (pituus > 0) KerroLuvulla(L / pituus);
}

void VEKTORI::KulmatVektoriksi(double heading, double pitch) {
    double L = AnnaPituus();
    AsteistaRadiaaniksi(heading);
    AsteistaRadiaaniksi(pitch);
    y = L * std::sin(pitch);
    x = L * std::sin(heading) * std::cos(pitch);
    z = L * std::cos(heading) * std::cos(pitch);
}

void VEKTORI::KulmatVersoriksi(double heading, double pitch) {
    Aseta(0, 0, 1);
    KulmatVektoriksi(heading, pitch);
}

void VEKTORI::AsentoVektoriksi(ASENTO a) {
    KulmatVektoriksi(a.heading, a.pitch);
}
void VEKTORI::AsentoVersoriksi(ASENTO a) {
    KulmatVersoriksi(a.heading, a.pitch);
}

void VEKTORI::Kulmiksi(double& heading, double& pitch) {
    double L = AnnaPituus();
    Versoriksi();
    pitch = std::asin(Rajaa1(y));
    heading = std::acos(Rajaa1(x / std::cos(pitch)));
    if (z < 0) heading = -heading;
    RadiaanistaAsteiksi(heading);
    RadiaanistaAsteiksi(pitch);
    KerroLuvulla(L);
}

void VEKTORI::Asennoksi(ASENTO& ulos) {
    double L = AnnaPituus();
    Versoriksi();
    double pitch = std::asin(Rajaa1(y));
    double heading = std::acos(Rajaa1(x / std::cos(pitch)));
    if (std::cos(pitch) < 0.001) heading = 0;
    if (z < 0) heading = -heading;
    RadiaanistaAsteiksi(heading);
    RadiaanistaAsteiksi(pitch);
    ulos.heading = heading;
    ulos.pitch = pitch;
    KerroLuvulla(L);
}

void VEKTORI::Kaanna(ASENTO d) {
    double L = AnnaPituus();
    if (L <= 0) return;
    // Heading from +z toward +x, the convention KulmatVektoriksi builds with.
    double heading = std::atan2(x, z);
    double pitch = std::asin(Rajaa1(y / L));
    RadiaanistaAsteiksi(heading);
    RadiaanistaAsteiksi(pitch);
    KulmatVektoriksi(heading + d.heading, pitch + d.pitch);
}

// ---- SIJAINTI and free functions -----------------------------------------------

void SIJAINTI::Aseta(double ax, double ay, double az) {
    x = ax;
    y = ay;
    z = az;
}

double Pistetulo(VEKTORI a, VEKTORI b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

VEKTORI Vektoritulo(VEKTORI a, VEKTORI b) {
    return VEKTORI{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double VektorienEriavyys(VEKTORI a, VEKTORI b) {
    a.Versoriksi();
    b.Versoriksi();
    VEKTORI ero{a.x - b.x, a.y - b.y, a.z - b.z};
    return 50.0 * ero.AnnaPituus();
}

double Etaisyys(SIJAINTI a, SIJAINTI b) {
    double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// The shortened pi of these two is part of the game's feel.
void AsteistaRadiaaniksi(double& d) {
    d = (d / 360.0 + d / 360.0) * 3.14159265;
}
void RadiaanistaAsteiksi(double& r) {
    r = r / 6.2831853 * 360.0;
}

int OnkoSisalla(double x, double y, double x0, double y0, double leveys, double korkeus) {
    return (x0 < x && x < x0 + leveys && y0 < y && y < y0 + korkeus) ? 1 : 0;
}

// ---- MATRIISI4X4 ------------------------------------------------------------

void MATRIISI4X4::Yksikoksi() {
    *this = MATRIISI4X4{};
}

void MATRIISI4X4::PyoritaX(double deg) {
    AsteistaRadiaaniksi(deg);
    double c = std::cos(deg), s = std::sin(deg);
    MATRIISI4X4 R;
    R.m[5] = c;
    R.m[6] = -s;
    R.m[9] = s;
    R.m[10] = c;
    KerroMatriisi(R.m, m);
}

void MATRIISI4X4::PyoritaY(double deg) {
    AsteistaRadiaaniksi(deg);
    double c = std::cos(deg), s = std::sin(deg);
    MATRIISI4X4 R;
    R.m[0] = c;
    R.m[2] = s;
    R.m[8] = -s;
    R.m[10] = c;
    KerroMatriisi(R.m, m);
}

void MATRIISI4X4::PyoritaZ(double deg) {
    AsteistaRadiaaniksi(deg);
    double c = std::cos(deg), s = std::sin(deg);
    MATRIISI4X4 R;
    R.m[0] = c;
    R.m[1] = -s;
    R.m[4] = s;
    R.m[5] = c;
    KerroMatriisi(R.m, m);
}

void MATRIISI4X4::PyoritaV(double deg, VEKTORI a) {
    AsteistaRadiaaniksi(deg);
    double c = std::cos(deg), s = std::sin(deg), t = 1 - c;
    MATRIISI4X4 R;
    R.m[0] = t * a.x * a.x + c;
    R.m[1] = t * a.x * a.y - a.z * s;
    R.m[2] = t * a.x * a.z + a.y * s;
    R.m[4] = t * a.y * a.x + a.z * s;
    R.m[5] = t * a.y * a.y + c;
    R.m[6] = t * a.y * a.z - a.x * s;
    R.m[8] = t * a.z * a.x - a.y * s;
    R.m[9] = t * a.z * a.y + a.x * s;
    R.m[10] = t * a.z * a.z + c;
    KerroMatriisi(R.m, m);
}

VEKTORI MATRIISI4X4::OikealleV() const {
    return VEKTORI{m[0], m[1], m[2]};
}
VEKTORI MATRIISI4X4::YlosV() const {
    return VEKTORI{m[4], m[5], m[6]};
}
VEKTORI MATRIISI4X4::EteenV() const {
    return VEKTORI{m[8], m[9], m[10]};
}

void MATRIISI4X4::AsetaOikealleV(VEKTORI v) {
    m[0] = v.x;
    m[1] = v.y;
    m[2] = v.z;
}

void MATRIISI4X4::AsetaYlosV(VEKTORI v) {
    m[4] = v.x;
    m[5] = v.y;
    m[6] = v.z;
}

void MATRIISI4X4::AsetaEteenV(VEKTORI v) {
    m[8] = v.x;
    m[9] = v.y;
    m[10] = v.z;
}

void MATRIISI4X4::Aseta(const double* p) {
    for (int i = 0; i < 16; i++) m[i] = p[i];
}
