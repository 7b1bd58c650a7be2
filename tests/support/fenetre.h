// What the window tests share: file dialogs answered with a chosen path
// (empty: cancelled) that keep the folders they were opened in and the
// messages shown; clicks where a user clicks; a user playing at the board.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstring>
#include <functional>
#include <random>
#include <utility>

#include "game/game.h"
#include "rules/notation.h"
#include "search/root.h"
#include "support/clics.h"
#include "support/dossier_programme.h"
#include "support/dossier_temporaire.h"
#include "ui/dialogues.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"
#include "ui/tform1.h"

class DialoguesDeTest : public Dialogues {
 public:
  QString fichier_a_sauver(QWidget*, const QString& d, const QString&, const QString& f, const QString& e) override {
    return noter(d, f + "|" + e);
  }
  QString fichier_a_ouvrir(QWidget*, const QString& d, const QString& f) override { return noter(d, f); }
  QString noter(const QString& dossier, const QString& f) {
    dossiers << dossier;
    filtre = f;
    return reponse;
  }
  // "title: text", and " (stop)" after an error.
  void message(QWidget*, const QString& texte, const QString& titre, Icone icone, const QString& detail) override {
    messages << titre + ": " + texte + (icone == Icone::Erreur ? " (stop)" : "");
    details << detail;
  }
  // "title: text" of each question, answered with `oui`.
  bool question(QWidget*, const QString& texte, const QString& titre) override {
    questions << titre + ": " + texte;
    return oui;
  }
  // The next file dialog answers `p`.
  void repondre(const std::filesystem::path& p) { reponse = QString::fromStdString(p.string()); }
  QString reponse, filtre;
  QStringList dossiers, messages, details, questions;
  bool oui = true;
};

// Installs the dialogs for the whole test program and keeps them at hand.
inline DialoguesDeTest* installer_dialogues_de_test() {
  auto* d = new DialoguesDeTest;
  installer_dialogues(std::unique_ptr<Dialogues>(d));
  terminer_processus = [](int) {};
  return d;
}

inline QStringList lignes(const QListWidget* l) {
  QStringList t;
  for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
  return t;
}

inline void cliquer(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
inline void cliquer_rond(QRadioButton* r) { QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(8, r->height() / 2)); }

// Clicks the line of a list that reads `texte`.
inline bool cliquer_ligne(QListWidget* liste, const QString& texte) {
  const QList<QListWidgetItem*> l = liste->findItems(texte, Qt::MatchExactly);
  if (l.isEmpty()) return false;
  QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(l.first()).center());
  return true;
}

// Clicks square s where the user sees it: the 2D board or the 3D picture.
inline void cliquer_case(TForm1& f, Case s) {
  const bool inverse = damier_inverse != 0;
  if (f.Panel10->isVisible()) {
    const QPoint l = position_3d(s, inverse) + QPoint(30, 30);
    const QPointF p(f.Image5->width() * (l.x() + 0.5) / LARGEUR_IMAGE5,
                    f.Image5->height() * (l.y() + 0.5) / HAUTEUR_IMAGE5);
    QTest::mouseClick(f.Image5, Qt::LeftButton, {}, p.toPoint());
  } else {
    const QPointF p = f.scene->origine() + QPointF(cellule_2d(s, inverse) + QPoint(30, 30)) * f.scene->echelle();
    QTest::mouseClick(f.scene, Qt::LeftButton, {}, p.toPoint());
  }
}

// A click on square s taken as the game loop takes it.
inline void cliquer_et_traiter(TForm1& f, Case s) {
  cliquer_case(f, s);
  if (clic_en_attente == 0) return;
  clic_en_attente = 0;
  f.clic1(clic_x, clic_y);
}

// Move m clicked in by its origin, then its destination when it was not played at once.
inline void cliquer_coup(TForm1& f, const Coup& m) {
  cliquer_et_traiter(f, m.depart);
  if (piece_en_main != 0) cliquer_et_traiter(f, m.arrivee);
}

