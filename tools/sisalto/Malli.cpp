#include "Malli.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <tuple>

V3 operator+(V3 a, V3 b) {
    return V3{a.x + b.x, a.y + b.y, a.z + b.z};
}
V3 operator-(V3 a, V3 b) {
    return V3{a.x - b.x, a.y - b.y, a.z - b.z};
}
V3 operator*(V3 a, double k) {
    return V3{a.x * k, a.y * k, a.z * k};
}
double Piste(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
V3 Risti(V3 a, V3 b) {
    return V3{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
V3 Yksikko(V3 a) {
    double l = std::sqrt(Piste(a, a));
    return l > 0 ? a * (1.0 / l) : a;
}

int Varjostus(V3 n) {
    // Sun high in the south-west, so the museum's front and the yard's south
    // faces are lit and the north faces fall in shade.
    const V3 aurinko = Yksikko(V3{-0.45, 0.8, -0.4});
    double k = 0.5 + 0.5 * Piste(Yksikko(n), aurinko);
    if (k < 0.5) k = 0.5;
    static const double tasot[4] = {1.0, 0.84, 0.68, 0.52};
    int paras = 0;
    for (int i = 1; i < 4; i++)
        if (std::fabs(tasot[i] - k) < std::fabs(tasot[paras] - k)) paras = i;
    return paras;
}

void MALLI::Kolmio(V3 a, UV ta, V3 b, UV tb, V3 c, UV tc) {
    Kulmat.push_back(KULMA{(float)a.x, (float)a.y, (float)a.z, (float)ta.u, (float)ta.v});
    Kulmat.push_back(KULMA{(float)b.x, (float)b.y, (float)b.z, (float)tb.u, (float)tb.v});
    Kulmat.push_back(KULMA{(float)c.x, (float)c.y, (float)c.z, (float)tc.u, (float)tc.v});
}

void MALLI::Nelio(V3 a, V3 b, V3 c, V3 d, const LAATTA& l) {
    Kolmio(a, l.Kohta(0, 0), b, l.Kohta(1, 0), c, l.Kohta(1, 1));
    Kolmio(a, l.Kohta(0, 0), c, l.Kohta(1, 1), d, l.Kohta(0, 1));
}

void MALLI::Nelio(V3 a, V3 b, V3 c, V3 d, const MATERIAALI& m) {
    V3 n = Risti(b - a, c - a);
    Nelio(a, b, c, d, m.Savy[Varjostus(n)]);
}

void MALLI::Kolmio(V3 a, V3 b, V3 c, const MATERIAALI& m) {
    const LAATTA& l = m.Savy[Varjostus(Risti(b - a, c - a))];
    Kolmio(a, l.Kohta(0, 0), b, l.Kohta(1, 0), c, l.Kohta(0.5, 1));
}

void MALLI::KaksiPuolta(V3 a, V3 b, V3 c, const MATERIAALI& m) {
    Kolmio(a, b, c, m);
    Kolmio(a, c, b, m);
}

void MALLI::Laatikko(V3 c, V3 h, const MATERIAALI& m, bool pohja) {
    V3 p[8];
    for (int i = 0; i < 8; i++)
        p[i] = V3{c.x + ((i & 1) ? h.x : -h.x), c.y + ((i & 2) ? h.y : -h.y),
                  c.z + ((i & 4) ? h.z : -h.z)};
    Nelio(p[4], p[5], p[7], p[6], m); // +z
    Nelio(p[1], p[0], p[2], p[3], m); // -z
    Nelio(p[5], p[1], p[3], p[7], m); // +x
    Nelio(p[0], p[4], p[6], p[2], m); // -x
    Nelio(p[6], p[7], p[3], p[2], m); // top
    if (pohja) Nelio(p[0], p[1], p[5], p[4], m);
}

void MALLI::Prisma(V3 pohja, double y1, double r0, double r1, int n, const MATERIAALI& m,
                   bool kansi, double kulma0) {
    const double pii = 3.14159265358979;
    for (int i = 0; i < n; i++) {
        double k0 = kulma0 + 2 * pii * i / n, k1 = kulma0 + 2 * pii * (i + 1) / n;
        V3 a{pohja.x + r0 * std::sin(k0), pohja.y, pohja.z + r0 * std::cos(k0)};
        V3 b{pohja.x + r0 * std::sin(k1), pohja.y, pohja.z + r0 * std::cos(k1)};
        V3 c{pohja.x + r1 * std::sin(k1), y1, pohja.z + r1 * std::cos(k1)};
        V3 d{pohja.x + r1 * std::sin(k0), y1, pohja.z + r1 * std::cos(k0)};
        // Growing angle runs counter-clockwise seen from outside.
        if (r1 > 0) {
            Nelio(a, b, c, d, m);
            if (kansi) {
                V3 keski{pohja.x, y1, pohja.z};
                Kolmio(keski, d, c, m);
            }
        } else {
            Kolmio(a, b, V3{pohja.x, y1, pohja.z}, m);
        }
    }
}

void MALLI::Pallo(V3 c, double r, double sy, const MATERIAALI& m, int tarkkuus, double vaihtelu,
                  unsigned siemen) {
    // Latitude rings with a jitter per vertex, for a hand-made look.
    const double pii = 3.14159265358979;
    int renkaat = tarkkuus, sektorit = tarkkuus * 2;
    std::vector<V3> p((size_t)(renkaat + 1) * (size_t)sektorit);
    for (int i = 0; i <= renkaat; i++)
        for (int j = 0; j < sektorit; j++) {
            double th = pii * i / renkaat, ph = 2 * pii * j / sektorit + (i % 2) * pii / sektorit;
            unsigned h = siemen * 2654435761u + (unsigned)(i * 131 + j * 7919);
            h ^= h >> 13;
            h *= 0x5bd1e995u;
            h ^= h >> 15;
            double rr = r * (1.0 + vaihtelu * (((h & 1023) / 1023.0) - 0.5) * 2);
            if (i == 0 || i == renkaat) rr = r;
            p[(size_t)i * sektorit + j] =
                V3{c.x + rr * std::sin(th) * std::sin(ph), c.y + rr * sy * std::cos(th),
                   c.z + rr * std::sin(th) * std::cos(ph)};
        }
    for (int i = 0; i < renkaat; i++)
        for (int j = 0; j < sektorit; j++) {
            int j1 = (j + 1) % sektorit;
            V3 a = p[(size_t)i * sektorit + j], b = p[(size_t)i * sektorit + j1];
            V3 c2 = p[(size_t)(i + 1) * sektorit + j], d = p[(size_t)(i + 1) * sektorit + j1];
            if (i > 0) Kolmio(a, c2, b, m);
            if (i < renkaat - 1) Kolmio(b, c2, d, m);
        }
}

void MALLI::Lisaa(const MALLI& toinen) {
    Kulmat.insert(Kulmat.end(), toinen.Kulmat.begin(), toinen.Kulmat.end());
}

namespace {

struct KIRJOITTAJA {
    std::vector<uint8_t> d;
    void U16(unsigned v) {
        d.push_back((uint8_t)(v & 0xFF));
        d.push_back((uint8_t)((v >> 8) & 0xFF));
    }
    void U32(uint32_t v) {
        for (int i = 0; i < 4; i++) d.push_back((uint8_t)((v >> (8 * i)) & 0xFF));
    }
    void F32(float f) {
        uint32_t v;
        memcpy(&v, &f, 4);
        U32(v);
    }
    size_t Alku(unsigned id) {
        size_t kohta = d.size();
        U16(id);
        U32(0);
        return kohta;
    }
    void Loppu(size_t kohta) {
        uint32_t pituus = (uint32_t)(d.size() - kohta);
        for (int i = 0; i < 4; i++) d[kohta + 2 + i] = (uint8_t)((pituus >> (8 * i)) & 0xFF);
    }
};

} // namespace

bool Tallenna3DS(const std::string& polku, const std::string& nimi, const MALLI& malli) {
    // Corners that share both position and mapping become one vertex.
    std::vector<MALLI::KULMA> verteksit;
    std::vector<unsigned> indeksit;
    std::map<std::tuple<float, float, float, float, float>, unsigned> nahdyt;
    for (const MALLI::KULMA& k : malli.Kulmat) {
        auto avain = std::make_tuple(k.x, k.y, k.z, k.u, k.v);
        auto it = nahdyt.find(avain);
        if (it == nahdyt.end()) {
            it = nahdyt.emplace(avain, (unsigned)verteksit.size()).first;
            verteksit.push_back(k);
        }
        indeksit.push_back(it->second);
    }
    if (verteksit.size() > 65535 || malli.Kolmioita() > 21845) return false;

    KIRJOITTAJA w;
    size_t paa = w.Alku(0x4D4D);
    size_t versio = w.Alku(0x0002);
    w.U32(3);
    w.Loppu(versio);
    size_t editori = w.Alku(0x3D3D);
    size_t objekti = w.Alku(0x4000);
    std::string lyhyt = nimi.substr(0, 19); // the reader takes at most 20 bytes with the NUL
    w.d.insert(w.d.end(), lyhyt.begin(), lyhyt.end());
    w.d.push_back(0);
    size_t verkko = w.Alku(0x4100);
    size_t vlista = w.Alku(0x4110);
    w.U16((unsigned)verteksit.size());
    for (const auto& v : verteksit) {
        w.F32(v.x);
        w.F32(v.y);
        w.F32(v.z);
    }
    w.Loppu(vlista);
    size_t kartta = w.Alku(0x4140);
    w.U16((unsigned)verteksit.size());
    for (const auto& v : verteksit) {
        w.F32(v.u);
        w.F32(v.v);
    }
    w.Loppu(kartta);
    size_t pinnat = w.Alku(0x4120);
    w.U16((unsigned)(indeksit.size() / 3));
    for (size_t i = 0; i < indeksit.size(); i += 3) {
        w.U16(indeksit[i]);
        w.U16(indeksit[i + 1]);
        w.U16(indeksit[i + 2]);
        w.U16(7); // edge flags, not read by the game
    }
    w.Loppu(pinnat);
    w.Loppu(verkko);
    w.Loppu(objekti);
    w.Loppu(editori);
    w.Loppu(paa);

    FILE* f = fopen(polku.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(w.d.data(), 1, w.d.size(), f) == w.d.size();
    return fclose(f) == 0 && ok;
}

void Sylinteri(MALLI& m, V3 p0, V3 p1, double r0, double r1, int n, const MATERIAALI& mat,
               bool kannet) {
    const double pii = 3.14159265358979;
    V3 akseli = Yksikko(p1 - p0);
    V3 apu = std::fabs(akseli.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
    V3 e1 = Yksikko(Risti(apu, akseli)), e2 = Risti(akseli, e1);
    for (int i = 0; i < n; i++) {
        double k0 = 2 * pii * i / n, k1 = 2 * pii * (i + 1) / n;
        V3 s0 = e1 * std::cos(k0) + e2 * std::sin(k0), s1 = e1 * std::cos(k1) + e2 * std::sin(k1);
        V3 a = p0 + s0 * r0, b = p0 + s1 * r0, c = p1 + s1 * r1, d = p1 + s0 * r1;
        // e1 x e2 = akseli, so growing angle turns counter-clockwise about the axis.
        m.Nelio(a, b, c, d, mat);
        if (kannet) {
            if (r1 > 0) m.Kolmio(p1, d, c, mat);
            if (r0 > 0) m.Kolmio(p0, b, a, mat);
        }
    }
}

LAATTA ATLAS::Paikka(int tx, int ty, int leveys, int korkeus) const {
    double W = Kuva.Leveys, H = Kuva.Korkeus;
    LAATTA l;
    l.u0 = (tx * Laatta + 0.5) / W;
    l.u1 = ((tx + leveys) * Laatta - 0.5) / W;
    // v = 0 is the bottom of the picture: row ty counts from the top.
    l.v1 = 1.0 - (ty * Laatta + 0.5) / H;
    l.v0 = 1.0 - ((ty + korkeus) * Laatta - 0.5) / H;
    return l;
}
