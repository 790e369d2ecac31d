// The TGA reader: 24- and 32-bit true colour, uncompressed (type 2) or
// run-length encoded (type 10), delivered as RGB(A) rows in file order.
//
// Textures are player content, so every header value is distrusted: the image
// size is capped before anything is allocated, packets are clipped to the
// image, and whatever the file does not hold is filled with zero.
#include "files/TiedostoFunktiot.h"

#include "files/LukuHuomiot.h"

#include <SDL_endian.h>
#include <cerrno>
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

// Blue, green, red (alpha) of the file to red, green, blue (alpha), from `lahde`
// to `kohde` (the same place or apart), n pixels of B bytes.
template <size_t B> void KaannaKanavat(unsigned char* kohde, const unsigned char* lahde, size_t n) {
    if (kohde == lahde) {
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
        if (B == 4) {
            // Whole 32-bit pixels, which the compiler turns into vector code.
            for (size_t i = 0; i < n; i++, kohde += 4) {
                Uint32 x;
                memcpy(&x, kohde, 4);
                x = (x & 0xFF00FF00u) | ((x << 16) & 0x00FF0000u) | ((x >> 16) & 0x000000FFu);
                memcpy(kohde, &x, 4);
            }
            return;
        }
#endif
        // In place only the blue and red bytes move.
        for (size_t i = 0; i < n; i++, kohde += B) {
            unsigned char sininen = kohde[0];
            kohde[0] = kohde[2];
            kohde[2] = sininen;
        }
        return;
    }
    for (size_t i = 0; i < n; i++, kohde += B, lahde += B) {
        kohde[0] = lahde[2];
        kohde[1] = lahde[1];
        kohde[2] = lahde[0];
        if (B == 4) kohde[3] = lahde[3];
    }
}

// Decodes run-length packets of B-byte pixels into `kuva` of `pikseleita`
// pixels, already as RGB(A). Returns how many bytes from the start were
// written, a whole number of pixels. A packet that runs past the last pixel is
// clipped (and `leikattu` set); packets may cross scan lines. A pixel cut by
// the end of the file keeps the bytes it has, the rest zero.
template <size_t B>
size_t PuraRLE(LUKIJA& lukija, unsigned char* kuva, size_t pikseleita, bool& leikattu) {
    size_t p = 0;
    while (p < pikseleita) {
        int otsake = lukija.Tavu();
        if (otsake < 0) break;
        size_t maara = (size_t)(otsake & 0x7F) + 1;
        if (maara > pikseleita - p) {
            maara = pikseleita - p;
            leikattu = true;
        }
        unsigned char* q = kuva + p * B;
        if (otsake < 128) {
            size_t tavuja = maara * B;
            if (lukija.maara - lukija.kohta >= tavuja) {
                // The usual case: the whole packet is in the buffer.
                KaannaKanavat<B>(q, lukija.puskuri + lukija.kohta, maara);
                lukija.kohta += tavuja;
            } else {
                size_t luettu = lukija.Lue(q, tavuja);
                if (luettu < tavuja) {
                    size_t kokonaisia = (luettu + B - 1) / B;
                    memset(q + luettu, 0, kokonaisia * B - luettu);
                    KaannaKanavat<B>(q, q, kokonaisia);
                    return (p + kokonaisia) * B;
                }
                KaannaKanavat<B>(q, q, maara);
            }
        } else {
            unsigned char pikseli[B];
            if (lukija.Lue(pikseli, B) < B) return p * B;
            KaannaKanavat<B>(pikseli, pikseli, 1);
            for (size_t i = 0; i < maara; i++, q += B) memcpy(q, pikseli, B);
        }
        p += maara;
    }
    return p * B;
}

} // namespace

