// The texts the engine composes at run time, in each language: the catalogue
// lines ("msg.key|text") of the language tables under data/langues, which are
// built into the engine as they are into the window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// ---- constants ------------------------------------------------------------

constexpr int NB_LANGUES_CATALOGUE = 6;  // 0 French, 1 English, 2 Dutch, 3 Portuguese, 4 Spanish, 5 Italian

// ---- functions ------------------------------------------------------------

// The catalogue text `cle` ("msg.analyse.blancs") of `langue`, UTF-8: the
// French one when that language lacks it (or the language is unknown), the
// key itself when no table has it.
std::string texte_langue(int langue, std::string_view cle);

// Puts `valeurs` into a catalogue text: %1 is the first, %2 the second, ...
// up to %9; a % followed by anything else stays as it is.
std::string remplir_texte(std::string_view texte, const std::vector<std::string>& valeurs);

// `valeur` right-aligned in `largeur` characters, as "%2d" writes it.
std::string nombre_aligne(int valeur, int largeur);
