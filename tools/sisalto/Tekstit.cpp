// The text files: the load list, the object files and the plane files. They are
// written in the style players copy when they add a plane of their own, with
// short remarks (in Finnish, like the read-me screen that points to them).
// Windows-1252 bytes: \xE4 is a-umlaut, \xF6 o-umlaut.
#include "Sisalto.h"

namespace {

struct LENNOKKI {
    const char* Tiedosto; // plane file and the name of its model and texture
    const char* Nimi;     // the name the menus show
    const char* Kuvaus;   // remark at the top of the plane file
};

const LENNOKKI LENNOKIT[] = {
    {"Nuoli", "Dart", "Nuoli: perinteinen nuolimalli ruutupaperista."},
    {"Liitaja", "Glider", "Liit\xE4j\xE4: leve\xE4t siivet ja yl\xF6s taitetut k\xE4rjet."},
    {"Haukka", "Hawk", "Haukka: nuolisiipinen taitolentokone, punaista origamipaperia."},
};

// The four bubbles share the texture Kuplat, each its own band of it.
const char* TEKSTUURIT[][2] = {
    {"Fontti.tga", "Fontti"}, {"Osoitin.tga", "Osoitin"},     {"Piha.tga", "Piha"},
    {"Museo.tga", "Museo"},   {"Puhaltaja.tga", "Puhaltaja"}, {"Kuplat.tga", "Kuplat"},
    {"Nuoli.tga", "Nuoli"},   {"Liitaja.tga", "Liitaja"},     {"Haukka.tga", "Haukka"},
    {"Haamu.tga", "Haamu"},
};

const char* MALLIT[][2] = {
    {"Piha.3ds", "Piha"},     {"Museo.3ds", "Museo"},   {"Puhaltaja.3ds", "Puhaltaja"},
    {"Kupla1.3ds", "Kupla1"}, {"Kupla2.3ds", "Kupla2"}, {"Kupla3.3ds", "Kupla3"},
    {"Kupla4.3ds", "Kupla4"}, {"Nuoli.3ds", "Nuoli"},   {"Liitaja.3ds", "Liitaja"},
    {"Haukka.3ds", "Haukka"},
};

std::string Objekti(const std::string& kuvaus, const std::string& malli,
                    const std::string& tekstuuri) {
    return kuvaus + "\n\n#3D_MALLI;\n>" + malli + ";\n#TEKSTUURI;\n>" + tekstuuri +
           ";\n#END_OF_FILE;\n";
}

} // namespace

bool TeeTekstit(KOHDE& k) {
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
    for (auto& t : TEKSTUURIT) lista += std::string(">") + t[0] + "=" + t[1] + ";\n";
    lista += "Lis\xE4\xE4 oma tekstuurisi t\xE4h\xE4n, esimerkiksi Oma.tga nimell\xE4 Oma.\n#\n\n";
    lista += "3D-mallit (3DS) kansiosta Tiedostot\\3D Mallit:\n3D_MALLIT\n";
    for (auto& m : MALLIT) lista += std::string(">") + m[0] + "=" + m[1] + ";\n";
    lista += "Lis\xE4\xE4 oma mallisi t\xE4h\xE4n. Nokka osoittaa +Z, yl\xF6s on +Y.\n#\n\n";
    lista += "Lennokit kansiosta Tiedostot\\PP (ota mallia Nuoli.txt-tiedostosta):\nPAPERPLANE\n";
    for (auto& l : LENNOKIT) lista += std::string(">") + l.Tiedosto + ".txt;\n";
    lista += "Lis\xE4\xE4 oma lennokkisi t\xE4h\xE4n.\n#\n";

    bool ok = KirjoitaTiedosto(k, "LatausLista.txt", lista);
    ok = KirjoitaTiedosto(k, "Objektit/Piha.txt",
                          Objekti("Piha: maa, polut, puut, aidat ja taivas.", "Piha", "Piha")) &&
         ok;
    ok = KirjoitaTiedosto(
             k, "Objektit/Museo.txt",
             Objekti("Museo: pihan p\xE4\xE4ss\xE4 seisova museorakennus.", "Museo", "Museo")) &&
         ok;
    ok = KirjoitaTiedosto(k, "Objektit/Puhaltaja.txt",
                          Objekti("Puhaltaja: kuplia puhaltava kone.", "Puhaltaja", "Puhaltaja")) &&
         ok;
    const char* kuplat[4] = {"sininen, renkaat", "oranssi, pilkut", "vihre\xE4, lohkot",
                             "violetti, siksak"};
    for (int n = 1; n <= 4; n++) {
        std::string nimi = "Kupla" + std::to_string(n);
        ok = KirjoitaTiedosto(k, "Objektit/" + nimi + ".txt",
                              Objekti(nimi + ": " + kuplat[n - 1] + ".", nimi, "Kuplat")) &&
             ok;
    }
    for (const LENNOKKI& l : LENNOKIT) {
        std::string t = std::string(l.Kuvaus) +
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
        ok = KirjoitaTiedosto(k, std::string("PP/") + l.Tiedosto + ".txt", t) && ok;
    }
    return ok;
}
