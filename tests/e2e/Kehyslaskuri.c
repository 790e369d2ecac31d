/* Counts the frames the game presents, for the end-to-end driver: loaded into
 * the game with LD_PRELOAD, it wraps SDL_GL_SwapBuffers and keeps the count in
 * the 8-byte file named by TAVIO_KEHYSLASKURI, which the driver maps too. It
 * changes nothing else: the game's own binary runs as it is. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

static volatile uint64_t* laskuri;

__attribute__((constructor)) static void Alusta(void) {
    const char* polku = getenv("TAVIO_KEHYSLASKURI");
    if (!polku) return;
    int fd = open(polku, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (ftruncate(fd, sizeof(uint64_t)) == 0) {
        void* p = mmap(NULL, sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (p != MAP_FAILED) laskuri = (volatile uint64_t*)p;
    }
    close(fd);
}

void SDL_GL_SwapBuffers(void) {
    static void (*oikea)(void);
    if (!oikea) *(void**)&oikea = dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
    if (oikea) oikea();
    if (laskuri) __atomic_add_fetch(laskuri, 1, __ATOMIC_RELAXED);
}
