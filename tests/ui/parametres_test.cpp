// The evaluation parameters and the table sizes through the window,
// offscreen: values typed into the editor, saved and loaded back through the
// menu; a loaded file changing the evaluation; files that are refused; each
// table size chosen in the menu, and one that cannot be had.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstring>
#include <vector>

#include "evaluation/evaluation.h"
#include "rules/board.h"
#include "rules/fen.h"
#include "search/keys.h"
#include "search/table.h"
#include "support/fenetre.h"
#include "ui/tform5.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> octets(const fs::path& p) {
  const std::string s = contenu(p);
  return {s.begin(), s.end()};
}
void ecrire(const fs::path& p, const std::vector<std::uint8_t>& o) { ::ecrire(p, std::string(o.begin(), o.end())); }

// The fields of the set in force, in the file's order.
std::vector<std::uint8_t> jeu_en_vigueur() {
  parametres_vers_bruts();
  return {parametres_bruts, parametres_bruts + CHAMPS_PARAMETRES};
}

void taper(QLineEdit* boite, const QString& texte) {
  boite->selectAll();
  QTest::keyClick(boite, Qt::Key_Delete);
  QTest::keyClicks(boite, texte);
}

}  // namespace

class Parametres : public QObject {
  Q_OBJECT

  QTemporaryDir temp_;
  fs::path programme_, defaut_;
  DialoguesDeTest* dialogues_ = nullptr;

  // A window past its start-up over a program folder holding only the
  // default parameters, in a folder named in another case.
  std::unique_ptr<TForm1> demarrer() {
    intro_terminee = 0;
    auto f = std::make_unique<TForm1>();
    f->repertoire = programme_;
    f->boucle_au_depart = false;
    f->resize(1000, 700);
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
    f->FormActivate();
    f->choisir_theme_intro(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialogues_->messages.clear();
    return f;
  }

  // The file chosen in the next dialog, then the menu item.
  void menu(TForm1& f, const char* article, const fs::path& reponse) {
    dialogues_->reponse = QString::fromStdString(reponse.string());
    f.action(article)->trigger();
  }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    programme_ = fs::path(temp_.path().toStdString()) / "programme";
    defaut_ = programme_ / "parametres" / "defaut.par";
    fs::create_directories(defaut_.parent_path());
    fs::copy_file(fs::path(CORVANE_BIN_DIR) / "Parametres" / "defaut.par", defaut_);
    dialogues_ = installer_dialogues_de_test();
  }

  void cleanup() {
    limite_octets_table = SIZE_MAX;
    taille_tables = TAILLE_TABLES_DEFAUT;
    decalage_tables = DECALAGE_TABLES_DEFAUT;
    liberer_tables();
  }