// Past the introduction on board theme `theme`.
inline void passer_intro(TForm1& f, int theme) {
  f.demarrage->choisir_theme_intro(theme);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The board a legal move of the position on damier leads to.
inline std::array<std::uint8_t, 33> apres(const Coup& m) {
  std::array<std::uint8_t, 33> b;
  std::memcpy(b.data(), damier, 33);
  const Piece p = b[m.depart];
  b[m.depart] = VIDE;
  for (int k = 1; k <= m.nb_prises; ++k) b[m.prises[k]] = VIDE;
  b[m.arrivee] = couronner(p, m.arrivee);
  return b;
}

// A user at the board: when a human is to move it chooses a legal move and
// clicks it in, square by square, by the final square or by the landing
// squares in turn; it checks the board after each of its moves.
// Runs the game loop until it ends, calling `tour` every millisecond from a
// timer shot of its own: a turn that starts a nested game loop (a new game
// with the computer to move) leaves this one free.
inline void boucle_avec(TForm1& f, const std::function<void()>& tour) {
  QTimer minuterie;
  minuterie.setInterval(1);
  QObject::connect(&minuterie, &QTimer::timeout, [&] { QTimer::singleShot(0, &minuterie, tour); });
  minuterie.start();
  f.boucle_de_jeu();
}

struct Joueur {
  explicit Joueur(TForm1& fenetre) : f(fenetre) {}
  TForm1& f;
  std::mt19937 aleas{3};
  int limite = DERNIER_DEMI_COUP;   // quit the program at this ply
  std::function<bool()> action;     // called between moves; true: it acted, no move this turn
  std::function<int(int)> choisir;  // the index of the next move among n; random if unset
  QString erreur;
  int coups = 0, clics = 0;
  bool verifier_avis = true;  // the capture notice goes once a move is made

  bool en_cours = false;
  Coup m{};
  std::vector<Case> chemin;
  std::array<std::uint8_t, 33> attendu{};
  int ply_avant = 0;

  bool humain_au_trait() const {
    return (ordinateur_au_trait == 0 || f.action("Humaincontrehumain1")->isChecked()) && installation_en_cours == 0;
  }

  void echec(const QString& e) {
    if (erreur.isEmpty()) erreur = e;
    f.demarrage->quitter();
  }

  // A click that selects nothing: a light square of the 2D board, or beside
  // the squares of the 3D picture. It stops the thinking on the human's time.
  void cliquer_ailleurs() {
    if (f.Panel10->isVisible())
      QTest::mouseClick(f.Image5, Qt::LeftButton, {}, QPoint(3, 3));
    else
      QTest::mouseClick(f.scene, Qt::LeftButton, {},
                        (f.scene->origine() + QPointF(50, 55) * f.scene->echelle()).toPoint());
  }

  void tour() {
    if (fin_programme != 0 || clic_en_attente != 0) return;
    if (f.recherche_en_cours != 0) {
      // Thinking on the human's time: the user's click stops it.
      if (reflexion_anticipee != 0 && humain_au_trait()) {
        if (en_cours && nb_demi_coups == ply_avant)
          cliquer_case(f, prochain_clic(m, chemin, coups % 2 == 0));
        else
          cliquer_ailleurs();
      }
      return;
    }
    if (f.fin_de_parties->isVisible() || nb_demi_coups >= limite) return f.demarrage->quitter();
    if (en_cours && nb_demi_coups != ply_avant) {
      en_cours = false;
      // (The computer may have answered already.)
      for (int s = 1; s <= 32; ++s)
        if (partie[ply_avant + 1].position[s] != attendu[s]) return echec("the board after the move differs");
      // (Unless the user has already clicked for the next move.)
      if (verifier_avis && piece_en_main == 0 && f.Label29->isVisible())
        return echec("the capture notice outlived its move");
      ++coups;
      return;
    }
    if (!en_cours && action && action()) return;
    if (!humain_au_trait()) return;
    if (en_cours) {
      if (++clics > 20) return echec("the move " + QString::fromStdString(notation_coup(m)) + " was not taken");
      return cliquer_case(f, prochain_clic(m, chemin, coups % 2 == 0));
    }
    if (std::memcmp(damier + 1, damier_sauve + 1, 32) != 0) return echec("a half-made move is left on the board");
    const int n = coups_legaux(trait);
    if (n == 0) return;
    m = listes_coups[1][choisir ? choisir(n) : aleas() % n];
    attendu = apres(m);
    chemin = chemin_du_coup(m);
    ply_avant = nb_demi_coups;
    clics = 0;
    en_cours = true;
    cliquer_case(f, m.depart);
  }

  // Runs the game loop, with this player at the board, until it quits; then
  // checks that every ply of the record is a legal move of the position
  // before it. The first fault seen, if any.
  QString jouer() {
    boucle_avec(f, [this] { tour(); });
    Camp camp = BLANCS;
    for (int h = 1; h <= nb_demi_coups && erreur.isEmpty(); ++h, camp = adversaire(camp)) {
      std::memcpy(damier + 1, partie[h - 1].position + 1, 32);
      const int n = coups_legaux(camp);
      bool trouve = false;
      for (int i = 0; i < n && !trouve; ++i) {
        const Coup& c = listes_coups[1][i];
        trouve = c.depart == partie[h].depart && c.arrivee == partie[h].arrivee &&
                 std::memcmp(apres(c).data() + 1, partie[h].position + 1, 32) == 0;
      }
      if (!trouve) erreur = QString("ply %1 is not a legal move").arg(h);
    }
    return erreur;
  }
};
