// The data set under Tiedostot: made again it is the same to the byte, and every
// sound decodes to its length and is not silent.
#include "apu/TestiApu.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Tiedostot() {
    return KoontiKansio() + "/Tiedostot";
}

// Every file under `kansio` with its bytes, by path relative to it.
std::map<std::string, std::vector<Uint8>> LueKansio(const std::string& kansio) {
    std::map<std::string, std::vector<Uint8>> tiedostot;
    for (const auto& e : fs::recursive_directory_iterator(kansio))
        if (e.is_regular_file())
            tiedostot[fs::relative(e.path(), kansio).string()] = LueTiedosto(e.path().string());
    return tiedostot;
}

bool Tee(const std::string& kansio) {
    std::string komento =
        "'" + KoontiKansio() + "/tools/sisalto/tavio_sisalto' '" + kansio + "' >/dev/null";
    return system(komento.c_str()) == 0;
}

struct AANI {
    bool Avattu = false;
    int Kanavat = 0;
    long Taajuus = 0;
    double Sekunnit = 0;         // decoded samples / rate
    double Ilmoitettu = 0;       // length the stream declares
    double Huippu = 0, Teho = 0; // peak and RMS, 0..1
};

AANI Pura(const std::string& polku) {
    AANI a;
    OggVorbis_File f;
    if (ov_fopen(polku.c_str(), &f) != 0) return a;
    a.Avattu = true;
    vorbis_info* vi = ov_info(&f, -1);
    a.Kanavat = vi->channels;
    a.Taajuus = vi->rate;
    a.Ilmoitettu = ov_time_total(&f, -1);
    char puskuri[8192];
    int osa = 0;
    long naytteet = 0;
    double summa = 0;
    for (;;) {
        long n = ov_read(&f, puskuri, sizeof puskuri, 0, 2, 1, &osa);
        if (n <= 0) break;
        const short* p = (const short*)puskuri;
        for (long i = 0; i < n / 2; i++) {
            double x = p[i] / 32768.0;
            summa += x * x;
            a.Huippu = std::fmax(a.Huippu, std::fabs(x));
        }
        naytteet += n / 2;
    }
    ov_clear(&f);
    if (naytteet > 0) a.Teho = std::sqrt(summa / (double)naytteet);
    a.Sekunnit = (double)naytteet / a.Kanavat / (double)a.Taajuus;
    return a;
}

} // namespace

TEST(Sisalto, TehtynaUudelleenSamatTavut) {
    TYOKANSIO kansio;
    ASSERT_TRUE(Tee(kansio.polku + "/eka"));
    ASSERT_TRUE(Tee(kansio.polku + "/toka"));
    auto eka = LueKansio(kansio.polku + "/eka");
    auto toka = LueKansio(kansio.polku + "/toka");
    EXPECT_GE(eka.size(), 40u);
    ASSERT_EQ(eka.size(), toka.size());
    for (const auto& [nimi, tavut] : eka) {
        ASSERT_TRUE(toka.count(nimi)) << nimi;
        EXPECT_TRUE(tavut == toka[nimi]) << nimi << " differs between two runs";
        // The build's own folder was made by the same generator (it may also
        // hold the game's saved files, which are not compared).
        std::vector<Uint8> koonnissa = LueTiedosto(Tiedostot() + "/" + nimi);
        EXPECT_TRUE(tavut == koonnissa) << nimi << " differs from the build's data folder";
    }
}

TEST(Sisalto, MusiikkiSoiMinuutistaKolmeen) {
    for (const char* nimi : {"intro.ogg", "demoni.ogg"}) {
        AANI a = Pura(Tiedostot() + "/Kuuluva/" + nimi);
        ASSERT_TRUE(a.Avattu) << nimi;
        EXPECT_EQ(a.Kanavat, 2) << nimi;
        EXPECT_EQ(a.Taajuus, 22050) << nimi; // the mixer's rate: no resampling
        EXPECT_NEAR(a.Sekunnit, a.Ilmoitettu, 0.01) << nimi << " ends early";
        EXPECT_GE(a.Sekunnit, 60.0) << nimi;
        EXPECT_LE(a.Sekunnit, 180.0) << nimi;
        EXPECT_GT(a.Teho, 0.05) << nimi << " is nearly silent";
        EXPECT_GT(a.Huippu, 0.3) << nimi;
        EXPECT_LE(a.Huippu, 1.0) << nimi;
    }
}

TEST(Sisalto, TehosteetOvatLyhyitaJaKuuluvia) {
    for (int n = 1; n <= 5; n++) {
        std::string nimi = "aani" + std::to_string(n) + ".ogg";
        AANI a = Pura(Tiedostot() + "/Kuuluva/" + nimi);
        ASSERT_TRUE(a.Avattu) << nimi;
        EXPECT_EQ(a.Kanavat, 2) << nimi;
        EXPECT_EQ(a.Taajuus, 22050) << nimi;
        EXPECT_NEAR(a.Sekunnit, a.Ilmoitettu, 0.01) << nimi;
        EXPECT_GT(a.Sekunnit, 0.2) << nimi;
        EXPECT_LT(a.Sekunnit, 2.0) << nimi;
        EXPECT_GT(a.Huippu, 0.3) << nimi << " is nearly silent";
    }
}
