// Music and sound effects, synthesised here and encoded as Ogg Vorbis at the
// mixer's rate (22050 Hz, stereo): the menus' and the flights' music
// (Musiikki.cpp) and an effect for each use (Tehosteet.cpp).
//
// Instruments are built from band-limited wavetables, decaying partials, a bell
// made by frequency modulation and drums from pitch sweeps and filtered noise.
// Every random number comes from a fixed-seed generator and the Ogg streams have
// fixed serial numbers, so every run writes the same bytes.
#include "Aanet.h"

#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <sstream>

namespace {

// One cycle of a band-limited wave: 0 saw, 1 square, 2 triangle-like soft wave.
const std::vector<float>& Aaltotaulu(int muoto, int harmoniset) {
    static std::map<std::pair<int, int>, std::vector<float>> muisti;
    auto avain = std::make_pair(muoto, harmoniset);
    auto it = muisti.find(avain);
    if (it != muisti.end()) return it->second;
    std::vector<float> t(2048, 0.0f);
    for (int k = 1; k <= harmoniset; k++) {
        double a = 0;
        if (muoto == 0) a = 1.0 / k;
        if (muoto == 1) a = (k % 2) ? 1.0 / k : 0;
        if (muoto == 2) a = (k % 2) ? 1.0 / (k * k) : 0.15 / (k * k);
        if (a == 0) continue;
        for (int i = 0; i < 2048; i++)
            t[(size_t)i] += (float)(a * std::sin(2 * PII * k * i / 2048.0));
    }
    float huippu = 0;
    for (float v : t) huippu = std::fmax(huippu, std::fabs(v));
    for (float& v : t) v /= huippu;
    return muisti.emplace(avain, t).first->second;
}

} // namespace

double Taajuus(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::vector<float> Aani(double f, double kesto, int muoto, double isku, double vaimeneminen,
                        double pito, double paasto, double kirkkaus, double vibrato, double vire) {
    int harmoniset = (int)(9000.0 / f);
    if (harmoniset < 1) harmoniset = 1;
    if (harmoniset > 60) harmoniset = 60;
    const std::vector<float>& t = Aaltotaulu(muoto, harmoniset);
    size_t n = (size_t)((kesto + paasto) * TAAJUUS);
    std::vector<float> s(n);
    double vaihe = 0, suodin = 0;
    for (size_t i = 0; i < n; i++) {
        double aika = (double)i / TAAJUUS;
        double v;
        if (aika < isku)
            v = aika / isku;
        else if (aika < kesto)
            v = pito + (1 - pito) * std::exp(-(aika - isku) / vaimeneminen);
        else
            v = (pito + (1 - pito) * std::exp(-(kesto - isku) / vaimeneminen)) *
                std::exp(-(aika - kesto) / (paasto * 0.3));
        double ff = f * (1 + vire) *
                    (1 + vibrato * std::sin(2 * PII * 5.2 * aika) * std::fmin(1.0, aika * 2));
        vaihe += ff / TAAJUUS;
        vaihe -= std::floor(vaihe);
        double x = vaihe * 2048;
        size_t j = (size_t)x;
        double osa = x - (double)j;
        double arvo = t[j & 2047] * (1 - osa) + t[(j + 1) & 2047] * osa;
        double raja = std::fmin(0.95, kirkkaus * (0.3 + 0.7 * v));
        suodin += raja * (arvo - suodin);
        s[i] = (float)(suodin * v);
    }
    return s;
}

std::vector<float> Kello(double f, double kesto, double suhde, double indeksi,
                         double vaimeneminen) {
    size_t n = (size_t)(kesto * TAAJUUS);
    std::vector<float> s(n);
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double v = std::exp(-t / vaimeneminen) * std::fmin(1.0, t * 400);
        double mod =
            indeksi * std::exp(-t / (vaimeneminen * 0.4)) * std::sin(2 * PII * f * suhde * t);
        s[i] = (float)(v * std::sin(2 * PII * f * t + mod));
    }
    return s;
}

std::vector<float> Potku(double voima) {
    size_t n = (size_t)(0.35 * TAAJUUS);
    std::vector<float> s(n);
    double vaihe = 0;
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double f = 45 + 110 * std::exp(-t / 0.035);
        vaihe += f / TAAJUUS;
        s[i] = (float)(voima * std::exp(-t / 0.11) * std::sin(2 * PII * vaihe) *
                       std::fmin(1.0, t * 2000));
    }
    return s;
}

std::vector<float> Virveli(NOPPA& noppa, double voima) {
    size_t n = (size_t)(0.22 * TAAJUUS);
    std::vector<float> s(n);
    double a = 0, b = 0;
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double x = noppa.Kohina();
        a += 0.6 * (x - a);    // low-pass
        double kaista = x - a; // the high part
        b += 0.5 * (kaista - b);
        double kohina = b * std::exp(-t / 0.07);
        double savel = 0.6 * std::sin(2 * PII * 185 * t) * std::exp(-t / 0.04);
        s[i] = (float)(voima * (kohina * 1.4 + savel));
    }
    return s;
}

