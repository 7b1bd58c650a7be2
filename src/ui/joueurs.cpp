#include "ui/joueurs.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <cstring>

#include "game/game.h"
#include "players/ratings.h"
#include "players/registry.h"
#include "records/files.h"
#include "ui/composants.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/panneau.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

// The registry's bytes are Latin-1: one byte a character, as the files hold them.
QString depuis_latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
std::string en_latin1(const QString& s) { return s.toLatin1().toStdString(); }

void remplir_liste(QListWidget* liste, const std::vector<std::string>& lignes) {
  liste->clear();
  for (const std::string& l : lignes) liste->addItem(depuis_latin1(l));
}

// A click in a names list puts the name in its edit.
void copier_choix(const QListWidget* liste, QLineEdit* edit) {
  if (const QListWidgetItem* i = liste->currentItem()) edit->setText(i->text());
}

// The line the user chose in a list, -1 when none is.
int ligne_choisie(const QListWidget* liste) {
  const QList<QListWidgetItem*> choix = liste->selectedItems();
  return choix.isEmpty() ? -1 : liste->row(choix.first());
}

// A name edit: at most 19 characters, each one the files' 8-bit text can hold.
void edit_de_nom(QLineEdit* e) {
  e->setMaxLength(LONGUEUR_NOM_JOUEUR);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x{20}-\\x{7e}\\x{a0}-\\x{ff}]*"), e));
}

// A names list and its ratings beside it: the ratings only show, and scroll
// with the names.
void points_a_cote(QListWidget* noms, QListWidget* points) {
  points->setSelectionMode(QAbstractItemView::NoSelection);
  points->setFocusPolicy(Qt::NoFocus);
  points->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QObject::connect(noms->verticalScrollBar(), &QScrollBar::valueChanged, points->verticalScrollBar(),
                   &QScrollBar::setValue);
}

}  // namespace

// ---- the panels ---------------------------------------------------------------

void CommandesJoueurs::construire_onglets_joueurs(QWidget* entrainement, QWidget* match, QWidget* humain) {
  ListBox8 = composant<QListWidget>(entrainement, "ListBox8", {240, 92, 200, 148});

  auto* couleur = composant<QGroupBox>(match, "RadioGroup2", {16, 16, 200, 90});
  Olvendar_blanc1 = composant<QRadioButton>(couleur, "Olvendar_blanc1", {12, 26, 170, 24});
  Olvendar_noir1 = composant<QRadioButton>(couleur, "Olvendar_noir1", {12, 54, 170, 24});
  Olvendar_noir1->setChecked(true);
  RamenerCorvane = composant<QPushButton>(match, "RamenerCorvane", {16, 118, 200, 30});
  composant<QLabel>(match, "Label14", {240, 30, 200, 24});
  Joueur1 = composant<QLineEdit>(match, "Joueur1", {240, 58, 220, 28});
  Joueur1->setText("Mister X");
  ListBox9 = composant<QListWidget>(match, "ListBox9", {240, 92, 160, 148});
  ListBox14 = composant<QListWidget>(match, "ListBox14", {402, 92, 58, 148});
  BitBtn16 = composant<QPushButton>(match, "BitBtn16", {120, 250, 110, 34});
  auto* annuler = composant<QPushButton>(match, "BitBtn18", {250, 250, 110, 34});

  ListBox10 = composant<QListWidget>(humain, "ListBox10", {16, 68, 164, 172});
  ListBox12 = composant<QListWidget>(humain, "ListBox12", {182, 68, 54, 172});
  ListBox11 = composant<QListWidget>(humain, "ListBox11", {248, 68, 164, 172});
  ListBox13 = composant<QListWidget>(humain, "ListBox13", {414, 68, 54, 172});

  points_a_cote(ListBox9, ListBox14);
  points_a_cote(ListBox10, ListBox12);
  points_a_cote(ListBox11, ListBox13);
  for (QLineEdit* e : {f.Joueur0, Joueur1, f.Joueur2, f.Joueur3}) edit_de_nom(e);
  connect(ListBox8, &QListWidget::itemClicked, this, &CommandesJoueurs::ListBox8Click);
  connect(ListBox9, &QListWidget::itemClicked, this, &CommandesJoueurs::ListBox9Click);
  connect(ListBox10, &QListWidget::itemClicked, this, &CommandesJoueurs::ListBox10Click);
  connect(ListBox11, &QListWidget::itemClicked, this, &CommandesJoueurs::ListBox11Click);
  connect(RamenerCorvane, &QPushButton::clicked, this, &CommandesJoueurs::RamenerCorvaneClick);
  connect(BitBtn16, &QPushButton::clicked, this, &CommandesJoueurs::BitBtn16Click);
  connect(annuler, &QPushButton::clicked, &f, &TForm1::Annule_nouveauClick);
}

