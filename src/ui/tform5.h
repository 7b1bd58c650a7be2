// The evaluation-parameter editors: edit boxes for every field of the
// parameter set, the per-square tables laid out like the board seen from
// black's side. TForm5 is the one the menu opens; TForm6 and TForm7 hold the
// same boxes in other layouts and are never shown.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "evaluation/evaluation.h"
#include "ui/formes.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class EditeurParametres : public FenetreSecondaire {
  Q_OBJECT
 public:
  // `colonnes`: table panels side by side in a row of the layout.
  EditeurParametres(const char* nom, int colonnes);

  void remplir_cases();  // every box from the parameter set in force
  // Every box into the set when each holds a parameter value (-128..127);
  // otherwise nothing is applied and the first box that does not is given.
  QLineEdit* lire_cases();
  QString nom_case(const QLineEdit* b) const;  // where a box stands, as a user names it
  void montrer_langue(int langue) override;

  // ---- components -----------------------------------------------------------
  QWidget* parametre0;                       // the panel holding everything
  QGroupBox* panneaux_tables[NB_TABLES_CASES];  // parmetre1, parametre2 ... parametre8
  QLineEdit* cases[NB_TABLES_CASES][33];     // entry k of each table, 1..32 (0 is not shown)
  QLineEdit* phases[3];                      // phase0_bas, phase1_bas, phase2_bas
  QLineEdit* temps[8];                       // temps_avance
  QLineEdit* cases_blanches[2][7];           // cases_v1_blancs, cases_v2_blancs
  QLineEdit* cases_noires[2][7];             // cases_v1_noirs, cases_v2_noirs
  QPushButton *parametreOK, *parametrecancel;

 public slots:
  // Both go to the main window's handlers of the same names.
  void parametreOKClick();
  void parametrecancelClick();

 private:
  struct Champ {
    QLineEdit* boite;
    std::int8_t* champ;
    std::function<QString(int)> nom;  // where it stands, in a language: "Milieu par défaut, case 14"
  };
  std::vector<Champ> champs_;  // each box, its field and its name
  QLineEdit* boite(std::int8_t* champ, std::function<QString(int)> nom);
  // Each label with its catalogue key and the number it holds (0: none).
  struct Texte {
    QLabel* etiquette;
    const char* cle;
    int nombre;
  };
  std::vector<Texte> textes_;
  QLabel* texte(const char* cle, int nombre = 0);
};

class TForm5 : public EditeurParametres {
  Q_OBJECT
 public:
  TForm5() : EditeurParametres("TForm5", 4) {}
};

class TForm6 : public EditeurParametres {
  Q_OBJECT
 public:
  TForm6() : EditeurParametres("TForm6", 2) {}
};

class TForm7 : public EditeurParametres {
  Q_OBJECT
 public:
  TForm7() : EditeurParametres("TForm7", 8) {}
};
