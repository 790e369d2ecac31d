#include "graphics/GrafiikkaMoottori.h"

void GRAFIIKKA::AlustaPuskurit() {
    if (!Objektit) Objektit = new OBJEKTI*[OBJEKTIPUSKURI];
    if (!Kuvat) Kuvat = new KUVA[KUVAPUSKURI];
    ObjektienMaara = 0;
    KuvienMaara = 0;
    if (KameroidenMaara == 0) {
        LisaaKamera(KAMERA{});
        KytkeKamera(0);
    }
}

void GRAFIIKKA::Vapauta() {
    for (Uint32 i = 0; i < MallienMaara; i++) Mallit[i].Vapauta();
    for (Uint32 i = 0; i < TekstuurienMaara; i++) Tekstuurit[i].Vapauta();
    delete[] Mallit;
    delete[] Tekstuurit;
    delete[] Objektit;
    delete[] Kuvat;
    delete[] Kamerat;
    delete[] Fontit;
    *this = GRAFIIKKA{};
}
