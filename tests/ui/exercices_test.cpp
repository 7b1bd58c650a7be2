// Lessons, exercises and problems in the window, offscreen: an exercise
// chosen through "Leçons, exercices et problèmes", "Suivant ->" and "Revoir
// coup" clicked on the 3D board, an exercise that starts on white's move,
// and the player's moves clicked on the board through the game loop: the
// solution answered by its recorded reply, another move refused, the
// solution shown move by move, and a walk through five exercises.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>

#include "game/levels.h"
#include "knowledge/exercices.h"
#include "knowledge/preuve.h"
#include "knowledge/problemes.h"
#include "records/game_file.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/commentaire.h"

namespace fs = std::filesystem;

namespace {

bool plateau_de(const EntreePartie& e) { return std::memcmp(damier + 1, e.position + 1, NB_CASES) == 0; }

Exercice lire(const fs::path& p) {
  std::string raison;
  const std::optional<Exercice> e = lire_exercice(p, raison);
  if (!e) qFatal("%s: %s", p.c_str(), raison.c_str());
  return *e;
}

// Runs the game loop with a user doing `etapes` in turn, one at a time when
// the loop is idle (no search, no move being shown, no click waiting); a step is done when it
// returns true. Then the user quits. The first fault noted in `erreur`.
struct Scenario {
  explicit Scenario(TForm1& fenetre) : f(fenetre) {}
  TForm1& f;
  std::vector<std::function<bool()>> etapes;
  std::size_t etape = 0;
  QString erreur;
  int tours = 0;

  void echec(const QString& e) {
    if (erreur.isEmpty()) erreur = e;
    etape = etapes.size();
  }
  void tour() {
    if (fin_programme != 0 || f.recherche_en_cours != 0 || f.coup_en_cours() || clic_en_attente != 0) return;
    if (++tours > 20000) echec(QString("step %1 never ended").arg(etape));
    if (etape >= etapes.size()) return f.demarrage->quitter();
    if (etapes[etape]()) ++etape;
  }
  QString jouer() {
    boucle_avec(f, [this] { tour(); });
    return erreur;
  }

  // A step that clicks the move leading to `apres` (from the position then
  // on the board) square by square, as a user enters it.
  std::function<bool()> cliquer_coup(std::function<std::optional<Coup>()> quel) {
    struct Saisie {
      bool en_cours = false;
      Coup m{};
      std::vector<Case> chemin;
      int ply = 0, clics = 0;
    };
    auto s = std::make_shared<Saisie>();
    return [this, s, quel] {
      if (!s->en_cours) {
        const std::optional<Coup> m = quel();
        if (!m) {
          echec("no move to click");
          return false;
        }
        coups_legaux(trait);
        s->m = *m;
        s->chemin = chemin_du_coup(*m);
        s->ply = nb_demi_coups;
        s->en_cours = true;
        cliquer_case(f, m->depart);
        return false;
      }
      if (nb_demi_coups != s->ply) return true;
      if (++s->clics > 20) echec("a move was not taken");
      cliquer_case(f, prochain_clic(s->m, s->chemin, false));
      return false;
    };
  }
};

// A legal move of the side to move other than `m`.
std::optional<Coup> autre_coup(const Coup& m) {
  const int n = coups_legaux(trait);
  for (int i = 0; i < n; ++i)
    if (!meme_position_atteinte(listes_coups[1][i], m)) return listes_coups[1][i];
  return std::nullopt;
}

}  // namespace

