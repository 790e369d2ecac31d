#include "graphics/2DGrafiikkaFunktiot.h"

#include "graphics/GrafiikkaMoottori.h"

#include <GL/glew.h>

void KUVA::Alusta(const char* nimi, float leveys, float korkeus, float u, float v, float du,
                  float dv) {
    TekstuuriNimi = nimi;
    Leveys = leveys;
    Korkeus = korkeus;
    U0 = u;
    V0 = v;
    U1 = u + du;
    V1 = v + dv;
    Vari = VARI{};
}

void GRAFIIKKA::LisaaKuva(KUVA& k, double x, double y, double koko, VARI vari) {
    Uint32 tekstuuri = EtsiTekstuuri(k.TekstuuriNimi);
    if (tekstuuri != EI_INDEKSIA) k.TekstuuriIndeksi = tekstuuri;
    JonoonKuva(k, x, y, koko, vari);
}

void GRAFIIKKA::JonoonKuva(const KUVA& k, double x, double y, double koko, const VARI& vari) {
    // A full buffer drops the image for this frame rather than writing past it.
    if (!Kuvat || KuvienMaara >= KUVAPUSKURI) return;
    KUVA& kopio = Kuvat[KuvienMaara++];
    kopio = k;
    kopio.X = (float)x;
    kopio.Y = (float)y;
    kopio.Leveys = (float)(k.Leveys * koko);
    kopio.Korkeus = (float)(k.Korkeus * koko);
    kopio.Vari = vari;
}

void GRAFIIKKA::PoistaKuva() {
    if (KuvienMaara > 0) KuvienMaara--;
}

namespace {

GLuint Tunnus(const GRAFIIKKA& g, const KUVA& k) {
    return k.TekstuuriIndeksi < g.TekstuurienMaara ? g.Tekstuurit[k.TekstuuriIndeksi].Tunnus : 0;
}

} // namespace

// Every image a quad, in the order added, with the corners, texture coordinates
// and colour of the immediate-mode quads below, from arrays: one draw call for
// each run of images on one texture, so a screen of text costs a few calls.
void GRAFIIKKA::PiirraKuvat() {
    if (KuvienMaara == 0) return;
    for (Uint32 i = 0; i < KuvienMaara; i++) {
        const KUVA& k = Kuvat[i];
        // The sums in single precision, as glVertex2f is handed them below.
        const float x1 = k.X + k.Leveys, y1 = k.Y + k.Korkeus;
        const float r = (float)k.Vari.r, g = (float)k.Vari.g, b = (float)k.Vari.b,
                    a = (float)k.Vari.a;
        KULMA2D* q = Kulmat + 4 * (size_t)i;
        q[0] = KULMA2D{k.X, k.Y, k.U0, k.V0, r, g, b, a};
        q[1] = KULMA2D{x1, k.Y, k.U1, k.V0, r, g, b, a};
        q[2] = KULMA2D{x1, y1, k.U1, k.V1, r, g, b, a};
        q[3] = KULMA2D{k.X, y1, k.U0, k.V1, r, g, b, a};
    }
    // Client arrays, so no buffer bound (the 3D pass leaves none, but a caller may
    // have). The colour array is on only here, for the 3D pass draws in the current
    // colour.
    SidoTaulukkoPuskuri(0);
    glVertexPointer(2, GL_FLOAT, sizeof(KULMA2D), &Kulmat[0].x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(KULMA2D), &Kulmat[0].u);
    glColorPointer(4, GL_FLOAT, sizeof(KULMA2D), &Kulmat[0].r);
    glEnableClientState(GL_COLOR_ARRAY);
    for (Uint32 alku = 0; alku < KuvienMaara;) {
        const GLuint tunnus = Tunnus(*this, Kuvat[alku]);
        Uint32 loppu = alku + 1;
        while (loppu < KuvienMaara && Tunnus(*this, Kuvat[loppu]) == tunnus) loppu++;
        glBindTexture(GL_TEXTURE_2D, tunnus);
        glDrawArrays(GL_QUADS, (GLint)(4 * alku), (GLsizei)(4 * (loppu - alku)));
        alku = loppu;
    }
    glDisableClientState(GL_COLOR_ARRAY);
}

void GRAFIIKKA::PiirraKuvatSuoraan() {
    // Consecutive images of one texture share a glBegin/glEnd: the picture is the
    // same as one quad each.
    bool auki = false;
    GLuint sidottu = 0;
    for (Uint32 i = 0; i < KuvienMaara; i++) {
        const KUVA& k = Kuvat[i];
        GLuint tunnus = Tunnus(*this, k);
        if (!auki || tunnus != sidottu) {
            if (auki) glEnd();
            glBindTexture(GL_TEXTURE_2D, tunnus);
            sidottu = tunnus;
            glBegin(GL_QUADS);
            auki = true;
        }
        glColor4d(k.Vari.r, k.Vari.g, k.Vari.b, k.Vari.a);
        glTexCoord2f(k.U0, k.V0);
        glVertex2f(k.X, k.Y);
        glTexCoord2f(k.U1, k.V0);
        glVertex2f(k.X + k.Leveys, k.Y);
        glTexCoord2f(k.U1, k.V1);
        glVertex2f(k.X + k.Leveys, k.Y + k.Korkeus);
        glTexCoord2f(k.U0, k.V1);
        glVertex2f(k.X, k.Y + k.Korkeus);
    }
    if (auki) glEnd();
}
