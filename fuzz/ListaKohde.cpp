// The load list: read from a file as the game reads it (line ends, the byte 0xFF
// that ends it), then each section taken from that text and, as bytes straight
// from the input, from a text the reader never sees.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "files/TiedostoFunktiot.h"

#include <cstring>
#include <string>

namespace {

void Osiot(const char* teksti) {
    const struct {
        const char* avain;
        bool kaksiKenttaa;
    } osiot[] = {{"TEKSTUURIT", true}, {"3D_MALLIT", true}, {"PAPERPLANE", false}};
    for (auto o : osiot) {
        LISTAN_OSIO osio;
        LueListanOsio(teksti, o.avain, o.kaksiKenttaa, osio);
        // Every entry is a string of at most 511 characters.
        for (int i = 0; i < osio.Maara; i++) {
            VAADI(strlen(osio.Tiedostot[i]) <= POLUN_PITUUS);
            if (o.kaksiKenttaa) VAADI(osio.Nimet && strlen(osio.Nimet[i]) <= POLUN_PITUUS);
        }
        // The content checker's reading gives the same entries, each with its line.
        LISTAN_OSIO toinen;
        LUKUHUOMIOT huomiot;
        LueListanOsio(teksti, o.avain, o.kaksiKenttaa, toinen, &huomiot);
        VAADI(toinen.Maara == osio.Maara && (int)huomiot.OsionRivit.size() == osio.Maara);
        for (int i = 0; i < osio.Maara; i++) {
            VAADI(strcmp(toinen.Tiedostot[i], osio.Tiedostot[i]) == 0);
            if (o.kaksiKenttaa) VAADI(strcmp(toinen.Nimet[i], osio.Nimet[i]) == 0);
        }
        toinen.Vapauta(true);
        osio.Vapauta(true);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* teksti = nullptr;
    VAADI(LataaLista(Tiedosto().Kirjoita(data, size), teksti));
    VAADI(strlen(teksti) <= 99998);
    Osiot(teksti);
    char* toinen = nullptr;
    LUKUHUOMIOT huomiot;
    VAADI(LataaLista(Tiedosto().polku, toinen, &huomiot));
    VAADI(strcmp(toinen, teksti) == 0);
    delete[] toinen;
    delete[] teksti;

    // LataaLista gives the procedure a NUL-terminated text of at most 99998 bytes.
    std::string raaka((const char*)data, size > 99998 ? 99998 : size);
    Osiot(raaka.c_str());
    return 0;
}
