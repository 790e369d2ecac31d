#include "PeliAjo.h"

#include "apu/TestiApu.h"
#include "ikkuna/XIkkuna.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

void PELIAJO::Odota(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

PELIAJO::PELIAJO() {
    peli = KoontiKansio() + "/tavio";
    artefaktit = KoontiKansio() + "/artefaktit";
    TeeKansiot(artefaktit);
    char malli[] = "/tmp/tavio-e2e-XXXXXX";
    kansio = mkdtemp(malli);
    d = XOpenDisplay(nullptr);
    XSetErrorHandler(OhitaXVirhe);
}

PELIAJO::~PELIAJO() {
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (d) XCloseDisplay(d);
    for (volatile uint64_t* laskuri : {kehyksia, sallittu})
        if (laskuri) munmap((void*)laskuri, sizeof(uint64_t));
    asettelu.Vapauta();
    std::string komento = "rm -rf '" + kansio + "'";
    if (system(komento.c_str()) != 0) fprintf(stderr, "could not remove %s\n", kansio.c_str());
}

bool PELIAJO::Valmistele() {
    std::string komento = "cp -r '" + KoontiKansio() + "/Tiedostot' '" + kansio + "/'";
    if (system(komento.c_str()) != 0) return false;
    TeeKansiot(kansio + "/Tiedostot/Muu Data");
    // The layout of the game's texts, with the same font widths the game reads.
    asettelu.AlustaPuskurit();
    asettelu.FonttienMaara = 1;
    asettelu.Fontit = new FONTTI[1];
    std::string leveydet = kansio + "/Tiedostot/Fontit/MerkkienLeveydet.txt";
    asettelu.Fontit[0].Alusta("Fontti", leveydet.c_str());
    return d != nullptr;
}

void PELIAJO::TasainenAlku() {
    int ruutu = DefaultScreen(d);
    XWarpPointer(d, None, DefaultRootWindow(d), 0, 0, 0, 0, DisplayWidth(d, ruutu) / 2,
                 DisplayHeight(d, ruutu) / 2);
    XAutoRepeatOff(d);
    XSync(d, False);
}

namespace {

// A zeroed 8-byte counter file, mapped; null when it cannot be made.
volatile uint64_t* UusiLaskuri(const std::string& polku) {
    int fd = open(polku.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    void* p = MAP_FAILED;
    if (ftruncate(fd, sizeof(uint64_t)) == 0)
        p = mmap(nullptr, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    return p == MAP_FAILED ? nullptr : (volatile uint64_t*)p;
}

} // namespace

bool PELIAJO::Kaynnista() {
    std::string laskuri = kansio + "/kehykset", tahti = kansio + "/tahti";
    if (laskeKehykset) {
        // The counter files exist, zeroed, before the game maps them.
        kehyksia = UusiLaskuri(laskuri);
        if (!kehyksia) return false;
        if (tahdistetty && !(sallittu = UusiLaskuri(tahti))) return false;
    }
    pid = fork();
    if (pid == 0) {
        if (chdir(kansio.c_str()) != 0) _exit(127);
        std::string loki = kansio + "/peli.err";
        if (!freopen(loki.c_str(), "w", stderr)) _exit(127);
        if (ennenPelia && !ennenPelia()) _exit(126);
        // No sound device in the test machine; leaks are reported without changing
        // the exit code, and OmatVuodot picks out any in the game's own code (the
        // fast unwinder cannot name frames of system libraries unloaded at exit).
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::string lsan =
            "suppressions=" + LahdeKansio() + "/tests/lsan.supp:print_suppressions=0:exitcode=0";
        setenv("LSAN_OPTIONS", lsan.c_str(), 1);
        std::string asan = "detect_leaks=1";
        if (laskeKehykset || kaatumiskohta > 0 || siemen > 0) {
            // The hooks come before the sanitizer's runtime in the load order.
            asan += ":verify_asan_link_order=0";
            setenv("LD_PRELOAD", TESTIKOUKUT, 1);
            if (laskeKehykset) setenv("TAVIO_KEHYSLASKURI", laskuri.c_str(), 1);
            if (sallittu) setenv("TAVIO_TAHTI", tahti.c_str(), 1);
            if (siemen > 0) setenv("TAVIO_SIEMEN", std::to_string(siemen).c_str(), 1);
            if (kaatumiskohta > 0)
                setenv("TAVIO_KAATUMISKOHTA", std::to_string(kaatumiskohta).c_str(), 1);
        }
        if (!asanLisat.empty()) asan += ":" + asanLisat;
        setenv("ASAN_OPTIONS", asan.c_str(), 1);
        std::vector<char*> argv;
        for (std::string& a : kaare) argv.push_back(&a[0]);
        argv.push_back(&peli[0]);
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return pid > 0;
}

uint64_t PELIAJO::Kehykset() const {
    return kehyksia ? __atomic_load_n(kehyksia, __ATOMIC_ACQUIRE) : 0;
}

long PELIAJO::MuistiKb() const {
    if (pid <= 0) return 0;
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string rivi;
    while (std::getline(f, rivi))
        if (rivi.compare(0, 6, "VmRSS:") == 0) return atol(rivi.c_str() + 6);
    return 0;
}

bool PELIAJO::Loppunut() const {
    if (pid <= 0) return true;
    // Looked at without reaping: OdotaLoppu still gets the exit code.
    siginfo_t tieto{};
    return waitid(P_PID, (id_t)pid, &tieto, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           tieto.si_pid == pid;
}

bool PELIAJO::OdotaKehyksia(uint64_t n, double sekuntia) {
    uint64_t tavoite = Kehykset() + n;
    if (sallittu && *sallittu < tavoite) __atomic_store_n(sallittu, tavoite, __ATOMIC_RELEASE);
    auto loppu = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekuntia);
    while (std::chrono::steady_clock::now() < loppu) {
        if (Kehykset() >= tavoite) return true;
        if (Loppunut()) return false;
        // In step a frame is awaited often: a short nap keeps the wait short.
        std::this_thread::sleep_for(std::chrono::microseconds(sallittu ? 200 : 5000));
    }
    return false;
}

void PELIAJO::Tahditon() {
    if (sallittu) __atomic_store_n(sallittu, UINT64_MAX, __ATOMIC_RELEASE);
}

void PELIAJO::Tapa() {
    if (pid <= 0) return;
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = 0;
}

bool PELIAJO::OdotaIkkuna(double sekuntia) {
    auto loppu = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekuntia);
    while (std::chrono::steady_clock::now() < loppu) {
        ikkuna = EtsiIkkuna(d, DefaultRootWindow(d), "The Tavio");
        if (ikkuna) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d, ikkuna, &a) && a.map_state == IsViewable) {
                leveys = a.width;
                korkeus = a.height;
                // A few frames: SDL has grabbed the pointer and the menu is drawn.
                if (!laskeKehykset) {
                    Odota(1500);
                    return true;
                }
                return OdotaKehyksia(5, sekuntia);
            }
        }
        Odota(100);
    }
    return false;
}

