// The analysis of a game in the main window: "Débuter une analyse" runs it
// one position at a time with the board following, the analysis window
// shows its lines and graph as they come, a line or a point of the graph
// puts its position on the board; "Fin analyse" ends it and offers to learn
// the final position. Also "Editer coups" of the "Calcul" tab.
#pragma once

#include <string>
#include <vector>

#include "ui/commandes.h"

class TForm4;

class CommandesAnalyse : public Commandes {
  Q_OBJECT
 public:
  explicit CommandesAnalyse(TForm1& fenetre) : Commandes(fenetre) {}

  // The analysis window: the program's TForm4, or one of this window's own
  // (a main window made alone, as tests make it).
  TForm4* fenetre_analyse();
  // Shown beside the board, where it was if it is already up.
  void montrer_fenetre();
  // The window from the analysis as it stands: the list, the graph, the buttons.
  void montrer_analyse();
  // What montrer_session shows of it: the buttons and the ply on the board.
  void montrer_etat();
  // Line `ligne` of the list (a move line) or point `demi_coup` of the graph:
  // that position on the board, through the record's navigation.
  void montrer_ligne(int ligne);
  void montrer_demi_coup(int demi_coup);
  // The analysed game as PDN with the analysis in it, into a file chosen.
  void ecrire_pdn_analyse();
  // The loop of "Débuter une analyse" runs (a search of it may be running).
  bool boucle_en_cours() const { return boucle_; }

 public slots:
  void Analyser();
  void Button4Click();  // "Fin analyse", "Terminer l'analyse"
  void Button3Click();  // "Editer analyse": the move lines as a text file
  void Best1Click();    // "Editer coups": the search panel into "Bestmove.txt"

 private:
  void analyser();
  TForm4* fenetre_ = nullptr;
  bool boucle_ = false;
  std::vector<std::string> lignes_montrees_;  // the list as the window shows it
};
