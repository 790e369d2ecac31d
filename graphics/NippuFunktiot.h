// Far objects of one texture drawn as one: a thousand bubbles across the yard
// are a few pixels each, and on a software renderer their own draw calls, their
// matrices and their many tiny triangles cost more than their pixels. Their
// corners are turned and moved into place on the processor, into arrays made
// once, and drawn in one call; where one covers only a few pixels its model's
// far version (fewer triangles) stands in for it, and one wholly outside the
// view is left out.
#pragma once

#include "foundation/MatikkaFunktiot.h"
#include "graphics/KameraFunktiot.h"
#include "graphics/Malli3DFunktiot.h"
#include "graphics/ObjektiFunktiot.h"

// The arrays' room: Uint16 indices reach 65536 corners, and a closed model has
// about five indices a corner. A bundle that is full is drawn and starts again.
enum { NIPUN_KULMAT = 65536, NIPUN_INDEKSIT = 6 * NIPUN_KULMAT };

// World units: an object any part of which may be nearer the eye than this is
// drawn on its own, through the GL matrices, exactly as it always was.
const double NIPUN_ETAISYYS = 50.0;
// Pixels: a bundled object whose radius on screen is below this is drawn as its
// model's far version (MALLI3D::Kaukainen), and below half of it as that one's.
const double KAUKAISEN_SADE = 6.0;

struct NIPUN_KULMA {
    float x, y, z; // world units
    float u, v;    // texture coordinate
};

// The view of the frame as the 3D pass sets it up, for telling what it cannot see.
struct NAKOALA {
    VEKTORI silma;                        // world units
    VEKTORI eteen, oikealle, ylos;        // unit vectors of the eye as gluLookAt makes them
    double tanLeveys = 0, tanKorkeus = 0; // tangents of half the field of view
    double lahin = 0, kaukaisin = 0;      // the clip planes, world units from the eye
    double pikselit = 0;                  // pixels a world unit covers one unit from the eye
    bool rajattu = false;                 // the directions are sound, so the sides can be tested

    // From the camera, the window (pixels), the vertical field of view (degrees)
    // and the clip planes (world units).
    void Aseta(const KAMERA& k, int leveys, int korkeus, double kentta, double lahin,
               double kaukaisin);
    // Whether a ball of radius r (world units) about p lies wholly outside the view,
    // with room to spare for the renderer's rounding.
    bool Ulkona(double px, double py, double pz, double r) const;
};

enum NIPUN_VALINTA {
    ERIKSEEN, // drawn on its own, as always
    NIPPUUN,  // into the bundle, with the model returned
    POIS      // wholly outside the view: nothing to draw
};

struct NIPPU {
    NIPUN_KULMA* Kulmat = nullptr;
    Uint16* Indeksit = nullptr;
    Uint32 KulmienMaara = 0, IndeksienMaara = 0;
    GLuint Tekstuuri = 0; // of every object in the bundle
    NAKOALA Nakoala;

    // The arrays, once (no OpenGL needed); an empty bundle.
    void Alusta();
    // How `o`, drawn with model `m` of the table `mallit`, is drawn in the view: in
    // a bundle when it asks for one, its model is indexed, its matrix is affine and
    // no part of it can be within NIPUN_ETAISYYS of the eye; then with the far
    // version where it covers few pixels (`malli` out), or not at all when the
    // view cannot see it.
    NIPUN_VALINTA Valitse(const OBJEKTI& o, Uint32 m, const MALLI3D* mallit, Uint32 maara,
                          const MALLI3D*& malli) const;
    // Adds the object's corners in world units and its triangles, drawn with
    // texture `tekstuuri`: translation, matrix and scale as the GL path applies
    // them. False, nothing added, when the bundle is of another texture or has no
    // room: draw it first.
    bool Lisaa(const OBJEKTI& o, const MALLI3D& malli, GLuint tekstuuri);
    bool Tyhja() const { return IndeksienMaara == 0; }
    // Draws the bundle in one call with the current model-view matrix (the view),
    // from client arrays (no array buffer may be bound), and empties it. Leaves
    // its texture bound and its arrays set.
    void Piirra();
    void Tyhjenna() { KulmienMaara = IndeksienMaara = 0; }
    void Vapauta();
};
