// Studying a game in the window, offscreen, through the menus and the
// analysis window's buttons: a game analysed gives the tool's lines, its
// graph and an annotated PDN the program reads back; a line or a point shows
// its position; "Suivant" moves on one position a press; "Fin analyse" offers
// to learn, and the final position is learnt into a lesson that loads back; a
// learning session learns unattended until it is stopped; the game and the
// analysis print to PDF as pages of rows; "Editer coups" writes Bestmove.txt.
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>

#include "game/levels.h"
#include "knowledge/learning.h"
#include "knowledge/learning_session.h"
#include "records/analysis.h"
#include "records/analysis_graph.h"
#include "records/pdn.h"
#include "records/text_games.h"
#include "search/keys.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/legendes.h"
#include "ui/tform4.h"

namespace fs = std::filesystem;

namespace {

// A game of 60 plies whose White (camp 1) throws a man away with 14-10 near its end.
constexpr const char* PARTIE_60 =
    "[Black \"Ana\"]\n[White \"Bo\"]\n[GameType \"23\"]\n\n"
    "1. 12-16 24-19 2. 16-20 19-16 3. 11-15 16-12 4. 15-19 23x16 5. 20x11 28-24 6. 9-14 22-18 "
    "7. 14x23 26x19 8. 5-9 31-26 9. 9-13 25-22 10. 1-5 26-23 11. 11-15 30-25 12. 8-11 19-16 "
    "13. 11x20 22-17 14. 13x22 25x11 15. 7x16 12x19 16. 4-8 29-25 17. 8-11 21-17 18. 3-7 19-16 "
    "19. 10-15 16-12 20. 6-10 23-19 21. 15-18 17-13 22. 2-6 32-28 23. 11-16 19-15 24. 18x11 12x19 "
    "25. 10-14 25-22 26. 14-17 22-18 27. 17-21 19-15 28. 11-16 18-14 29. 16-19 14-10 30. 7x14 15-11 *\n";

// Its first 21 plies: material even after two exchanges.
constexpr const char* VINGT_ET_UN =
    "1. 12-16 24-19 2. 16-20 19-16 3. 11-15 16-12 4. 15-19 23x16 5. 20x11 28-24 6. 9-14 22-18 "
    "7. 14x23 26x19 8. 5-9 31-26 9. 9-13 25-22 10. 1-5 26-23 11. 11-15 *\n";

constexpr const char* QUATRE_PLIS = "1. 11-15 23-19 2. 8-11 22-17 *\n";

bool plateau_de(int ply) { return std::memcmp(damier_sauve + 1, partie[ply].position + 1, NB_CASES) == 0; }

// The text of a PDF, one string per page.
QStringList pages_pdf(const QString& pdf) {
  QProcess p;
  p.start("pdftotext", {"-layout", pdf, "-"});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

// The non-empty lines of a page's text, trimmed.
QStringList lignes_de(const QString& page) {
  QStringList l;
  for (const QString& s : page.split('\n'))
    if (!s.trimmed().isEmpty()) l << s.trimmed();
  return l;
}

int entrees_non_vides(const std::string& octets) {
  int n = 0;
  for (std::size_t i = 0; i + sizeof(EntreeApprise) <= octets.size(); i += sizeof(EntreeApprise)) {
    EntreeApprise e;
    std::memcpy(&e, octets.data() + i, sizeof e);
    n += e.score != 0;
  }
  return n;
}

}  // namespace

class DialoguesImpression : public DialoguesDeTest {
 public:
  // Prints to `pdf` on a page of `page` (A4 when empty); an empty name cancels.
  bool imprimer(QWidget*, QPrinter& imprimante) override {
    ++impressions;
    if (pdf.isEmpty()) return false;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(pdf);
    if (page.isValid()) imprimante.setPageSize(page);
    return true;
  }
  QString pdf;
  QPageSize page;
  int impressions = 0;
};

class Analyse : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesImpression* dialogues_ = nullptr;

  QString fichier(const char* nom) const { return QString::fromStdString((programme_.chemin / nom).string()); }
  void repondre(const char* nom) { dialogues_->reponse = fichier(nom); }

  // A game from a PDN text, opened through the menu as the user does; the
  // board at its end.
  void ouvrir(TForm1& f, const char* pdn) {
    ecrire((programme_.chemin / "partie.pdn"), pdn);
    repondre("partie.pdn");
    f.action("Ouvrirunfichiertexte1")->trigger();
    dialogues_->reponse.clear();
  }

