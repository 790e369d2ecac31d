// The content checker's walk through the data folder, in the order the game
// loads it: the models, the textures, the font and the pointer (the graphics
// engine), the scenery, the planes, the blowers, the bubbles and their sounds,
// the music, and the six race tracks that each race start reads.
#include "tools/tarkistin/Tarkistin.h"

#include "files/Sisalto.h"
#include "files/TiedostoFunktiot.h"
#include "graphics/GrafiikkaMoottori.h"
#include "shell/Komentorivi.h"
#include "shell/Kuori.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

// The turn control's range: the flight step holds it within +-90 degrees.
const double SUURIN_KAANTO = 90;
// The flight step's speed limit (world units a step), and the reach of a race
// bubble (world units).
const double SUURIN_NOPEUS = 100;
const double KISAKUPLAN_SADE = KUPLAN_ULOTTUMA * KISAKUPLAN_SKAALA;

const char* const OBJEKTIN_AVAIMET[] = {"3D_MALLI", "TEKSTUURI", nullptr};
const char* const LENNOKIN_AVAIMET[] = {"PP",           "3D_MALLI", "TEKSTUURI",       "MASSA",
                                        "MASSAJAKAUMA", "SIIPIALA", "AERODYNAAMISUUS", nullptr};

std::string Polku(const char* pelinPolku) {
    char polku[POLUN_PITUUS + 1];
    JarjestelmanPolku(pelinPolku, polku, sizeof polku);
    return polku;
}

LOYDOS Loydos(const std::string& tiedosto, int rivi, const std::string& vika,
              const std::string& seuraus) {
    LOYDOS l;
    l.Tiedosto = tiedosto;
    l.Rivi = rivi;
    l.Vika = vika;
    l.Seuraus = seuraus;
    return l;
}

// One entry of a load-list section and what became of its file.
struct MERKINTA {
    std::string Tiedosto, Nimi;
    int Rivi = 0;
    bool Luettu = false; // the file was read (and not refused)
    int Leveys = 0, Korkeus = 0;
};

struct TAULUT {
    std::vector<MERKINTA> Mallit, Tekstuurit, Koneet;
};

// Reads a section's entries and each file they name, as LataaOsionTaulukko and
// LataaPPt do, with the readers telling what they fell back on.
std::vector<MERKINTA> LueOsio(TARKISTUS& t, const char* teksti, const char* avain,
                              const char* kansio, TIEDOSTON_LAJI laji) {
    const std::string lista = Polku(LATAUSLISTA);
    LUKUHUOMIOT h;
    LISTAN_OSIO osio;
    LueListanOsio(teksti, avain, laji != LAJI_LENNOKKI, osio, &h);
    LisaaHuomiot(t, lista, TIEDOSTON_ROOLI{LAJI_LISTA, ""}, h);
    std::vector<MERKINTA> merkinnat;
    for (int i = 0; i < osio.Maara; i++) {
        MERKINTA m;
        m.Tiedosto = osio.Tiedostot[i];
        m.Nimi = osio.Nimet ? osio.Nimet[i] : "";
        m.Rivi = i < (int)h.OsionRivit.size() ? h.OsionRivit[i] : 0;
        merkinnat.push_back(m);
    }
    osio.Vapauta(true);

    for (MERKINTA& m : merkinnat) {
        TIEDOSTON_ROOLI rooli{laji, m.Nimi};
        bool kerrottu = false; // the load list's line already has its finding
        for (const LUKUHUOMIO& lh : h.Huomiot)
            kerrottu = kerrottu || (lh.Rivi == m.Rivi && lh.Laji != OSIO_RIVIN_KESKELLA);
        if (m.Tiedosto.empty()) {
            if (!kerrottu && m.Rivi > 0)
                t.Loydokset.push_back(Loydos(lista, m.Rivi, "an entry with no file name",
                                             "the game finds no file for it"));
            continue;
        }
        char polku[POLUN_PITUUS + 1];
        if (!OsionPolku(kansio, m.Tiedosto.c_str(), polku)) {
            LUKUHUOMIOT pitka;
            pitka.Lisaa(OSIO_POLKU_PITKA, m.Rivi).Arvo =
                (long long)(strlen(kansio) + 1 + m.Tiedosto.size());
            LisaaHuomiot(t, lista, rooli, pitka);
            continue;
        }
        if (laji == LAJI_LENNOKKI) continue; // the planes are read after the scenery
        LUKUHUOMIOT f;
        if (laji == LAJI_TEKSTUURI) {
            KUVADATA kuva;
            m.Luettu = LataaTGA(polku, kuva, &f);
            m.Leveys = kuva.Leveys;
            m.Korkeus = kuva.Korkeus;
            kuva.Vapauta();
        } else if (laji == LAJI_MALLI) {
            MALLIN_KOLMIOT malli;
            m.Luettu = Lataa3DS(polku, malli, &f);
            malli.Vapauta();
        }
        // A file that is not there is told at its line of the load list.
        if (!f.Huomiot.empty() && f.Huomiot[0].Laji == TIEDOSTO_EI_AUKEA) {
            std::string vika = Polku(polku).substr(strlen("Tiedostot/"));
            vika += f.Huomiot[0].Arvo == ENOENT ? " is missing" : " cannot be read";
            if (m.Tiedosto.find_first_of(" \t") != std::string::npos)
                vika += " (the name " + Lainaus(m.Tiedosto) + " keeps its spaces)";
            t.Loydokset.push_back(Loydos(lista, m.Rivi, vika, IlmanTiedostoa(rooli)));
            m.Luettu = false;
            continue;
        }
        LisaaHuomiot(t, Polku(polku), rooli, f);
        if (laji == LAJI_MALLI) {
            for (const LUKUHUOMIO& lh : f.Huomiot)
                if (lh.Laji == MALLI_TYHJA) m.Luettu = false;
        }
    }
    return merkinnat;
}

