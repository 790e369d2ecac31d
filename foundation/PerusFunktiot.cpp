#include "foundation/PerusFunktiot.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int Sattuma(int a, int b) {
    // The 15-bit range of the generator is part of the game: a range wider than
    // 32768 values only ever reaches a + 32767. The sum is taken in 64 bits so that
    // no range can overflow.
    long long leveys = (long long)b - (long long)a + 1;
    if (leveys <= 0) return a;
    long long r = rand() & 0x7FFF;
    return (int)((long long)a + r % leveys);
}

char* LukuSanaksi(int n) {
    static char teksti[16];
    snprintf(teksti, sizeof teksti, "%d", n);
    return teksti;
}

namespace {

// Drops trailing zeros of a decimal fraction, and the point when nothing is left.
void PoistaLoppunollat(char* s) {
    char* piste = strchr(s, '.');
    if (!piste) return;
    char* loppu = s + strlen(s) - 1;
    while (loppu > piste && *loppu == '0') *loppu-- = '\0';
    if (loppu == piste) *piste = '\0';
}

// x rounded to `numerot` significant digits, in plain decimal notation.
void Merkitsevat(double x, int numerot, char* ulos, int koko) {
    char e[64];
    snprintf(e, sizeof e, "%.*e", numerot - 1, x);
    // e is "[-]d.ddde[+-]XX": take the sign, the digits and the exponent.
    const char* p = e;
    bool negatiivinen = (*p == '-');
    if (negatiivinen) p++;
    char numerorivi[40];
    int n = 0;
    for (; *p && *p != 'e'; p++)
        if (*p >= '0' && *p <= '9' && n < 39) numerorivi[n++] = *p;
    numerorivi[n] = '\0';
    int eksponentti = (*p == 'e') ? atoi(p + 1) : 0;

    char tulos[96];
    int t = 0;
    if (negatiivinen) tulos[t++] = '-';
    if (eksponentti >= 0) {
        for (int i = 0; i <= eksponentti && t < 90; i++) tulos[t++] = i < n ? numerorivi[i] : '0';
        if (eksponentti + 1 < n) {
            tulos[t++] = '.';
            for (int i = eksponentti + 1; i < n && t < 94; i++) tulos[t++] = numerorivi[i];
        }
    } else {
        tulos[t++] = '0';
        tulos[t++] = '.';
        for (int i = 0; i < -eksponentti - 1 && t < 60; i++) tulos[t++] = '0';
        for (int i = 0; i < n && t < 94; i++) tulos[t++] = numerorivi[i];
    }
    tulos[t] = '\0';
    PoistaLoppunollat(tulos);
    snprintf(ulos, koko, "%s", tulos);
}

} // namespace

void LukuSanaksi(double x, int desimaalit, char* ulos, int koko) {
    if (desimaalit < 0) desimaalit = 0;
    if (desimaalit > 15) desimaalit = 15;
    if (!std::isfinite(x) || x == 0.0) {
        snprintf(ulos, koko, "0");
        return;
    }
    double a = std::fabs(x);
    int k = -2;
    for (int i = -1; i <= 19; i++) {
        if (std::pow(10.0, i) <= a && a < std::pow(10.0, i + 1)) {
            k = i;
            break;
        }
    }
    if (k == -2 && a < 0.1) {
        // Smaller than the significant-digit rule covers: the same number of
        // decimals in fixed notation, so a value near zero reads "0" or "0.05".
        char t[64];
        snprintf(t, sizeof t, "%.*f", desimaalit, x);
        PoistaLoppunollat(t);
        snprintf(ulos, koko, "%s", strcmp(t, "-0") == 0 ? "0" : t);
        return;
    }
    if (k == -2) {
        // 10^20 and beyond: exponent form with as many digits as the decimals ask.
        char t[64];
        snprintf(t, sizeof t, "%.*e", desimaalit, x);
        char* e = strchr(t, 'e');
        char eksponentti[16];
        snprintf(eksponentti, sizeof eksponentti, "%s", e);
        *e = '\0';
        PoistaLoppunollat(t);
        snprintf(ulos, koko, "%s%s", t, eksponentti);
        return;
    }
    int numerot = desimaalit + k + 1;
    if (numerot > 17) numerot = 17;
    Merkitsevat(x, numerot, ulos, koko);
}

char* LukuSanaksi(double x, int desimaalit) {
    static char teksti[64];
    LukuSanaksi(x, desimaalit, teksti, sizeof teksti);
    return teksti;
}

namespace {

bool OnNumero(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double TekstiLuvuksi(const char* teksti, const char** loppu) {
    if (loppu) *loppu = teksti;
    if (!teksti) return 0;
    const char* p = teksti;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) p++;
    const char* alku = p;
    if (*p == '+' || *p == '-') p++;
    bool numeroita = false;
    while (OnNumero(*p)) p++, numeroita = true;
    if (*p == '.') {
        p++;
        while (OnNumero(*p)) p++, numeroita = true;
    }
    if (!numeroita) return 0;
    // An exponent counts only with digits: "2e" is 2.
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') e++;
        if (OnNumero(*e)) {
            while (OnNumero(*e)) e++;
            p = e;
        }
    }
    if (loppu) *loppu = p;
    // strtod of exactly the accepted characters, so that it cannot go on into
    // a form of its own.
    char lyhyt[128];
    size_t n = (size_t)(p - alku);
    if (n < sizeof lyhyt) {
        memcpy(lyhyt, alku, n);
        lyhyt[n] = '\0';
        return strtod(lyhyt, nullptr);
    }
    char* pitka = new char[n + 1];
    memcpy(pitka, alku, n);
    pitka[n] = '\0';
    double arvo = strtod(pitka, nullptr);
    delete[] pitka;
    return arvo;
}
