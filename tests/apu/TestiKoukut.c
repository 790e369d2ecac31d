/* Hooks the tests preload into a process of the game's (the game itself, or the
 * save helper), in plain C and without the sanitizers, so that it loads into
 * any build. The binary runs as it is; only the wrapped calls are watched.
 *
 * TAVIO_KEHYSLASKURI=<file>: counts the frames presented (SDL_GL_SwapBuffers)
 * in that 8-byte file, which the end-to-end driver maps too, so that a script
 * can wait in frames rather than in time.
 *
 * TAVIO_TAHTI=<file> (with the frame counter): the game runs in step with the
 * driver. After each presented frame it waits until the 8-byte count of frames
 * allowed in that file is above the count presented, and then makes a round
 * trip to the X server on each of its connections: whatever input the driver
 * sent before allowing the frame is then in the game's queue, and the frame's
 * event poll sees all of it.
 *
 * TAVIO_SIEMEN=<n>: the random generator is seeded with n whatever the game
 * seeds it with, so that two runs throw the same dice.
 *
 * TAVIO_KAATUMISKOHTA=<n>: kills the process with SIGKILL at the n-th point of
 * its saving, counted over every save of a temporary file "*.tmp", four points
 * a save: in the middle of writing it (half its bytes written), before its
 * fsync, before its rename over the old file, and right after the rename. A
 * test can so stop a save exactly where it wants, whatever the machine's load. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

static volatile uint64_t* laskuri;
static volatile uint64_t* sallitut;
static long kaatumiskohta;
static long kohtia;
/* The X connections the process opened (SDL opens two). */
static void* naytot[8];
static int naytteja;

/* The 8-byte count in the file, shared with the driver; null when there is none. */
static volatile uint64_t* Laskuri(const char* polku) {
    volatile uint64_t* tulos = NULL;
    int fd = open(polku, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return NULL;
    if (ftruncate(fd, sizeof(uint64_t)) == 0) {
        void* p = mmap(NULL, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (p != MAP_FAILED) tulos = (volatile uint64_t*)p;
    }
    close(fd);
    return tulos;
}

__attribute__((constructor)) static void Alusta(void) {
    const char* kohta = getenv("TAVIO_KAATUMISKOHTA");
    if (kohta) kaatumiskohta = atol(kohta);
    const char* polku = getenv("TAVIO_KEHYSLASKURI");
    if (!polku) return;
    laskuri = Laskuri(polku);
    const char* tahti = getenv("TAVIO_TAHTI");
    if (tahti && laskuri) sallitut = Laskuri(tahti);
}

void* XOpenDisplay(const char* nimi) {
    static void* (*oikea)(const char*);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "XOpenDisplay");
    void* d = oikea ? oikea(nimi) : NULL;
    if (d && naytteja < 8) naytot[naytteja++] = d;
    return d;
}

int XCloseDisplay(void* d) {
    static int (*oikea)(void*);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "XCloseDisplay");
    for (int i = 0; i < naytteja; i++)
        if (naytot[i] == d) naytot[i] = naytot[--naytteja];
    return oikea ? oikea(d) : 0;
}

void srand(unsigned siemen) {
    static void (*oikea)(unsigned);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "srand");
    const char* kiintea = getenv("TAVIO_SIEMEN");
    if (oikea) oikea(kiintea ? (unsigned)strtoul(kiintea, NULL, 10) : siemen);
}

void SDL_GL_SwapBuffers(void) {
    static void (*oikea)(void);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
    if (oikea) oikea();
    if (laskuri) __atomic_add_fetch(laskuri, 1, __ATOMIC_RELAXED);
    if (!sallitut) return;
    struct timespec hetki = {0, 100000};
    while (__atomic_load_n(laskuri, __ATOMIC_ACQUIRE) >=
           __atomic_load_n(sallitut, __ATOMIC_ACQUIRE))
        nanosleep(&hetki, NULL);
    static int (*xsync)(void*, int);
    if (!xsync) *(void**)&xsync = dlsym(RTLD_DEFAULT, "XSync");
    for (int i = 0; xsync && i < naytteja; i++) xsync(naytot[i], 0);
}

static int Valiaikainen(const char* polku) {
    size_t n = strlen(polku);
    return n > 4 && strcmp(polku + n - 4, ".tmp") == 0;
}

static int ValiaikainenKuvaaja(int fd) {
    char linkki[64], polku[4096];
    snprintf(linkki, sizeof linkki, "/proc/self/fd/%d", fd);
    ssize_t n = readlink(linkki, polku, sizeof polku - 1);
    if (n <= 0) return 0;
    polku[n] = '\0';
    return Valiaikainen(polku);
}

/* One more point of a save; the chosen one ends the process on the spot. */
static void Kohta(void) {
    if (++kohtia == kaatumiskohta) kill(getpid(), SIGKILL);
}

ssize_t write(int fd, const void* tavut, size_t maara) {
    static ssize_t (*oikea)(int, const void*, size_t);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "write");
    if (kaatumiskohta > 0 && ValiaikainenKuvaaja(fd)) {
        if (kohtia + 1 == kaatumiskohta && maara > 1) {
            if (oikea(fd, tavut, maara / 2) < 0) return -1;
        }
        Kohta();
    }
    return oikea(fd, tavut, maara);
}

int fsync(int fd) {
    static int (*oikea)(int);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "fsync");
    if (kaatumiskohta > 0 && ValiaikainenKuvaaja(fd)) Kohta();
    return oikea(fd);
}

int rename(const char* vanha, const char* uusi) {
    static int (*oikea)(const char*, const char*);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "rename");
    int tarkkailtu = kaatumiskohta > 0 && Valiaikainen(vanha);
    if (tarkkailtu) Kohta();
    int tulos = oikea(vanha, uusi);
    if (tarkkailtu) Kohta();
    return tulos;
}
