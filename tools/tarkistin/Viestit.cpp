// The checker's messages: each reader finding in the player's words, and the
// findings as text lines or as JSON.
#include "tools/tarkistin/Tarkistin.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const char* const* Loppuun(const char* const* a) {
    while (*a) a++;
    return a;
}

// Edits from a to b (insertions, deletions, substitutions).
size_t Etaisyys(const std::string& a, const std::string& b) {
    std::vector<size_t> rivi(b.size() + 1);
    for (size_t j = 0; j <= b.size(); j++) rivi[j] = j;
    for (size_t i = 1; i <= a.size(); i++) {
        size_t vinoon = rivi[0];
        rivi[0] = i;
        for (size_t j = 1; j <= b.size(); j++) {
            size_t ylla = rivi[j];
            size_t vaihto = vinoon + (a[i - 1] != b[j - 1]);
            rivi[j] = std::min(std::min(rivi[j - 1], ylla) + 1, vaihto);
            vinoon = ylla;
        }
    }
    return rivi[b.size()];
}

std::string Sievaksi(const std::string& s) {
    size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    std::string t = a == std::string::npos ? "" : s.substr(a, b - a + 1);
    for (char& c : t) c = (char)toupper((unsigned char)c);
    return t;
}

std::string Luku(long long n) {
    return std::to_string(n);
}

std::string Heksa(long long n) {
    char s[16];
    snprintf(s, sizeof s, "0x%04llX", n & 0xFFFF);
    return s;
}

} // namespace

std::string IlmanTiedostoa(const TIEDOSTON_ROOLI& r) {
    switch (r.Laji) {
    case LAJI_LISTA:
        return "the game loads no textures, models or planes: the menus work, nothing flies";
    case LAJI_LEVEYDET:
        return "every glyph gets its whole cell, and the text looks spaced out";
    case LAJI_TEKSTUURI:
        return "the texture " + Lainaus(r.Nimi) + " is the magenta and black checkerboard";
    case LAJI_MALLI:
        return "the model " + Lainaus(r.Nimi) + " draws nothing";
    case LAJI_OBJEKTI:
        return r.Nimi + " has no model and no texture: it is not drawn";
    case LAJI_LENNOKKI:
        return "the plane has no name, model or texture: it can be chosen, but is not drawn";
    case LAJI_RATA:
        return "the race keeps the track it had (none at the first race: it ends at once)";
    }
    return "";
}

