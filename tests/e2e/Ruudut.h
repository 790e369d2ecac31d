// Where the game's screens put their menu items, laid out with the game's own
// text layout and the data set's font (PELIAJO::Paikka), for the scenarios
// that drive the real game.
#pragma once

#include "PeliAjo.h"
#include "shell/Kuori.h"

#include <string>
#include <vector>

inline const std::vector<KAPPALE>& PaavalikonTekstit() {
    static const std::vector<KAPPALE> t = {{"Take wing", 0},       {"Options", 1},
                                           {"Video setup", 2},     {"Hall of Fame", 3},
                                           {"Lue t\xE4m\xE4!", 4}, {"Quit", 5}};
    return t;
}
enum { TAKE_WING, OPTIONS, VIDEO_SETUP, HALL_OF_FAME, LUE_TAMA, QUIT };

inline SUORAKULMIO Valikko(PELIAJO& p, int kohta) {
    return p.Paikka(PaavalikonTekstit(), (size_t)kohta, 640, 512, KESKI, 1.0);
}

// "Back to main menu" of the summary, the hall of fame and the read-me screen.
inline SUORAKULMIO TakaisinVasemmalla(PELIAJO& p) {
    return p.Paikka({{"Back to main menu", 0}}, 0, 0, 0, ALA_VASEN, 0.75);
}

// The options screen with game type `tyyppi` shown: items 0 plane, 1 game type,
// 2 back.
inline SUORAKULMIO Asetuskohta(PELIAJO& p, int tyyppi, int kohta) {
    std::vector<KAPPALE> t = {{"Change the aeroplane", 0},
                              {"Game type ", 1},
                              {PELITYYPIT[tyyppi], 1},
                              {"Back to main menu", 3}};
    static const size_t KAPPALEET[3] = {0, 2, 3};
    return p.Paikka(t, KAPPALEET[kohta], 640, 512, KESKI, 0.75);
}

// The name grid of the game-over screen, as it lays it out.
inline std::vector<KAPPALE> Ruudukko() {
    std::vector<KAPPALE> k = {{" ", 0}};
    for (int r = 1; r <= 14; r++) k.push_back({NimiRuudukonRivi(r), r});
    k.push_back({"space  ", 15});
    k.push_back({"  clear", 15});
    return k;
}

// Types one character by clicking it on the grid.
inline void Kirjoita(PELIAJO& p, char c) {
    std::vector<KAPPALE> k = Ruudukko();
    for (int r = 1; r <= 14; r++) {
        const char* rivi = NimiRuudukonRivi(r);
        for (int i = 0; rivi[i]; i++)
            if (rivi[i] == c) {
                p.KlikkaaKohtaa(p.Paikka(k, (size_t)r, 640, 512, KESKI, 0.6, i));
                return;
            }
    }
}

inline SUORAKULMIO Yhteenvetoon(PELIAJO& p) {
    return p.Paikka({{"To the summary", 0}}, 0, 640, 0, ALA_KESKI, 0.75);
}
