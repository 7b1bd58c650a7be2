// The opening-book editors in the window, offscreen, over a program folder
// of its own (the program's data linked in, books and sets its own): a line
// of a game played on the board goes into the book and the computer plays
// from it; a set is saved and loaded back; illegal lines are refused.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "game/game.h"
#include "game/input.h"
#include "knowledge/books.h"
#include "records/files.h"
#include "rules/moves.h"
#include "search/search.h"
#include "search/table.h"
#include "support/fenetre.h"
#include "ui/programme.h"

namespace fs = std::filesystem;

namespace {

// Types a line into an editor and adds it.
void ajouter(EditeurOuvertures& e, const QString& ligne) {
  e.Nouvelle_Ouverture->clear();
  QTest::keyClicks(e.Nouvelle_Ouverture, ligne);
  cliquer(e.Valide_Ouverture);
}

QStringList textes(const std::vector<std::string>& v) {
  QStringList t;
  for (const std::string& s : v) t << QString::fromStdString(s);
  return t;
}

// Steps run one per turn of the game loop, each until it says it is done;
// then the program quits.
struct Scenario {
  std::vector<std::function<bool()>> etapes;
  std::size_t i = 0;
  int tours = 0;
  void jouer(TForm1& f) {
    QTimer minuterie;
    minuterie.setInterval(1);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
      QTimer::singleShot(0, [&] {
        if (fin_programme != 0) return;
        if (++tours > 20000 || i == etapes.size()) return f.quitter();
        if (etapes[i]()) ++i;
      });
    });
    minuterie.start();
    f.boucle_de_jeu();
  }
  // The human plays the quiet move m: its origin, then its destination.
  void coup_humain(TForm1& f, const Coup& m, int ply) {
    etapes.push_back([&f, m] {
      if (ordinateur_au_trait != 0 && !f.action("Humaincontrehumain1")->isChecked()) return false;
      if (f.recherche_en_cours != 0 || clic_en_attente != 0) return false;
      cliquer_case_2d(f, m.depart);
      return true;
    });
    etapes.push_back([&f, m, ply] {
      if (nb_demi_coups >= ply) return true;  // a piece with a single move goes at the first click
      if (clic_en_attente != 0 || piece_en_main == 0) return false;
      cliquer_case_2d(f, m.arrivee);
      return true;
    });
    etapes.push_back([ply] { return nb_demi_coups >= ply; });
  }
};

}  // namespace

class Livres : public QObject {
  Q_OBJECT

  QTemporaryDir temp_;
  fs::path dossier_;
  DialoguesDeTest* dialogues_ = nullptr;

  // The windows over the folder, past the introduction on the 2D board.
  std::unique_ptr<Fenetres> demarrer() {
    intro_terminee = 0;
    bibliotheque_active = 1;
    auto w = std::make_unique<Fenetres>();
    TForm1& f = w->form1;
    f.repertoire = dossier_;
    f.boucle_au_depart = false;
    f.duree_animation = 0;
    f.resize(1200, 800);
    f.show();
    if (!QTest::qWaitForWindowExposed(&f)) return nullptr;
    f.FormActivate();
    f.choisir_theme_intro(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.action("Niveau01")->trigger();
    for (const char* nom : {"Bipchaquecoup2", "Commentaires1", "Rflexionsurtempsadverse1"}) f.action(nom)->trigger();
    dialogues_->messages.clear();
    return w;
  }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    dossier_ = temp_.path().toStdString();
    // The program's data, but books of its own and a set folder named in
    // another case than the program asks for.
    for (const fs::directory_entry& e : fs::directory_iterator(CORVANE_BIN_DIR)) {
      const std::string nom = e.path().filename().string();
      if (nom == FICHIER_OUVERTURES_BLANCS || nom == FICHIER_OUVERTURES_NOIRS || nom == "Parametres") continue;
      fs::create_symlink(e.path(), dossier_ / nom);
    }
    fs::create_directories(dossier_ / "parametres");
    fs::create_symlink(fs::path(CORVANE_BIN_DIR) / "Parametres" / "defaut.par", dossier_ / "parametres" / "defaut.par");
    dialogues_ = installer_dialogues_de_test();
  }

