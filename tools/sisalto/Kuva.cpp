#include "Kuva.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

VARI4 Sekoita(VARI4 a, VARI4 b, float t) {
    return VARI4{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                 a.a + (b.a - a.a) * t};
}

VARI4 Kirkkaus(VARI4 v, float k) {
    return VARI4{v.r * k, v.g * k, v.b * k, v.a};
}

VARI4 Rgb(int r, int g, int b, float a) {
    return VARI4{r / 255.0f, g / 255.0f, b / 255.0f, a};
}

KUVA_RGBA::KUVA_RGBA(int leveys, int korkeus, VARI4 tausta)
    : Leveys(leveys), Korkeus(korkeus), Pikselit((size_t)leveys * (size_t)korkeus, tausta) {}

void KUVA_RGBA::Peita(int x, int y, VARI4 c, float peitto) {
    if (x < 0 || y < 0 || x >= Leveys || y >= Korkeus || peitto <= 0) return;
    VARI4& d = P(x, y);
    float a = c.a * (peitto > 1 ? 1 : peitto);
    float ulos = a + d.a * (1 - a);
    if (ulos <= 0) return;
    d.r = (c.r * a + d.r * d.a * (1 - a)) / ulos;
    d.g = (c.g * a + d.g * d.a * (1 - a)) / ulos;
    d.b = (c.b * a + d.b * d.a * (1 - a)) / ulos;
    d.a = ulos;
}

void KUVA_RGBA::Suorakulmio(int x0, int y0, int x1, int y1, VARI4 c) {
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (x >= 0 && y >= 0 && x < Leveys && y < Korkeus) P(x, y) = c;
}

void KUVA_RGBA::Liita(const KUVA_RGBA& lahde, int x, int y, float k) {
    for (int j = 0; j < lahde.Korkeus; j++)
        for (int i = 0; i < lahde.Leveys; i++) {
            int tx = x + i, ty = y + j;
            if (tx < 0 || ty < 0 || tx >= Leveys || ty >= Korkeus) continue;
            P(tx, ty) = Kirkkaus(lahde.P(i, j), k);
        }
}

uint32_t Hajauta(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

static float Hila(int x, int y, uint32_t siemen, int jakso) {
    if (jakso > 0) {
        x = ((x % jakso) + jakso) % jakso;
        y = ((y % jakso) + jakso) % jakso;
    }
    uint32_t h = Hajauta((uint32_t)x * 73856093U ^ Hajauta((uint32_t)y * 19349663U ^ siemen));
    return (float)(h & 0xFFFFFF) / (float)0xFFFFFF;
}

float Kohina(float x, float y, uint32_t siemen, int jakso) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = (int)fx, iy = (int)fy;
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = Hila(ix, iy, siemen, jakso), b = Hila(ix + 1, iy, siemen, jakso);
    float c = Hila(ix, iy + 1, siemen, jakso), d = Hila(ix + 1, iy + 1, siemen, jakso);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float Fbm(float x, float y, uint32_t siemen, int oktaavit, int jakso) {
    float summa = 0, paino = 0.5f, yhteensa = 0;
    for (int o = 0; o < oktaavit; o++) {
        summa += paino * Kohina(x, y, siemen + (uint32_t)o * 1013U, jakso);
        yhteensa += paino;
        x *= 2;
        y *= 2;
        jakso *= 2;
        paino *= 0.5f;
    }
    return summa / yhteensa;
}

static bool Sisalla(const std::vector<float>& xy, float px, float py) {
    bool sisalla = false;
    size_t n = xy.size() / 2;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            sisalla = !sisalla;
    }
    return sisalla;
}

float Peitto(const std::vector<float>& xy, int x, int y) {
    int osumat = 0;
    for (int j = 0; j < 4; j++)
        for (int i = 0; i < 4; i++)
            if (Sisalla(xy, x + (i + 0.5f) / 4.0f, y + (j + 0.5f) / 4.0f)) osumat++;
    return osumat / 16.0f;
}

static uint8_t Tavuksi(float v) {
    if (!(v > 0)) return 0;
    if (v >= 1) return 255;
    return (uint8_t)(v * 255.0f + 0.5f);
}

bool TallennaTGA(const std::string& polku, const KUVA_RGBA& kuva, bool alfa) {
    const int b = alfa ? 4 : 3;
    std::vector<uint8_t> data;
    uint8_t otsake[18] = {0};
    otsake[2] = 10; // run-length encoded true colour
    otsake[12] = (uint8_t)(kuva.Leveys & 0xFF);
    otsake[13] = (uint8_t)(kuva.Leveys >> 8);
    otsake[14] = (uint8_t)(kuva.Korkeus & 0xFF);
    otsake[15] = (uint8_t)(kuva.Korkeus >> 8);
    otsake[16] = (uint8_t)(8 * b);
    otsake[17] = alfa ? 8 : 0; // alpha bits; origin bottom-left
    data.insert(data.end(), otsake, otsake + 18);

    // Bottom row first: the reader keeps file order and the first row is t = 0.
    std::vector<uint8_t> rivi((size_t)kuva.Leveys * b);
    for (int y = kuva.Korkeus - 1; y >= 0; y--) {
        for (int x = 0; x < kuva.Leveys; x++) {
            const VARI4& p = kuva.P(x, y);
            uint8_t* d = &rivi[(size_t)x * b];
            d[0] = Tavuksi(p.b);
            d[1] = Tavuksi(p.g);
            d[2] = Tavuksi(p.r);
            if (alfa) d[3] = Tavuksi(p.a);
        }
        // Packets stay within a row, as the format asks.
        int x = 0;
        while (x < kuva.Leveys) {
            int toisto = 1;
            while (x + toisto < kuva.Leveys && toisto < 128 &&
                   std::equal(&rivi[(size_t)x * b], &rivi[(size_t)x * b + b],
                              &rivi[(size_t)(x + toisto) * b]))
                toisto++;
            if (toisto >= 2) {
                data.push_back((uint8_t)(127 + toisto));
                data.insert(data.end(), &rivi[(size_t)x * b], &rivi[(size_t)x * b + b]);
                x += toisto;
                continue;
            }
            int alku = x, n = 0;
            while (x < kuva.Leveys && n < 128) {
                if (x + 1 < kuva.Leveys &&
                    std::equal(&rivi[(size_t)x * b], &rivi[(size_t)x * b + b],
                               &rivi[(size_t)(x + 1) * b]))
                    break;
                x++;
                n++;
            }
            data.push_back((uint8_t)(n - 1));
            data.insert(data.end(), &rivi[(size_t)alku * b], &rivi[(size_t)(alku + n) * b]);
        }
    }
    FILE* f = fopen(polku.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(data.data(), 1, data.size(), f) == data.size();
    return fclose(f) == 0 && ok;
}
