// Sounds: a .wav file of the program's folder played to its end through
// ALSA. Without a sound device nothing is played, at once and silently.
#pragma once

#include <filesystem>
#include <string>

// Plays the 8- or 16-bit PCM wave file and returns when it has finished;
// false when nothing could be played (no file, no device, not PCM).
bool jouer_wav(const std::filesystem::path& chemin, const char* peripherique = "default");
