// A ghost file as a race start reads it. The track letter and fingerprint are
// taken from the input itself (or, when its last byte is odd, are the wrong
// ones), so that the fuzzer gets past them to the poses. A ghost that is read
// holds 1..36000 poses of finite numbers whose axes can be drawn, and writes
// back to exactly the bytes it came from; a file that is refused is no ghost.
#include "MuistiTiedosto.h"
#include "files/HaamuTiedosto.h"
#include "flight/Haamu.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* polku = Tiedosto().Kirjoita(data, size);
    static HAAMU* haamu = new HAAMU;
    static HAAMUT* haamut = new HAAMUT;
    char kirjain = size > 6 ? (char)data[6] : 'A';
    Uint32 rata = 0;
    for (int i = 0; i < 4 && 8 + (size_t)i < size; i++) rata |= (Uint32)data[8 + i] << (8 * i);
    bool vaarin = size > 0 && (data[size - 1] & 1);
    if (vaarin) rata ^= 0x5A5A5A5A;

    haamu->maara = 12345;
    const char* syy = nullptr;
    bool luettu = LataaHaamu(polku, kirjain, rata, *haamu, &syy);
    if (!luettu) {
        VAADI(haamu->maara == 0 && syy != nullptr);
        return 0;
    }
    VAADI(!vaarin && syy == nullptr);
    VAADI(haamu->maara >= 1 && haamu->maara <= HAAMUN_PAIVITYKSET);
    VAADI(haamu->asennot.size() >= haamu->maara);
    VAADI(memchr(haamu->kone, 0, sizeof haamu->kone) != nullptr);

    std::vector<Uint8> takaisin;
    HaamuTavuiksi(*haamu, kirjain, takaisin);
    VAADI(takaisin.size() == size && memcmp(takaisin.data(), data, size) == 0);

    // Every pose turns into an orientation the renderer can use.
    std::swap(haamut->haamu, *haamu);
    OBJEKTI o;
    for (Uint32 i = 0; i < haamut->haamu.maara; i++) {
        VAADI(haamut->Asento(i, o));
        VAADI(std::isfinite(o.Sijainti.x) && std::isfinite(o.Sijainti.y) &&
              std::isfinite(o.Sijainti.z));
        for (int k = 0; k < 11; k++) VAADI(std::isfinite(o.Kiertomatriisi.m[k]));
        VEKTORI oikealle = o.Kiertomatriisi.OikealleV();
        VAADI(std::fabs(oikealle.AnnaPituus() - 1.0) < 1e-2);
    }
    VAADI(!haamut->Asento(haamut->haamu.maara, o));
    std::swap(haamut->haamu, *haamu);
    return 0;
}
