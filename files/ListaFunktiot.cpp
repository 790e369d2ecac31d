// The load list and the font-width file.
//
// Players add their own planes and textures by editing the load list, so the
// section procedure meets broken lists: every field is cut at its own
// delimiter, a field that runs into a '>', a '#' or the end of the text is
// no entry, and nothing is read past the text or written past a field.
#include "files/TiedostoFunktiot.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

const char* const LATAUSLISTA = "Tiedostot\\LatausLista.txt";
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
int LueKokonaisluku(const char* s) {
    long arvo = strtol(s, nullptr, 10);
    if (arvo > INT_MAX) return INT_MAX;
    if (arvo < INT_MIN) return INT_MIN;
    return (int)arvo;
}

} // namespace

bool LataaLista(const char* polku, char*& teksti) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return false;
    char* puskuri = new char[LISTAN_PUSKURI];
    int n = 0;
    while (n < LISTAN_PUSKURI - 1) {
        int c = LueTekstiMerkki(f);
        if (c == EOF || c == 0xFF) break;
        puskuri[n++] = (char)c;
    }
    puskuri[n] = '\0';
    fclose(f);
    teksti = puskuri;
    return true;
}

bool LataaFontinLeveydet(const char* polku, int* leveydet) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) return false;
    // A line longer than its 15 characters leaves the stream failed: that line
    // gives the value of its first 15 characters and every later one 0, as the
    // widths files have always been read.
    bool epaonnistunut = false;
    for (int i = 0; i < FONTIN_RIVEJA; i++) {
        char rivi[FONTIN_RIVI + 1];
        int n = 0;
        if (!epaonnistunut) {
            for (;;) {
                int c = LueTekstiMerkki(f);
                if (c == EOF || c == '\n') break;
                if (n == FONTIN_RIVI) {
                    epaonnistunut = true;
                    break;
                }
                rivi[n++] = (char)c;
            }
        }
        rivi[n] = '\0';
        leveydet[i] = LueKokonaisluku(rivi);
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

void LueListanOsio(const char* teksti, const char* avain, bool kaksiKenttaa, LISTAN_OSIO& osio) {
    osio = LISTAN_OSIO{};
    if (!teksti || !avain || !*avain) return;
    const char* alku = strstr(teksti, avain);
    if (!alku) return;

    // The entry count is the '>' up to the closing '#'; a list that never closes
    // the section counts to its end.
    const char* sulku = strchr(alku, '#');
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
            if (puolipiste) {
                osio.Tiedostot[i] = Kopioi(kentta, (size_t)(loppu1 - kentta));
                if (osio.Nimet) osio.Nimet[i] = Kopioi(loppu1 + 1, (size_t)(loppu2 - loppu1 - 1));
                // The character right after the ';' is never looked at.
                p = puolipiste + 1;
                if (*p) p++;
            } else {
                // Not an entry: go on from the next character, so that a later
                // well-formed entry of the section is still found.
                p = kentta;
            }
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