  void cleanup() {
    liberer_tables();
    for (const char* nom : {FICHIER_OUVERTURES_BLANCS, FICHIER_OUVERTURES_NOIRS}) fs::remove(dossier_ / nom);
    ouvertures_blancs.clear();
    ouvertures_noirs.clear();
  }

  void theGamesLineGoesIntoTheBookAndTheComputerPlaysIt() {
    auto w = demarrer();
    QVERIFY(w);
    TForm1& f = w->form1;
    TForm3& noirs = w->form3;
    // Two moves of a game between two humans: white's first, black's last.
    position_initiale();
    coups_legaux(BLANCS);
    const Coup a = listes_coups[1][0];
    jouer_coup(a);
    const Coup b = listes_coups[1][coups_legaux(NOIRS) - 1];
    position_initiale();
    const QString ligne = QString::fromStdString(ecrire_ligne_ouverture(std::vector<CoupBibliotheque>{
        {a.depart, a.arrivee}, {b.depart, b.arrivee}}.data(), 2));

    Scenario s;
    s.etapes.push_back([&] {
      f.action("Nouveau2")->trigger();
      f.Onglets_nouvelle->setCurrentIndex(2);
      cliquer(f.BitBtn17);
      return true;
    });
    s.coup_humain(f, a, 1);
    s.coup_humain(f, b, 2);
    bool editeur_vu = false;
    s.etapes.push_back([&] {
      // The black book's editor offers the game's line; it is added and the
      // working book written.
      f.action("Ouverturespourlesnoirs1")->trigger();
      editeur_vu = noirs.isVisible() && !f.isEnabled() && noirs.Nouvelle_Ouverture->text() == ligne &&
                   w->form2.Nouvelle_Ouverture->text() == ligne && noirs.Liste_Ouvertures->count() == 0;
      cliquer(noirs.Valide_Ouverture);
      cliquer(noirs.BitBtn3);
      // Read back from the working book: the editor reloads it, and so does "Annuler".
      ouvertures_noirs.clear();
      f.action("Ouverturespourlesnoirs1")->trigger();
      editeur_vu = editeur_vu && lignes(noirs.Liste_Ouvertures) == QStringList{ligne};
      ouvertures_noirs.clear();
      cliquer(noirs.BitBtn2);
      editeur_vu = editeur_vu && textes(ouvertures_noirs) == QStringList{ligne};
      return true;
    });
    // Against the computer, which plays camp 1 (white on screen): after the
    // human's first move it answers from the book at once, without searching.
    auto contre_ordinateur = [&] {
      f.action("Nouveau2")->trigger();
      cliquer_rond(f.Olvendar_blanc);
      cliquer(f.BitBtn15);
      nb_coups_bibliotheque = -1;
      return true;
    };
    s.etapes.push_back(contre_ordinateur);
    s.coup_humain(f, a, 1);
    Coup reponse_livre{}, reponse_cherchee{};
    std::uint32_t noeuds_livre = 1, noeuds_cherches = 0;
    int consultations = 0;
    auto reponse = [&](Coup& r, std::uint32_t& noeuds) {
      return [&] {
        if (nb_demi_coups < 2 || ordinateur_au_trait != 0) return false;
        r.depart = partie[2].depart;
        r.arrivee = partie[2].arrivee;
        noeuds = nb_noeuds;
        consultations += nb_coups_bibliotheque >= 0;
        return true;
      };
    };
    s.etapes.push_back(reponse(reponse_livre, noeuds_livre));
    // Without book play it searches, and the book is not read.
    s.etapes.push_back([&] {
      f.action("Bibliothquesactives1")->trigger();
      return true;
    });
    s.etapes.push_back(contre_ordinateur);
    s.coup_humain(f, a, 1);
    s.etapes.push_back(reponse(reponse_cherchee, noeuds_cherches));
    s.jouer(f);

    QVERIFY(editeur_vu);
    QVERIFY(s.i == s.etapes.size());
    QVERIFY(!noirs.isVisible() && f.isEnabled());
    QCOMPARE(contenu(dossier_ / "ouvert_n.ouv"), ligne.toStdString() + "\r\n");

    QCOMPARE(reponse_livre.depart, b.depart);
    QCOMPARE(reponse_livre.arrivee, b.arrivee);
    QCOMPARE(noeuds_livre, 0u);
    QVERIFY(!f.action("Bibliothquesactives1")->isChecked());
    QCOMPARE(int(bibliotheque_active), 0);
    QVERIFY(noeuds_cherches > 0);
    QCOMPARE(consultations, 1);  // the book was read for the first answer only
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
  }

