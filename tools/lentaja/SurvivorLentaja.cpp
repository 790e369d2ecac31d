// The Survivor pilot: what a player sees of a frame, what it remembers, and how it
// steers through the wanted bubbles past the others.
#include "tools/lentaja/SurvivorLentaja.h"

#include <cmath>
#include <cstring>

namespace {

const double PII = 3.14159265358979;
const double ASTE = PII / 180;

double Rajaa(double v, double a, double b) {
    return v < a ? a : (v > b ? b : v);
}

double Vaaka(double x, double z) {
    return std::sqrt(x * x + z * z);
}

double Pituus(double x, double y, double z) {
    return std::sqrt(x * x + y * y + z * z);
}

VEKTORI Yksikko(VEKTORI v) {
    v.Versoriksi();
    return v;
}

SIJAINTI Ajassa(const SURVIVORLENTAJA::MUISTO& m, double askelia) {
    return SIJAINTI{m.paikka.x + m.nopeus.x * askelia, m.paikka.y + m.nopeus.y * askelia,
                    m.paikka.z + m.nopeus.z * askelia};
}

// ---- The course the pilot foresees ----
//
// Over the ground the plane goes where its nose points; the turn control it has
// left (massDistribution) plays out as it decays, 2.5 % an update, turning the nose
// (0.6 + 0.3 s) x the control's radians, as degrees, an update. The speed follows
// the path angle taken: gravity along the nose, drag.
enum { ENNUSTEEN_PITUUS = 360 };

struct KURSSI {
    double x, z;   // world units
    double suunta; // radians from +z toward +x
    double vauhti; // world units per update
    double kaanto; // the turn control, degrees
};

struct POLKU {
    int n = 0;
    double x[ENNUSTEEN_PITUUS], z[ENNUSTEEN_PITUUS];
};

// The course for `n` updates at path angle `nousu` (radians): position i is the
// plane after the (i + 1)th update from now. A pick tested at position
// `poimintaAika` speeds the plane up by `lisa` from the next position on.
void Ennusta(KURSSI k, double nousu, int n, POLKU& p, int poimintaAika = -1, double lisa = 0) {
    const double c = std::cos(nousu), sn = std::sin(nousu);
    p.n = n;
    // The heading as a unit vector over the ground, turned a small angle a step.
    double hx = std::sin(k.suunta), hz = std::cos(k.suunta);
    for (int i = 0; i < n; i++) {
        k.vauhti += -0.008829 * sn - 0.0025 * (k.vauhti * k.vauhti + 0.01);
        if (k.vauhti < 0) k.vauhti = 0;
        k.x += k.vauhti * c * hx;
        k.z += k.vauhti * c * hz;
        p.x[i] = k.x;
        p.z[i] = k.z;
        const double md = Rajaa(k.kaanto, -90, 90);
        const double d = -(0.6 + 0.3 * k.vauhti) * md * ASTE * ASTE / c;
        const double cd = 1 - d * d / 2, sd = d - d * d * d / 6;
        const double ux = hx * cd + hz * sd;
        hz = hz * cd - hx * sd;
        hx = ux;
        k.kaanto = md * 0.975;
        if (i == poimintaAika) k.vauhti += lisa; // the pick's boost
    }
}

// The box over the ground that the first `n` positions of a course lie in: what
// lies outside it, widened by what a bubble drifts meanwhile, never comes near.
struct LAATIKKO {
    double x0, x1, z0, z1;
    LAATIKKO(const POLKU& p, int n) : x0(p.x[0]), x1(p.x[0]), z0(p.z[0]), z1(p.z[0]) {
        for (int i = 1; i < n; i++) {
            x0 = p.x[i] < x0 ? p.x[i] : x0;
            x1 = p.x[i] > x1 ? p.x[i] : x1;
            z0 = p.z[i] < z0 ? p.z[i] : z0;
            z1 = p.z[i] > z1 ? p.z[i] : z1;
        }
    }
    bool Ulkona(const SIJAINTI& q, double reuna) const {
        return q.x < x0 - reuna || q.x > x1 + reuna || q.z < z0 - reuna || q.z > z1 + reuna;
    }
};

// Where a drifting thing is when the plane is at position i of a course: the
// pick-up test of the update after compares them, after one more drift.
SIJAINTI Kohdassa(const SIJAINTI& p, const VEKTORI& v, int i) {
    return SIJAINTI{p.x + v.x * (i + 2), p.y + v.y * (i + 2), p.z + v.z * (i + 2)};
}

// The closest the course comes to a drifting point over the ground, a little time
// counted against it (so that the sooner of two equal passes wins).
double Ohitus(const POLKU& p, const SIJAINTI& b, const VEKTORI& v, int& milloin) {
    double paras = 1e9;
    milloin = 0;
    for (int i = 0; i < p.n; i++) {
        SIJAINTI q = Kohdassa(b, v, i);
        double d = Vaaka(p.x[i] - q.x, p.z[i] - q.z) + 0.002 * i;
        if (d < paras) {
            paras = d;
            milloin = i;
        }
    }
    return paras;
}

// The height at position i when the plane goes from `y0` to `y1` by position `t1`.
double KorkeusPolulla(double y0, double y1, int t1, int i) {
    if (t1 <= 0 || i >= t1) return y1;
    return y0 + (y1 - y0) * (i + 1) / (t1 + 1);
}

// A bubble not to touch: where it is now, its drift per update, its reach. Every
// bubble but the target is one: one of another kind ends the flight, and one of the
// wanted kind, picked on the way, draws the wanted kind anew, after which the target
// just ahead is three times in four of another kind.
struct VAARA {
    SIJAINTI paikka;
    VEKTORI nopeus;
    double ulottuvuus;
    int tunnus;
};

// A course judged: how near it passes the target over the ground and when, at what
// height the target is then, and the least room left beyond any other bubble's reach
// on the way there or in the next two seconds (the height going straight from the
// plane's to the target's), and which bubble and when.
struct ARVIO {
    double ohitus = 1e9;
    int aika = 0;
    double korkeus = 0;
    double vara = 1e9;
    int vaara = -1, vaaranAika = -1;
};

ARVIO Arvioi(const POLKU& p, const SIJAINTI& b, const VEKTORI& v, double y0, const VAARA* vaarat,
             int vaaroja, int kohde) {
    ARVIO a;
    a.ohitus = Ohitus(p, b, v, a.aika);
    a.korkeus = b.y + v.y * (a.aika + 2);
    const int loppu = a.aika > 120 ? a.aika : (p.n < 120 ? p.n : 120);
    const LAATIKKO laatikko(p, loppu);
    for (int j = 0; j < vaaroja; j++) {
        const VAARA& w = vaarat[j];
        if (w.tunnus == kohde || laatikko.Ulkona(w.paikka, 6 + 0.05 * loppu)) continue;
        for (int i = 0; i < loppu; i++) {
            SIJAINTI q = Kohdassa(w.paikka, w.nopeus, i);
            double dx = p.x[i] - q.x, dz = p.z[i] - q.z;
            if (std::fabs(dx) > 6 || std::fabs(dz) > 6) continue;
            double y = KorkeusPolulla(y0, a.korkeus, a.aika, i);
            double d = Pituus(dx, y - q.y, dz) - w.ulottuvuus;
            if (d < a.vara) {
                a.vara = d;
                a.vaara = j;
                a.vaaranAika = i;
            }
        }
    }
    return a;
}

// Which bubbles come near the course over the ground, and when: the only places
// where the height flown matters.
struct LAHELLA {
    int i;        // position on the course
    double vaaka; // distance over the ground
    double y;     // the bubble's height then
    double ulottuvuus;
};

// The path angle (radians) to take: of the angles from `alin` up to `ylin`, the one
// nearest `kohteeseen` (the angle to the target) whose heights keep `valia` clear of
// every bubble near the course, and two units clear of the ground. The nose comes
// round to an angle at about a degree an update, after a few updates of delay, and
// past the target levels out.
double Korkeudet(const POLKU& p, const ARVIO& a, double kohteeseen, double alin, double ylin,
                 double valia, double y0, double nousu0, double vauhti, const VAARA* vaarat,
                 int vaaroja, int kohde) {
    enum { KATSE = 150 };
    const int loppu = p.n < KATSE ? p.n : KATSE;
    LAHELLA lahella[1024];
    int maara = 0;
    const LAATIKKO laatikko(p, loppu);
    for (int j = 0; j < vaaroja; j++) {
        const VAARA& w = vaarat[j];
        if (w.tunnus == kohde || laatikko.Ulkona(w.paikka, 4 + 0.05 * loppu)) continue;
        for (int i = 0; i < loppu && maara < 1024; i++) {
            SIJAINTI q = Kohdassa(w.paikka, w.nopeus, i);
            if (std::fabs(p.x[i] - q.x) > 4 || std::fabs(p.z[i] - q.z) > 4) continue;
            double d = Vaaka(p.x[i] - q.x, p.z[i] - q.z);
            if (d < w.ulottuvuus + 2) lahella[maara++] = LAHELLA{i, d, q.y, w.ulottuvuus};
        }
    }
    double paras = kohteeseen, parasArvo = 1e9;
    for (int c = -1; c <= 40; c++) {
        const double kulma = c < 0 ? kohteeseen : alin + c * 2.5 * ASTE;
        if (kulma > ylin) break;
        double y[KATSE];
        double g = nousu0, yy = y0, alinY = 1e9;
        for (int i = 0; i < loppu; i++) {
            // Past the target the plane levels out (it aims anew then).
            const double nyt = (kohde >= 0 && i > a.aika) ? 0 : kulma;
            if (i >= 4) g += Rajaa(nyt - g, -ASTE, ASTE);
            yy += vauhti * (g - g * g * g / 6); // sin, near enough within 40 degrees
            y[i] = yy;
            alinY = yy < alinY ? yy : alinY;
        }
        double vara = alinY - 2; // the ground, with two units to spare
        for (int k = 0; k < maara; k++) {
            const LAHELLA& l = lahella[k];
            const double d = Vaaka(l.vaaka, y[l.i] - l.y) - l.ulottuvuus;
            vara = d < vara ? d : vara;
        }
        const double arvo =
            vara >= valia ? std::fabs(kulma - kohteeseen) : 10 + (valia - vara) * 10;
        if (arvo < parasArvo) {
            parasArvo = arvo;
            paras = kulma;
        }
        if (parasArvo == 0) break; // the way to the target is clear
    }
    return paras;
}

} // namespace

