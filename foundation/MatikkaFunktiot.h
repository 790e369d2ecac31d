// Vectors, positions, orientations and orientation matrices of the world.
//
// World space: y is up, the ground is y = 0, lengths are world units.
// Every angle that crosses an interface is in degrees; the conversions use
// pi = 3.14159265 (and 2 pi = 6.2831853), which the game's feel depends on.
#pragma once

#include <cmath>

// A direction, velocity, force or acceleration.
struct VEKTORI {
    double x = 0, y = 0, z = 0;

    void NollaVektoriksi();
    void Aseta(double x, double y, double z);
    void Lisaa(VEKTORI b);
    void KerroLuvulla(double k);
    double AnnaPituus() const;
    // Unit length; a zero vector stays zero.
    void Versoriksi();
    // Scales to length L (negative reverses); a zero vector stays zero.
    void AsetaPituus(double L);
};

// A point in the world.
struct SIJAINTI {
    double x = 0, y = 0, z = 0;
    void Aseta(double x, double y, double z);
};

// Orientation matrix: element (r, c) is m[4r + c]. Rows 0, 1, 2 are the object's
// right, up and forward vectors. The 16 numbers go to glMultMatrixd as stored,
// so a model's +X, +Y, +Z follow right, up, forward.
struct MATRIISI4X4 {
    double m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    void Yksikoksi(); // back to the identity
    // 3x3 block = a x b (3x3 blocks); a or b may be this matrix's own array.
    void KerroMatriisi(const double* a, const double* b);
    // M = R x M: the object turns about its own axes by deg degrees.
    void PyoritaX(double deg);
    void PyoritaY(double deg);
    void PyoritaZ(double deg);
    VEKTORI OikealleV() const;
    VEKTORI YlosV() const;
    VEKTORI EteenV() const;
    void AsetaOikealleV(VEKTORI v);
    void AsetaYlosV(VEKTORI v);
    void AsetaEteenV(VEKTORI v);
};

// Row r of a times column c of b over the 3x3 blocks, summed from zero in k order.
inline double RiviSarake(const double* a, const double* b, int r, int c) {
    double summa = 0;
    summa += a[4 * r] * b[c];
    summa += a[4 * r + 1] * b[4 + c];
    summa += a[4 * r + 2] * b[8 + c];
    return summa;
}
// Written out and defined here: the bubble update turns a thousand matrices a
// frame with it, and loops left the compiler a count for each of the nine sums.
// The operands may be this matrix: the whole product is formed first.
inline void MATRIISI4X4::KerroMatriisi(const double* a, const double* b) {
    const double t00 = RiviSarake(a, b, 0, 0), t01 = RiviSarake(a, b, 0, 1),
                 t02 = RiviSarake(a, b, 0, 2);
    const double t10 = RiviSarake(a, b, 1, 0), t11 = RiviSarake(a, b, 1, 1),
                 t12 = RiviSarake(a, b, 1, 2);
    const double t20 = RiviSarake(a, b, 2, 0), t21 = RiviSarake(a, b, 2, 1),
                 t22 = RiviSarake(a, b, 2, 2);
    m[0] = t00;
    m[1] = t01;
    m[2] = t02;
    m[4] = t10;
    m[5] = t11;
    m[6] = t12;
    m[8] = t20;
    m[9] = t21;
    m[10] = t22;
}

double Pistetulo(VEKTORI a, VEKTORI b);
VEKTORI Vektoritulo(VEKTORI a, VEKTORI b);
double Etaisyys(SIJAINTI a, SIJAINTI b);
void AsteistaRadiaaniksi(double& d);
void RadiaanistaAsteiksi(double& r);

// The squared lengths whose length rounds to exactly 1.0f: (1 - 2^-25)^2 and
// (1 + 2^-24)^2, both exact in double (a tie rounds to the even 1.0f). The square
// root is correctly rounded and monotone, so inside these bounds dividing by the
// single-precision length is dividing by 1.
constexpr double PITUUS_YKSI_ALA = 1.0 - 0x1p-24 + 0x1p-50;
constexpr double PITUUS_YKSI_YLA = 1.0 + 0x1p-23 + 0x1p-48;

// The steps of OrthonormalizeMatrix, defined here so that the bubble update,
// which runs it a thousand times a frame, gets them inlined.
namespace sisainen {
inline void CrossProduct3f(double* ulos, const double* a, const double* b) {
    ulos[0] = a[1] * b[2] - a[2] * b[1];
    ulos[1] = a[2] * b[0] - a[0] * b[2];
    ulos[2] = a[0] * b[1] - a[1] * b[0];
}
// Divides by the length rounded to single precision (the game's matrices depend on it).
inline void NormalizeVector3f(double* v) {
    const double nelio = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    // A length that rounds to exactly 1 in single precision divides by 1 and
    // changes nothing: the usual case for a matrix normalised a step earlier.
    if (nelio >= PITUUS_YKSI_ALA && nelio <= PITUUS_YKSI_YLA) return;
    float pituus = (float)std::sqrt(nelio);
    if (pituus > 0) {
        v[0] /= (double)pituus;
        v[1] /= (double)pituus;
        v[2] /= (double)pituus;
    }
}
} // namespace sisainen

// Re-orthonormalises rows 0..2: right keeps its direction, forward = right x up,
// up = forward x right. Each row is divided by its length rounded to single
// precision (the game's matrices depend on it), and a row whose length rounds
// to exactly 1 is left as it is.
inline void OrthonormalizeMatrix(double* m) {
    sisainen::NormalizeVector3f(m);
    sisainen::CrossProduct3f(m + 8, m, m + 4);
    sisainen::NormalizeVector3f(m + 8);
    sisainen::CrossProduct3f(m + 4, m + 8, m);
    sisainen::NormalizeVector3f(m + 4);
}