  void aSetIsSavedAndLoadedBackAsItWas() {
    auto w = demarrer();
    QVERIFY(w);
    TForm1& f = w->form1;
    TForm2& blancs = w->form2;
    TForm3& noirs = w->form3;
    // The editors' captions follow the colours the board shows.
    QCOMPARE(blancs.Fiche_Ouvertures->title(), QString("Ouvertures (Noirs)"));
    QCOMPARE(noirs.Fiche_Ouvertures->title(), QString("Ouvertures (Blancs)"));
    QCOMPARE(blancs.BitBtn3->text(), QString("Construire et enregistrer"));

    // Black's book: one line, typed as a user may (one digit, "x").
    f.action("Ouverturespourlesnoirs1")->trigger();
    ajouter(noirs, "9-14 22x18");
    QCOMPARE(lignes(noirs.Liste_Ouvertures), QStringList{" 9-14 22-18 "});
    dialogues_->reponse.clear();
    cliquer(noirs.BitBtn3);  // into the working book only
    QVERIFY(!noirs.isVisible());
    QCOMPARE(contenu(dossier_ / "ouvert_n.ouv"), std::string(" 9-14 22-18 \r\n"));

    // White's book: three lines, one taken out again; then saved as a set.
    f.action("Ouverturespourlesblancs1")->trigger();
    for (const char* l : {"11-15 ", " 9-14 22-18 11-15 ", "10-14 "}) ajouter(blancs, l);
    QCOMPARE(lignes(blancs.Liste_Ouvertures), (QStringList{" 9-14 22-18 11-15 ", "10-14 ", "11-15 "}));
    QCOMPARE(textes(ouvertures_blancs), lignes(blancs.Liste_Ouvertures));  // in force at once
    QVERIFY(cliquer_ligne(blancs.Liste_Ouvertures, "10-14 "));
    QCOMPARE(blancs.Nouvelle_Ouverture->text(), QString("10-14 "));
    cliquer(blancs.Effacer);
    QVERIFY(blancs.Nouvelle_Ouverture->text().isEmpty());
    const QStringList blanc_sauve = {" 9-14 22-18 11-15 ", "11-15 "};
    QCOMPARE(lignes(blancs.Liste_Ouvertures), blanc_sauve);
    f.ListBox6->addItem("Club");
    dialogues_->reponse = QString::fromStdString((dossier_ / "parametres" / "Club").string());
    cliquer(blancs.BitBtn1);
    const fs::path club = dossier_ / "parametres";
    QCOMPARE(dialogues_->dossiers.last(), QString::fromStdString(club.string()));  // whatever its case
    const std::string b_sauve = contenu(club / "Club_b.ouv"), n_sauve = contenu(club / "Club_n.ouv");
    QCOMPARE(b_sauve, std::string(" 9-14 22-18 11-15 \r\n11-15 \r\n"));
    QCOMPARE(n_sauve, contenu(dossier_ / "ouvert_n.ouv"));
    QCOMPARE(contenu(club / "Club.ovv"), std::string("Club\r\n"));
    QCOMPARE(contenu(dossier_ / "ouvert_b.ouv"), b_sauve);

    // Other books in force; the set is loaded back: the lists and the
    // working books are the set's again, and saved anew byte for byte.
    f.action("Ouverturespourlesblancs1")->trigger();
    ajouter(blancs, "12-16 ");
    cliquer(blancs.BitBtn3);
    ouvertures_noirs.clear();
    dialogues_->reponse = QString::fromStdString((club / "Club.ovv").string());
    f.action("Changerbibliothqueouvertures1")->trigger();
    QCOMPARE(textes(ouvertures_blancs), blanc_sauve);
    QCOMPARE(lignes(blancs.Liste_Ouvertures), blanc_sauve);
    QCOMPARE(lignes(noirs.Liste_Ouvertures), QStringList{" 9-14 22-18 "});
    QCOMPARE(contenu(dossier_ / "ouvert_b.ouv"), b_sauve);
    QCOMPARE(contenu(dossier_ / "ouvert_n.ouv"), n_sauve);
    f.action("Ouverturespourlesnoirs1")->trigger();
    dialogues_->reponse = QString::fromStdString((club / "Copie.OVV").string());
    cliquer(noirs.BitBtn1);
    QCOMPARE(contenu(club / "Copie_b.ouv"), b_sauve);
    QCOMPARE(contenu(club / "Copie_n.ouv"), n_sauve);

    // A cancelled dialog writes nothing.
    const auto fichiers = [&] { return std::distance(fs::directory_iterator(club), fs::directory_iterator()); };
    const auto avant = fichiers();
    f.action("Ouverturespourlesnoirs1")->trigger();
    dialogues_->reponse.clear();
    cliquer(noirs.BitBtn1);
    QCOMPARE(fichiers(), avant);
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
  }

