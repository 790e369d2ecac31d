// Readers of the game's content files and the safe writer of its saved files.
//
// Paths are written as the data files and the game write them, with a backslash
// ("Tiedostot\Muu Data\Setup.sav"); AvaaTiedosto and JarjestelmanPolku map them to
// this platform's separator, and nothing else in the game touches separators.
#pragma once

#include <SDL_types.h>
#include <cstddef>
#include <cstdio>

// What a reader fell back on (files/LukuHuomiot.h): the content checker passes a
// record to the readers below, the game passes none, and the readers do the same
// either way.
struct LUKUHUOMIOT;

// Longest path and load-list field the game keeps (characters, without the NUL).
enum { POLUN_PITUUS = 511 };
// Longest name an object or plane file can give (characters; the field holds a NUL more).
enum { NIMEN_PITUUS = 98 };
// Longest real path of a file once its folder is put in front (without the NUL).
enum { JARJESTELMAN_POLUN_PITUUS = 4095 };

// Where the files live. A game path is relative to the folder that holds
// Tiedostot. Started from that folder (and until start-up says otherwise), the
// working directory is that folder and the saves lie in "Tiedostot\Muu Data", so
// every path is used exactly as written. An installed game instead names the
// data folder, and the player's own folder for the saves, once at start-up.
//
// The saves are the files of "Tiedostot\Muu Data" whose names end in ".sav"
// (Setup.sav, Pisteet1.sav .. Pisteet7.sav) and the race ghosts HaamuA.dat ..
// HaamuF.dat; every other file, the race tracks in the same folder included, is
// content and is read from the data folder.
bool OnkoTallenne(const char* polku);
// `data`: the folder that holds Tiedostot ("" for the working directory).
// `tallenteet`: the folder of the saves ("" for "Tiedostot\Muu Data" of the data
// folder); nullptr when the player has no folder for them: nothing is then read
// from or saved to a save's path. A folder given here is created (mode 0700,
// missing parents too) when a save is first written into it.
void AsetaTiedostojenPaikka(const char* data, const char* tallenteet);

// The real path of a game path, into `ulos`: the folder in front as set above,
// this platform's separator. An absolute path is kept as it is. False when it
// does not fit in `koko` (the path is then cut, and names another file) or when
// it names a save and there is no folder for saves.
bool JarjestelmanPolku(const char* polku, char* ulos, size_t koko);
// fopen of a game path; nullptr for a path longer than POLUN_PITUUS.
FILE* AvaaTiedosto(const char* polku, const char* tila);

// Reads one character as a text-mode stream gives it: a carriage return right
// before a line feed is dropped, so files saved on any platform read the same.
// EOF at the end.
int LueTekstiMerkki(FILE* f);

// Writes the bytes to `polku` so that the old file is replaced only by a complete
// new one: a temporary file of this process in the same folder, every write
// checked, synced, then renamed over the old, and the folder synced. On any
// failure the old file is untouched, the temporary file is gone and false is
// returned. A file the player has made read-only is left alone (false), and the
// new file keeps the old one's permissions.
bool TallennaTurvallisesti(const char* polku, const void* tavut, size_t maara);

// ---- Load list and font widths --------------------------------------------

// Reads the whole text file (at most 99998 characters, up to a byte 0xFF) into a
// new buffer of 99999 characters, NUL-terminated. False, and `teksti` untouched,
// when the file cannot be opened. The caller owns the buffer (delete[]).
bool LataaLista(const char* polku, char*& teksti, LUKUHUOMIOT* huomiot = nullptr);

// Reads 257 integer lines (line 1 the font sheet's side, then the widths of glyphs
// 0..255) as atoi reads them; missing lines give 0. False, and the array untouched,
// when the file cannot be opened.
bool LataaFontinLeveydet(const char* polku, int* leveydet, LUKUHUOMIOT* huomiot = nullptr);

// The entries of one section of the load list.
struct LISTAN_OSIO {
    int Maara = 0;              // entries
    char** Tiedostot = nullptr; // file names, owned
    char** Nimet = nullptr;     // names (two-field sections), owned; nullptr otherwise

    // Releases the lists. With `nimetKin` false the names are left alone, for
    // tables that have taken them over.
    void Vapauta(bool nimetKin);
};

// The section procedure on a text already in memory: finds the first `avain`,
// counts the '>' up to the next '#', then reads that many entries (file name '='
// name ';' when `kaksiKenttaa`, else file name ';'). Every entry of the result is
// a string (empty where the text held no well-formed entry); nothing is read past
// the text.
void LueListanOsio(const char* teksti, const char* avain, bool kaksiKenttaa, LISTAN_OSIO& osio,
                   LUKUHUOMIOT* huomiot = nullptr);
// The same from "Tiedostot\LatausLista.txt"; no entries when the list cannot be read.
void LataaListanOsio(const char* avain, bool kaksiKenttaa, LISTAN_OSIO& osio);

// "<kansio>\<tiedosto>" into `polku`. False, and `polku` empty (a path that
// opens nothing), when it does not fit: cut, it would name another file.
bool OsionPolku(const char* kansio, const char* tiedosto, char (&polku)[POLUN_PITUUS + 1]);

// The table of a two-field section: one record per entry, set up by
// T::Alusta("<kansio>\<file>", name), which takes the name over. Every entry
// keeps its slot, loaded or not, so later indices stay true. nullptr for none.
template <typename T, typename N>
T* LataaOsionTaulukko(const char* avain, const char* kansio, N& maara) {
    LISTAN_OSIO osio;
    LataaListanOsio(avain, true, osio);
    maara = (N)osio.Maara;
    T* taulu = osio.Maara > 0 ? new T[osio.Maara] : nullptr;
    for (int i = 0; i < osio.Maara; i++) {
        char polku[POLUN_PITUUS + 1];
        OsionPolku(kansio, osio.Tiedostot[i], polku);
        taulu[i].Alusta(polku, osio.Nimet[i]);
    }
    osio.Vapauta(false);
    return taulu;
}

