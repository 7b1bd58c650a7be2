#include "ui/tform2.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "game/hooks.h"
#include "records/files.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/scene.h"
#include "ui/tform1.h"

namespace {

constexpr int LIGNES_REFUSEES_NOMMEES = 10;  // a message names this many refused lines, then counts the rest

// The move of half-move j (from 1) of a line, as the user reads it: "22-19",
// "?" for a number that cannot be read.
QString texte_demi_coup(const std::string& ligne, int j) {
  const std::vector<CoupBibliotheque> coups = lire_ligne_ouverture(ligne, j);
  if (static_cast<int>(coups.size()) < j) return "?";
  auto numero = [](Case s) { return s == 0 ? QString("?") : QString::number(NB_CASES + 1 - s); };
  return numero(coups[j - 1].depart) + "-" + numero(coups[j - 1].arrivee);
}

void erreur_ecriture(QWidget* parent, const std::filesystem::path& chemin) {
  dialogues().message(parent, texte_catalogue(langue_affichee(), "msg.impossible_ouvrir"),
                      texte_catalogue(langue_affichee(), "msg.erreur"), Dialogues::Icone::Erreur,
                      QString::fromStdString(chemin.string()));
}

// A button captioned by the caption tables.
QPushButton* bouton(QWidget* parent, const char* nom) {
  auto* b = new QPushButton(parent);
  b->setObjectName(nom);
  b->setMinimumWidth(140);
  return b;
}

}  // namespace

std::filesystem::path dossier_jeux_ouvertures() { return dossier_ecriture("Parametres"); }

QString filtre_jeux_ouvertures() { return texte_catalogue(langue_affichee(), "msg.filtre.ouvertures"); }

void signaler_lignes_refusees(QWidget* parent, const std::vector<LigneRefusee>& refusees) {
  if (refusees.empty()) return;
  QStringList lignes;
  const int nommees = std::min<int>(LIGNES_REFUSEES_NOMMEES, static_cast<int>(refusees.size()));
  for (int i = 0; i < nommees; ++i) {
    const LigneRefusee& r = refusees[i];
    lignes << texte_catalogue(langue_affichee(), "msg.ouvertures.refus")
                  .arg(r.demi_coup)
                  .arg(texte_demi_coup(r.ligne, r.demi_coup))
           << "    " + QString::fromStdString(r.ligne).trimmed();
  }
  if (static_cast<int>(refusees.size()) > nommees)
    lignes << texte_catalogue(langue_affichee(), "msg.ouvertures.autres").arg(static_cast<int>(refusees.size()) - nommees);
  dialogues().message(parent, lignes.join('\n'), texte_catalogue(langue_affichee(), "msg.ouvertures.titre"),
                      Dialogues::Icone::Avertissement);
}

EditeurOuvertures* editeur_ouvertures(Camp camp) {
  for (QWidget* w : fenetres_secondaires())
    if (auto* e = qobject_cast<EditeurOuvertures*>(w); e && e->camp == camp) return e;
  return nullptr;
}