  void editedValuesAreSavedAndLoadedBackAndOtherFilesRefused() {
    auto f = demarrer();
    QVERIFY(f);
    const std::vector<std::uint8_t> defaut = octets(defaut_);
    QCOMPARE(defaut.size(), std::size_t(TAILLE_PARAMETRES));

    f->action("Changerlesparamtres1")->trigger();
    TForm5* e = f->editeur_parametres();
    QVERIFY(e->isVisible());
    QCOMPARE(e->cases[1][32]->text(), QString::number(tables_cases[1][32]));
    QCOMPARE(e->phases[2]->text(), QString::number(phase2_bas));
    QCOMPARE(e->cases_noires[1][6]->text(), QString::number(cases_v2_noirs[6]));

    // What a user types becomes the field: digits up to the first other
    // character, the low 8 bits of the number.
    taper(e->cases[1][32], "12abc");
    taper(e->phases[0], "300");
    taper(e->cases_noires[0][0], "-5");
    taper(e->temps[7], "");
    QTest::mouseClick(e->parametreOK, Qt::LeftButton);
    QVERIFY(!e->isVisible());
    std::vector<std::uint8_t> attendu = defaut;
    attendu[33 + 32] = 12;   // table 1, square 32
    attendu[264] = 44;       // phase0_bas
    attendu[281] = 0xFB;     // cases_v1_noirs[0]
    attendu[295 + 7] = 0;    // temps_avance[7]
    QCOMPARE(jeu_en_vigueur(), std::vector<std::uint8_t>(attendu.begin(), attendu.begin() + CHAMPS_PARAMETRES));

    // Cancel leaves the set alone, and the next opening shows the set again.
    f->action("Changerlesparamtres1")->trigger();
    taper(e->cases[0][1], "99");
    QTest::mouseClick(e->parametrecancel, Qt::LeftButton);
    QVERIFY(!e->isVisible());
    f->action("Changerlesparamtres1")->trigger();
    QCOMPARE(e->cases[0][1]->text(), QString::number(tables_cases[0][1]));
    QCOMPARE(e->cases[1][32]->text(), QString("12"));
    // The other layouts, never shown, answer to the same handlers.
    TForm6 autre;
    autre.parametrecancel->click();
    QVERIFY(!e->isVisible());

    const fs::path essai = programme_ / "parametres" / "essai.par";
    menu(*f, "Sauverlesparamtres1", essai);
    QCOMPARE(dialogues_->dossiers.last(), QString::fromStdString(defaut_.parent_path().string()));
    QVERIFY(dialogues_->filtre.contains("*.par"));
    QCOMPARE(octets(essai), attendu);  // the bytes past the fields come from the file loaded

    menu(*f, "Chargerdesparamtres1", defaut_);
    QCOMPARE(jeu_en_vigueur(), std::vector<std::uint8_t>(defaut.begin(), defaut.begin() + CHAMPS_PARAMETRES));
    menu(*f, "Chargerdesparamtres1", essai);
    QCOMPARE(jeu_en_vigueur(), std::vector<std::uint8_t>(attendu.begin(), attendu.begin() + CHAMPS_PARAMETRES));
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));

    // Files that are no parameter files are refused and the set kept.
    const std::vector<std::uint8_t> avant = jeu_en_vigueur();
    const fs::path court = programme_ / "court.par", partie = programme_ / "partie.par";
    ecrire(court, std::vector<std::uint8_t>(CHAMPS_PARAMETRES - 1, 7));
    ecrire(partie, std::vector<std::uint8_t>(22442, 7));
    for (const fs::path& p : {court, partie, programme_ / "absent.par", programme_ / "parametres"}) {
      dialogues_->messages.clear();
      menu(*f, "Chargerdesparamtres1", p);
      QCOMPARE(dialogues_->messages, QStringList("Erreur: Impossible d'ouvrir ce fichier (stop)"));
      QCOMPARE(jeu_en_vigueur(), avant);
    }
    // A file holding just the fields is one.
    ecrire(court, std::vector<std::uint8_t>(CHAMPS_PARAMETRES, 7));
    dialogues_->messages.clear();
    menu(*f, "Chargerdesparamtres1", court);
    QVERIFY(dialogues_->messages.isEmpty());
    QCOMPARE(jeu_en_vigueur(), std::vector<std::uint8_t>(CHAMPS_PARAMETRES, 7));
    // Saving where no file can be written says so.
    menu(*f, "Sauverlesparamtres1", programme_ / "absent" / "x.par");
    QCOMPARE(dialogues_->messages, QStringList("Erreur: Impossible d'ouvrir ce fichier (stop)"));
    // A cancelled dialog does nothing.
    dialogues_->messages.clear();
    menu(*f, "Chargerdesparamtres1", fs::path());
    QVERIFY(dialogues_->messages.isEmpty());
  }

  void aLoadedFileChangesTheEvaluation() {
    auto f = demarrer();
    QVERIFY(f);
    Position pos;
    std::string erreur;
    QVERIFY(lire_fen("W:W18,23,27,30:B1,5,9,14", pos, erreur));
    // As a search sees it: the root preparation takes the table in force.
    auto evaluation = [&] {
      placer_position(pos);
      compter_pieces();
      preparer_evaluation(BLANCS);
      return evaluer_statique(BLANCS);
    };
    const Score avant = evaluation();
    // Every table favours the men nearest their crowning row.
    std::vector<std::uint8_t> penche = octets(defaut_);
    for (int t = 0; t < NB_TABLES_CASES; ++t)
      for (int k = 1; k <= 32; ++k) penche[33 * t + k] = static_cast<std::uint8_t>(3 * k);
    const fs::path fichier = programme_ / "penche.par";
    ecrire(fichier, penche);
    menu(*f, "Chargerdesparamtres1", fichier);
    QVERIFY(evaluation() != avant);
    menu(*f, "Chargerdesparamtres1", defaut_);
    QCOMPARE(evaluation(), avant);
  }

  void eachTableSizeIsChosenInTheMenuAndOneOutOfReachKeepsTheLast() {
    auto f = demarrer();
    QVERIFY(f);
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
      QCOMPARE(taille_tables, t.taille);
      QCOMPARE(decalage_tables, t.decalage);
      QCOMPARE(nb_entrees_table, std::uint32_t(t.entrees));
      QVERIFY(table_transposition != nullptr);
      for (int c = PION_BLANC; c <= DAME_NOIRE; ++c)  // the index words address the new table's slots
        for (int s = 0; s <= 32; ++s) QVERIFY(cles_index[c * 32 + s] < std::uint32_t(t.entrees));
    }
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));

    // A size that cannot be had keeps the previous table, its contents and its check mark.
    f->action("N3Mo1")->trigger();
    EntreeTable* table = table_transposition;
    table[12345].type = TYPE_MAX_EXACT;
    table[12345].verif = 777;
    const std::vector<std::uint32_t> mots(cles_index, cles_index + NB_MOTS_CLES);
    limite_octets_table = CHOIX_TAILLES[5].octets;  // up to "10Mo"
    f->action("N30Mo1")->trigger();
    QCOMPARE(dialogues_->messages, QStringList("Erreur: Erreur allocation Hash tables (stop)"));
    QVERIFY(f->action("N3Mo1")->isChecked());
    QVERIFY(!f->action("N30Mo1")->isChecked());
    QCOMPARE(taille_tables, std::int16_t(200));
    QCOMPARE(decalage_tables, std::int8_t(2));
    QCOMPARE(table_transposition, table);
    QCOMPARE(nb_entrees_table, 262000u);
    QCOMPARE(table[12345].verif, 777u);
    QVERIFY(std::equal(mots.begin(), mots.end(), cles_index));  // the words still address it
    // The program goes on: a size within reach is still had.
    f->action("N10Mo1")->trigger();
    QVERIFY(f->action("N10Mo1")->isChecked());
    QCOMPARE(nb_entrees_table, 917000u);
  }
};

QTEST_MAIN(Parametres)
#include "parametres_test.moc"
