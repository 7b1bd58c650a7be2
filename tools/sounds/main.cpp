// corvane-sounds OUTDIR
// Makes the program's three sounds: "son.wav", a piece set down on the board;
// "gagne.wav", a rising chime for a win; "Perdu.wav", a falling one for a loss.
#include <cmath>
#include <cstdint>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int RATE = 44100;
constexpr double PI = 3.14159265358979323846;

using Samples = std::vector<double>;

// A small repeatable noise source, the same sounds on every build.
class Noise {
 public:
  double next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(state_ >> 11) / static_cast<double>(1ull << 53) * 2 - 1;
  }

 private:
  std::uint64_t state_ = 0x9e3779b97f4a7c15ull;
};

// A piece put down on wood: a bright tap and the short ring of the board's
// few lowest modes, all gone within a tenth of a second.
Samples knock() {
  Samples out(static_cast<std::size_t>(0.14 * RATE));
  Noise noise;
  const double modes[4][3] = {{190, 0.55, 0.030}, {415, 0.45, 0.022}, {780, 0.30, 0.014}, {1630, 0.18, 0.008}};
  double low = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / RATE;
    double v = 0;
    for (const auto& m : modes) v += m[1] * std::sin(2 * PI * m[0] * t) * std::exp(-t / m[2]);
    // The tap: noise through a gentle low-pass, over in a few milliseconds.
    low += 0.35 * (noise.next() - low);
    v += 0.8 * low * std::exp(-t / 0.0025);
    const double attack = std::min(1.0, t / 0.0008);
    out[i] = v * attack;
  }
  return out;
}

// A bell-like note: a few partials, the higher ones dying first.
void bell(Samples& out, double start, double frequency, double length, double level) {
  const double partials[4][2] = {{1.0, 1.0}, {2.0, 0.35}, {3.01, 0.15}, {4.2, 0.06}};
  const std::size_t first = static_cast<std::size_t>(start * RATE);
  const std::size_t count = static_cast<std::size_t>(length * RATE);
  if (out.size() < first + count) out.resize(first + count);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = double(i) / RATE;
    double v = 0;
    for (const auto& p : partials) v += p[1] * std::sin(2 * PI * frequency * p[0] * t) * std::exp(-t * 3.2 * p[0]);
    const double attack = std::min(1.0, t / 0.004);
    const double release = std::min(1.0, (length - t) / 0.05);
    out[first + i] += level * v * attack * release;
  }
}

Samples chime(const std::vector<double>& notes, double step, double last) {
  Samples out;
  for (std::size_t k = 0; k < notes.size(); ++k) {
    const bool final = k + 1 == notes.size();
    bell(out, step * k, notes[k], final ? last : step * 2.5, final ? 0.9 : 0.7);
  }
  return out;
}

// Scales the sound to a comfortable peak.
void normalise(Samples& s, double peak) {
  double top = 0;
  for (double v : s) top = std::max(top, std::abs(v));
  if (top > 0)
    for (double& v : s) v *= peak / top;
}

void put(std::string& bytes, std::uint32_t v, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

// A canonical 16-bit mono PCM RIFF file, written beside the target and renamed over it.
void writeWave(const Samples& s, const std::filesystem::path& path) {
  std::string bytes;
  const std::uint32_t data = static_cast<std::uint32_t>(s.size() * 2);
  bytes += "RIFF";
  put(bytes, 36 + data, 4);
  bytes += "WAVEfmt ";
  put(bytes, 16, 4);
  put(bytes, 1, 2);  // PCM
  put(bytes, 1, 2);  // mono
  put(bytes, RATE, 4);
  put(bytes, RATE * 2, 4);
  put(bytes, 2, 2);
  put(bytes, 16, 2);
  bytes += "data";
  put(bytes, data, 4);
  for (double v : s) {
    const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
    put(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)), 2);
  }
  const std::filesystem::path temporary = path.string() + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) throw std::runtime_error("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: corvane-sounds OUTDIR\n");
    return 2;
  }
  try {
    const std::filesystem::path dir = argv[1];
    std::filesystem::create_directories(dir);
    Samples click = knock();
    normalise(click, 0.8);
    writeWave(click, dir / "son.wav");
    // C E G C up for a win, G E C G down (slower, lower) for a loss.
    Samples win = chime({523.25, 659.26, 783.99, 1046.5}, 0.11, 0.9);
    normalise(win, 0.7);
    writeWave(win, dir / "gagne.wav");
    Samples loss = chime({392.0, 329.63, 261.63, 196.0}, 0.18, 1.0);
    normalise(loss, 0.7);
    writeWave(loss, dir / "Perdu.wav");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "corvane-sounds: %s\n", e.what());
    return 1;
  }
  return 0;
}
