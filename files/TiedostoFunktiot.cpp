// Paths, text-mode reading, the keyword reader and the safe writer.
#include "files/TiedostoFunktiot.h"

#include "foundation/PerusFunktiot.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

void JarjestelmanPolku(const char* polku, char* ulos, size_t koko) {
    if (koko == 0) return;
    size_t i = 0;
    for (; polku[i] && i + 1 < koko; i++) ulos[i] = (polku[i] == '\\') ? '/' : polku[i];
    ulos[i] = '\0';
}

FILE* AvaaTiedosto(const char* polku, const char* tila) {
    char oikea[POLUN_PITUUS + 1];
    JarjestelmanPolku(polku, oikea, sizeof oikea);
    return fopen(oikea, tila);
}

int LueTekstiMerkki(FILE* f) {
    int c = getc(f);
    if (c == '\r') {
        int seuraava = getc(f);
        if (seuraava == '\n') return '\n';
        if (seuraava != EOF) ungetc(seuraava, f);
    }
    return c;
}

// ---- Keyword reader ---------------------------------------------------------

void AVAINLUKIJA::OhitaMerkkiin(char merkki, int enintaan) {
    if (Virhe) return;
    for (int i = 0; i < enintaan; i++) {
        int c = LueTekstiMerkki(f);
        if (c == EOF) {
            Virhe = true;
            return;
        }
        if (c == (unsigned char)merkki) return;
    }
}

void AVAINLUKIJA::LueErottimeen(char* ulos, int koko, char erotin) {
    ulos[0] = '\0';
    if (Virhe) return;
    int n = 0;
    for (;;) {
        int c = LueTekstiMerkki(f);
        if (c == EOF) {
            // What was read before the end still counts; nothing is read after it.
            Virhe = true;
            ulos[n] = '\0';
            if (n > 0) Loppu = true;
            return;
        }
        if (c == (unsigned char)erotin) break;
        if (n + 1 >= koko) {
            ulos[n] = '\0';
            Virhe = true;
            return;
        }
        ulos[n++] = (char)c;
    }
    ulos[n] = '\0';
}

bool AVAINLUKIJA::LueAvain(char avain[99]) {
    avain[0] = '\0';
    OhitaMerkkiin('#', 1000);
    if (Virhe) return false;
    LueErottimeen(avain, 99, ';');
    bool luettu = !Virhe || Loppu;
    Loppu = false;
    return luettu;
}

bool AVAINLUKIJA::LueArvo(char arvo[99]) {
    arvo[0] = '\0';
    OhitaMerkkiin('>', 99);
    if (Virhe) return false;
    LueErottimeen(arvo, 99, '\n');
    bool luettu = !Virhe || Loppu;
    Loppu = false;
    if (luettu) PyyhiLoppu(arvo, ';');
    return luettu;
}

// ---- Safe saving ------------------------------------------------------------

bool TallennaTurvallisesti(const char* polku, const void* tavut, size_t maara) {
    char oikea[POLUN_PITUUS + 1];
    JarjestelmanPolku(polku, oikea, sizeof oikea);
    std::string valiaikainen = std::string(oikea) + ".tmp";

    int fd = open(valiaikainen.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    const char* p = (const char*)tavut;
    size_t jaljella = maara;
    bool ok = true;
    while (jaljella > 0) {
        ssize_t n = write(fd, p, jaljella);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        p += n;
        jaljella -= (size_t)n;
    }
    if (ok && fsync(fd) != 0) ok = false;
    if (close(fd) != 0) ok = false;
    if (ok && rename(valiaikainen.c_str(), oikea) != 0) ok = false;
    if (!ok) {
        unlink(valiaikainen.c_str());
        return false;
    }
    // Make the rename itself durable.
    std::string kansio(oikea);
    size_t vinoviiva = kansio.find_last_of('/');
    kansio = (vinoviiva == std::string::npos) ? std::string(".") : kansio.substr(0, vinoviiva);
    int kfd = open(kansio.c_str(), O_RDONLY | O_DIRECTORY);
    if (kfd >= 0) {
        fsync(kfd);
        close(kfd);
    }
    return true;
}
