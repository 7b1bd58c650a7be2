// The window of an installed program, run by installation.sh from a copy of
// this program put beside the install's share folder, with HOME in a
// temporary folder: one test function per start, each in a process of its
// own, in this order. The first start says nothing of the missing
// "last32.dam", plays, saves and quits, and everything it writes is in the
// user's folder; the second finds the game again, and the parameters the
// user saved in place of the shipped ones.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QToolButton>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "evaluation/evaluation.h"
#include "knowledge/endgame.h"
#include "records/files.h"
#include "records/game_file.h"
#include "support/fenetre.h"

namespace fs = std::filesystem;

namespace {

fs::path maison() { return std::getenv("HOME"); }
fs::path dossier_utilisateur() { return maison() / ".local" / "share" / "corvane"; }
fs::path partage() { return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "share"; }
// Where the first start leaves, for the second, the plies of the saved game
// and of the last one, then the last one's move list.
fs::path notes() { return maison() / "notes.txt"; }

// The window as the program shows it: its folders its own to choose.
std::unique_ptr<TForm1> demarrer() {
  intro_terminee = 0;
  auto f = std::make_unique<TForm1>();
  f->boucle_au_depart = false;
  f->duree_animation = 0;
  f->resize(1200, 800);
  f->show();
  if (!QTest::qWaitForWindowExposed(f.get())) return nullptr;
  f->demarrage->FormActivate();
  return f;
}

// The shipped parameters with one field changed: the user's own.
std::string parametres_utilisateur() {
  std::string octets = contenu(partage() / "corvane" / "Parametres" / "defaut.par");
  if (!octets.empty()) octets[0] = static_cast<char>(octets[0] + 1);
  return octets;
}

}  // namespace

class Installation : public QObject {
  Q_OBJECT

  DialoguesDeTest* dialogues_ = nullptr;

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }

  void aFirstStartSaysNothingPlaysSavesAndWritesOnlyInTheUsersFolder() {
    QVERIFY(!fs::exists(dossier_utilisateur()));
    auto f = demarrer();
    QVERIFY(f);
    QCOMPARE(repertoire_depart, (partage() / "corvane").lexically_normal());
    QCOMPARE(repertoire_utilisateur, dossier_utilisateur());
    QVERIFY(fs::is_directory(dossier_utilisateur()));
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QVERIFY(f->demarrage->Intro->isVisible());

    cliquer(f->demarrage->boutons_themes[1]);  // "Classique": every picture, book and database read
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f->Panel10->isVisible());
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->details.join('|')));
    QVERIFY(base_utilisable[0] != 0);

    // The dialogs of the files the user writes open in the user's folders:
    // games and pictures in "Sauve".
    for (const char* commande : {"Sauverlesparamtres1", "Crerunfichiertexte1", "Editerlimagefichierbmp1"})
      f->action(commande)->trigger();
    const QString u = QString::fromStdString(dossier_utilisateur().string());
    QCOMPARE(dialogues_->dossiers, QStringList({u + "/Parametres", u + "/Sauve", u + "/Sauve"}));
    dialogues_->dossiers.clear();

    // Ten plies against the computer, the game saved after the sixth, then "Quitter".
    jeu_rapide(*f);
    Joueur joueur(*f);
    joueur.limite = 10;
    const fs::path sauvee = dossier_utilisateur() / "Sauve" / "six.dam";
    int plies_sauves = 0;
    joueur.action = [&] {
      if (nb_demi_coups < 6 || plies_sauves != 0) return false;
      plies_sauves = nb_demi_coups;
      dialogues_->reponse = QString::fromStdString(sauvee.string());
      f->action("Sauver1")->trigger();
      return true;
    };
    const QString erreur = joueur.jouer();
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
    QCOMPARE(dialogues_->dossiers, QStringList(QString::fromStdString((dossier_utilisateur() / "Sauve").string())));
    QCOMPARE(fs::file_size(sauvee), std::uintmax_t{TAILLE_FICHIER_PARTIE});
    QCOMPARE(fs::file_size(dossier_utilisateur() / FICHIER_DERNIERE_PARTIE), std::uintmax_t{TAILLE_FICHIER_PARTIE});
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    std::ofstream(notes()) << plies_sauves << ' ' << int(nb_demi_coups) << '\n'
                           << lignes(f->ListBox1).join('\n').toStdString();
  }

  void aSecondStartFindsTheGameAgainAndTheUsersParameters() {
    const std::string propres = parametres_utilisateur();
    QVERIFY(propres.size() == std::size_t{TAILLE_PARAMETRES});
    ecrire(dossier_utilisateur() / "Parametres" / "defaut.par", propres);
    auto f = demarrer();
    QVERIFY(f);
    cliquer(f->demarrage->boutons_themes[1]);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    const QStringList n = QString::fromStdString(contenu(notes())).split('\n');
    const int plies_sauves = n.value(0).section(' ', 0, 0).toInt(), plies = n.value(0).section(' ', 1, 1).toInt();
    const QStringList liste = n.mid(1);
    QVERIFY(plies_sauves >= 6 && plies >= 10);
    QCOMPARE(int(nb_demi_coups), plies);
    QCOMPARE(lignes(f->ListBox1), liste);
    QVERIFY(std::memcmp(parametres_bruts, propres.data(), propres.size()) == 0);

    // "Ouvrir" in the user's "Sauve" finds the saved game.
    dialogues_->reponse = QString::fromStdString((dossier_utilisateur() / "Sauve" / "six.dam").string());
    f->action("Ouvrir1")->trigger();
    QCOMPARE(dialogues_->dossiers.value(0), QString::fromStdString((dossier_utilisateur() / "Sauve").string()));
    QCOMPARE(int(nb_demi_coups), plies_sauves);
    QCOMPARE(lignes(f->ListBox1).mid(0, plies_sauves / 2), liste.mid(0, plies_sauves / 2));
  }

  void theIconIsThereInEverySizeWithRoundedCorners() {
    for (const int taille : {16, 24, 32, 48, 64, 128, 256}) {
      const std::string t = std::to_string(taille);
      const QImage icone(QString::fromStdString(
          (partage() / "icons" / "hicolor" / (t + "x" + t) / "apps" / "org.corvane.corvane.png").string()));
      QCOMPARE(icone.size(), QSize(taille, taille));
      QVERIFY(qAlpha(icone.pixel(0, 0)) < 64);  // cut off, but for the edge's smoothing
      QCOMPARE(qAlpha(icone.pixel(taille / 2, taille / 2)), 255);
    }
  }
};

QTEST_MAIN(Installation)
#include "installation_test.moc"
