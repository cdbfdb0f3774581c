// Writes the game's four short sounds as 16-bit mono WAV files into the given folder.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int rate = 22050;
constexpr double pi = 3.14159265358979323846;

struct Note {
    double frequency;  // 0 is a rest
    double seconds;
};

void put16(std::ofstream& out, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(b, 2);
}
void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A sequence of notes with a soft attack and decay, optionally with a noise burst.
std::vector<std::int16_t> synth(const std::vector<Note>& notes, double noise) {
    std::vector<std::int16_t> samples;
    std::uint32_t seed = 2463534242u;
    for (const Note& n : notes) {
        const int count = static_cast<int>(n.seconds * rate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double envelope = std::min(1.0, t / 0.005) * std::exp(-4.0 * t / n.seconds);
            double v = n.frequency > 0 ? 0.6 * std::sin(2 * pi * n.frequency * t) +
                                             0.2 * std::sin(4 * pi * n.frequency * t)
                                       : 0.0;
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            v += noise * (static_cast<double>(seed) / 4294967295.0 * 2.0 - 1.0);
            samples.push_back(static_cast<std::int16_t>(std::lround(v * envelope * 12000.0)));
        }
    }
    return samples;
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto bytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, bytes);
    for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok =
        writeWav(folder + "/im.wav", synth({{880, 0.08}, {1318.5, 0.12}}, 0.0)) &&
        writeWav(folder + "/update.wav", synth({{523.3, 0.09}, {659.3, 0.09}, {784.0, 0.16}}, 0.0)) &&
        writeWav(folder + "/attack.wav", synth({{110, 0.05}, {82.4, 0.25}}, 0.5)) &&
        writeWav(folder + "/over.wav", synth({{392, 0.2}, {329.6, 0.2}, {261.6, 0.45}}, 0.0));
    if (!ok) {
        std::fprintf(stderr, "make_sounds: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
