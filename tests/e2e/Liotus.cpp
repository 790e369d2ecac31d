// A long session of the real game: scripted input through the menus and flights
// of every game type, with the game under AddressSanitizer and
// UndefinedBehaviorSanitizer (the test build) or under valgrind (a build
// without sanitizers). It must end with exit code 0, report no error and leak
// nothing of its own, keep its resident memory flat after warm-up, and have
// entered every flight into its game type's hall of fame exactly once.
//
// The environment sets the length and the tool:
//   TAVIO_LIOTUS_LENNOT=<n>     flights of each game type (default 1: ./test's short soak)
//   TAVIO_LIOTUS_VALGRIND=1     run the game under valgrind (memcheck)
//   TAVIO_LIOTUS_RAPORTTI=<file> append the totals to this file
// scripts/liotus.sh runs the long soaks.
#include "Ruudut.h"
#include "apu/TestiApu.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace {

double Sekunteja(std::chrono::steady_clock::time_point alku) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - alku).count();
}

struct NAYTE {
    int lento;      // flights finished when it was taken
    uint64_t kehys; // frames presented
    long kb;        // resident memory
};

struct LIOTUS {
    PELIAJO& p;
    std::mt19937 arpa{20240607u};
    int pelityyppi = 0; // what the options screen shows
    int lentoja = 0;
    int lennot[PELITYYPPEJA] = {};
    int palautuksia = 0; // times the script had to find its way back to the main menu
    int resoluutio = 1, kokoNaytto = 0;
    std::vector<NAYTE> naytteet;
    std::chrono::steady_clock::time_point edellinenNayte;

    explicit LIOTUS(PELIAJO& ajo) : p(ajo) {}

    int Arpa(int a, int b) { return std::uniform_int_distribution<int>(a, b)(arpa); }

    void Nayte() {
        if (!naytteet.empty() && Sekunteja(edellinenNayte) < 1.0) return;
        edellinenNayte = std::chrono::steady_clock::now();
        long kb = p.MuistiKb();
        if (kb > 0) naytteet.push_back({lentoja, p.Kehykset(), kb});
    }

    // A click that the game has seen once a few frames have been drawn after it.
    void Napsauta(const SUORAKULMIO& r, int nappi = 1) {
        p.KlikkaaKohtaa(r, nappi);
        p.OdotaKehyksia(3);
        Nayte();
    }

    bool Lentaa() { return p.LentoNakyy(); }

    bool Paavalikossa() {
        std::vector<unsigned char> kuva = p.Kuva();
        SUORAKULMIO otsikko = p.Paikka({{"- The Tavio -", 0}}, 0, 640, 1024, YLA_KESKI, 1.5);
        return p.KirkkaatPikselit(kuva, otsikko) > 50 &&
               p.KirkkaatPikselit(kuva, Valikko(p, TAKE_WING)) > 30 &&
               p.KirkkaatPikselit(kuva, Valikko(p, QUIT)) > 15 && !Lentaa();
    }

    // Back to the main menu from wherever the script lost its way: the ways out
    // of every screen, none of which does anything on the main menu.
    bool VarmistaPaavalikko() {
        for (int yritys = 0; yritys < 4; yritys++) {
            if (Paavalikossa()) return true;
            palautuksia++;
            p.Tallenna("liotus-eksyksissa-" + std::to_string(palautuksia));
            p.Paina("Escape");
            p.OdotaKehyksia(3);
            if (Lentaa()) {
                // Paused: Escape waits for the pause to be lifted.
                p.Paina("Pause");
                p.Paina("Escape");
                p.OdotaKehyksia(3);
            }
            p.Paina("space");
            p.OdotaKehyksia(3);
            Napsauta(TakaisinVasemmalla(p));
            Napsauta(Asetuskohta(p, pelityyppi, 2));
        }
        return Paavalikossa();
    }

    void AsetaPelityyppi(int tyyppi) {
        Napsauta(Valikko(p, OPTIONS));
        // A plane of its own for each round of the game types.
        if (tyyppi == 0) Napsauta(Asetuskohta(p, pelityyppi, 0));
        while (pelityyppi != tyyppi) {
            Napsauta(Asetuskohta(p, pelityyppi, 1));
            pelityyppi = (pelityyppi + 1) % PELITYYPPEJA;
        }
        Napsauta(Asetuskohta(p, pelityyppi, 2));
    }