namespace {

// Where the X pointer is in the window (pixels).
void XOsoitin(Display* d, Window w, int& x, int& y) {
    Window juuri, lapsi;
    int jx, jy;
    unsigned int napit;
    XQueryPointer(d, w, &juuri, &lapsi, &jx, &jy, &x, &y, &napit);
}

} // namespace

// SDL turns the X pointer's moves into relative motion and warps it back to the
// middle of the window once it comes within 8 pixels of an edge. A move that
// would run into the edge is cut short by the grab, and the game never sees the
// rest, so every step stops short of the edge and waits for the warp.
void PELIAJO::Siirra(int dx, int dy) {
    int odotuksia = 0;
    while ((dx != 0 || dy != 0) && odotuksia < 2000) {
        int x, y;
        XOsoitin(d, ikkuna, x, y);
        int tilaX = dx > 0 ? leveys - 1 - x : x;
        int tilaY = dy > 0 ? korkeus - 1 - y : y;
        if ((dx != 0 && tilaX <= 0) || (dy != 0 && tilaY <= 0)) {
            // At the edge: the game warps the pointer back in its next frame.
            if (laskeKehykset) {
                if (!OdotaKehyksia(1, 60)) return;
            } else {
                Odota(5);
            }
            odotuksia++;
            continue;
        }
        int askelX = dx > 0 ? std::min({dx, tilaX, 40}) : -std::min({-dx, tilaX, 40});
        int askelY = dy > 0 ? std::min({dy, tilaY, 40}) : -std::min({-dy, tilaY, 40});
        XTestFakeRelativeMotionEvent(d, askelX, askelY, CurrentTime);
        XSync(d, False);
        dx -= askelX;
        dy -= askelY;
        Kehyksia(2);
    }
}

void PELIAJO::Kehyksia(uint64_t n) {
    if (!laskeKehykset) {
        Odota((int)(15 * n));
        return;
    }
    if (!Loppunut()) OdotaKehyksia(n, 60);
}

