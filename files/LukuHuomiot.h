// What a content reader met in a file and fell back on, for the content checker
// (tools/tarkistin). The game passes no record (nullptr): its readers then do
// exactly what they always do and tell nobody. The checker passes one and turns
// each finding into a message for the player.
#pragma once

#include <string>
#include <vector>

enum LUKUHUOMIO_LAJI {
    TIEDOSTO_EI_AUKEA, // Arvo: errno of the open

    // Load list (Rivi: the line)
    LISTA_FF,            // a byte 0xFF: the text ends there
    LISTA_PITKA,         // more than 99 998 characters: the text ends there
    OSIO_PUUTTUU,        // Teksti: the section keyword, found nowhere
    OSIO_RIVIN_KESKELLA, // the keyword's first occurrence is inside other text
    OSIO_EI_SULJETTU,    // no '#' after the keyword
    OSIO_VIALLINEN,      // a '>' with no well-formed entry after it; Teksti: its line
    OSIO_KIINNI,         // an entry right after the ';' of the one before: its '>' is skipped
    OSIO_KADONNUT,       // an entry counted but never found (the count's slot stays empty)
    OSIO_KENTTA_PITKA,   // a field over 511 characters; Arvo: its length
    OSIO_POLKU_PITKA,    // folder and file over 511 characters; Arvo: the path's length

    // Font widths (Rivi: the line)
    LEVEYS_RIVEJA_PUUTTUU,  // Arvo: the lines the file has
    LEVEYS_RIVI_PITKA,      // over 15 characters: this line's first 15, every later line 0
    LEVEYS_EI_LUKU,         // Teksti: the line; no digits: 0
    LEVEYS_LOPUSSA_TEKSTIA, // Teksti: the line; Arvo: the value read
    LEVEYS_YLI_INT,         // Teksti: the line; Arvo: the value kept

    // TGA (Kohta: byte offset)
    TGA_LYHYT_OTSAKE, // Arvo: the bytes there are
    TGA_VARIKARTTA,   // Arvo: the colour-map type
    TGA_SYVYYS,       // Arvo: the depth
    TGA_TYYPPI,       // Arvo: the image type
    TGA_TYHJA,        // Arvo, Arvo2: width, height (one of them 0)
    TGA_LIIAN_SUURI,  // Arvo, Arvo2: width, height
    TGA_KATKAISTU,    // Arvo: the pixels the file holds, Arvo2: the pixels of the image
    TGA_RLE_YLI,      // a run-length packet runs past the last pixel
    TGA_YLHAALTA,     // the origin bit says top-down; the rows are used as stored

    // 3DS (Kohta: byte offset of the chunk; Arvo: the chunk id)
    MALLI_SAILIO_LYHYT,    // a container whose length cannot hold its header; Arvo2: length
    MALLI_SAILIO_YLI,      // the first container that ends past the end of the file (a file
                           // cut short); Arvo2: its length, Arvo3: the bytes from it to the end
    MALLI_LISTA_LYHYT,     // a list whose length is too small for its count; Arvo2: count
    MALLI_LISTA_KATKAISTU, // a list whose entries run past the file; Arvo2: count, Arvo3: kept
    MALLI_LOHKO_LYHYT,     // another chunk whose length cannot hold its header; Arvo2: length
    MALLI_LOHKO_YLI,       // another chunk that ends past the end of the file; Arvo2: length
    MALLI_LOPPUTAVUT,      // bytes after the last chunk too few for a header; Arvo2: how many
    MALLI_MONTA_VERKKOA,   // Arvo2: the vertex lists met (only the last of each list counts)
    MALLI_PINNAT_POIS,     // Arvo2: faces dropped (a corner past the vertex list), Arvo3: faces
    MALLI_EI_KARTTAA,      // Arvo2: corners with no texture coordinate
    MALLI_LIIKAA_PINTOJA,  // Arvo2: faces, cut to 21 845
    MALLI_TYHJA,           // no face to draw

    // Keyword files: object and plane files (Rivi: the line)
    AVAIN_KAUKANA,        // no '#' within 1000 characters: a key is read from where that leaves
    AVAIN_PITKA,          // a key over 98 characters: no key
    AVAIN_TUNTEMATON,     // Teksti: the key
    AVAIN_LOPUN_JALKEEN,  // Teksti: a key after END_OF_FILE, never read
    ARVO_EI_NUOLTA,       // Teksti: the key; no '>' within 99 characters: the field keeps its value
    ARVO_KATKAISTU,       // Teksti: the key; the value cut at 98 characters
    ARVO_EI_LUKU,         // Teksti: the value; no number in it: 0
    ARVO_LOPUSSA_TEKSTIA, // Teksti: the value; ArvoLuku: what is read
    ARVO_AARETON,         // Teksti: the value; beyond a double: ArvoLuku is the infinity
    EI_LOPPUA,            // no END_OF_FILE: read to the end of the file

    // Race tracks (Kohta: byte offset)
    RATA_LYHYT,         // under 4 bytes: the track stays as it was
    RATA_NEGATIIVINEN,  // Arvo: the count (below 0): no bubbles
    RATA_TYHJA,         // a count of 0: the race ends at once
    RATA_YLI_200,       // Arvo: the count: the first 200 are read
    RATA_VAJAA,         // Arvo: the count, Arvo2: whole entries in the file
    RATA_YLIMAARAISTA,  // Arvo: bytes after the entries the count names
    RATA_EI_AARELLINEN, // Arvo: the entry (from 0): the track ends before it
};

struct LUKUHUOMIO {
    LUKUHUOMIO_LAJI Laji;
    int Rivi = 0;         // line of a text file (from 1); 0 for the whole file
    long long Kohta = -1; // byte offset in a binary file; -1 for none
    long long Arvo = 0, Arvo2 = 0, Arvo3 = 0;
    double ArvoLuku = 0;
    std::string Teksti;
};

// A key of a keyword file as the reader took it.
struct LUETTU_AVAIN {
    std::string Avain;
    int Rivi = 0;     // the line of its value's '>'
    std::string Arvo; // the value as stored (cut as the reader cuts it)
};

struct LUKUHUOMIOT {
    std::vector<LUKUHUOMIO> Huomiot;
    std::vector<LUETTU_AVAIN> Avaimet; // keys whose value was read, in file order
    std::vector<int> OsionRivit;       // line of each entry of the last load-list section read

    LUKUHUOMIO& Lisaa(LUKUHUOMIO_LAJI laji, int rivi = 0, const std::string& teksti = "");
    LUKUHUOMIO& LisaaKohtaan(LUKUHUOMIO_LAJI laji, long long kohta, long long arvo = 0,
                             long long arvo2 = 0, long long arvo3 = 0);
    // A key whose value was read; a number key's value is checked as below.
    void Avain(const char* avain, int rivi, const char* arvo, bool luku);
    // A number value as TekstiLuvuksi read it: text that gives no number, that
    // goes on after the number, or a number beyond a double.
    void Luku(int rivi, const char* arvo);
};

// The line (from 1) of offset `kohta` in a text.
int RiviKohdassa(const char* teksti, const char* kohta);