bool NAKYMA::Nakee(const SIJAINTI& p, double matka) const {
    const double vx = p.x - silma.x, vy = p.y - silma.y, vz = p.z - silma.z;
    const double syva = vx * katse.x + vy * katse.y + vz * katse.z;
    if (syva <= 0.05 || vx * vx + vy * vy + vz * vz > matka * matka) return false;
    const VEKTORI oikea = Vektoritulo(katse, ylos);
    const double sivu = vx * oikea.x + vy * oikea.y + vz * oikea.z;
    const double pysty = vx * ylos.x + vy * ylos.y + vz * ylos.z;
    return std::fabs(pysty) <= syva * tanKorkeus && std::fabs(sivu) <= syva * tanLeveys;
}

void Katso(const GRAFIIKKA& g, const KUPLA& kuplat, const PUHALTAJAT& puhaltajat,
           const PAPERPLANE& kone, NAKYMA& n) {
    n.paikka = kone.body.Sijainti;
    n.asento = kone.body.Kiertomatriisi;
    n.haluttu = kuplat.wantedKind & 3;

    // The view of the renderer: 70 degrees high, as wide as the window is.
    const KAMERA& kamera = g.Katsoja;
    n.silma = SIJAINTI{kamera.Paikka.x, kamera.Paikka.y, kamera.Paikka.z};
    n.katse = Yksikko(VEKTORI{kamera.Kohde.x - kamera.Paikka.x, kamera.Kohde.y - kamera.Paikka.y,
                              kamera.Kohde.z - kamera.Paikka.z});
    n.ylos = Yksikko(Vektoritulo(Vektoritulo(n.katse, kamera.Ylos), n.katse));
    n.tanKorkeus = std::tan(35 * ASTE);
    n.tanLeveys =
        n.tanKorkeus * (g.IkkunanKorkeus > 0 ? (double)g.IkkunanLeveys / g.IkkunanKorkeus : 1.0);

    n.kuplia = n.puhaltajia = 0;
    for (Uint32 i = 0; i < g.ObjektienMaara; i++) {
        const OBJEKTI* o = g.Objektit[i];
        if (o >= kuplat.bubbles && o < kuplat.bubbles + KUPLIEN_MAARA) {
            if (!n.Nakee(o->Sijainti, KUPLAN_NAKOMATKA)) continue;
            int laji = -1;
            for (int k = 0; k < 4; k++)
                if (strcmp(o->MalliNimi, kuplat.templates[k].MalliNimi) == 0) laji = k;
            NAHTY& k = n.kuplat[n.kuplia++];
            k.tunnus = (int)(o - kuplat.bubbles);
            k.paikka = o->Sijainti;
            k.ulottuvuus = KUPLAN_ULOTTUMA * o->Skaalaus;
            k.laji = laji;
        } else if (o >= puhaltajat.objektit && o < puhaltajat.objektit + PUHALTAJIEN_MAARA) {
            if (!n.Nakee(o->Sijainti, PUHALTAJAN_NAKOMATKA)) continue;
            NAHTY& p = n.puhaltajat[n.puhaltajia++];
            p.tunnus = (int)(o - puhaltajat.objektit);
            p.paikka = o->Sijainti;
        }
    }
}

