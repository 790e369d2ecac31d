// The TGA reader on arbitrary bytes.
#include "MuistiTiedosto.h"
#include "files/LukuHuomiot.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/TekstuuriFunktiot.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A header may declare up to the reader's cap of 8192 x 8192 pixels (256 MB
    // as RGBA) whatever follows it: a real allocation, not a fault, which
    // libFuzzer's malloc limit would report. The cap and large images are
    // unit-tested; here declared images stay within 64 x 64 pixels, which covers
    // every decoding path and keeps a run near 70 000 inputs a second (the data
    // set's textures, 128 x 128 and up, are read whole by the data-set tests).
    if (size >= 16 &&
        (uint32_t)(data[12] | data[13] << 8) * (uint32_t)(data[14] | data[15] << 8) > 64u * 64u)
        return 0;
    FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) return 0;
    KUVADATA t;
    bool ok = LueTGA(f, t);
    size_t n = (size_t)t.Leveys * t.Korkeus * t.TavuaPikselia;
    if (ok) {
        // The whole array the fields promise must be there: read all of it.
        volatile unsigned summa = 0;
        for (size_t i = 0; i < n; i++) summa = summa + t.Pikselit[i];
    }
    fclose(f);

    // The content checker's reading gives the same texture, and says why it refuses.
    f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
    if (!f) abort();
    KUVADATA u;
    LUKUHUOMIOT h;
    VAADI(LueTGA(f, u, &h) == ok);
    fclose(f);
    VAADI(ok || !h.Huomiot.empty());
    VAADI(u.Leveys == t.Leveys && u.Korkeus == t.Korkeus && u.TavuaPikselia == t.TavuaPikselia);
    VAADI(!ok || memcmp(u.Pikselit, t.Pikselit, n) == 0);
    delete[] t.Pikselit;
    delete[] u.Pikselit;
    return 0;
}
