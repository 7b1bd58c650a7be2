#include "ui/edition.h"

#include <QClipboard>
#include <QGuiApplication>
#include <cstring>

#include "game/game.h"
#include "records/pdn.h"
#include "records/presse_papiers.h"
#include "search/search.h"
#include "ui/dialogues.h"
#include "ui/fichiers.h"
#include "ui/installation.h"
#include "ui/legendes.h"
#include "ui/tform1.h"

namespace {

void copier(const std::string& utf8) { QGuiApplication::clipboard()->setText(QString::fromStdString(utf8)); }

}  // namespace

// The record and the board are the search's while it runs: what is copied
// is read once it has returned.
void CommandesEdition::Copierlaposition1Click() {
  f.changer_partie([] {
    // The game position (the board of the turn: a half-entered capture is
    // no position) with its side to move.
    Position p = position_courante();
    std::memcpy(p.cases + 1, damier_sauve + 1, NB_CASES);
    copier(ecrire_fen(p));
  });
}

void CommandesEdition::Copierlapartie1Click() {
  f.changer_partie([] { copier(partie_en_pdn(date_du_jour())); });
}

void CommandesEdition::Coller1Click() {
  if (!etat_commandes().Coller1) return;
  const Collage c = lire_collage(QGuiApplication::clipboard()->text().toStdString());
  switch (c.genre) {
    case GenreCollage::Position:
      f.installation->installer_position(c.position);
      return;
    case GenreCollage::Partie:
      arret_calcul = 1;
      f.changer_partie([this, parties = c.parties] { f.fichiers->prendre_parties(parties, true, QString()); });
      return;
    case GenreCollage::Rien: {
      const int l = f.langue_cochee();
      const QString detail = c.erreur_position.empty()
                                 ? QString()
                                 : texte_catalogue(l, "msg.coller.fen").arg(QString::fromStdString(c.erreur_position));
      dialogues().message(&f, texte_catalogue(l, "msg.coller.rien"), legende(l, "Coller1"),
                          Dialogues::Icone::Avertissement, detail);
      return;
    }
  }
}