void SURVIVORLENTAJA::Aloita() {
    for (MUISTO& m : kuplat) m = MUISTO{};
    for (MUISTO& m : puhaltajat) m = MUISTO{};
    TuoreKone(oma);
    edellinen = oma.body.Sijainti;
    ruutu = 0;
    kohde = -1;
    ohitus = 1e9;
    ohitusAika = 0;
    viimeKlikkaus = -100;
}

namespace {

// The plane as the pilot sees it in a frame.
struct TILANNE {
    SIJAINTI s;    // position
    VEKTORI F, R;  // forward and right
    double vauhti; // world units per update (from the last two frames)
    double suunta; // heading, radians from +z toward +x
    double nousu;  // path angle, radians
    double kaanto; // the turn control the clicks have left, degrees
};

// The wanted bubble to go for: soon reached (distance, turn, climb), within what the
// speed can carry the plane up to, with no other bubble beside it. The target of the
// last frame stays unless another is clearly better, and stays whatever comes up
// when the plane is about to pass through it: turning away that late only grazes it.
int ValitseKohde(const SURVIVORLENTAJA& l, int haluttu, const TILANNE& t, const VAARA* vaarat,
                 int vaaroja) {
    const double kaantoNopeus = (0.6 + 0.3 * t.vauhti) * 90 * ASTE * ASTE; // radians an update
    const double sade = (t.vauhti + 0.05) / kaantoNopeus;
    // The height the plane could reach by trading all its speed (gravity 0.008829).
    const double energia = t.s.y + t.vauhti * t.vauhti / (2 * 0.008829);
    int kohde = l.kohde;
    if (kohde >= 0 && (!l.kuplat[kohde].kaytossa || l.kuplat[kohde].laji != haluttu)) kohde = -1;
    if (kohde >= 0 && l.ohitus < 0.8 && l.ohitusAika < 40) return kohde;
    double kohteenHinta = 1e9, parasHinta = 1e9;
    int paras = -1;
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        const SURVIVORLENTAJA::MUISTO& m = l.kuplat[i];
        if (!m.kaytossa || m.laji != haluttu) continue;
        const SIJAINTI p = Ajassa(m, l.ruutu - m.nahty);
        if (p.y > energia - 0.6) continue;
        const double dx = p.x - t.s.x, dz = p.z - t.s.z, dh = Vaaka(dx, dz);
        const double kulma = std::fabs(std::remainder(std::atan2(dx, dz) - t.suunta, 2 * PII));
        double hinta = dh + sade * kulma + 3 * std::fabs(p.y - t.s.y);
        if (dh < 2 * sade * std::sin(kulma)) hinta += 2 * PII * sade; // within the turn: go round
        // Any other bubble beside it: one of another kind may be touched on the way
        // in, and after the pick any may be of another kind.
        bool ahdas = false;
        for (int j = 0; j < vaaroja && !ahdas; j++) {
            const SIJAINTI& q = vaarat[j].paikka;
            const double raja = vaarat[j].ulottuvuus + 1.5;
            if (std::fabs(q.x - p.x) > raja || std::fabs(q.z - p.z) > raja) continue;
            ahdas = vaarat[j].tunnus != i && Pituus(q.x - p.x, q.y - p.y, q.z - p.z) < raja;
        }
        if (ahdas) continue;
        if (i == kohde) kohteenHinta = hinta;
        if (hinta < parasHinta) {
            parasHinta = hinta;
            paras = i;
        }
    }
    if (kohteenHinta >= 1e9 || parasHinta < 0.7 * kohteenHinta - 5) return paras;
    return kohde;
}

