#include "ui/tform1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/clocks.h"
#include "game/end.h"
#include "game/game.h"
#include "game/hooks.h"
#include "game/levels.h"
#include "knowledge/books.h"
#include "records/text_games.h"
#include "search/root.h"
#include "search/search.h"
#include "search/table.h"
#include "ui/analyse.h"
#include "ui/apprentissage.h"
#include "ui/commandes.h"
#include "ui/composants.h"
#include "ui/demarrage.h"
#include "ui/editeurs.h"
#include "ui/exercices.h"
#include "ui/fichiers.h"
#include "ui/impression.h"
#include "ui/installation.h"
#include "ui/joueurs.h"
#include "ui/navigation.h"
#include "ui/plateau.h"
#include "ui/dialogues.h"
#include "ui/images.h"
#include "ui/son.h"
#include "ui/legendes.h"
#include "ui/menus.h"
#include "ui/panneau.h"
#include "ui/rendu.h"
#include "ui/scene.h"

int intro_terminee = 0;
std::function<void(int)> terminer_processus = [](int statut) {
  // The process ends here, whatever is running below on the stack (a
  // search pumping messages, say): nothing may resume on freed tables.
  std::fflush(nullptr);
  std::_Exit(statut);
};

TForm1::TForm1() {
  // A new main window is a program starting: the session of the last one,
  // if any, goes.
  reinitialiser_session();
  setObjectName("Form1");
  setWindowTitle(texte_catalogue(0, "msg.titre_fenetre"));
  resize(LARGEUR_SCENE, HAUTEUR_SCENE + 24);
  scene = new Scene(this);
  scene->setObjectName("Scene");
  setCentralWidget(scene);
  demarrage = new CommandesDemarrage(*this);
  navigation = new CommandesNavigation(*this);
  joueurs = new CommandesJoueurs(*this);
  fichiers = new CommandesFichiers(*this);
  installation = new CommandesInstallation(*this);
  editeurs = new CommandesEditeurs(*this);
  exercices = new CommandesExercices(*this);
  plateau = new CommandesPlateau(*this);
  analyse = new CommandesAnalyse(*this);
  apprentissage = new CommandesApprentissage(*this);
  impression = new CommandesImpression(*this);
  edition = new CommandesEdition(*this);
  construire_menus(this, menus, [this](const char* nom) { return gestionnaire(nom); });
  construire_composants();
  appliquer_legendes(this, table_legendes(0));
  montrer_langue();
  scene->appui = [this](QPoint p) { clic(p.x(), p.y()); };
  Image5->appui = [this](QPoint p) { DamierImage1Click(p.x(), p.y()); };
  scene->dessus = [this](QPainter& p) { dessiner_marques(p, false); };
  Image5->dessus = [this](QPainter& p) { dessiner_marques(p, true); };
  installer_crochets();
}

TForm1::~TForm1() {
  crochet_pompe_messages = nullptr;
  crochet_erreur = nullptr;
  crochet_etat_recherche = nullptr;
  crochet_ligne_racine = nullptr;
  crochet_afficher_case = nullptr;
  crochet_placer_pions = nullptr;
  crochet_encadrer_case = nullptr;
  crochet_son = nullptr;
}

void TForm1::installer_crochets() {
  crochet_pompe_messages = [this] {
    // The computer's clock runs on screen while it thinks for its move.
    if (ordinateur_au_trait != 0 && reflexion_anticipee == 0) afficher_horloge(trait, horloge(trait));
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  };
  crochet_erreur = [this](const std::string& texte, const std::string& titre) {
    // The engine names its texts by their catalogue keys.
    const auto traduire = [this](const std::string& t) {
      return t.rfind("msg.", 0) == 0 ? texte_catalogue(langue_cochee(), t.c_str()) : QString::fromStdString(t);
    };
    dialogues().message(this, traduire(texte), traduire(titre), Dialogues::Icone::Erreur);
  };
  crochet_etat_recherche = [this](const EtatRecherche& e) {
    etat_recherche_ = e;
    variante_recherche_.assign(e.variante, e.variante + std::max(0, e.longueur_variante));
    etat_recherche_->variante = nullptr;
    montrer_recherche();
  };
  crochet_ligne_racine = [this](const LigneRacine& l) {
    if (l.index < 0) {
      ListBox5->clear();
      return;
    }
    while (ListBox5->count() <= l.index) ListBox5->addItem(QString());
    ListBox5->item(l.index)->setText(QString::fromStdString(ligne_coup_racine(l.coup, l.score, l.en_cours)));
  };
  crochet_afficher_case = [this](int s, int piece) { afficher_case(s, piece); };
  crochet_placer_pions = [this] { placer_pions(); };
  crochet_encadrer_case = [this](int s, std::uint32_t couleur) { encadrer_case(s, couleur); };
  crochet_son = [](const std::string& fichier) { jouer_wav(chemin_donnee("", fichier)); };
}

