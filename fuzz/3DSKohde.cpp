// The 3DS reader on arbitrary bytes.
#include "files/TiedostoFunktiot.h"
#include "graphics/Malli3DFunktiot.h"

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) return 0;
    MALLI3D m;
    Lue3DS(f, m);
    fclose(f);
    // The arrays must hold exactly the vertices the count promises the renderer.
    volatile float summa = 0;
    for (int i = 0; i < m.VerteksienMaara * 3; i++) summa = summa + m.Verteksit[i];
    for (int i = 0; i < m.VerteksienMaara * 2; i++) summa = summa + m.TekstuuriKoordinaatit[i];
    delete[] m.Verteksit;
    delete[] m.TekstuuriKoordinaatit;
    return 0;
}