// The mouse motion (screen units, down positive) that turns the nose towards the
// path angle `haluttu` (radians) at a rate the mouse can still stop in time, against
// the nose's sinking; `elevonit` is the pitch control the motion so far has left.
short Nokka(const TILANNE& t, double haluttu, double elevonit, int suurinLiike) {
    // The nose sinks about the world's x axis: pitch when flying along z.
    const double alas = std::acos(Rajaa(-t.F.y, -1, 1)) / ASTE; // from straight down
    const double painuma = 0.1 * alas / (1000 * t.vauhti + 2) * std::fabs(t.F.z) /
                           std::fmax(1e-6, Vaaka(t.F.x, t.F.z));
    // A frame's motion changes the pitch rate by at most about twice `kiihtyvyys`.
    const double teho = (0.15 * t.vauhti + 0.6) * ASTE; // degrees an update per control degree
    const double kiihtyvyys = 0.2 * suurinLiike * 0.5 * teho;
    const double virhe = (haluttu - t.nousu) / ASTE;
    double kaannos =
        std::fmin(0.15 * std::fabs(virhe), std::sqrt(2 * kiihtyvyys * std::fabs(virhe)));
    kaannos = std::copysign(std::fmin(kaannos, 2.0), virhe) + painuma;
    return (short)Rajaa(std::lround((kaannos / teho - elevonit) / 0.2), -suurinLiike, suurinLiike);
}

} // namespace

