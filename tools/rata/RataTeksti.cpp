// Race tracks as text and as the bytes of a track file.
#include "tools/rata/RataTeksti.h"

#include "shell/Kuori.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

bool Sama(const char* s, double x) {
    double y = strtod(s, nullptr);
    return y == x && std::signbit(y) == std::signbit(x);
}

// The fewest digits that read back to the same double, without an exponent
// where the number is of a size a track holds.
std::string Luku(double x) {
    char s[400];
    if (x == 0 || (std::fabs(x) >= 1e-4 && std::fabs(x) < 1e15)) {
        for (int desimaalit = 0; desimaalit <= 20; desimaalit++) {
            snprintf(s, sizeof s, "%.*f", desimaalit, x);
            if (Sama(s, x)) return s;
        }
    }
    for (int tarkkuus = 1; tarkkuus <= 17; tarkkuus++) {
        snprintf(s, sizeof s, "%.*g", tarkkuus, x);
        if (Sama(s, x)) break;
    }
    return s;
}

std::vector<std::string> Sanat(const std::string& rivi) {
    std::vector<std::string> sanat;
    size_t i = 0;
    while (i < rivi.size()) {
        while (i < rivi.size() && isspace((unsigned char)rivi[i])) i++;
        size_t alku = i;
        while (i < rivi.size() && !isspace((unsigned char)rivi[i])) i++;
        if (i > alku) sanat.push_back(rivi.substr(alku, i - alku));
    }
    return sanat;
}

} // namespace

std::string RataTekstiksi(const std::vector<RATAKUPLA>& kuplat, const std::string& nimi) {
    std::string s =
        "# The Tavio race track " + nimi + ": " + std::to_string(kuplat.size()) +
        " bubbles, flown through in this order.\n"
        "# One bubble a line: x y z boost. x, y, z in world units (y up, the ground\n"
        "# at 0; a flight starts at -100 100 0 heading +z). The boost is added to the\n"
        "# plane's speed when the bubble is reached (1.2 x boost, world units a step).\n"
        "# '#' starts a remark. Make the track file with: tavio-track build THIS OUT.dat\n";
    for (const RATAKUPLA& k : kuplat)
        s += Luku(k.x) + " " + Luku(k.y) + " " + Luku(k.z) + " " + Luku(k.vauhti) + "\n";
    return s;
}

bool RataTekstista(const std::string& teksti, const std::string& nimi,
                   std::vector<RATAKUPLA>& kuplat, std::vector<std::string>& virheet) {
    kuplat.clear();
    virheet.clear();
    size_t alku = 0;
    for (int rivi = 1; alku < teksti.size(); rivi++) {
        size_t loppu = teksti.find('\n', alku);
        if (loppu == std::string::npos) loppu = teksti.size();
        std::string r = teksti.substr(alku, loppu - alku);
        alku = loppu + 1;
        size_t risuaita = r.find('#');
        if (risuaita != std::string::npos) r.resize(risuaita);
        std::vector<std::string> sanat = Sanat(r);
        if (sanat.empty()) continue;
        const std::string paikka = nimi + ":" + std::to_string(rivi) + ": ";
        if (sanat.size() != 4) {
            virheet.push_back(paikka + "expected 4 numbers (x y z boost), found " +
                              std::to_string(sanat.size()));
            continue;
        }
        double arvot[4];
        bool ok = true;
        for (int i = 0; i < 4; i++) {
            const char* s = sanat[i].c_str();
            char* jalkeen = nullptr;
            errno = 0;
            arvot[i] = strtod(s, &jalkeen);
            if (jalkeen == s || *jalkeen) {
                virheet.push_back(paikka + "\"" + sanat[i] + "\" is not a number");
                ok = false;
            } else if (!std::isfinite(arvot[i])) {
                virheet.push_back(paikka + "\"" + sanat[i] +
                                  "\" is not a finite number (the game ends the track before it)");
                ok = false;
            }
        }
        if (!ok) continue;
        if (kuplat.size() == RADAN_KUPLAT) {
            virheet.push_back(paikka + "bubble 201: a track holds at most 200 bubbles");
            continue;
        }
        kuplat.push_back(RATAKUPLA{arvot[0], arvot[1], arvot[2], arvot[3]});
    }
    if (kuplat.empty() && virheet.empty())
        virheet.push_back(nimi + ": no bubbles (a race of none ends at once)");
    return virheet.empty();
}

std::string RadanTavut(const std::vector<RATAKUPLA>& kuplat) {
    std::string tavut;
    auto lisaa = [&tavut](unsigned long long bitit, int n) {
        for (int i = 0; i < n; i++) tavut += (char)((bitit >> (8 * i)) & 0xFF);
    };
    lisaa((unsigned long long)(unsigned)kuplat.size(), 4);
    for (const RATAKUPLA& k : kuplat) {
        for (double v : {k.x, k.y, k.z, k.vauhti}) {
            unsigned long long bitit;
            memcpy(&bitit, &v, sizeof bitit);
            lisaa(bitit, 8);
        }
    }
    return tavut;
}

std::vector<RATAKUPLA> RataTavuina(const std::string& tavut, LUKUHUOMIOT& huomiot) {
    std::unique_ptr<RATA> rata(new RATA);
    RataTavuista((const Uint8*)tavut.data(), tavut.size(), *rata, &huomiot);
    std::vector<RATAKUPLA> kuplat;
    for (int i = 0; i < rata->pituus; i++) {
        const SIJAINTI& s = rata->kuplat[i].Sijainti;
        kuplat.push_back(RATAKUPLA{s.x, s.y, s.z, rata->boostit[i]});
    }
    return kuplat;
}
