#include "ui/analyse.h"

#include <QCoreApplication>
#include <QDate>
#include <QListWidget>
#include <QPushButton>

#include "game/game.h"
#include "knowledge/learning.h"
#include "records/analysis.h"
#include "records/analysis_graph.h"
#include "records/files.h"
#include "search/root.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/navigation.h"
#include "ui/panneau.h"
#include "ui/tform1.h"
#include "ui/tform4.h"

namespace {

const QColor COULEUR_ETOILE(160, 0, 0);
const QColor COULEUR_ENTETE(90, 90, 90);

// The first filter of a catalogue entry that offers several.
QString premier_filtre(int langue, const char* cle) { return texte_catalogue(langue, cle).section(";;", 0, 0); }

QListWidgetItem* ligne_de_liste(const std::string& texte, bool coup) {
  // A starred line that wraps does so before its better play, not inside "->(".
  auto* item = new QListWidgetItem(QString::fromStdString(texte).replace("->(", "-\u2060>\u2060("));
  if (!coup) {
    item->setForeground(COULEUR_ENTETE);
  } else if (!texte.empty() && texte[0] == '*') {
    item->setForeground(COULEUR_ETOILE);
  }
  return item;
}

}  // namespace

TForm4* CommandesAnalyse::fenetre_analyse() {
  if (fenetre_ == nullptr) {
    for (QWidget* w : fenetres_secondaires())
      if (auto* t = qobject_cast<TForm4*>(w)) fenetre_ = t;
    if (fenetre_ == nullptr) {
      fenetre_ = new TForm4;
      fenetre_->setParent(&f, fenetre_->windowFlags() | Qt::Window);
    }
    connect(fenetre_->ListBox1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { montrer_ligne(fenetre_->ListBox1->row(item)); });
    connect(fenetre_->Graphe, &GrapheAnalyse::demi_coup_choisi, this, &CommandesAnalyse::montrer_demi_coup);
    connect(fenetre_, &QObject::destroyed, this, [this] { fenetre_ = nullptr; });
  }
  fenetre_->principale = &f;
  return fenetre_;
}

void CommandesAnalyse::montrer_fenetre() {
  TForm4* w = fenetre_analyse();
  if (w->isVisible()) return;
  w->placer_pres_de(f);
  w->show();
  w->raise();
}

void CommandesAnalyse::montrer_analyse() {
  TForm4* w = fenetre_analyse();
  QListWidget* l = w->ListBox1;
  // The loop puts its lines at the top: those the list lacks go in there;
  // anything else (a new analysis) is written whole.
  const std::size_t n = liste_analyse.size(), m = lignes_montrees_.size();
  const bool suite = m <= n && std::equal(lignes_montrees_.begin(), lignes_montrees_.end(), liste_analyse.end() - m);
  const std::size_t coups = lignes_coups_analyse().size();
  if (!suite) {
    l->clear();
    for (std::size_t i = 0; i < n; ++i) l->addItem(ligne_de_liste(liste_analyse[i], i < coups));
  } else {
    for (std::size_t i = n - m; i-- > 0;) l->insertItem(0, ligne_de_liste(liste_analyse[i], i < coups));
  }
  lignes_montrees_ = liste_analyse;
  w->Graphe->montrer(courbe_analyse(), coup_depart_analyse, nb_demi_coups,
                     texte_catalogue(f.langue_cochee(), "msg.analyse.graphe"));
  montrer_etat();
}

void CommandesAnalyse::montrer_etat() {
  if (fenetre_ == nullptr) return;
  TForm4* w = fenetre_;
  const bool lignes = !coups_analyses.empty();
  w->Suivant_analyse->setEnabled(analyse_en_cours != 0);
  w->Fin_analyse->setEnabled(analyse_ouverte != 0);
  for (QPushButton* b : {w->Editer_analyse, w->Imprimer_analyse, w->Pdn_analyse}) b->setEnabled(lignes);
  if (w->isVisible()) {
    w->Graphe->montrer(w->Graphe->points(), coup_depart_analyse, nb_demi_coups,
                       texte_catalogue(f.langue_cochee(), "msg.analyse.graphe"));
  }
}

// ---- the loop -------------------------------------------------------------------

void CommandesAnalyse::Analyser() {
  // Nothing to replay, or an analysis open already.
  if (nb_demi_coups == 0 || analyse_ouverte != 0 || boucle_) return;
  // A search thinking on the human's time plays on the board: the analysis
  // starts once it has returned.
  f.changer_partie([this] { analyser(); });
}

