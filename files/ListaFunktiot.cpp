// The load list and the font-width file.
//
// Players add their own planes and textures by editing the load list, so the
// section procedure meets broken lists: every field is cut at its own
// delimiter, a field that runs into a '>', a '#' or the end of the text is
// no entry, and nothing is read past the text or written past a field.
#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"

#include "files/LukuHuomiot.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

enum { LISTAN_PUSKURI = 99999, FONTIN_RIVI = 15, FONTIN_RIVEJA = 257 };

// A new string of the bytes [alku, alku + n), at most POLUN_PITUUS of them.
char* Kopioi(const char* alku, size_t n) {
    if (n > POLUN_PITUUS) n = POLUN_PITUUS;
    char* s = new char[n + 1];
    memcpy(s, alku, n);
    s[n] = '\0';
    return s;
}

char* Tyhja() {
    char* s = new char[1];
    s[0] = '\0';
    return s;
}

// The field that starts at p and ends at `loppu`. Returns the position of the
// delimiter, or nullptr when a '>', a '#', `kielletty` or the end of the text
// comes first: the entry is not well formed.
const char* EtsiKentanLoppu(const char* p, char loppu, char kielletty) {
    for (; *p; p++) {
        if (*p == loppu) return p;
        if (*p == '>' || *p == '#' || (kielletty && *p == kielletty)) return nullptr;
    }
    return nullptr;
}

// atoi of one widths line, kept within int (atoi itself has no defined result
// past it, and a player's file may hold anything).
int LueKokonaisluku(const char* s, int rivi, LUKUHUOMIOT* huomiot) {
    char* loppu = nullptr;
    long arvo = strtol(s, &loppu, 10);
    int tulos = arvo > INT_MAX ? INT_MAX : arvo < INT_MIN ? INT_MIN : (int)arvo;
    if (huomiot) {
        if (loppu == s) {
            huomiot->Lisaa(LEVEYS_EI_LUKU, rivi, s);
        } else {
            while (*loppu == ' ' || *loppu == '\t' || *loppu == '\r') loppu++;
            if (*loppu) huomiot->Lisaa(LEVEYS_LOPUSSA_TEKSTIA, rivi, s).Arvo = tulos;
            if (tulos != arvo) huomiot->Lisaa(LEVEYS_YLI_INT, rivi, s).Arvo = tulos;
        }
    }
    return tulos;
}

// Lines of the places of a text met in order, counted once (a section of
// thousands of entries is counted in one pass).
struct RIVIT {
    const char* kohta;
    int rivi = 1;
    int Rivi(const char* p) {
        for (; kohta < p; kohta++)
            if (*kohta == '\n') rivi++;
        return rivi;
    }
};

// The line from `p` to its end (its first 80 characters), for the findings.
std::string Rivin(const char* p) {
    const char* loppu = p;
    while (*loppu && *loppu != '\n' && *loppu != '\r' && loppu - p < 80) loppu++;
    return std::string(p, loppu);
}

// A section keyword meant as a heading stands alone on its line; the first
// occurrence wins, so one inside a remark before the section takes its place.
void HuomaaOsio(const char* teksti, RIVIT& rivit, const char* alku, size_t pituus,
                const char* sulku, LUKUHUOMIOT& huomiot) {
    int rivi = rivit.Rivi(alku);
    const char* jalkeen = alku + pituus;
    bool yksin = (alku == teksti || alku[-1] == '\n') &&
                 (*jalkeen == '\0' || *jalkeen == '\n' || *jalkeen == '\r');
    if (!yksin) {
        const char* rivinAlku = alku;
        while (rivinAlku > teksti && rivinAlku[-1] != '\n') rivinAlku--;
        huomiot.Lisaa(OSIO_RIVIN_KESKELLA, rivi, Rivin(rivinAlku));
    }
    if (!sulku) huomiot.Lisaa(OSIO_EI_SULJETTU, rivi);
}

