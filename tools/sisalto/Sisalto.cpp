// tavio_sisalto FOLDER: writes the game's whole data set into FOLDER (the
// Tiedostot folder). Files the game itself writes there (settings, scores) are
// left alone.
#include "Sisalto.h"

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {

void TeeKansiot(const std::string& polku) {
    for (size_t i = 1; i <= polku.size(); i++)
        if (i == polku.size() || polku[i] == '/') mkdir(polku.substr(0, i).c_str(), 0755);
}

} // namespace

bool KirjoitaTiedosto(const KOHDE& k, const std::string& polku, const std::string& sisalto) {
    std::string koko = k.Polku(polku);
    FILE* f = fopen(koko.c_str(), "wb");
    bool ok = f && fwrite(sisalto.data(), 1, sisalto.size(), f) == sisalto.size();
    if (f && fclose(f) != 0) ok = false;
    if (!ok) fprintf(stderr, "sisalto: cannot write %s\n", koko.c_str());
    return ok;
}

bool Kuva(const KOHDE& k, const std::string& nimi, const KUVA_RGBA& kuva, bool alfa) {
    bool ok = TallennaTGA(k.Polku(nimi), kuva, alfa);
    if (!ok) fprintf(stderr, "sisalto: cannot write %s\n", nimi.c_str());
    return ok;
}

bool Malli(const KOHDE& k, const std::string& nimi, const MALLI& malli) {
    std::string tiedosto = "3D Mallit/" + nimi + ".3ds";
    bool ok = Tallenna3DS(k.Polku(tiedosto), nimi, malli);
    if (!ok) fprintf(stderr, "sisalto: cannot write %s\n", tiedosto.c_str());
    if (getenv("SISALTO_KERRO")) printf("%-10s %6d triangles\n", nimi.c_str(), malli.Kolmioita());
    return ok;
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--kuvakkeet") return TeeKuvakkeet(argv[2]) ? 0 : 1;
    if (argc != 2) {
        fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
        return 2;
    }
    KOHDE k{argv[1]};
    for (const char* kansio :
         {"Tekstuurit", "3D Mallit", "Objektit", "PP", "Fontit", "Kuuluva", "Muu Data"})
        TeeKansiot(k.Polku(kansio));
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
    return ok ? 0 : 1;
}