void CommandesJoueurs::construire_panneaux_joueurs() {
  composant<QLabel>(f.Nouveau_joueur, "Label15", {16, 14, 140, 28});
  Joueur = composant<QLineEdit>(f.Nouveau_joueur, "Joueur", {160, 14, 284, 28});
  auto* capital = composant<QGroupBox>(f.Nouveau_joueur, "RadioGroup3", {16, 54, 428, 110});
  K1600 = composant<QRadioButton>(capital, "K1600", {12, 24, 410, 24}, 12);
  K1700 = composant<QRadioButton>(capital, "K1700", {12, 52, 410, 24}, 12);
  K1800 = composant<QRadioButton>(capital, "K1800", {12, 80, 410, 24}, 12);
  K1800->setChecked(true);
  BitBtn7 = composant<QPushButton>(f.Nouveau_joueur, "BitBtn7", {120, 174, 100, 32});
  O = composant<QPushButton>(f.Nouveau_joueur, "O", {240, 174, 100, 32});
  connect(BitBtn7, &QPushButton::clicked, this, &CommandesJoueurs::BitBtn7Click);
  connect(O, &QPushButton::clicked, this, &CommandesJoueurs::OClick);

  composant<QLabel>(f.Efface_j, "Label16", {16, 10, 368, 24});
  joueur_efface = composant<QLineEdit>(f.Efface_j, "joueur_efface", {16, 38, 368, 28});
  joueur_efface->setReadOnly(true);
  ListBox15 = composant<QListWidget>(f.Efface_j, "ListBox15", {16, 72, 368, 156});
  BitBtn20 = composant<QPushButton>(f.Efface_j, "BitBtn20", {90, 238, 100, 32});
  BitBtn12 = composant<QPushButton>(f.Efface_j, "BitBtn12", {210, 238, 100, 32});
  connect(ListBox15, &QListWidget::itemClicked, this, &CommandesJoueurs::ListBox7Click);
  connect(BitBtn20, &QPushButton::clicked, this, &CommandesJoueurs::BitBtn20Click);
  connect(BitBtn12, &QPushButton::clicked, this, &CommandesJoueurs::BitBtn12Click);

  composant<QLabel>(f.Joueurs, "Label17", {16, 20, 90, 28});
  Edit2 = composant<QLineEdit>(f.Joueurs, "Edit2", {110, 20, 270, 28});
  composant<QLabel>(f.Joueurs, "Label18", {16, 60, 90, 28});
  Edit3 = composant<QLineEdit>(f.Joueurs, "Edit3", {110, 60, 270, 28});
  OKjoueur = composant<QPushButton>(f.Joueurs, "OKjoueur", {90, 110, 100, 32});
  Cancel_joueurs = composant<QPushButton>(f.Joueurs, "Cancel_joueurs", {210, 110, 100, 32});
  connect(OKjoueur, &QPushButton::clicked, this, &CommandesJoueurs::OKjoueurClick);
  connect(Cancel_joueurs, &QPushButton::clicked, this, &CommandesJoueurs::Cancel_joueursClick);
  for (QLineEdit* e : {Joueur, Edit2, Edit3}) edit_de_nom(e);
}

