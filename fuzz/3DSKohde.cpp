// The 3DS reader on arbitrary bytes.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/Malli3DFunktiot.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) return 0;
    MALLIN_KOLMIOT m;
    Lue3DS(f, m);
    fclose(f);
    // The arrays must hold exactly the vertices the count promises the renderer.
    volatile float summa = 0;
    for (int i = 0; i < m.VerteksienMaara * 3; i++) summa = summa + m.Verteksit[i];
    for (int i = 0; i < m.VerteksienMaara * 2; i++) summa = summa + m.TekstuuriKoordinaatit[i];

    // The content checker's reading gives the same model.
    f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) abort();
    MALLIN_KOLMIOT k;
    LUKUHUOMIOT h;
    Lue3DS(f, k, &h);
    fclose(f);
    VAADI(k.VerteksienMaara == m.VerteksienMaara);
    VAADI(m.VerteksienMaara == 0 ||
          (memcmp(k.Verteksit, m.Verteksit, m.VerteksienMaara * 12) == 0 &&
           memcmp(k.TekstuuriKoordinaatit, m.TekstuuriKoordinaatit, m.VerteksienMaara * 8) == 0));
    for (MALLIN_KOLMIOT* x : {&m, &k}) {
        delete[] x->Verteksit;
        delete[] x->TekstuuriKoordinaatit;
    }
    return 0;
}
