#include "foundation/MatikkaFunktiot.h"

#include <cmath>

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

// ---- MATRIISI4X4 ------------------------------------------------------------

void MATRIISI4X4::Yksikoksi() {
    *this = MATRIISI4X4{};
}

namespace {

// M = R x M for the turn by `deg` degrees in the plane of axes a and b: the
// rows a and b of R are (c, -s) and (s, c) in columns a and b.
void Pyorita(MATRIISI4X4& M, double deg, int a, int b) {
    AsteistaRadiaaniksi(deg);
    double c = std::cos(deg), s = std::sin(deg);
    MATRIISI4X4 R;
    R.m[4 * a + a] = c;
    R.m[4 * a + b] = -s;
    R.m[4 * b + a] = s;
    R.m[4 * b + b] = c;
    M.KerroMatriisi(R.m, M.m);
}

} // namespace

void MATRIISI4X4::PyoritaX(double deg) {
    Pyorita(*this, deg, 1, 2);
}

void MATRIISI4X4::PyoritaY(double deg) {
    Pyorita(*this, deg, 2, 0);
}

void MATRIISI4X4::PyoritaZ(double deg) {
    Pyorita(*this, deg, 0, 1);
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