// The same name twice: the game uses the last texture and the first model.
void TarkistaNimet(TARKISTUS& t, const std::vector<MERKINTA>& taulu, bool viimeinenVoittaa,
                   const char* mika) {
    for (size_t i = 0; i < taulu.size(); i++) {
        for (size_t j = i + 1; j < taulu.size(); j++) {
            if (taulu[i].Nimi != taulu[j].Nimi || taulu[i].Nimi.empty()) continue;
            const MERKINTA& hylatty = viimeinenVoittaa ? taulu[i] : taulu[j];
            const MERKINTA& voittaja = viimeinenVoittaa ? taulu[j] : taulu[i];
            t.Loydokset.push_back(
                Loydos(Polku(LATAUSLISTA), hylatty.Rivi,
                       std::string(mika) + " name " + Lainaus(hylatty.Nimi) + " is given on line " +
                           std::to_string(voittaja.Rivi) + " too",
                       "the game uses the file of line " + std::to_string(voittaja.Rivi) +
                           " and never draws this one"));
            break;
        }
    }
}

std::vector<std::string> Nimet(const std::vector<MERKINTA>& taulu) {
    std::vector<std::string> nimet;
    for (const MERKINTA& m : taulu) nimet.push_back(m.Nimi);
    return nimet;
}

// The renderer's tables with the names only, for its own name lookups.
struct NIMITAULUT {
    GRAFIIKKA g;
    explicit NIMITAULUT(const TAULUT& taulut) {
        g.MallienMaara = (Uint32)taulut.Mallit.size();
        g.Mallit = new MALLI3D[g.MallienMaara];
        for (Uint32 i = 0; i < g.MallienMaara; i++)
            g.Mallit[i].Nimi = strdup(taulut.Mallit[i].Nimi.c_str());
        g.TekstuurienMaara = (Uint32)taulut.Tekstuurit.size();
        g.Tekstuurit = new TEKSTUURI[g.TekstuurienMaara];
        for (Uint32 i = 0; i < g.TekstuurienMaara; i++)
            g.Tekstuurit[i].Nimi = strdup(taulut.Tekstuurit[i].Nimi.c_str());
    }
    ~NIMITAULUT() {
        for (Uint32 i = 0; i < g.MallienMaara; i++) free(g.Mallit[i].Nimi);
        for (Uint32 i = 0; i < g.TekstuurienMaara; i++) free(g.Tekstuurit[i].Nimi);
        delete[] g.Mallit;
        delete[] g.Tekstuurit;
    }
};

