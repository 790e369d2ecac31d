// The font sheet: 16 x 16 cells of the Windows-1252 characters rendered from
// DejaVu Sans with FreeType, white with a soft dark edge so that text stays
// readable over the sky and the grass, and the four bubble kinds at 0xFC..0xFF.
#include "Sisalto.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>

namespace {

const int SIVU = 1024;      // sheet side, pixels: a cell is 64 screen units tall at size 1
const int SOLU = SIVU / 16; // cell side
const int REUNA = 1;        // room for the dark edge on each side of a glyph
const int EM = 50;          // pixel size of the em
// Drawn a little narrower than the font's own shape, so that the longest line
// of the read-me (83 characters at size 0.6) fits the 1280 units of the screen.
const double KAVENNUS = 0.92;
const int PERUSVIIVA = 15; // baseline, pixels above the cell's bottom

const char* FONTTITIEDOSTO = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// Unicode of a Windows-1252 byte; 0 where the code page has no character.
unsigned Unicode(int k) {
    static const unsigned ylaosa[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (k >= 0x80 && k < 0xA0) return ylaosa[k - 0x80];
    return (unsigned)k;
}

// Codes the text engine never produces (it turns those bytes into '?' or drops them).
bool EiMerkkia(int k) {
    return k < 0x20 || k == 0x7F || k == 0x80 || k == 0x81 || (k >= 0x8D && k <= 0x90) ||
           k == 0x9D || k == 0x9E || k == 0xA0 || k == 0xAF;
}

// A bubble as a glyph, as it looks in flight: a shaded ball with the pattern of
// its kind inside the bubbles' light rim, and a dark edge round it all so that it
// reads over the sky and the grass alike.
void PiirraKuplaMerkki(KUVA_RGBA& arkki, int cx0, int cy0, int n, int& leveys) {
    const double r =
        23.0; // a little taller than a capital letter, so that the HUD shows it plainly
    const double pallo = r - 4.0; // the ball inside the rim
    const double kx = REUNA + 2 + r, ky = SOLU - PERUSVIIVA - r + 1;
    leveys = (int)(2 * r) + 2 * REUNA + 5;
    for (int y = 0; y < SOLU; y++)
        for (int x = 0; x < leveys && x < SOLU; x++) {
            VARI4 summa{0, 0, 0, 0};
            for (int j = 0; j < 4; j++)
                for (int i = 0; i < 4; i++) {
                    double px = x + (i + 0.5) / 4 - kx, py = ky - (y + (j + 0.5) / 4);
                    double e = std::sqrt(px * px + py * py);
                    VARI4 c{0, 0, 0, 0};
                    if (e <= pallo) {
                        double nx = px / pallo, ny = py / pallo;
                        double nz = std::sqrt(std::fmax(0.0, 1 - nx * nx - ny * ny));
                        // Tip the ball toward the viewer so the pattern shows its shape.
                        double kulma = 0.45;
                        V3 d{nx, ny * std::cos(kulma) + nz * std::sin(kulma),
                             -ny * std::sin(kulma) + nz * std::cos(kulma)};
                        VARI4 p = KuplanPinta(n, d);
                        double valo = 0.72 + 0.38 * (nx * -0.4 + ny * 0.6 + nz * 0.7);
                        double kiilto =
                            std::pow(std::fmax(0.0, nx * -0.35 + ny * 0.5 + nz * 0.79), 40);
                        c = Kirkkaus(p, (float)valo);
                        c = Sekoita(c, VARI4{1, 1, 1, 1}, (float)std::fmin(1.0, kiilto));
                        c.a = 1;
                    } else if (e <= r - 1.0) {
                        c = KuplanReuna();
                        c.a = 1;
                    } else if (e <= r + 0.6) {
                        c = VARI4{0.05f, 0.05f, 0.08f, 0.9f};
                    } else if (e <= r + 2.0) {
                        c = VARI4{0, 0, 0, (float)(0.5 * (r + 2.0 - e) / 1.4)};
                    }
                    summa.r += c.r * c.a;
                    summa.g += c.g * c.a;
                    summa.b += c.b * c.a;
                    summa.a += c.a;
                }
            if (summa.a <= 0) continue;
            VARI4 p{summa.r / summa.a, summa.g / summa.a, summa.b / summa.a, summa.a / 16};
            arkki.P(cx0 + x, cy0 + y) = p;
        }
}

// A glyph's coverage in its cell (SOLU x SOLU, row 0 at the top), rendered with
// the narrowing `kapea` (a glyph too wide for a cell narrower still), and its
// width in the cell. False when the font has no such glyph.
bool Peitto(FT_Face kasvo, FT_Matrix kapea, unsigned u, std::vector<float>& peitto, int& leveys) {
    if (FT_Load_Char(kasvo, u, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) return false;
    FT_GlyphSlot g = kasvo->glyph;
    int eteneminen = (int)((g->advance.x + 32) >> 6);
    // Glyphs wider than a cell (the per mille sign) are drawn narrower.
    double puristus = 1.0;
    if (eteneminen + 2 * REUNA > SOLU - 2) {
        puristus = KAVENNUS * (SOLU - 2 - 2 * REUNA) / eteneminen;
        FT_Matrix m{(FT_Fixed)(puristus * 65536.0), 0, 0, 0x10000};
        FT_Set_Transform(kasvo, &m, nullptr);
        FT_Load_Char(kasvo, u, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT);
        FT_Set_Transform(kasvo, &kapea, nullptr);
        g = kasvo->glyph;
        eteneminen = (int)((g->advance.x + 32) >> 6);
    }
    int kyna = REUNA;
    if (g->bitmap_left + kyna < 1) kyna = 1 - g->bitmap_left; // a 'j' reaching left
    leveys = eteneminen + 2 * REUNA;
    if (leveys > SOLU) leveys = SOLU;

    peitto.assign((size_t)SOLU * SOLU, 0.0f);
    const FT_Bitmap& b = g->bitmap;
    for (unsigned j = 0; j < b.rows; j++)
        for (unsigned i = 0; i < b.width; i++) {
            int x = kyna + g->bitmap_left + (int)i;
            int y = SOLU - PERUSVIIVA - g->bitmap_top + (int)j;
            if (x < 0 || y < 1 || x >= leveys || y >= SOLU - 1) continue;
            peitto[(size_t)y * SOLU + x] = b.buffer[(size_t)j * (size_t)b.pitch + i] / 255.0f;
        }
    return true;
}

// The glyph's cell from its coverage: the fill white, and round it the edge.
void PiirraMerkki(KUVA_RGBA& arkki, int x0, int y0, const std::vector<float>& peitto, int leveys) {
    for (int y = 0; y < SOLU; y++)
        for (int x = 0; x < leveys; x++) {
            // The edge: the strongest coverage within a small disc, softened.
            float reuna = 0;
            for (int dy = -2; dy <= 2; dy++)
                for (int dx = -2; dx <= 2; dx++) {
                    int xx = x + dx, yy = y + dy;
                    if (xx < 0 || yy < 0 || xx >= SOLU || yy >= SOLU) continue;
                    float e = std::sqrt((float)(dx * dx + dy * dy));
                    float paino = e <= 1.5f ? 1.0f : (e <= 2.3f ? 0.55f : 0.0f);
                    float v = peitto[(size_t)yy * SOLU + xx] * paino;
                    if (v > reuna) reuna = v;
                }
            float p = peitto[(size_t)y * SOLU + x];
            float a = p + reuna * 0.75f * (1 - p);
            if (a <= 0) continue;
            // Fill white, edge near black: colour is the fill's share of the alpha.
            float valko = p / a;
            arkki.P(x0 + x, y0 + y) = VARI4{valko, valko, valko, a};
        }
}

} // namespace

bool TeeFontti(KOHDE& k) {
    FT_Library kirjasto;
    if (FT_Init_FreeType(&kirjasto)) return false;
    FT_Face kasvo;
    if (FT_New_Face(kirjasto, FONTTITIEDOSTO, 0, &kasvo)) {
        fprintf(stderr, "sisalto: cannot open %s\n", FONTTITIEDOSTO);
        FT_Done_FreeType(kirjasto);
        return false;
    }
    FT_Set_Pixel_Sizes(kasvo, 0, EM);
    FT_Matrix kapea{(FT_Fixed)(KAVENNUS * 65536.0), 0, 0, 0x10000};
    FT_Set_Transform(kasvo, &kapea, nullptr);

    KUVA_RGBA arkki(SIVU, SIVU, VARI4{0, 0, 0, 0});
    int leveydet[256] = {0};
    std::vector<float> peitto;
    for (int koodi = 0; koodi < 256; koodi++) {
        int c = koodi % 16, rivi = koodi / 16; // row 0 of the upright picture holds codes 0..15
        int x0 = c * SOLU, y0 = rivi * SOLU;
        // The last four codes are the bubble kinds 0..3, which the HUD asks for.
        if (koodi >= 256 - KUPLALAJEJA) {
            int n = KuplanNumero(koodi - (256 - KUPLALAJEJA));
            if (n) PiirraKuplaMerkki(arkki, x0, y0, n, leveydet[koodi]);
            continue;
        }
        unsigned u = EiMerkkia(koodi) ? (unsigned)'?' : Unicode(koodi);
        if (Peitto(kasvo, kapea, u, peitto, leveydet[koodi]))
            PiirraMerkki(arkki, x0, y0, peitto, leveydet[koodi]);
    }
    FT_Done_Face(kasvo);
    FT_Done_FreeType(kirjasto);

    std::string teksti = std::to_string(SIVU) + "\n";
    for (int i = 0; i < 256; i++) teksti += std::to_string(leveydet[i]) + "\n";
    return Tekstuuri(k, FONTIN_TEKSTUURI, arkki, true) &&
           KirjoitaTiedosto(k, Datassa(LEVEYSTIEDOSTO), teksti);
}

bool PiirraTeksti(KUVA_RGBA& kuva, int x, int perusviiva, const char* teksti, int koko,
                  double leveys, VARI4 vari) {
    FT_Library kirjasto;
    if (FT_Init_FreeType(&kirjasto)) return false;
    FT_Face kasvo;
    if (FT_New_Face(kirjasto, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", 0, &kasvo)) {
        FT_Done_FreeType(kirjasto);
        return false;
    }
    FT_Set_Pixel_Sizes(kasvo, 0, (FT_UInt)koko);
    FT_Matrix m{(FT_Fixed)(leveys * 65536.0), 0, 0, 0x10000};
    FT_Set_Transform(kasvo, &m, nullptr);
    int kyna = x;
    for (const char* p = teksti; *p; p++) {
        if (FT_Load_Char(kasvo, (unsigned char)*p, FT_LOAD_RENDER)) continue;
        FT_GlyphSlot g = kasvo->glyph;
        for (unsigned j = 0; j < g->bitmap.rows; j++)
            for (unsigned i = 0; i < g->bitmap.width; i++)
                kuva.Peita(kyna + g->bitmap_left + (int)i, perusviiva - g->bitmap_top + (int)j,
                           vari,
                           g->bitmap.buffer[(size_t)j * (size_t)g->bitmap.pitch + i] / 255.0f);
        kyna += (int)((g->advance.x + 32) >> 6);
    }
    FT_Done_Face(kasvo);
    FT_Done_FreeType(kirjasto);
    return true;
}

int TekstinLeveys(const char* teksti, int koko, double leveys) {
    FT_Library kirjasto;
    if (FT_Init_FreeType(&kirjasto)) return 0;
    FT_Face kasvo;
    if (FT_New_Face(kirjasto, "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", 0, &kasvo)) {
        FT_Done_FreeType(kirjasto);
        return 0;
    }
    FT_Set_Pixel_Sizes(kasvo, 0, (FT_UInt)koko);
    FT_Matrix m{(FT_Fixed)(leveys * 65536.0), 0, 0, 0x10000};
    FT_Set_Transform(kasvo, &m, nullptr);
    int kyna = 0;
    for (const char* p = teksti; *p; p++)
        if (!FT_Load_Char(kasvo, (unsigned char)*p, FT_LOAD_DEFAULT))
            kyna += (int)((kasvo->glyph->advance.x + 32) >> 6);
    FT_Done_Face(kasvo);
    FT_Done_FreeType(kirjasto);
    return kyna;
}
