// The evaluation parameters and the table sizes through the window,
// offscreen: values typed into the editor, kept or cancelled, saved and
// loaded back through the menu; a file that is refused; each table size
// chosen in the menu, and one that cannot be had.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "evaluation/evaluation.h"
#include "search/keys.h"
#include "search/table.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/tform5.h"

namespace fs = std::filesystem;

namespace {

// The fields of the set in force, in the file's order.
std::string jeu_en_vigueur() {
  parametres_vers_bruts();
  return {reinterpret_cast<const char*>(parametres_bruts), CHAMPS_PARAMETRES};
}
std::string champs(const std::string& fichier) { return fichier.substr(0, CHAMPS_PARAMETRES); }

void taper(QLineEdit* boite, const QString& texte) {
  boite->selectAll();
  QTest::keyClick(boite, Qt::Key_Delete);
  QTest::keyClicks(boite, texte);
}

}  // namespace

class Parametres : public QObject {
  Q_OBJECT

  // The program's data, the default parameters in a folder named in another case.
  DossierProgramme programme_{CORVANE_BIN_DIR, {"Parametres"}};
  fs::path defaut_ = programme_.chemin / "parametres" / "defaut.par";
  DialoguesDeTest* dialogues_ = nullptr;

  // The file chosen in the next dialog, then the menu item.
  void menu(TForm1& f, const char* article, const fs::path& reponse) {
    dialogues_->reponse = QString::fromStdString(reponse.string());
    f.action(article)->trigger();
  }

 private slots:
  void initTestCase() {
    fs::create_directories(defaut_.parent_path());
    fs::copy_file(fs::path(CORVANE_BIN_DIR) / "Parametres" / "defaut.par", defaut_);
    dialogues_ = installer_dialogues_de_test();
  }

  void editedValuesAreSavedAndLoadedBackThenEachTableSizeIsHadOrRefused() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    dialogues_->messages.clear();
    const std::string defaut = contenu(defaut_);
    QCOMPARE(jeu_en_vigueur(), champs(defaut));

    f->action("Changerlesparamtres1")->trigger();
    TForm5* e = f->editeurs->editeur_parametres();
    QVERIFY(e->isVisible());
    // What a user types becomes the field (a box that holds no number from
    // -128 to 127 is refused: the first-hour tests).
    taper(e->cases[1][32], "12");
    taper(e->phases[0], " 44");
    taper(e->cases_noires[0][0], "-5");
    taper(e->temps[7], "+0");
    cliquer(e->parametreOK);
    QVERIFY(!e->isVisible());
    std::string attendu = defaut;
    attendu[33 + 32] = 12;   // table 1, square 32
    attendu[264] = 44;       // phase0_bas
    attendu[281] = '\xFB';   // cases_v1_noirs[0]
    attendu[295 + 7] = 0;    // temps_avance[7]
    QCOMPARE(jeu_en_vigueur(), champs(attendu));

    // Cancel leaves the set alone, and the next opening shows the set again.
    f->action("Changerlesparamtres1")->trigger();
    taper(e->cases[0][1], "99");
    cliquer(e->parametrecancel);
    QVERIFY(!e->isVisible());
    f->action("Changerlesparamtres1")->trigger();
    QCOMPARE(e->cases[0][1]->text(), QString::number(static_cast<unsigned char>(defaut[1])));  // table 0, square 1
    QCOMPARE(e->cases[1][32]->text(), QString("12"));
    cliquer(e->parametrecancel);

    const fs::path essai = defaut_.parent_path() / "essai.par";
    menu(*f, "Sauverlesparamtres1", essai);
    QCOMPARE(dialogues_->dossiers.last(), QString::fromStdString(defaut_.parent_path().string()));
    QCOMPARE(contenu(essai), attendu);  // the bytes past the fields come from the file loaded
    menu(*f, "Chargerdesparamtres1", defaut_);
    QCOMPARE(jeu_en_vigueur(), champs(defaut));
    menu(*f, "Chargerdesparamtres1", essai);
    QCOMPARE(jeu_en_vigueur(), champs(attendu));
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));

    // A file that is no parameter file is refused and the set kept; a
    // cancelled dialog does nothing.
    ecrire(programme_.chemin / "court.par", std::string(CHAMPS_PARAMETRES - 1, 7));
    menu(*f, "Chargerdesparamtres1", programme_.chemin / "court.par");
    QCOMPARE(dialogues_->messages, QStringList("Erreur: Impossible d'ouvrir ce fichier (stop)"));
    menu(*f, "Chargerdesparamtres1", fs::path());
    QCOMPARE(dialogues_->messages.size(), 1);
    QCOMPARE(jeu_en_vigueur(), champs(attendu));

    // Each table size is chosen in the menu, and one out of reach keeps the last.
    dialogues_->messages.clear();
    auto cochees = [&] {
      QStringList c;
      for (const ChoixTaille& t : CHOIX_TAILLES)
        if (f->action(t.composant)->isChecked()) c << t.composant;
      return c;
    };
    QCOMPARE(cochees(), QStringList("N15Mo1"));
    for (int i = 7; i >= 0; --i) {  // smaller and smaller: the old index words would not fit
      const ChoixTaille& t = CHOIX_TAILLES[i];
      f->action(t.composant)->trigger();
      QCOMPARE(cochees(), QStringList(t.composant));
      QCOMPARE(nb_entrees_table, std::uint32_t(t.entrees));
      QVERIFY(table_transposition != nullptr);
      for (int c = PION_BLANC; c <= DAME_NOIRE; ++c)  // the index words address the new table's slots
        for (int s = 0; s <= 32; ++s) QVERIFY(cles_index[c * 32 + s] < nb_entrees_table);
    }
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));

    // A size that cannot be had keeps the previous table, its contents and its check mark.
    f->action("N3Mo1")->trigger();
    EntreeTable* table = table_transposition;
    table[12345].verif = 777;
    const std::vector<std::uint32_t> mots(cles_index, cles_index + NB_MOTS_CLES);
    limite_octets_table = CHOIX_TAILLES[5].octets;  // up to "10Mo"
    f->action("N30Mo1")->trigger();
    QCOMPARE(dialogues_->messages, QStringList("Erreur: Erreur allocation Hash tables (stop)"));
    QCOMPARE(cochees(), QStringList("N3Mo1"));
    QCOMPARE(table_transposition, table);
    QCOMPARE(table[12345].verif, 777u);
    QVERIFY(std::equal(mots.begin(), mots.end(), cles_index));  // the words still address it
    // The program goes on: a size within reach is still had.
    f->action("N10Mo1")->trigger();
    QCOMPARE(cochees(), QStringList("N10Mo1"));
  }
};

QTEST_MAIN(Parametres)
#include "parametres_test.moc"