namespace {

// The message of one finding. `huomautus` is set for what the game reads as
// meant all the same.
void Viesti(const LUKUHUOMIO& h, const TIEDOSTON_ROOLI& r, std::string& vika, std::string& seuraus,
            bool& huomautus) {
    huomautus = false;
    switch (h.Laji) {
    case TIEDOSTO_EI_AUKEA:
        vika = h.Arvo == ENOENT ? "missing"
                                : "cannot be read (" + std::string(strerror((int)h.Arvo)) + ")";
        seuraus = IlmanTiedostoa(r);
        break;

    case LISTA_FF:
        vika = "a byte 0xFF";
        seuraus = "the game reads the list only up to it";
        break;
    case LISTA_PITKA:
        vika = "the list is longer than 99 998 characters";
        seuraus = "the game reads only its first 99 998";
        break;
    case OSIO_PUUTTUU:
        vika = "no section " + h.Teksti;
        seuraus = h.Teksti == "PAPERPLANE" ? "the game has no planes: nothing can fly"
                  : h.Teksti == "TEKSTUURIT"
                      ? "the game has no textures: everything is drawn untextured"
                      : "the game has no models: nothing is drawn in 3D";
        break;
    case OSIO_RIVIN_KESKELLA:
        vika = "the section keyword is first found inside this line: " + Lainaus(h.Teksti);
        seuraus = "the game reads the section from here";
        break;
    case OSIO_EI_SULJETTU:
        vika = "the section has no closing '#'";
        seuraus = "the game counts its entries to the end of the list";
        break;
    case OSIO_VIALLINEN:
        vika = "not an entry (>file=name; or >file;): " + Lainaus(h.Teksti);
        seuraus = "the game keeps an empty entry here, a file that is not found";
        break;
    case OSIO_KIINNI:
        vika = "an entry starts right after the ';' of the one before: " + Lainaus(h.Teksti);
        seuraus =
            "the game skips its '>' and misreads the section (put each entry on its own line)";
        break;
    case OSIO_KADONNUT:
        vika = "an entry counted by its '>' was never found";
        seuraus = "the game keeps an empty entry at the end of the section";
        break;
    case OSIO_KENTTA_PITKA:
        vika = "a field of " + Luku(h.Arvo) + " characters";
        seuraus = "the game cuts it to 511, and it names another file";
        break;
    case OSIO_POLKU_PITKA:
        vika = "the path is " + Luku(h.Arvo) + " characters long";
        seuraus = "the game opens no path over 511 characters: " + IlmanTiedostoa(r);
        break;

    case LEVEYS_RIVEJA_PUUTTUU:
        vika = "the file ends after " + Luku(h.Arvo) + " lines of 257";
        seuraus = "the missing widths are 0: those glyphs are not drawn";
        break;
    case LEVEYS_RIVI_PITKA:
        vika = "a line over 15 characters";
        seuraus = "the game reads its first 15 characters, and 0 for every line after it";
        break;
    case LEVEYS_EI_LUKU:
        vika = "not a number: " + Lainaus(h.Teksti);
        seuraus = "the game reads 0";
        break;
    case LEVEYS_LOPUSSA_TEKSTIA:
        vika = "text after the number: " + Lainaus(h.Teksti);
        seuraus = "the game reads " + Luku(h.Arvo) + " and ignores the rest";
        break;
    case LEVEYS_YLI_INT:
        vika = "a number beyond an int: " + Lainaus(h.Teksti);
        seuraus = "the game reads " + Luku(h.Arvo);
        break;

    case TGA_LYHYT_OTSAKE:
        vika = "only " + Luku(h.Arvo) + " bytes: a TGA header is 18";
        seuraus = IlmanTiedostoa(r);
        break;
    case TGA_VARIKARTTA:
        vika = "a colour-mapped image (colour-map type " + Luku(h.Arvo) +
               "): only true-colour images are read";
        seuraus = IlmanTiedostoa(r);
        break;
    case TGA_SYVYYS:
        vika = Luku(h.Arvo) + " bits a pixel: only 24 and 32 are read";
        seuraus = IlmanTiedostoa(r);
        break;
    case TGA_TYYPPI:
        vika = "image type " + Luku(h.Arvo) + (h.Arvo == 3 || h.Arvo == 11 ? " (grey)" : "") +
               ": only types 2 (uncompressed) and 10 (run-length encoded) are read";
        seuraus = IlmanTiedostoa(r);
        break;
    case TGA_TYHJA:
        vika = "an image of " + Luku(h.Arvo) + " x " + Luku(h.Arvo2) + " pixels";
        seuraus = IlmanTiedostoa(r);
        break;
    case TGA_LIIAN_SUURI:
        vika = Luku(h.Arvo) + " x " + Luku(h.Arvo2) + " pixels: the largest read is 8192 x 8192";
        seuraus = IlmanTiedostoa(r);
        break;
    case TGA_KATKAISTU:
        vika = "the file ends after " + Luku(h.Arvo) + " of its " + Luku(h.Arvo2) + " pixels";
        seuraus = "the game makes the rest black";
        break;
    case TGA_RLE_YLI:
        vika = "a run-length packet runs past the last pixel";
        seuraus = "the game cuts it at the end of the image";
        break;
    case TGA_YLHAALTA:
        vika = "stored top-down (the origin bit is set)";
        seuraus = "the game uses the rows as stored, first row at the bottom: the texture is "
                  "upside down (save it bottom-up)";
        break;

    case MALLI_SAILIO_LYHYT:
        vika = "chunk " + Heksa(h.Arvo) + " says it is " + Luku(h.Arvo2) +
               " bytes long, less than its own header";
        seuraus = "the game reads on into its contents all the same";
        huomautus = true;
        break;
    case MALLI_SAILIO_YLI:
        vika = "the file is cut short: chunk " + Heksa(h.Arvo) + " says it is " + Luku(h.Arvo2) +
               " bytes long, the file holds " + Luku(h.Arvo3) + " from it";
        seuraus = "the game reads what is there";
        break;
    case MALLI_LISTA_LYHYT:
        vika = "chunk " + Heksa(h.Arvo) + " is too short for its " + Luku(h.Arvo2) + " entries";
        seuraus = "the game reads all of them all the same";
        huomautus = true;
        break;
    case MALLI_LISTA_KATKAISTU:
        vika = "chunk " + Heksa(h.Arvo) +
               (h.Arvo2 < 0
                    ? std::string(" has no count before the end of the file")
                    : " counts " + Luku(h.Arvo2) + " entries, the file holds " + Luku(h.Arvo3));
        seuraus = "the game reads the " + Luku(h.Arvo3) + " there are";
        break;
    case MALLI_LOHKO_LYHYT:
        vika = "chunk " + Heksa(h.Arvo) + " says it is " + Luku(h.Arvo2) +
               " bytes long, less than its own header";
        seuraus = "the game stops reading the model here";
        break;
    case MALLI_LOHKO_YLI:
        vika = "chunk " + Heksa(h.Arvo) + " says it is " + Luku(h.Arvo2) +
               " bytes long and ends past the end of the file";
        seuraus = "the game stops reading the model here";
        break;
    case MALLI_LOPPUTAVUT:
        vika = Luku(h.Arvo2) + " bytes after the last chunk, too few for a chunk";
        seuraus = "the game ignores them";
        huomautus = true;
        break;
    case MALLI_MONTA_VERKKOA:
        vika = Luku(h.Arvo2) + " meshes in the file";
        seuraus = "the game draws only the last one (join the objects into one mesh)";
        break;
    case MALLI_PINNAT_POIS:
        vika = Luku(h.Arvo2) + " of " + Luku(h.Arvo3) + " faces name a vertex past the vertex list";
        seuraus = "the game leaves those faces out";
        break;
    case MALLI_EI_KARTTAA:
        vika =
            Luku(h.Arvo2) + " corners have no texture coordinate (no mapping, or too short a one)";
        seuraus = "the game gives them coordinate (0, 0): one colour of the texture";
        break;
    case MALLI_LIIKAA_PINTOJA:
        vika = Luku(h.Arvo2) + " faces: the most a model holds is 21 845";
        seuraus = "the game draws the first 21 845";
        break;
    case MALLI_TYHJA:
        vika = "no face to draw";
        seuraus = "the model " + Lainaus(r.Nimi) + " draws nothing";
        break;

    case AVAIN_KAUKANA:
        vika = "over 1000 characters without a '#'";
        seuraus = "the game takes the text after the 1000th character up to a ';' as a key";
        break;
    case AVAIN_PITKA:
        vika = "a key over 98 characters";
        seuraus =
            "the game takes it for no key and looks for the next '#' after its 98th character";
        break;
    case AVAIN_TUNTEMATON:
        vika = "unknown key " + Lainaus(h.Teksti);
        if (r.Avaimet)
            vika += Ehdotus(h.Teksti, std::vector<std::string>(r.Avaimet, Loppuun(r.Avaimet)));
        seuraus = "the game skips it";
        break;
    case AVAIN_LOPUN_JALKEEN:
        vika = "key " + Lainaus(h.Teksti) + " after END_OF_FILE";
        seuraus = "the game stops at END_OF_FILE and never reads it";
        break;
    case ARVO_EI_NUOLTA:
        vika = "no '>' within 99 characters after key " + Lainaus(h.Teksti);
        seuraus = "the game leaves its field as it was";
        break;
    case ARVO_KATKAISTU:
        vika = "the value of " + Lainaus(h.Teksti) + " is over 98 characters";
        seuraus = "the game cuts it at 98";
        break;
    case ARVO_EI_LUKU:
        vika = "not a number: " + Lainaus(h.Teksti);
        seuraus = "the game reads 0";
        break;
    case ARVO_LOPUSSA_TEKSTIA: {
        char luku[32];
        snprintf(luku, sizeof luku, "%g", h.ArvoLuku);
        vika = "text after the number: " + Lainaus(h.Teksti);
        seuraus = std::string("the game reads ") + luku + " and ignores the rest";
        break;
    }
    case ARVO_AARETON:
        vika = "a number beyond a double: " + Lainaus(h.Teksti);
        seuraus = std::string("the game reads ") + (h.ArvoLuku < 0 ? "minus " : "") + "infinity";
        break;
    case EI_LOPPUA:
        vika = "no END_OF_FILE";
        seuraus = "the game reads to the end of the file";
        break;

    case RATA_LYHYT:
        vika = "only " + Luku(h.Arvo) + " bytes: the count alone is 4";
        seuraus = IlmanTiedostoa(r);
        break;
    case RATA_NEGATIIVINEN:
        vika = "a count of " + Luku(h.Arvo);
        seuraus = "the race has no bubbles and ends at once";
        break;
    case RATA_TYHJA:
        vika = "a count of 0";
        seuraus = "the race has no bubbles and ends at once";
        break;
    case RATA_YLI_200:
        vika = "a count of " + Luku(h.Arvo) + ": a track holds at most 200 bubbles";
        seuraus = "the game reads the first 200";
        break;
    case RATA_VAJAA:
        vika = "the count says " + Luku(h.Arvo) + " bubbles, the file holds " + Luku(h.Arvo2);
        seuraus = "the race has " + Luku(h.Arvo2);
        break;
    case RATA_YLIMAARAISTA:
        vika = Luku(h.Arvo) + " bytes after the bubbles the count names";
        seuraus = "the game never reads them";
        break;
    case RATA_EI_AARELLINEN:
        vika = "bubble " + Luku(h.Arvo + 1) + " holds a number that is not finite";
        seuraus = "the race ends before it, after " + Luku(h.Arvo) +
                  (h.Arvo == 1 ? " bubble" : " bubbles");
        break;
    }
}

// UTF-8 of one Windows-1252 byte.
void LisaaMerkki(std::string& ulos, unsigned char c) {
    static const unsigned short VALI[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    unsigned koodi = (c >= 0x80 && c < 0xA0) ? VALI[c - 0x80] : c;
    if (koodi < 0x80) {
        ulos += (char)koodi;
    } else if (koodi < 0x800) {
        ulos += (char)(0xC0 | (koodi >> 6));
        ulos += (char)(0x80 | (koodi & 0x3F));
    } else {
        ulos += (char)(0xE0 | (koodi >> 12));
        ulos += (char)(0x80 | ((koodi >> 6) & 0x3F));
        ulos += (char)(0x80 | (koodi & 0x3F));
    }
}

bool OnUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size(); i++) {
        unsigned char c = (unsigned char)s[i];
        size_t n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 3;
        if (c >= 0x80 && ((c & 0xC0) == 0x80 || (c & 0xF8) == 0xF8)) return false;
        for (; n > 0; n--)
            if (++i >= s.size() || ((unsigned char)s[i] & 0xC0) != 0x80) return false;
    }
    return true;
}