  void illegalLinesAreRefusedAndNamed() {
    auto w = demarrer();
    QVERIFY(w);
    TForm1& f = w->form1;
    TForm2& blancs = w->form2;
    f.action("Ouverturespourlesblancs1")->trigger();
    ajouter(blancs, " 9-14 22-18 ");
    // A man does not move backwards: the third half-move is named, nothing is stored.
    ajouter(blancs, " 9-14 22-18 14- 9 ");
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains("demi-coup 3 (14-9)"), qPrintable(dialogues_->messages[0]));
    QCOMPARE(lignes(blancs.Liste_Ouvertures), QStringList{" 9-14 22-18 "});

    // A set whose books hold illegal lines: those are refused and named,
    // the others loaded.
    const fs::path d = dossier_ / "parametres";
    ecrire(d / "Mauvais.ovv", "");
    ecrire(d / "Mauvais_b.ouv", "11-15 \r\n 9-18 \r\n");
    ecrire(d / "Mauvais_n.ouv", " 9-14 22-18 \r\n 9-14 22-18 18-14 \r\n");
    dialogues_->messages.clear();
    dialogues_->reponse = QString::fromStdString((d / "Mauvais.ovv").string());
    f.action("Changerbibliothqueouvertures1")->trigger();
    QCOMPARE(dialogues_->messages.size(), 1);
    const QString m = dialogues_->messages[0];
    QVERIFY2(m.contains("demi-coup 1 (9-18)") && m.contains("demi-coup 3 (18-14)"), qPrintable(m));
    QCOMPARE(textes(ouvertures_blancs), QStringList{"11-15 "});
    QCOMPARE(textes(ouvertures_noirs), QStringList{" 9-14 22-18 "});
    QCOMPARE(contenu(dossier_ / "ouvert_b.ouv"), std::string("11-15 \r\n"));
  }
};

QTEST_MAIN(Livres)
#include "livres_test.moc"
