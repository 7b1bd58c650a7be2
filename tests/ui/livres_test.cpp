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

#include "knowledge/books.h"
#include "records/files.h"
#include "search/search.h"
#include "search/table.h"
#include "support/dossier_programme.h"
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

}  // namespace

class Livres : public QObject {
  Q_OBJECT

  // The program's data, but books of its own and a set folder named in
  // another case than the program asks for.
  DossierProgramme programme_{CORVANE_BIN_DIR, {FICHIER_OUVERTURES_BLANCS, FICHIER_OUVERTURES_NOIRS, "Parametres"}};
  fs::path dossier_ = programme_.chemin, sets_ = dossier_ / "parametres";
  DialoguesDeTest* dialogues_ = nullptr;

  // The windows over the folder, past the introduction on the 2D board.
  std::unique_ptr<Fenetres> demarrer() {
    bibliotheque_active = 1;
    auto w = std::make_unique<Fenetres>();
    if (!montrer(w->form1, dossier_, 0)) return nullptr;
    jeu_rapide(w->form1);
    dialogues_->messages.clear();
    return w;
  }

 private slots:
  void initTestCase() {
    fs::create_directories(sets_);
    fs::create_symlink(fs::path(CORVANE_BIN_DIR) / "Parametres" / "defaut.par", sets_ / "defaut.par");
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
    Joueur j{f};
    j.choisir = [](int n) { return nb_demi_coups % 2 == 0 ? 0 : n - 1; };
    CoupBibliotheque ab[2];
    QString ligne;

    // Against the computer, which plays camp 1 (white on screen): after the
    // human's first move it answers from the book at once, without
    // searching; without book play it searches, and the book is not read.
    auto contre_ordinateur = [&] {
      f.action("Nouveau2")->trigger();
      cliquer_rond(f.Olvendar_blanc);
      cliquer(f.BitBtn15);
      nb_coups_bibliotheque = -1;
    };
    int etape = 0, consultations = 0;
    bool editeur_vu = false, du_livre = false, cherchee = false;
    j.action = [&] {
      if (etape == 0) {
        f.action("Nouveau2")->trigger();
        f.Onglets_nouvelle->setCurrentIndex(2);
        cliquer(f.BitBtn17);
      } else if (nb_demi_coups < 2 || ordinateur_au_trait != 0) {
        return false;
      } else if (etape == 1) {
        // The black book's editor offers the game's line; it is added and
        // the working book written.
        for (int h : {0, 1}) ab[h] = {partie[h + 1].depart, partie[h + 1].arrivee};
        ligne = QString::fromStdString(ecrire_ligne_ouverture(ab, 2));
        f.action("Ouverturespourlesblancs1")->trigger();
        editeur_vu = noirs.isVisible() && !f.isEnabled() && noirs.Nouvelle_Ouverture->text() == ligne &&
                     w->form2.Nouvelle_Ouverture->text() == ligne && noirs.Liste_Ouvertures->count() == 0;
        cliquer(noirs.Valide_Ouverture);
        cliquer(noirs.BitBtn3);
        // Read back from the working book: the editor reloads it, and so does "Annuler".
        ouvertures_noirs.clear();
        f.action("Ouverturespourlesblancs1")->trigger();
        editeur_vu = editeur_vu && lignes(noirs.Liste_Ouvertures) == QStringList{ligne};
        ouvertures_noirs.clear();
        cliquer(noirs.BitBtn2);
        editeur_vu = editeur_vu && textes(ouvertures_noirs) == QStringList{ligne};
        contre_ordinateur();
      } else {
        if (etape == 2) du_livre = partie[2].depart == ab[1].depart && partie[2].arrivee == ab[1].arrivee && !nb_noeuds;
        cherchee = etape == 3 && nb_noeuds > 0;
        consultations += nb_coups_bibliotheque >= 0;
        if (etape == 3) return f.demarrage->quitter(), true;
        f.action("Bibliothquesactives1")->trigger();
        contre_ordinateur();
      }
      ++etape;
      return true;
    };
    const QString e = j.jouer();
    QVERIFY2(e.isEmpty(), qPrintable(e));
    QVERIFY(editeur_vu);
    QCOMPARE(etape, 3);
    QVERIFY(!noirs.isVisible() && f.isEnabled());
    QCOMPARE(contenu(dossier_ / "ouvert_n.ouv"), ligne.toStdString() + "\r\n");
    QVERIFY(du_livre && cherchee);
    QVERIFY(!f.action("Bibliothquesactives1")->isChecked());
    QCOMPARE(consultations, 1);  // the book was read for the first answer only
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
  }

