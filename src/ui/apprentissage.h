// Learnt positions in the main window: the panel "Apprendre ?" after an
// analysis, lesson files loaded, and the learning session, in which the
// computer plays itself, analyses each game and learns its final position
// while the window shows the games, until "Arrêter la session".
#pragma once

#include <QString>
#include <filesystem>

#include "knowledge/learning_session.h"
#include "ui/commandes.h"

class QPushButton;

class CommandesApprentissage : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesApprentissage(TForm1& fenetre) : Commandes(fenetre) {}

  void construire_learn();  // the panel's two buttons
  QPushButton *Learn_yes = nullptr, *Learn_no = nullptr;

  // A session's length: 0 games plays until "Arrêter la session" (what the
  // menu does); 0 plies plays each game to its end. Tests shorten both.
  int parties_session = 0;
  int demi_coups_session = 0;
  BilanSession bilan;  // of the last session
  bool session_en_cours() const { return en_cours_; }

 public slots:
  void Apprendreposition1Click();  // Learn_yes
  void Learn_noClick();
  void Chargerdesleons1Click();
  void Lancerunesession1Click();
  void Arrterlasession1Click();

 private:
  QString dossier_lecons() const;  // "Parametres" of the user's folder
  void jouer(const std::filesystem::path& lecon);
  void apres_coup();
  bool en_cours_ = false;
};