QAction* TForm1::action(const char* nom) const { return findChild<QAction*>(nom); }

QObject* TForm1::gestionnaire(const char* nom) {
  const QByteArray signature = QMetaObject::normalizedSignature((std::string(nom) + "()").c_str());
  for (QObject* o : std::initializer_list<QObject*>{this, demarrage, navigation, joueurs, fichiers, installation,
                                                    editeurs, exercices, plateau, analyse, apprentissage,
                                                    impression, edition})
    if (o->metaObject()->indexOfSlot(signature.constData()) >= 0) return o;
  return nullptr;
}

Commandes::Commandes(TForm1& fenetre) : QObject(&fenetre), f(fenetre) {}

namespace {

// The search panel's lines in a language: the numbers in the columns the
// French lines give them, then the principal variation.
QStringList lignes_calcul(const EtatRecherche& e, const std::vector<Coup>& variante, int l) {
  QStringList lignes;
  lignes << texte_catalogue(l, "msg.calcul.profondeur").arg(e.profondeur, 5)
         << texte_catalogue(l, "msg.calcul.noeuds").arg(e.noeuds, 8);
  if (e.chronometre) {
    lignes << texte_catalogue(l, "msg.calcul.temps").arg(e.secondes, 6);
    if (e.secondes > 0)
      lignes << texte_catalogue(l, "msg.calcul.vitesse").arg(e.noeuds / static_cast<std::uint32_t>(e.secondes), 8);
    else
      lignes << texte_catalogue(l, "msg.calcul.vitesse_nulle");
  }
  lignes << texte_catalogue(l, "msg.calcul.score").arg(e.score, 5)
         << texte_catalogue(l, "msg.calcul.coups").arg(e.numero_coup, 3);
  for (const std::string& v : lignes_variante(variante.data(), static_cast<int>(variante.size())))
    lignes << QString::fromStdString(v);
  return lignes;
}

// The menu item of a level as `niveau` counts it (0..8, 11..17, 18 "Autre").
int indice_niveau(int n) {
  if (n >= PREMIER_SPECIAL && n <= NIVEAU_AUTRE) return NB_NIVEAUX + n - PREMIER_SPECIAL;
  return n >= 0 && n < NB_NIVEAUX ? n : 5;
}

// The size item of a table size: the largest at most that size.
int indice_taille(int taille) {
  if (taille == 0) taille = TAILLE_TABLES_DEFAUT;
  int choix = 0;
  for (int i = 0; i < 8; ++i)
    if (CHOIX_TAILLES[i].taille <= taille) choix = i;
  return choix;
}

}  // namespace

void TForm1::montrer_session() {
  montrer_coches();
  montrer_commandes();
  montrer_textes();
  exercices->montrer();
  plateau->montrer();
  analyse->montrer_etat();
}

