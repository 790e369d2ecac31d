// The content generator of the game: every picture, model, text file, track and
// sound under Tiedostot is made here, the same bytes on every run. The names and
// numbers the game goes by come from files/Sisalto.h.
#pragma once

#include "Kuva.h"
#include "Malli.h"

#include "files/Sisalto.h"

#include <set>
#include <string>
#include <vector>

// The folder written to (the data folder itself, ".../Tiedostot"), with '/' inside,
// and what has been written there: the manifest the build installs from.
struct KOHDE {
    std::string Juuri;
    std::set<std::string> Kirjoitetut; // relative to Juuri, '/' inside
    std::string Polku(const std::string& suhteellinen) const { return Juuri + "/" + suhteellinen; }
    // The full path of a file about to be written: its folders made, and the
    // file noted for the manifest.
    std::string Kirjoitettava(const std::string& suhteellinen);
};

// A path as files/Sisalto.h gives it ("Tiedostot\\Kuuluva\\aani1.ogg"), relative to
// the data folder as written here ("Kuuluva/aani1.ogg").
std::string Datassa(const char* pelinPolku);

// Write a file of the data folder; false (and a message) on failure. A texture
// and a model go by the name the load list gives them (Tekstuurit/<nimi>.tga,
// 3D Mallit/<nimi>.3ds).
bool KirjoitaTiedosto(KOHDE& k, const std::string& polku, const std::string& sisalto);
bool Tekstuuri(KOHDE& k, const std::string& nimi, const KUVA_RGBA& kuva, bool alfa);
bool Malli(KOHDE& k, const std::string& nimi, const MALLI& malli);

// The four bubble designs go by a number (1..4), which their model and object
// file carry in their names (Kupla<n>) and which picks their band of the shared
// texture Kuplat. The kinds' object files in files/Sisalto.h say which design
// each kind shows.
std::string KuplanNimi(int n);
int KuplanNumero(int laji); // 0 when the kind's object file is no design's
// Design n's colour of the surface in direction d (a unit vector of the model, y
// up), pattern included.
VARI4 KuplanPinta(int n, V3 d);
// The colour of every bubble's rim.
VARI4 KuplanReuna();

// The parts of the data set.
bool TeeFontti(KOHDE& k);    // Fontti.tga and MerkkienLeveydet.txt
bool TeeOsoitin(KOHDE& k);   // Osoitin.tga
bool TeeKuplat(KOHDE& k);    // Kupla1..4 models and their shared texture Kuplat
bool TeePuhaltaja(KOHDE& k); // the blower
bool TeeLennokit(KOHDE& k);  // the paper planes' models and textures
bool TeeMaisema(KOHDE& k);   // Piha and Museo
bool TeeTekstit(KOHDE& k);   // load list, object files, plane files
bool TeeAanet(KOHDE& k);     // music and sound effects
bool TeeRadat(KOHDE& k);     // the six race tracks
bool TeeHaamu(KOHDE& k);     // the race ghost's texture Haamu

// The paper planes, in the order the menus offer them. One entry is a whole
// plane: its plane file PP/<Tiedosto>.txt, its model and texture of that name,
// and its lines in the load list all follow from it.
struct LENNOKKI {
    const char* Tiedosto; // the plane file's name, and its model's and texture's
    const char* Nimi;     // the name the menus show
    const char* Kuvaus;   // the remark at the top of the plane file (Windows-1252)
    bool (*Tee)(KOHDE& k, const char* nimi); // folds and prints it: model and texture `nimi`
};
extern const std::vector<LENNOKKI> LENNOKIT;

// Whether a point (world units) is inside a tree's crown in the yard.
bool PuussaTaiAidassa(double x, double y, double z);

// Lettering painted into textures (DejaVu Serif Bold): the pen starts at x on the
// baseline; `leveys` narrows or widens the letters.
bool PiirraTeksti(KUVA_RGBA& kuva, int x, int perusviiva, const char* teksti, int koko,
                  double leveys, VARI4 vari);
int TekstinLeveys(const char* teksti, int koko, double leveys);

// The desktop icon at 16, 32, 48, 64, 128 and 256 pixels, as the icon theme lays
// them out: <n>x<n>/apps/tavio.png in the folder (tavio_sisalto --kuvakkeet FOLDER).
bool TeeKuvakkeet(KOHDE& k);
