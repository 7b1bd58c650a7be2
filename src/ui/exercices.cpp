#include "ui/exercices.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include "game/clocks.h"
#include "game/game.h"
#include "game/hooks.h"
#include "knowledge/problemes.h"
#include "records/files.h"
#include "search/search.h"
#include "ui/commentaire.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/navigation.h"
#include "ui/panneau.h"
#include "ui/tform1.h"

namespace {

constexpr std::uint32_t COULEUR_ARRIVEE = 0x00FFFF;  // framed as the computer's moves are
constexpr std::uint32_t COULEUR_DEPART = 0xC0C0C0;

enum Ton { NEUTRE, BON, FAUX, SOLUTION };

// A commentary holds the task and what to look for, then after a blank line
// the solution: that part waits until the player has solved the exercise or
// asks to see the solution.
QString sans_solution(const QString& texte) {
  static const QRegularExpression ligne_vide("\\n[ \\t]*\\n");
  const qsizetype i = texte.indexOf(ligne_vide);
  return i < 0 ? texte : texte.left(i);
}

}  // namespace

// A new main window is a program starting: no exercise open yet.
CommandesExercices::CommandesExercices(TForm1& fenetre) : Commandes(fenetre) { fermer_exercice(); }

// ---- opening an exercise ------------------------------------------------------

void CommandesExercices::Problmes1Click() {
  arret_calcul = 1;
  const QString dossier = QString::fromStdString(chemin_donnee("", DOSSIER_PROBLEMES).string());
  const QString nom = dialogues().fichier_a_ouvrir(&f, dossier, texte_catalogue(f.langue_cochee(), "msg.filtre.parties"));
  if (nom.isEmpty()) return;
  const std::filesystem::path chemin = nom.toStdString();
  commencer_recherche_problemes(chemin);
  ouvrir(chemin);
}

void CommandesExercices::Button1Click() {
  const std::optional<std::filesystem::path> suivant = probleme_suivant();
  if (suivant) ouvrir(*suivant);
}

void CommandesExercices::Panel14Click() {
  revoir = 1;
  Button1Click();
  revoir = 0;
}

void CommandesExercices::ouvrir(const std::filesystem::path& chemin) {
  if (commentaire == nullptr) {
    commentaire = new FenetreCommentaire(&f);
    connect(commentaire->Revoir_exercice, &QPushButton::clicked, this, &CommandesExercices::Panel14Click);
    connect(commentaire->Solution_exercice, &QPushButton::clicked, this, &CommandesExercices::voir_solution);
    connect(commentaire->Suivant_exercice, &QPushButton::clicked, this, &CommandesExercices::Button1Click);
    // Beside the main window when the screen has room, else over its right
    // edge above the lower clock of the 3D board, low enough that the move
    // list's first lines stay in view.
    const QRect ecran = f.screen() ? f.screen()->availableGeometry() : QRect();
    const QRect cadre = f.frameGeometry();
    const bool a_cote = cadre.right() + commentaire->width() < ecran.right();
    commentaire->move(a_cote ? cadre.right() + 8 : cadre.right() - commentaire->width() - 16,
                      cadre.top() + (a_cote ? 80 : cadre.height() * 38 / 100));
  }
  f.changer_partie([this, chemin] {
    std::string raison;
    if (!ouvrir_exercice(chemin, raison)) {
      f.erreur_fichier(QString::fromStdString(chemin.string() + " (" + raison + ")"));
      montrer();
      return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{f.fin_de_parties, f.Match_nul, f.Zut, f.Nulrefus}) w->hide();
    f.navigation->reconstruire_liste_coups();
    f.navigation->position_montree();
    // The move list ends at the exercise, on its last line (a half line when
    // the player has the white pieces).
    f.ListBox1->setCurrentRow(f.ListBox1->count() - 1);
    commentaire->show();
    commentaire->raise();
  });
}

void CommandesExercices::fermer() {
  fermer_exercice();
  if (commentaire) commentaire->hide();
  montrer();
}

// ---- the player's moves and the solution -------------------------------------------

bool CommandesExercices::coup_du_joueur(const Coup& m) {
  const VerdictSolution v = juger_coup_joueur(m);
  if (v.resultat == ResultatCoup::HorsSolution) return false;
  if (v.reponse) jouer_coup_enregistre(*v.reponse);
  if (commentaire) commentaire->show();
  montrer();
  // Off the solution, the game goes on as any game: the computer answers.
  return v.resultat != ResultatCoup::Autre;
}