void TForm1::montrer_coches() {
  const int l = langue_affichee();
  Menus& m = menus;
  m.Humaincontrehumain1->setChecked(session.humain_contre_humain);
  m.Ordinateurcontreordinateur1->setChecked(session.ordinateur_contre_ordinateur);
  m.Rflexionsurtempsadverse1->setChecked(session.reflexion_sur_temps_adverse);
  m.Arretrflexionparclicsouris1->setChecked(session.arret_par_clic);
  m.Indicationdesmouvements1->setChecked(session.indication_mouvements);
  m.Dcomposerlesprises1->setChecked(session.decomposer_prises);
  m.Bipchaquecoup2->setChecked(session.bip);
  m.Commentaires1->setChecked(session.commentaires);
  m.Jeuenaveugle1->setChecked(session.jeu_en_aveugle);
  m.Pause2->setChecked(session.horloges_arretees);
  m.Numroterlescase1->setChecked(numerotation_active != 0);
  m.Alphabeticalnumber1->setVisible(numerotation_active != 0);
  m.Alphabeticalnumber1->setChecked(session.noms_algebriques);
  m.Bibliothquesactives1->setChecked(bibliotheque_active != 0);
  const auto niveaux = m.niveaux();
  for (int i = 0; i < static_cast<int>(niveaux.size()); ++i) niveaux[i]->setChecked(i == indice_niveau(niveau));
  const auto tailles = m.tailles();
  for (int i = 0; i < 8; ++i) tailles[i]->setChecked(i == indice_taille(taille_tables));
  const auto langues = m.langues();
  for (int i = 0; i < NB_LANGUES; ++i) langues[i]->setChecked(i == l);
  const auto themes = m.themes();
  for (int i = 0; i < 9; ++i) {
    themes[i]->setChecked(i == session.vue);
    themes[i]->setEnabled(themes_lisibles_[i]);
  }
}

void TForm1::montrer_commandes() {
  Menus& m = menus;
  // What the game gives and takes.
  const EtatCommandes e = etat_commandes();
  m.Fichier1->setEnabled(e.Fichier1);
  m.Nouveau2->setEnabled(e.Nouveau2);
  m.Humaincontrehumain1->setEnabled(e.Humaincontrehumain1);
  m.Sauver1->setEnabled(e.Sauver1);
  m.Ouvrir1->setEnabled(e.Ouvrir1);
  m.Quitter1->setEnabled(e.Quitter1);
  m.Imprimer1->setEnabled(e.Imprimer1);
  m.Installeruneposition1->setEnabled(e.Installeruneposition1);
  m.Ouvrirunfichiertexte1->setEnabled(e.Ouvrirunfichiertexte1);
  m.Copierlaposition1->setEnabled(e.Copierlaposition1);
  m.Copierlapartie1->setEnabled(e.Copierlapartie1);
  m.Coller1->setEnabled(e.Coller1);
  m.Dbuteruneanalyse1->setEnabled(e.Dbuteruneanalyse1);
  m.Arrtercettephase1->setEnabled(e.Arrtercettephase1);
  m.Terminerlanalyse1->setEnabled(e.Terminerlanalyse1);
  m.Apprentissage1->setEnabled(e.Apprentissage1);
  m.Lancerunesession1->setEnabled(e.Lancerunesession1);
  m.Arrterlasession1->setEnabled(e.Arrterlasession1);
  m.Chargerdesleons1->setEnabled(e.Chargerdesleons1);
  m.Edition1->setEnabled(e.Edition1);
  m.Joueurs1->setEnabled(e.Joueurs1);
  m.Niveau1->setEnabled(e.Niveau1);
  m.Ouvertures1->setEnabled(e.Ouvertures1);
  m.Analyse2->setEnabled(e.Analyse2);
  m.Rflexionsurtempsadverse1->setEnabled(e.Rflexionsurtempsadverse1);
  m.Horlogeszro1->setEnabled(e.Horlogeszro1);
  m.Pause1->setEnabled(e.Pause1);
  m.Arretrflexionparclicsouris1->setEnabled(e.Arretrflexionparclicsouris1);
  for (QAction* a : {m.Reprendrecoups1, m.Avancercoups1, m.Reveniraudbut1, m.Allerlafin1}) a->setEnabled(e.navigation);
  for (QToolButton* b : {SpeedButton1, SpeedButton2, SpeedButton4, SpeedButton5}) b->setEnabled(e.navigation);
  m.Jeuenaveugle1->setEnabled(session.vue != VUE_2D);
  Probleme->setEnabled(e.Probleme);
  Proposernul->setEnabled(e.Proposernul);
  // Once the game has its result there is no draw to offer, nor a refusal to show.
  Proposernul->setVisible(!partie_terminee());
  if (partie_terminee()) Nulrefus->hide();
  m.Conseil1->setEnabled(e.Conseil1);
  for (QWidget* w : std::initializer_list<QWidget*>{Abandon, Abandon1, Abandon2}) w->setVisible(e.resignation_visible);
  // The clocks run while a game goes on: not before the introduction is
  // left, nor while the user stops them, nor once the game has a result.
  const bool horloges = intro_terminee != 0 && !session.horloges_arretees && !partie_terminee();
  if (horloges != Timer1->isActive()) {
    if (horloges) {
      demarrer_tours();
      Timer1->start();
    } else {
      Timer1->stop();
    }
  }
  const Qt::CursorShape curseur = session.ordinateur_reflechit ? Qt::WaitCursor : Qt::ArrowCursor;
  setCursor(curseur);
  Image5->setCursor(curseur);
}