EditeurOuvertures::EditeurOuvertures(const char* nom, Camp camp_) : FenetreSecondaire(nom, 420, 480), camp(camp_) {
  QFont fixe = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixe.setPointSize(12);

  Fiche_Ouvertures = new QGroupBox(windowTitle(), this);
  Fiche_Ouvertures->setObjectName("Fiche_Ouvertures");
  Nouvelle_Ouverture = new QLineEdit(Fiche_Ouvertures);
  Nouvelle_Ouverture->setObjectName("Nouvelle_Ouverture");
  Nouvelle_Ouverture->setFont(fixe);
  Valide_Ouverture = bouton(Fiche_Ouvertures, "Valide_Ouverture");
  Effacer = bouton(Fiche_Ouvertures, "Effacer");
  Liste_Ouvertures = new QListWidget(Fiche_Ouvertures);
  Liste_Ouvertures->setObjectName("Liste_Ouvertures");
  Liste_Ouvertures->setFont(fixe);
  BitBtn1 = bouton(this, "BitBtn1");
  BitBtn3 = bouton(this, "BitBtn3");
  BitBtn2 = bouton(this, "BitBtn2");

  auto* edition = new QHBoxLayout;
  edition->addWidget(Valide_Ouverture);
  edition->addWidget(Effacer);
  edition->addStretch();
  auto* fiche_ = new QVBoxLayout(Fiche_Ouvertures);
  fiche_->addWidget(Nouvelle_Ouverture);
  fiche_->addLayout(edition);
  fiche_->addWidget(Liste_Ouvertures, 1);
  auto* boutons = new QHBoxLayout;
  boutons->addWidget(BitBtn1);
  boutons->addWidget(BitBtn3);
  boutons->addStretch();
  boutons->addWidget(BitBtn2);
  auto* fenetre = new QVBoxLayout(this);
  fenetre->addWidget(Fiche_Ouvertures, 1);
  fenetre->addLayout(boutons);

  connect(Valide_Ouverture, &QPushButton::clicked, this, &EditeurOuvertures::Valide_OuvertureClick);
  connect(Nouvelle_Ouverture, &QLineEdit::returnPressed, this, &EditeurOuvertures::Valide_OuvertureClick);
  connect(Effacer, &QPushButton::clicked, this, &EditeurOuvertures::EffacerClick);
  connect(Liste_Ouvertures, &QListWidget::itemClicked, this, &EditeurOuvertures::Liste_OuverturesClick);
  connect(BitBtn1, &QPushButton::clicked, this, &EditeurOuvertures::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &EditeurOuvertures::BitBtn2Click);
  connect(BitBtn3, &QPushButton::clicked, this, &EditeurOuvertures::BitBtn3Click);
  // The components exist only now: the captions of the language in force.
  montrer_langue(langue_affichee());
}

void EditeurOuvertures::montrer_langue(int l) {
  FenetreSecondaire::montrer_langue(l);
  Valide_Ouverture->setToolTip(texte_catalogue(l, "msg.ouvertures.bulle_ajouter"));
  Effacer->setToolTip(texte_catalogue(l, "msg.ouvertures.bulle_effacer"));
}

std::vector<std::string>& EditeurOuvertures::livre() const {
  return camp == BLANCS ? ouvertures_blancs : ouvertures_noirs;
}

std::filesystem::path EditeurOuvertures::fichier_travail() const {
  return chemin_ecriture("", camp == BLANCS ? FICHIER_OUVERTURES_BLANCS : FICHIER_OUVERTURES_NOIRS);
}

void EditeurOuvertures::afficher_liste() {
  Liste_Ouvertures->clear();
  for (const std::string& l : livre()) Liste_Ouvertures->addItem(QString::fromStdString(l));
}

void EditeurOuvertures::recharger() {
  // The user's book, else the shipped one; a missing book is an empty one.
  charger_ouvertures(chemin_donnee("", camp == BLANCS ? FICHIER_OUVERTURES_BLANCS : FICHIER_OUVERTURES_NOIRS), livre());
  signaler_lignes_refusees(this, retirer_lignes_illegales(livre()));
  afficher_liste();
}

void EditeurOuvertures::ouvrir(TForm1* fenetre) {
  principale = fenetre;
  const QString ligne = QString::fromStdString(nouvelle_ouverture());
  for (Camp c : {BLANCS, NOIRS})
    if (EditeurOuvertures* e = editeur_ouvertures(c)) e->Nouvelle_Ouverture->setText(ligne);
  Fiche_Ouvertures->show();
  recharger();
  if (principale) principale->setEnabled(false);
  // The lines and the buttons' captions in a size that goes with the board's,
  // on a window that fills the screen even where no window manager maximises.
  if (principale) {
    const double e = std::max(0.5, principale->scene->echelle());
    QFont police = font();
    police.setPixelSize(std::clamp(static_cast<int>(std::lround(8.5 * e)), 12, 24));
    setFont(police);
    QFont fixe = Liste_Ouvertures->font();
    fixe.setPixelSize(std::clamp(static_cast<int>(std::lround(9.5 * e)), 12, 26));
    Liste_Ouvertures->setFont(fixe);
    Nouvelle_Ouverture->setFont(fixe);
  }
  if (const QScreen* ecran = principale ? principale->screen() : QGuiApplication::primaryScreen())
    setGeometry(ecran->availableGeometry());
  showMaximized();
  raise();
  activateWindow();
}

