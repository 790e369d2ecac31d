// The TGA and 3DS readers against reading the same bytes from the file: the
// decoders should cost no more than a few times the read itself. Files made to
// the formats' limits, and the data set's largest.
#include "files/TiedostoFunktiot.h"
#include "graphics/Malli3DFunktiot.h"
#include "graphics/TekstuuriFunktiot.h"

#include "apu/TestiApu.h"
#include "yksikko/TiedostoRakentajat.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// Files of a few MB, written once into a temporary folder.
struct TIEDOSTOT {
    std::string kansio, raaka, rle, malli;
    TIEDOSTOT() {
        char malliPolku[] = "/tmp/tavio-bench-XXXXXX";
        kansio = mkdtemp(malliPolku);
        raaka = kansio + "/raaka.tga";
        rle = kansio + "/rle.tga";
        malli = kansio + "/malli.3ds";

        // 1024 x 1024 RGBA, uncompressed: 4 MB.
        Tavut data;
        data.reserve(1024 * 1024 * 4);
        for (int i = 0; i < 1024 * 1024; i++)
            data.insert(data.end(), {(Uint8)i, (Uint8)(i >> 8), (Uint8)(i >> 12), 255});
        KirjoitaTiedosto(raaka, TeeTGA(2, 1024, 1024, 32, data));

        // 2048 x 1024 RGB, run-length: raw packets of 16 pixels between runs of
        // 16, as a painted texture with flat areas compresses; about 3.3 MB.
        data.clear();
        for (int i = 0; i < 2048 * 1024; i += 32) {
            data.push_back(0x0F);
            for (int k = 0; k < 16; k++)
                data.insert(data.end(), {(Uint8)k, (Uint8)i, (Uint8)(i >> 8)});
            data.insert(data.end(), {0x8F, 1, 2, 3});
        }
        KirjoitaTiedosto(rle, TeeTGA(10, 2048, 1024, 24, data));

        // The largest model the vertex count allows: 21845 faces over 65535
        // vertices, with mapping, between material and keyframe chunks: about 1.7 MB.
        std::vector<float> xyz, uv;
        std::vector<Uint16> pinnat;
        for (int i = 0; i < 65535; i++) {
            xyz.insert(xyz.end(), {(float)i, (float)(i % 7), (float)(i % 13)});
            uv.insert(uv.end(), {(float)(i % 5) / 5, (float)(i % 3) / 3});
        }
        for (int f = 0; f < 21845; f++)
            pinnat.insert(pinnat.end(),
                          {(Uint16)(3 * f), (Uint16)(3 * f + 1), (Uint16)(3 * f + 2)});
        Tavut verkko = Verkko(Liita({Verteksilista(xyz), Pintalista(pinnat), Karttalista(uv)}));
        KirjoitaTiedosto(
            malli,
            Liita({Malli(Liita({Lohko(0xAFFF, Tavut(100000, 1)), Objektilohko("Iso", verkko)})),
                   Lohko(0xB000, Tavut(200000, 2))}));
    }
    ~TIEDOSTOT() {
        for (const std::string* p : {&raaka, &rle, &malli}) unlink(p->c_str());
        rmdir(kansio.c_str());
    }
};

const TIEDOSTOT& Tiedostot() {
    static TIEDOSTOT t;
    return t;
}

// The whole file into a new buffer of its size with one fread: what reading the
// bytes costs a loader (the file comes from the page cache), with no decoding.
void LueTavut(benchmark::State& tila, const std::string& polku) {
    size_t koko = LueTiedosto(polku).size();
    size_t yhteensa = 0;
    for (auto _ : tila) {
        char* puskuri = new char[koko];
        FILE* f = fopen(polku.c_str(), "rb");
        yhteensa += fread(puskuri, 1, koko, f);
        fclose(f);
        benchmark::DoNotOptimize(puskuri);
        delete[] puskuri;
    }
    tila.SetBytesProcessed((int64_t)yhteensa);
}