 private slots:
  void initTestCase() {
    auto* d = new DialoguesImpression;
    installer_dialogues(std::unique_ptr<Dialogues>(d));
    terminer_processus = [](int) {};
    dialogues_ = d;
  }
  void init() {
    fin_analyse();  // a test that failed halfway leaves nothing open to the next
    dialogues_->messages.clear();
    dialogues_->dossiers.clear();
    dialogues_->reponse.clear();
    dialogues_->pdf.clear();
    dialogues_->page = QPageSize();
    profondeur_imposee = 0;
  }

  void theWindowGivesTheToolsLinesAGraphALineShowsItsPositionAndThePdnReadsBack() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    ouvrir(*f, PARTIE_60);
    QCOMPARE(dernier_demi_coup, 60);
    QCOMPARE(nb_demi_coups, 60);
    f->action("Niveau01")->trigger();
    QVERIFY(f->action("Dbuteruneanalyse1")->isEnabled());
    QVERIFY(!f->action("Terminerlanalyse1")->isEnabled());
    f->action("Dbuteruneanalyse1")->trigger();

    TForm4* w = f->analyse->fenetre_analyse();
    QVERIFY(w->isVisible());
    QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
    const QStringList liste = lignes(w->ListBox1);
    // What the user reads: the list keeps a starred line's better play whole
    // when it wraps, with joiners no one sees.
    QStringList lues;
    for (const QString& l : liste) lues << QString(l).remove(QChar(0x2060));
    QCOMPARE(liste.size(), 62);  // 60 moves, the legend and the waiting line
    QCOMPARE(liste[60], texte_catalogue(0, "msg.analyse.legende"));
    // The same lines as the tool at the same level.
    QProcess outil;
    outil.start(CORVANE_BIN_DIR "/corvane-cli", {"analyse", fichier("partie.pdn"), "--level", "1"});
    QVERIFY(outil.waitForFinished(300000));
    QCOMPARE(outil.exitCode(), 0);
    const QStringList sortie = QString::fromUtf8(outil.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lues.mid(0, 60), sortie);
    // 14-10, the man thrown away, is starred.
    QVERIFY2(lues[57].startsWith("*29 Blancs: joué : 14-10"), qPrintable(lues[57]));
    // Every position on the graph, the blunder marked where it led.
    const std::vector<PointCourbe>& points = w->Graphe->points();
    QCOMPARE(points.size(), std::size_t(61));
    QVERIFY(points[58].nag != 0);
    // The loop ended on the first position; "Suivant" has nothing to cut.
    QCOMPARE(nb_demi_coups, 0);
    QVERIFY(!w->Suivant_analyse->isEnabled());
    QVERIFY(!f->action("Dbuteruneanalyse1")->isEnabled());
    QVERIFY(f->action("Terminerlanalyse1")->isEnabled());

    // A line shows the position its move was played from; a point its own.
    QVERIFY(cliquer_ligne(w->ListBox1, liste[57]));
    QTRY_COMPARE(int(nb_demi_coups), 57);
    QVERIFY(plateau_de(57));
    QTest::mouseClick(w->Graphe, Qt::LeftButton, {}, w->Graphe->centre_point(33));
    QTRY_COMPARE(int(nb_demi_coups), 33);
    QVERIFY(plateau_de(33));
    QCOMPARE(f->ListBox1->currentRow(), (33 - 1) / 2);  // the line holding ply 33

    // The annotated PDN: the program's reader takes the same game back.
    repondre("annotee.pdn");
    cliquer(w->Pdn_analyse);
    const std::string pdn = contenu(programme_.chemin / "annotee.pdn");
    QVERIFY2(pdn.find("14-10 $4 {meilleur : ") != std::string::npos || pdn.find("14-10 $2 {meilleur : ") != std::string::npos,
             pdn.c_str());
    std::vector<EntreePartie> record(partie, partie + 61);
    const std::vector<PartieLue> relue = lire_parties_pdn(pdn);
    QCOMPARE(relue.size(), std::size_t(1));
    QVERIFY(!rejouer_partie(relue[0], 1, true).arrete);
    QCOMPARE(dernier_demi_coup, 60);
    for (int h = 1; h <= 60; ++h)
      QVERIFY2(std::memcmp(partie[h].position, record[static_cast<std::size_t>(h)].position, 33) == 0,
               qPrintable(QString("ply %1").arg(h)));

