// The bitmap font, text blocks, and their layout into the image buffer with the
// menu's pointer interaction.
#include "graphics/TekstiFunktiot.h"

#include "files/Sisalto.h"

#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"

namespace {

const VARI VALKOINEN{1, 1, 1, 1};
const VARI KOROSTUS{1, 0.5, 1, 1};  // the glyphs of the item under the pointer
const VARI OSOITETTU{1, 0.8, 1, 1}; // the glyph under the pointer in that item
const VARI PUNAINEN{1, 0, 0, 1};    // a plain glyph under a held left button
const int FONTIN_SOLUJA = 16;       // glyph cells per row and column of the sheet

// Adds a glyph image as GRAFIIKKA::LisaaKuva does (the last texture of the name
// wins, a full buffer drops it), but resolves the texture name once per text:
// a glyph sheet has one name, and a long text has thousands of glyphs.
struct MERKKIEN_LISAAJA {
    GRAFIIKKA& g;
    const char* nimi = nullptr;
    Uint32 indeksi = EI_INDEKSIA;

    void Lisaa(KUVA& k, double x, double y, double koko, const VARI& vari) {
        if (k.TekstuuriNimi != nimi || !nimi) {
            nimi = k.TekstuuriNimi;
            indeksi = g.EtsiTekstuuri(nimi);
        }
        if (indeksi != EI_INDEKSIA) k.TekstuuriIndeksi = indeksi;
        g.JonoonKuva(k, x, y, koko, vari);
    }
};

// Lays the text out into the image buffer; with a mouse, also highlights the item
// under the pointer and records its glyph position. Consumes the glyphs.
void Asettele(GRAFIIKKA& g, TEKSTI& t, double x, double y, const HIIRI* hiiri, KESKITYSTAPA tapa,
              int fontti, double s) {
    Uint32 merkkeja =
        t.MerkkienMaara <= (Uint32)TEKSTIN_MERKIT ? t.MerkkienMaara : (Uint32)TEKSTIN_MERKIT;
    t.MerkkienMaara = 0;
    if (!g.Fontit || g.FonttienMaara == 0) return;
    // The game has one font; any other index draws with it.
    if (fontti < 0 || (Uint32)fontti >= g.FonttienMaara) fontti = 0;
    KUVA* kirjaimet = g.Fontit[fontti].Kirjaimet;
    // Alignments past the nine defined ones hang from the top left.
    int a = ((int)tapa >= 0 && (int)tapa <= 8) ? (int)tapa : (int)YLA_VASEN;

    const double h = kirjaimet[0].Korkeus * s;
    int n = t.RivienMaara;
    if (n < 0) n = 0;
    if (n > TEKSTIN_RIVIT) n = TEKSTIN_RIVIT;

    double leveys[TEKSTIN_RIVIT] = {};
    for (Uint32 i = 0; i < merkkeja; i++)
        if (t.Merkit[i].Rivi < TEKSTIN_RIVIT)
            leveys[t.Merkit[i].Rivi] += kirjaimet[t.Merkit[i].Koodi].Leveys * s;
    double vaaka[TEKSTIN_RIVIT];
    for (int L = 0; L < TEKSTIN_RIVIT; L++)
        vaaka[L] = (a % 3 == 0) ? 0.0 : (a % 3 == 1) ? -leveys[L] / 2 : -leveys[L];
    double pysty = (a / 3 == 0) ? -n * h : (a / 3 == 1) ? -n * h / 2 : 0.0;

    MERKKIEN_LISAAJA lisaaja{g};
    double kyna[TEKSTIN_RIVIT] = {};

    // Hover state: the pointer glyph and its piece, or none.
    bool osoitettu = false;
    Uint32 osoitettuMerkki = 0;
    Uint8 osoitettuRivi = 0, osoitettuOsa = 0;
    // Where the current piece began: its first entry, the pen and the image count
    // then, so that a piece can be taken back exactly as it was emitted.
    Uint32 osanAlku = 0;
    double osanKyna = 0;
    Uint32 osanKuvat = g.KuvienMaara;

    const bool nappiPohjassa = hiiri && hiiri->NapinTila(0) == POHJASSA;

    Uint32 i = 0;
    while (i < merkkeja) {
        const TEKSTIN_MERKKI& m = t.Merkit[i];
        const Uint8 L = m.Rivi, P = m.Osa;
        if (L >= TEKSTIN_RIVIT) {
            i++;
            continue;
        }
        if (i == 0 || t.Merkit[i - 1].Rivi != L || t.Merkit[i - 1].Osa != P) {
            osanAlku = i;
            osanKyna = kyna[L];
            osanKuvat = g.KuvienMaara;
        }
        KUVA& kirjain = kirjaimet[m.Koodi];
        const double vasen = x + kyna[L] + vaaka[L];
        const double ala = y + pysty + (n - L - 1) * h;
        const double w = kirjain.Leveys * s;
        kyna[L] += w;

        if (!hiiri) {
            lisaaja.Lisaa(kirjain, vasen, ala, s, VALKOINEN);
            i++;
            continue;
        }

        if (osoitettu && (osoitettuRivi != L || osoitettuOsa != P)) osoitettu = false;

        if (!osoitettu && hiiri->OnkoSisalla(vasen, ala, w, h)) {
            const VARI& vari = nappiPohjassa ? PUNAINEN : VALKOINEN;
            bool kohta = false;
            for (Sint32 j = 0; j < t.KohtienMaara && j < TEKSTIN_KOHDAT; j++) {
                if (t.Kohdat[j].Rivi != L || t.Kohdat[j].Osa != P) continue;
                osoitettu = true;
                osoitettuMerkki = i;
                osoitettuRivi = L;
                osoitettuOsa = P;
                // Take the piece back to its start and emit it again highlighted.
                kyna[L] = osanKyna;
                while (g.KuvienMaara > osanKuvat) g.PoistaKuva();
                t.Kohdat[j].Tila = (Sint32)(i - osanAlku) + 1;
                kohta = true;
                break;
            }
            if (kohta) {
                i = osanAlku;
                continue;
            }
            lisaaja.Lisaa(kirjain, vasen, ala, s, vari);
            i++;
            continue;
        }

        const VARI* vari = &VALKOINEN;
        if (osoitettu) vari = (i == osoitettuMerkki) ? &OSOITETTU : &KOROSTUS;
        lisaaja.Lisaa(kirjain, vasen, ala, s, *vari);
        i++;
    }
}

} // namespace

