// Paths, text-mode reading, the keyword reader and the safe writer.
#include "files/TiedostoFunktiot.h"

#include "files/LukuHuomiot.h"
#include "foundation/PerusFunktiot.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

bool JarjestelmanPolku(const char* polku, char* ulos, size_t koko) {
    if (koko == 0) return false;
    size_t i = 0;
    for (; polku[i] && i + 1 < koko; i++) ulos[i] = (polku[i] == '\\') ? '/' : polku[i];
    ulos[i] = '\0';
    return polku[i] == '\0';
}

FILE* AvaaTiedosto(const char* polku, const char* tila) {
    char oikea[POLUN_PITUUS + 1];
    if (!JarjestelmanPolku(polku, oikea, sizeof oikea)) {
        errno = ENAMETOOLONG;
        return nullptr;
    }
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

int AVAINLUKIJA::Merkki() {
    int c = LueTekstiMerkki(f);
    if (c == '\n') Rivi++;
    return c;
}

bool AVAINLUKIJA::OhitaMerkkiin(char merkki, int enintaan) {
    if (Virhe) return false;
    for (int i = 0; i < enintaan; i++) {
        int c = Merkki();
        if (c == EOF) {
            Virhe = true;
            return false;
        }
        if (c == (unsigned char)merkki) return true;
    }
    return false;
}

bool AVAINLUKIJA::LueErottimeen(char* ulos, int koko, char erotin) {
    ulos[0] = '\0';
    if (Virhe) return false;
    int n = 0;
    for (;;) {
        int c = Merkki();
        if (c == EOF) {
            // What was read before the end still counts; nothing is read after it.
            Virhe = true;
            ulos[n] = '\0';
            if (n > 0) Loppu = true;
            return false;
        }
        if (c == (unsigned char)erotin) break;
        if (n + 1 >= koko) {
            // Left for the next read: it may be the '#' of the next entry.
            ungetc(c, f);
            if (c == '\n') Rivi--;
            ulos[n] = '\0';
            return false;
        }
        ulos[n++] = (char)c;
    }
    ulos[n] = '\0';
    return true;
}

bool AVAINLUKIJA::LueAvain(char avain[99]) {
    avain[0] = '\0';
    bool risuaita = OhitaMerkkiin('#', 1000);
    if (Virhe) return false;
    AvaimenRivi = Rivi;
    ViimeAvain = avain;
    if (!risuaita && Huomiot) Huomiot->Lisaa(AVAIN_KAUKANA, Rivi);
    // An overlong keyword (a remark with a '#' in it, say) names no entry; the
    // search for the next '#' goes on from where it was cut.
    if (!LueErottimeen(avain, 99, ';') && !Virhe) {
        avain[0] = '\0';
        if (Huomiot) Huomiot->Lisaa(AVAIN_PITKA, AvaimenRivi);
    }
    bool luettu = !Virhe || Loppu;
    Loppu = false;
    return luettu;
}

bool AVAINLUKIJA::LueArvo(char arvo[99]) {
    arvo[0] = '\0';
    if (!OhitaMerkkiin('>', 99)) {
        if (Huomiot) Huomiot->Lisaa(ARVO_EI_NUOLTA, AvaimenRivi, ViimeAvain ? ViimeAvain : "");
        return false;
    }
    ArvonRivi = Rivi;
    // The whole line is read, so that a long value or a long remark after the
    // ';' never runs into the next line's keyword.
    int n = 0;
    bool katkaistu = false; // past the value's ';': the rest of the line is a remark
    bool liianPitka = false;
    for (;;) {
        int c = Merkki();
        if (c == EOF) {
            Virhe = true;
            break;
        }
        if (c == '\n') break;
        if (c == ';') katkaistu = true;
        if (!katkaistu && n < 98)
            arvo[n++] = (char)c;
        else if (!katkaistu)
            liianPitka = true;
    }
    arvo[n] = '\0';
    if (liianPitka && Huomiot)
        Huomiot->Lisaa(ARVO_KATKAISTU, ArvonRivi, ViimeAvain ? ViimeAvain : "");
    return !Virhe || n > 0;
}

void AVAINLUKIJA::HuomaaLoppu(bool loppuLuettu) {
    if (!Huomiot) return;
    if (!loppuLuettu) {
        Huomiot->Lisaa(EI_LOPPUA);
        return;
    }
    // What stands after END_OF_FILE is only looked for keys: its remarks are no
    // fault of the file.
    LUKUHUOMIOT* huomiot = Huomiot;
    Huomiot = nullptr;
    char avain[99];
    while (LueAvain(avain))
        if (avain[0]) huomiot->Lisaa(AVAIN_LOPUN_JALKEEN, AvaimenRivi, avain);
    Huomiot = huomiot;
}

// ---- Safe saving ------------------------------------------------------------

namespace {

// fsync, again after a signal.
bool Synkronoi(int fd) {
    int r;
    do r = fsync(fd);
    while (r != 0 && errno == EINTR);
    return r == 0;
}

// Every byte, or false (a full disk gives a short write and then an error).
bool KirjoitaKaikki(int fd, const char* p, size_t maara) {
    while (maara > 0) {
        ssize_t n = write(fd, p, maara);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        maara -= (size_t)n;
    }
    return true;
}

} // namespace

bool TallennaTurvallisesti(const char* polku, const void* tavut, size_t maara) {
    char oikea[POLUN_PITUUS + 1];
    if (!JarjestelmanPolku(polku, oikea, sizeof oikea)) return false;

    // A file the player has write-protected (no write permission for anyone, or
    // none for this user) stays as it is, as it did when the game wrote over its
    // files in place. The new file keeps the old one's permissions.
    mode_t tila = 0644;
    struct stat vanha;
    if (stat(oikea, &vanha) == 0) {
        if ((vanha.st_mode & 0222) == 0 || access(oikea, W_OK) != 0) return false;
        tila = vanha.st_mode & 0777;
    }

    // The temporary file is this process's own: a second game saving at the same
    // moment cannot write into it, and a leftover of an earlier run (a file, a
    // link or a folder of that name) is never written through.
    std::string valiaikainen = std::string(oikea) + "." + std::to_string((long)getpid()) + ".tmp";
    int liput = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = open(valiaikainen.c_str(), liput, 0600);
    if (fd < 0 && errno == EEXIST && unlink(valiaikainen.c_str()) == 0)
        fd = open(valiaikainen.c_str(), liput, 0600);
    if (fd < 0) return false;

    bool ok = KirjoitaKaikki(fd, (const char*)tavut, maara);
    if (ok && fchmod(fd, tila) != 0) ok = false;
    if (ok && !Synkronoi(fd)) ok = false;
    // close reports a write error that only showed when the data left the cache;
    // on Linux the descriptor is gone even when it fails, so it is never retried.
    if (close(fd) != 0) ok = false;
    if (ok && rename(valiaikainen.c_str(), oikea) != 0) ok = false;
    if (!ok) {
        unlink(valiaikainen.c_str());
        return false;
    }
    // Make the rename itself durable.
    std::string kansio(oikea);
    size_t vinoviiva = kansio.find_last_of('/');
    kansio = (vinoviiva == std::string::npos) ? std::string(".")
             : (vinoviiva == 0)               ? std::string("/")
                                              : kansio.substr(0, vinoviiva);
    int kfd = open(kansio.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (kfd >= 0) {
        Synkronoi(kfd);
        close(kfd);
    }
    return true;
}
