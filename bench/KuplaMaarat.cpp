// How many bubbles real Survivor flights hold: the scripted pilot's seeded
// one-minute flights (seeds 1..N, 100 by default), the live bubbles counted after
// every update, so that the frame benchmark's scenes (200 and 1000 live bubbles)
// are known to be typical or worst. Logic only, no window:
//
//   tavio_kuplamaarat [-o FILE] [FLIGHTS]
//
// prints the median, the 99th percentile and the largest count over all the
// updates flown, the same of each flight's largest, and how the flights ended;
// FILE gets them as "key=value" lines for the performance report.
#include "PeliTila.h"
#include "SurvivorLento.h"
#include "TestiApu.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

double Osuus(std::vector<int>& v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    size_t i = (size_t)(p * (double)(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

} // namespace

int main(int argc, char** argv) {
    const char* ulos = nullptr;
    int opt;
    while ((opt = getopt(argc, argv, "o:")) != -1)
        if (opt == 'o') ulos = optarg;
    const int lentoja = optind < argc ? atoi(argv[optind]) : 100;
    if (lentoja < 1) {
        fprintf(stderr, "usage: %s [-o FILE] [FLIGHTS]\n", argv[0]);
        return 2;
    }
    if (chdir(KoontiKansio().c_str()) != 0) {
        fprintf(stderr, "no build folder %s\n", KoontiKansio().c_str());
        return 1;
    }
    LENTOKELLO kello;
    srand(1);
    PELI p;
    p.AlustaSisalto(800, 600, false);

    const int RUUTUJA = 3600; // a minute at sixty updates a second
    std::vector<int> kaikki, suurimmat;
    kaikki.reserve((size_t)lentoja * RUUTUJA);
    int loput[3] = {}, poimittu = 0;
    for (int siemen = 1; siemen <= lentoja; siemen++) {
        int suurin = 0;
        SURVIVORLENTO l = LennaSurvivor(p, (unsigned)siemen, RUUTUJA, [&](const PELI& t) {
            const int n = ElaviaKuplia(t);
            kaikki.push_back(n);
            suurin = std::max(suurin, n);
        });
        suurimmat.push_back(suurin);
        loput[l.loppu]++;
        poimittu += l.kuplia;
    }
    const double med = Osuus(kaikki, 0.5), p99 = Osuus(kaikki, 0.99), max = Osuus(kaikki, 1);
    printf("Live bubbles in %d seeded one-minute Survivor flights of the scripted pilot\n",
           lentoja);
    printf("  over all %zu updates flown: median %.0f, 99th percentile %.0f, largest %.0f\n",
           kaikki.size(), med, p99, max);
    printf("  each flight's largest: median %.0f, 99th percentile %.0f, largest %.0f\n",
           Osuus(suurimmat, 0.5), Osuus(suurimmat, 0.99), Osuus(suurimmat, 1));
    printf("  flights that ran the minute out %d, met a wrong bubble %d, the ground %d; "
           "%.1f bubbles picked a flight\n",
           loput[AIKA_LOPPUI], loput[VAARA_KUPLA], loput[MAAHAN], (double)poimittu / lentoja);
    if (ulos) {
        FILE* f = fopen(ulos, "a");
        if (f) {
            fprintf(f, "kuplat.lentoja=%d\nkuplat.mediaani=%g\nkuplat.p99=%g\nkuplat.suurin=%g\n",
                    lentoja, med, p99, max);
            fprintf(f, "kuplat.lennon_suurin_mediaani=%g\n", Osuus(suurimmat, 0.5));
            fclose(f);
        }
    }
    p.Vapauta();
    return 0;
}