    // Mouse steering, clicks that turn, levelling, cameras, pause and, in a race,
    // the Alt boost, for about `kehyksia` frames or until the flight ends. Only
    // inputs that do nothing on the screens after a flight: the right button
    // (the left one would choose items there), the middle button and keys.
    void Lenna(uint64_t kehyksia, bool kisa) {
        uint64_t loppu = p.Kehykset() + kehyksia;
        int askel = 0;
        while (p.Kehykset() < loppu && !p.Loppunut()) {
            p.Liiku(Arpa(-25, 25), Arpa(-20, 20));
            int r = Arpa(0, 999);
            if (r < 30) {
                p.Klikkaa(3);
            } else if (r < 60) {
                p.Nappain("space", true);
                p.OdotaKehyksia((uint64_t)Arpa(3, 15));
                p.Nappain("space", false);
                p.Kehyksittain();
            } else if (r < 75) {
                p.Klikkaa(2);
            } else if (r < 95 && kisa) {
                p.Nappain("Alt_L", true);
                p.Kehyksittain();
                p.Nappain("Alt_L", false);
                p.Kehyksittain();
            } else if (r < 105) {
                static const char* const KAMERAT[3] = {"F1", "F2", "F3"};
                p.Paina(KAMERAT[Arpa(0, 2)]);
            } else if (r < 110) {
                p.Paina("Pause");
                p.OdotaKehyksia((uint64_t)Arpa(5, 30));
                p.Paina("Pause");
            }
            p.OdotaKehyksia(1);
            Nayte();
            if (++askel % 25 == 0 && !Lentaa()) return; // ended by itself
        }
    }

    bool Lento(int tyyppi, uint64_t kehyksia) {
        if (pelityyppi != tyyppi) AsetaPelityyppi(tyyppi);
        Napsauta(Valikko(p, TAKE_WING));
        // The flight starts with a one-second hold in which nothing is drawn.
        p.OdotaKehyksia(2);
        if (lentoja == 0) p.Tallenna("liotus-lento");
        Lenna(kehyksia, tyyppi != 0);
        p.Paina("Escape");
        p.OdotaKehyksia(3);

        // A name now and then, cleared now and then.
        static const char KIRJAIMET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123";
        for (int i = Arpa(0, 3); i > 0; i--) Kirjoita(p, KIRJAIMET[Arpa(0, 55)]);
        if (Arpa(0, 9) == 0) Napsauta(p.Paikka(Ruudukko(), 16, 640, 512, KESKI, 0.6));
        if (Arpa(0, 1)) {
            Napsauta(Yhteenvetoon(p));
        } else {
            p.Paina("space");
            p.OdotaKehyksia(3);
        }
        Napsauta(TakaisinVasemmalla(p));
        lentoja++;
        lennot[tyyppi]++;
        return VarmistaPaavalikko();
    }

    void HuippuLista() {
        Napsauta(Valikko(p, HALL_OF_FAME));
        SUORAKULMIO sivu =
            p.Paikka({{"Game type: ", 0}, {PELITYYPIT[0], 0}}, 1, 0, 900, YLA_VASEN, 0.8);
        // The page name changes under the pointer; its first letters stay put.
        sivu.leveys = 40;
        for (int i = Arpa(1, 9); i > 0; i--) Napsauta(sivu, Arpa(0, 2) ? 1 : 3);
        Napsauta(TakaisinVasemmalla(p));
    }

    void LueTama() {
        Napsauta(Valikko(p, LUE_TAMA));
        p.Siirra(Arpa(-400, 400), 0); // the text scrolls with the pointer
        p.OdotaKehyksia(5);
        Napsauta(TakaisinVasemmalla(p));
    }

    void Video() {
        Napsauta(Valikko(p, VIDEO_SETUP));
        auto kohta = [&](size_t k) {
            std::vector<KAPPALE> t = {{RESOLUUTIOT[resoluutio].nimi, 0},
                                      {kokoNaytto ? " Full screen" : " Windowed", 0},
                                      {" Turbo mode off", 1},
                                      {"Back to main menu", 3}};
            return p.Paikka(t, k, 640, 512, KESKI, 0.75);
        };
        for (int i = Arpa(1, 3); i > 0; i--) {
            Napsauta(kohta(0));
            resoluutio = (resoluutio + 1) % 6;
        }
        if (Arpa(0, 1)) {
            Napsauta(kohta(1));
            kokoNaytto = !kokoNaytto;
        }
        // Turbo on and off again: what the window shows stays the same.
        Napsauta(kohta(2));
        Napsauta(kohta(2));
        Napsauta(kohta(3));
    }
};

std::string Aikaleima() {
    time_t nyt = time(nullptr);
    char t[32];
    strftime(t, sizeof t, "%Y-%m-%d %H:%M", gmtime(&nyt));
    return t;
}

} // namespace

