// The text files: the load list, the object files and the plane files. They are
// written in the style players copy when they add a plane of their own, with
// short remarks (in Finnish, like the read-me screen that points to them).
// Windows-1252 bytes: \xE4 is a-umlaut, \xF6 o-umlaut.
#include "Sisalto.h"

namespace {

// Every texture and model goes by the name of its file; the planes' come between
// these. The four bubbles share the texture Kuplat, each its own band of it.
const char* const TEKSTUURIT_ENNEN[] = {FONTIN_TEKSTUURI, OSOITTIMEN_TEKSTUURI, "Piha",
                                        "Museo",          "Puhaltaja",          "Kuplat"};
const char* const TEKSTUURIT_JALKEEN[] = {HAAMUN_TEKSTUURI};
const char* const MALLIT_ENNEN[] = {"Piha", "Museo", "Puhaltaja"}; // then the bubbles'

// The remarks of the bubbles' object files, by design number.
const char* const KUPLIEN_KUVAUKSET[KUPLALAJEJA] = {
    "sininen, renkaat",
    "oranssi, pilkut",
    "vihre\xE4, lohkot",
    "violetti, siksak",
};

std::string Objekti(const std::string& kuvaus, const std::string& malli,
                    const std::string& tekstuuri) {
    return kuvaus + "\n\n#3D_MALLI;\n>" + malli + ";\n#TEKSTUURI;\n>" + tekstuuri +
           ";\n#END_OF_FILE;\n";
}

std::string Osionrivi(const std::string& nimi, const char* paate) {
    return ">" + nimi + paate + "=" + nimi + ";\n";
}

std::string Latauslista() {
    // Inside a section, remarks must hold neither '>' nor '#', and no section's
    // keyword may appear before the section itself.
    std::string lista =
        "The Tavio - latauslista\n"
        "\n"
        "Peli lataa k\xE4ynnistyess\xE4\xE4n kaiken t\xE4ss\xE4 luetellun. Osiossa on rivi "
        "kullekin tiedostolle\n"
        "ja osio p\xE4\xE4ttyy risuaitaan. Tekstuurin ja 3D-mallin rivi on muotoa\n"
        "    >tiedosto=nimi;\n"
        "ja lennokin rivi muotoa\n"
        "    >tiedosto;\n"
        "Nimill\xE4 objektit ja lennokit viittaavat tekstuureihin ja malleihin. "
        "Kirjoita jokainen\n"
        "rivi omalle rivilleen, \xE4l\xE4k\xE4 lis\xE4\xE4 v\xE4lily\xF6ntej\xE4 merkkien "
        "v\xE4liin.\n"
        "\n"
        "Tekstuurit (TGA, 24 tai 32 bitti\xE4) kansiosta Tiedostot\\Tekstuurit:\n"
        "TEKSTUURIT\n";
    for (const char* t : TEKSTUURIT_ENNEN) lista += Osionrivi(t, ".tga");
    for (const LENNOKKI& l : LENNOKIT) lista += Osionrivi(l.Tiedosto, ".tga");
    for (const char* t : TEKSTUURIT_JALKEEN) lista += Osionrivi(t, ".tga");
    lista += "Lis\xE4\xE4 oma tekstuurisi t\xE4h\xE4n, esimerkiksi Oma.tga nimell\xE4 Oma.\n#\n\n";
    lista += "3D-mallit (3DS) kansiosta Tiedostot\\3D Mallit:\n3D_MALLIT\n";
    for (const char* m : MALLIT_ENNEN) lista += Osionrivi(m, ".3ds");
    for (int n = 1; n <= KUPLALAJEJA; n++) lista += Osionrivi(KuplanNimi(n), ".3ds");
    for (const LENNOKKI& l : LENNOKIT) lista += Osionrivi(l.Tiedosto, ".3ds");
    // What the game draws in place of a bubble where it covers a few pixels: the
    // model named as it with KAUKAINEN_PAATE after the name, and that one's.
    for (const char* kauas : {KAUKAINEN_PAATE, KAUKAINEN_PAATE KAUKAINEN_PAATE})
        for (int n = 1; n <= KUPLALAJEJA; n++) lista += Osionrivi(KuplanNimi(n) + kauas, ".3ds");
    lista += "Lis\xE4\xE4 oma mallisi t\xE4h\xE4n. Nokka osoittaa +Z, yl\xF6s on +Y.\n#\n\n";
    lista += std::string("Lennokit kansiosta Tiedostot\\PP (ota mallia ") + LENNOKIT[0].Tiedosto +
             ".txt-tiedostosta):\nPAPERPLANE\n";
    for (const LENNOKKI& l : LENNOKIT) lista += std::string(">") + l.Tiedosto + ".txt;\n";
    lista += "Lis\xE4\xE4 oma lennokkisi t\xE4h\xE4n.\n#\n";
    return lista;
}

bool TeeObjektit(KOHDE& k) {
    bool ok = KirjoitaTiedosto(k, Datassa(PIHAN_OBJEKTI),
                               Objekti("Piha: maa, polut, puut, aidat ja taivas.", "Piha", "Piha"));
    ok = KirjoitaTiedosto(
             k, Datassa(MUSEON_OBJEKTI),
             Objekti("Museo: pihan p\xE4\xE4ss\xE4 seisova museorakennus.", "Museo", "Museo")) &&
         ok;
    ok = KirjoitaTiedosto(k, Datassa(PUHALTAJAN_OBJEKTI),
                          Objekti("Puhaltaja: kuplia puhaltava kone.", "Puhaltaja", "Puhaltaja")) &&
         ok;
    for (int laji = 0; laji < KUPLALAJEJA; laji++) {
        int n = KuplanNumero(laji); // none: TeeKuplat tells
        if (!n) continue;
        std::string nimi = KuplanNimi(n);
        ok = KirjoitaTiedosto(
                 k, Datassa(KUPLIEN_OBJEKTIT[laji]),
                 Objekti(nimi + ": " + KUPLIEN_KUVAUKSET[n - 1] + ".", nimi, "Kuplat")) &&
             ok;
    }
    return ok;
}

std::string Lennokkitiedosto(const LENNOKKI& l) {
    return std::string(l.Kuvaus) +
           "\nKopioi t\xE4m\xE4 tiedosto omalle lennokillesi ja vaihda nimet.\n\n"
           "Nimi, joka n\xE4kyy valikossa:\n#PP;\n>" +
           l.Nimi +
           ";\n"
           "3D-malli ja tekstuuri latauslistan nimill\xE4:\n#3D_MALLI;\n>" +
           l.Tiedosto + ";\n#TEKSTUURI;\n>" + l.Tiedosto +
           ";\n"
           "Lentoarvot (peli ei viel\xE4 k\xE4yt\xE4 niit\xE4):\n"
           "#MASSA;\n>1.0;\n#MASSAJAKAUMA;\n>0;\n#SIIPIALA;\n>0;\n"
           "#AERODYNAAMISUUS;\n>1.0;\n#END_OF_FILE;\n";
}

} // namespace

bool TeeTekstit(KOHDE& k) {
    bool ok = KirjoitaTiedosto(k, Datassa(LATAUSLISTA), Latauslista());
    ok = TeeObjektit(k) && ok;
    for (const LENNOKKI& l : LENNOKIT)
        ok = KirjoitaTiedosto(k, std::string("PP/") + l.Tiedosto + ".txt", Lennokkitiedosto(l)) &&
             ok;
    return ok;
}
