// What the bundles and the other savings of the 3D pass change on screen: every
// scene's frame queued once and drawn twice, as the renderer drew it before them
// (GRAFIIKKA::KaikkiErikseen) and as it draws it now, read back and compared.
#include "Kehys.h"

#include <GL/glew.h>
#include <cstdlib>
#include <string>

namespace {

typedef std::vector<unsigned char> KUVA_RGB; // bottom row first, three bytes a pixel

KUVA_RGB Esitetty(int w, int h) {
    KUVA_RGB p((size_t)w * (size_t)h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    return p;
}

// A PPM (top row first), made a PNG by ImageMagick when it is there.
void Tallenna(const std::string& polku, const KUVA_RGB& p, int w, int h) {
    const std::string ppm = polku + ".ppm";
    FILE* f = fopen(ppm.c_str(), "wb");
    if (!f) return;
    fprintf(f, "P6\n%d %d\n255\n", w, h);
    for (int y = h - 1; y >= 0; y--) fwrite(p.data() + (size_t)y * w * 3, 1, (size_t)w * 3, f);
    fclose(f);
    const std::string komento = "convert '" + ppm + "' '" + polku + ".png' 2>/dev/null";
    if (system(komento.c_str()) == 0) remove(ppm.c_str());
}

struct ERO {
    long pikseleita = 0; // pixels with any channel different
    int suurin = 0;      // the largest difference of a channel, 0..255
    KUVA_RGB kartta;     // the new picture darkened, the differing pixels in magenta
};

ERO Vertaa(const KUVA_RGB& a, const KUVA_RGB& b) {
    ERO e;
    e.kartta.resize(b.size());
    for (size_t i = 0; i + 2 < a.size() && i + 2 < b.size(); i += 3) {
        int d = 0;
        for (int c = 0; c < 3; c++) d = std::max(d, std::abs((int)a[i + c] - (int)b[i + c]));
        e.suurin = std::max(e.suurin, d);
        e.pikseleita += d > 0;
        for (int c = 0; c < 3; c++)
            e.kartta[i + c] = d > 0 ? (c == 1 ? 0 : 255) : (unsigned char)(b[i + c] / 3);
    }
    return e;
}

} // namespace

void Vertailu(MITTARI& m, const char* kansio, const char* vainSkene, TULOKSET& tulokset) {
    GRAFIIKKA& g = m.p.g;
    const int w = g.IkkunanLeveys, h = g.IkkunanKorkeus;
    printf("\nThe same frame drawn as before the bundles and as now (%d x %d, pictures in %s)\n", w,
           h, kansio);
    printf("  %-30s %12s %16s\n", "scene", "pixels differ", "largest difference");
    for (int s = 0; s < SKENEJA; s++) {
        if (s == TYHJA || (vainSkene && strcmp(vainSkene, SKENEN_NIMI[s]) != 0)) continue;
        m.Aseta(s);
        for (int i = 0; i < 20; i++) m.Frame(s, nullptr); // the scene settles
        if (s == SURVIVOR200 || s == SURVIVOR1000 || s == KISA || s == KISA_HAAMU)
            m.p.PidaLento(m.Kuplia(s));
        if (s != TYHJA) m.p.Kehys();
        // The frame's queues, drawn once each way.
        const std::vector<OBJEKTI*> objektit(g.Objektit, g.Objektit + g.ObjektienMaara);
        const std::vector<KUVA> kuvat(g.Kuvat, g.Kuvat + g.KuvienMaara);
        KUVA_RGB kuva[2];
        for (int tapa = 0; tapa < 2; tapa++) {
            std::copy(objektit.begin(), objektit.end(), g.Objektit);
            g.ObjektienMaara = (Uint32)objektit.size();
            std::copy(kuvat.begin(), kuvat.end(), g.Kuvat);
            g.KuvienMaara = (Uint32)kuvat.size();
            g.KaikkiErikseen = tapa == 0;
            g.Paivita(nullptr, m.p.h.AnnaX(), m.p.h.AnnaY(), 0);
            kuva[tapa] = Esitetty(w, h);
        }
        g.KaikkiErikseen = false;
        const ERO e = Vertaa(kuva[0], kuva[1]);
        printf("  %-30s %12ld %16d\n", SKENEN_SELITYS[s], e.pikseleita, e.suurin);
        const std::string polku = std::string(kansio) + "/" + SKENEN_NIMI[s];
        Tallenna(polku + ".ennen", kuva[0], w, h);
        Tallenna(polku + ".nyt", kuva[1], w, h);
        Tallenna(polku + ".erot", e.kartta, w, h);
        tulokset.Kirjaa(std::string("vertailu.") + SKENEN_NIMI[s] + ".eroavia_pikseleita",
                        (double)e.pikseleita);
        tulokset.Kirjaa(std::string("vertailu.") + SKENEN_NIMI[s] + ".suurin_ero", e.suurin);
    }
}
