// A file in memory that the game's path-taking readers open by name, so that a
// target runs the reader exactly as the game calls it, with no disk involved:
// an anonymous memory file, reached as /proc/self/fd/<n>.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

struct MUISTITIEDOSTO {
    int fd = -1;
    char polku[64] = {};

    MUISTITIEDOSTO() {
        fd = memfd_create("tavio-fuzz", 0);
        if (fd < 0) abort();
        snprintf(polku, sizeof polku, "/proc/self/fd/%d", fd);
    }

    // The file now holds exactly these bytes; returns its path.
    const char* Kirjoita(const uint8_t* data, size_t n) {
        if (ftruncate(fd, 0) != 0) abort();
        size_t kirjoitettu = 0;
        while (kirjoitettu < n) {
            ssize_t k = pwrite(fd, data + kirjoitettu, n - kirjoitettu, (off_t)kirjoitettu);
            if (k <= 0) abort();
            kirjoitettu += (size_t)k;
        }
        return polku;
    }
};

// One file for the whole run of a target.
inline MUISTITIEDOSTO& Tiedosto() {
    static MUISTITIEDOSTO t;
    return t;
}

// A property every input must keep: a broken one stops the run as a crash would.
#define VAADI(ehto)                                                                                \
    do {                                                                                           \
        if (!(ehto)) {                                                                             \
            fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #ehto);                             \
            abort();                                                                               \
        }                                                                                          \
    } while (0)