void PELIAJO::Kotiin() {
    // Far past the top-left corner: the game's pointer stops at the corner.
    Siirra(-3 * leveys, -3 * korkeus);
    Kehyksia(2);
}

void PELIAJO::Osoita(double x, double y) {
    Kotiin();
    // The pixel the game maps to these screen units (see the input devices).
    int px = (int)(x * leveys / 1280.0 + 0.5);
    int py = (int)(korkeus - 1 - y * korkeus / 1024.0 + 0.5);
    Siirra(px, py);
    Kehyksia(2);
}

void PELIAJO::Osoitin(int& x, int& y) {
    XOsoitin(d, ikkuna, x, y);
}

void PELIAJO::Nappi(int nappi, bool alas) {
    XTestFakeButtonEvent(d, (unsigned)nappi, alas ? True : False, CurrentTime);
    XSync(d, False);
}

void PELIAJO::Liiku(int dx, int dy) {
    XTestFakeRelativeMotionEvent(d, dx, dy, CurrentTime);
    XSync(d, False);
}

// The game sees every press and every release for a frame, however close
// together they come: a click is a press and a release sent at once. With the
// frame counter the driver then waits four frames: the one that may already
// have polled before the click came, the one that sees it held, the one that
// sees it released (and acts), and the one that draws what it did.
void PELIAJO::Kehyksittain() {
    if (laskeKehykset && !Loppunut()) OdotaKehyksia(4, 60);
}

void PELIAJO::Klikkaa(int nappi) {
    XTestFakeButtonEvent(d, (unsigned)nappi, True, CurrentTime);
    XTestFakeButtonEvent(d, (unsigned)nappi, False, CurrentTime);
    XSync(d, False);
    if (!laskeKehykset) Odota(250);
    Kehyksittain();
}

void PELIAJO::KlikkaaKohtaa(const SUORAKULMIO& r, int nappi) {
    Osoita(r.KeskiX(), r.KeskiY());
    Klikkaa(nappi);
}

void PELIAJO::Nappain(const char* keysym, bool alas) {
    KeyCode koodi = XKeysymToKeycode(d, XStringToKeysym(keysym));
    XTestFakeKeyEvent(d, koodi, alas ? True : False, CurrentTime);
    XSync(d, False);
}

void PELIAJO::Paina(const char* keysym, int pitoMs) {
    Nappain(keysym, true);
    if (!laskeKehykset) Odota(pitoMs);
    Nappain(keysym, false);
    if (!laskeKehykset) Odota(200);
    Kehyksittain();
}

SUORAKULMIO PELIAJO::Paikka(const std::vector<KAPPALE>& kappaleet, size_t kohta, double x, double y,
                            KESKITYSTAPA tapa, double koko, int merkki) {
    TEKSTI* t = new TEKSTI;
    t->Alku();
    size_t alku = 0, pituus = 0;
    for (size_t i = 0; i < kappaleet.size(); i++) {
        size_t ennen = t->MerkkienMaara;
        t->Lisaa(kappaleet[i].teksti.c_str(), kappaleet[i].rivi, false);
        if (i == kohta) {
            alku = ennen;
            pituus = t->MerkkienMaara - ennen;
        }
    }
    asettelu.TyhjennaKuvaPuskuri();
    asettelu.TulostaTeksti(*t, x, y, tapa, 0, koko);
    delete t;
    SUORAKULMIO r;
    if (pituus == 0 || alku + pituus > asettelu.KuvienMaara) return r;
    if (merkki >= 0 && (size_t)merkki < pituus) {
        alku += (size_t)merkki;
        pituus = 1;
    }
    const KUVA& eka = asettelu.Kuvat[alku];
    const KUVA& vika = asettelu.Kuvat[alku + pituus - 1];
    r.x = eka.X;
    r.y = eka.Y;
    r.leveys = vika.X + vika.Leveys - eka.X;
    r.korkeus = eka.Korkeus;
    return r;
}

std::vector<unsigned char> PELIAJO::Kuva() {
    std::vector<unsigned char> rgb;
    XImage* kuva =
        XGetImage(d, ikkuna, 0, 0, (unsigned)leveys, (unsigned)korkeus, AllPlanes, ZPixmap);
    if (!kuva) return rgb;
    rgb.resize((size_t)leveys * korkeus * 3);
    for (int yy = 0; yy < korkeus; yy++)
        for (int xx = 0; xx < leveys; xx++) {
            unsigned long p = XGetPixel(kuva, xx, yy);
            size_t i = ((size_t)yy * leveys + xx) * 3;
            rgb[i] = (unsigned char)((p & kuva->red_mask) >> 16);
            rgb[i + 1] = (unsigned char)((p & kuva->green_mask) >> 8);
            rgb[i + 2] = (unsigned char)(p & kuva->blue_mask);
        }
    XDestroyImage(kuva);
    return rgb;
}

