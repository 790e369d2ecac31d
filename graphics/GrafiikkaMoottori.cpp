#include "graphics/GrafiikkaMoottori.h"

#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "foundation/AikaFunktiot.h"

#include <GL/glu.h>
#include <cmath>

namespace {

// Turbo pacing: a frame faster than 1/72 s is held back by its own duration,
// and the frame after a slower one is not drawn.
const double TURBORAJA = 1000.0 / 72.0;

// The 3D pass's projection: the vertical field of view in degrees, the clip
// planes in GL units of eye space (20 to a world unit).
const double NAKOKENTTA = 70.0, LAHIN = 1.0, KAUKAISIN = 30000.0;

// The 2D space of every image and the pointer, whatever the window size.
const double LEVEYS_2D = 1280.0, KORKEUS_2D = 1024.0;

} // namespace

void GRAFIIKKA::AlustaPuskurit() {
    if (!Objektit) Objektit = new OBJEKTI*[OBJEKTIPUSKURI];
    if (!Kuvat) Kuvat = new KUVA[KUVAPUSKURI];
    if (!Kulmat) Kulmat = new KULMA2D[4 * KUVAPUSKURI];
    Nippu.Alusta();
    ObjektienMaara = 0;
    KuvienMaara = 0;
}

void GRAFIIKKA::Alusta(int leveys, int korkeus) {
    AlustaMalli3DPuskuri();
    AlustaTekstuuriPuskuri();
    AlustaFontit();
    Valmistele(leveys, korkeus);
}

void GRAFIIKKA::AlustaIlmanIkkunaa(int leveys, int korkeus) {
    LISTAN_OSIO mallit;
    LataaListanOsio("3D_MALLIT", true, mallit);
    MallienMaara = (Uint32)mallit.Maara;
    Mallit = mallit.Maara > 0 ? new MALLI3D[mallit.Maara] : nullptr;
    char polku[POLUN_PITUUS + 1];
    for (int i = 0; i < mallit.Maara; i++) {
        OsionPolku(MALLIKANSIO, mallit.Tiedostot[i], polku);
        Mallit[i].Alusta(polku, mallit.Nimet[i]);
    }
    mallit.Vapauta(false);
    LISTAN_OSIO kuvat;
    LataaListanOsio("TEKSTUURIT", true, kuvat);
    TekstuurienMaara = (Uint32)kuvat.Maara;
    Tekstuurit = kuvat.Maara > 0 ? new TEKSTUURI[kuvat.Maara] : nullptr;
    for (int i = 0; i < kuvat.Maara; i++) {
        TEKSTUURI& t = Tekstuurit[i];
        OsionPolku(TEKSTUURIKANSIO, kuvat.Tiedostot[i], polku);
        t.LataaKuva(polku);
        delete[] t.Pikselit;
        t.Pikselit = nullptr;
        t.Nimi = kuvat.Nimet[i];
    }
    kuvat.Vapauta(false);
    MerkitseNimet();
    AlustaFontit();
    Valmistele(leveys, korkeus);
}

void GRAFIIKKA::Valmistele(int leveys, int korkeus) {
    // The camera at the origin looking nowhere: the game places it before the
    // first frame with objects.
    Katsoja = KAMERA{};
    AlustaPuskurit();
    IkkunanLeveys = leveys;
    IkkunanKorkeus = korkeus;
    Osoitin.Alusta(OSOITTIMEN_TEKSTUURI, 64, 64, 0, 0, 1, 1);
    NaytaOsoitin();
}