// Fields cut at POLUN_PITUUS characters.
void HuomaaKentat(RIVIT& rivit, const char* kentta, const char* loppu1, const char* loppu2,
                  LUKUHUOMIOT& huomiot) {
    size_t pituus1 = (size_t)(loppu1 - kentta);
    size_t pituus2 = loppu2 ? (size_t)(loppu2 - loppu1 - 1) : 0;
    size_t pisin = pituus1 > pituus2 ? pituus1 : pituus2;
    if (pisin > POLUN_PITUUS)
        huomiot.Lisaa(OSIO_KENTTA_PITKA, rivit.Rivi(kentta)).Arvo = (long long)pisin;
}

} // namespace

bool LataaLista(const char* polku, char*& teksti, LUKUHUOMIOT* huomiot) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) {
        if (huomiot) huomiot->Lisaa(TIEDOSTO_EI_AUKEA).Arvo = errno;
        return false;
    }
    char* puskuri = new char[LISTAN_PUSKURI];
    int n = 0;
    bool ff = false;
    while (n < LISTAN_PUSKURI - 1) {
        int c = LueTekstiMerkki(f);
        if (c == EOF || c == 0xFF) {
            ff = c == 0xFF;
            break;
        }
        puskuri[n++] = (char)c;
    }
    puskuri[n] = '\0';
    if (huomiot) {
        int rivi = RiviKohdassa(puskuri, puskuri + n);
        if (ff) huomiot->Lisaa(LISTA_FF, rivi);
        if (!ff && n == LISTAN_PUSKURI - 1 && LueTekstiMerkki(f) != EOF)
            huomiot->Lisaa(LISTA_PITKA, rivi);
    }
    fclose(f);
    teksti = puskuri;
    return true;
}

bool LataaFontinLeveydet(const char* polku, int* leveydet, LUKUHUOMIOT* huomiot) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) {
        if (huomiot) huomiot->Lisaa(TIEDOSTO_EI_AUKEA).Arvo = errno;
        return false;
    }
    // A line longer than its 15 characters leaves the stream failed: that line
    // gives the value of its first 15 characters and every later one 0, as the
    // widths files have always been read.
    bool epaonnistunut = false;
    bool kerrottu = false; // the missing lines have been reported (findings only)
    for (int i = 0; i < FONTIN_RIVEJA; i++) {
        char rivi[FONTIN_RIVI + 1];
        int n = 0;
        bool puuttuu = false; // the file has ended before this line
        if (!epaonnistunut) {
            for (;;) {
                int c = LueTekstiMerkki(f);
                if (c == EOF && n == 0) puuttuu = true;
                if (c == EOF || c == '\n') break;
                if (n == FONTIN_RIVI) {
                    epaonnistunut = true;
                    if (huomiot) huomiot->Lisaa(LEVEYS_RIVI_PITKA, i + 1);
                    break;
                }
                rivi[n++] = (char)c;
            }
        }
        rivi[n] = '\0';
        if (puuttuu && huomiot && !kerrottu) {
            huomiot->Lisaa(LEVEYS_RIVEJA_PUUTTUU).Arvo = i;
            kerrottu = true;
        }
        leveydet[i] = LueKokonaisluku(rivi, i + 1, puuttuu || epaonnistunut ? nullptr : huomiot);
    }
    fclose(f);
    return true;
}

void LISTAN_OSIO::Vapauta(bool nimetKin) {
    for (int i = 0; i < Maara; i++) {
        if (Tiedostot) delete[] Tiedostot[i];
        if (Nimet && nimetKin) delete[] Nimet[i];
    }
    delete[] Tiedostot;
    delete[] Nimet;
    Maara = 0;
    Tiedostot = nullptr;
    Nimet = nullptr;
}

