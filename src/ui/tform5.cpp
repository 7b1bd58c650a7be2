#include "ui/tform5.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

#include "evaluation/evaluation.h"
#include "ui/editeurs.h"
#include "ui/legendes.h"
#include "ui/tform1.h"

namespace {

const char* const TITRES_TABLES[NB_TABLES_CASES] = {
    "msg.parametres.table0", "msg.parametres.table1", "msg.parametres.table2", "msg.parametres.table3",
    "msg.parametres.table4", "msg.parametres.table5", "msg.parametres.table6", "msg.parametres.table7",
};
const char* const NOMS_PANNEAUX[NB_TABLES_CASES] = {"parmetre1", "parametre2", "parametre3", "parametre4",
                                                    "parametre5", "parametre6", "parametre7", "parametre8"};

// A label's words without what follows them on the editor (" : + de", " =").
QString sans_signe(const QString& texte) {
  const qsizetype fin = texte.indexOf(QRegularExpression("\\s*[:=]"));
  return (fin < 0 ? texte : texte.left(fin)).trimmed();
}

// Room for "-128" and the frame.
int largeur_boite() { return QFontMetrics(QApplication::font()).horizontalAdvance("-1288") + 12; }

// The main window the editors answer to: the one that owns the editor, or
// the program's main window.
TForm1* fenetre_principale(QWidget* editeur) {
  if (auto* f = qobject_cast<TForm1*>(editeur->parentWidget())) return f;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = qobject_cast<TForm1*>(w)) return f;
  return nullptr;
}

}  // namespace

QLabel* EditeurParametres::texte(const char* cle, int nombre) {
  auto* l = new QLabel;
  textes_.push_back({l, cle, nombre});
  return l;
}

void EditeurParametres::montrer_langue(int langue) {
  FenetreSecondaire::montrer_langue(langue);
  for (const Texte& t : textes_) {
    const QString texte = texte_catalogue(langue, t.cle);
    t.etiquette->setText(t.nombre > 0 ? texte.arg(t.nombre) : texte);
  }
  for (int t = 0; t < NB_TABLES_CASES; ++t) panneaux_tables[t]->setTitle(texte_catalogue(langue, TITRES_TABLES[t]));
  parametreOK->setText(texte_catalogue(langue, "msg.ok"));
  parametrecancel->setText(texte_catalogue(langue, "msg.annuler"));
}

QLineEdit* EditeurParametres::boite(std::int8_t* champ, std::function<QString(int)> nom) {
  auto* b = new QLineEdit;
  b->setAlignment(Qt::AlignRight);
  b->setFixedWidth(largeur_boite());
  champs_.push_back({b, champ, std::move(nom)});
  return b;
}