// ---- the registry on screen -------------------------------------------------------

void CommandesJoueurs::charger_listes_joueurs() {
  const LectureRegistre l = lire_registre(dossier_ecriture());
  if (l.points_manquants > 0)
    dialogues().message(&f, texte_catalogue(f.langue_cochee(), "msg.joueurs.points_manquants").arg(l.points_manquants),
                        texte_catalogue(f.langue_cochee(), "msg.joueurs.titre"), Dialogues::Icone::Avertissement);
  if (l.incomplet)
    dialogues().message(&f, texte_catalogue(f.langue_cochee(), "msg.joueurs.incomplet"),
                        texte_catalogue(f.langue_cochee(), "msg.joueurs.titre"), Dialogues::Icone::Avertissement,
                        QString::fromStdString((dossier_ecriture() / FICHIER_JOUEURS).string()));
  registre_montre_ = l.registre;
  registre_montre_.points.resize(registre_montre_.noms.size(), "0");
  montrer_registre();
}

void CommandesJoueurs::montrer_registre() {
  for (QListWidget* noms : {ListBox8, ListBox9, ListBox10, ListBox11, ListBox15})
    remplir_liste(noms, registre_montre_.noms);
  for (QListWidget* points : {ListBox12, ListBox13, ListBox14}) remplir_liste(points, registre_montre_.points);
}

void CommandesJoueurs::ecrire_registre_montre(const Registre& r) {
  if (!ecrire_registre(dossier_ecriture(), r))
    f.erreur_fichier(QString::fromStdString((dossier_ecriture() / FICHIER_JOUEURS).string()));
}

void CommandesJoueurs::Match21Click() {
  charger_listes_joueurs();
  Joueur->clear();
  f.Nouveau_joueur->show();
  f.Nouveau_joueur->raise();
  Joueur->setFocus();
}

void CommandesJoueurs::BitBtn7Click() {
  const QString nom = Joueur->text();
  if (nom.isEmpty()) return;  // the panel stays open
  const std::int32_t capital = K1600->isChecked() ? CAPITAUX[0] : K1700->isChecked() ? CAPITAUX[1] : CAPITAUX[2];
  Registre r = lire_registre(dossier_ecriture()).registre;
  ajouter_joueur(r, en_latin1(nom), capital);
  f.Nouveau_joueur->hide();
  Joueur->clear();
  ecrire_registre_montre(r);
  charger_listes_joueurs();
}

void CommandesJoueurs::OClick() {
  f.Nouveau_joueur->hide();
  f.placer_pions();
}

void CommandesJoueurs::Effacerunjoueur1Click() {
  charger_listes_joueurs();
  joueur_efface->clear();
  f.Efface_j->show();
  f.Efface_j->raise();
}

void CommandesJoueurs::ListBox7Click() { copier_choix(ListBox15, joueur_efface); }

void CommandesJoueurs::BitBtn20Click() {
  const int i = ligne_choisie(ListBox15);
  // Nothing chosen, or the computer's own entry; and while a rated game runs
  // (its panel left open), the entries it will be scored on stay in place.
  if (i <= 0 || match_classe == 1) {
    f.placer_pions();
    return;
  }
  f.Efface_j->hide();
  Registre r = lire_registre(dossier_ecriture()).registre;
  if (effacer_joueur(r, i)) ecrire_registre_montre(r);
  charger_listes_joueurs();
  f.placer_pions();
}

void CommandesJoueurs::BitBtn12Click() {
  f.Efface_j->hide();
  f.placer_pions();
}

void CommandesJoueurs::ListBox8Click() { copier_choix(ListBox8, f.Joueur0); }
void CommandesJoueurs::ListBox9Click() { copier_choix(ListBox9, Joueur1); }
void CommandesJoueurs::ListBox10Click() {
  copier_choix(ListBox10, f.Joueur2);
  f.noms_humains_par_defaut[0] = false;
}

