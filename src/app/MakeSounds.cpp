// sv_make_sounds: writes the program's four wave files (22050 Hz, 16-bit mono PCM) into the
// folder given on the command line. Every sound is synthesised here: a rising start-up
// jingle, a short game theme, applause and a buzzer.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<double>;

double Freq(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A soft bell-like note: a few harmonics under an attack/decay envelope.
void AddNote(Samples& s, double start, double length, int midi, double volume)
{
    const int from = static_cast<int>(start * kRate);
    const int count = static_cast<int>(length * kRate);
    if (static_cast<int>(s.size()) < from + count)
        s.resize(from + count, 0.0);
    const double f = Freq(midi);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double attack = std::min(1.0, t / 0.01);
        const double release = std::min(1.0, (length - t) / 0.04);
        const double env = attack * release * std::exp(-3.0 * t / length);
        const double v =
            std::sin(2 * kPi * f * t) + 0.35 * std::sin(4 * kPi * f * t) + 0.12 * std::sin(6 * kPi * f * t);
        s[from + i] += volume * env * v;
    }
}

Samples Jingle()
{
    Samples s;
    const int notes[] = {60, 64, 67, 72};
    for (int i = 0; i < 4; ++i)
        AddNote(s, i * 0.14, i == 3 ? 0.9 : 0.3, notes[i], 0.3);
    AddNote(s, 0.42, 0.9, 76, 0.18);
    AddNote(s, 0.42, 0.9, 79, 0.14);
    return s;
}

Samples Theme()
{
    // A cheerful little march of our own in F major.
    struct N {
        double at, len;
        int midi;
    };
    const N melody[] = {
        {0.00, 0.22, 65}, {0.25, 0.22, 69}, {0.50, 0.22, 72}, {0.75, 0.45, 77}, {1.25, 0.22, 76}, {1.50, 0.22, 74},
        {1.75, 0.45, 72}, {2.25, 0.22, 70}, {2.50, 0.22, 69}, {2.75, 0.22, 67}, {3.00, 0.80, 65},
    };
    Samples s;
    for (const N& n : melody)
        AddNote(s, n.at, n.len, n.midi, 0.28);
    const N bass[] = {{0.0, 0.7, 53}, {0.75, 0.7, 48}, {1.5, 0.7, 46}, {2.25, 0.7, 48}, {3.0, 0.8, 41}};
    for (const N& n : bass)
        AddNote(s, n.at, n.len, n.midi, 0.18);
    return s;
}

Samples Applause()
{
    std::mt19937 rng(219);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    std::uniform_real_distribution<double> when(0.0, 2.2);
    const double length = 2.6;
    Samples s(static_cast<std::size_t>(length * kRate), 0.0);
    for (int clap = 0; clap < 260; ++clap) {
        const int from = static_cast<int>(when(rng) * kRate);
        const int count = static_cast<int>(0.03 * kRate);
        double low = 0.0;
        for (int i = 0; i < count && from + i < static_cast<int>(s.size()); ++i) {
            const double t = static_cast<double>(i) / kRate;
            low = 0.6 * low + 0.4 * noise(rng); // a little softer than white noise
            s[from + i] += 0.22 * std::exp(-t / 0.006) * low;
        }
    }
    // Fade in and out.
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        s[i] *= std::min(1.0, t / 0.15) * std::min(1.0, (length - t) / 0.6);
    }
    return s;
}

Samples Buzzer()
{
    const double length = 0.85;
    Samples s(static_cast<std::size_t>(length * kRate), 0.0);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double a = std::sin(2 * kPi * 110 * t) > 0 ? 1.0 : -1.0;
        const double b = std::sin(2 * kPi * 116.5 * t) > 0 ? 1.0 : -1.0;
        const double env = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.05);
        s[i] = 0.22 * env * (a + b) / 2;
    }
    return s;
}

void Put16(std::FILE* f, std::uint16_t v)
{
    const unsigned char b[2] = {static_cast<unsigned char>(v & 0xFF), static_cast<unsigned char>(v >> 8)};
    std::fwrite(b, 1, 2, f);
}

void Put32(std::FILE* f, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        const unsigned char b = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
        std::fwrite(&b, 1, 1, f);
    }
}

bool Write(const std::string& path, const Samples& s)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const std::uint32_t data = static_cast<std::uint32_t>(s.size() * 2);
    std::fwrite("RIFF", 1, 4, f);
    Put32(f, 36 + data);
    std::fwrite("WAVEfmt ", 1, 8, f);
    Put32(f, 16);
    Put16(f, 1);
    Put16(f, 1);
    Put32(f, kRate);
    Put32(f, kRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    std::fwrite("data", 1, 4, f);
    Put32(f, data);
    for (double v : s) {
        const double c = std::max(-1.0, std::min(1.0, v));
        Put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(c * 32000))));
    }
    return std::fclose(f) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sv_make_sounds <folder>\n");
        return 2;
    }
    const std::string dir = std::string(argv[1]) + "/";
    const bool ok = Write(dir + "promote.wav", Jingle()) && Write(dir + "jeopardy.wav", Theme())
                    && Write(dir + "applause.wav", Applause()) && Write(dir + "buzz.wav", Buzzer());
    if (!ok) {
        std::fprintf(stderr, "sv_make_sounds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