EditeurParametres::EditeurParametres(const char* nom, int colonnes) : FenetreSecondaire(nom, 760, 560) {
  auto* defilement = new QScrollArea(this);
  defilement->setWidgetResizable(true);
  defilement->setFrameShape(QFrame::NoFrame);
  auto* fond = new QVBoxLayout(this);
  fond->setContentsMargins(0, 0, 0, 0);
  fond->addWidget(defilement);
  parametre0 = new QWidget;
  parametre0->setObjectName("parametre0");
  defilement->setWidget(parametre0);
  auto* v = new QVBoxLayout(parametre0);

  // The phase thresholds, along the top.
  auto* seuils = new QHBoxLayout;
  const char* avant[3] = {"msg.parametres.debut", "msg.parametres.milieu", "msg.parametres.prefinale"};
  std::int8_t* champs_seuils[3] = {&phase0_bas, &phase1_bas, &phase2_bas};
  const char* initiaux[3] = {"31", "23", "11"};  // shown until the editor is first filled
  for (int i = 0; i < 3; ++i) {
    seuils->addWidget(texte(avant[i]));
    phases[i] = boite(champs_seuils[i], [cle = avant[i]](int l) { return sans_signe(texte_catalogue(l, cle)); });
    phases[i]->setText(initiaux[i]);
    seuils->addWidget(phases[i]);
    seuils->addWidget(texte("msg.parametres.pieces"));
    seuils->addSpacing(24);
  }
  seuils->addWidget(texte("msg.parametres.finale"));
  seuils->addStretch();
  v->addLayout(seuils);
  v->addWidget(texte("msg.parametres.unite"));

  // Rows of tables, each under its tempo weight; a table's boxes stand
  // where its squares are on the board seen from black's side, 32 top left.
  auto* grille = new QGridLayout;
  grille->setHorizontalSpacing(12);
  for (int t = 0; t < NB_TABLES_CASES; ++t) {
    const int rangee = 2 * (t / colonnes), colonne = 1 + t % colonnes;
    if (t % colonnes == 0) grille->addWidget(texte("msg.parametres.temps_avance"), rangee, 0);
    auto* poids = new QHBoxLayout;
    temps[t] = boite(&temps_avance[t], [t](int l) {
      return sans_signe(texte_catalogue(l, "msg.parametres.temps_avance")) + ", " +
             sans_signe(texte_catalogue(l, TITRES_TABLES[t]));
    });
    poids->addWidget(temps[t]);
    poids->addSpacing(4);
    poids->addWidget(texte("msg.parametres.sur_200"));
    poids->addStretch();
    grille->addLayout(poids, rangee, colonne);

    auto* panneau = new QGroupBox;
    panneau->setObjectName(NOMS_PANNEAUX[t]);
    panneaux_tables[t] = panneau;
    auto* damier = new QVBoxLayout(panneau);
    damier->setSpacing(3);
    cases[t][0] = nullptr;
    for (int r = 0; r < 8; ++r) {
      // Rows are set off by half a box, the top one indented.
      auto* rang = new QHBoxLayout;
      rang->setSpacing(6);
      const int demi = largeur_boite() / 2 + 3;
      rang->addSpacing(r % 2 == 0 ? demi : 0);
      for (int i = 0; i < 4; ++i) {
        const int k = 32 - 4 * r - i;
        cases[t][k] = boite(&tables_cases[t][k], [t, k](int l) {
          return texte_catalogue(l, "msg.parametres.case").arg(sans_signe(texte_catalogue(l, TITRES_TABLES[t]))).arg(k);
        });
        cases[t][k]->setObjectName(QString("case_%1_%2").arg(t).arg(k));
        rang->addWidget(cases[t][k]);
      }
      rang->addSpacing(r % 2 == 0 ? 0 : demi);
      rang->addStretch();
      damier->addLayout(rang);
    }
    grille->addWidget(panneau, rangee + 1, colonne);
  }
  grille->setColumnStretch(1 + colonnes, 1);
  v->addLayout(grille);

  // The variant conditions, at the bottom.
  auto* variantes = new QHBoxLayout;
  std::int8_t* blancs[2] = {cases_v1_blancs, cases_v2_blancs};
  std::int8_t* noirs[2] = {cases_v1_noirs, cases_v2_noirs};
  for (int n = 0; n < 2; ++n) {
    auto* bloc = new QGridLayout;
    bloc->addWidget(texte("msg.parametres.variante", n + 1), 0, 0, 1, 8);
    bloc->addWidget(texte("msg.parametres.blanches"), 1, 0);
    bloc->addWidget(texte("msg.parametres.noires"), 2, 0);
    for (int i = 0; i < 7; ++i) {
      const auto condition = [n, i](const char* cle) {
        return [n, i, cle](int l) {
          return texte_catalogue(l, "msg.parametres.case")
              .arg(sans_signe(texte_catalogue(l, "msg.parametres.variante").arg(n + 1)) + " — " + texte_catalogue(l, cle))
              .arg(i + 1);
        };
      };
      cases_blanches[n][i] = boite(&blancs[n][i], condition("msg.parametres.blanches"));
      cases_noires[n][i] = boite(&noirs[n][i], condition("msg.parametres.noires"));
      bloc->addWidget(cases_blanches[n][i], 1, 1 + i);
      bloc->addWidget(cases_noires[n][i], 2, 1 + i);
    }
    variantes->addLayout(bloc);
    variantes->addSpacing(40);
  }
  variantes->addStretch();
  v->addLayout(variantes);

  auto* boutons = new QHBoxLayout;
  boutons->addStretch();
  parametreOK = new QPushButton;
  parametreOK->setObjectName("parametreOK");
  parametrecancel = new QPushButton;
  parametrecancel->setObjectName("parametrecancel");
  for (QPushButton* b : {parametreOK, parametrecancel}) {
    b->setMinimumWidth(110);
    boutons->addWidget(b);
  }
  v->addLayout(boutons);
  v->addStretch();
  connect(parametreOK, &QPushButton::clicked, this, &EditeurParametres::parametreOKClick);
  connect(parametrecancel, &QPushButton::clicked, this, &EditeurParametres::parametrecancelClick);
  montrer_langue(langue_affichee());
}

void EditeurParametres::remplir_cases() {
  for (Champ& c : champs_) c.boite->setText(QString::number(*c.champ));
}

QLineEdit* EditeurParametres::lire_cases() {
  std::vector<std::int8_t> valeurs(champs_.size());
  for (std::size_t i = 0; i < champs_.size(); ++i)
    if (!lire_valeur_parametre(champs_[i].boite->text().toStdString(), valeurs[i])) return champs_[i].boite;
  for (std::size_t i = 0; i < champs_.size(); ++i) *champs_[i].champ = valeurs[i];
  return nullptr;
}

QString EditeurParametres::nom_case(const QLineEdit* b) const {
  for (const Champ& c : champs_)
    if (c.boite == b) return c.nom(langue_affichee());
  return {};
}

void EditeurParametres::parametreOKClick() {
  if (TForm1* f = fenetre_principale(this)) f->editeurs->parametreOKClick();
}

void EditeurParametres::parametrecancelClick() {
  if (TForm1* f = fenetre_principale(this)) f->editeurs->parametrecancelClick();
}
