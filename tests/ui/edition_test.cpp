// Copy and paste through the "Edition" menu and the system clipboard,
// offscreen: the position copied pastes back as the same position and side
// to move, set up as a new game; a game pasted as other programs write it
// (algebraic, CR LF, names in Cyrillic) shows its names whole and copies out
// as the text "Créer un fichier PDN" writes, which pastes back as the same
// game; a faulty FEN and prose give one message and change nothing; a paste
// is refused while an analysis holds the game.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

#include "records/analysis.h"
#include "game/clocks.h"
#include "game/end.h"
#include "game/installation.h"
#include "records/pdn.h"
#include "support/dossier_programme.h"
#include "support/fenetre.h"
#include "ui/legendes.h"
#include "ui/tform4.h"
#include <QToolButton>

namespace {

const char* const BLANC_CYRILLIQUE = "Пётр Иванов";
const char* const NOIR_CYRILLIQUE = "Анна";

// A game as a federation's page gives it: algebraic squares, White first,
// UTF-8 names, CR LF line ends, a capture written with 'x'.
const char* const PARTIE_ALGEBRIQUE =
    "[Event \"Клубный турнир\"]\r\n[White \"Пётр Иванов\"]\r\n[Black \"Анна\"]\r\n[Result \"2-0\"]\r\n\r\n"
    "1. c3-d4 f6-e5 2. d4xf6 g7xe5 3. b2-c3 {a quiet move} h6-g5 2-0\r\n";

void coller(const std::string& texte) { QGuiApplication::clipboard()->setText(QString::fromStdString(texte)); }
std::string presse_papiers() { return QGuiApplication::clipboard()->text().toStdString(); }

// `plies` random legal moves from the position on the board, shown as after
// "Aller à la fin".
void jouer(TForm1& f, int plies, unsigned graine) {
  std::mt19937 aleas(graine);
  for (int h = 0; h < plies; ++h) jouer_et_enregistrer(static_cast<int>(aleas() % unsigned(coups_legaux(trait))));
  f.navigation->reconstruire_liste_coups();
  f.navigation->Aller_fin();
}

// Everything a paste could change: the record, the board, the side, the
// names, the result, the clocks and the move list shown.
struct Instantane {
  std::vector<EntreePartie> record;
  int ply, dernier;
  std::array<std::uint8_t, 33> plateau;
  Camp camp;
  std::string blanc, noir, complet_blanc, complet_noir;
  int resultat;
  std::int32_t temps_b, temps_n;
  QStringList liste;

  explicit Instantane(const TForm1& f)
      : record(partie, partie + TAILLE_PARTIE),
        ply(nb_demi_coups),
        dernier(dernier_demi_coup),
        camp(trait),
        blanc(nom_joueur_blanc),
        noir(nom_joueur_noir),
        complet_blanc(nom_complet_blanc),
        complet_noir(nom_complet_noir),
        resultat(resultat_partie),
        temps_b(temps_blancs),
        temps_n(temps_noirs),
        liste(lignes(f.ListBox1)) {
    std::memcpy(plateau.data(), damier_sauve, 33);
  }
  bool operator==(const Instantane& o) const {
    return std::memcmp(record.data(), o.record.data(), record.size() * sizeof(EntreePartie)) == 0 && ply == o.ply &&
           dernier == o.dernier && plateau == o.plateau && camp == o.camp && blanc == o.blanc && noir == o.noir &&
           complet_blanc == o.complet_blanc && complet_noir == o.complet_noir && resultat == o.resultat &&
           temps_b == o.temps_b && temps_n == o.temps_n && liste == o.liste;
  }
};

// Origin and destination of every ply of the record.
std::vector<std::pair<int, int>> coups_du_record() {
  std::vector<std::pair<int, int>> c;
  for (int h = 1; h <= dernier_demi_coup; ++h) c.emplace_back(partie[h].depart, partie[h].arrivee);
  return c;
}

}  // namespace

class Edition : public QObject {
  Q_OBJECT

  DossierProgramme programme_{CORVANE_BIN_DIR};
  DialoguesDeTest* dialogues_ = nullptr;

  std::unique_ptr<TForm1> demarrer() {
    std::filesystem::remove(programme_.chemin / "last32.dam");
    auto f = programme_.demarrer(0);
    if (f) jeu_rapide(*f);
    return f;
  }

 private slots:
  void initTestCase() { dialogues_ = installer_dialogues_de_test(); }
  void init() {
    dialogues_->messages.clear();
    dialogues_->details.clear();
    dialogues_->reponse.clear();
  }

