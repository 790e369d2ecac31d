// The game's icon for the desktop menu: a paper plane flying at a bubble on a
// tile of sky, drawn at every size of the icon theme (16 to 256 pixels) from the
// same shapes, with lines at least a pixel wide so that the small ones still read
// as a plane and a bubble. Written as PNG (zlib), the same bytes on every run.
#include "Sisalto.h"

#include <cmath>
#include <cstdio>
#include <zlib.h>

namespace {

struct PISTE {
    double x, y; // the icon's unit square, y down
};

// Straight-alpha colour.
struct RGBA {
    double r, g, b, a;
};

RGBA Vari(int r, int g, int b, double a = 1.0) {
    return RGBA{r / 255.0, g / 255.0, b / 255.0, a};
}

// Source over, straight alpha.
RGBA Paalle(RGBA alla, RGBA c) {
    double a = c.a + alla.a * (1 - c.a);
    if (a <= 0) return RGBA{0, 0, 0, 0};
    return RGBA{(c.r * c.a + alla.r * alla.a * (1 - c.a)) / a,
                (c.g * c.a + alla.g * alla.a * (1 - c.a)) / a,
                (c.b * c.a + alla.b * alla.a * (1 - c.a)) / a, a};
}

bool Sisalla(const PISTE* p, int n, PISTE q) {
    bool sisalla = false;
    for (int i = 0, j = n - 1; i < n; j = i++)
        if ((p[i].y > q.y) != (p[j].y > q.y) &&
            q.x < (p[j].x - p[i].x) * (q.y - p[i].y) / (p[j].y - p[i].y) + p[i].x)
            sisalla = !sisalla;
    return sisalla;
}

double JananEtaisyys(PISTE a, PISTE b, PISTE q) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((q.x - a.x) * dx + (q.y - a.y) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(q.x - (a.x + t * dx), q.y - (a.y + t * dy));
}

double ReunanEtaisyys(const PISTE* p, int n, PISTE q) {
    double d = 1e9;
    for (int i = 0, j = n - 1; i < n; j = i++) d = std::fmin(d, JananEtaisyys(p[j], p[i], q));
    return d;
}

// The plane, drawn nose +x with its tail at x = 0, its wings folded down from
// the spine: the nose, the tip of the near wing, the notch of the tail between
// the wings, the tip of the far wing; then turned to fly up and to the right, at
// the bubble.
PISTE Paikalleen(double x, double y) {
    const double kulma = -0.50, pituus = 0.56; // radians, icon widths
    double c = std::cos(kulma), s = std::sin(kulma);
    return PISTE{0.20 + pituus * (x * c - y * s), 0.77 + pituus * (x * s + y * c)};
}
const PISTE NOKKA = Paikalleen(1.0, 0.0), LAHI = Paikalleen(0.0, -0.36),
            LOVI = Paikalleen(0.26, 0.03), KAUKO = Paikalleen(0.06, 0.30);
const PISTE LAHISIIPI[3] = {NOKKA, LAHI, LOVI};
const PISTE KAUKOSIIPI[3] = {NOKKA, LOVI, KAUKO};
const PISTE ULKOREUNA[4] = {NOKKA, LAHI, LOVI, KAUKO};
const PISTE KUPLA{0.70, 0.30};
const double KUPLAN_SADE = 0.23;

// The colour of the icon at point q, for an icon of `koko` pixels.
RGBA Kohta(PISTE q, int koko) {
    // Lines at least one pixel wide, and a little wider on the large icons.
    const double viiva = std::fmax(1.0, 0.025 * koko) / koko;
    RGBA c{0, 0, 0, 0};

    // The tile: a rounded square of sky, lighter at the top, with a darker edge.
    const double reuna = 0.5 / koko, kulma = 0.2;
    double kx = std::fmax(std::fabs(q.x - 0.5) - (0.5 - reuna - kulma), 0.0);
    double ky = std::fmax(std::fabs(q.y - 0.5) - (0.5 - reuna - kulma), 0.0);
    double laatasta = std::hypot(kx, ky) - kulma; // < 0 inside the tile
    if (laatasta > 0) return c;
    c = Paalle(c, Vari((int)(112 - 70 * q.y), (int)(200 - 70 * q.y), 255));
    if (laatasta > -viiva) c = Paalle(c, Vari(24, 78, 150));

    // The bubble: translucent green with a darker rim and a highlight.
    double kuplasta = std::hypot(q.x - KUPLA.x, q.y - KUPLA.y);
    if (kuplasta <= KUPLAN_SADE) {
        c = Paalle(c, Vari(190, 255, 200, 0.55));
        if (kuplasta > KUPLAN_SADE - viiva) c = Paalle(c, Vari(20, 120, 60));
        double valosta =
            std::hypot(q.x - (KUPLA.x - 0.35 * KUPLAN_SADE), q.y - (KUPLA.y - 0.35 * KUPLAN_SADE));
        if (valosta < 0.3 * KUPLAN_SADE) c = Paalle(c, Vari(255, 255, 255, 0.95));
    }

    // The plane: white paper, the far wing in its shade, a dark edge round it
    // (outside, so that the small icons keep their white) and the fold of the
    // spine on the larger ones.
    bool koneessa = Sisalla(ULKOREUNA, 4, q);
    if (Sisalla(LAHISIIPI, 3, q)) c = Paalle(c, Vari(255, 255, 255));
    if (Sisalla(KAUKOSIIPI, 3, q)) c = Paalle(c, Vari(178, 196, 220));
    if (!koneessa && ReunanEtaisyys(ULKOREUNA, 4, q) < viiva) c = Paalle(c, Vari(18, 46, 82));
    if (koko >= 32 && koneessa && JananEtaisyys(NOKKA, LOVI, q) < 0.35 * viiva)
        c = Paalle(c, Vari(90, 112, 140));
    return c;
}

uint8_t Tavuksi(double v) {
    if (!(v > 0)) return 0;
    if (v >= 1) return 255;
    return (uint8_t)(v * 255.0 + 0.5);
}

// RGBA rows, top row first, each pixel the mean of 8 x 8 samples.
std::vector<uint8_t> Piirra(int koko) {
    const int N = 8;
    std::vector<uint8_t> kuva((size_t)koko * koko * 4);
    for (int y = 0; y < koko; y++)
        for (int x = 0; x < koko; x++) {
            double r = 0, g = 0, b = 0, a = 0; // premultiplied sums
            for (int j = 0; j < N; j++)
                for (int i = 0; i < N; i++) {
                    PISTE q{(x + (i + 0.5) / N) / koko, (y + (j + 0.5) / N) / koko};
                    RGBA c = Kohta(q, koko);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            uint8_t* p = &kuva[((size_t)y * koko + x) * 4];
            p[0] = a > 0 ? Tavuksi(r / a) : 0;
            p[1] = a > 0 ? Tavuksi(g / a) : 0;
            p[2] = a > 0 ? Tavuksi(b / a) : 0;
            p[3] = Tavuksi(a / (N * N));
        }
    return kuva;
}

void Lisaa32(std::string& s, uint32_t v) {
    for (int i = 3; i >= 0; i--) s += (char)((v >> (8 * i)) & 0xFF);
}

void Lohko(std::string& png, const char* tyyppi, const std::string& data) {
    Lisaa32(png, (uint32_t)data.size());
    std::string osa = std::string(tyyppi, 4) + data;
    png += osa;
    Lisaa32(png, (uint32_t)crc32(0, (const Bytef*)osa.data(), (uInt)osa.size()));
}

// An 8-bit RGBA PNG, no filtering, compressed at zlib's highest level.
bool TeePNG(int koko, const std::vector<uint8_t>& kuva, std::string& png) {
    std::string rivit;
    for (int y = 0; y < koko; y++) {
        rivit += '\0';
        rivit.append((const char*)&kuva[(size_t)y * koko * 4], (size_t)koko * 4);
    }
    uLongf n = compressBound((uLong)rivit.size());
    std::string pakattu(n, '\0');
    if (compress2((Bytef*)&pakattu[0], &n, (const Bytef*)rivit.data(), (uLong)rivit.size(), 9) !=
        Z_OK)
        return false;
    pakattu.resize(n);
    std::string otsake;
    Lisaa32(otsake, (uint32_t)koko);
    Lisaa32(otsake, (uint32_t)koko);
    otsake +=
        std::string("\x08\x06\x00\x00\x00", 5); // 8 bits, RGBA, deflate, no filter, no interlace
    png = "\x89PNG\r\n\x1a\n";
    Lohko(png, "IHDR", otsake);
    Lohko(png, "IDAT", pakattu);
    Lohko(png, "IEND", "");
    return true;
}

} // namespace

bool TeeKuvakkeet(KOHDE& k) {
    bool ok = true;
    for (int koko : {16, 32, 48, 64, 128, 256}) {
        std::string polku = std::to_string(koko) + "x" + std::to_string(koko) + "/apps/tavio.png";
        std::string png;
        if (!TeePNG(koko, Piirra(koko), png)) {
            fprintf(stderr, "sisalto: cannot compress %s\n", polku.c_str());
            ok = false;
            continue;
        }
        ok = KirjoitaTiedosto(k, polku, png) && ok;
    }
    return ok;
}