// ---- Images and models ----------------------------------------------------

// A decoded image.
struct KUVADATA {
    unsigned char* Pikselit = nullptr; // RGB(A) rows in file order (new[]; the holder frees it)
    Uint16 Leveys = 0, Korkeus = 0;    // pixels
    Uint8 TavuaPikselia = 0;           // 3 or 4

    void Vapauta() {
        delete[] Pikselit;
        *this = KUVADATA{};
    }
};

// A model's flat triangle list.
struct MALLIN_KOLMIOT {
    float* Verteksit = nullptr;             // x, y, z per vertex (new[])
    float* TekstuuriKoordinaatit = nullptr; // u, v per vertex (new[])
    Uint16 VerteksienMaara = 0;             // 3 per triangle

    void Vapauta() {
        delete[] Verteksit;
        delete[] TekstuuriKoordinaatit;
        *this = MALLIN_KOLMIOT{};
    }
};

// Decodes a 24- or 32-bit true-colour TGA (types 2 and 10) as RGB(A), rows in
// file order; the old pixels are freed. False, image unchanged, when the file
// cannot be opened or is of a refused kind.
bool LataaTGA(const char* polku, KUVADATA& k, LUKUHUOMIOT* huomiot = nullptr);
bool LueTGA(FILE* f, KUVADATA& k, LUKUHUOMIOT* huomiot = nullptr);

// Reads a 3DS mesh into a flat triangle list; the old arrays are freed. False,
// list unchanged, when the file cannot be opened.
bool Lataa3DS(const char* polku, MALLIN_KOLMIOT& m, LUKUHUOMIOT* huomiot = nullptr);
bool Lue3DS(FILE* f, MALLIN_KOLMIOT& m, LUKUHUOMIOT* huomiot = nullptr);

// ---- Keyword files (object and plane files) -------------------------------

// Steps through "#KEY;" entries and their "> value" lines the way the object and
// plane files are written. Running out of file leaves the reader failed, and a
// failed reader reads nothing more; a key or a line too long for its field is
// cut or skipped, never a reason to lose the entries after it.
struct AVAINLUKIJA {
    FILE* f = nullptr;
    bool Virhe = false; // failed (the file has ended): reads nothing more
    bool Loppu = false; // the last read ended at the end of the file (what it read counts)
    LUKUHUOMIOT* Huomiot = nullptr;   // findings for the content checker; none in the game
    int Rivi = 1;                     // line of the next character
    int AvaimenRivi = 0;              // line of the last key's '#'
    int ArvonRivi = 0;                // line of the last value's '>'
    const char* ViimeAvain = nullptr; // the last key read (the caller's buffer)

    // Skips up to and including the next `merkki`, at most `enintaan` characters.
    // True when it was found; at the end of the file the reader fails.
    bool OhitaMerkkiin(char merkki, int enintaan);
    // Reads up to `erotin` (consumed, not stored) into `ulos` of `koko` bytes.
    // Fails at the end of the file; false, with the koko - 1 characters read
    // kept and the rest left unread, when they come without it.
    bool LueErottimeen(char* ulos, int koko, char erotin);
    // Next keyword: skip to '#', read to ';'. A keyword longer than 98 characters
    // is no keyword: it comes back empty, and the next search for '#' starts
    // right after the 98 characters. False when the reader has failed.
    bool LueAvain(char avain[99]);
    // Value of a keyword: skip to '>' (at most 99 characters), read the rest of
    // the line, cut at its first ';' and at 98 characters; the whole line is
    // consumed however long it is. False, with an empty value, when there is no
    // '>' within reach (the reader goes on from there) or the reader has failed.
    bool LueArvo(char arvo[99]);
    // For the checker, after the reading loop: a file that ended without
    // END_OF_FILE, and the keys after it that are never read (this reads on to
    // the end of the file). Nothing without Huomiot.
    void HuomaaLoppu(bool loppuLuettu);
    // LueTekstiMerkki, counting the lines.
    int Merkki();
};

// The field a key of a keyword file fills: a name (cut to NIMEN_PITUUS) or a
// number (read with TekstiLuvuksi); neither for a key the reader does not know.
struct AVAIMEN_KENTTA {
    char* teksti = nullptr;
    double* luku = nullptr;
};

// Reads a keyword file (an object or plane file): for every key up to
// END_OF_FILE, `kentta(avain)` names the field its value fills. A file that
// never says END_OF_FILE ends at its end with what was read so far; a key with
// no '>' within reach keeps its field as it was. False, with nothing read, when
// the file cannot be opened.
bool LueAvaintiedosto(const char* polku, LUKUHUOMIOT* huomiot,
                      AVAIMEN_KENTTA (*kentta)(const char* avain, void* tila), void* tila);

// Opens a content file for binary reading and hands it to `lue` (which gives
// whether it read it); closed after. False, with the reason noted for the
// checker, when it cannot be opened.
template <typename F> bool LueAvattu(const char* polku, LUKUHUOMIOT* huomiot, F lue);

// ---- Definitions of the templates above ------------------------------------

void HuomaaEiAukea(LUKUHUOMIOT* huomiot);

template <typename F> bool LueAvattu(const char* polku, LUKUHUOMIOT* huomiot, F lue) {
    FILE* f = AvaaTiedosto(polku, "rb");
    if (!f) {
        HuomaaEiAukea(huomiot);
        return false;
    }
    const bool ok = lue(f);
    fclose(f);
    return ok;
}