void CommandesExercices::voir_solution() {
  f.changer_partie([this] {
    const std::optional<CoupAMontrer> c = coup_a_montrer();
    if (!c) return;
    if (c->depuis_debut) {
      if (plies_suivis(exercice_ouvert.exercice.debut) == 0) {
        aller_au_demi_coup(exercice_ouvert.exercice.debut);
      } else {
        // Another game was opened since: the exercise comes back first.
        const std::filesystem::path chemin = exercice_ouvert.chemin;
        std::string raison;
        if (!ouvrir_exercice(chemin, raison)) {
          f.erreur_fichier(QString::fromStdString(chemin.string() + " (" + raison + ")"));
          return;
        }
        f.navigation->reconstruire_liste_coups();
      }
      case_depart_marquee = case_arrivee_marquee = 0;
      f.navigation->position_montree();
    }
    jouer_coup_enregistre(c->coup);
    exercice_ouvert.etape = EtapeExercice::Montre;
    exercice_ouvert.montres = c->rang + 1;
    // Nobody answers a move shown: the next press shows the next one.
    ordinateur_au_trait = 0;
    sans_anticipation = 1;
    f.montrer_session();
  });
}

void CommandesExercices::jouer_coup_enregistre(const Coup& m) {
  // The last move framed goes back to its plain squares.
  for (const Case s : {case_depart_marquee, case_arrivee_marquee})
    if (s != 0) f.afficher_case(s, damier[s]);
  {
    // The window breathes while the move is shown: changes wait for it.
    const TForm1::Occupation pendant(f);
    f.montrer_coup_ordinateur(m);
    f.navigation->supprimer_lignes_reprises();
    jouer_et_enregistrer(m);
    sauver_position();
  }
  f.navigation->ecrire_liste_coups(m.arrivee);
  f.encadrer_case(m.arrivee, COULEUR_ARRIVEE);
  f.encadrer_case(m.depart, COULEUR_DEPART);
  case_depart_marquee = m.depart;
  case_arrivee_marquee = m.arrivee;
  debut_tour(trait) = heure_en_secondes();
  f.afficher_nb_pieces();
}

// ---- showing the state ---------------------------------------------------------------

void CommandesExercices::montrer() {
  // The board's two panels stand while a folder is gone through.
  const bool parcours = recherche_problemes.courant >= 0;
  for (QWidget* p : {static_cast<QWidget*>(f.Panel13), static_cast<QWidget*>(f.Panel14)})
    if (p->isHidden() == parcours) {
      p->setVisible(parcours);
      if (parcours) p->raise();
    }
  if (commentaire) montrer_commentaire();
}

void CommandesExercices::montrer_commentaire() {
  const int l = f.langue_cochee();
  const ExerciceOuvert& o = exercice_ouvert;
  if (o.chemin != chemin_lu_ || l != langue_lue_) {
    chemin_lu_ = o.chemin;
    langue_lue_ = l;
    // A missing commentary leaves the window empty.
    texte_lu_ = o.chemin.empty() ? QString()
                                 : QString::fromStdString(lire_commentaire(o.chemin, static_cast<std::uint8_t>(l)));
  }
  FenetreCommentaire& c = *commentaire;
  c.setWindowTitle(legende(l, "Problmes1"));
  c.Titre_exercice->setText(QString::fromStdString(o.chemin.stem().string()));
  const bool solution_visible = o.etape == EtapeExercice::Reussi || o.etape == EtapeExercice::Montre;
  c.montrer_texte(solution_visible ? texte_lu_ : sans_solution(texte_lu_));

  const QString revoir_coup = legende(l, "Panel14"), voir = texte_catalogue(l, "msg.exercice.voir");
  const int n = static_cast<int>(o.exercice.solution.size());
  switch (o.etape) {
    case EtapeExercice::BienJoue:
      c.montrer_verdict(texte_catalogue(l, "msg.exercice.bien_joue"), BON);
      break;
    case EtapeExercice::Reussi:
      c.montrer_verdict(texte_catalogue(l, "msg.exercice.bien_joue") + " " + texte_catalogue(l, "msg.exercice.reussi"),
                        BON);
      break;
    case EtapeExercice::Rate:
      c.montrer_verdict(texte_catalogue(l, "msg.exercice.rate").arg(revoir_coup), FAUX);
      break;
    case EtapeExercice::Montre:
      c.montrer_verdict(texte_catalogue(l, "msg.exercice.montre").arg(o.montres).arg(n), SOLUTION);
      break;
    case EtapeExercice::AChercher:
    case EtapeExercice::Aucun:
      c.montrer_verdict(QString(), NEUTRE);
      break;
  }
  c.Revoir_exercice->setText(revoir_coup);
  c.Solution_exercice->setText(voir);
  c.Suivant_exercice->setText(legende(l, "Panel13"));
  const bool ouvert = !o.chemin.empty();
  c.Revoir_exercice->setEnabled(ouvert);
  c.Solution_exercice->setEnabled(ouvert && n > 0);
  const int courant = recherche_problemes.courant;
  c.Suivant_exercice->setEnabled(courant >= 0 && courant + 1 < static_cast<int>(recherche_problemes.noms.size()));
}