  void aSetIsSavedAndLoadedBackAndIllegalLinesAreRefused() {
    auto w = demarrer();
    QVERIFY(w);
    TForm1& f = w->form1;
    TForm2& blancs = w->form2;
    TForm3& noirs = w->form3;
    // Camp 1's book (drawn white): one line, typed as a user may (one
    // digit, "x"). The menu item and the window name the same colour.
    f.action("Ouverturespourlesblancs1")->trigger();
    QVERIFY(noirs.isVisible() && noirs.windowTitle().contains("Blancs") && !blancs.isVisible());
    ajouter(noirs, "9-14 22x18");
    QCOMPARE(lignes(noirs.Liste_Ouvertures), QStringList{" 9-14 22-18 "});
    dialogues_->reponse.clear();
    cliquer(noirs.BitBtn3);  // into the working book only
    QVERIFY(!noirs.isVisible());
    QCOMPARE(contenu(dossier_ / "ouvert_n.ouv"), std::string(" 9-14 22-18 \r\n"));

    // Camp 0's book (drawn black): three lines, one taken out again, one
    // refused (a man does not move backwards: its half-move is named); then
    // saved as a set.
    f.action("Ouverturespourlesnoirs1")->trigger();
    QVERIFY(blancs.isVisible() && blancs.windowTitle().contains("Noirs"));
    for (const char* l : {"11-15 ", " 9-14 22-18 11-15 ", "10-14 ", " 9-14 22-18 14- 9 "}) ajouter(blancs, l);
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains("demi-coup 3 (14-9)"), qPrintable(dialogues_->messages[0]));
    QCOMPARE(textes(ouvertures_blancs), (QStringList{" 9-14 22-18 11-15 ", "10-14 ", "11-15 "}));  // in force at once
    QVERIFY(cliquer_ligne(blancs.Liste_Ouvertures, "10-14 "));
    QCOMPARE(blancs.Nouvelle_Ouverture->text(), QString("10-14 "));
    cliquer(blancs.Effacer);
    const QStringList blanc_sauve = {" 9-14 22-18 11-15 ", "11-15 "};
    QCOMPARE(lignes(blancs.Liste_Ouvertures), blanc_sauve);
    f.ListBox6->addItem("Club");
    dialogues_->reponse = QString::fromStdString((sets_ / "Club").string());
    cliquer(blancs.BitBtn1);
    QCOMPARE(dialogues_->dossiers.last(), QString::fromStdString(sets_.string()));  // whatever its case
    const std::string b_sauve = contenu(sets_ / "Club_b.ouv"), n_sauve = contenu(sets_ / "Club_n.ouv");
    QCOMPARE(b_sauve, std::string(" 9-14 22-18 11-15 \r\n11-15 \r\n"));
    QCOMPARE(n_sauve, contenu(dossier_ / "ouvert_n.ouv"));
    QCOMPARE(contenu(sets_ / "Club.ovv"), std::string("Club\r\n"));
    QCOMPARE(contenu(dossier_ / "ouvert_b.ouv"), b_sauve);

    // Other books in force; the set is loaded back: the lists and the
    // working books are the set's again.
    f.action("Ouverturespourlesnoirs1")->trigger();
    ajouter(blancs, "12-16 ");
    cliquer(blancs.BitBtn3);
    ouvertures_noirs.clear();
    dialogues_->reponse = QString::fromStdString((sets_ / "Club.ovv").string());
    f.action("Changerbibliothqueouvertures1")->trigger();
    QCOMPARE(lignes(blancs.Liste_Ouvertures), blanc_sauve);
    QCOMPARE(lignes(noirs.Liste_Ouvertures), QStringList{" 9-14 22-18 "});
    QCOMPARE(contenu(dossier_ / "ouvert_b.ouv"), b_sauve);
    QCOMPARE(contenu(dossier_ / "ouvert_n.ouv"), n_sauve);

    // A cancelled dialog writes nothing.
    const auto fichiers = [&] { return std::distance(fs::directory_iterator(sets_), fs::directory_iterator()); };
    const auto avant = fichiers();
    f.action("Ouverturespourlesblancs1")->trigger();
    dialogues_->reponse.clear();
    cliquer(noirs.BitBtn1);
    QCOMPARE(fichiers(), avant);

    // A set whose books hold illegal lines: those are refused and named,
    // the others loaded.
    ecrire(sets_ / "Mauvais.ovv", "");
    ecrire(sets_ / "Mauvais_b.ouv", "11-15 \r\n 9-18 \r\n");
    ecrire(sets_ / "Mauvais_n.ouv", " 9-14 22-18 \r\n 9-14 22-18 18-14 \r\n");
    dialogues_->messages.clear();
    dialogues_->reponse = QString::fromStdString((sets_ / "Mauvais.ovv").string());
    f.action("Changerbibliothqueouvertures1")->trigger();
    QCOMPARE(dialogues_->messages.size(), 1);
    const QString m = dialogues_->messages[0];
    QVERIFY2(m.contains("demi-coup 1 (9-18)") && m.contains("demi-coup 3 (18-14)"), qPrintable(m));
    QCOMPARE(textes(ouvertures_blancs) + textes(ouvertures_noirs), (QStringList{"11-15 ", " 9-14 22-18 "}));
  }
};

QTEST_MAIN(Livres)
#include "livres_test.moc"