int MerkkiKoodiksi(unsigned char tavu) {
    // The printable characters of Windows-1252; the rest have no glyph.
    if (tavu >= 0x20 && tavu <= 0x7E) return tavu;
    if (tavu >= 0x82 && tavu <= 0x8C) return tavu;
    if (tavu >= 0x91 && tavu <= 0x9C) return tavu;
    if (tavu == 0x9F) return tavu;
    if (tavu >= 0xA1 && tavu <= 0xAE) return tavu;
    if (tavu >= 0xB0) return tavu;
    return -1;
}

void FONTTI::Alusta(const char* tekstuuri, const char* leveydet, int varaSivu) {
    int arvot[257];
    bool luettu = LataaFontinLeveydet(leveydet, arvot);
    if (varaSivu <= 0) varaSivu = 256;
    int sivu = luettu ? arvot[0] : 0;
    if (sivu <= 0) sivu = varaSivu;
    const float S = (float)sivu;
    for (int k = 0; k < 256; k++) {
        // Without the widths every glyph gets its whole cell.
        float W = luettu ? (float)arvot[k + 1] : S / FONTIN_SOLUJA;
        if (W < 0) W = 0;
        int c = k % FONTIN_SOLUJA;
        int r = FONTIN_SOLUJA - 1 - k / FONTIN_SOLUJA;
        Kirjaimet[k].Alusta(tekstuuri, S * (W / S), S * 0.0625f, c / 16.0f, r / 16.0f, W / S,
                            0.0625f);
    }
}

void TEKSTI::Alku() {
    MerkkienMaara = 0;
    RivienMaara = 0;
    KohtienMaara = 0;
    for (Sint32& n : OsienMaara) n = 0;
}

void TEKSTI::Lisaa(const char* teksti, int rivi, bool valittava) {
    if (rivi < 0 || rivi >= TEKSTIN_RIVIT) return;
    if (rivi + 1 > RivienMaara) RivienMaara = rivi + 1;
    Sint32 osa = OsienMaara[rivi];
    // Counted even when dropped, and held at the limit so it never wraps.
    if (OsienMaara[rivi] <= RIVIN_OSAT) OsienMaara[rivi]++;
    if (osa >= RIVIN_OSAT) return;
    if (teksti) {
        for (const unsigned char* p = (const unsigned char*)teksti; *p; p++) {
            int koodi = MerkkiKoodiksi(*p);
            if (koodi < 0) continue;
            if (MerkkienMaara >= TEKSTIN_MERKIT) break;
            Merkit[MerkkienMaara++] = TEKSTIN_MERKKI{(Uint8)koodi, (Uint8)rivi, (Uint8)osa};
        }
    }
    if (valittava && KohtienMaara < TEKSTIN_KOHDAT)
        Kohdat[KohtienMaara++] = TEKSTIN_KOHTA{-1, (Uint8)rivi, (Uint8)osa};
}

Sint32 TEKSTI::ValittuKohta(unsigned n) const {
    if (KohtienMaara < 0 || n >= (unsigned)KohtienMaara || n >= TEKSTIN_KOHDAT) return -1;
    return Kohdat[n].Tila;
}

void GRAFIIKKA::AlustaFontit() {
    delete[] Fontit;
    FonttienMaara = 1;
    Fontit = new FONTTI[1];
    // Without a widths file the sheet's own size stands for its side.
    int sivu = 256;
    Uint32 arkki = EtsiTekstuuri(FONTIN_TEKSTUURI);
    if (arkki != EI_INDEKSIA && Tekstuurit[arkki].Leveys > 0) sivu = Tekstuurit[arkki].Leveys;
    Fontit[0].Alusta(FONTIN_TEKSTUURI, LEVEYSTIEDOSTO, sivu);
}

void GRAFIIKKA::TulostaTeksti(TEKSTI& t, double x, double y, HIIRI hiiri, KESKITYSTAPA tapa,
                              int fontti, double koko) {
    Asettele(*this, t, x, y, &hiiri, tapa, fontti, koko);
}

void GRAFIIKKA::TulostaTeksti(TEKSTI& t, double x, double y, KESKITYSTAPA tapa, int fontti,
                              double koko) {
    Asettele(*this, t, x, y, nullptr, tapa, fontti, koko);
}
