/* Preloaded into the real game (LD_PRELOAD): at the first presented frame it
 * writes how long the process had run, and its peak resident memory so far, to
 * the file named by TAVIO_ENSIMMAINEN and ends the process. The game itself is
 * not changed: this is its own start-up, measured from outside.
 *
 * The start is TAVIO_ALKU_NS (CLOCK_REALTIME in ns, taken by the launcher just
 * before it executes the game) when set, else the kernel's start time of the
 * process (clock-tick resolution). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double Ms(clockid_t kello) {
    struct timespec t;
    clock_gettime(kello, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static double Ika(void) {
    const char* alku = getenv("TAVIO_ALKU_NS");
    if (alku && *alku) return Ms(CLOCK_REALTIME) - strtod(alku, NULL) / 1e6;
    FILE* f = fopen("/proc/self/stat", "r");
    if (!f) return -1;
    char rivi[2048];
    size_t n = fread(rivi, 1, sizeof rivi - 1, f);
    fclose(f);
    rivi[n] = '\0';
    const char* p = strrchr(rivi, ')');
    if (!p) return -1;
    int kentta = 2;
    for (; *p && kentta < 22; p++)
        if (*p == ' ') kentta++;
    unsigned long long tikit = 0;
    if (sscanf(p, "%llu", &tikit) != 1) return -1;
    return Ms(CLOCK_BOOTTIME) - tikit * 1000.0 / (double)sysconf(_SC_CLK_TCK);
}

static long HuippuKt(void) {
    FILE* f = fopen("/proc/self/status", "r");
    if (!f) return -1;
    char rivi[256];
    long kt = -1;
    while (fgets(rivi, sizeof rivi, f))
        if (strncmp(rivi, "VmHWM:", 6) == 0) kt = strtol(rivi + 6, NULL, 10);
    fclose(f);
    return kt;
}

void SDL_GL_SwapBuffers(void) {
    void (*oikea)(void) = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
    if (oikea) oikea();
    double ika = Ika();
    const char* polku = getenv("TAVIO_ENSIMMAINEN");
    FILE* f = polku ? fopen(polku, "a") : stdout;
    if (f) {
        fprintf(f, "peli.ensimmainen_kuva_ms=%.3f\npeli.muisti_ensimmainen_kt=%ld\n", ika,
                HuippuKt());
        fflush(f);
    }
    _exit(0);
}
