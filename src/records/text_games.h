// Games as plain text. The program's own text format: a header line
// "white-black" with the result, then numbered move pairs in the numeric
// square names, games parted by an empty line. Portable Draughts Notation is
// read and written by records/pdn.h into the same parsed game, and either is
// replayed through the move generator into the game record.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "rules/board.h"
#include "rules/fen.h"
#include "rules/notation.h"

// ---- constants ------------------------------------------------------------

constexpr std::size_t TAILLE_TEXTE_LU = 64010;  // bytes of a text file read; the rest is ignored
constexpr int MAX_COUPS_LUS = 254;              // moves kept per game of a text file: all the record holds

static_assert(MAX_COUPS_LUS == DERNIER_DEMI_COUP);

// ---- types ----------------------------------------------------------------

// Why a game cannot be written in the program's text format, which holds no
// starting position: the window says so and points to PDN, which holds it.
enum class RefusTexte {
  Aucun,
  PositionPosee,  // the game starts from a set-up position, or with camp 1 to move
  NomBlanc,       // camp 0's name would not read back as it is
  NomNoir,        // camp 1's name would not read back as it is
};

// One move as written: origin and destination (0 when a name is not a
// square) and, when every jump is written, the landing square after each
// jump, the destination last.
struct CoupLu {
  Case depart = 0;
  Case arrivee = 0;
  std::vector<Case> escales;
  int numero = 0;     // the move number it was written under
  std::string texte;  // as written, for messages
  bool illisible = false;  // a word of the moves that is no move of the game's notation
};

struct PartieLue {
  std::string nom_blanc, nom_noir;  // camp 0 and camp 1, Latin-1, at most LONGUEUR_NOM - 1 bytes
  // The names as written, in UTF-8 (PDN): beyond Latin-1 or longer than the
  // record holds, the Latin-1 names above are made from them.
  std::string nom_blanc_complet, nom_noir_complet;
  int type_jeu = 23;  // PDN GameType: 23 pool checkers, 25 Russian, 26 Brazilian draughts
  int resultat = 3;                 // as resultat_partie: 0 camp 1 won, 1 draw, 2 camp 0 won, 3 none
  bool position_posee = false;      // the game starts from `depart`, not the starting position
  Position depart{};
  std::vector<CoupLu> coups;
  std::string erreur;  // what could not be read (a PDN game whose position tag is wrong)
};

// A game that holds nothing: no move, no position, no result, nothing wrong
// with it (what the text reader makes of a paragraph of prose).
bool partie_vide(const PartieLue& p);

// Why a replay stopped: the move, numbered as written, of game `partie`
// (counted from 1).
struct ArretRejeu {
  enum class Raison { CoupIllegal, PartiePleine, Partie, CoupAmbigu, CoupIllisible };
  bool arrete = false;
  int partie = 0;
  int numero = 0;      // 0 when no move is at fault
  std::string coup;    // the move as written
  Raison raison = Raison::CoupIllegal;
  std::string detail;  // Partie: what was wrong with the game itself
  int type_jeu = 23;   // the game's PDN GameType, named when its rules are not ours
};

// ---- functions ------------------------------------------------------------

// Text bytes as Latin-1: a UTF-8 text (its byte-order mark dropped) is
// converted, a character beyond Latin-1 becoming '?'; any other text is
// taken as Latin-1 already.
std::string texte_en_latin1(std::string_view octets);
std::string latin1_en_utf8(std::string_view latin1);
bool est_utf8(std::string_view octets);

// A name in UTF-8 as Latin-1 for the record: Cyrillic and Greek letters
// transliterated ("Пётр" is "Pyotr"), Latin letters that Latin-1 lacks
// without their marks ("Łukasz" is "Lukasz"), any other character '?'.
// Cut to `longueur` bytes (0: not cut).
std::string nom_en_latin1(std::string_view utf8, std::size_t longueur = 0);

// A player's name as it is shown and written in UTF-8: the full name when
// the record's Latin-1 name was made from it (nom_en_latin1 cut to the
// record's length; a game read from a file and still open), else the
// record's name. A full name kept from a game whose players were renamed
// since is not taken.
std::string nom_entier(const std::string& latin1, const std::string& complet);

// The games of a text file in the program's text format (at most
// TAILLE_TEXTE_LU bytes are looked at).
std::vector<PartieLue> lire_parties_texte(std::string_view octets);

// The games of a file of either kind: PDN when the name ends in ".pdn" or the
// text begins with a tag, else the program's text format.
bool est_pdn(std::string_view octets, std::string_view nom_fichier);
std::vector<PartieLue> lire_parties(std::string_view octets, std::string_view nom_fichier);

// The pick-list line of game `numero` (from 1): "%2d:" and the two names
// in full (nom_entier), in UTF-8.
std::string ligne_choix_partie(int numero, const PartieLue& p);

// Replays a parsed game into the game record: its names (the full names
// into nom_complet_blanc / nom_complet_noir), its starting position, then
// each move matched against the legal moves by origin and destination and,
// when landing squares are written, by the pieces they jump. A move that
// matches none is skipped, the same side still to move (written landing
// squares that match no capture fall back on the first move with that
// origin and destination); with `arreter` the replay stops there instead and
// says so, and also at a word that is no move and at a capture written by
// origin and destination alone when two captures between them take
// different pieces. The final position goes to damier_sauve, the result
// read to resultat_partie when the replay went to the end. `numero` names
// the game in the message.
ArretRejeu rejouer_partie(const PartieLue& p, int numero, bool arreter);

// "Move 12 (11-15) of game 3: ..." in a language (0 French ... 5 Italian);
// what was wrong with a game itself (`detail`) stays as the reader wrote it.
std::string texte_arret(const ArretRejeu& a, int langue);

// The landing squares of ply h (1..DERNIER_DEMI_COUP) of the record after
// each jump, the destination last, when a reader needs them: another legal
// capture has the same origin and destination but takes other pieces (or
// always for a capture of several pieces, with `toujours`). Empty when the
// origin and destination say it all. The generator runs on the position
// before the ply: the caller keeps the game board.
std::vector<Case> escales_du_demi_coup(int h, bool toujours);

// The record's starting position (entry 0) with the side that made its
// first ply, or the side to move when no ply is recorded.
Position depart_du_record();

// Whether the game record, with these names, can be written in the
// program's text format so that it reads back as the same game:
// RefusTexte::Aucun when it can. A name cannot hold a line end, "1." (the
// moves begin there), a blank at either end, camp 0's a "-" (it ends the
// name) and camp 1's two blanks in a row (they end it); nor, when both names
// are UTF-8 as well as Latin-1, a character beyond ASCII (the reader would
// take the file as UTF-8).
RefusTexte refus_texte_partie(const std::string& nom_blanc, const std::string& nom_noir);

// The game record in the program's text format, lines ended by CR LF:
// the names (Latin-1) and the result, "Corvane109", then the move list four
// lines at a time, the last line of an odd list included. Squares carry
// their numeric names whatever names the board shows, and a capture its
// landing squares when a reader needs them (escales_du_demi_coup). A game
// the format cannot hold (refus_texte_partie) is not written: "" is
// returned, and the reason put in `refus` when it is given.
std::string ecrire_texte_partie(const std::string& nom_blanc, const std::string& nom_noir, int resultat,
                                RefusTexte* refus = nullptr);
