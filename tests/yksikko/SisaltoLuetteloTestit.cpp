// The generator's manifest, which the build takes for its output and the install
// installs from: it names every file the generator wrote and nothing the game
// saved there, and a run that fails leaves none behind.
#include "apu/TestiApu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Generaattori() {
    return KoontiKansio() + "/tools/sisalto/tavio_sisalto";
}

int Aja(const std::string& argumentit) {
    std::string komento = "'" + Generaattori() + "' " + argumentit + " >/dev/null 2>&1";
    return system(komento.c_str());
}

std::vector<std::string> Rivit(const std::string& polku) {
    std::vector<std::string> rivit;
    std::ifstream f(polku);
    for (std::string r; std::getline(f, r);) rivit.push_back(r);
    return rivit;
}

std::set<std::string> Tiedostot(const std::string& kansio) {
    std::set<std::string> t;
    for (const auto& e : fs::recursive_directory_iterator(kansio))
        if (e.is_regular_file()) t.insert(fs::relative(e.path(), kansio).string());
    return t;
}

} // namespace

TEST(SisallonLuettelo, NimeaaKirjoitetutEikaTallennuksia) {
    TYOKANSIO kansio;
    const std::string data = kansio.polku + "/Tiedostot";
    const std::string luettelo = kansio.polku + "/luettelo";
    // What a game run leaves in the data folder before the generator runs again.
    TeeKansiot(data + "/Muu Data");
    KirjoitaTiedosto(data + "/Muu Data/Setup.sav", "asetukset");
    KirjoitaTiedosto(data + "/Muu Data/HaamuA.dat", "haamu");
    ASSERT_EQ(Aja("--luettelo '" + luettelo + "' '" + data + "'"), 0);

    std::vector<std::string> rivit = Rivit(luettelo);
    std::set<std::string> nimetyt(rivit.begin(), rivit.end());
    EXPECT_EQ(nimetyt.size(), rivit.size()) << "a file is named twice";
    EXPECT_TRUE(std::is_sorted(rivit.begin(), rivit.end()));
    std::set<std::string> tehdyt = Tiedostot(data);
    tehdyt.erase("Muu Data/Setup.sav");
    tehdyt.erase("Muu Data/HaamuA.dat");
    EXPECT_EQ(nimetyt, tehdyt);
    EXPECT_TRUE(nimetyt.count("LatausLista.txt"));
    EXPECT_TRUE(nimetyt.count("3D Mallit/Museo.3ds"));
}

TEST(SisallonLuettelo, EpaonnistunutAjoEiJataLuetteloa) {
    TYOKANSIO kansio;
    const std::string luettelo = kansio.polku + "/luettelo";
    ASSERT_EQ(Aja("--luettelo '" + luettelo + "' --kuvakkeet '" + kansio.polku + "/kuvat'"), 0);
    EXPECT_EQ(Rivit(luettelo).size(), 6u); // one icon a size
    // A folder under a file cannot be made: no icon is written, and the old
    // manifest must not stand for them.
    KirjoitaTiedosto(kansio.polku + "/tiedosto", "");
    EXPECT_NE(Aja("--luettelo '" + luettelo + "' --kuvakkeet '" + kansio.polku + "/tiedosto/x'"),
              0);
    EXPECT_FALSE(fs::exists(luettelo));
    EXPECT_FALSE(fs::exists(luettelo + ".tmp"));
}
