// The six languages in the window, offscreen, over the program's own data:
// every caption table names components of the windows and puts its texts
// where they are read; no caption nor composed label overflows its place on
// the stage in any language, each text measured in the font it is drawn in
// against the room its widget gives it; Italian and back to French gives
// every caption back; a game left in English with "Quitter" comes back in
// English; the themes 4, 5, 6 and 8 keep their names; the texts composed
// while the program runs, Qt's own texts and the help follow the language.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <map>
#include <optional>

#include "evaluation/evaluation.h"
#include "game/end.h"
#include "records/game_file.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/aide.h"
#include "ui/legendes.h"
#include "ui/programme.h"

namespace fs = std::filesystem;

namespace {

// The language items and the introduction's buttons, French to Italian.
const char* const ARTICLES[NB_LANGUES] = {"Franais1", "English1", "Nederlands1", "Portugues1", "Espanol1", "Italiano1"};
const char* const BOUTONS[NB_LANGUES] = {"Button5", "Button6", "Button7", "Button2", "Button8", "Button1A"};
const char* const NOMS_LANGUES[NB_LANGUES] = {"French", "English", "Dutch", "Portuguese", "Spanish", "Italian"};

// Every object of the seven windows named `nom`, the windows included.
QList<QObject*> composants(Fenetres& w, const QString& nom) {
  QList<QObject*> trouves = w.form1.findChildren<QObject*>(nom);
  for (QWidget* fenetre : std::initializer_list<QWidget*>{&w.form2, &w.form3, &w.form4, &w.form5, &w.form6, &w.form7}) {
    if (fenetre->objectName() == nom) trouves << fenetre;
    trouves << fenetre->findChildren<QObject*>(nom);
  }
  return trouves;
}

// The caption a component shows where the caption tables put it.
std::optional<QString> legende_montree(QObject* o) {
  if (auto* m = qobject_cast<QMenu*>(o)) return m->title();
  if (auto* a = qobject_cast<QAction*>(o)) return a->text();
  if (auto* b = qobject_cast<QAbstractButton*>(o))
    return b->property("legende_en_infobulle").toBool() ? b->toolTip() : b->text();
  if (auto* g = qobject_cast<QGroupBox*>(o)) return g->title();
  if (auto* l = qobject_cast<QLabel*>(o)) return l->text();
  if (auto* w = qobject_cast<QWidget*>(o)) {
    if (w->isWindow()) return w->windowTitle();
    auto* pile = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (auto* onglets = pile ? qobject_cast<QTabWidget*>(pile->parentWidget()) : nullptr)
      return onglets->tabText(onglets->indexOf(w));
  }
  return std::nullopt;
}

// What the user reads of the window: every caption the French table names,
// the window's title and the labels the window composes.
std::map<QString, QString> ce_qui_se_lit(Fenetres& w) {
  std::map<QString, QString> lu;
  for (const auto& [nom, texte] : table_legendes(0)) {
    int i = 0;
    for (QObject* o : composants(w, nom))
      if (const auto l = legende_montree(o)) lu[nom + "#" + QString::number(i++)] = *l;
  }
  TForm1& f = w.form1;
  lu["titre"] = f.windowTitle();
  for (QLabel* l : std::initializer_list<QLabel*>{f.Panel11, f.Nbcoups3d, f.qui_gagne, f.Resultat_blanc})
    lu[l->objectName()] = l->text();
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
           f.installation->Couleurordi, f.installation->Couleurjoue, f.installation->Bas_Haut})
    lu[b->objectName()] = b->text();
  for (QLabel* l : f.demarrage->noms_themes)
    if (l) lu[l->objectName()] = l->text();
  lu["ListBox2"] = lignes(f.ListBox2).join('|');
  lu["Joueur2"] = f.Joueur2->text();
  return lu;
}

// ---- the room a text has ------------------------------------------------------------

// A text measured against its place, in the window's pixels.
struct Mesure {
  QString composant, texte;
  int besoin = 0, place = 0;      // width the text needs, width its place gives
  int hauteur = 0, haut = 0;      // the same for the height
  // The room left, the narrower way (tabs are measured across only).
  int marge() const { return haut == 0 && hauteur == 0 ? place - besoin : std::min(place - besoin, haut - hauteur); }
};

