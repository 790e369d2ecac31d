// The findings record of the content readers.
#include "files/LukuHuomiot.h"

#include "foundation/PerusFunktiot.h"

#include <cmath>

LUKUHUOMIO& LUKUHUOMIOT::Lisaa(LUKUHUOMIO_LAJI laji, int rivi, const std::string& teksti) {
    LUKUHUOMIO h;
    h.Laji = laji;
    h.Rivi = rivi;
    h.Teksti = teksti;
    Huomiot.push_back(h);
    return Huomiot.back();
}

LUKUHUOMIO& LUKUHUOMIOT::LisaaKohtaan(LUKUHUOMIO_LAJI laji, long long kohta, long long arvo,
                                      long long arvo2, long long arvo3) {
    LUKUHUOMIO& h = Lisaa(laji);
    h.Kohta = kohta;
    h.Arvo = arvo;
    h.Arvo2 = arvo2;
    h.Arvo3 = arvo3;
    return h;
}

void LUKUHUOMIOT::Avain(const char* avain, int rivi, const char* arvo, bool luku) {
    LUETTU_AVAIN a;
    a.Avain = avain;
    a.Rivi = rivi;
    a.Arvo = arvo;
    Avaimet.push_back(a);
    if (luku) Luku(rivi, arvo);
}

void LUKUHUOMIOT::Luku(int rivi, const char* arvo) {
    const char* loppu = arvo;
    double luku = TekstiLuvuksi(arvo, &loppu);
    if (loppu == arvo) {
        Lisaa(ARVO_EI_LUKU, rivi, arvo);
        return;
    }
    // Spaces after the number are what a file holds before its ';'.
    while (*loppu == ' ' || *loppu == '\t' || *loppu == '\r') loppu++;
    if (*loppu) Lisaa(ARVO_LOPUSSA_TEKSTIA, rivi, arvo).ArvoLuku = luku;
    if (std::isinf(luku)) Lisaa(ARVO_AARETON, rivi, arvo).ArvoLuku = luku;
}

int RiviKohdassa(const char* teksti, const char* kohta) {
    int rivi = 1;
    for (const char* p = teksti; p < kohta && *p; p++)
        if (*p == '\n') rivi++;
    return rivi;
}
