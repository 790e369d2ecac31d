#include "graphics/TekstuuriFunktiot.h"

#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

#include <GL/glu.h>
#include <cstdio>
#include <cstring>

Uint32 GRAFIIKKA::EtsiTekstuuri(const char* nimi) const {
    Uint32 loytynyt = EI_INDEKSIA;
    if (!nimi) return loytynyt;
    for (Uint32 i = 0; i < TekstuurienMaara; i++)
        if (Tekstuurit[i].Nimi && strcmp(Tekstuurit[i].Nimi, nimi) == 0) loytynyt = i;
    return loytynyt;
}

void TeeKorvikeKuva(TEKSTUURI& t) {
    enum { SIVU = 8 };
    delete[] t.Pikselit;
    t.Pikselit = new unsigned char[SIVU * SIVU * 3];
    for (int y = 0; y < SIVU; y++) {
        for (int x = 0; x < SIVU; x++) {
            // Magenta and black squares: no texture of the game looks like that.
            unsigned char* p = t.Pikselit + (y * SIVU + x) * 3;
            bool vari = ((x / 2) + (y / 2)) % 2 == 0;
            p[0] = vari ? 255 : 0;
            p[1] = 0;
            p[2] = vari ? 255 : 0;
        }
    }
    t.Leveys = SIVU;
    t.Korkeus = SIVU;
    t.TavuaPikselia = 3;
    t.Muoto = GL_RGB;
}

bool TEKSTUURI::LataaKuva(const char* polku) {
    KUVADATA kuva{Pikselit, Leveys, Korkeus, TavuaPikselia};
    if (!LataaTGA(polku, kuva)) return false;
    Pikselit = kuva.Pikselit;
    Leveys = kuva.Leveys;
    Korkeus = kuva.Korkeus;
    TavuaPikselia = kuva.TavuaPikselia;
    Muoto = (TavuaPikselia == 4) ? GL_RGBA : GL_RGB;
    return true;
}

void TEKSTUURI::Alusta(const char* polku, char* nimi) {
    if (!LataaKuva(polku) || !Pikselit) TeeKorvikeKuva(*this);
    if (Nimi != nimi) delete[] Nimi;
    Nimi = nimi;
    NimenTekstuuri = false; // a new name: marked again by the table

    glGenTextures(1, &Tunnus);
    glBindTexture(GL_TEXTURE_2D, Tunnus);
    // The rows are tightly packed: an RGB row of an even width is not a multiple
    // of four bytes, and the default alignment would read past each row.
    GLint kohdistus = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &kohdistus);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, TavuaPikselia, Leveys, Korkeus, Muoto, GL_UNSIGNED_BYTE,
                      Pikselit);
    glPixelStorei(GL_UNPACK_ALIGNMENT, kohdistus);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);

    Peittava = TavuaPikselia == 3;
    delete[] Pikselit;
    Pikselit = nullptr;
}

void GRAFIIKKA::AlustaTekstuuriPuskuri() {
    Tekstuurit = LataaOsionTaulukko<TEKSTUURI>("TEKSTUURIT", TEKSTUURIKANSIO, TekstuurienMaara);
    MerkitseNimet();
}

void TEKSTUURI::Vapauta() {
    if (Tunnus) glDeleteTextures(1, &Tunnus);
    delete[] Nimi;
    delete[] Pikselit;
    *this = TEKSTUURI{};
}
