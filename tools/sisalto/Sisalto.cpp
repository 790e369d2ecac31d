// tavio_sisalto [--luettelo MANIFEST] FOLDER: writes the game's whole data set
// into FOLDER (the Tiedostot folder). Files the game itself writes there
// (settings, scores) are left alone.
// tavio_sisalto [--luettelo MANIFEST] --kuvakkeet FOLDER: the desktop icons.
//
// MANIFEST, written last and only when every file was written, names each file
// written (relative to FOLDER, '/' inside, one a line, sorted): the build runs
// the generator again when it is missing, and installs what it names.
#include "Sisalto.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {

void TeeKansiot(const std::string& polku) {
    for (size_t i = 1; i <= polku.size(); i++)
        if (i == polku.size() || polku[i] == '/') mkdir(polku.substr(0, i).c_str(), 0755);
}

// Written to a temporary file and renamed, so that a manifest is whole or absent.
bool KirjoitaLuettelo(const std::string& polku, const KOHDE& k) {
    std::string sisalto;
    for (const std::string& t : k.Kirjoitetut) sisalto += t + "\n";
    const std::string valiaikainen = polku + ".tmp";
    FILE* f = fopen(valiaikainen.c_str(), "wb");
    bool ok = f && fwrite(sisalto.data(), 1, sisalto.size(), f) == sisalto.size();
    if (f && fclose(f) != 0) ok = false;
    ok = ok && rename(valiaikainen.c_str(), polku.c_str()) == 0;
    if (!ok) {
        fprintf(stderr, "sisalto: cannot write %s\n", polku.c_str());
        remove(valiaikainen.c_str());
    }
    return ok;
}

bool TeeData(KOHDE& k) {
    bool ok = true;
    ok = TeeTekstit(k) && ok;
    ok = TeeFontti(k) && ok;
    ok = TeeOsoitin(k) && ok;
    ok = TeeKuplat(k) && ok;
    ok = TeePuhaltaja(k) && ok;
    ok = TeeLennokit(k) && ok;
    ok = TeeMaisema(k) && ok;
    ok = TeeAanet(k) && ok;
    ok = TeeRadat(k) && ok;
    ok = TeeHaamu(k) && ok;
    return ok;
}

} // namespace

std::string KOHDE::Kirjoitettava(const std::string& suhteellinen) {
    std::string koko = Polku(suhteellinen);
    TeeKansiot(koko.substr(0, koko.rfind('/')));
    Kirjoitetut.insert(suhteellinen);
    return koko;
}

bool KirjoitaTiedosto(KOHDE& k, const std::string& polku, const std::string& sisalto) {
    std::string koko = k.Kirjoitettava(polku);
    FILE* f = fopen(koko.c_str(), "wb");
    bool ok = f && fwrite(sisalto.data(), 1, sisalto.size(), f) == sisalto.size();
    if (f && fclose(f) != 0) ok = false;
    if (!ok) fprintf(stderr, "sisalto: cannot write %s\n", koko.c_str());
    return ok;
}

std::string Datassa(const char* pelinPolku) {
    std::string polku = pelinPolku;
    const std::string juuri = "Tiedostot\\";
    if (polku.compare(0, juuri.size(), juuri) == 0) polku.erase(0, juuri.size());
    for (char& c : polku)
        if (c == '\\') c = '/';
    return polku;
}

bool Tekstuuri(KOHDE& k, const std::string& nimi, const KUVA_RGBA& kuva, bool alfa) {
    std::string tiedosto = "Tekstuurit/" + nimi + ".tga";
    bool ok = TallennaTGA(k.Kirjoitettava(tiedosto), kuva, alfa);
    if (!ok) fprintf(stderr, "sisalto: cannot write %s\n", tiedosto.c_str());
    return ok;
}

bool Malli(KOHDE& k, const std::string& nimi, const MALLI& malli) {
    std::string tiedosto = "3D Mallit/" + nimi + ".3ds";
    bool ok = Tallenna3DS(k.Kirjoitettava(tiedosto), nimi, malli);
    if (!ok) fprintf(stderr, "sisalto: cannot write %s\n", tiedosto.c_str());
    if (getenv("SISALTO_KERRO")) printf("%-10s %6d triangles\n", nimi.c_str(), malli.Kolmioita());
    return ok;
}

int main(int argc, char** argv) {
    const char* ohjelma = argv[0];
    std::string luettelo;
    if (argc >= 3 && std::string(argv[1]) == "--luettelo") {
        luettelo = argv[2];
        argc -= 2;
        argv += 2;
    }
    bool kuvakkeet = argc == 3 && std::string(argv[1]) == "--kuvakkeet";
    if (argc != 2 && !kuvakkeet) {
        fprintf(stderr, "usage: %s [--luettelo MANIFEST] [--kuvakkeet] FOLDER\n", ohjelma);
        return 2;
    }
    // A run that fails leaves no manifest, and the build tries again.
    if (!luettelo.empty()) remove(luettelo.c_str());
    KOHDE k{argv[argc - 1], {}};
    TeeKansiot(k.Juuri);
    bool ok = kuvakkeet ? TeeKuvakkeet(k) : TeeData(k);
    if (ok && !luettelo.empty()) ok = KirjoitaLuettelo(luettelo, k);
    return ok ? 0 : 1;
}
