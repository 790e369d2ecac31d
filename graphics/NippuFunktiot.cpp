#include "graphics/NippuFunktiot.h"

#include <cmath>

void NIPPU::Alusta() {
    if (!Kulmat) Kulmat = new NIPUN_KULMA[NIPUN_KULMAT];
    if (!Indeksit) Indeksit = new Uint16[NIPUN_INDEKSIT];
    Tyhjenna();
}

namespace {

double Pistetulo(const double* a, const double* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

void NAKOALA::Aseta(const KAMERA& k, int leveys, int korkeus, double kentta, double lahin_,
                    double kaukaisin_) {
    silma = k.Paikka;
    // As gluLookAt makes them: forward to the target, right = forward x up, and
    // up = right x forward.
    eteen = VEKTORI{k.Kohde.x - k.Paikka.x, k.Kohde.y - k.Paikka.y, k.Kohde.z - k.Paikka.z};
    const double f = eteen.AnnaPituus();
    eteen.Versoriksi();
    oikealle = Vektoritulo(eteen, k.Ylos);
    const double o = oikealle.AnnaPituus();
    oikealle.Versoriksi();
    ylos = Vektoritulo(oikealle, eteen);
    tanKorkeus = std::tan(0.5 * kentta * 3.14159265 / 180.0);
    tanLeveys = tanKorkeus * (korkeus > 0 ? (double)leveys / korkeus : 1.0);
    lahin = lahin_;
    kaukaisin = kaukaisin_;
    pikselit = 0.5 * korkeus / tanKorkeus;
    // A camera looking at its own position, or along its up vector, has no sides
    // to test: everything is drawn.
    rajattu = f > 0 && o > 1e-9 && std::isfinite(f) && std::isfinite(o);
}

bool NAKOALA::Ulkona(double px, double py, double pz, double r) const {
    if (!rajattu) return false;
    const double d[3] = {px - silma.x, py - silma.y, pz - silma.z};
    const double e[3] = {eteen.x, eteen.y, eteen.z}, o[3] = {oikealle.x, oikealle.y, oikealle.z},
                 y[3] = {ylos.x, ylos.y, ylos.z};
    const double z = Pistetulo(d, e), x = Pistetulo(d, o), h = Pistetulo(d, y);
    // A margin far above the single-precision rounding of the renderer's
    // transforms, so that nothing it would draw a pixel of is left out.
    const double v = r + 0.01 + 1e-4 * std::fabs(z);
    if (z < lahin - v || z > kaukaisin + v) return true;
    if (std::fabs(x) - z * tanLeveys > v * std::sqrt(1 + tanLeveys * tanLeveys)) return true;
    return std::fabs(h) - z * tanKorkeus > v * std::sqrt(1 + tanKorkeus * tanKorkeus);
}

NIPUN_VALINTA NIPPU::Valitse(const OBJEKTI& o, Uint32 m, const MALLI3D* mallit, Uint32 maara,
                             const MALLI3D*& malli) const {
    malli = nullptr;
    if (!o.Niputettava || m >= maara || !mallit[m].Indeksoitu()) return ERIKSEEN;
    const double* k = o.Kiertomatriisi.m;
    // A projective matrix would need the fourth coordinate; such an object is
    // drawn on its own.
    if (k[3] != 0 || k[7] != 0 || k[11] != 0 || k[15] != 1) return ERIKSEEN;
    // The model's reach through the matrix and the scale: the Frobenius norm
    // bounds what the 3 x 3 block makes of any length (for a turn it is the
    // square root of 3, of which the radius on screen below takes a third).
    double frobenius = 0;
    for (int r = 0; r < 3; r++)
        for (int c = 0; c < 3; c++) frobenius += k[4 * r + c] * k[4 * r + c];
    const double koko = mallit[m].Sade * std::fabs((double)(float)o.Skaalaus);
    const double ulottuma = koko * std::sqrt(frobenius);
    const double px = (double)(float)o.Sijainti.x + k[12], py = (double)(float)o.Sijainti.y + k[13],
                 pz = (double)(float)o.Sijainti.z + k[14];
    const VEKTORI& s = Nakoala.silma;
    const double dx = px - s.x, dy = py - s.y, dz = pz - s.z;
    const double raja = NIPUN_ETAISYYS + ulottuma;
    const double etaisyys2 = dx * dx + dy * dy + dz * dz;
    // Not a number anywhere leaves the object to the GL path.
    if (!(etaisyys2 > raja * raja)) return ERIKSEEN;
    if (Nakoala.Ulkona(px, py, pz, ulottuma)) return POIS;
    const double sade = koko * std::sqrt(frobenius / 3) / std::sqrt(etaisyys2) * Nakoala.pikselit;
    malli = &mallit[m];
    double pienempi = KAUKAISEN_SADE;
    // Each far version is named after the last, so a chain of them ends; four are plenty.
    for (int taso = 0; taso < 4 && sade < pienempi; taso++, pienempi /= 2) {
        const Uint32 kauempi = malli->Kaukainen;
        if (kauempi >= maara || !mallit[kauempi].Indeksoitu()) break;
        malli = &mallit[kauempi];
    }
    return NIPPUUN;
}

bool NIPPU::Lisaa(const OBJEKTI& o, const MALLI3D& malli, GLuint tekstuuri) {
    if (!Tyhja() && tekstuuri != Tekstuuri) return false;
    if (KulmienMaara + malli.KulmienMaara > NIPUN_KULMAT ||
        IndeksienMaara + malli.VerteksienMaara > NIPUN_INDEKSIT)
        return false;
    Tekstuuri = tekstuuri;
    const double* k = o.Kiertomatriisi.m;
    // The GL path's translation by the position in single precision, the matrix as
    // stored (its columns the right, up and forward vectors), the scale in single
    // precision, made one matrix; the corners in single precision, which at the
    // bundle's distances is far below a pixel.
    const double s = (float)o.Skaalaus;
    const float px = (float)((double)(float)o.Sijainti.x + k[12]),
                py = (float)((double)(float)o.Sijainti.y + k[13]),
                pz = (float)((double)(float)o.Sijainti.z + k[14]);
    const float ax = (float)(s * k[0]), ay = (float)(s * k[1]), az = (float)(s * k[2]);
    const float bx = (float)(s * k[4]), by = (float)(s * k[5]), bz = (float)(s * k[6]);
    const float cx = (float)(s * k[8]), cy = (float)(s * k[9]), cz = (float)(s * k[10]);
    const float* v = malli.KulmaVerteksit;
    const float* t = malli.KulmaKoordinaatit;
    NIPUN_KULMA* q = Kulmat + KulmienMaara;
    for (Uint32 i = 0; i < malli.KulmienMaara; i++, v += 3, t += 2, q++) {
        q->x = px + ax * v[0] + bx * v[1] + cx * v[2];
        q->y = py + ay * v[0] + by * v[1] + cy * v[2];
        q->z = pz + az * v[0] + bz * v[1] + cz * v[2];
        q->u = t[0];
        q->v = t[1];
    }
    const Uint16 alku = (Uint16)KulmienMaara;
    Uint16* j = Indeksit + IndeksienMaara;
    for (Uint32 i = 0; i < malli.VerteksienMaara; i++) j[i] = (Uint16)(alku + malli.Indeksit[i]);
    KulmienMaara += malli.KulmienMaara;
    IndeksienMaara += malli.VerteksienMaara;
    return true;
}

void NIPPU::Piirra() {
    if (Tyhja()) return;
    glBindTexture(GL_TEXTURE_2D, Tekstuuri);
    glVertexPointer(3, GL_FLOAT, sizeof(NIPUN_KULMA), &Kulmat[0].x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(NIPUN_KULMA), &Kulmat[0].u);
    // The range spares the driver a pass over the indices to find it.
    if (glDrawRangeElements)
        glDrawRangeElements(GL_TRIANGLES, 0, KulmienMaara - 1, (GLsizei)IndeksienMaara,
                            GL_UNSIGNED_SHORT, Indeksit);
    else
        glDrawElements(GL_TRIANGLES, (GLsizei)IndeksienMaara, GL_UNSIGNED_SHORT, Indeksit);
    Tyhjenna();
}

void NIPPU::Vapauta() {
    delete[] Kulmat;
    delete[] Indeksit;
    *this = NIPPU{};
}
