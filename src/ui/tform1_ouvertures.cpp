// The main window's commands on the opening books: book play on or off,
// changing to another set of books, opening the two editors.
#include <QAction>

#include "knowledge/books.h"
#include "ui/dialogues.h"
#include "ui/tform1.h"
#include "ui/tform2.h"

void TForm1::Bibliothquesactives1Click() {
  bibliotheque_active = bibliotheque_active != 0 ? 0 : 1;
  montrer_session();
}

void TForm1::Changerbibliothqueouvertures1Click() {
  const QString nom = dialogues().fichier_a_ouvrir(
      this, QString::fromStdString(dossier_jeux_ouvertures().string()), FILTRE_JEUX_OUVERTURES);
  if (nom.isEmpty()) return;
  std::vector<LigneRefusee> refusees;
  if (!charger_jeu_ouvertures(nom.toStdString(), &refusees)) {
    erreur_fichier(nom);
    return;
  }
  signaler_lignes_refusees(this, refusees);
  for (Camp c : {BLANCS, NOIRS})
    if (EditeurOuvertures* e = editeur_ouvertures(c)) e->afficher_liste();
}

void TForm1::Ouverturespourlesblancs1Click() {
  if (EditeurOuvertures* e = editeur_ouvertures(BLANCS)) e->ouvrir(this);
}

void TForm1::Ouverturespourlesnoirs1Click() {
  if (EditeurOuvertures* e = editeur_ouvertures(NOIRS)) e->ouvrir(this);
}