void CommandesAnalyse::analyser() {
  if (nb_demi_coups == 0 || analyse_ouverte != 0 || boucle_) return;
  f.Learn->hide();
  // The window comes up with the header at once; the first search follows.
  const FormatsAnalyse formats = formats_analyse(f.langue_cochee());
  TForm4* w = fenetre_analyse();
  w->ListBox1->clear();
  lignes_montrees_ = {formats.legende, formats.attente};
  for (const std::string& l : lignes_montrees_) w->ListBox1->addItem(ligne_de_liste(l, false));
  montrer_fenetre();

  boucle_ = true;
  // While a position is searched, the changes the user asks for (a line
  // clicked, "Quitter") wait for it: they stop the search, which is run
  // again on the same position, and are made between two positions.
  f.recherche_en_cours = 1;
  bool encore = ouvrir_analyse(f.langue_cochee());
  if (encore) {
    // The menus say that the game is the analysis's before its first search.
    f.montrer_session();
    chercher_depart_analyse();
  }
  f.recherche_en_cours = 0;
  montrer_analyse();
  f.montrer_session();
  while (encore) {
    f.executer_changements();
    if (fin_programme != 0) {
      fin_analyse();
      break;
    }
    f.recherche_en_cours = 1;
    encore = analyser_position();
    f.recherche_en_cours = 0;
    f.afficher_nb_pieces();
    f.navigation->montrer_ligne_courante();
    montrer_analyse();
    f.montrer_session();
    if (encore) QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  boucle_ = false;
  f.executer_changements();
  if (fin_programme != 0) return;
  // The board on the position where the loop stopped, with its clocks and counts.
  f.navigation->position_montree();
  montrer_analyse();
}

void CommandesAnalyse::Button4Click() {
  if (analyse_ouverte == 0) {
    if (fenetre_) fenetre_->hide();
    return;
  }
  const bool apprendre = fin_analyse();
  if (fenetre_) fenetre_->hide();
  if (apprendre) {
    f.Learn->show();
    f.Learn->raise();
  }
  // A loop still searching gives the game back when its search returns.
  if (!boucle_ && session_apprentissage == 0) f.navigation->position_montree();
  f.montrer_session();
}

// ---- moving to a line's position ------------------------------------------------

void CommandesAnalyse::montrer_ligne(int ligne) {
  if (ligne < 0 || ligne >= static_cast<int>(lignes_coups_analyse().size())) return;  // the legend
  montrer_demi_coup(coups_analyses[static_cast<std::size_t>(ligne)].index);
}

void CommandesAnalyse::montrer_demi_coup(int demi_coup) {
  // A session's games are its own.
  if (demi_coup < 0 || demi_coup > dernier_demi_coup || session_apprentissage != 0) return;
  f.navigation->aller_a(demi_coup);
}

// ---- files ----------------------------------------------------------------------

void CommandesAnalyse::Button3Click() {
  const int l = f.langue_cochee();
  const QString nom = dialogues().fichier_a_sauver(fenetre_analyse(), QString::fromStdString(dossier_ecriture().string()),
                                                   "*.txt", premier_filtre(l, "msg.filtre.texte"), "txt");
  if (nom.isEmpty()) return;
  // Unlike the silence of old, a file that cannot be written is said so.
  if (!sauver_analyse(nom.toStdString())) f.erreur_fichier(nom);
}

void CommandesAnalyse::ecrire_pdn_analyse() {
  const QString nom = dialogues().fichier_a_sauver(fenetre_analyse(), QString::fromStdString(dossier_ecriture().string()),
                                                   "*.pdn", texte_catalogue(f.langue_cochee(), "msg.filtre.pdn"), "pdn");
  if (nom.isEmpty()) return;
  const std::string texte = ecrire_analyse_pdn(nom_joueur_blanc, nom_joueur_noir, resultat_partie,
                                               QDate::currentDate().toString("yyyy.MM.dd").toStdString());
  if (!ecrire_fichier_sur(nom.toStdString(), texte)) f.erreur_fichier(nom);
}

void CommandesAnalyse::Best1Click() {
  const std::filesystem::path dossier = dossier_ecriture();
  // The search panel's lines, in the language checked.
  std::vector<std::string> lignes;
  for (const QString& l : f.lignes_recherche_montrees()) lignes.push_back(l.toStdString());
  if (!sauver_coups_calcul(dossier, lignes))
    f.erreur_fichier(QString::fromStdString((dossier / FICHIER_COUPS_CALCUL).string()));
}