std::string Utf8(const std::string& s) {
    if (OnUtf8(s)) return s;
    std::string ulos;
    for (char c : s) LisaaMerkki(ulos, (unsigned char)c);
    return ulos;
}

std::string Json(const std::string& s) {
    std::string ulos = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            ulos += '\\';
            ulos += c;
        } else if ((unsigned char)c < 0x20) {
            char e[8];
            snprintf(e, sizeof e, "\\u%04x", c);
            ulos += e;
        } else {
            ulos += c;
        }
    }
    return ulos + "\"";
}

} // namespace

std::string Ehdotus(const std::string& nimi, const std::vector<std::string>& nimet) {
    std::string paras;
    // A slip or two in a long name, one in a short one.
    size_t raja = std::min<size_t>(3, nimi.size() / 4 + 2);
    for (const std::string& n : nimet) {
        if (n == nimi || n.empty()) continue;
        size_t e = Sievaksi(n) == Sievaksi(nimi) ? 0 : Etaisyys(n, nimi);
        if (e < raja) {
            paras = n;
            raja = e;
        }
    }
    return paras.empty() ? "" : " (did you mean " + Lainaus(paras) + "?)";
}

int TARKISTUS::Tila() const {
    for (const LOYDOS& l : Loydokset)
        if (!l.Huomautus) return 1;
    return 0;
}

