// The program's sounds: canonical 16-bit PCM files of sensible length.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/dossier_temporaire.h"

namespace {

std::uint32_t field(const std::string& b, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

// Checks the header and returns the length in seconds and the loudest sample.
void inspect(const std::string& name, double& seconds, int& peak) {
  const std::string b = contenu(std::filesystem::path(CORVANE_BIN_DIR) / name);
  ASSERT_GE(b.size(), 44u) << name;
  const std::uint32_t rate = field(b, 24, 4), data = field(b, 40, 4);
  EXPECT_TRUE(rate == 44100 || rate == 22050);
  ASSERT_EQ(data, b.size() - 44);
  // RIFF sizes, PCM, mono, the byte rate, 2-byte blocks of 16 bits.
  EXPECT_EQ(b.substr(0, 4) + b.substr(8, 8) + b.substr(36, 4), "RIFFWAVEfmt data");
  const std::uint32_t champs[][3] = {{4, 4, data + 36}, {16, 4, 16}, {20, 2, 1}, {22, 2, 1},
                                     {28, 4, rate * 2}, {32, 2, 2}, {34, 2, 16}};
  for (const auto& [at, size, value] : champs) EXPECT_EQ(field(b, at, static_cast<int>(size)), value) << "at " << at;
  seconds = double(data / 2) / rate;
  peak = 0;
  for (std::size_t i = 44; i + 1 < b.size(); i += 2)
    peak = std::max(peak, std::abs(int(static_cast<std::int16_t>(field(b, i, 2)))));
}

TEST(Sounds, ShortAudibleAndUnclipped) {
  struct Expect {
    const char* name;
    double shortest, longest;
  };
  for (const Expect& e : {Expect{"son.wav", 0.08, 0.25}, Expect{"gagne.wav", 0.4, 2.0}, Expect{"Perdu.wav", 0.4, 2.0}}) {
    SCOPED_TRACE(e.name);
    double seconds = 0;
    int peak = 0;
    inspect(e.name, seconds, peak);
    EXPECT_GE(seconds, e.shortest);
    EXPECT_LE(seconds, e.longest);
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32767);
  }
}

}  // namespace
