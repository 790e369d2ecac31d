// What the bundles and the other savings of the 3D pass change on screen: every
// scene's frame queued once and drawn twice, as the renderer drew it before them
// (GRAFIIKKA::KaikkiErikseen) and as it draws it now, read back and compared.
#include "Kehys.h"

#include <GL/glew.h>
#include <cstdlib>
#include <functional>
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

// The frame of scene `s` queued once (after `asetus` and frames that let it
// settle) and drawn both ways; the figures printed and recorded as `nimi`.
void VertaaSkene(MITTARI& m, int s, const std::string& nimi, const char* selitys,
                 const std::function<void()>& asetus, const char* kansio, TULOKSET& tulokset) {
    GRAFIIKKA& g = m.p.g;
    const int w = g.IkkunanLeveys, h = g.IkkunanKorkeus;
    m.Aseta(s);
    asetus();
    for (int i = 0; i < 20; i++) m.Frame(s, nullptr); // the scene settles
    if (s == SURVIVOR200 || s == SURVIVOR1000 || s == KISA || s == KISA_HAAMU)
        m.pidetty.Pida(m.p, m.Kuplia(s));
    m.p.Kehys();
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
        g.Paivita(m.p.h.AnnaX(), m.p.h.AnnaY(), 0);
        kuva[tapa] = Esitetty(w, h);
    }
    g.KaikkiErikseen = false;
    const ERO e = Vertaa(kuva[0], kuva[1]);
    printf("  %-40s %12ld %16d\n", selitys, e.pikseleita, e.suurin);
    const std::string polku = std::string(kansio) + "/" + nimi;
    Tallenna(polku + ".ennen", kuva[0], w, h);
    Tallenna(polku + ".nyt", kuva[1], w, h);
    Tallenna(polku + ".erot", e.kartta, w, h);
    // Before on the left, now on the right, for the eye.
    KUVA_RGB rinnakkain((size_t)2 * w * h * 3);
    for (int y = 0; y < h; y++)
        for (int puoli = 0; puoli < 2; puoli++)
            std::copy(kuva[puoli].begin() + (long)y * w * 3,
                      kuva[puoli].begin() + (long)(y + 1) * w * 3,
                      rinnakkain.begin() + ((long)y * 2 * w + (long)puoli * w) * 3);
    Tallenna(polku + ".rinnakkain", rinnakkain, 2 * w, h);
    tulokset.Kirjaa("vertailu." + nimi + ".eroavia_pikseleita", (double)e.pikseleita);
    tulokset.Kirjaa("vertailu." + nimi + ".suurin_ero", e.suurin);
}

} // namespace

void Vertailu(MITTARI& m, const char* kansio, const char* vainSkene, TULOKSET& tulokset) {
    const GRAFIIKKA& g = m.p.g;
    printf("\nThe same frame drawn as before the bundles and as now (%d x %d, pictures in %s)\n",
           g.IkkunanLeveys, g.IkkunanKorkeus, kansio);
    printf("  %-40s %12s %16s\n", "scene", "pixels differ", "largest difference");
    for (int s = 0; s < SKENEJA; s++) {
        if (s == TYHJA || (vainSkene && strcmp(vainSkene, SKENEN_NIMI[s]) != 0)) continue;
        VertaaSkene(
            m, s, SKENEN_NIMI[s], SKENEN_SELITYS[s], [] {}, kansio, tulokset);
    }
    if (vainSkene && strcmp(vainSkene, "puhaltaja") != 0) return;
    // A blower at work seen from close by, the thousand bubbles about: those it
    // has just blown within 50 units of the eye, the rest across the yard.
    VertaaSkene(
        m, SURVIVOR1000, "puhaltaja", "a blower close by, 1000 bubbles",
        [&] {
            PELI& p = m.p;
            const SIJAINTI b = p.lento->puhaltajat.objektit[0].Sijainti;
            SuuntaaKone(m.pidetty.kone, SIJAINTI{b.x + 6, b.y + 2, b.z - 6},
                        SIJAINTI{b.x, b.y + 1, b.z});
        },
        kansio, tulokset);
}