  void aCopiedPositionPastesBackAsANewGameFromItWithTheSameSideToMove() {
    auto f = demarrer();
    QVERIFY(f);
    jouer(*f, 17, 4);  // the side to move is the second's
    std::array<std::uint8_t, 33> copie;
    std::memcpy(copie.data(), damier_sauve, 33);
    const Camp camp = trait;
    QVERIFY(f->action("Copierlaposition1")->isEnabled());
    f->action("Copierlaposition1")->trigger();
    Position lue;
    std::string erreur;
    QVERIFY2(lire_fen(presse_papiers(), lue, erreur), (presse_papiers() + ": " + erreur).c_str());

    // Somewhere else in the game, then pasted with the keys.
    for (int i = 0; i < 6; ++i) cliquer(f->SpeedButton1);
    QCOMPARE(int(nb_demi_coups), 11);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QTest::keyClick(f.get(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QCOMPARE(std::memcmp(damier_sauve + 1, copie.data() + 1, NB_CASES), 0);
    QCOMPARE(std::memcmp(damier + 1, copie.data() + 1, NB_CASES), 0);
    QCOMPARE(int(trait), int(camp));
    // A new game from it: the human to move, an empty record, clocks at 0:00.
    QCOMPARE(int(nb_demi_coups), 0);
    QCOMPARE(dernier_demi_coup, 0);
    QCOMPARE(std::memcmp(partie[0].position + 1, copie.data() + 1, NB_CASES), 0);
    QCOMPARE(int(ordinateur_au_trait), 0);
    QCOMPARE(int(couleur_ordi), int(adversaire(camp)));
    QCOMPARE(installation_en_cours, std::uint8_t(0));
    QCOMPARE(temps_blancs + temps_noirs, 0);
    for (QLabel* l : {f->minblanc, f->secblanc, f->minnoir, f->secnoir}) QCOMPARE(l->text().trimmed().toInt(), 0);
    QCOMPARE(f->ListBox1->count(), 0);
    QCOMPARE(resultat_partie, SANS_RESULTAT);
    // The counts shown are the pasted position's.
    int noirs = 0, blancs = 0;
    for (int s = 1; s <= NB_CASES; ++s) {
      if (copie[s] == PION_NOIR || copie[s] == DAME_NOIRE) ++noirs;
      if (copie[s] == PION_BLANC || copie[s] == DAME_BLANCHE) ++blancs;
    }
    QCOMPARE(f->Nbpionsnoirs->text().trimmed(), QString::number(noirs));
    QCOMPARE(f->Nbpionsblancs->text().trimmed(), QString::number(blancs));
    // And the game goes on from it: the side to move has its moves.
    QVERIFY(coups_legaux(trait) > 0);

    // A FEN in algebraic squares, as a web page gives it, with the other side to move.
    Position attendue;
    QVERIFY(lire_fen("W:W18,K30:B1,2,K20", attendue, erreur));
    coller("  B:Wg1,e1,Ka5:Be5,Kf8.\r\n");
    f->action("Coller1")->trigger();
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QCOMPARE(std::memcmp(damier_sauve + 1, attendue.cases + 1, NB_CASES), 0);
    QCOMPARE(int(trait), int(attendue.trait));
    QCOMPARE(f->action("Copierlaposition1")->isEnabled(), true);
    f->action("Copierlaposition1")->trigger();
    QCOMPARE(presse_papiers(), std::string("W:W18,K30:B1,2,K20"));
  }

  void aGameWithCyrillicNamesShowsThemWholeAndCopiesOutAsThePdnFileAndBack() {
    auto f = demarrer();
    QVERIFY(f);
    coller(PARTIE_ALGEBRIQUE);
    f->action("Coller1")->trigger();
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QCOMPARE(dernier_demi_coup, 6);
    QCOMPARE(int(nb_demi_coups), 6);
    QCOMPARE(resultat_partie, BLANCS_GAGNENT);  // White, who moved first: camp 0
    // The names whole, never the record's transliteration or '?'.
    QCOMPARE(f->Nom_blanc->text(), QString::fromUtf8(BLANC_CYRILLIQUE));
    QCOMPARE(f->Nom_noir->text(), QString::fromUtf8(NOIR_CYRILLIQUE));
    QCOMPARE(f->B3D->text(), QString::fromUtf8(BLANC_CYRILLIQUE) + " : ");
    QCOMPARE(f->N3D->text(), QString::fromUtf8(NOIR_CYRILLIQUE) + " : ");
    QCOMPARE(nom_du_champ(nom_joueur_blanc), std::string("Pyotr Ivanov"));
    const QStringList liste = lignes(f->ListBox1);
    const auto coups = coups_du_record();
    std::array<std::uint8_t, 33> fin;
    std::memcpy(fin.data(), damier_sauve, 33);

    // Copied: the very text of "Créer un fichier PDN", the names in full.
    f->action("Copierlapartie1")->trigger();
    const std::string copie = presse_papiers();
    QVERIFY2(copie.find(std::string("\"") + BLANC_CYRILLIQUE + "\"") != std::string::npos &&
                 copie.find(std::string("\"") + NOIR_CYRILLIQUE + "\"") != std::string::npos,
             copie.c_str());
    dialogues_->reponse = QString::fromStdString((programme_.chemin / "copie.pdn").string());
    f->action("CrerunfichierPDN1")->trigger();
    QCOMPARE(contenu(programme_.chemin / "copie.pdn"), copie);

    // Another game on the board, then the copy pasted back.
    cliquer(f->installation->remplir1);
    QCOMPARE(dernier_demi_coup, 0);
    QVERIFY(f->Nom_blanc->text() != QString::fromUtf8(BLANC_CYRILLIQUE));
    f->action("Coller1")->trigger();
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QCOMPARE(coups_du_record(), coups);
    QCOMPARE(lignes(f->ListBox1), liste);
    QCOMPARE(std::memcmp(damier_sauve + 1, fin.data() + 1, NB_CASES), 0);
    QCOMPARE(resultat_partie, BLANCS_GAGNENT);
    QCOMPARE(f->Nom_blanc->text(), QString::fromUtf8(BLANC_CYRILLIQUE));
    QCOMPARE(f->N3D->text(), QString::fromUtf8(NOIR_CYRILLIQUE) + " : ");

    // Renamed through "Changer les noms": the boxes hold the names whole;
    // the one changed is the new name, the one left keeps its full form.
    f->action("Changerlesnoms1")->trigger();
    QCOMPARE(f->joueurs->Edit2->text(), QString::fromUtf8(NOIR_CYRILLIQUE));
    f->joueurs->Edit3->setText("Boris");
    cliquer(f->joueurs->OKjoueur);
    QCOMPARE(f->Nom_blanc->text(), QString("Boris"));
    QCOMPARE(f->Nom_noir->text(), QString::fromUtf8(NOIR_CYRILLIQUE));
    QCOMPARE(nom_du_champ(nom_joueur_noir), std::string("Anna"));
  }

  void aPasteOfSeveralGamesOffersThePickListWithTheNamesWhole() {
    auto f = demarrer();
    QVERIFY(f);
    coller(std::string("[Black \"Un\"]\n[White \"Deux\"]\n\n1. 11-15 24-19 *\n\n") + PARTIE_ALGEBRIQUE);
    QStringList liste;
    QTimer::singleShot(0, f.get(), [&] {
      liste = lignes(f->fichiers->ListBox16);
      cliquer_ligne(f->fichiers->ListBox16, liste.value(1));
      cliquer(f->fichiers->ListeOK);
    });
    f->action("Coller1")->trigger();
    QCOMPARE(liste, QStringList({" 1: Un - Deux", QString::fromUtf8(" 2: Пётр Иванов - Анна")}));
    QVERIFY(!f->Panel2->isVisible());
    QCOMPARE(dernier_demi_coup, 6);
    QCOMPARE(f->Nom_noir->text(), QString::fromUtf8(NOIR_CYRILLIQUE));
    QVERIFY(dialogues_->messages.isEmpty());

    // A Russian game whose man is crowned in the middle of a capture and
    // goes on capturing: it stops there and says so, as an opened file does.
    coller("[GameType \"25\"]\r\n[FEN \"W:Wf6,a1,c3,e3:Bd8,b6,h8\"]\r\n\r\n1. a1-b2 d8-e7 2. f6:d8:a5 h8-g7 *\r\n");
    f->action("Coller1")->trigger();
    QCOMPARE(dialogues_->messages.size(), 1);
    QVERIFY2(dialogues_->messages[0].contains("f6:d8:a5") &&
                 dialogues_->messages[0].contains(texte_catalogue(0, "msg.import.coup_illegal_russe")),
             qPrintable(dialogues_->messages[0]));
    QCOMPARE(dernier_demi_coup, 2);
    QCOMPARE(f->ListBox1->count(), 1);
  }

  void theEndOfAPastedGameNamesItsPlayersWhole() {
    auto f = demarrer();
    QVERIFY(f);
    f->action("Humaincontrehumain1")->trigger();
    // Camp 0 ("B" in our numbers, Black in our PDN) captures the last piece.
    coller("[Black \"Анна\"]\r\n[White \"Пётр Иванов\"]\r\n[FEN \"B:W18:B14,1\"]\r\n\r\n*\r\n");
    f->action("Coller1")->trigger();
    QVERIFY2(dialogues_->messages.isEmpty(), qPrintable(dialogues_->messages.join('|')));
    QCOMPARE(f->Nom_blanc->text(), QString::fromUtf8(NOIR_CYRILLIQUE));
    cliquer_case(*f, 33 - 14);
    QVERIFY(clic_en_attente != 0);
    clic_en_attente = 0;
    f->clic1(clic_x, clic_y);
    QVERIFY(f->fin_de_parties->isVisible());
    cliquer(f->BitBtn13);
    QCOMPARE(f->plateau->Fin_partie->text(), texte_catalogue(0, "msg.plateau.fin.sans_coup")
                                                 .arg(QString::fromUtf8(NOIR_CYRILLIQUE), QString::fromUtf8(BLANC_CYRILLIQUE)));
  }

  void aFaultyFenOrProseGivesOneMessageAndChangesNothing() {
    auto f = demarrer();
    QVERIFY(f);
    jouer(*f, 12, 9);
    for (int i = 0; i < 3; ++i) cliquer(f->SpeedButton1);
    const Instantane avant(*f);
    const QString rien = texte_catalogue(0, "msg.coller.rien");
    struct Cas {
      const char* texte;
      const char* raison;  // in the message's detail; nullptr: none
    };
    for (const Cas& c : {Cas{"B:W33:B1", "outside 1..32"}, Cas{"W:Wb8:Ba1", "crowning row"},
                         Cas{"Hello, world.\nSee you 2-0 tomorrow", nullptr}, Cas{"", nullptr}}) {
      dialogues_->messages.clear();
      dialogues_->details.clear();
      coller(c.texte);
      f->action("Coller1")->trigger();
      QCOMPARE(dialogues_->messages, QStringList{legende(0, "Coller1") + ": " + rien});
      if (c.raison) {
        QVERIFY2(dialogues_->details.value(0).contains(c.raison), qPrintable(dialogues_->details.join('|')));
        QVERIFY(dialogues_->details.value(0).startsWith(texte_catalogue(0, "msg.coller.fen").section('%', 0, 0)));
      } else {
        QCOMPARE(dialogues_->details.value(0), QString());
      }
      QVERIFY2(Instantane(*f) == avant, c.texte);
    }
    // In another language, the same message in it.
    f->action("English1")->trigger();
    dialogues_->messages.clear();
    coller("W:Wa2:Bb8");
    f->action("Coller1")->trigger();
    QCOMPARE(dialogues_->messages, QStringList{"Paste: The clipboard holds neither a position nor a game."});
  }

  void aPasteIsRefusedWhileAnAnalysisHoldsTheGame() {
    auto f = demarrer();
    QVERIFY(f);
    coller(PARTIE_ALGEBRIQUE);
    f->action("Coller1")->trigger();
    QCOMPARE(dernier_demi_coup, 6);
    coller("B:W18:B14,1");
    // Pasted while the analysis searches its first position: nothing is
    // put under it.
    bool pendant = false;
    QTimer::singleShot(0, f.get(), [&] {
      pendant = analyse_ouverte != 0;
      f->action("Coller1")->trigger();
    });
    f->action("Dbuteruneanalyse1")->trigger();
    QVERIFY(pendant);
    QCOMPARE(dernier_demi_coup, 6);
    // The loop has ended; the game stays the analysis's until "Fin analyse".
    QVERIFY(f->action("Terminerlanalyse1")->isEnabled());
    const Instantane avant(*f);
    QVERIFY(!f->action("Coller1")->isEnabled());
    QTest::keyClick(f->analyse->fenetre_analyse(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(f.get(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(Instantane(*f) == avant);
    QCOMPARE(dernier_demi_coup, 6);
    QVERIFY(dialogues_->messages.isEmpty());
    // Copying takes nothing from it.
    QVERIFY(f->action("Copierlapartie1")->isEnabled());
    f->action("Copierlapartie1")->trigger();
    QVERIFY(presse_papiers().find(BLANC_CYRILLIQUE) != std::string::npos);

    cliquer(f->analyse->fenetre_analyse()->Fin_analyse);
    cliquer(f->apprentissage->Learn_no);
    QVERIFY(f->action("Coller1")->isEnabled());
    coller("B:W18:B14,1");
    f->action("Coller1")->trigger();
    QCOMPARE(dernier_demi_coup, 0);
    Position collee;
    std::string erreur;
    QVERIFY(lire_fen("B:W18:B14,1", collee, erreur));
    QCOMPARE(std::memcmp(damier_sauve + 1, collee.cases + 1, NB_CASES), 0);
  }
};

QTEST_MAIN(Edition)
#include "edition_test.moc"