// The last line a key's value was read from, or 0.
int AvaimenRivi(const LUKUHUOMIOT& h, const char* avain) {
    int rivi = 0;
    for (const LUETTU_AVAIN& a : h.Avaimet)
        if (a.Avain == avain) rivi = a.Rivi;
    return rivi;
}

// What an object or a plane makes of its file: unknown keys with the key they
// were probably meant to be, missing and repeated keys, and names that resolve
// to no model or texture.
void TarkistaAvaimet(TARKISTUS& t, const std::string& tiedosto, const LUKUHUOMIOT& h,
                     const char* const* avaimet, const std::string& kuka, const OBJEKTI& runko,
                     const TAULUT& taulut, const NIMITAULUT& nimet) {
    for (const char* const* a = avaimet; *a; a++) {
        const std::string avain = *a;
        std::vector<int> rivit;
        for (const LUETTU_AVAIN& a : h.Avaimet)
            if (a.Avain == avain) rivit.push_back(a.Rivi);
        if (rivit.empty()) {
            std::string seuraus = avain == "PP"          ? "the menus show no name for the plane"
                                  : avain == "3D_MALLI"  ? kuka + " is not drawn"
                                  : avain == "TEKSTUURI" ? kuka + " is drawn untextured"
                                                         : "the game reads 0";
            t.Loydokset.push_back(Loydos(tiedosto, 0, "no key " + avain, seuraus));
        }
        for (size_t i = 0; i + 1 < rivit.size(); i++)
            t.Loydokset.push_back(
                Loydos(tiedosto, rivit[i],
                       "key " + avain + " is given again on line " + std::to_string(rivit.back()),
                       "the game uses the value of line " + std::to_string(rivit.back())));
    }
    // Names: the model's first match and the texture's last, as the renderer looks them up.
    const struct {
        const char* avain;
        bool loytyi;
        const char *mika, *nimi, *osio, *kaava;
        const std::vector<MERKINTA>& taulu;
        std::string seuraus;
    } haut[] = {
        {"3D_MALLI", nimet.g.EtsiMalli(runko.MalliNimi) != EI_INDEKSIA, "model", runko.MalliNimi,
         "3D_MALLIT", "3D Mallit/%s.3ds", taulut.Mallit, kuka + " is not drawn"},
        {"TEKSTUURI", nimet.g.EtsiTekstuuri(runko.TekstuuriNimi) != EI_INDEKSIA, "texture",
         runko.TekstuuriNimi, "TEKSTUURIT", "Tekstuurit/%s.tga", taulut.Tekstuurit,
         kuka + " is drawn untextured"},
    };
    for (const auto& n : haut) {
        int rivi = AvaimenRivi(h, n.avain);
        if (!rivi || n.loytyi) continue;
        std::string vika = std::string(n.mika) + " " + Lainaus(n.nimi) +
                           " is not in the load list's " + n.osio + Ehdotus(n.nimi, Nimet(n.taulu));
        // A file of that name in the folder is the load-list line forgotten.
        char polku[POLUN_PITUUS + 1];
        snprintf(polku, sizeof polku, n.kaava, n.nimi);
        if (access(("Tiedostot/" + std::string(polku)).c_str(), F_OK) == 0)
            vika += std::string(" (") + polku + " is there: add it to the load list)";
        t.Loydokset.push_back(Loydos(tiedosto, rivi, vika, n.seuraus));
    }
}

void TarkistaObjekti(TARKISTUS& t, const char* pelinPolku, const char* kuka, const TAULUT& taulut,
                     const NIMITAULUT& nimet) {
    OBJEKTI o;
    LUKUHUOMIOT h;
    o.Alusta(pelinPolku, &h);
    const std::string tiedosto = Polku(pelinPolku);
    LisaaHuomiot(t, tiedosto, TIEDOSTON_ROOLI{LAJI_OBJEKTI, kuka, OBJEKTIN_AVAIMET}, h);
    if (!h.Huomiot.empty() && h.Huomiot[0].Laji == TIEDOSTO_EI_AUKEA) return;
    TarkistaAvaimet(t, tiedosto, h, OBJEKTIN_AVAIMET, kuka, o, taulut, nimet);
}