OHJAUS SURVIVORLENTAJA::Ohjaa(const NAKYMA& n) {
    ruutu++;
    const SIJAINTI& s = n.paikka;
    TILANNE t;
    t.s = s;
    t.F = n.asento.EteenV();
    t.R = n.asento.OikealleV();
    t.vauhti = Pituus(s.x - edellinen.x, s.y - edellinen.y, s.z - edellinen.z);
    t.suunta = std::atan2(t.F.x, t.F.z);
    t.nousu = std::asin(Rajaa(t.F.y, -1, 1));
    t.kaanto = oma.massDistribution;
    Muista(n);

    // Every bubble remembered, where it is by now: all but the target are to be missed.
    VAARA vaarat[KUPLIEN_MAARA];
    int vaaroja = 0;
    for (int i = 0; i < KUPLIEN_MAARA; i++) {
        const MUISTO& w = kuplat[i];
        if (w.kaytossa)
            vaarat[vaaroja++] = VAARA{Ajassa(w, ruutu - w.nahty), w.nopeus, w.ulottuvuus, i};
    }

    // The target, and where it drifts; with none, the nearest blower remembered (where
    // bubbles appear), or the middle of the yard where the blowers set out from.
    kohde = ValitseKohde(*this, n.haluttu, t, vaarat, vaaroja);
    SIJAINTI tavoite{0, 10, 0};
    VEKTORI ajo{0, 0, 0};
    if (kohde >= 0) {
        tavoite = Ajassa(kuplat[kohde], ruutu - kuplat[kohde].nahty);
        ajo = kuplat[kohde].nopeus;
    } else {
        double lahin = 1e9;
        for (const MUISTO& m : puhaltajat) {
            if (!m.kaytossa) continue;
            SIJAINTI p = Ajassa(m, ruutu - m.nahty);
            if (Vaaka(p.x - s.x, p.z - s.z) < lahin) {
                lahin = Vaaka(p.x - s.x, p.z - s.z);
                tavoite = SIJAINTI{p.x, 10, p.z};
            }
        }
    }

    // ---- Turning: a click or none, whichever course passes the target nearest ----
    // Room kept beyond a bubble's reach: the faster, the more the foresight errs. A
    // course that comes nearer any other bubble loses to every one that does not.
    const double valia = 0.6 + 0.5 * t.vauhti;
    // A course that picks the target goes on faster after it, by the boost of a pick
    // (more the lower it is picked).
    auto Lenna = [&](double kaanto, POLKU& p) {
        const KURSSI k{s.x, s.z, t.suunta, t.vauhti, kaanto};
        Ennusta(k, t.nousu, ENNUSTEEN_PITUUS, p);
        ARVIO a = Arvioi(p, tavoite, ajo, s.y, vaarat, vaaroja, kohde);
        if (kohde < 0 || a.ohitus > 1.5) return a;
        Ennusta(k, t.nousu, ENNUSTEEN_PITUUS, p, a.aika, (130 - a.korkeus) * 0.0025 + 0.06);
        return Arvioi(p, tavoite, ajo, s.y, vaarat, vaaroja, kohde);
    };
    auto Arvo = [&](const ARVIO& a) {
        return a.ohitus + (a.vara < valia ? 1e7 - 1e6 * a.vara : 0);
    };
    OHJAUS o;
    POLKU polku;
    ARVIO arvio = Lenna(t.kaanto, polku);
    if (ruutu - viimeKlikkaus >= klikkausVali) {
        // Far off the nose (more than a click and a half still to turn after what the
        // clicks given will turn; a click turns about ten degrees) only a click that
        // way will do.
        const double tarve =
            -std::remainder(std::atan2(tavoite.x - s.x, tavoite.z - s.z) - t.suunta, 2 * PII);
        const double tulossa = (0.6 + 0.3 * t.vauhti) * t.kaanto * ASTE * ASTE / 0.025;
        const double klikki = (0.6 + 0.3 * t.vauhti) * 20 * ASTE * ASTE / 0.025;
        const bool kauas = std::fabs(tarve - tulossa) > 1.5 * klikki;
        double parasArvo = Arvo(arvio) + (kauas ? 1e6 : 0);
        int valinta = 0;
        for (int klikkaus : {-1, 1}) {
            POLKU p;
            ARVIO a = Lenna(t.kaanto + 20 * klikkaus, p);
            double arvo = Arvo(a) + 0.25; // a click must be worth it
            if (kauas && (klikkaus > 0) != (tarve > tulossa)) arvo += 1e6;
            if (arvo < parasArvo) {
                parasArvo = arvo;
                valinta = klikkaus;
                polku = p;
                arvio = a;
            }
        }
        o.vasen = valinta < 0;
        o.oikea = valinta > 0;
        if (valinta != 0) viimeKlikkaus = ruutu;
    }
    ohitus = kohde >= 0 ? arvio.ohitus : 1e9;
    ohitusAika = arvio.aika;

    // ---- Pitch: the path angle nearest the one to the target that clears every bubble ----
    const double matka = std::fmax(t.vauhti * (arvio.aika + 1) * std::cos(t.nousu),
                                   Vaaka(tavoite.x - s.x, tavoite.z - s.z));
    // Fast, the plane dives no steeper than it must; low, hardly at all. Slow, it
    // climbs less and at last dives for speed: it has no engine, and at rest it hangs.
    const double syoksy = std::fmin(Rajaa(35 - 50 * (t.vauhti - 0.6), 5, 35), 3 * (s.y - 3)) * ASTE;
    double nousu = Rajaa((t.vauhti - 0.15) / 0.2, 0, 1) * 35 * ASTE;
    if (t.vauhti < 0.15 && s.y > 4) nousu = -std::fmin(10 * ASTE, syoksy);
    const double kohteeseen = Rajaa(std::atan2(arvio.korkeus - s.y, matka + 1), -syoksy, nousu);
    const double kulma = Korkeudet(polku, arvio, kohteeseen, -syoksy, nousu, valia, s.y, t.nousu,
                                   t.vauhti, vaarat, vaaroja, kohde);
    o.dy = Nokka(t, kulma, -oma.elevonA - oma.elevonB, suurinLiike);

    // Wings level whenever they tilt.
    o.vali = std::fabs(std::asin(Rajaa(t.R.y, -1, 1))) > 1.0 * ASTE;

    // What these controls leave in the plane, for the next frame.
    oma.body.Sijainti = s;
    oma.body.Kiertomatriisi = n.asento;
    oma.velocity = VEKTORI{s.x - edellinen.x, s.y - edellinen.y, s.z - edellinen.z};
    oma.Ohjaa(o);
    MAAILMA maailma;
    maailma.Aseta(1.0);
    BONUS bonus;
    oma.PaivitaFysiikka(maailma, bonus);
    edellinen = s;
    return o;
}