void CommandesJoueurs::ListBox11Click() {
  copier_choix(ListBox11, f.Joueur3);
  f.noms_humains_par_defaut[1] = false;
}

bool CommandesJoueurs::ordinateur_choisi() const {
  // The computer's entry is not a human player.
  return ligne_choisie(ListBox10) == 0 || ligne_choisie(ListBox11) == 0;
}

void CommandesJoueurs::RamenerCorvaneClick() {
  // Shown only: the next rating update writes it.
  if (!registre_montre_.points.empty()) {
    registre_montre_.points[0] = std::to_string(CLASSEMENT_ORDINATEUR);
    for (QListWidget* points : {ListBox12, ListBox13, ListBox14}) remplir_liste(points, registre_montre_.points);
  }
  Joueur1->clear();
}

// ---- the rated match -------------------------------------------------------------------

void CommandesJoueurs::BitBtn16Click() {
  const QString joueur = Joueur1->text();
  if (joueur.isEmpty()) return;
  const bool ordinateur_noir = Olvendar_noir1->isChecked();
  // The computer against itself is never rated: no player to score.
  const bool classee = joueur != NOM_ORDINATEUR;
  if (classee) {
    const IndicesMatch ix = indices_match(ligne_choisie(ListBox9), ordinateur_noir, {indice_blanc, indice_noir});
    const int humain = ordinateur_noir ? ix.noir : ix.blanc;
    // The rating goes to a registry player: none chosen now or before, or
    // one deleted since, and there is nobody to rate.
    const std::vector<std::string>& points = registre_montre_.points;
    if (humain <= 0 || humain >= static_cast<int>(points.size())) return;
    indice_blanc = ix.blanc;
    indice_noir = ix.noir;
    const std::int32_t points_humain =
        joueur == NOM_INCONNU ? CLASSEMENT_INCONNU : valeur_classement(points[static_cast<std::size_t>(humain)]);
    const std::int32_t points_ordinateur = valeur_classement(points[0]);
    points_blanc = ordinateur_noir ? points_ordinateur : points_humain;
    points_noir = ordinateur_noir ? points_humain : points_ordinateur;
  }
  f.changer_partie([this, joueur, ordinateur_noir, classee] { f.partie_contre_ordinateur(joueur, ordinateur_noir, classee); });
}

void CommandesJoueurs::mise_a_jour_classement(int resultat) {
  match_classe = 5;  // scored once only
  const Classements c = nouveaux_classements(points_blanc, points_noir, resultat);
  // Shown by montrer_session, in the language in force.
  using Passage = TForm1::ResultatMontre::Passage;
  f.resultat_montre.noir = Passage{TForm1::nom_montre(NOIRS), points_noir, c.noir};
  f.resultat_montre.blanc = Passage{TForm1::nom_montre(BLANCS), points_blanc, c.blanc};
  // The registry as the new game's panel showed it, the computer's reset included.
  Registre& r = registre_montre_;
  if (indice_blanc >= 0) inscrire_classement(r, indice_blanc, c.blanc);
  if (indice_noir >= 0) inscrire_classement(r, indice_noir, c.noir);
  ecrire_registre_montre(r);
  montrer_registre();
}

// ---- the players of the game ----------------------------------------------------------

void CommandesJoueurs::Changerlesnoms1Click() {
  // Camp 0 is drawn black: its name stands in the row "Noirs :".
  Edit3->setText(f.nom_montre(BLANCS));
  Edit2->setText(f.nom_montre(NOIRS));
  f.Joueurs->show();
  f.Joueurs->raise();
}

void CommandesJoueurs::OKjoueurClick() {
  f.Joueurs->hide();
  f.nommer(Edit3->text(), Edit2->text());
  std::memcpy(partie[nb_demi_coups].nom_blancs, nom_joueur_blanc, LONGUEUR_NOM);
  std::memcpy(partie[nb_demi_coups].nom_noirs, nom_joueur_noir, LONGUEUR_NOM);
}

void CommandesJoueurs::Cancel_joueursClick() { f.Joueurs->hide(); }