bool LueTGA(FILE* f, KUVADATA& t, LUKUHUOMIOT* huomiot) {
    if (!f) return false;
    unsigned char otsake[18];
    size_t otsakkeessa = fread(otsake, 1, sizeof otsake, f);
    if (otsakkeessa != sizeof otsake) {
        if (huomiot) huomiot->LisaaKohtaan(TGA_LYHYT_OTSAKE, 0, (long long)otsakkeessa);
        return false;
    }
    unsigned idPituus = otsake[0];
    unsigned karttaTyyppi = otsake[1];
    unsigned tyyppi = otsake[2];
    unsigned leveys = otsake[12] | (otsake[13] << 8);
    unsigned korkeus = otsake[14] | (otsake[15] << 8);
    unsigned syvyys = otsake[16];

    // Each refusal is told to the checker with the header byte that caused it.
    if (karttaTyyppi != 0) {
        if (huomiot) huomiot->LisaaKohtaan(TGA_VARIKARTTA, 1, karttaTyyppi);
        return false;
    }
    if (syvyys != 24 && syvyys != 32) {
        if (huomiot) huomiot->LisaaKohtaan(TGA_SYVYYS, 16, syvyys);
        return false;
    }
    if (tyyppi != 2 && tyyppi != 10) {
        if (huomiot) huomiot->LisaaKohtaan(TGA_TYYPPI, 2, tyyppi);
        return false;
    }
    if (leveys == 0 || korkeus == 0) {
        if (huomiot) huomiot->LisaaKohtaan(TGA_TYHJA, 12, leveys, korkeus);
        return false;
    }
    uint64_t pikseleita = (uint64_t)leveys * (uint64_t)korkeus;
    if (pikseleita > SUURIN_KUVA) {
        if (huomiot) huomiot->LisaaKohtaan(TGA_LIIAN_SUURI, 12, leveys, korkeus);
        return false;
    }
    if (huomiot && (otsake[17] & 0x20)) huomiot->LisaaKohtaan(TGA_YLHAALTA, 17);
    size_t b = syvyys / 8;
    size_t koko = (size_t)pikseleita * b;

    LUKIJA* lukija = new LUKIJA(f);
    unsigned char id[255];
    lukija->Lue(id, idPituus);

    // The rows go out as the file holds them (the origin bits are not used):
    // the first row of the file is texture coordinate 0.
    unsigned char* kuva = new unsigned char[koko];
    // What the file does not hold is zero.
    size_t saatu = koko; // bytes of pixels the file held
    bool leikattu = false;
    if (tyyppi == 2) {
        size_t luettu = lukija->Lue(kuva, koko);
        memset(kuva + luettu, 0, koko - luettu);
        saatu = luettu;
        if (b == 4)
            KaannaKanavat<4>(kuva, kuva, (size_t)pikseleita);
        else
            KaannaKanavat<3>(kuva, kuva, (size_t)pikseleita);
    } else {
        size_t kirjoitettu = (b == 4) ? PuraRLE<4>(*lukija, kuva, (size_t)pikseleita, leikattu)
                                      : PuraRLE<3>(*lukija, kuva, (size_t)pikseleita, leikattu);
        memset(kuva + kirjoitettu, 0, koko - kirjoitettu);
        saatu = kirjoitettu;
    }
    delete lukija;
    if (huomiot && saatu < koko)
        huomiot->LisaaKohtaan(TGA_KATKAISTU, -1, (long long)(saatu / b), (long long)pikseleita);
    if (huomiot && leikattu) huomiot->LisaaKohtaan(TGA_RLE_YLI, -1);

    delete[] t.Pikselit;
    t.Pikselit = kuva;
    t.Leveys = (Uint16)leveys;
    t.Korkeus = (Uint16)korkeus;
    t.TavuaPikselia = (Uint8)b;
    return true;
}

bool LataaTGA(const char* polku, KUVADATA& t, LUKUHUOMIOT* huomiot) {
    return LueAvattu(polku, huomiot, [&](FILE* f) { return LueTGA(f, t, huomiot); });
}