bool EditeurOuvertures::ajouter_ligne(const std::string& texte) {
  if (ligne_blanche(texte)) return false;
  const std::vector<CoupBibliotheque> coups = lire_ligne_ouverture(texte);
  if (const int j = demi_coup_illegal(coups); j != 0) {
    signaler_lignes_refusees(this, {{texte, j}});
    return false;
  }
  // Kept in the written form, so that lines sharing a beginning stay
  // together in the sorted book whatever way they were typed.
  const std::string ligne = ecrire_ligne_ouverture(coups.data(), static_cast<int>(coups.size()));
  std::vector<std::string>& l = livre();
  const auto place = std::lower_bound(l.begin(), l.end(), ligne);
  const int rang = static_cast<int>(place - l.begin());
  if (place == l.end() || *place != ligne) l.insert(place, ligne);
  afficher_liste();
  Liste_Ouvertures->setCurrentRow(rang);
  return true;
}

void EditeurOuvertures::Valide_OuvertureClick() { ajouter_ligne(Nouvelle_Ouverture->text().toStdString()); }

void EditeurOuvertures::EffacerClick() {
  Nouvelle_Ouverture->clear();
  const int rang = Liste_Ouvertures->currentRow();
  if (rang < 0 || rang >= static_cast<int>(livre().size())) return;
  livre().erase(livre().begin() + rang);
  afficher_liste();
}

void EditeurOuvertures::Liste_OuverturesClick() {
  if (const QListWidgetItem* item = Liste_Ouvertures->currentItem()) Nouvelle_Ouverture->setText(item->text());
}

void EditeurOuvertures::BitBtn1Click() {
  Fiche_Ouvertures->hide();
  const QString dossier = QString::fromStdString(dossier_jeux_ouvertures().string());
  QString nom = dialogues().fichier_a_sauver(this, dossier, "*.ovv", filtre_jeux_ouvertures(), "ovv");
  if (!nom.isEmpty()) {
    if (!nom.endsWith(".ovv", Qt::CaseInsensitive)) nom += ".ovv";
    // The .ovv only names the set; the other side's book is its working file.
    std::vector<std::string> ovv;
    if (principale)
      for (int i = 0; i < principale->ListBox6->count(); ++i) ovv.push_back(principale->ListBox6->item(i)->text().toStdString());
    std::vector<std::string> autre;
    charger_ouvertures(chemin_donnee("", camp == BLANCS ? FICHIER_OUVERTURES_NOIRS : FICHIER_OUVERTURES_BLANCS), autre);
    signaler_lignes_refusees(this, retirer_lignes_illegales(autre));
    const std::filesystem::path chemin = nom.toStdString();
    const bool ok = sauver_jeu_ouvertures(chemin, ovv, camp == BLANCS ? livre() : autre,
                                          camp == BLANCS ? autre : livre());
    if (!ok)
      erreur_ecriture(this, chemin);
    else if (!sauver_ouvertures(fichier_travail(), livre()))
      erreur_ecriture(this, fichier_travail());
  }
  fermer_editeurs();
}

void EditeurOuvertures::BitBtn2Click() {
  recharger();
  placer_pions();
  fermer_editeurs();
}

void EditeurOuvertures::BitBtn3Click() {
  const std::string texte = Nouvelle_Ouverture->text().toStdString();
  if (!ligne_blanche(texte) && !ajouter_ligne(texte)) return;
  if (!sauver_ouvertures(fichier_travail(), livre())) erreur_ecriture(this, fichier_travail());
  fermer_editeurs();
}

void EditeurOuvertures::fermer_editeurs() {
  for (Camp c : {BLANCS, NOIRS})
    if (EditeurOuvertures* e = editeur_ouvertures(c)) e->hide();
  Fiche_Ouvertures->show();
  if (principale) {
    principale->setEnabled(true);
    principale->raise();
    principale->activateWindow();
  }
}

void EditeurOuvertures::changeEvent(QEvent* e) {
  // The caption tables name the window; its group box reads the same.
  if (e->type() == QEvent::WindowTitleChange && Fiche_Ouvertures) Fiche_Ouvertures->setTitle(windowTitle());
  FenetreSecondaire::changeEvent(e);
}

void EditeurOuvertures::closeEvent(QCloseEvent* e) {
  // Closing the window is cancelling.
  BitBtn2Click();
  e->accept();
}