TEST(Liotus, FlightsOfEveryGameTypeThroughTheMenus) {
    int lentoja = 1;
    if (const char* e = getenv("TAVIO_LIOTUS_LENNOT")) lentoja = std::max(1, atoi(e));
    const char* valgrind = getenv("TAVIO_LIOTUS_VALGRIND");
    const bool vg = valgrind && *valgrind && *valgrind != '0';

    PELIAJO p;
    ASSERT_TRUE(p.Valmistele());
    p.laskeKehykset = true;
    std::string vgLoki = p.kansio + "/valgrind.log";
    if (vg) {
        // The smallest window: valgrind runs the software renderer too.
        KirjoitaTiedosto(p.kansio + "/Tiedostot/Muu Data/Setup.sav",
                         std::vector<Uint8>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0});
        p.kaare = {"valgrind",
                   "--tool=memcheck",
                   "--leak-check=full",
                   "--show-leak-kinds=definite,indirect",
                   "--errors-for-leak-kinds=definite,indirect",
                   "--error-exitcode=99",
                   "--keep-debuginfo=yes",
                   "--num-callers=40",
                   "--suppressions=" + LahdeKansio() + "/tests/valgrind.supp",
                   "--log-file=" + vgLoki};
        setenv("LP_NUM_THREADS", "0", 1); // one rendering thread: valgrind runs one at a time
    }
    // The sanitizer's allocator gives freed memory back to the system, and its
    // quarantine of freed blocks (256 MB by default, filled by the software
    // renderer's churn) is smaller: the resident memory then follows what the
    // game really holds.
    p.asanLisat = "quarantine_size_mb=32:allocator_release_to_os_interval_ms=500";
    auto alku = std::chrono::steady_clock::now();
    ASSERT_TRUE(p.Kaynnista());
    ASSERT_TRUE(p.OdotaIkkuna(vg ? 600 : 60));
    ASSERT_TRUE(p.OdotaKehyksia(5, vg ? 600 : 60));
    const uint64_t kehyksetAlussa = p.Kehykset();

    LIOTUS l(p);
    l.resoluutio = vg ? 0 : 1;
    ASSERT_TRUE(l.VarmistaPaavalikko());
    // Frames in flight: a short soak flies a few seconds each time.
    // Under valgrind the software renderer draws a flight at a frame or two a
    // second, the menus at ten: its flights are shorter, its menus the same.
    int lyhin = lentoja > 1 ? 150 : 80, pisin = lentoja > 1 ? 450 : 160;
    if (vg) lyhin = 20, pisin = 60;
    for (int kierros = 0; kierros < lentoja; kierros++) {
        for (int tyyppi = 0; tyyppi < PELITYYPPEJA; tyyppi++) {
            ASSERT_TRUE(l.Lento(tyyppi, (uint64_t)l.Arpa(lyhin, pisin)))
                << "lost after flight " << l.lentoja << "\n"
                << p.Virheet();
            if (l.lentoja % 5 == 3) l.HuippuLista();
            if (l.lentoja % 11 == 5) l.LueTama();
            if (l.lentoja % 13 == 6) l.Video();
            ASSERT_TRUE(l.VarmistaPaavalikko()) << p.Virheet();
        }
    }
    p.Tallenna("liotus-loppu");
    const uint64_t kehykset = p.Kehykset() - kehyksetAlussa;
    const long muistiLopussa = p.MuistiKb();

    l.Napsauta(Valikko(p, QUIT));
    int tila = p.OdotaLoppu(vg ? 900 : 120);
    double kesto = Sekunteja(alku);
    EXPECT_EQ(tila, 0) << p.Virheet();

    // Every flight entered its game type's table once.
    for (int tyyppi = 0; tyyppi < PELITYYPPEJA; tyyppi++) {
        std::vector<unsigned char> taulu =
            p.LueTiedosto("Tiedostot/Muu Data/Pisteet" + std::to_string(tyyppi + 1) + ".sav");
        ASSERT_EQ(taulu.size(), 384u);
        EXPECT_EQ((int)taulu[0], l.lennot[tyyppi]) << tyyppi;
    }
    std::vector<unsigned char> asetukset = p.LueTiedosto("Tiedostot/Muu Data/Setup.sav");
    ASSERT_EQ(asetukset.size(), 12u);
    // The video setup's choices, saved for the next start.
    EXPECT_EQ(asetukset[0], l.resoluutio);
    EXPECT_EQ(asetukset[4], l.kokoNaytto);

    // Resident memory after the warm-up (every game type flown once, or in the
    // short soak the first three flights). Single samples swing by a few MB
    // with the software renderer's buffers, so the medians of the first and the
    // last quarter are compared.
    const int lammitys = lentoja > 1 ? PELITYYPPEJA : 3;
    std::vector<long> jalkeen;
    for (const NAYTE& n : l.naytteet)
        if (n.lento >= lammitys) jalkeen.push_back(n.kb);
    auto Mediaani = [](std::vector<long> v) {
        if (v.empty()) return 0L;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const size_t neljannes = std::min(jalkeen.size(), std::max<size_t>(1, jalkeen.size() / 4));
    const long lammin = Mediaani(std::vector<long>(jalkeen.begin(), jalkeen.begin() + neljannes));
    const long lopussa = Mediaani(std::vector<long>(jalkeen.end() - neljannes, jalkeen.end()));
    const long suurin = jalkeen.empty() ? 0 : *std::max_element(jalkeen.begin(), jalkeen.end());
    const long nousu = lopussa - lammin;

    std::string virheet = p.Virheet();
    std::string vuodot = vg ? std::string() : p.OmatVuodot();
    std::string vgYhteenveto;
    if (vg) {
        std::ifstream f(vgLoki);
        std::string rivi;
        while (std::getline(f, rivi))
            if (rivi.find("ERROR SUMMARY") != std::string::npos ||
                rivi.find("definitely lost:") != std::string::npos ||
                rivi.find("indirectly lost:") != std::string::npos ||
                rivi.find("suppressed:") != std::string::npos)
                vgYhteenveto += rivi.substr(rivi.find(' ') + 1) + "\n";
        std::string kopio = KoontiKansio() + "/artefaktit/liotus-valgrind.log";
        std::ifstream lahde(vgLoki, std::ios::binary);
        std::ofstream kohde(kopio, std::ios::binary);
        kohde << lahde.rdbuf();
    }

    char raportti[1024];
    snprintf(raportti, sizeof raportti,
             "soak %s (%s): %d flights (%d of each game type), %llu frames, %.0f min, "
             "resident memory (medians of the first and last quarter after warm-up) %ld MB "
             "-> %ld MB (%+ld kB), highest %ld MB, %ld MB before quitting, %zu samples, "
             "%d recoveries, exit code %d, %s\n",
             Aikaleima().c_str(), vg ? "valgrind memcheck" : "AddressSanitizer + UBSan", l.lentoja,
             lentoja, (unsigned long long)kehykset, kesto / 60, lammin / 1024, lopussa / 1024,
             nousu, suurin / 1024, muistiLopussa / 1024, l.naytteet.size(), l.palautuksia, tila,
             vg ? "valgrind:" : (vuodot.empty() ? "no leak of the game's own" : "LEAKS"));
    std::string koko = std::string(raportti) + vgYhteenveto;
    printf("%s", koko.c_str());
    if (const char* tiedosto = getenv("TAVIO_LIOTUS_RAPORTTI")) {
        std::ofstream f(tiedosto, std::ios::app);
        f << koko;
    }
    std::ofstream sarja(KoontiKansio() + "/artefaktit/liotus-muisti.txt");
    for (const NAYTE& n : l.naytteet) sarja << n.lento << " " << n.kehys << " " << n.kb << "\n";

    EXPECT_EQ(vuodot, "") << virheet;
    EXPECT_EQ(virheet.find("runtime error"), std::string::npos) << virheet;
    EXPECT_EQ(virheet.find("ERROR: AddressSanitizer"), std::string::npos) << virheet;
    if (vg) {
        EXPECT_NE(vgYhteenveto.find("ERROR SUMMARY: 0 errors"), std::string::npos) << vgYhteenveto;
        // The suppressions stay what they say: a few once-only blocks of the
        // system's libraries, not a growing leak hidden in them.
        long piilotettu = 0;
        size_t kohta = vgYhteenveto.find("suppressed: ");
        size_t loppu = vgYhteenveto.find(" bytes", kohta);
        if (kohta != std::string::npos && loppu != std::string::npos) {
            std::string luku = vgYhteenveto.substr(kohta + 12, loppu - kohta - 12);
            luku.erase(std::remove(luku.begin(), luku.end(), ','), luku.end());
            piilotettu = atol(luku.c_str());
        }
        EXPECT_LT(piilotettu, 64 * 1024) << vgYhteenveto;
    }
    // Flat: after the warm-up the game's memory does not grow.
    EXPECT_LT(nousu, 16 * 1024) << "resident memory rose " << nousu << " kB after the warm-up";
}