int largeur_lignes(const QFontMetrics& fm, const QString& texte) {
  int l = 0;
  for (const QString& ligne : texte.split('\n')) l = std::max(l, fm.horizontalAdvance(ligne));
  return l;
}

QString nom_de(const QWidget* w) {
  QString nom = w->objectName();
  for (const QWidget* p = w->parentWidget(); nom.isEmpty() && p; p = p->parentWidget()) nom = p->objectName() + "/?";
  return nom;
}

// The texts of a widget of the stage and their places; none for a widget
// that shows no text of its own (pictures, lists, tips).
QList<Mesure> mesurer(QWidget* w) {
  QList<Mesure> m;
  const QFontMetrics fm(w->font());
  QStyle* s = w->style();
  const auto mesure = [&](const QString& texte, const QRect& place) {
    m << Mesure{nom_de(w), texte, largeur_lignes(fm, texte), place.width(),
                static_cast<int>(fm.height() * (texte.count('\n') + 1)), place.height()};
  };
  if (auto* l = qobject_cast<QLabel*>(w)) {
    if (l->text().isEmpty() || l->wordWrap() || !l->pixmap().isNull()) return m;
    // As QLabel lays its text: inside the frame and the margin, past the indent.
    QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int retrait = l->indent();
    if (retrait < 0 && l->frameWidth() > 0) retrait = fm.horizontalAdvance(QLatin1Char('x')) / 2 - l->margin();
    if (retrait > 0) {
      if (l->alignment() & Qt::AlignLeft) r.setLeft(r.left() + retrait);
      if (l->alignment() & Qt::AlignRight) r.setRight(r.right() - retrait);
    }
    mesure(l->text(), r);
  } else if (auto* b = qobject_cast<QPushButton*>(w)) {
    if (b->text().isEmpty()) return m;
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    if (b->autoDefault() || b->isDefault()) o.features |= QStyleOptionButton::AutoDefaultButton;
    mesure(b->text(), s->subElementRect(QStyle::SE_PushButtonContents, &o, b));
  } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
    QStyleOptionButton o;
    o.initFrom(r);
    o.text = r->text();
    mesure(r->text(), s->subElementRect(QStyle::SE_RadioButtonContents, &o, r));
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    if (g->title().isEmpty()) return m;
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.lineWidth = 1;
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    o.textAlignment = g->alignment();
    const QRect titre = s->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    // The title's own rectangle is as wide as its text: what it may not do
    // is run past the box.
    mesure(g->title(), QRect(titre.left(), titre.top(), g->width() - titre.left(), titre.height()));
  } else if (auto* t = qobject_cast<QTabWidget*>(w)) {
    // Tabs that do not fit bring scroll arrows: all of them must fit.
    QStringList textes;
    for (int i = 0; i < t->count(); ++i) textes << t->tabText(i);
    m << Mesure{nom_de(w), textes.join(" | "), t->tabBar()->sizeHint().width(), t->width(), 0, 0};
  } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
    if (!e->isReadOnly() || e->text().isEmpty()) return m;  // what the program writes, not what is typed
    QStyleOptionFrame o;
    o.initFrom(e);
    o.lineWidth = e->hasFrame() ? s->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e) : 0;
    const QMargins marges = e->textMargins();
    QRect r = s->subElementRect(QStyle::SE_LineEditContents, &o, e).marginsRemoved(marges);
    r.adjust(2, 0, -2, 0);  // QLineEdit keeps two pixels clear on each side
    mesure(e->text(), r);
  }
  return m;
}

// Every text of the stage's widgets, shown or not.
QList<Mesure> mesurer_scene(TForm1& f) {
  QList<Mesure> toutes;
  for (QWidget* w : f.scene->findChildren<QWidget*>()) toutes << mesurer(w);
  return toutes;
}

}  // namespace

