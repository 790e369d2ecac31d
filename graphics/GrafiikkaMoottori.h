// The renderer: asset tables, per-frame draw buffers, cameras and text output.
//
// Within a frame the game adds objects (LisaaObjekti) and text (TulostaTeksti),
// may move the camera (Kamera()), and then calls Paivita, which draws the
// objects, then the images and the pointer, presents the frame and empties both
// buffers.
#pragma once

#include "foundation/SyottolaiteFunktiot.h"
#include "graphics/2DGrafiikkaFunktiot.h"
#include "graphics/KameraFunktiot.h"
#include "graphics/Malli3DFunktiot.h"
#include "graphics/NippuFunktiot.h"
#include "graphics/ObjektiFunktiot.h"
#include "graphics/TekstiFunktiot.h"
#include "graphics/TekstuuriFunktiot.h"

// Capacities of the draw buffers per frame; what does not fit is dropped.
enum { OBJEKTIPUSKURI = 2000, KUVAPUSKURI = 10000 };

struct GRAFIIKKA {
    Uint32 MallienMaara = 0;
    MALLI3D* Mallit = nullptr; // load-list order
    Uint32 TekstuurienMaara = 0;
    TEKSTUURI* Tekstuurit = nullptr; // load-list order
    Uint32 ObjektienMaara = 0;
    OBJEKTI** Objektit = nullptr; // caller-owned objects, valid until Paivita returns
    Uint32 KuvienMaara = 0;
    KUVA* Kuvat = nullptr;                        // copies
    KAMERA Katsoja;                               // the camera every frame is drawn through
    Sint32 IkkunanLeveys = 0, IkkunanKorkeus = 0; // pixels; only for the aspect ratio
    Uint32 FonttienMaara = 0;
    FONTTI* Fontit = nullptr;
    KUVA Osoitin; // the pointer image
    bool OsoitinNakyvissa = true;
    // The 2D pass's vertex arrays, four corners an image of Kuvat: made once, so
    // that no frame allocates.
    KULMA2D* Kulmat = nullptr;
    // Draws the 2D pass one vertex call at a time instead of from the arrays: the
    // same picture, the reference the window tests compare the arrays with.
    bool KuvatSuoraan = false;
    // The far objects that ask for it, gathered into bundles as the 3D pass meets them.
    NIPPU Nippu;
    // Draws every object on its own, from its flat arrays and blended, as the 3D pass
    // did before its bundles, indexed models and unblended opaque textures: the
    // reference the window tests and the frame benchmark compare with.
    bool KaikkiErikseen = false;

    // Loads models, textures and the font named by the load list, makes the
    // buffers and the pointer image, and resets the camera. Needs an OpenGL context.
    void Alusta(int leveys, int korkeus);
    // The same without an OpenGL context: the tables hold the models, the
    // textures' names and sizes (nothing is uploaded) and the font, for code
    // that lays out and queues without drawing.
    void AlustaIlmanIkkunaa(int leveys, int korkeus);
    // The buffers only (no OpenGL, no loading).
    void AlustaPuskurit();
    void Valmistele(int leveys,
                    int korkeus); // the camera, the buffers, the window size, the pointer
    // Draws one frame and empties both buffers. `ms` is the last frame's duration
    // for turbo pacing (0 turns pacing off).
    void Paivita(double x, double y, double ms);
    void Piirra3D();           // the object buffer, through the active camera
    void PiirraKuvat();        // the image buffer, from the vertex arrays
    void PiirraKuvatSuoraan(); // the image buffer, in immediate mode
    void NaytaOsoitin() { OsoitinNakyvissa = true; }
    void PiilotaOsoitin() { OsoitinNakyvissa = false; }
    void Vapauta(); // at shutdown

    // Objects
    void LisaaObjekti(OBJEKTI& o);
    void TyhjennaObjektiPuskuri() { ObjektienMaara = 0; }

    // Images
    void LisaaKuva(KUVA& k, double x, double y, double koko, VARI vari);
    // Queues a copy of an image whose texture index is already resolved.
    void JonoonKuva(const KUVA& k, double x, double y, double koko, const VARI& vari);
    void PoistaKuva();
    void TyhjennaKuvaPuskuri() { KuvienMaara = 0; }

    KAMERA& Kamera() { return Katsoja; }

    // Text
    void AlustaFontit();
    FONTTI* Fontti() { return Fontit; }
    void TulostaTeksti(TEKSTI& t, double x, double y, HIIRI hiiri, KESKITYSTAPA tapa, int fontti,
                       double koko);
    void TulostaTeksti(TEKSTI& t, double x, double y, KESKITYSTAPA tapa, int fontti, double koko);

    // Asset tables
    void AlustaTekstuuriPuskuri();
    void AlustaMalli3DPuskuri();
    // Name lookups: the last texture of that name wins, the first model wins.
    // EI_INDEKSIA when nothing matches.
    Uint32 EtsiTekstuuri(const char* nimi) const;
    Uint32 EtsiMalli(const char* nimi) const;
    // Marks the entries that their names resolve to (NimenMalli, NimenTekstuuri),
    // so that LisaaObjekti keeps an object's indices while they still point at
    // such entries of its names. The loaders call it; a table filled by other means
    // is searched on every call until it is called.
    void MerkitseNimet();
};
