#include "graphics/GrafiikkaMoottori.h"

#include "foundation/AikaFunktiot.h"

#include <GL/glu.h>

namespace {

// Turbo pacing: a frame faster than 1/72 s is held back by its own duration,
// and the frame after a slower one is not drawn.
const double TURBORAJA = 1000.0 / 72.0;

// The 2D space of every image and the pointer, whatever the window size.
const double LEVEYS_2D = 1280.0, KORKEUS_2D = 1024.0;

// The array-buffer binding as the renderer last set it; client arrays need none.
void SidoTaulukkoPuskuri(GLuint puskuri) {
    if (glBindBufferARB) glBindBufferARB(GL_ARRAY_BUFFER_ARB, puskuri);
}

} // namespace

void GRAFIIKKA::AlustaPuskurit() {
    if (!Objektit) Objektit = new OBJEKTI*[OBJEKTIPUSKURI];
    if (!Kuvat) Kuvat = new KUVA[KUVAPUSKURI];
    if (!Kulmat) Kulmat = new KULMA2D[4 * KUVAPUSKURI];
    ObjektienMaara = 0;
    KuvienMaara = 0;
    if (KameroidenMaara == 0) {
        LisaaKamera(KAMERA{});
        KytkeKamera(0);
    }
}

void GRAFIIKKA::Alusta(int leveys, int korkeus) {
    AlustaMalli3DPuskuri();
    AlustaTekstuuriPuskuri();
    AlustaFontit();
    // A fresh camera list with the default camera: eye and target at the origin,
    // up along +y. The game places it before the first frame with objects.
    delete[] Kamerat;
    Kamerat = nullptr;
    KameroidenMaara = 0;
    AlustaPuskurit();
    IkkunanLeveys = leveys;
    IkkunanKorkeus = korkeus;
    Osoitin.Alusta("Osoitin", 64, 64, 0, 0, 1, 1);
    NaytaOsoitin();
}

// State in: the object and image buffers filled this frame, the active camera,
// the asset tables. Command in: the pointer (x, y) in 2D units and the last
// frame's duration `ms` (0 turns pacing off). Result out: the frame on screen
// (unless skipped); both buffers empty in every case.
void GRAFIIKKA::Paivita(const char*, double x, double y, double ms) {
    if (ms < TURBORAJA) {
        Uint32 alku = AnnaTikit();
        while ((double)(Uint32)(AnnaTikit() - alku) < ms) {
        }
    }
    if (!(ms > TURBORAJA)) {
        if (OsoitinNakyvissa) {
            // Top-left corner at the pointer, three times the template's size.
            float ala = (float)y - Osoitin.Korkeus * 3.0f;
            LisaaKuva(Osoitin, x, ala, 3, VARI{1, 1, 1, 1});
        }

        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glBindTexture(GL_TEXTURE_2D, 0);
        glColor3f(1, 1, 1);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        double suhde = IkkunanKorkeus > 0 ? (double)IkkunanLeveys / (double)IkkunanKorkeus : 1.0;
        gluPerspective(70.0, suhde, 1.0, 30000.0);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_DEPTH_TEST);
        Piirra3D();

        glDisable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluOrtho2D(0, LEVEYS_2D, 0, KORKEUS_2D);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        if (KuvatSuoraan || !Kulmat)
            PiirraKuvatSuoraan();
        else
            PiirraKuvat();

        SDL_GL_SwapBuffers();
    }
    // Skipped frames drop what was queued, too.
    TyhjennaObjektiPuskuri();
    TyhjennaKuvaPuskuri();
}

// One draw call an object, in the order added. The vertex and texture-coordinate
// arrays are enabled once at set-up; the array buffer is left unbound.
void GRAFIIKKA::Piirra3D() {
    if (ObjektienMaara == 0) return;
    // The view is the same for every object: world units are 20 GL units in eye
    // space, so the clip range is 0.05 to 1500 world units.
    const KAMERA& k = Kamera();
    glLoadIdentity();
    glScalef(20, 20, 20);
    gluLookAt(k.Paikka.x, k.Paikka.y, k.Paikka.z, k.Kohde.x, k.Kohde.y, k.Kohde.z, k.Ylos.x,
              k.Ylos.y, k.Ylos.z);
    SidoTaulukkoPuskuri(0);
    bool puskuriSidottu = false;
    // What the previous object left set: a run of objects of one model and one
    // texture (the bubbles of a kind) sets its arrays and binds its texture once.
    GLuint sidottu = 0; // bound above
    const MALLI3D* asetettu = nullptr;
    for (Uint32 i = 0; i < ObjektienMaara; i++) {
        const OBJEKTI& o = *Objektit[i];
        // An object whose model never resolved has nothing to draw.
        if (o.MalliIndeksi >= MallienMaara) continue;
        const MALLI3D& malli = Mallit[o.MalliIndeksi];
        if (malli.VerteksienMaara == 0) continue;
        if (!malli.KaytaVBO && (!malli.Verteksit || !malli.TekstuuriKoordinaatit)) continue;

        glPushMatrix();
        glTranslatef((float)o.Sijainti.x, (float)o.Sijainti.y, (float)o.Sijainti.z);
        glMultMatrixd(o.Kiertomatriisi.m);
        float s = (float)o.Skaalaus;
        glScalef(s, s, s);
        // An unresolved texture draws the model untextured, in white.
        GLuint tunnus =
            o.TekstuuriIndeksi < TekstuurienMaara ? Tekstuurit[o.TekstuuriIndeksi].Tunnus : 0;
        if (tunnus != sidottu) {
            glBindTexture(GL_TEXTURE_2D, tunnus);
            sidottu = tunnus;
        }
        if (&malli != asetettu) {
            if (malli.KaytaVBO) {
                SidoTaulukkoPuskuri(malli.VerteksiPuskuri);
                glVertexPointer(3, GL_FLOAT, 0, nullptr);
                SidoTaulukkoPuskuri(malli.KoordinaattiPuskuri);
                glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
                puskuriSidottu = true;
            } else {
                if (puskuriSidottu) SidoTaulukkoPuskuri(0);
                puskuriSidottu = false;
                glVertexPointer(3, GL_FLOAT, 0, malli.Verteksit);
                glTexCoordPointer(2, GL_FLOAT, 0, malli.TekstuuriKoordinaatit);
            }
            asetettu = &malli;
        }
        glDrawArrays(GL_TRIANGLES, 0, malli.VerteksienMaara);
        glPopMatrix();
    }
    if (puskuriSidottu) SidoTaulukkoPuskuri(0);
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

void GRAFIIKKA::Vapauta() {
    for (Uint32 i = 0; i < MallienMaara; i++) Mallit[i].Vapauta();
    for (Uint32 i = 0; i < TekstuurienMaara; i++) Tekstuurit[i].Vapauta();
    delete[] Mallit;
    delete[] Tekstuurit;
    delete[] Objektit;
    delete[] Kuvat;
    delete[] Kulmat;
    delete[] Kamerat;
    delete[] Fontit;
    *this = GRAFIIKKA{};
}