std::string Lainaus(const std::string& teksti) {
    // Control characters are shown, so that a stray tab or carriage return is seen.
    std::string ulos;
    for (char c : Utf8(teksti)) {
        if (c == '\t')
            ulos += "\\t";
        else if (c == '\r')
            ulos += "\\r";
        else if ((unsigned char)c < 0x20)
            ulos += "?";
        else
            ulos += c;
    }
    return "\"" + ulos + "\"";
}

void LisaaHuomiot(TARKISTUS& t, const std::string& tiedosto, const TIEDOSTON_ROOLI& rooli,
                  const LUKUHUOMIOT& huomiot) {
    for (const LUKUHUOMIO& h : huomiot.Huomiot) {
        LOYDOS l;
        l.Tiedosto = tiedosto;
        l.Rivi = h.Rivi;
        l.Kohta = h.Kohta;
        Viesti(h, rooli, l.Vika, l.Seuraus, l.Huomautus);
        t.Loydokset.push_back(l);
    }
}

std::string LoydosTekstina(const LOYDOS& l) {
    std::string s = Utf8(l.Tiedosto);
    if (l.Rivi > 0) s += ":" + std::to_string(l.Rivi);
    s += ": ";
    if (l.Kohta >= 0) s += "at byte " + std::to_string(l.Kohta) + ": ";
    if (l.Huomautus) s += "note: ";
    return s + l.Vika + " \u2014 " + l.Seuraus;
}

std::string LoydoksetJsonina(const TARKISTUS& t) {
    std::string s = "[";
    for (size_t i = 0; i < t.Loydokset.size(); i++) {
        const LOYDOS& l = t.Loydokset[i];
        s += i ? ",\n " : "\n ";
        s += "{\"file\": " + Json(Utf8(l.Tiedosto));
        s += ", \"line\": " + (l.Rivi > 0 ? std::to_string(l.Rivi) : std::string("null"));
        s += ", \"offset\": " + (l.Kohta >= 0 ? std::to_string(l.Kohta) : std::string("null"));
        s += ", \"severity\": " + Json(l.Huomautus ? "note" : "problem");
        s += ", \"problem\": " + Json(l.Vika) + ", \"game\": " + Json(l.Seuraus) + "}";
    }
    return s + (t.Loydokset.empty() ? "]\n" : "\n]\n");
}
