// Replays fuzz inputs without libFuzzer: every file of the folders named on the
// command line goes to the target once, in name order. A crash or a sanitizer
// report fails the run; so does finding no file at all.
//   tavio_toisto_<target> folder...
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

bool Lue(const std::string& polku, std::vector<uint8_t>& tavut) {
    FILE* f = fopen(polku.c_str(), "rb");
    if (!f) return false;
    tavut.clear();
    uint8_t lohko[65536];
    size_t n;
    while ((n = fread(lohko, 1, sizeof lohko, f)) > 0) tavut.insert(tavut.end(), lohko, lohko + n);
    fclose(f);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int ajettu = 0;
    for (int a = 1; a < argc; a++) {
        std::vector<std::string> nimet;
        if (DIR* d = opendir(argv[a])) {
            while (dirent* e = readdir(d))
                if (e->d_name[0] != '.') nimet.push_back(e->d_name);
            closedir(d);
        }
        std::sort(nimet.begin(), nimet.end());
        for (const std::string& nimi : nimet) {
            std::string polku = std::string(argv[a]) + "/" + nimi;
            struct stat s;
            if (stat(polku.c_str(), &s) != 0 || !S_ISREG(s.st_mode)) continue;
            std::vector<uint8_t> tavut;
            if (!Lue(polku, tavut)) {
                fprintf(stderr, "cannot read %s\n", polku.c_str());
                return 1;
            }
            printf("%s (%zu bytes)\n", polku.c_str(), tavut.size());
            fflush(stdout);
            LLVMFuzzerTestOneInput(tavut.data(), tavut.size());
            ajettu++;
        }
    }
    printf("%d inputs replayed\n", ajettu);
    return ajettu > 0 ? 0 : 1;
}