void LueListanOsio(const char* teksti, const char* avain, bool kaksiKenttaa, LISTAN_OSIO& osio,
                   LUKUHUOMIOT* huomiot) {
    osio = LISTAN_OSIO{};
    if (huomiot) huomiot->OsionRivit.clear();
    if (!teksti || !avain || !*avain) return;
    const char* alku = strstr(teksti, avain);
    if (!alku) {
        if (huomiot) huomiot->Lisaa(OSIO_PUUTTUU, 0, avain);
        return;
    }

    // The entry count is the '>' up to the closing '#'; a list that never closes
    // the section counts to its end.
    const char* sulku = strchr(alku, '#');
    RIVIT rivit{teksti};
    if (huomiot) HuomaaOsio(teksti, rivit, alku, strlen(avain), sulku, *huomiot);
    if (!sulku) sulku = alku + strlen(alku);
    int n = 0;
    for (const char* p = alku; p < sulku; p++)
        if (*p == '>') n++;
    if (n == 0) return;

    osio.Maara = n;
    osio.Tiedostot = new char*[n];
    osio.Nimet = kaksiKenttaa ? new char*[n] : nullptr;

    const char* p = alku;
    for (int i = 0; i < n; i++) {
        osio.Tiedostot[i] = nullptr;
        if (osio.Nimet) osio.Nimet[i] = nullptr;
        // The next entry starts at a '>' of this section; entries that were
        // counted but cannot be found stay empty.
        while (p < sulku && *p != '>') p++;
        if (p < sulku) {
            const char* kentta = p + 1;
            const char* loppu1 =
                EtsiKentanLoppu(kentta, kaksiKenttaa ? '=' : ';', kaksiKenttaa ? ';' : 0);
            const char* loppu2 = nullptr;
            if (loppu1 && kaksiKenttaa) loppu2 = EtsiKentanLoppu(loppu1 + 1, ';', '=');
            const char* puolipiste = kaksiKenttaa ? loppu2 : loppu1;
            if (huomiot) huomiot->OsionRivit.push_back(rivit.Rivi(p));
            if (puolipiste) {
                osio.Tiedostot[i] = Kopioi(kentta, (size_t)(loppu1 - kentta));
                if (osio.Nimet) osio.Nimet[i] = Kopioi(loppu1 + 1, (size_t)(loppu2 - loppu1 - 1));
                if (huomiot) HuomaaKentat(rivit, kentta, loppu1, loppu2, *huomiot);
                // The character right after the ';' is never looked at.
                p = puolipiste + 1;
                if (*p == '>' && huomiot) huomiot->Lisaa(OSIO_KIINNI, rivit.Rivi(p), Rivin(p));
                if (*p) p++;
            } else {
                // Not an entry: go on from the next character, so that a later
                // well-formed entry of the section is still found.
                if (huomiot) huomiot->Lisaa(OSIO_VIALLINEN, rivit.Rivi(p), Rivin(p));
                p = kentta;
            }
        } else if (huomiot) {
            huomiot->OsionRivit.push_back(0);
            huomiot->Lisaa(OSIO_KADONNUT, rivit.Rivi(sulku));
        }
        if (!osio.Tiedostot[i]) osio.Tiedostot[i] = Tyhja();
        if (osio.Nimet && !osio.Nimet[i]) osio.Nimet[i] = Tyhja();
    }
}

bool OsionPolku(const char* kansio, const char* tiedosto, char (&polku)[POLUN_PITUUS + 1]) {
    int n = snprintf(polku, sizeof polku, "%s\\%s", kansio, tiedosto);
    if (n >= 0 && (size_t)n < sizeof polku) return true;
    polku[0] = '\0';
    return false;
}

void LataaListanOsio(const char* avain, bool kaksiKenttaa, LISTAN_OSIO& osio) {
    osio = LISTAN_OSIO{};
    char* teksti = nullptr;
    if (!LataaLista(LATAUSLISTA, teksti)) return;
    LueListanOsio(teksti, avain, kaksiKenttaa, osio);
    delete[] teksti;
}
