#include "ui/apprentissage.h"

#include <QPushButton>

#include "game/game.h"
#include "game/levels.h"
#include "knowledge/learning.h"
#include "records/analysis.h"
#include "records/files.h"
#include "ui/analyse.h"
#include "ui/composants.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/navigation.h"
#include "ui/tform1.h"
#include "ui/tform4.h"

QString CommandesApprentissage::dossier_lecons() const {
  return QString::fromStdString(dossier_ecriture("Parametres").string());
}

void CommandesApprentissage::construire_learn() {
  f.Learn->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  f.Learn->setContentsMargins(0, 8, 0, 0);
  Learn_yes = bouton(f.Learn, "Learn_yes", 20, 48, 76, 30);
  Learn_no = bouton(f.Learn, "Learn_no", 104, 48, 76, 30);
  connect(Learn_yes, &QPushButton::clicked, this, &CommandesApprentissage::Apprendreposition1Click);
  connect(Learn_no, &QPushButton::clicked, this, &CommandesApprentissage::Learn_noClick);
}

// ---- the final position of an analysed game ----------------------------------------

void CommandesApprentissage::Apprendreposition1Click() {
  f.Learn->hide();
  f.changer_partie([this] {
    const ExamenFinPartie e = examiner_fin_de_partie();  // the record at its end, on the board
    f.navigation->position_montree();
    const int l = f.langue_cochee();
    if (e.verdict != Apprentissage::Possible) {
      // Nothing is learnt; the user asked, so the user is told why.
      const QString raison =
          e.verdict == Apprentissage::PartieCourte
              ? texte_catalogue(l, "msg.apprendre.courte").arg(e.demi_coups).arg(DEMI_COUPS_APPRENTISSAGE)
          : e.verdict == Apprentissage::Desequilibree ? texte_catalogue(l, "msg.apprendre.desequilibree")
                                                      : texte_catalogue(l, "msg.apprendre.non_analysee");
      dialogues().message(&f, raison, texte_catalogue(l, "msg.apprendre.titre"), Dialogues::Icone::Information);
      return;
    }
    const QString nom = dialogues().fichier_a_sauver(&f, dossier_lecons(), "*.dal",
                                                     texte_catalogue(l, "msg.filtre.lecons"), "dal");
    if (nom.isEmpty()) return;
    apprendre_fin_de_partie(nom.toStdString());  // a file that cannot be written has its error box
  });
}

void CommandesApprentissage::Learn_noClick() { f.Learn->hide(); }

void CommandesApprentissage::Chargerdesleons1Click() {
  const QString nom =
      dialogues().fichier_a_ouvrir(&f, dossier_lecons(), texte_catalogue(f.langue_cochee(), "msg.filtre.lecons"));
  if (nom.isEmpty()) return;
  // The search probes the table: it is replaced once no search runs.
  f.changer_partie([nom] { charger_lecons(nom.toStdString()); });
}

// ---- the learning session -----------------------------------------------------------

void CommandesApprentissage::Lancerunesession1Click() {
  if (en_cours_ || session_apprentissage != 0 || analyse_ouverte != 0) return;
  // The one question of a session, asked before it runs: the lesson it
  // learns into (continued when it is one already).
  const QString nom = dialogues().fichier_a_sauver(&f, dossier_lecons(), FICHIER_LECON_SESSION,
                                                   texte_catalogue(f.langue_cochee(), "msg.filtre.lecons"), "dal");
  if (nom.isEmpty()) return;
  f.changer_partie([this, nom] { jouer(nom.toStdString()); });
}

void CommandesApprentissage::Arrterlasession1Click() {
  arreter_session();
  f.montrer_session();
}

void CommandesApprentissage::jouer(const std::filesystem::path& lecon) {
  if (en_cours_ || session_apprentissage != 0 || analyse_ouverte != 0) return;
  f.Learn->hide();
  ReglageSession r;
  r.lecon = lecon;
  r.parties = parties_session;
  r.demi_coups_max = demi_coups_session;
  r.langue = f.langue_cochee();
  r.apres_coup = [this] { apres_coup(); };
  r.apres_partie = [this](const PartieSession&) {
    if (TForm4* w = f.analyse->fenetre_analyse()) w->hide();
  };
  en_cours_ = true;
  // The session thinks longer than the level says; the level comes back after.
  const std::int32_t budget = budget_reflexion, limite = temps_limite;
  // The menus show the session from its first search on.
  lancer_session();
  f.montrer_session();
  // The session's searches play on the board: what the user asks meanwhile
  // waits for the next move.
  f.recherche_en_cours = 1;
  bilan = jouer_session(r);
  f.recherche_en_cours = 0;
  en_cours_ = false;
  if (session_apprentissage != 0) arreter_session();  // it could not start
  budget_reflexion = budget;
  temps_limite = limite;
  f.analyse->fenetre_analyse()->hide();
  // The game stays where the session left it, the human to move.
  ordinateur_au_trait = 0;
  sans_anticipation = 1;
  f.executer_changements();
  if (fin_programme != 0) return;
  f.navigation->reconstruire_liste_coups();
  f.navigation->position_montree();
  if (!bilan.demarree) return;  // the lesson could not be read or written: its error box was shown
  const int l = f.langue_cochee();
  QString texte = texte_catalogue(l, "msg.session.bilan")
                      .arg(static_cast<int>(bilan.parties.size()))
                      .arg(bilan.apprises)
                      .arg(QString::fromStdString(lecon.string()));
  if (!bilan.lecon_ecrite) texte += "\n" + texte_catalogue(l, "msg.session.non_ecrite");
  dialogues().message(&f, texte, texte_catalogue(l, "msg.session.titre"),
                      bilan.lecon_ecrite ? Dialogues::Icone::Information : Dialogues::Icone::Erreur);
}

void CommandesApprentissage::apres_coup() {
  // Between two moves no search runs: what was asked meanwhile is done now.
  f.recherche_en_cours = 0;
  f.executer_changements();
  f.recherche_en_cours = 1;
  if (fin_programme != 0) {
    arreter_session();
    return;
  }
  if (analyse_ouverte != 0) {
    f.analyse->montrer_fenetre();
    f.analyse->montrer_analyse();
  }
  f.navigation->reconstruire_liste_coups();
  f.afficher_nb_pieces();
  f.afficher_horloges();
  f.montrer_session();
}