void TarkistaKoneet(TARKISTUS& t, const TAULUT& taulut, const NIMITAULUT& nimet) {
    for (const MERKINTA& m : taulut.Koneet) {
        if (m.Tiedosto.empty()) continue;
        char polku[POLUN_PITUUS + 1];
        if (!OsionPolku(LENNOKKIKANSIO, m.Tiedosto.c_str(), polku)) continue; // told with the list
        std::unique_ptr<PAPERPLANE> p(new PAPERPLANE);
        LUKUHUOMIOT h;
        p->Alusta(polku, &h);
        const std::string tiedosto = Polku(polku);
        if (!h.Huomiot.empty() && h.Huomiot[0].Laji == TIEDOSTO_EI_AUKEA) {
            std::string vika = "PP/" + m.Tiedosto +
                               (h.Huomiot[0].Arvo == ENOENT ? " is missing" : " cannot be read");
            t.Loydokset.push_back(Loydos(Polku(LATAUSLISTA), m.Rivi, vika,
                                         IlmanTiedostoa(TIEDOSTON_ROOLI{LAJI_LENNOKKI, ""})));
            continue;
        }
        LisaaHuomiot(t, tiedosto, TIEDOSTON_ROOLI{LAJI_LENNOKKI, "", LENNOKIN_AVAIMET}, h);
        TarkistaAvaimet(t, tiedosto, h, LENNOKIN_AVAIMET, "the plane", p->body, taulut, nimet);
        // The turn control is the one number of the file that flies: the first
        // flight of a run starts with it, and the step holds it within +-90.
        int rivi = AvaimenRivi(h, "MASSAJAKAUMA");
        if (rivi && std::isfinite(p->massDistribution) &&
            std::fabs(p->massDistribution) > SUURIN_KAANTO) {
            char vika[160];
            snprintf(vika, sizeof vika,
                     "MASSAJAKAUMA %g is outside -90..90 (the turn control, degrees)",
                     p->massDistribution);
            t.Loydokset.push_back(Loydos(tiedosto, rivi, vika,
                                         "the flight step holds it at " +
                                             std::string(p->massDistribution > 0 ? "" : "-") +
                                             "90: the first flight starts in the tightest turn"));
        }
    }
}

// The font: the widths file against the sheet it measures.
void TarkistaFontti(TARKISTUS& t, const TAULUT& taulut) {
    const std::string tiedosto = Polku(LEVEYSTIEDOSTO);
    int leveydet[257] = {};
    LUKUHUOMIOT h;
    bool luettu = LataaFontinLeveydet(LEVEYSTIEDOSTO, leveydet, &h);
    LisaaHuomiot(t, tiedosto, TIEDOSTON_ROOLI{LAJI_LEVEYDET, ""}, h);

    // The last texture of each name, as the renderer finds it.
    const MERKINTA* arkki = nullptr;
    const MERKINTA* osoitin = nullptr;
    for (const MERKINTA& m : taulut.Tekstuurit) {
        if (m.Nimi == FONTIN_TEKSTUURI) arkki = &m;
        if (m.Nimi == OSOITTIMEN_TEKSTUURI) osoitin = &m;
    }
    if (!arkki)
        t.Loydokset.push_back(Loydos(Polku(LATAUSLISTA), 0,
                                     "no texture named " + Lainaus(FONTIN_TEKSTUURI),
                                     "every text is drawn as plain blocks"));
    if (!osoitin)
        t.Loydokset.push_back(Loydos(Polku(LATAUSLISTA), 0,
                                     "no texture named " + Lainaus(OSOITTIMEN_TEKSTUURI),
                                     "the mouse pointer is drawn as a plain block"));
    if (!luettu || !arkki || !arkki->Luettu) return;
    int sivu = leveydet[0];
    if (sivu <= 0)
        t.Loydokset.push_back(Loydos(tiedosto, 1,
                                     "the sheet's side is given as " + std::to_string(sivu),
                                     "the game takes the width of " + arkki->Tiedosto));
    // With the side wrong every width is measured against it: that one finding says it all.
    if (sivu > 0 && (sivu != arkki->Leveys || sivu != arkki->Korkeus)) {
        t.Loydokset.push_back(Loydos(
            tiedosto, 1,
            "the sheet's side is given as " + std::to_string(sivu) + " pixels, " + arkki->Tiedosto +
                " is " + std::to_string(arkki->Leveys) + " x " + std::to_string(arkki->Korkeus),
            "the game takes every width as a share of " + std::to_string(sivu) +
                " pixels: the glyphs are cut too wide or too narrow"));
        return;
    }
    if (sivu <= 0) sivu = arkki->Leveys;
    const int solu = sivu / 16;
    for (int k = 0; k < 256; k++) {
        int w = leveydet[k + 1];
        if (w < 0)
            t.Loydokset.push_back(Loydos(tiedosto, k + 2,
                                         "glyph " + std::to_string(k) + " has a negative width",
                                         "the game draws it 0 pixels wide"));
        if (w > solu)
            t.Loydokset.push_back(Loydos(tiedosto, k + 2,
                                         "glyph " + std::to_string(k) + " is " + std::to_string(w) +
                                             " pixels wide, its cell " + std::to_string(solu),
                                         "the game draws a part of the next glyph with it"));
    }
}

