#include "ui/navigation.h"

#include <QListWidget>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/input.h"
#include "knowledge/learning.h"
#include "records/game_file.h"
#include "records/pdn.h"
#include "rules/notation.h"
#include "ui/tform1.h"

void CommandesNavigation::reconstruire_liste_coups() {
  QListWidget* l = f.ListBox1;
  l->clear();
  for (const std::string& ligne : lignes_liste_coups(partie, dernier_demi_coup)) l->addItem(QString::fromStdString(ligne));
  ligne_resultat_ = -1;
  montrer_ligne_courante();
  if (nb_demi_coups < 2) l->scrollToTop();
  montrer_resultat();
}

void CommandesNavigation::montrer_ligne_courante() {
  // The line that holds the ply shown (none before the first).
  QListWidget* l = f.ListBox1;
  const int ligne = (nb_demi_coups - 1) / 2;
  if (nb_demi_coups == 0 || ligne >= l->count()) {
    l->setCurrentRow(-1);
    l->clearSelection();
    return;
  }
  l->setCurrentRow(ligne);
  l->scrollToItem(l->item(ligne));
}

void CommandesNavigation::montrer_resultat() {
  QListWidget* l = f.ListBox1;
  const bool resultat = fin_montree.terminee && l->count() > 0;
  if (ligne_resultat_ < 0 && !resultat) return;
  const std::vector<std::string> textes = lignes_liste_coups(partie, dernier_demi_coup);
  const auto ecrire = [&](int i, const QString& suite) {
    if (i >= 0 && i < l->count() && i < static_cast<int>(textes.size()))
      l->item(i)->setText(QString::fromStdString(textes[i]) + suite);
  };
  ecrire(ligne_resultat_, QString());
  ligne_resultat_ = -1;
  if (!resultat) return;
  ligne_resultat_ = l->count() - 1;
  ecrire(ligne_resultat_,
         QStringLiteral("  ") + QString::fromLatin1(texte_resultat_pdn(fin_montree.resultat, session.noms_algebriques)));
}

void CommandesNavigation::ecrire_liste_coups(int arrivee) {
  QListWidget* liste = f.ListBox1;
  const int h = nb_demi_coups;
  const EntreePartie& e = partie[h];
  const EntreePartie& avant = partie[h > 0 ? h - 1 : 0];
  const LigneListe l = ligne_liste_coups(h, dernier_demi_coup, {e.depart, static_cast<Case>(arrivee), e.nb_prises > 0},
                                         {avant.depart, avant.arrivee, avant.nb_prises > 0});
  if (l.vider_avant) liste->clear();
  const QString texte = QString::fromStdString(l.texte);
  if (l.index < liste->count())
    liste->item(l.index)->setText(texte);
  else
    liste->addItem(texte);
  montrer_ligne_courante();
  montrer_resultat();
}

void CommandesNavigation::supprimer_lignes_reprises() {
  // Moves had been taken back: the lines past the current ply go.
  QListWidget* l = f.ListBox1;
  const int garder = (nb_demi_coups + 1) / 2;
  while (l->count() > garder) delete l->takeItem(l->count() - 1);
  if (ligne_resultat_ >= l->count()) ligne_resultat_ = -1;
}

void CommandesNavigation::aller_a(int demi_coup) {
  // A learning session's games are its own.
  if (session_apprentissage != 0) return;
  f.changer_partie([this, demi_coup] {
    aller_au_demi_coup(demi_coup);
    position_montree();
    sans_anticipation = 1;
    ordinateur_au_trait = 0;
  });
}

void CommandesNavigation::position_montree() {
  abandonner_saisie();
  demarrer_tours();
  montrer_ligne_courante();
  f.afficher_horloges();
  f.afficher_nb_pieces();
  f.placer_pions();
  f.montrer_session();
}

void CommandesNavigation::reprise() {
  if (nb_demi_coups > 0) aller_a(nb_demi_coups - 1);
}

void CommandesNavigation::avancer() {
  if (nb_demi_coups >= dernier_demi_coup) return;
  match_classe = 0;
  aller_a(nb_demi_coups + 1);
}

void CommandesNavigation::revenir_debut() {
  match_classe = 0;
  aller_a(0);
}

void CommandesNavigation::Aller_fin() {
  match_classe = 0;
  aller_a(dernier_demi_coup);
}

void CommandesNavigation::revenir_n() {
  const int ligne = f.ListBox1->currentRow();
  if (ligne < 0) return;  // nothing chosen
  // The side to move stays: the ply keeps the parity of the current one,
  // and never goes past the end of the record.
  int h = nb_demi_coups % 2 == 0 ? 2 * ligne : 2 * ligne + 1;
  if (h > dernier_demi_coup) h = dernier_demi_coup - (dernier_demi_coup - h) % 2;
  if (h < 0 || h > dernier_demi_coup) return;
  aller_a(h);
}
