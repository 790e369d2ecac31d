#include "graphics/2DGrafiikkaFunktiot.h"

#include "graphics/GrafiikkaMoottori.h"

void KUVA::Alusta(const char* nimi, float leveys, float korkeus, float u, float v, float du,
                  float dv) {
    TekstuuriNimi = nimi;
    Leveys = leveys;
    Korkeus = korkeus;
    U0 = u;
    V0 = v;
    U1 = u + du;
    V1 = v + dv;
    Vari = VARI{};
}

void GRAFIIKKA::LisaaKuva(KUVA& k, double x, double y, double koko, VARI vari) {
    Uint32 tekstuuri = EtsiTekstuuri(k.TekstuuriNimi);
    if (tekstuuri != EI_INDEKSIA) k.TekstuuriIndeksi = tekstuuri;
    JonoonKuva(k, x, y, koko, vari);
}

void GRAFIIKKA::JonoonKuva(const KUVA& k, double x, double y, double koko, const VARI& vari) {
    // A full buffer drops the image for this frame rather than writing past it.
    if (!Kuvat || KuvienMaara >= KUVAPUSKURI) return;
    KUVA& kopio = Kuvat[KuvienMaara++];
    kopio = k;
    kopio.X = (float)x;
    kopio.Y = (float)y;
    kopio.Leveys = (float)(k.Leveys * koko);
    kopio.Korkeus = (float)(k.Korkeus * koko);
    kopio.Vari = vari;
}

void GRAFIIKKA::PoistaKuva() {
    if (KuvienMaara > 0) KuvienMaara--;
}