// The music and the sounds, opened as the game opens them (with the mixer on a
// silent audio driver); where no mixer can be opened, only that they are there.
void TarkistaAanet(TARKISTUS& t) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    bool mikseri =
        SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0;
    const struct {
        const char* polku;
        bool musiikki;
        const char* seuraus;
    } aanet[] = {
        {VALIKKOMUSIIKKI, true, "the menus are silent"},
        {LENTOMUSIIKKI, true, "the flights are silent"},
        {AANITIEDOSTOT[AANI_EI_SIJAA], false,
         "a result out of the Top-20 and key 1 in the menus are silent"},
        {AANITIEDOSTOT[AANI_LOPPU], false,
         "the end of a flight and the clearing of the bubbles are silent"},
        {AANITIEDOSTOT[AANI_KOLME], false, "key 3 in the menus plays nothing"},
        {AANITIEDOSTOT[AANI_KUPLA], false,
         "picking the wanted bubble and reaching a race bubble are silent"},
        {AANITIEDOSTOT[AANI_SIJA], false,
         "a result in the Top-20 and key 5 in the menus are silent"},
    };
    for (const auto& a : aanet) {
        const std::string polku = Polku(a.polku);
        if (access(polku.c_str(), R_OK) != 0) {
            t.Loydokset.push_back(
                Loydos(polku, 0, errno == ENOENT ? "missing" : "cannot be read", a.seuraus));
            continue;
        }
        if (!mikseri) continue;
        bool ok;
        if (a.musiikki) {
            Mix_Music* m = Mix_LoadMUS(polku.c_str());
            ok = m != nullptr;
            if (m) Mix_FreeMusic(m);
        } else {
            SDL_RWops* virta = SDL_RWFromFile(polku.c_str(), "rb");
            Mix_Chunk* c = virta ? Mix_LoadWAV_RW(virta, 1) : nullptr;
            ok = c != nullptr;
            if (c) Mix_FreeChunk(c);
        }
        if (!ok)
            t.Loydokset.push_back(Loydos(
                polku, 0, std::string("not a sound the mixer reads (") + Mix_GetError() + ")",
                a.seuraus));
    }
    if (mikseri) Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Bubbles the game takes but no flight can use as meant: a boost past the