std::vector<float> Symbaali(NOPPA& noppa, double voima, double kesto) {
    size_t n = (size_t)(kesto * 4 * TAAJUUS);
    std::vector<float> s(n);
    double edellinen = 0;
    for (size_t i = 0; i < n; i++) {
        double t = (double)i / TAAJUUS;
        double x = noppa.Kohina();
        double ylapaasto = x - edellinen;
        edellinen = x;
        s[i] = (float)(voima * 0.5 * ylapaasto * std::exp(-t / kesto));
    }
    return s;
}

std::vector<NUOTTI> Nuotit(const std::string& teksti) {
    std::vector<NUOTTI> n;
    std::istringstream s(teksti);
    std::string sana;
    while (s >> sana) {
        size_t kp = sana.find(':');
        std::string nimi = sana.substr(0, kp);
        double iskut = std::stod(sana.substr(kp + 1));
        if (nimi == "r") {
            n.push_back(NUOTTI{-1, iskut});
            continue;
        }
        static const int askel[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
        int midi = askel[nimi[0] - 'A'];
        size_t i = 1;
        if (nimi[i] == '#') {
            midi++;
            i++;
        }
        int oktaavi = std::stoi(nimi.substr(i));
        n.push_back(NUOTTI{midi + 12 * (oktaavi + 1), iskut});
    }
    return n;
}

std::vector<int> Sointu(const std::string& nimi) {
    static const int askel[7] = {9, 11, 0, 2, 4, 5, 7};
    int juuri = askel[nimi[0] - 'A'] + 48;
    size_t i = 1;
    if (i < nimi.size() && nimi[i] == '#') {
        juuri++;
        i++;
    }
    std::string laatu = nimi.substr(i);
    if (laatu == "m") return {juuri, juuri + 3, juuri + 7};
    if (laatu == "maj7") return {juuri, juuri + 4, juuri + 7, juuri + 11};
    if (laatu == "m7") return {juuri, juuri + 3, juuri + 7, juuri + 10};
    if (laatu == "sus") return {juuri, juuri + 5, juuri + 7};
    return {juuri, juuri + 4, juuri + 7};
}

void Normalisoi(RAITA& r, double huippu) {
    double suurin = 1e-9;
    for (size_t i = 0; i < r.V.size(); i++)
        suurin = std::fmax(suurin, std::fmax(std::fabs(r.V[i]), std::fabs(r.O[i])));
    double k = huippu / suurin;
    for (size_t i = 0; i < r.V.size(); i++) {
        r.V[i] = (float)(r.V[i] * k);
        r.O[i] = (float)(r.O[i] * k);
    }
}

bool Koodaa(KOHDE& kohde, const std::string& polku, const RAITA& r, int sarjanumero, float laatu,
            const char* otsikko) {
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, 2, TAAJUUS, laatu) != 0) {
        vorbis_info_clear(&vi);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "TITLE", otsikko);
    vorbis_comment_add_tag(&vc, "ALBUM", "The Tavio");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, sarjanumero);

    std::string ulos;
    ogg_page og;
    ogg_packet op;
    auto Sivu = [&]() {
        ulos.append((const char*)og.header, (size_t)og.header_len);
        ulos.append((const char*)og.body, (size_t)og.body_len);
    };
    {
        ogg_packet h, hc, hk;
        vorbis_analysis_headerout(&vd, &vc, &h, &hc, &hk);
        ogg_stream_packetin(&os, &h);
        ogg_stream_packetin(&os, &hc);
        ogg_stream_packetin(&os, &hk);
        while (ogg_stream_flush(&os, &og)) Sivu();
    }
    size_t n = r.V.size(), kohta = 0;
    bool loppu = false;
    while (!loppu) {
        size_t pala = std::min<size_t>(4096, n - kohta);
        if (pala == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** puskuri = vorbis_analysis_buffer(&vd, (int)pala);
            for (size_t i = 0; i < pala; i++) {
                puskuri[0][i] = r.V[kohta + i];
                puskuri[1][i] = r.O[kohta + i];
            }
            vorbis_analysis_wrote(&vd, (int)pala);
            kohta += pala;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og)) {
                    Sivu();
                    if (ogg_page_eos(&og)) loppu = true;
                }
            }
        }
        if (pala == 0) loppu = true;
    }
    while (ogg_stream_flush(&os, &og)) Sivu();
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return KirjoitaTiedosto(kohde, polku, ulos);
}

bool TeeAanet(KOHDE& k) {
    bool ok = Koodaa(k, Datassa(VALIKKOMUSIIKKI), Intro(), 0x54415601, 0.3f, "Paper Wings (menu)");
    ok = Koodaa(k, Datassa(LENTOMUSIIKKI), Demoni(), 0x54415602, 0.3f, "Bubble Chase (flight)") &&
         ok;
    for (int a = 0; a < AANIA; a++)
        ok = Koodaa(k, Datassa(AANITIEDOSTOT[a]), Tehoste((AANI)a), 0x54415611 + a, 0.4f,
                    "effect") &&
             ok;
    return ok;
}
