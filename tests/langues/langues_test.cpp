// The texts of the six languages, read as the window reads them: every
// caption table names the same components and every catalogue holds the
// same keys, with a text for each and the same numbers and names to put in;
// the texts that other languages must show word for word are in their places.
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "ui/legendes.h"

namespace {

const char* const LANGUES[NB_LANGUES] = {"French", "English", "Dutch", "Portuguese", "Spanish", "Italian"};

QStringList composants(const TableLegendes& table) {
  QStringList noms;
  for (const auto& [nom, texte] : table) noms << nom;
  return noms;
}

// The placeholders a text leaves for QString::arg, as a set ("%1", "%2"...).
QSet<QString> trous(const QString& texte) {
  QSet<QString> t;
  static const QRegularExpression trou("%[1-9]");
  for (const auto& m : trou.globalMatch(texte)) t << m.captured();
  return t;
}

QString message(int langue, const QString& quoi) { return QString(LANGUES[langue]) + ": " + quoi; }

}  // namespace

class TestLangues : public QObject {
  Q_OBJECT

 private slots:
  void everyTableNamesTheFrenchComponentsWithATextForEach() {
    const QStringList francais = composants(table_legendes(0));
    QVERIFY(francais.size() > 150);
    QCOMPARE(QSet<QString>(francais.begin(), francais.end()).size(), francais.size());
    for (int l = 0; l < NB_LANGUES; ++l) {
      QCOMPARE(composants(table_legendes(l)), francais);
      for (const auto& [nom, texte] : table_legendes(l)) {
        QVERIFY2(!texte.trimmed().isEmpty(), qPrintable(message(l, nom + " has no text")));
        QVERIFY2(!nom.startsWith("msg."), qPrintable(message(l, nom)));
      }
    }
  }

  void everyCatalogueHoldsTheFrenchKeysWithTheirPlaceholders() {
    const Catalogue& francais = catalogue(0);
    QVERIFY(francais.size() > 80);
    for (int l = 0; l < NB_LANGUES; ++l) {
      const QStringList cles = catalogue(l).keys();
      QCOMPARE(QSet<QString>(cles.begin(), cles.end()), QSet<QString>(francais.keyBegin(), francais.keyEnd()));
      for (auto it = catalogue(l).begin(); it != catalogue(l).end(); ++it) {
        QVERIFY2(!it.value().trimmed().isEmpty(), qPrintable(message(l, it.key() + " has no text")));
        QVERIFY2(trous(it.value()) == trous(francais.value(it.key())),
                 qPrintable(message(l, it.key() + " does not leave the French placeholders: " + it.value())));
      }
    }
  }

  // A handful of the texts given word for word, slips included, each one
  // that another column or another file would not have.
  void theGivenTextsStandInTheirLanguage() {
    const struct {
      const char* composant;
      const char* textes[NB_LANGUES];
    } lignes[] = {
        {"Affichage1", {"Affichage", "Board", "Bord", "Tabuleiro", "Tableros", "Damiera"}},
        {"Niveau04", {"4 : Honneur", "4 : Honnor", "4 : Honnor", "4 : Honnor", "4 : Honor", "4 : Nazionale"}},
        {"Label_nul1",
         {"Corvane propose le match nul", "Corvane asks for draw", "Corvane vraagt om remise", "Corvane propõe empate",
          "Corvane propone el empate", "Corvane propone la patta"}},
        {"Zut",
         {"Zut ! ce n'est pas cela que je voulais jouer.", "Hell ! That's not that I wanted to play.",
          "Hell ! That's not that I wanted to play.", " Ops! este lance não é o que eu queria jogar.",
          "¡Caramba! no es la jugada que quería hacer.", "Zut ! non è questa che volevo giocare."}},
        {"TForm3",
         {"Ouvertures (Blancs)", "Opening (White)", "Opening (Wit)", "Aberturas (Brancas)", "Aperturas (Blancas)",
          "Aperture (Bianco)"}},
    };
    for (const auto& ligne : lignes)
      for (int l = 0; l < NB_LANGUES; ++l)
        QCOMPARE(legende(l, ligne.composant), QString::fromUtf8(ligne.textes[l]));

    const struct {
      const char* cle;
      const char* textes[NB_LANGUES];
    } messages[] = {
        {"msg.ordinateur_blanc",
         {"Ordinateur blanc", "Computer white", "Computer wit", "Computador brancas", "Ordenador blancas",
          "Calcolatore blanco"}},
        {"msg.bas_haut.inverse",
         {"Blancs:Bas->Haut", "White:Down->Up", "Wit:Beneden->Boven", "Br.:Embaixo->Acima", "Bl.:Abajo->Arriba",
          "Bl.:Bianco:Giù->Su"}},
        {"msg.entrainement", {"Entraînement", "Training", "Training", "Treino", "Entrenamiento", "Allenamento"}},
    };
    for (const auto& m : messages)
      for (int l = 0; l < NB_LANGUES; ++l) QCOMPARE(texte_catalogue(l, m.cle), QString::fromUtf8(m.textes[l]));

    // The analysis lines: Dutch and Italian read the English ones, Spanish
    // mixes in Portuguese words, and the Spanish header is the English one.
    const QString anglais = texte_catalogue(1, "msg.analyse.blancs");
    QCOMPARE(anglais, QString("%1 White : played : %2-%3; score : %4; best : %5-%6; score : %7"));
    QCOMPARE(texte_catalogue(2, "msg.analyse.blancs"), anglais);
    QCOMPARE(texte_catalogue(5, "msg.analyse.blancs"), anglais);
    QCOMPARE(texte_catalogue(4, "msg.analyse.blancs"),
             QString::fromUtf8("%1 Blancas: jogou : %2-%3; Puntuación : %4; melhor : %5-%6; valor : %7"));
    QCOMPARE(texte_catalogue(4, "msg.analyse.attente"), texte_catalogue(1, "msg.analyse.attente"));
    QVERIFY(texte_catalogue(3, "msg.analyse.attente").startsWith("(nao considerar"));
  }

  void aCatalogueTextFillsInAndFallsBack() {
    QCOMPARE(texte_catalogue(4, "msg.fin.gagne").arg("Ana"), QString("Ana gana"));
    QCOMPARE(texte_catalogue(0, "msg.coups").arg(12), QString("Coups : 12"));
    // Outside the six languages: French; a key no table holds shows itself.
    QCOMPARE(texte_catalogue(9, "msg.coups"), texte_catalogue(0, "msg.coups"));
    QCOMPARE(texte_catalogue(1, "msg.inconnu"), QString("msg.inconnu"));
    QVERIFY(legende(1, "msg.coups").isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestLangues)
#include "langues_test.moc"