void TForm1::montrer_textes() {
  const int l = langue_affichee();
  // Composed from the state, in the language in force.
  const ModePartie mode = mode_partie();
  if (mode == ModePartie::Match)
    Panel11->setText(texte_catalogue(l, "msg.match"));
  else if (mode == ModePartie::HumainContreHumain)
    Panel11->setText(legende(l, "Humain"));
  else
    Panel11->setText(texte_catalogue(l, "msg.entrainement"));
  Nbcoups3d->setText(texte_catalogue(l, "msg.coups").arg(nb_demi_coups / 2 + 1));
  installation->Couleurordi->setText(
      texte_catalogue(l, couleur_ordi == 0 ? "msg.ordinateur_noir" : "msg.ordinateur_blanc"));
  installation->Couleurjoue->setText(
      texte_catalogue(l, ordinateur_au_trait != 0 ? "msg.ordinateur_joue" : "msg.joueur_joue"));
  installation->Bas_Haut->setText(
      texte_catalogue(l, damier_inverse != 0 ? "msg.bas_haut.inverse" : "msg.bas_haut.normal"));
  installation->montrer_evaluations(l);
  const ResultatMontre& r = resultat_montre;
  const QString fin = r.cle ? texte_catalogue(l, r.cle) : QString();
  qui_gagne->setText(fin.contains("%1") ? fin.arg(r.nom) : fin);
  const auto passage = [l](const std::optional<ResultatMontre::Passage>& p) {
    // All at once: a name may hold a "%2".
    const auto nombre = [](int n) { return QString("%1").arg(n, 4); };
    return p ? texte_catalogue(l, "msg.classement.passe").arg(p->nom, nombre(p->avant), nombre(p->apres)) : QString();
  };
  Resultat_blanc->setText(passage(r.blanc));
  Resultat_noir->setText(passage(r.noir));
  const QString blanc = nom_montre(BLANCS), noir = nom_montre(NOIRS);
  Nom_blanc->setText(blanc);
  Nom_noir->setText(noir);
  B3D->setText(blanc + " : ");
  N3D->setText(noir + " : ");
  // A name cut to fit its place is read whole under the pointer.
  for (QWidget* w : std::initializer_list<QWidget*>{Nom_blanc, B3D}) w->setToolTip(blanc);
  for (QWidget* w : std::initializer_list<QWidget*>{Nom_noir, N3D}) w->setToolTip(noir);
}

QStringList TForm1::lignes_recherche_montrees() const {
  return etat_recherche_ ? lignes_calcul(*etat_recherche_, variante_recherche_, langue_cochee()) : QStringList();
}

QString TForm1::nom_montre(Camp camp) {
  return camp == BLANCS ? QString::fromStdString(nom_entier(nom_du_champ(nom_joueur_blanc), nom_complet_blanc))
                        : QString::fromStdString(nom_entier(nom_du_champ(nom_joueur_noir), nom_complet_noir));
}

void TForm1::montrer_recherche() {
  ListBox2->clear();
  ListBox2->addItems(lignes_recherche_montrees());
}

