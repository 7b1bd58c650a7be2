// The help pages as the program's directory holds them: readable by the help
// window, every link and picture in place, the pages of the six languages
// alike, and every diagram showing the moves the rules engine allows.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <memory>

#include "rules/generation.h"
#include "rules/moves.h"
#include "rules/notation.h"
#include "tools/diagrams/liste.h"

namespace {

// The guide and the rules in French, English, Dutch, Portuguese, Spanish and
// Italian, with the language each page declares.
const QStringList LANGUES = {"fr", "en", "nl", "pt", "es", "it"};
const QList<QStringList> TRADUCTIONS = {
    {"Corvane.html", "Corvane_e.html", "Corvane_nl.html", "Corvane_p.html", "Corvane_es.html", "Corvane_it.html"},
    {"Rcorvane_f.html", "Rcorvane_e.html", "Rcorvane_nl.html", "Rcorvane_p.html", "Rcorvane_es.html",
     "Rcorvane_it.html"}};

// A document that notes the style sheets its page asks for.
class Document : public QTextDocument {
 public:
  QStringList feuilles_de_style;

 protected:
  QVariant loadResource(int type, const QUrl& nom) override {
    if (type == QTextDocument::StyleSheetResource) feuilles_de_style << nom.toString();
    return QTextDocument::loadResource(type, nom);
  }
};

struct Page {
  QString texte;
  Document document;
  QStringList ancres;  // anchor names, in page order
  QStringList liens;   // link targets
  QStringList images;  // picture sources, in page order
};

const QDir PROGRAMME(CORVANE_BIN_DIR);

void noter_ancres(Page& p, const QTextCharFormat& format) {
  if (!format.isAnchor()) return;
  for (const QString& nom : format.anchorNames())
    if (!p.ancres.contains(nom)) p.ancres << nom;
}

// What the help window sees of a page: its anchors (on a block, as an empty
// anchor before a heading leaves them, or on a piece of text), its links and
// its pictures.
void lire_page(Page& p) {
  p.document.setHtml(p.texte);
  for (QTextBlock b = p.document.begin(); b.isValid(); b = b.next()) {
    noter_ancres(p, b.charFormat());
    for (auto f = b.begin(); !f.atEnd(); ++f) {
      const QTextCharFormat format = f.fragment().charFormat();
      noter_ancres(p, format);
      if (format.isAnchor() && !format.anchorHref().isEmpty()) p.liens << format.anchorHref();
      if (format.isImageFormat()) p.images << format.toImageFormat().name();
    }
  }
}

// The arrow is one of `legaux`, its squares being the origin and the landing
// square after each jump (the only square of a plain move).
bool fleche_legale(const Fleche& f, const std::vector<Coup>& legaux) {
  const int n = coups_piece(f.cases[0], trait);
  const int sauts = static_cast<int>(f.cases.size()) - 1;
  for (int i = 0; i < n; ++i) {
    const Coup& m = listes_coups[1][i];
    if ((m.nb_prises != 0) != f.prise || (f.prise ? m.nb_prises != sauts : m.arrivee != f.cases[1])) continue;
    bool meme_chemin = true;
    for (int k = 1; k <= sauts && f.prise; ++k) meme_chemin = meme_chemin && escales[i + 1][k] == f.cases[k];
    if (meme_chemin && std::any_of(legaux.begin(), legaux.end(), [&](const Coup& c) { return meme_coup(c, m); }))
      return true;
  }
  return false;
}

}  // namespace

class TestAide : public QObject {
  Q_OBJECT
  std::map<QString, std::unique_ptr<Page>> pages;

 private slots:
  void initTestCase() {
    for (const QStringList& traductions : TRADUCTIONS)
      for (const QString& nom : traductions) {
        QFile fichier(PROGRAMME.filePath(nom));
        QVERIFY2(fichier.open(QIODevice::ReadOnly), qPrintable(nom + " is missing from the program's directory"));
        const QByteArray octets = fichier.readAll();
        QStringDecoder utf8(QStringDecoder::Utf8);
        auto page = std::make_unique<Page>();
        page->texte = utf8(octets);
        QVERIFY2(!utf8.hasError(), qPrintable(nom + " is not UTF-8"));
        lire_page(*page);
        pages[nom] = std::move(page);
      }
  }