// flight step's speed limit, a bubble too deep under the ground to reach.
void TarkistaKuplat(TARKISTUS& t, const std::string& tiedosto, const RATA& rata) {
    for (Sint32 i = 0; i < rata.pituus; i++) {
        const std::string kupla = "bubble " + std::to_string(i + 1);
        char luku[32], kerroin[32];
        snprintf(luku, sizeof luku, "%g", rata.boostit[i]);
        snprintf(kerroin, sizeof kerroin, "%g", KISABOOSTIN_KERROIN);
        if (std::fabs(rata.boostit[i] * KISABOOSTIN_KERROIN) > SUURIN_NOPEUS) {
            LOYDOS l = Loydos(tiedosto, 0,
                              kupla + "'s boost " + luku +
                                  " is beyond the plane's top speed (times " + kerroin + ")",
                              "the flight step holds the speed at 100 units a step");
            l.Kohta = 4 + 32 * i + 24;
            t.Loydokset.push_back(l);
        }
        double y = rata.kuplat[i].Sijainti.y;
        if (y < -KISAKUPLAN_SADE) {
            snprintf(luku, sizeof luku, "%g", -y);
            LOYDOS l = Loydos(tiedosto, 0, kupla + " lies " + luku + " units under the ground",
                              "no flight reaches it: a flight ends at the ground");
            l.Kohta = 4 + 32 * i + 8;
            t.Loydokset.push_back(l);
        }
    }
}

} // namespace

bool KaytaDatakansiota(const char* annettu, std::string& virhe) {
    if (annettu && *annettu) {
        if (chdir(annettu) == 0) return true;
        virhe = std::string(annettu) + ": " + strerror(errno);
        return false;
    }
    // The folder the game would use: TAVIO_DATA, the working directory, beside
    // the installed game, the install prefix. None found: the working
    // directory, which then says what is missing.
    DATAN_PAIKKA paikka = EtsiPelinData(nullptr);
    if (!paikka.loytyi || paikka.tyohakemisto) return true;
    if (chdir(paikka.kansio.c_str()) == 0) return true;
    virhe = paikka.kansio + ": " + strerror(errno);
    return false;
}

TARKISTUS TarkistaData() {
    TARKISTUS t;
    LUKUHUOMIOT h;
    char* teksti = nullptr;
    LataaLista(LATAUSLISTA, teksti, &h);
    LisaaHuomiot(t, Polku(LATAUSLISTA), TIEDOSTON_ROOLI{LAJI_LISTA, ""}, h);

    TAULUT taulut;
    if (teksti) {
        taulut.Mallit = LueOsio(t, teksti, "3D_MALLIT", MALLIKANSIO, LAJI_MALLI);
        taulut.Tekstuurit = LueOsio(t, teksti, "TEKSTUURIT", TEKSTUURIKANSIO, LAJI_TEKSTUURI);
        taulut.Koneet = LueOsio(t, teksti, "PAPERPLANE", LENNOKKIKANSIO, LAJI_LENNOKKI);
        TarkistaNimet(t, taulut.Mallit, false, "model");
        TarkistaNimet(t, taulut.Tekstuurit, true, "texture");
        delete[] teksti;
    }
    TarkistaFontti(t, taulut);

    NIMITAULUT nimet(taulut);
    TarkistaObjekti(t, MUSEON_OBJEKTI, "the museum", taulut, nimet);
    TarkistaObjekti(t, PIHAN_OBJEKTI, "the yard", taulut, nimet);
    TarkistaKoneet(t, taulut, nimet);
    TarkistaObjekti(t, PUHALTAJAN_OBJEKTI, "every blower", taulut, nimet);
    for (int laji = 0; laji < KUPLALAJEJA; laji++) {
        std::string kuka = "bubble kind " + std::to_string(laji);
        if (laji == KISAKUPLAN_LAJI) kuka += " (and every race bubble)";
        TarkistaObjekti(t, KUPLIEN_OBJEKTIT[laji], kuka.c_str(), taulut, nimet);
    }
    TarkistaAanet(t);

    std::unique_ptr<RATA> rata(new RATA);
    for (const char* polku : RATATIEDOSTOT) {
        LUKUHUOMIOT r;
        rata->pituus = 0;
        LataaRata(polku, *rata, &r);
        LisaaHuomiot(t, Polku(polku), TIEDOSTON_ROOLI{LAJI_RATA, ""}, r);
        TarkistaKuplat(t, Polku(polku), *rata);
    }
    return t;
}