void TForm1::montrer_langue() {
  montrer_session();
  montrer_recherche();
  QLineEdit* const noms[2] = {Joueur2, Joueur3};
  for (int i = 0; i < 2; ++i)
    if (noms_humains_par_defaut[i]) noms[i]->setText(texte_catalogue(langue_cochee(), "msg.joueurs.defaut").arg(i + 1));
}

QMenu* TForm1::menu(const char* nom) const { return findChild<QMenu*>(nom); }

void TForm1::construire_composants() {
  construire_panneaux_horloges();
  construire_onglets();

  // The capture notices stand below the board, where both views show them.
  Label29 = etiquette(scene, "Label29", "", 20, 530, 50, 22, 15);
  Label30 = etiquette(scene, "Label30", "", 174, 530, 110, 22, 15);
  Label31 = etiquette(scene, "Label31", "", 72, 530, 100, 22, 15);
  for (QLabel* l : {Label29, Label30, Label31}) {
    l->setStyleSheet("color: rgb(200, 0, 0); font-weight: bold;");
    l->hide();
  }

  Panel17 = panneau(scene, "Panel17", 512, 120, 281, 305);
  ListBox6 = creer<QListWidget>(Panel17, "ListBox6");
  placer(ListBox6, 4, 4, 273, 222);
  // Two rows of two: "Fin analyse" is long in some languages.
  Button10 = bouton(Panel17, "Button10", 4, 232, 134, 30);
  Button11 = bouton(Panel17, "Button11", 143, 232, 134, 30);
  Button12 = bouton(Panel17, "Button12", 4, 268, 134, 30);
  Button13 = bouton(Panel17, "Button13", 143, 268, 134, 30);
  Panel17->hide();

  // The 3D board covers the right-hand panels when it shows (it has its own
  // clocks and names) and stays under the centre panels; widgets stack in
  // the order they are made.
  construire_scene_3d();
  plateau->construire();
  construire_panneaux_caches();
  demarrage->construire_apropos();
  demarrage->construire_intro();

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);
  fin_anticipation_ = new QTimer(this);
  fin_anticipation_->setSingleShot(true);
  connect(fin_anticipation_, &QTimer::timeout, this, [] {
    if (reflexion_anticipee != 0) arret_calcul = 1;
  });
  construire_nouvelle_partie();
  joueurs->construire_panneaux_joueurs();
  construire_panneaux_partie();
  installation->construire_probleme();
  fichiers->construire_liste_parties();
}

void TForm1::construire_scene_3d() {
  Panel10 = creer<QWidget>(scene, "Panel10");
  Panel10->setAutoFillBackground(true);
  QPalette argent = Panel10->palette();
  argent.setColor(QPalette::Window, GRIS_ARGENT);
  Panel10->setPalette(argent);
  placer(Panel10, 6, 0, 790, 521);
  Image5 = new Toile(Panel10, LARGEUR_IMAGE5, HAUTEUR_IMAGE5, GRIS_ARGENT);
  Image5->setObjectName("Image5");
  placer(Image5, 0, 0, LARGEUR_IMAGE5, HAUTEUR_IMAGE5);

  B3D = panneau(Panel10, "B3D", 528, 0, 125, 26, 12);
  N3D = panneau(Panel10, "N3D", 656, 0, 125, 26, 12);
  for (Panneau* p : {B3D, N3D}) p->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  B3D->setIndent(6);
  N3D->setIndent(6);
  Nbb3d = etiquette(B3D, "Nbb3d", "20", 92, 2, 30, 22, 12, Qt::AlignRight | Qt::AlignVCenter);
  Nbn3d = etiquette(N3D, "Nbn3d", "20", 92, 2, 30, 22, 12, Qt::AlignRight | Qt::AlignVCenter);
  B3D->elider(Nbb3d);
  N3D->elider(Nbn3d);

  Horlogenoir3d = panneau(Panel10, "Horlogenoir3d", 712, 56, 70, 30, 18);
  Horlogeblanc3d = panneau(Panel10, "Horlogeblanc3d", 712, 448, 70, 30, 18);
  for (Panneau* h : {Horlogenoir3d, Horlogeblanc3d}) h->setText(":");
  minnoir3d = etiquette(Horlogenoir3d, "minnoir3d", "0", 3, 2, 29, 26, 18, Qt::AlignRight | Qt::AlignVCenter);
  secnoir3d = etiquette(Horlogenoir3d, "secnoir3d", "0", 38, 2, 29, 26, 18);
  minblanc3d = etiquette(Horlogeblanc3d, "minblanc3d", "0", 3, 2, 29, 26, 18, Qt::AlignRight | Qt::AlignVCenter);
  secblanc3d = etiquette(Horlogeblanc3d, "secblanc3d", "0", 38, 2, 29, 26, 18);

  // The banner holds "Humain contre humain" in every language.
  Panel11 = panneau(Panel10, "Panel11", 10, 486, 170, 26, 12);
  Nbcoups3d = panneau(Panel10, "Nbcoups3d", 184, 486, 92, 26, 12);
  Abandon = panneau(Panel10, "Abandon", 280, 486, 84, 26, 12);
  Proposernul = panneau(Panel10, "Proposernul", 368, 486, 104, 26, 12);
  Nulrefus = panneau(Panel10, "Nulrefus", 368, 486, 104, 26, 12);
  Panel13 = panneau(Panel10, "Panel13", 476, 486, 92, 26, 12);
  Panel14 = panneau(Panel10, "Panel14", 572, 486, 100, 26, 12);
  for (Panneau* p : {Abandon, Nulrefus, Panel13, Panel14}) p->hide();
  Panel10->hide();
}