    // "Fin analyse": the window goes, "Apprendre ?" comes, the menu is back.
    cliquer(w->Fin_analyse);
    QVERIFY(!w->isVisible());
    QVERIFY(f->Learn->isVisible());
    QVERIFY(f->action("Dbuteruneanalyse1")->isEnabled());
    QVERIFY(!f->action("Arrtercettephase1")->isEnabled());
    cliquer(f->apprentissage->Learn_no);
    QVERIFY(!f->Learn->isVisible());
    QVERIFY(dialogues_->messages.isEmpty());
  }

  // Every search runs until "Suivant" cuts it: each press moves the analysis
  // on by exactly one position, whatever the search was doing.
  void suivantMovesOnOnePositionAPress() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    ouvrir(*f, QUATRE_PLIS);
    jouer_sans_limite();
    TForm4* w = f->analyse->fenetre_analyse();
    QList<QPair<int, int>> presses;  // the position searched and the lines there, at each press
    QStringList ouverts;             // the game-changing items found enabled meanwhile
    QTimer minuterie;
    minuterie.setInterval(100);
    int tours = 0;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
      // Should a press not move on, the analysis is ended rather than left searching.
      if (++tours > 60) cliquer(w->Fin_analyse);
      if (f->recherche_en_cours == 0 || analyse_en_cours == 0) return;
      presses << qMakePair(demi_coup_analyse(), static_cast<int>(coups_analyses.size()));
      // From the first search on, nothing may put another game on the board.
      for (const char* article : {"Nouveau2", "Ouvrirunfichiertexte1", "Installeruneposition1", "Coller1"})
        if (f->action(article)->isEnabled()) ouverts << article;
      cliquer(w->Suivant_analyse);
    });
    minuterie.start();
    f->action("Dbuteruneanalyse1")->trigger();
    minuterie.stop();
    // The first search (the start), then positions 4 (the end, no line) to 0.
    const QList<QPair<int, int>> attendu = {{4, 0}, {4, 0}, {3, 0}, {2, 1}, {1, 2}, {0, 3}};
    QCOMPARE(presses, attendu);
    QVERIFY2(ouverts.isEmpty(), qPrintable(ouverts.join(' ')));
    QCOMPARE(coups_analyses.size(), std::size_t(4));
    QCOMPARE(w->ListBox1->count(), 6);
    QVERIFY(w->isVisible());
    QVERIFY(!w->Suivant_analyse->isEnabled());

    // Ended through the menu: the board is the game's, the human to move.
    f->action("Terminerlanalyse1")->trigger();
    QVERIFY(!w->isVisible());
    QVERIFY(f->Learn->isVisible());
    QCOMPARE(int(ordinateur_au_trait), 0);
  }

  void theFinalPositionIsLearntIntoALessonThatLoadsBack() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    f->action("Niveau01")->trigger();
    // Four plies: too short, the user is told and no file is asked for.
    ouvrir(*f, QUATRE_PLIS);
    f->action("Dbuteruneanalyse1")->trigger();
    cliquer(f->analyse->fenetre_analyse()->Fin_analyse);
    cliquer(f->apprentissage->Learn_yes);
    QVERIFY(!f->Learn->isVisible());
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains("4"), qPrintable(dialogues_->messages[0]));
    QVERIFY(dialogues_->dossiers.size() == 1);  // the game's file only
    dialogues_->messages.clear();

    // Twenty-one plies, material even: learnt, and the whole table saved.
    ouvrir(*f, VINGT_ET_UN);
    QCOMPARE(dernier_demi_coup, 21);
    f->action("Dbuteruneanalyse1")->trigger();
    cliquer(f->analyse->fenetre_analyse()->Fin_analyse);
    const std::optional<Score> score = score_analyse(21);
    QVERIFY(score.has_value());
    repondre("lecon.dal");
    cliquer(f->apprentissage->Learn_yes);
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QVERIFY(dialogues_->dossiers.last().endsWith("Parametres"));
    QVERIFY(dialogues_->filtre.contains("*.dal"));
    const std::string lecon = contenu(programme_.chemin / "lecon.dal");
    QCOMPARE(lecon.size(), TAILLE_FICHIER_APPRIS);
    QCOMPARE(int(nb_demi_coups), 21);  // the record at its end, on the board
    calculer_cles();
    const std::uint32_t cle = cle_apprise(cle_index, trait), verif = cle_verif;
    const EntreeApprise* e = sonder_apprises(cle, verif);
    QVERIFY(e != nullptr);
    QCOMPARE(e->score, *score);

    // "Charger des leçons" replaces the table with the file's; a file that
    // is no lesson is refused and the table stays.
    std::memset(table_apprise, 0, TAILLE_FICHIER_APPRIS);
    repondre("lecon.dal");
    f->action("Chargerdesleons1")->trigger();
    QVERIFY(std::memcmp(table_apprise, lecon.data(), TAILLE_FICHIER_APPRIS) == 0);
    ecrire(programme_.chemin / "court.dal", "not a lesson");
    repondre("court.dal");
    f->action("Chargerdesleons1")->trigger();
    QCOMPARE(dialogues_->messages, QStringList({"Erreur: Impossible d'ouvrir ce fichier (stop)"}));
    QVERIFY(std::memcmp(table_apprise, lecon.data(), TAILLE_FICHIER_APPRIS) == 0);
  }

  // A session of three games cut at 30 plies, searched three plies deep:
  // the lesson is asked for once, nothing else is shown until the end, and
  // what it learnt is in the file.
  void aLearningSessionLearnsUnattended() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    profondeur_imposee = 3;
    std::srand(1);  // the books vary the games: the same three games every run
    f->apprentissage->parties_session = 3;
    f->apprentissage->demi_coups_session = 30;
    repondre("session.dal");
    const std::string pool = contenu(programme_.chemin / FICHIER_POOL);
    bool vu_pendant = false;
    QTimer::singleShot(0, f.get(), [&] {
      vu_pendant = session_apprentissage != 0 && f->action("Ordinateurcontreordinateur1")->isChecked() &&
                   !f->action("Lancerunesession1")->isEnabled() && f->action("Arrterlasession1")->isEnabled() &&
                   !f->menus.Analyse2->isEnabled() && !f->action("Reprendrecoups1")->isEnabled() &&
                   dialogues_->messages.isEmpty();
    });
    f->action("Lancerunesession1")->trigger();
    QVERIFY(vu_pendant);
    QCOMPARE(dialogues_->dossiers.size(), 1);
    QVERIFY(dialogues_->dossiers[0].endsWith("Parametres"));
    const BilanSession& b = f->apprentissage->bilan;
    QVERIFY(b.demarree && b.lecon_ecrite);
    QCOMPARE(b.parties.size(), std::size_t(3));
    QVERIFY(b.apprises >= 1);
    QCOMPARE(dialogues_->messages.size(), 1);  // the figures, once it is over
    QVERIFY2(dialogues_->messages[0].contains(QString("3 parties jouées, %1 positions apprises").arg(b.apprises)),
             qPrintable(dialogues_->messages[0]));
    QCOMPARE(session_apprentissage, std::uint8_t(0));
    QVERIFY(f->action("Lancerunesession1")->isEnabled());
    QVERIFY(!f->action("Ordinateurcontreordinateur1")->isChecked());
    const std::string lecon = contenu(programme_.chemin / "session.dal");
    QCOMPARE(lecon.size(), TAILLE_FICHIER_APPRIS);
    QVERIFY(entrees_non_vides(lecon) >= entrees_non_vides(pool) + 1);
  }

  void aSessionRunsUntilItIsStoppedAndTheHumanHasTheMove() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    profondeur_imposee = 2;
    repondre("sans_fin.dal");
    QTimer::singleShot(1500, f.get(), [&] { f->action("Arrterlasession1")->trigger(); });
    // Should the menu not stop it, the test does, and fails.
    bool secours = false;
    QTimer::singleShot(120000, f.get(), [&] {
      secours = session_apprentissage != 0;
      arreter_session();
    });
    f->action("Lancerunesession1")->trigger();
    QVERIFY(!secours);
    QCOMPARE(session_apprentissage, std::uint8_t(0));
    QCOMPARE(int(ordinateur_au_trait), 0);
    QVERIFY(!f->action("Ordinateurcontreordinateur1")->isChecked());
    QVERIFY(f->action("Lancerunesession1")->isEnabled() && !f->action("Arrterlasession1")->isEnabled());
    QVERIFY(f->action("Reprendrecoups1")->isEnabled());
    QCOMPARE(dialogues_->messages.size(), 1);
    // Cancelling the lesson's dialog starts nothing.
    dialogues_->messages.clear();
    dialogues_->reponse.clear();
    f->action("Lancerunesession1")->trigger();
    QCOMPARE(session_apprentissage, std::uint8_t(0));
    QVERIFY(dialogues_->messages.isEmpty());
  }

  void theGameAndTheAnalysisPrintAsPagesOfRowsAndACancelPrintsNothing() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    // Twelve full moves: two printed lines of six entries, a row apart.
    ouvrir(*f, "1. 12-16 24-19 2. 16-20 19-16 3. 11-15 16-12 4. 15-19 23x16 5. 20x11 28-24 6. 9-14 22-18 "
               "7. 14x23 26x19 8. 5-9 31-26 9. 9-13 25-22 10. 1-5 26-23 11. 11-15 30-25 12. 8-11 19-16 *\n");
    nommer_joueur(nom_joueur_blanc, "Ana");
    nommer_joueur(nom_joueur_noir, "Bo");
    dialogues_->pdf = fichier("partie.pdf");
    f->action("Imprimer1")->trigger();
    QStringList pages = pages_pdf(dialogues_->pdf);
    QCOMPARE(pages.size(), 1);
    const QStringList attendu = lignes(f->ListBox1);
    QCOMPARE(attendu.size(), 12);
    QStringList texte = lignes_de(pages[0]);
    QVERIFY2(texte.size() >= 3 && texte[0] == "Ana - Bo", qPrintable(texte.join('|')));
    const int premiere = static_cast<int>(texte.indexOf(QRegularExpression("^1\\.12-16.*")));
    QVERIFY2(premiere > 0, qPrintable(texte.join('|')));
    QCOMPARE(texte[premiere].simplified(), attendu.mid(0, 6).join(' ').simplified());
    QCOMPARE(texte[premiere + 1].simplified(), attendu.mid(6, 6).join(' ').simplified());
    // Rows 0 and 2: an empty row between the two lines.
    const QStringList brut = pages[0].split('\n');
    const int r0 = static_cast<int>(brut.indexOf(QRegularExpression("^\\s*1\\.12-16.*")));
    QVERIFY(r0 >= 0 && brut.value(r0 + 1).trimmed().isEmpty() && brut.value(r0 + 2).contains("7.14x23"));

    // Cancelled: nothing printed, nothing said.
    dialogues_->pdf.clear();
    const int avant = dialogues_->impressions;
    f->action("Imprimer1")->trigger();
    QCOMPARE(dialogues_->impressions, avant + 1);
    QVERIFY(dialogues_->messages.isEmpty());

    // An analysis of 40 lines on a short page: every line once, in order,
    // each page full before the next begins.
    std::string quarante = PARTIE_60;
    quarante.resize(quarante.find(" 21. "));
    ouvrir(*f, (quarante + " *\n").c_str());
    QCOMPARE(dernier_demi_coup, 40);
    f->action("Niveau01")->trigger();
    f->action("Dbuteruneanalyse1")->trigger();
    QStringList analyse;
    for (const QString& l : lignes(f->analyse->fenetre_analyse()->ListBox1).mid(0, 40))
      analyse << QString(l).remove(QChar(0x2060));
    dialogues_->pdf = fichier("analyse.pdf");
    dialogues_->page = QPageSize(QSizeF(210, 120), QPageSize::Millimeter);
    cliquer(f->analyse->fenetre_analyse()->Imprimer_analyse);
    pages = pages_pdf(dialogues_->pdf);
    QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
    QStringList imprimees;
    QList<int> par_page;
    for (const QString& page : pages) {
      int n = 0;
      for (const QString& l : lignes_de(page))
        if (QRegularExpression("^\\*?\\s*\\d+ (Noirs|Blancs)").match(l).hasMatch()) imprimees << l.simplified(), ++n;
      par_page << n;
    }
    QStringList simples;
    for (const QString& l : analyse) simples << l.simplified();
    QCOMPARE(imprimees, simples);
    for (int i = 0; i + 1 < par_page.size(); ++i) QCOMPARE(par_page[i], par_page[0]);
    QVERIFY(par_page.last() <= par_page[0]);
    cliquer(f->analyse->fenetre_analyse()->Fin_analyse);
    QVERIFY(dialogues_->messages.isEmpty());
  }

  void editerCoupsWritesTheSearchPanelToBestmove() {
    auto f = programme_.demarrer(0);
    QVERIFY(f);
    ouvrir(*f, QUATRE_PLIS);
    f->action("Niveau01")->trigger();
    f->action("Dbuteruneanalyse1")->trigger();  // the search panel shows the last search
    cliquer(f->analyse->fenetre_analyse()->Fin_analyse);
    f->Onglet->setCurrentWidget(f->Calcul);
    QVERIFY(f->Best1->isEnabled());
    const QStringList panneau = lignes(f->ListBox2);
    QVERIFY(!panneau.isEmpty());
    cliquer(f->Best1);
    QCOMPARE(QString::fromStdString(contenu(programme_.chemin / FICHIER_COUPS_CALCUL)), panneau.join("\r\n") + "\r\n");
  }
};

QTEST_MAIN(Analyse)
#include "analyse_test.moc"