class Exercices : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesDeTest* dialogues_ = nullptr;
  const fs::path problemes_ = fs::path(CORVANE_BIN_DIR) / "Problemes";

  std::unique_ptr<TForm1> demarrer(int theme) {
    auto f = programme_.demarrer_rapide(theme);
    if (f) f->demarrage->Franais1Click();
    return f;
  }
  void choisir(TForm1& f, const fs::path& p) {
    dialogues_->repondre(p);
    f.action("Problmes1")->trigger();
  }
  static QString verdict(TForm1& f) {
    return f.exercices->commentaire ? f.exercices->commentaire->Verdict_exercice->text() : QString();
  }
  static QString commentaire(TForm1& f) {
    return f.exercices->commentaire ? f.exercices->commentaire->Texte_commentaire->toPlainText() : QString();
  }
  static QString titre(TForm1& f) {
    return f.exercices->commentaire ? f.exercices->commentaire->Titre_exercice->text() : QString();
  }
  // The game stands at the start of exercise `e`, the solution out of reach.
  static bool au_debut(const Exercice& e) {
    return nb_demi_coups == e.debut && dernier_demi_coup == e.debut && plateau_de(e.contenu.partie[e.debut]) &&
           std::memcmp(damier_sauve + 1, damier + 1, NB_CASES) == 0 && trait == e.trait_debut;
  }

 private slots:
  void initTestCase() {
    dialogues_ = installer_dialogues_de_test();
    QVERIFY(!programme_.chemin.empty());
    QVERIFY(fs::is_regular_file(problemes_ / "1-coup-05.dam"));
  }
  void init() { dialogues_->messages.clear(), dialogues_->dossiers.clear(); }

  void theThirdOfFiveThenNextTwiceOpensTheFourthAndFifthAndNoMore() {
    // A folder of five exercises with their commentaries, and a file that
    // is no exercise.
    DossierTemporaire cinq;
    for (int i = 1; i <= 5; ++i)
      for (const char* ext : {".dam", ".damt"}) {
        const std::string nom = "1-coup-0" + std::to_string(i) + ext;
        fs::copy_file(problemes_ / nom, cinq.chemin / nom);
      }
    ecrire(cinq.chemin / "lisez-moi.txt", "notes");
    // And a saved game of two plies.
    position_initiale();
    commencer_partie();
    for (int h = 0; h < 2; ++h) {
      coups_legaux(trait);
      jouer_et_enregistrer(0);
    }
    const fs::path sauvee = cinq.chemin / "partie.sav";
    QVERIFY(ecrire_partie(sauvee, 0));
    auto f = demarrer(1);
    QVERIFY(f);
    QVERIFY(!f->Panel13->isVisible() && !f->Panel14->isVisible());

    choisir(*f, cinq.chemin / "1-coup-03.dam");
    // The dialog opens in the program's folder of exercises.
    QCOMPARE(dialogues_->dossiers, QStringList(QString::fromStdString((programme_.chemin / "Problemes").string())));
    QCOMPARE(dialogues_->filtre, QString("Fichiers Corvane (*.dam)"));
    const Exercice trois = lire(cinq.chemin / "1-coup-03.dam");
    QVERIFY(au_debut(trois));
    QCOMPARE(titre(*f), QString("1-coup-03"));
    QVERIFY(f->exercices->commentaire->isVisible());
    QVERIFY(f->Panel13->isVisible() && f->Panel14->isVisible());
    QCOMPARE(f->Panel13->text(), QString("Suivant ->"));
    QCOMPARE(f->Panel14->text(), QString("Revoir coup"));
    // The commentary in the checked language, its solution kept for later.
    const QString francais = QString::fromStdString(lire_commentaire(cinq.chemin / "1-coup-03.dam", 0));
    QVERIFY(francais.startsWith("Les noirs jouent") && francais.contains("\n\nSolution : "));
    QCOMPARE(commentaire(*f), francais.left(francais.indexOf("\n\n")));
    f->demarrage->English1Click();
    QVERIFY2(commentaire(*f).startsWith("Black to play") && !commentaire(*f).contains("Solution"),
             qPrintable(commentaire(*f)));
    f->demarrage->Franais1Click();

    // "Suivant ->" twice: the fourth, then the fifth, each at its start.
    cliquer(f->Panel13);
    QCOMPARE(titre(*f), QString("1-coup-04"));
    QVERIFY(au_debut(lire(cinq.chemin / "1-coup-04.dam")));
    cliquer(f->Panel13);
    const Exercice cinquieme = lire(cinq.chemin / "1-coup-05.dam");
    QCOMPARE(titre(*f), QString("1-coup-05"));
    QVERIFY(au_debut(cinquieme));
    QVERIFY(!f->exercices->commentaire->Suivant_exercice->isEnabled());

    // A third press does nothing: the game moved back a ply stays there.
    cliquer(f->SpeedButton1);
    QCOMPARE(int(nb_demi_coups), cinquieme.debut - 1);
    cliquer(f->Panel13);
    cliquer(f->exercices->commentaire->Suivant_exercice);
    QCOMPARE(int(nb_demi_coups), cinquieme.debut - 1);
    QCOMPARE(titre(*f), QString("1-coup-05"));

    // "Revoir coup" opens the fifth again at its start.
    cliquer(f->Panel14);
    QVERIFY(au_debut(cinquieme));
    QVERIFY(dialogues_->messages.isEmpty());

    // Another game opened: "Voir la solution" brings the exercise back
    // with the solution's first move, never that move on the other game.
    dialogues_->reponse = QString::fromStdString(sauvee.string());
    f->action("Ouvrir1")->trigger();
    QCOMPARE(dernier_demi_coup, 2);
    cliquer(f->exercices->commentaire->Solution_exercice);
    QCOMPARE(int(nb_demi_coups), cinquieme.debut + 1);
    QVERIFY(plateau_de(cinquieme.contenu.partie[cinquieme.debut + 1]));
    QCOMPARE(verdict(*f), QString("Solution : demi-coup 1 sur %1").arg(cinquieme.solution.size()));

    // A new game: the panels and the commentary go.
    f->action("Nouveau2")->trigger();
    QVERIFY(!f->Panel13->isVisible() && !f->Panel14->isVisible());
    QVERIFY(!f->exercices->commentaire->isVisible());
    cliquer(f->Annule_nouveau);
  }

  void anExerciseOnWhitesMoveEndsItsListOnAHalfLineAndKeepsTheUsersLanguage() {
    // A game of nine plies saved as an exercise that starts at ply 7, with
    // a level of its own, in French, without a commentary.
    DossierTemporaire d;
    position_initiale();
    commencer_partie();
    nommer_joueur(nom_joueur_blanc, "Alice");
    nommer_joueur(nom_joueur_noir, "Bruno");
    for (int h = 0; h < 9; ++h) {
      coups_legaux(trait);
      jouer_et_enregistrer(0);
    }
    choisir_niveau(2);
    ContenuPartie c = partie_courante(0);
    c.partie[0].position[0] = 7;
    c.nb_demi_coups = 7;
    c.trait = NOIRS;
    c.reglages.niveau = 13;  // "X : Spécial" 3
    c.reglages.minutes_autre = 7;
    const std::vector<std::uint8_t> octets = encoder_partie(c);
    const fs::path fichier = d.chemin / "impair.dam";
    ecrire(fichier, std::string(octets.begin(), octets.end()));

    auto f = demarrer(0);
    QVERIFY(f);
    f->demarrage->English1Click();
    choisir(*f, fichier);
    QCOMPARE(int(nb_demi_coups), 7);
    QCOMPARE(dernier_demi_coup, 7);
    QCOMPARE(trait, NOIRS);
    const QStringList liste = lignes(f->ListBox1);
    QCOMPARE(liste.size(), 4);
    QVERIFY2(QRegularExpression("^ 4\\.\\d\\d[-x]\\d\\d *$").match(liste.last()).hasMatch(), qPrintable(liste.last()));
    QCOMPARE(f->ListBox1->currentRow(), 3);
    QCOMPARE(f->Nom_blanc->text(), QString("Alice"));
    QCOMPARE(f->Nom_noir->text(), QString("Bruno"));
    // The file's level and minutes; the user's language.
    QVERIFY(f->action("N350coupsen10mn1")->isChecked() && !f->action("Niveau01")->isChecked());
    QCOMPARE(minutes_autre, 7);
    QVERIFY(f->action("English1")->isChecked() && !f->action("Franais1")->isChecked());
    QCOMPARE(f->exercices->commentaire->windowTitle(), QString("Lessons, exercises and problems"));
    // No commentary: an empty window, and nothing said.
    QVERIFY(commentaire(*f).isEmpty());
    QVERIFY(dialogues_->messages.isEmpty());
    // The solution after it is kept out of the record's reach.
    cliquer(f->SpeedButton2);
    QCOMPARE(int(nb_demi_coups), 7);

    // A file that is no exercise is reported, in the user's language; the game stays.
    ecrire(d.chemin / "court.dam", "not a game");
    choisir(*f, d.chemin / "court.dam");
    QCOMPARE(dialogues_->messages, QStringList{"Error: Cannot open this file (stop)"});
    QCOMPARE(int(nb_demi_coups), 7);
  }

  // The solution's first move clicked: "Bien joué !" and the recorded reply
  // on the board; to its end: "Exercice réussi", the solution shown. Then
  // "Revoir coup" and another move: refused, the computer answers as in any
  // game. "Voir la solution" shows it move by move from the start.
  void theSolutionIsAnsweredAnotherMoveRefusedAndTheSolutionShown() {
    // The first shipped shot whose solution has at least three plies.
    fs::path choisi;
    for (const fs::path& p : lister_exercices(problemes_))
      if (choisi.empty() && p.filename().string().rfind("1-coup", 0) == 0 && lire(p).solution.size() >= 3) choisi = p;
    QVERIFY(!choisi.empty());
    const Exercice e = lire(choisi);
    const int n = static_cast<int>(e.solution.size());
    auto f = demarrer(1);
    QVERIFY(f);
    const fs::path dans_le_programme = programme_.chemin / "Problemes" / choisi.filename();

    Scenario s{*f};
    QStringList vus;
    QString texte_avant, texte_apres;
    bool reponse_jouee = false, debut_revu = false, refuse = false, repondu = false;
    int montres = 0;
    auto noter = [&] { vus << verdict(*f); };
    s.etapes = {
        [&] {
          choisir(*f, dans_le_programme);
          f->action("Niveau01")->trigger();  // a fast answer to a wrong move
          texte_avant = commentaire(*f);
          return true;
        },
        s.cliquer_coup([&] { return std::optional<Coup>(e.solution[0]); }),
        [&] {
          noter();
          reponse_jouee = nb_demi_coups == e.debut + 2 && plateau_de(e.contenu.partie[e.debut + 2]) &&
                          ordinateur_au_trait == 0;
          return true;
        },
    };
    for (int k = 2; k < n; k += 2) {
      s.etapes.push_back(s.cliquer_coup([&e, k] { return std::optional<Coup>(e.solution[k]); }));
      s.etapes.push_back([&] {
        noter();
        return true;
      });
    }
    s.etapes.push_back([&] {
      texte_apres = commentaire(*f);
      cliquer(f->Panel14);
      debut_revu = au_debut(e) && verdict(*f).isEmpty();
      return true;
    });
    s.etapes.push_back(s.cliquer_coup([&] { return autre_coup(e.solution[0]); }));
    s.etapes.push_back([&] {
      refuse = verdict(*f).startsWith("Ce n'est pas la solution.");
      return true;
    });
    s.etapes.push_back([&] {
      // The computer has answered.
      if (nb_demi_coups < e.debut + 2) return false;
      repondu = plies_suivis(nb_demi_coups) < 0;
      return true;
    });
    for (int k = 0; k < n; ++k)
      s.etapes.push_back([&, k] {
        cliquer(f->exercices->commentaire->Solution_exercice);
        if (nb_demi_coups == e.debut + k + 1 && plateau_de(e.contenu.partie[e.debut + k + 1]) &&
            verdict(*f) == QString("Solution : demi-coup %1 sur %2").arg(k + 1).arg(n))
          ++montres;
        return true;
      });
    const QString erreur = s.jouer();
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

    QVERIFY(reponse_jouee);
    QStringList attendus;
    for (int k = 0; k < n; k += 2) attendus << (k + 2 >= n ? QString::fromUtf8("Bien joué ! Exercice réussi") : QString::fromUtf8("Bien joué !"));
    QCOMPARE(vus, attendus);
    // The commentary's solution waits for the exercise to be solved.
    QVERIFY2(!texte_avant.isEmpty() && !texte_avant.contains("Solution"), qPrintable(texte_avant));
    QVERIFY2(texte_apres.startsWith(texte_avant) && texte_apres.contains("Solution"), qPrintable(texte_apres));
    QVERIFY(debut_revu);
    QVERIFY(refuse);
    QVERIFY(repondu);
    QCOMPARE(montres, n);
  }

  void aPlayerWalksThroughFiveExercisesByClicks() {
    auto f = demarrer(1);
    QVERIFY(f);
    const std::vector<fs::path> tous = lister_exercices(programme_.chemin / "Problemes");
    QVERIFY(tous.size() >= 5);
    Scenario s{*f};
    int resolus = 0;
    std::size_t ouvert = 0;
    QStringList journal;
    s.etapes.push_back([&] {
      choisir(*f, tous[0]);
      return true;
    });
    // Each exercise: the player's moves of the solution clicked in turn,
    // each answered by its reply, until it is solved; then "Suivant ->".
    std::function<bool()> saisie;
    s.etapes.push_back([&] {
      const Exercice& e = exercice_ouvert.exercice;
      if (exercice_ouvert.etape == EtapeExercice::Reussi) {
        // What the record holds from the start: the player's clicks and the replies.
        QStringList coups;
        for (int h = e.debut + 1; h <= nb_demi_coups; ++h)
          coups << QString::fromStdString(notation_coup(partie[h].depart, partie[h].arrivee, partie[h].nb_prises > 0));
        journal << QString("%1: %2 -> \"%3\"").arg(titre(*f), coups.join(' '), verdict(*f));
        if (exercice_ouvert.chemin != tous[ouvert]) s.echec("not the exercise expected");
        if (plies_suivis(nb_demi_coups) != static_cast<int>(e.solution.size()) || ordinateur_au_trait != 0)
          s.echec("the solved game is not the solution, or the computer took over");
        if (++resolus == 5) return true;
        ++ouvert;
        cliquer(f->Panel13);
        if (!au_debut(exercice_ouvert.exercice)) s.echec("the next exercise is not at its start");
        return false;
      }
      if (!saisie) {
        const int k = plies_suivis(nb_demi_coups);
        if (k < 0 || k % 2 != 0) {
          s.echec("the game left the solution");
          return false;
        }
        const Coup m = e.solution[static_cast<std::size_t>(k)];
        saisie = s.cliquer_coup([m] { return std::optional<Coup>(m); });
      }
      if (saisie()) saisie = nullptr;
      return false;
    });
    const QString erreur = s.jouer();
    for (const QString& l : journal) qInfo("%s", qPrintable(l));
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QCOMPARE(resolus, 5);
    QVERIFY(dialogues_->messages.isEmpty());
  }
};

QTEST_MAIN(Exercices)
#include "exercices_test.moc"
