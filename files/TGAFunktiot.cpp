// The TGA reader: 24- and 32-bit true colour, uncompressed (type 2) or
// run-length encoded (type 10), delivered as RGB(A) rows in file order.
//
// Textures are player content, so every header value is distrusted: the image
// size is capped before anything is allocated, packets are clipped to the
// image, and whatever the file does not hold is filled with zero.
#include "files/TiedostoFunktiot.h"

#include "graphics/TekstuuriFunktiot.h"

#include <cstdint>
#include <cstring>

namespace {

// The largest image accepted, in pixels: 8192 x 8192 (256 MB as RGBA), beyond
// any texture size the game's OpenGL path is meant for.
const uint64_t SUURIN_KUVA = 8192ull * 8192ull;

// Buffered reading of a stream: the decoder asks for a few bytes at a time, and
// one fread per 64 kB keeps that near the speed of the disk.
struct LUKIJA {
    FILE* f;
    size_t kohta = 0, maara = 0;
    unsigned char puskuri[1 << 16];

    explicit LUKIJA(FILE* tiedosto) : f(tiedosto) {}

    bool Tayta() {
        kohta = 0;
        maara = fread(puskuri, 1, sizeof puskuri, f);
        return maara > 0;
    }
    // Copies up to n bytes; returns how many the stream still held.
    size_t Lue(unsigned char* ulos, size_t n) {
        size_t luettu = 0;
        while (luettu < n) {
            if (kohta == maara) {
                // A large block bypasses the buffer.
                if (n - luettu >= sizeof puskuri) {
                    size_t k = fread(ulos + luettu, 1, n - luettu, f);
                    luettu += k;
                    if (k == 0 || luettu < n) break;
                    continue;
                }
                if (!Tayta()) break;
            }
            size_t k = n - luettu;
            if (k > maara - kohta) k = maara - kohta;
            memcpy(ulos + luettu, puskuri + kohta, k);
            kohta += k;
            luettu += k;
        }
        return luettu;
    }
    // One byte, or -1 at the end of the stream.
    int Tavu() {
        if (kohta == maara && !Tayta()) return -1;
        return puskuri[kohta++];
    }
};

// Decodes run-length packets into `kuva` of `pikseleita` pixels of b bytes.
// Returns how many bytes from the start were written. A packet that runs past
// the last pixel is clipped; packets may cross scan lines.
size_t PuraRLE(LUKIJA& lukija, unsigned char* kuva, size_t pikseleita, size_t b) {
    size_t p = 0;
    while (p < pikseleita) {
        int otsake = lukija.Tavu();
        if (otsake < 0) break;
        size_t maara = (size_t)(otsake & 0x7F) + 1;
        if (maara > pikseleita - p) maara = pikseleita - p;
        if (otsake < 128) {
            size_t tavuja = maara * b;
            size_t luettu = lukija.Lue(kuva + p * b, tavuja);
            if (luettu < tavuja) return p * b + luettu;
        } else {
            unsigned char pikseli[4];
            if (lukija.Lue(pikseli, b) < b) return p * b;
            unsigned char* q = kuva + p * b;
            for (size_t i = 0; i < maara; i++, q += b) memcpy(q, pikseli, b);
        }
        p += maara;
    }
    return p * b;
}

} // namespace

bool LueTGA(FILE* f, TEKSTUURI& t) {
    if (!f) return false;
    unsigned char otsake[18];
    if (fread(otsake, 1, sizeof otsake, f) != sizeof otsake) return false;
    unsigned idPituus = otsake[0];
    unsigned karttaTyyppi = otsake[1];
    unsigned tyyppi = otsake[2];
    unsigned leveys = otsake[12] | (otsake[13] << 8);
    unsigned korkeus = otsake[14] | (otsake[15] << 8);
    unsigned syvyys = otsake[16];

    if (karttaTyyppi != 0) return false;
    if (syvyys != 24 && syvyys != 32) return false;
    if (tyyppi != 2 && tyyppi != 10) return false;
    if (leveys == 0 || korkeus == 0) return false;
    uint64_t pikseleita = (uint64_t)leveys * (uint64_t)korkeus;
    if (pikseleita > SUURIN_KUVA) return false;
    size_t b = syvyys / 8;
    size_t koko = (size_t)pikseleita * b;

    LUKIJA* lukija = new LUKIJA(f);
    unsigned char id[255];
    lukija->Lue(id, idPituus);

    // The rows go out as the file holds them (the origin bits are not used):
    // the first row of the file is texture coordinate 0.
    unsigned char* kuva = new unsigned char[koko];
    size_t kirjoitettu =
        (tyyppi == 2) ? lukija->Lue(kuva, koko) : PuraRLE(*lukija, kuva, (size_t)pikseleita, b);
    delete lukija;
    if (kirjoitettu < koko) memset(kuva + kirjoitettu, 0, koko - kirjoitettu);

    // Blue, green, red (alpha) to red, green, blue (alpha).
    for (unsigned char* p = kuva; p < kuva + koko; p += b) {
        unsigned char sininen = p[0];
        p[0] = p[2];
        p[2] = sininen;
    }

    delete[] t.Pikselit;
    t.Pikselit = kuva;
    t.Leveys = (Uint16)leveys;
    t.Korkeus = (Uint16)korkeus;
    t.TavuaPikselia = (Uint8)b;
    t.Muoto = (b == 4) ? GL_RGBA : GL_RGB;
    return true;
}

bool LataaTGA(const char* polku, TEKSTUURI& t) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return false;
    bool ok = LueTGA(f, t);
    fclose(f);
    return ok;
}