class SixLangues : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesDeTest* dialogues_ = nullptr;

  // The seven windows as the program makes them, shown over the program's
  // folder: at the introduction (theme < 0) or past it.
  std::unique_ptr<Fenetres> demarrer(int theme, QSize taille = {1200, 800}) {
    auto w = std::make_unique<Fenetres>();
    if (!montrer(w->form1, programme_.chemin, -1)) return nullptr;
    w->form1.resize(taille);
    QCoreApplication::processEvents();
    if (theme >= 0) passer_intro(w->form1, theme);
    return w;
  }

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }
  void init() {
    fs::remove(programme_.chemin / "last32.dam");
    dialogues_->messages.clear(), dialogues_->details.clear();
    langue_courante = 0;
  }

  // Every row of every table names a component of the windows (the
  // introduction's, while it is shown, included), and after the switch to
  // its language the component shows the row's text.
  void everyTableNamesComponentsOfTheWindowsAndPutsItsTextsThere() {
    auto w = demarrer(-1);
    QVERIFY(w);
    for (int l : {1, 2, 3, 4, 5, 0}) {
      cliquer(w->form1.findChild<QPushButton*>(BOUTONS[l]));
      QVERIFY(w->form1.action(ARTICLES[l])->isChecked());
      int montres = 0;
      for (const auto& [nom, texte] : table_legendes(l)) {
        const QList<QObject*> trouves = composants(*w, nom);
        QVERIFY2(!trouves.isEmpty(), qPrintable(QString(NOMS_LANGUES[l]) + ": no component " + nom));
        for (QObject* o : trouves) {
          const std::optional<QString> lu = legende_montree(o);
          QVERIFY2(lu, qPrintable(nom + " shows no caption"));
          QVERIFY2(*lu == texte, qPrintable(QString(NOMS_LANGUES[l]) + ": " + nom + " shows \"" + *lu + "\", not \"" +
                                            texte + "\""));
          ++montres;
        }
      }
      QVERIFY(montres > 190);
      QCOMPARE(w->form1.windowTitle(), texte_catalogue(l, "msg.titre_fenetre"));
    }
  }

  // Each text measured in the font it is drawn in against the room its
  // widget gives it, on the 1080p screen and on a window the stage's own
  // size: every caption, and every text the window composes in each of its
  // forms (the banner of each mode, both colours, the longest move number,
  // each end of game, a rating change, the static scores); and the menu bar.
  void noCaptionNorComposedTextOverflowsItsPlaceInAnyLanguage() {
    const QSize tailles[2] = {{1920, 1080}, {LARGEUR_SCENE, HAUTEUR_SCENE + 24}};
    int comptees = 0;
    QStringList fautes;
    const auto noter = [&](int l, const QList<Mesure>& mesures, QSize taille) {
      comptees += static_cast<int>(mesures.size());
      for (const Mesure& m : mesures)
        if (m.marge() < 0)
          fautes << QString("%1 %2x%3: %4 \"%5\" needs %6x%7 of %8x%9")
                        .arg(NOMS_LANGUES[l])
                        .arg(taille.width())
                        .arg(taille.height())
                        .arg(m.composant, m.texte)
                        .arg(m.besoin)
                        .arg(m.hauteur)
                        .arg(m.place)
                        .arg(m.haut);
    };
    for (const QSize taille : tailles) {
      auto w = demarrer(-1, taille);
      QVERIFY(w);
      TForm1& f = w->form1;
      for (int l = 0; l < NB_LANGUES; ++l) {
        cliquer(f.findChild<QPushButton*>(BOUTONS[l]));
        noter(l, mesurer_scene(f), taille);
      }
      passer_intro(f, 1);
      f.installation->evaluations = {{-9999, -9999}};
      nommer_joueur(nom_joueur_blanc, "Corvane");
      for (int l = 0; l < NB_LANGUES; ++l) {
        f.action(ARTICLES[l])->trigger();
        noter(l, mesurer_scene(f), taille);
        // The menu bar holds every menu without its overflow arrow.
        QStringList menus;
        for (QAction* a : f.menuBar()->actions()) menus << a->text();
        noter(l, {Mesure{"menu bar", menus.join(' '), f.menuBar()->sizeHint().width(), f.width(), 0, 0}}, taille);
        // The composed texts in each of their forms.
        const std::pair<QWidget*, std::function<void(int)>> formes[] = {
            {f.Panel11,
             [&](int i) {
               match_classe = i == 0 ? 1 : 0;
               session.humain_contre_humain = i == 1;
             }},
            {f.installation->Couleurordi, [&](int i) { couleur_ordi = static_cast<std::uint8_t>(i % 2); }},
            {f.installation->Couleurjoue, [&](int i) { ordinateur_au_trait = i % 2; }},
            {f.installation->Bas_Haut, [&](int i) { damier_inverse = static_cast<std::uint8_t>(i % 2); }},
            {f.Nbcoups3d, [&](int) { nb_demi_coups = DERNIER_DEMI_COUP; }},
        };
        for (const auto& [widget, forme] : formes)
          for (int i = 0; i < 3; ++i) {
            forme(i);
            f.montrer_session();
            noter(l, mesurer(widget), taille);
          }
        match_classe = 0;
        session.humain_contre_humain = false;
        nb_demi_coups = 0;
        for (const char* cle : {"msg.fin.gagne", "msg.fin.noirs_gagnent", "msg.fin.blancs_gagnent",
                                "msg.fin.ordinateur_gagne", "msg.fin.vous_gagnez", "msg.fin.nul",
                                "msg.fin.temps_ordinateur", "msg.fin.temps_joueur", "msg.fin.abandon"}) {
          f.resultat_montre = {cle, "Corvane", TForm1::ResultatMontre::Passage{"Corvane", 2050, 2062},
                               TForm1::ResultatMontre::Passage{"Inconnu", 1500, 1488}};
          f.montrer_session();
          for (QLabel* e : {f.qui_gagne, f.Resultat_blanc, f.Resultat_noir}) noter(l, mesurer(e), taille);
        }
        f.resultat_montre = {};
      }
      f.montrer_session();
    }
    QVERIFY(comptees > 3000);
    for (const QString& faute : fautes) qInfo("overflow: %s", qPrintable(faute));
    QVERIFY2(fautes.isEmpty(), qPrintable(QString("%1 texts overflow").arg(fautes.size())));
  }

  // Italian and back to French, by the introduction's buttons and then by
  // the menu during a game: every caption (the level names among them) and
  // every composed label is the French one again.
  void italianAndBackToFrenchGivesEveryCaptionBack() {
    auto w = demarrer(-1);
    QVERIFY(w);
    TForm1& f = w->form1;
    for (int passe = 0; passe < 2; ++passe) {
      const std::map<QString, QString> francais = ce_qui_se_lit(*w);
      QVERIFY(francais.size() > 200);
      passe == 0 ? cliquer(f.findChild<QPushButton*>("Button1A")) : f.action("Italiano1")->trigger();
      const std::map<QString, QString> italien = ce_qui_se_lit(*w);
      int changes = 0;
      for (const auto& [nom, texte] : francais) changes += italien.at(nom) != texte;
      QVERIFY2(changes > 150, qPrintable(QString::number(changes)));
      QCOMPARE(f.action("Niveau04")->text(), QString("4 : Nazionale"));
      QCOMPARE(f.action("Niveau05")->text(), QString("5 : Candidato Maestro"));
      QCOMPARE(f.windowTitle(), QString("Corvane 3D, il gioco"));
      passe == 0 ? cliquer(f.findChild<QPushButton*>("Button5")) : f.action("Franais1")->trigger();
      const std::map<QString, QString> encore = ce_qui_se_lit(*w);
      for (const auto& [nom, texte] : francais) QVERIFY2(encore.at(nom) == texte, qPrintable(nom + ": " + encore.at(nom)));
      QCOMPARE(f.action("Niveau04")->text(), QString("4 : Honneur"));
      if (passe == 0) {
        passer_intro(f, 3);
        // A game under way: the search display and the result shown too.
        const Coup v[2] = {};
        montrer_etat_recherche({7, 4321, true, 3, 12, 5, v, 0});
        f.fin_de_partie(FIN_NULLE);
      }
    }
  }

  // A game begun in English and left with "Quitter" comes back in English:
  // the captions at once, the game once a board is chosen.
  void aGameStartedInEnglishAndLeftWithQuitterRestartsInEnglish() {
    {
      auto w = demarrer(-1);
      QVERIFY(w);
      cliquer(w->form1.findChild<QPushButton*>("Button6"));
      passer_intro(w->form1, 1);
      for (int h = 0; h < 4; ++h) jouer_et_enregistrer(0);
      w->form1.action("Quitter1")->trigger();
      QVERIFY(fs::exists(programme_.chemin / "last32.dam"));
    }
    commencer_partie();
    auto w = demarrer(-1);
    QVERIFY(w);
    TForm1& f = w->form1;
    QVERIFY(f.action("English1")->isChecked() && !f.action("Franais1")->isChecked());
    QCOMPARE(int(langue_courante), 1);
    QCOMPARE(f.windowTitle(), QString("Corvane 3D, the game"));
    QCOMPARE(f.menu("Fichier1")->title(), QString("File"));
    QCOMPARE(f.findChild<QLabel*>("Intro_damier")->text(), legende(1, "Intro_damier"));
    passer_intro(f, 1);
    QCOMPARE(int(dernier_demi_coup), 4);
    QCOMPARE(f.Nbcoups3d->text(), QString("Move: 3"));
    QCOMPARE(f.Panel11->text(), QString("Training"));
    QCOMPARE(f.menu("Niveau1")->title(), QString("Level"));
  }

  // "Death Valley", "Key West", "Hawaï" and "Mississipi River" whatever the
  // language, in the menu and on the introduction; the other boards'
  // names are translated.
  void theFourNamedThemesKeepTheirNamesInEveryLanguage() {
    auto w = demarrer(-1);
    QVERIFY(w);
    TForm1& f = w->form1;
    const QStringList fixes = {"Death Valley", "Key West", QString::fromUtf8("Hawaï"), "Mississipi River"};
    const int themes[4] = {4, 5, 6, 8};
    QSet<QString> classiques;
    for (int l = 0; l < NB_LANGUES; ++l)
      for (int passe = 0; passe < 2; ++passe) {
        passe == 0 ? cliquer(f.findChild<QPushButton*>(BOUTONS[l])) : f.action(ARTICLES[l])->trigger();
        for (int i = 0; i < 4; ++i) {
          QCOMPARE(f.menus.themes()[themes[i]]->text(), fixes[i]);
          QCOMPARE(f.demarrage->noms_themes[themes[i]]->text(), fixes[i]);
        }
        classiques << f.demarrage->noms_themes[1]->text() << f.menus.themes()[1]->text();
      }
    QVERIFY(classiques.contains("Classique") && classiques.contains("Classic") && classiques.contains("Clásico"));
  }

  // While a game runs, what the window composes follows the language: the
  // banner and the move counter, the set-up's toggles and static scores,
  // the search display, the result panel, the file dialogs' filters, the
  // message boxes (the engine's among them), the reason a text game stops,
  // the default names, the editors' texts, and Qt's own texts.
  void theComposedTextsAndQtsOwnFollowTheLanguage() {
    auto w = demarrer(0);
    QVERIFY(w);
    TForm1& f = w->form1;
    f.action("Nederlands1")->trigger();
    QCOMPARE(f.Panel11->text(), QString("Training"));
    QCOMPARE(f.Nbcoups3d->text(), QString("Zet: 1"));
    QCOMPARE(f.Joueur2->text(), QString("Speler 1"));
    const Coup v[2] = {};
    montrer_etat_recherche({9, 1234567, true, 12, -35, 19, v, 0});
    QCOMPARE(lignes(f.ListBox2), QStringList({"Diepte :     9", "Knopen :  1234567", "Tijd :     12 s",
                                              "Knopen/s :   102880", "Score :   -35", "Zetten :  19"}));
    f.fin_de_partie(FIN_NULLE);
    QCOMPARE(f.qui_gagne->text(), QString("Remise !"));
    f.BitBtn13Click();
    f.installation->Installeruneposition1Click();
    QVERIFY(f.installation->Blancs->text().startsWith("Eval stat zwart:"));

    f.action("Espanol1")->trigger();
    QCOMPARE(f.ListBox2->item(0)->text(), QString("Profundidad :     9"));
    QCOMPARE(f.qui_gagne->text(), QString::fromUtf8("¡Tablas!"));
    QVERIFY(f.installation->Blancs->text().startsWith("Eval. est. negras:"));
    QCOMPARE(f.installation->Couleurjoue->text(), QString("Jugador juegue"));
    QCOMPARE(f.installation->Bas_Haut->text(), QString("Bl.:Arriba->Abajo"));
    f.installation->Entrerpositionclick();
    QCOMPARE(f.Joueur2->text(), QString("Jugador 1"));
    f.Nouveau2Click();
    f.Onglets_nouvelle->setCurrentIndex(2);
    QTest::keyClicks(f.Joueur3, "x");  // a name the user typed stays
    const QString tape = f.Joueur3->text();
    QCOMPARE(tape, QString("Jugador 2x"));
    f.Annule_nouveauClick();
    f.action("Italiano1")->trigger();
    QCOMPARE(f.Joueur2->text(), QString("Giocatore 1"));
    QCOMPARE(f.Joueur3->text(), tape);
    QCOMPARE(f.qui_gagne->text(), QString("Patta !"));
    // A rating change names the player as typed, a "%2" in the name included.
    f.resultat_montre.blanc = TForm1::ResultatMontre::Passage{"Zo%2", 980, 1002};
    f.montrer_session();
    QCOMPARE(f.Resultat_blanc->text(), QString("Zo%2 passa da  980 a 1002"));

    // Dialogs and message boxes, the engine's own too.
    f.erreur_fichier("x.dam");
    QCOMPARE(dialogues_->messages.takeLast(), QString("Errore: Impossibile aprire questo file (stop)"));
    charger_parametres(programme_.chemin / "absent.par");
    QCOMPARE(dialogues_->messages.takeLast(), QString("Errore: Impossibile aprire questo file (stop)"));
    f.action("Sauver1")->trigger();  // cancelled
    QCOMPARE(dialogues_->filtre, QString("Partite Corvane (*.dam)|dam"));
    ecrire(programme_.chemin / "corta.dam", "not a game");
    dialogues_->reponse = QString::fromStdString((programme_.chemin / "corta.dam").string());
    f.action("Ouvrir1")->trigger();
    QVERIFY2(dialogues_->details.takeLast().endsWith("(10 byte invece di 22442)"), "the reason in Italian");
    f.action("Portugues1")->trigger();
    ecrire(programme_.chemin / "ilegal.pdn", "[GameType \"23\"]\n1. 11-15 22-18 2. 15x22 25x18 3. 11-16 *\n");
    dialogues_->reponse = QString::fromStdString((programme_.chemin / "ilegal.pdn").string());
    f.action("Ouvrirunfichiertexte1")->trigger();
    dialogues_->reponse.clear();
    QCOMPARE(dialogues_->messages.takeLast(),
             QString::fromUtf8("Erro: Lance 3 (11-16) da partida 1: lance impossível nesta posição"));

    // The editors' texts.
    QCOMPARE(w->form2.Valide_Ouverture->toolTip(), texte_catalogue(3, "msg.ouvertures.bulle_ajouter"));
    QCOMPARE(w->form2.windowTitle(), QString("Aberturas (Pretas)"));
    QStringList parametres;
    for (QLabel* l : w->form5.findChildren<QLabel*>()) parametres << l->text();
    QVERIFY(parametres.contains(QString::fromUtf8("Abertura: mais de")));
    QVERIFY(parametres.contains(QString::fromUtf8("Variante tipo 2 se 8 das 14 condições abaixo forem verificadas:")));
    QCOMPARE(w->form5.parametrecancel->text(), QString("Cancelar"));

    // Qt's own texts: the buttons of its dialogs.
    const char* const annuler[NB_LANGUES] = {"Annuler", "Cancel", "Annuleren", "Cancelar", "Cancelar", "Annulla"};
    for (int l = 0; l < NB_LANGUES; ++l) {
      f.action(ARTICLES[l])->trigger();
      QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString(annuler[l]));
    }
  }

  // The guide and the rules open in the checked language, each language
  // its own pages.
  void helpFollowsTheCheckedLanguage() {
    auto w = demarrer(-1);
    QVERIFY(w);
    TForm1& f = w->form1;
    const char* const guides[NB_LANGUES] = {"Corvane.html",   "Corvane_e.html",  "Corvane_nl.html",
                                            "Corvane_p.html", "Corvane_es.html", "Corvane_it.html"};
    const char* const regles[NB_LANGUES] = {"Rcorvane_f.html", "Rcorvane_e.html",  "Rcorvane_nl.html",
                                            "Rcorvane_p.html", "Rcorvane_es.html", "Rcorvane_it.html"};
    for (int l = 0; l < NB_LANGUES; ++l) {
      f.action(ARTICLES[l])->trigger();
      for (const auto& [article, page] : {std::pair{"Guide1", guides[l]}, std::pair{"Rgles1", regles[l]}}) {
        f.action(article)->trigger();
        QVERIFY(f.demarrage->aide && f.demarrage->aide->isVisible());
        const QString source = f.demarrage->aide->navigateur()->source().toLocalFile();
        QVERIFY2(source.endsWith(QString("/") + page), qPrintable(source));
        QVERIFY(!f.demarrage->aide->windowTitle().isEmpty());
      }
    }
    QVERIFY(dialogues_->messages.isEmpty());
  }
};

QTEST_MAIN(SixLangues)

#include "six_langues_test.moc"
