// Game files (".dam", and "last32.dam" written when the program quits): the
// image of the game record, the current ply and the side to move, with six
// settings and the game's result carried in fields of the record's last two
// entries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/levels.h"  // minutes_autre

// ---- constants ------------------------------------------------------------

constexpr std::size_t TAILLE_FICHIER_PARTIE = 22442;
constexpr std::size_t TAILLE_ENTREE = sizeof(EntreePartie);
constexpr std::size_t POSITION_NB_DEMI_COUPS = TAILLE_PARTIE * TAILLE_ENTREE;  // 22,440
constexpr std::size_t POSITION_TRAIT = POSITION_NB_DEMI_COUPS + 1;

// Where the settings lie in the file: fields of entries 253 and 254.
constexpr std::size_t POSITION_MINUTES_AUTRE = 253 * TAILLE_ENTREE + offsetof(EntreePartie, temps_blancs);
constexpr std::size_t POSITION_TAILLE_TABLES = 253 * TAILLE_ENTREE + offsetof(EntreePartie, temps_noirs);
constexpr std::size_t POSITION_LANGUE = 254 * TAILLE_ENTREE + offsetof(EntreePartie, depart);
constexpr std::size_t POSITION_NIVEAU = 254 * TAILLE_ENTREE + offsetof(EntreePartie, arrivee);
constexpr std::size_t POSITION_BUDGET = 254 * TAILLE_ENTREE + offsetof(EntreePartie, temps_blancs);
constexpr std::size_t POSITION_LIMITE = 254 * TAILLE_ENTREE + offsetof(EntreePartie, temps_noirs);
// The game's result, in an unused byte of entry 254: resultat_partie + 1, 0
// in files written before it was kept.
constexpr std::size_t POSITION_RESULTAT = 254 * TAILLE_ENTREE + offsetof(EntreePartie, inutilise);
static_assert(POSITION_NB_DEMI_COUPS == 22440 && POSITION_TRAIT + 1 == TAILLE_FICHIER_PARTIE);
static_assert(offsetof(EntreePartie, position) == 0 && offsetof(EntreePartie, inutilise) == 85);
static_assert(offsetof(EntreePartie, depart) == 34 && offsetof(EntreePartie, arrivee) == 35);
static_assert(POSITION_MINUTES_AUTRE == 22300 && POSITION_TAILLE_TABLES == 22304);
static_assert(POSITION_LANGUE == 22386 && POSITION_NIVEAU == 22387);
static_assert(POSITION_BUDGET == 22388 && POSITION_LIMITE == 22392 && POSITION_RESULTAT == 22437);

// A file without settings (zero budget or allowance) reads as these.
constexpr std::int32_t BUDGET_SANS_REGLAGES = 160;
constexpr std::int32_t LIMITE_SANS_REGLAGES = 178;
constexpr std::int32_t MINUTES_SANS_REGLAGES = 3;
constexpr std::uint8_t NIVEAU_SANS_REGLAGES = 5;
constexpr std::uint8_t LANGUE_SANS_REGLAGES = 1;  // English
constexpr int LANGUE_RAISONS = 1;  // the tools say why a file is no game in English

constexpr const char* FICHIER_DERNIERE_PARTIE = "last32.dam";

// ---- types ----------------------------------------------------------------

struct ReglagesPartie {
  std::int32_t minutes_autre;   // minutes of the custom level "Autre"
  std::int16_t taille_tables;   // transposition-table size setting
  std::uint8_t langue;          // 0 French .. 5 Italian
  std::uint8_t niveau;          // 0..8, 11..17, 18 "Autre"
  std::int32_t budget_reflexion;
  std::int32_t temps_limite;
};

// A whole game file, decoded: entry 0 byte 0 of `partie` holds the last
// recorded ply, as in the file.
struct ContenuPartie {
  EntreePartie partie[TAILLE_PARTIE];
  std::uint8_t nb_demi_coups;
  Camp trait;
  ReglagesPartie reglages;
  std::int32_t resultat;  // as resultat_partie
};

// ---- functions ------------------------------------------------------------

// The file's bytes; the settings are written over their fields.
std::vector<std::uint8_t> encoder_partie(const ContenuPartie& c);

// Decodes and checks a file's bytes. A file of another length, or one whose
// record holds what no game can (a piece code above 4, a square above 32, a
// ply beyond the record or the current ply beyond the last one, a side to
// move other than 0 or 1, settings out of their ranges, a thinking time or
// allowance beyond BUDGET_MAX or LIMITE_MAX), is refused with `raison`
// saying why, in `langue` (0 French ... 5 Italian). Settings of a file without settings are the defaults; a table
// size that is none of the menu's reads as 0. Clocks are bounded to
// 0..HORLOGE_MAX. A name field without its zero keeps its first 19 bytes,
// the last one becoming the zero. The result is the one kept in the file; a
// file that kept none (written before results were kept) takes the one its
// final position decides: the side to move there without a move has lost, a
// full record is a draw, otherwise no result. In a full record, the squares
// of ply 254 (whose fields carry settings in the file) are found again from
// the positions before and after it.
bool decoder_partie(const std::uint8_t* octets, std::size_t taille, ContenuPartie& c, std::string& raison,
                    int langue = LANGUE_RAISONS);

// The game as it stands: partie (byte 0 of entry 0 set to dernier_demi_coup),
// nb_demi_coups, trait, the settings (minutes_autre, taille_tables,
// `langue`, niveau, budget_reflexion, temps_limite) and resultat_partie.
ContenuPartie partie_courante(std::uint8_t langue);

// Writes partie_courante to `chemin` safely. False when the file cannot be
// written.
bool ecrire_partie(const std::filesystem::path& chemin, std::uint8_t langue);

// Reads and decodes `chemin`: nothing, with `raison` in `langue`, when it
// is no game file.
std::optional<ContenuPartie> lire_contenu_partie(const std::filesystem::path& chemin, std::string& raison,
                                                 int langue = LANGUE_RAISONS);

// Takes a decoded game file as the game: the record, its last ply and the
// side that began it, the ply it was left at (aller_au_demi_coup, with the
// names recorded there), the level with its minutes, and the result (kept,
// or decided by the final position). The file's language and table size are
// the caller's to take or leave.
void appliquer_partie(const ContenuPartie& c);

// Reads `chemin`; when it is a game file, takes it as the game
// (appliquer_partie) with its table size, and gives its language in
// `langue`. Otherwise false with `raison` (in English), and nothing changes.
bool lire_partie(const std::filesystem::path& chemin, std::uint8_t& langue, std::string& raison);

// The move list of a record up to ply `dernier`: one line per full move, the
// last one a half line when the last ply is odd.
std::vector<std::string> lignes_liste_coups(const EntreePartie* record, int dernier);