bool PELIAJO::Tallenna(const std::string& nimi) {
    std::vector<unsigned char> rgb = Kuva();
    if (rgb.empty()) return false;
    std::string ppm = kansio + "/" + nimi + ".ppm";
    FILE* f = fopen(ppm.c_str(), "wb");
    if (!f) return false;
    fprintf(f, "P6\n%d %d\n255\n", leveys, korkeus);
    fwrite(rgb.data(), 1, rgb.size(), f);
    fclose(f);
    std::string komento = "convert '" + ppm + "' '" + artefaktit + "/" + nimi + ".png'";
    return system(komento.c_str()) == 0;
}

int PELIAJO::KirkkaatPikselit(const std::vector<unsigned char>& kuva, const SUORAKULMIO& r) {
    int x0 = (int)(r.x * leveys / 1280.0), x1 = (int)((r.x + r.leveys) * leveys / 1280.0);
    int y1 = korkeus - 1 - (int)(r.y * korkeus / 1024.0);
    int y0 = korkeus - 1 - (int)((r.y + r.korkeus) * korkeus / 1024.0);
    int n = 0;
    for (int yy = y0 < 0 ? 0 : y0; yy <= y1 && yy < korkeus; yy++)
        for (int xx = x0 < 0 ? 0 : x0; xx <= x1 && xx < leveys; xx++) {
            size_t i = ((size_t)yy * leveys + xx) * 3;
            if (i + 2 < kuva.size() && kuva[i] + kuva[i + 1] + kuva[i + 2] > 3 * 150) n++;
        }
    return n;
}

bool PELIAJO::LentoNakyy() {
    std::vector<unsigned char> kuva = Kuva();
    if (kuva.empty()) return false;
    size_t tummia = 0, n = kuva.size() / 3;
    for (size_t i = 0; i < n; i++)
        if (kuva[3 * i] + kuva[3 * i + 1] + kuva[3 * i + 2] < 3 * 24) tummia++;
    return tummia < n / 2;
}

bool PELIAJO::OdotaLentoa(bool nakyy, double sekuntia) {
    auto loppu = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekuntia);
    while (std::chrono::steady_clock::now() < loppu) {
        if (LentoNakyy() == nakyy) return true;
        if (Loppunut()) return false;
        Odota(20);
    }
    return false;
}

void PELIAJO::Sulje() {
    Tahditon();
    LahetaSulkeminen(d, ikkuna);
}

int PELIAJO::OdotaLoppu(double sekuntia) {
    auto loppu = std::chrono::steady_clock::now() + std::chrono::duration<double>(sekuntia);
    while (std::chrono::steady_clock::now() < loppu) {
        int tila = 0;
        pid_t r = waitpid(pid, &tila, WNOHANG);
        if (r == pid) {
            pid = 0;
            return WIFEXITED(tila) ? WEXITSTATUS(tila) : 128 + WTERMSIG(tila);
        }
        Odota(50);
    }
    return -1;
}

std::vector<unsigned char> PELIAJO::LueTiedosto(const std::string& suhteellinen) {
    std::ifstream f(kansio + "/" + suhteellinen, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f),
                                      std::istreambuf_iterator<char>());
}

std::string PELIAJO::Virheet() {
    std::vector<unsigned char> t = LueTiedosto("peli.err");
    return std::string(t.begin(), t.end());
}

std::string PELIAJO::OmatVuodot() {
    // A report is a paragraph starting "Direct leak" or "Indirect leak".
    std::string kaikki = Virheet(), omat;
    std::string lahde = LahdeKansio() + "/";
    size_t kohta = 0;
    while ((kohta = kaikki.find(" leak of ", kohta)) != std::string::npos) {
        size_t alku = kaikki.rfind('\n', kohta);
        alku = alku == std::string::npos ? 0 : alku + 1;
        size_t loppu = kaikki.find("\n\n", kohta);
        if (loppu == std::string::npos) loppu = kaikki.size();
        std::string raportti = kaikki.substr(alku, loppu - alku);
        if (raportti.find(lahde) != std::string::npos) omat += raportti + "\n";
        kohta = loppu;
    }
    return omat;
}