void TGA(benchmark::State& tila, const std::string& polku) {
    size_t koko = LueTiedosto(polku).size();
    for (auto _ : tila) {
        KUVADATA t;
        LataaTGA(polku.c_str(), t);
        benchmark::DoNotOptimize(t.Pikselit);
        t.Vapauta();
    }
    tila.SetBytesProcessed((int64_t)(koko * tila.iterations()));
}

void Malli3DS(benchmark::State& tila, const std::string& polku) {
    size_t koko = LueTiedosto(polku).size();
    for (auto _ : tila) {
        MALLIN_KOLMIOT m;
        Lataa3DS(polku.c_str(), m);
        benchmark::DoNotOptimize(m.Verteksit);
        m.Vapauta();
    }
    tila.SetBytesProcessed((int64_t)(koko * tila.iterations()));
}

void TGA_Raaka_Tavut(benchmark::State& s) {
    LueTavut(s, Tiedostot().raaka);
}
void TGA_Raaka_LataaTGA(benchmark::State& s) {
    TGA(s, Tiedostot().raaka);
}
void TGA_RLE_Tavut(benchmark::State& s) {
    LueTavut(s, Tiedostot().rle);
}
void TGA_RLE_LataaTGA(benchmark::State& s) {
    TGA(s, Tiedostot().rle);
}
void Malli_3DS_Tavut(benchmark::State& s) {
    LueTavut(s, Tiedostot().malli);
}
void Malli_3DS_Lataa3DS(benchmark::State& s) {
    Malli3DS(s, Tiedostot().malli);
}

// The data set's own largest files: the yard's picture (the largest TGA), the font
// sheet (the largest decoded, 1024 x 1024 RGBA) and the yard (the largest model).
std::string Aineistossa(const char* polku) {
    return KoontiKansio() + "/Tiedostot/" + polku;
}
void Aineisto_Piha_tga_Tavut(benchmark::State& s) {
    LueTavut(s, Aineistossa("Tekstuurit/Piha.tga"));
}
void Aineisto_Piha_tga_LataaTGA(benchmark::State& s) {
    TGA(s, Aineistossa("Tekstuurit/Piha.tga"));
}
void Aineisto_Fontti_tga_Tavut(benchmark::State& s) {
    LueTavut(s, Aineistossa("Tekstuurit/Fontti.tga"));
}
void Aineisto_Fontti_tga_LataaTGA(benchmark::State& s) {
    TGA(s, Aineistossa("Tekstuurit/Fontti.tga"));
}
void Aineisto_Piha_3ds_Tavut(benchmark::State& s) {
    LueTavut(s, Aineistossa("3D Mallit/Piha.3ds"));
}
void Aineisto_Piha_3ds_Lataa3DS(benchmark::State& s) {
    Malli3DS(s, Aineistossa("3D Mallit/Piha.3ds"));
}

} // namespace

BENCHMARK(Aineisto_Piha_tga_Tavut)->Unit(benchmark::kMicrosecond);
BENCHMARK(Aineisto_Piha_tga_LataaTGA)->Unit(benchmark::kMicrosecond);
BENCHMARK(Aineisto_Fontti_tga_Tavut)->Unit(benchmark::kMicrosecond);
BENCHMARK(Aineisto_Fontti_tga_LataaTGA)->Unit(benchmark::kMicrosecond);
BENCHMARK(Aineisto_Piha_3ds_Tavut)->Unit(benchmark::kMicrosecond);
BENCHMARK(Aineisto_Piha_3ds_Lataa3DS)->Unit(benchmark::kMicrosecond);
BENCHMARK(TGA_Raaka_Tavut)->Unit(benchmark::kMillisecond);
BENCHMARK(TGA_Raaka_LataaTGA)->Unit(benchmark::kMillisecond);
BENCHMARK(TGA_RLE_Tavut)->Unit(benchmark::kMillisecond);
BENCHMARK(TGA_RLE_LataaTGA)->Unit(benchmark::kMillisecond);
BENCHMARK(Malli_3DS_Tavut)->Unit(benchmark::kMillisecond);
BENCHMARK(Malli_3DS_Lataa3DS)->Unit(benchmark::kMillisecond);