// State in: the object and image buffers filled this frame, the active camera,
// the asset tables. Command in: the pointer (x, y) in 2D units and the last
// frame's duration `ms` (0 turns pacing off). Result out: the frame on screen
// (unless skipped); both buffers empty in every case.
void GRAFIIKKA::Paivita(double x, double y, double ms) {
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
        gluPerspective(NAKOKENTTA, suhde, LAHIN, KAUKAISIN);
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

namespace {

// What the 3D pass last set, so that a run of objects of one model and one
// texture (the bubbles of a kind) sets its arrays and binds its texture once.
struct PIIRTOTILA {
    GLuint sidottu = 0; // texture
    const MALLI3D* asetettu = nullptr;
    bool indeksoitu = false;     // the arrays set are the model's indexed ones
    bool puskuriSidottu = false; // an array buffer is bound
    bool sekoittaa = true;       // blending on, as the set-up leaves it
};

void AsetaSekoitus(bool paalla, PIIRTOTILA& tila) {
    if (paalla == tila.sekoittaa) return;
    if (paalla)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
    tila.sekoittaa = paalla;
}

// One object through the GL matrices, in one draw call: indexed when the model
// is (the same triangles in the same order), unless `litteana`.
void PiirraErikseen(const OBJEKTI& o, const MALLI3D& malli, GLuint tunnus, bool litteana,
                    PIIRTOTILA& tila) {
    glPushMatrix();
    glTranslatef((float)o.Sijainti.x, (float)o.Sijainti.y, (float)o.Sijainti.z);
    glMultMatrixd(o.Kiertomatriisi.m);
    float s = (float)o.Skaalaus;
    glScalef(s, s, s);
    if (tunnus != tila.sidottu) {
        glBindTexture(GL_TEXTURE_2D, tunnus);
        tila.sidottu = tunnus;
    }
    const bool indeksoitu = !litteana && malli.Indeksoitu();
    if (&malli != tila.asetettu || indeksoitu != tila.indeksoitu) {
        if (malli.KaytaVBO) {
            SidoTaulukkoPuskuri(malli.VerteksiPuskuri);
            glVertexPointer(3, GL_FLOAT, 0, nullptr);
            SidoTaulukkoPuskuri(malli.KoordinaattiPuskuri);
            glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
            tila.puskuriSidottu = true;
        } else {
            if (tila.puskuriSidottu) SidoTaulukkoPuskuri(0);
            tila.puskuriSidottu = false;
            glVertexPointer(3, GL_FLOAT, 0, indeksoitu ? malli.KulmaVerteksit : malli.Verteksit);
            glTexCoordPointer(2, GL_FLOAT, 0,
                              indeksoitu ? malli.KulmaKoordinaatit : malli.TekstuuriKoordinaatit);
        }
        tila.asetettu = &malli;
        tila.indeksoitu = indeksoitu;
    }
    if (indeksoitu && glDrawRangeElements)
        glDrawRangeElements(GL_TRIANGLES, 0, malli.KulmienMaara - 1u, malli.VerteksienMaara,
                            GL_UNSIGNED_SHORT, malli.Indeksit);
    else if (indeksoitu)
        glDrawElements(GL_TRIANGLES, malli.VerteksienMaara, GL_UNSIGNED_SHORT, malli.Indeksit);
    else
        glDrawArrays(GL_TRIANGLES, 0, malli.VerteksienMaara);
    glPopMatrix();
}

// Draws what the bundle holds, from client arrays; what it set is then the state.
void PiirraNippu(NIPPU& nippu, PIIRTOTILA& tila) {
    if (nippu.Tyhja()) return;
    AsetaSekoitus(true, tila);
    if (tila.puskuriSidottu) SidoTaulukkoPuskuri(0);
    tila.puskuriSidottu = false;
    nippu.Piirra();
    tila.sidottu = nippu.Tekstuuri;
    tila.asetettu = nullptr;
}

} // namespace

// In the order added: one draw call an object, but the far objects that ask for
// it (the bubbles) gathered into bundles of one texture, each drawn in one call
// where the next object that is not in it comes, so that the order of drawing,
// and so the blending of everything seen through them, stays as it was. The
// vertex and texture-coordinate arrays are enabled once at set-up; the array
// buffer is left unbound.
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
    PIIRTOTILA tila;
    const bool niputa = !KaikkiErikseen && Nippu.Kulmat && Nippu.Indeksit;
    Nippu.Tyhjenna();
    Nippu.Nakoala.Aseta(k, IkkunanLeveys, IkkunanKorkeus, NAKOKENTTA, LAHIN / 20, KAUKAISIN / 20);
    for (Uint32 i = 0; i < ObjektienMaara; i++) {
        const OBJEKTI& o = *Objektit[i];
        // An object whose model never resolved has nothing to draw.
        if (o.MalliIndeksi >= MallienMaara) continue;
        const MALLI3D& malli = Mallit[o.MalliIndeksi];
        if (malli.VerteksienMaara == 0) continue;
        if (!malli.KaytaVBO && (!malli.Verteksit || !malli.TekstuuriKoordinaatit)) continue;
        // An unresolved texture draws the model untextured, in white.
        GLuint tunnus =
            o.TekstuuriIndeksi < TekstuurienMaara ? Tekstuurit[o.TekstuuriIndeksi].Tunnus : 0;
        const MALLI3D* kaukana = nullptr;
        const NIPUN_VALINTA valinta =
            niputa ? Nippu.Valitse(o, o.MalliIndeksi, Mallit, MallienMaara, kaukana) : ERIKSEEN;
        if (valinta == POIS) continue;
        if (valinta == NIPPUUN) {
            if (Nippu.Lisaa(o, *kaukana, tunnus)) continue;
            PiirraNippu(Nippu, tila);
            if (Nippu.Lisaa(o, *kaukana, tunnus)) continue;
        }
        PiirraNippu(Nippu, tila);
        // An opaque texture in white, fully opaque, blends to itself exactly.
        AsetaSekoitus(KaikkiErikseen || o.TekstuuriIndeksi >= TekstuurienMaara ||
                          !Tekstuurit[o.TekstuuriIndeksi].Peittava,
                      tila);
        PiirraErikseen(o, malli, tunnus, KaikkiErikseen, tila);
    }
    PiirraNippu(Nippu, tila);
    AsetaSekoitus(true, tila);
    if (tila.puskuriSidottu) SidoTaulukkoPuskuri(0);
}

void GRAFIIKKA::Vapauta() {
    for (Uint32 i = 0; i < MallienMaara; i++) Mallit[i].Vapauta();
    for (Uint32 i = 0; i < TekstuurienMaara; i++) Tekstuurit[i].Vapauta();
    delete[] Mallit;
    delete[] Tekstuurit;
    delete[] Objektit;
    delete[] Kuvat;
    delete[] Kulmat;
    delete[] Fontit;
    Nippu.Vapauta();
    *this = GRAFIIKKA{};
}