void TForm1::construire_panneaux_horloges() {
  // Panel6 is the clock of camp 1, at the top of the normal board; Panel7
  // that of camp 0, at the bottom.
  auto horloge = [this](const char* nom_panneau, int y, const char* nom_icone, const char* nom_min,
                        const char* nom_sec, const char* nom_nb, const char* nom_nom, QLabel*& icone, QLabel*& min,
                        QLabel*& sec, QLabel*& nb, QLabel*& nom) {
    Panneau* p = panneau(scene, nom_panneau, 512, y, 281, 81);
    icone = etiquette(p, nom_icone, "", 10, 14, 52, 52);
    icone->setScaledContents(true);
    auto* n = new Panneau(p, nom_nom, Panneau::Bord::Aucun);
    placer(n, 72, 5, 200, 22, 14);
    n->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    n->setStyleSheet("font-weight: bold;");
    n->elider();
    nom = n;
    min = etiquette(p, nom_min, "0", 70, 30, 62, 42, 32, Qt::AlignRight | Qt::AlignVCenter);
    etiquette(p, "", ":", 133, 30, 12, 42, 32, Qt::AlignCenter);
    sec = etiquette(p, nom_sec, "0", 146, 30, 56, 42, 32);
    nb = etiquette(p, nom_nb, "", 214, 34, 56, 34, 22, Qt::AlignCenter);
    nb->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    p->hide();
    return p;
  };
  Panel6 = horloge("Panel6", 8, "Image4", "minnoir", "secnoir", "Nbpionsnoirs", "Nom_noir", Image4, minnoir, secnoir,
                   Nbpionsnoirs, Nom_noir);
  Panel7 = horloge("Panel7", 428, "Image3", "minblanc", "secblanc", "Nbpionsblancs", "Nom_blanc", Image3, minblanc,
                   secblanc, Nbpionsblancs, Nom_blanc);
}

