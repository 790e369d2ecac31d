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

namespace {

// Decided once at start-up; empty: the working directory, as the paths are written.
char DATAKANSIO[JARJESTELMAN_POLUN_PITUUS + 1] = "";
char TALLENNEKANSIO[JARJESTELMAN_POLUN_PITUUS + 1] = "";
bool EI_TALLENTEITA = false;

const char TALLENTEIDEN_KANSIO[] = "Tiedostot\\Muu Data\\";

bool Erotin(char c) {
    return c == '\\' || c == '/';
}

// Copies `lahde` from position i of `ulos` on, separators made '/'. False when
// it does not all fit.
bool Jatka(const char* lahde, char* ulos, size_t koko, size_t& i) {
    for (; *lahde && i + 1 < koko; lahde++) ulos[i++] = Erotin(*lahde) ? '/' : *lahde;
    ulos[i] = '\0';
    return *lahde == '\0';
}

void Kopioi(char* kohde, const char* lahde) {
    snprintf(kohde, JARJESTELMAN_POLUN_PITUUS + 1, "%s", lahde ? lahde : "");
}

// Creates the folder and every missing folder above it, each with mode 0700 (the
// saves are the player's own). True when the folder is there afterwards.
bool TeeKansio0700(const char* kansio) {
    char polku[JARJESTELMAN_POLUN_PITUUS + 1];
    Kopioi(polku, kansio);
    size_t n = strlen(polku);
    for (size_t i = 1; i <= n; i++) {
        if (i < n && polku[i] != '/') continue;
        polku[i] = '\0';
        mkdir(polku, 0700);
        if (i < n) polku[i] = '/';
    }
    struct stat s;
    return stat(polku, &s) == 0 && S_ISDIR(s.st_mode);
}

} // namespace

bool OnkoTallenne(const char* polku) {
    for (size_t i = 0; TALLENTEIDEN_KANSIO[i]; i++) {
        char c = TALLENTEIDEN_KANSIO[i];
        if (Erotin(c) ? !Erotin(polku[i]) : polku[i] != c) return false;
    }
    const char* nimi = polku + sizeof TALLENTEIDEN_KANSIO - 1;
    size_t n = strlen(nimi);
    for (size_t i = 0; i < n; i++)
        if (Erotin(nimi[i])) return false;
    if (n > 4 && strcmp(nimi + n - 4, ".sav") == 0) return true;
    // The race ghosts are the player's too: "HaamuA.dat" .. "HaamuF.dat".
    return n == 10 && strncmp(nimi, "Haamu", 5) == 0 && nimi[5] >= 'A' && nimi[5] <= 'F' &&
           strcmp(nimi + 6, ".dat") == 0;
}

void AsetaTiedostojenPaikka(const char* data, const char* tallenteet) {
    Kopioi(DATAKANSIO, data);
    Kopioi(TALLENNEKANSIO, tallenteet);
    EI_TALLENTEITA = tallenteet == nullptr;
}

bool JarjestelmanPolku(const char* polku, char* ulos, size_t koko) {
    if (koko == 0) return false;
    ulos[0] = '\0';
    size_t i = 0;
    if (!Erotin(polku[0])) {
        const char* kansio = DATAKANSIO;
        if (OnkoTallenne(polku)) {
            if (EI_TALLENTEITA) return false;
            if (TALLENNEKANSIO[0]) {
                kansio = TALLENNEKANSIO;
                polku += sizeof TALLENTEIDEN_KANSIO - 1;
            }
        }
        if (kansio[0] && !(Jatka(kansio, ulos, koko, i) && Jatka("/", ulos, koko, i))) return false;
    }
    return Jatka(polku, ulos, koko, i);
}

FILE* AvaaTiedosto(const char* polku, const char* tila) {
    char oikea[JARJESTELMAN_POLUN_PITUUS + 1];
    if (strlen(polku) > POLUN_PITUUS || !JarjestelmanPolku(polku, oikea, sizeof oikea)) {
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
    char oikea[JARJESTELMAN_POLUN_PITUUS + 1];
    if (strlen(polku) > POLUN_PITUUS || !JarjestelmanPolku(polku, oikea, sizeof oikea))
        return false;
    // The player's own folder for saves appears with the first save.
    if (TALLENNEKANSIO[0] && OnkoTallenne(polku) && !TeeKansio0700(TALLENNEKANSIO)) return false;

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

void HuomaaEiAukea(LUKUHUOMIOT* huomiot) {
    if (huomiot) huomiot->Lisaa(TIEDOSTO_EI_AUKEA).Arvo = errno;
}

bool LueAvaintiedosto(const char* polku, LUKUHUOMIOT* huomiot,
                      AVAIMEN_KENTTA (*kentta)(const char* avain, void* tila), void* tila) {
    FILE* f = AvaaTiedosto(polku, "r");
    if (!f) {
        HuomaaEiAukea(huomiot);
        return false;
    }
    AVAINLUKIJA lukija;
    lukija.f = f;
    lukija.Huomiot = huomiot;
    char avain[99], arvo[99];
    bool loppu = false;
    while (lukija.LueAvain(avain)) {
        if (strcmp(avain, "END_OF_FILE") == 0) {
            loppu = true;
            break;
        }
        const AVAIMEN_KENTTA k = kentta(avain, tila);
        if (!k.teksti && !k.luku) {
            if (huomiot && avain[0]) huomiot->Lisaa(AVAIN_TUNTEMATON, lukija.AvaimenRivi, avain);
            continue;
        }
        if (!lukija.LueArvo(arvo)) continue;
        if (k.teksti) {
            strncpy(k.teksti, arvo, NIMEN_PITUUS);
            k.teksti[NIMEN_PITUUS] = '\0';
        }
        if (k.luku) *k.luku = TekstiLuvuksi(arvo);
        if (huomiot) huomiot->Avain(avain, lukija.ArvonRivi, arvo, k.luku != nullptr);
    }
    lukija.HuomaaLoppu(loppu);
    fclose(f);
    return true;
}
