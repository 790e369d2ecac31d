// The load list's section procedure on arbitrary text, for each section form.
#include "files/TiedostoFunktiot.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // LataaLista gives the procedure a NUL-terminated text of at most 99998 bytes.
    if (size > 99998) size = 99998;
    std::string teksti((const char*)data, size);
    const struct {
        const char* avain;
        bool kaksiKenttaa;
    } osiot[] = {{"TEKSTUURIT", true}, {"3D_MALLIT", true}, {"PAPERPLANE", false}};
    for (auto o : osiot) {
        LISTAN_OSIO osio;
        LueListanOsio(teksti.c_str(), o.avain, o.kaksiKenttaa, osio);
        // Every entry is a string of at most 511 characters.
        for (int i = 0; i < osio.Maara; i++) {
            if (strlen(osio.Tiedostot[i]) > POLUN_PITUUS) __builtin_trap();
            if (osio.Nimet && strlen(osio.Nimet[i]) > POLUN_PITUUS) __builtin_trap();
        }
        osio.Vapauta(true);
    }
    return 0;
}
