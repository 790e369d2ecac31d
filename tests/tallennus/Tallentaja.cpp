// Saves the settings file and the seven score files over and over through the
// game's own save functions, in the working folder: versions alku + 1,
// alku + 2, ... of each in turn. After each save it writes "<file> <version>"
// on a line of its own to stdout, so that a test that kills it at a random
// moment knows which version of each file was last saved whole.
//   tavio_tallentaja [rounds [alku]]      (rounds 0 or none: until killed)
#include "apu/TallennusVersiot.h"

#include <cstdlib>
#include <unistd.h>

int main(int argc, char** argv) {
    unsigned long kierroksia = argc > 1 ? strtoul(argv[1], nullptr, 10) : 0;
    unsigned alku = argc > 2 ? (unsigned)strtoul(argv[2], nullptr, 10) : 0;
    for (unsigned long kierros = 1; kierroksia == 0 || kierros <= kierroksia; kierros++) {
        unsigned k = alku + (unsigned)kierros;
        for (int i = 0; i < TALLENNETTAVIA; i++) {
            std::string polku = TallennusPolku(i);
            bool ok = i == 0 ? TallennaAsetukset(polku.c_str(), AsetusVersio(k))
                             : PisteVersio(i, k).Tallenna(polku.c_str());
            char rivi[64];
            int n = snprintf(rivi, sizeof rivi, "%s%d %u\n", ok ? "" : "fail ", i, k);
            if (write(1, rivi, (size_t)n) != n || !ok) return 1;
        }
    }
    return 0;
}
