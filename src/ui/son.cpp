#include "ui/son.h"

#include <alsa/asoundlib.h>

#include <cstring>
#include <vector>

#include "records/files.h"

namespace {

void silence(const char*, int, const char*, int, const char*, ...) {}

struct Onde {
  int canaux = 0, frequence = 0, bits = 0;
  const std::uint8_t* donnees = nullptr;
  std::size_t taille = 0;
};

std::uint32_t lu32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t lu16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

// Walks the RIFF chunks for "fmt " and "data"; any inconsistency gives nothing.
bool lire_onde(const std::vector<std::uint8_t>& f, Onde& o) {
  if (f.size() < 12 || std::memcmp(f.data(), "RIFF", 4) != 0 || std::memcmp(f.data() + 8, "WAVE", 4) != 0)
    return false;
  bool format = false;
  for (std::size_t p = 12; p + 8 <= f.size();) {
    const std::uint32_t longueur = lu32(&f[p + 4]);
    const std::size_t debut = p + 8;
    if (longueur > f.size() - debut) return false;
    if (std::memcmp(&f[p], "fmt ", 4) == 0 && longueur >= 16) {
      if (lu16(&f[debut]) != 1) return false;  // PCM only
      o.canaux = lu16(&f[debut + 2]);
      o.frequence = static_cast<int>(lu32(&f[debut + 4]));
      o.bits = lu16(&f[debut + 14]);
      format = true;
    } else if (std::memcmp(&f[p], "data", 4) == 0) {
      o.donnees = &f[debut];
      o.taille = longueur;
    }
    p = debut + longueur + (longueur & 1);
  }
  return format && o.donnees != nullptr && (o.bits == 8 || o.bits == 16) && o.canaux >= 1 && o.canaux <= 2 &&
         o.frequence >= 4000 && o.frequence <= 192000;
}

}  // namespace

bool jouer_wav(const std::filesystem::path& chemin, const char* peripherique) {
  const auto fichier = lire_fichier(chemin, 16u << 20);
  Onde onde;
  if (!fichier || !lire_onde(*fichier, onde)) return false;
  snd_lib_error_set_handler(silence);
  snd_pcm_t* pcm = nullptr;
  if (snd_pcm_open(&pcm, peripherique, SND_PCM_STREAM_PLAYBACK, 0) < 0) return false;
  const snd_pcm_format_t format = onde.bits == 16 ? SND_PCM_FORMAT_S16_LE : SND_PCM_FORMAT_U8;
  bool ok = snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, static_cast<unsigned>(onde.canaux),
                               static_cast<unsigned>(onde.frequence), 1, 100000) >= 0;
  const std::size_t par_trame = static_cast<std::size_t>(onde.canaux * onde.bits / 8);
  snd_pcm_uframes_t reste = onde.taille / par_trame;
  const std::uint8_t* p = onde.donnees;
  while (ok && reste > 0) {
    const snd_pcm_sframes_t n = snd_pcm_writei(pcm, p, reste);
    if (n < 0) {
      if (snd_pcm_recover(pcm, static_cast<int>(n), 1) < 0) ok = false;
      continue;
    }
    p += static_cast<std::size_t>(n) * par_trame;
    reste -= static_cast<snd_pcm_uframes_t>(n);
  }
  if (ok) snd_pcm_drain(pcm);
  snd_pcm_close(pcm);
  return ok;
}
