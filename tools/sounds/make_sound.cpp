// Makes the program's own sounds as 16-bit mono PCM wave files:
//   make_sound beep  <file>  - the short beep played for "system beep"
//   make_sound chime <file>  - the alarm chime offered as the default sound
// Both are synthesised here from sine partials with soft envelopes, so the
// same bytes come out on every run.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

struct Partial
{
    double frequency;
    double level;
    double decay; // per second
};

// A struck note: partials decaying from the onset, with a 4 ms attack.
void addNote(std::vector<double> &out, double start, double length,
             const std::vector<Partial> &partials)
{
    const auto first = static_cast<std::size_t>(start * Rate);
    const auto count = static_cast<std::size_t>(length * Rate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double attack = std::min(1.0, t / 0.004);
        const double release = std::min(1.0, (length - t) / 0.02); // no click at the end
        double sample = 0.0;
        for (const Partial &p : partials)
            sample += p.level * std::exp(-p.decay * t) * std::sin(2 * Pi * p.frequency * t);
        out[first + i] += sample * attack * release;
    }
}

std::vector<double> beep()
{
    std::vector<double> out;
    addNote(out, 0.0, 0.16, {{880.0, 0.55, 6.0}, {1760.0, 0.12, 14.0}});
    return out;
}

// Three bell-like notes falling a major triad (E6, C6, G5), the last one ringing on.
std::vector<double> chime()
{
    std::vector<double> out;
    const double notes[] = {1318.5, 1046.5, 784.0};
    for (int n = 0; n < 3; ++n) {
        const double f = notes[n];
        const double length = n == 2 ? 1.6 : 0.9;
        addNote(
            out, n * 0.28, length,
            {{f, 0.34, 3.2}, {f * 2.0, 0.12, 5.5}, {f * 2.76, 0.07, 8.0}, {f * 5.4, 0.03, 14.0}});
    }
    return out;
}

void put16(std::ofstream &file, std::uint16_t value)
{
    const char bytes[] = {static_cast<char>(value & 0xff), static_cast<char>(value >> 8)};
    file.write(bytes, 2);
}

void put32(std::ofstream &file, std::uint32_t value)
{
    put16(file, static_cast<std::uint16_t>(value & 0xffff));
    put16(file, static_cast<std::uint16_t>(value >> 16));
}

bool writeWave(const std::string &path, const std::vector<double> &samples)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    file.write("RIFF", 4);
    put32(file, 36 + dataBytes);
    file.write("WAVEfmt ", 8);
    put32(file, 16);
    put16(file, 1); // PCM
    put16(file, 1); // mono
    put32(file, Rate);
    put32(file, Rate * 2);
    put16(file, 2);
    put16(file, 16);
    file.write("data", 4);
    put32(file, dataBytes);
    for (double sample : samples) {
        const double clamped = std::max(-1.0, std::min(1.0, sample));
        put16(file,
              static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clamped * 32000))));
    }
    return static_cast<bool>(file.flush());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_sound beep|chime <file.wav>\n";
        return 2;
    }
    const std::string kind = argv[1];
    if (kind != "beep" && kind != "chime") {
        std::cerr << "make_sound: unknown sound " << kind << '\n';
        return 2;
    }
    if (!writeWave(argv[2], kind == "beep" ? beep() : chime())) {
        std::cerr << "make_sound: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
