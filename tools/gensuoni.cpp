// Writes the program's ten sound effects as 16-bit PCM WAV files into the
// folder given on the command line.
#include "core/suoni.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int frequenza = 22050;
constexpr double pi = 3.14159265358979323846;

using Onda = std::vector<double>;

double nota(const char* nome) {
    // Semitones from A4 for C..B, then the octave digit.
    static const int passi[] = {-9, -7, -5, -4, -2, 0, 2}; // C D E F G A B
    const int i = (nome[0] - 'A' + 5) % 7;
    int semitoni = passi[i];
    int k = 1;
    if (nome[k] == '#') ++semitoni, ++k;
    semitoni += (nome[k] - '4') * 12;
    return 440.0 * std::pow(2.0, semitoni / 12.0);
}

// A soft bell: a few harmonics under a fast attack and an exponential fall.
void campana(Onda& o, double inizio, double durata, double f, double volume) {
    const auto a = static_cast<std::size_t>(inizio * frequenza);
    const auto n = static_cast<std::size_t>(durata * frequenza);
    if (o.size() < a + n) o.resize(a + n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / frequenza;
        const double attacco = std::min(1.0, t / 0.005);
        const double inviluppo = attacco * std::exp(-4.0 * t / durata);
        const double v = std::sin(2 * pi * f * t) + 0.35 * std::sin(2 * pi * 2 * f * t) +
                         0.12 * std::sin(2 * pi * 3 * f * t);
        o[a + i] += volume * inviluppo * v / 1.47;
    }
}

void arpeggio(Onda& o, std::initializer_list<const char*> note, double passo, double coda,
              double volume = 0.6) {
    double t = 0;
    std::size_t k = 0;
    for (const char* n : note) {
        const bool ultima = ++k == note.size();
        campana(o, t, ultima ? coda : passo * 2.5, nota(n), volume);
        t += passo;
    }
}

Onda esatto() {
    Onda o;
    arpeggio(o, {"C5", "E5", "G5", "C6"}, 0.08, 0.35);
    return o;
}
Onda esatto2() {
    Onda o;
    arpeggio(o, {"G4", "B4", "D5", "G5"}, 0.07, 0.35);
    return o;
}
Onda esatto3() {
    Onda o;
    arpeggio(o, {"E5", "A5"}, 0.12, 0.45);
    return o;
}
Onda esatto4() {
    Onda o;
    arpeggio(o, {"D5", "F#5", "A5", "D6", "F#6"}, 0.06, 0.3, 0.5);
    return o;
}
Onda esatto5() {
    Onda o;
    for (const char* n : {"F5", "A5", "C6"}) campana(o, 0, 0.25, nota(n), 0.3);
    campana(o, 0.16, 0.4, nota("F6"), 0.5);
    return o;
}

Onda sbagliato1() {
    // Two close square waves beat against each other: a short buzz.
    Onda o(static_cast<std::size_t>(0.4 * frequenza));
    for (std::size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / frequenza;
        const double q =
            (std::sin(2 * pi * 110 * t) > 0 ? 1 : -1) + (std::sin(2 * pi * 117 * t) > 0 ? 1 : -1);
        const double inviluppo = std::min(1.0, t / 0.01) * std::min(1.0, (0.4 - t) / 0.05);
        o[i] = 0.22 * q * inviluppo;
    }
    return o;
}

Onda premivia() {
    Onda o;
    campana(o, 0, 0.6, nota("G5"), 0.5);
    campana(o, 0.15, 0.8, nota("C6"), 0.5);
    return o;
}

Onda rumorevia() {
    // A whoosh: noise through a low-pass filter whose cut-off rises.
    Onda o(static_cast<std::size_t>(0.35 * frequenza));
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> rumore(-1, 1);
    double y = 0;
    for (std::size_t i = 0; i < o.size(); ++i) {
        const double t = static_cast<double>(i) / frequenza;
        const double taglio = 300 + 5000 * t / 0.35;
        const double alfa = 1 - std::exp(-2 * pi * taglio / frequenza);
        y += alfa * (rumore(gen) - y);
        o[i] = 0.7 * y * std::sin(pi * t / 0.35);
    }
    return o;
}

Onda conga() {
    Onda o;
    arpeggio(o, {"C5", "E5", "G5", "E5", "G5", "C6"}, 0.13, 0.6, 0.5);
    return o;
}

Onda congafine() {
    Onda o;
    arpeggio(o, {"C6", "G5", "E5", "G5", "C5"}, 0.15, 0.8, 0.5);
    return o;
}

bool scrivi(const std::filesystem::path& p, const Onda& o) {
    std::ofstream f(p, std::ios::binary);
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) f.put(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&](std::uint16_t v) {
        f.put(static_cast<char>(v & 0xff));
        f.put(static_cast<char>(v >> 8));
    };
    const auto dati = static_cast<std::uint32_t>(o.size() * 2);
    f.write("RIFF", 4);
    u32(36 + dati);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(frequenza);
    u32(frequenza * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(dati);
    for (double v : o) {
        const double c = std::clamp(v, -1.0, 1.0);
        u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32000))));
    }
    return static_cast<bool>(f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gensuoni FOLDER\n");
        return 2;
    }
    const std::filesystem::path cartella = argv[1];
    std::filesystem::create_directories(cartella);
    // One maker per sound, in the order of the shared table.
    Onda (*const fai[])() = {
#define SUONO(n) n,
#include "core/suoni.def"
#undef SUONO
    };
    static_assert(std::size(fai) == tuttiISuoni.size());
    for (Suono s : tuttiISuoni) {
        const std::string file(nome(s));
        if (!scrivi(cartella / (file + ".wav"), fai[static_cast<std::size_t>(s)]())) {
            std::fprintf(stderr, "gensuoni: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
