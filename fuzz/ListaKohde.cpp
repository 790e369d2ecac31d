// The load list: read from a file as the game reads it (line ends, the byte 0xFF
// that ends it), then each section taken from that text and, as bytes straight
// from the input, from a text the reader never sees.
#include "MuistiTiedosto.h"
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
        osio.Vapauta(true);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char* teksti = nullptr;
    VAADI(LataaLista(Tiedosto().Kirjoita(data, size), teksti));
    VAADI(strlen(teksti) <= 99998);
    Osiot(teksti);
    delete[] teksti;

    // LataaLista gives the procedure a NUL-terminated text of at most 99998 bytes.
    std::string raaka((const char*)data, size > 99998 ? 99998 : size);
    Osiot(raaka.c_str());
    return 0;
}