  void pagesReadAsDocumentsWithTheirPicturesAndStyle() {
    for (const auto& [nom, p] : pages) {
      QVERIFY2(p->texte.contains("<meta charset=\"utf-8\">"), qPrintable(nom));
      QVERIFY2(!p->document.metaInformation(QTextDocument::DocumentTitle).isEmpty(), qPrintable(nom));
      const QString lu = p->document.toPlainText();
      QVERIFY2(lu.size() > 2000, qPrintable(nom));
      QVERIFY2(!lu.contains('<') && !lu.contains('>') && !lu.contains(QChar::ReplacementCharacter),
               qPrintable(nom + ": markup shows as text"));
      // the page opens on its contents, which lead to every section
      QVERIFY2(!p->ancres.isEmpty() && p->ancres.first() == "sommaire", qPrintable(nom));
      for (const QString& ancre : p->ancres.mid(1))
        QVERIFY2(p->liens.contains("#" + ancre), qPrintable(nom + ": no contents link to #" + ancre));
      for (const QString& image : p->images)
        QVERIFY2(!QImage(PROGRAMME.filePath(image)).isNull(), qPrintable(nom + ": " + image));
      QVERIFY2(!p->document.feuilles_de_style.isEmpty(), qPrintable(nom + " has no style sheet"));
      for (const QString& feuille : p->document.feuilles_de_style)
        QVERIFY2(QFile::exists(PROGRAMME.filePath(feuille)), qPrintable(nom + ": " + feuille));
    }
  }

  void linksLeadSomewhereAndTheTranslationsMatch() {
    for (const auto& [nom, p] : pages)
      for (const QString& lien : p->liens) {
        const QString cible = lien.section('#', 0, 0), ancre = lien.section('#', 1);
        const QString page_cible = cible.isEmpty() ? nom : cible;
        QVERIFY2(pages.count(page_cible), qPrintable(nom + ": link to " + lien + " leaves the help"));
        QVERIFY2(ancre.isEmpty() || pages.at(page_cible)->ancres.contains(ancre),
                 qPrintable(nom + ": link to a missing anchor " + lien));
      }
    for (const QStringList& traductions : TRADUCTIONS)
      for (int l = 0; l < LANGUES.size(); ++l) {
        const Page& page = *pages.at(traductions[l]);
        QVERIFY2(page.texte.contains("<html lang=\"" + LANGUES[l] + "\">"), qPrintable(traductions[l]));
        QCOMPARE(page.ancres, pages.at(traductions[0])->ancres);
        QCOMPARE(page.images, pages.at(traductions[0])->images);
        // A page leads to the other pages of its own language only.
        for (const QString& lien : page.liens) {
          const QString cible = lien.section('#', 0, 0);
          QVERIFY2(cible.isEmpty() || TRADUCTIONS[0][l] == cible || TRADUCTIONS[1][l] == cible,
                   qPrintable(traductions[l] + ": link to " + lien));
        }
      }
  }

  void diagramsShowTheEngineMoves() {
    std::vector<Diagramme> liste;
    std::string erreur;
    QVERIFY2(lire_diagrammes(CORVANE_SOURCE_DIR "/data/help/diagrammes.txt", liste, erreur), erreur.c_str());
    QVERIFY(liste.size() >= 8);
    QStringList montrees;
    for (const auto& [nom, p] : pages) montrees << p->images;
    choisir_noms_cases(false);
    for (const Diagramme& d : liste) {
      const QString nom = QString::fromStdString(d.fichier);
      QVERIFY2(montrees.contains("aide/" + nom), qPrintable(nom + " is shown by no page"));
      placer_position(d.position);
      const bool pieces = std::any_of(damier + 1, damier + 33, [](Piece p) { return p != VIDE; });
      QVERIFY2(d.coups || !pieces, qPrintable(nom + " does not say which moves it allows"));
      const int n = coups_legaux(trait);
      const std::vector<Coup> legaux(listes_coups[1], listes_coups[1] + n);
      if (d.coups) {
        std::vector<std::string> annonces = *d.coups, noms;
        for (const Coup& m : legaux) noms.push_back(notation_coup(m));
        std::sort(annonces.begin(), annonces.end());
        std::sort(noms.begin(), noms.end());
        QVERIFY2(annonces == noms, qPrintable(nom + ": the legal moves differ"));
      }
      for (const Fleche& f : d.fleches)
        QVERIFY2(fleche_legale(f, legaux), qPrintable(nom + ": an arrow is not a legal move"));
    }
  }
};

QTEST_MAIN(TestAide)
#include "test_help.moc"