void TForm1::construire_onglets() {
  Onglet = creer<QTabWidget>(scene, "Onglet");
  onglets_a_l_echelle(Onglet);
  placer(Onglet, 512, 96, 281, 321, 12);
  Liste = creer<QWidget>(nullptr, "Liste");
  Calcul = creer<QWidget>(nullptr, "Calcul");
  Probleme0 = creer<QWidget>(nullptr, "Probleme0");
  Onglet->addTab(Liste, "");
  Onglet->addTab(Calcul, "");
  Onglet->addTab(Probleme0, "");

  ListBox1 = creer<QListWidget>(Liste, "ListBox1");
  placer(ListBox1, 4, 4, 268, 204, 13);
  // The line of the ply shown stays lit when the list has not the focus.
  ListBox1->setStyleSheet(
      "QAbstractItemView { font-family: monospace; }"
      " QAbstractItemView::item:selected { background: rgb(255, 212, 84); color: black; }");
  auto navigation = [this](const char* nom, QStyle::StandardPixmap icone, int x) {
    auto* b = creer<QToolButton>(Liste, nom);
    b->setIcon(style()->standardIcon(icone));
    b->setProperty("legende_en_infobulle", true);
    placer(b, x, 214, 64, 30);
    taille_icone(b, QSize(20, 20));
    return b;
  };
  SpeedButton4 = navigation("SpeedButton4", QStyle::SP_MediaSkipBackward, 4);
  SpeedButton1 = navigation("SpeedButton1", QStyle::SP_MediaSeekBackward, 72);
  SpeedButton2 = navigation("SpeedButton2", QStyle::SP_MediaSeekForward, 140);
  SpeedButton5 = navigation("SpeedButton5", QStyle::SP_MediaSkipForward, 208);
  SpeedButton3 = bouton(Liste, "SpeedButton3", 4, 250, 132, 30);
  Abandon1 = bouton(Liste, "Abandon1", 140, 250, 132, 30);
  Abandon1->hide();
  connect(SpeedButton3, &QPushButton::clicked, this, &TForm1::Inverser);

  ListBox2 = creer<QListWidget>(Calcul, "ListBox2");
  placer(ListBox2, 4, 4, 268, 132, 11);
  ListBox5 = creer<QListWidget>(Calcul, "ListBox5");
  placer(ListBox5, 4, 140, 268, 104, 11);
  Joue = bouton(Calcul, "Joue", 4, 250, 100, 30);
  Abandon2 = bouton(Calcul, "Abandon2", 106, 250, 80, 30);
  Best1 = bouton(Calcul, "Best1", 188, 250, 84, 30);
  Abandon2->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{ListBox1, ListBox2, Joue}) w->hide();
  connect(Best1, &QPushButton::clicked, analyse, &CommandesAnalyse::Best1Click);

  Probleme = creer<QGroupBox>(Probleme0, "Probleme");
  Probleme->setTitle("PLACEZ LES PIONS");
  placer(Probleme, 0, 0, 277, 292);
  Onglet->hide();
}

void TForm1::construire_panneaux_caches() {
  Nouvelle_partie = panneau(scene, "Nouvelle_partie", 156, 100, 500, 360);
  Nouveau_joueur = panneau(scene, "Nouveau_joueur", 176, 140, 460, 220);
  Efface_j = panneau(scene, "Efface_j", 206, 120, 400, 280);
  Joueurs = panneau(scene, "Joueurs", 206, 170, 400, 160);
  fin_de_parties = panneau(scene, "fin_de_parties", 206, 180, 400, 150);
  Match_nul = panneau(scene, "Match_nul", 206, 190, 400, 130);
  Panel9 = panneau(scene, "Panel9", 256, 210, 300, 110);
  Panel2 = panneau(scene, "Panel2", 206, 100, 400, 360);
  Patientez = panneau(scene, "Patientez", 306, 240, 200, 60, 20);
  Zut = panneau(scene, "Zut", 146, 250, 520, 50, 16);
  Learn = panneau(scene, "Learn", 306, 230, 200, 90, 16);
  for (Panneau* p : {Nouvelle_partie, Nouveau_joueur, Efface_j, Joueurs, fin_de_parties, Match_nul, Panel9, Panel2,
                     Patientez, Zut, Learn})
    p->hide();
  apprentissage->construire_learn();
}

bool TForm1::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) {
    deja_active = true;
    demarrage->FormActivate();
  } else if (e->type() == QEvent::Show && !deja_active) {
    // A desktop without a window manager (or one that refuses focus) never
    // activates the window: the introduction must show all the same.
    QTimer::singleShot(0, this, [this] {
      if (deja_active) return;
      deja_active = true;
      demarrage->FormActivate();
    });
  }
  return QMainWindow::event(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
  demarrage->exiter();
  e->accept();
}