void SURVIVORLENTAJA::Muista(const NAKYMA& n) {
    // What was seen, and how it drifts since it was seen before.
    for (int i = 0; i < n.kuplia; i++) {
        const NAHTY& k = n.kuplat[i];
        MUISTO& m = kuplat[k.tunnus];
        const int dt = ruutu - m.nahty;
        bool sama = false;
        if (m.kaytossa && m.laji == k.laji) {
            SIJAINTI e = Ajassa(m, dt);
            sama = Pituus(e.x - k.paikka.x, e.y - k.paikka.y, e.z - k.paikka.z) < 0.3 + 0.05 * dt;
        }
        if (sama && dt > 0)
            m.nopeus = VEKTORI{(k.paikka.x - m.paikka.x) / dt, (k.paikka.y - m.paikka.y) / dt,
                               (k.paikka.z - m.paikka.z) / dt};
        else if (!sama)
            m.nopeus = VEKTORI{0, 0.005, 0}; // a new bubble: it rises, by about this much
        m.kaytossa = true;
        m.laji = k.laji;
        m.paikka = k.paikka;
        m.ulottuvuus = k.ulottuvuus;
        m.nahty = ruutu;
    }
    // What should show by now and does not is gone (picked, popped or cleared); the
    // rest is forgotten after fifteen seconds.
    for (MUISTO& m : kuplat) {
        if (!m.kaytossa || m.nahty == ruutu) continue;
        if (ruutu - m.nahty > 900 || n.Nakee(Ajassa(m, ruutu - m.nahty), KUPLAN_NAKOMATKA * 0.9))
            m.kaytossa = false;
    }
    for (int i = 0; i < n.puhaltajia; i++) {
        const NAHTY& p = n.puhaltajat[i];
        MUISTO& m = puhaltajat[p.tunnus];
        const int dt = ruutu - m.nahty;
        if (m.kaytossa && dt > 0 && dt < 30)
            m.nopeus = VEKTORI{(p.paikka.x - m.paikka.x) / dt, 0, (p.paikka.z - m.paikka.z) / dt};
        else
            m.nopeus = VEKTORI{};
        m.kaytossa = true;
        m.paikka = p.paikka;
        m.nahty = ruutu;
    }
}

int OhjauksenTapahtumat(const OHJAUS& o, bool valiAlhaalla, SDL_Event ulos[4]) {
    int n = 0;
    if (o.vali != valiAlhaalla) {
        ulos[n] = SDL_Event{};
        ulos[n].type = o.vali ? SDL_KEYDOWN : SDL_KEYUP;
        ulos[n].key.keysym.sym = SDLK_SPACE;
        n++;
    }
    const Uint8 nappi = o.vasen ? SDL_BUTTON_LEFT : (o.oikea ? SDL_BUTTON_RIGHT : 0);
    if (nappi) {
        ulos[n] = SDL_Event{};
        ulos[n].type = SDL_MOUSEBUTTONDOWN;
        ulos[n].button.button = nappi;
        n++;
    }
    ulos[n] = SDL_Event{};
    ulos[n].type = SDL_MOUSEMOTION;
    ulos[n].motion.xrel = o.dx;
    ulos[n].motion.yrel = o.dy;
    n++;
    if (nappi) {
        ulos[n] = SDL_Event{};
        ulos[n].type = SDL_MOUSEBUTTONUP;
        ulos[n].button.button = nappi;
        n++;
    }
    return n;
}
