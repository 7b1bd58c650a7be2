// corvane-diagrams LIST OUTDIR: draws the diagrams of the help pages, in the
// look of the program's yellow 2D board, as PNG files in OUTDIR.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QtMath>
#include <array>
#include <cstdio>

#include "tools/diagrams/liste.h"

namespace {

constexpr int BORD = 8;     // wooden frame around the squares
constexpr int CELLULE = 28; // one square
constexpr int TAILLE = 2 * BORD + 8 * CELLULE;

const QColor CADRE(150, 102, 45);
const QColor CASE_CLAIRE(255, 246, 196);
const QColor CASE_JOUABLE(222, 164, 70);
const QColor ENCRE(74, 42, 0);
const QColor FLECHE(214, 28, 28, 215);
const QColor FLECHE_SECONDE(30, 90, 220, 215);
const QColor CERCLE(20, 140, 55);
const QColor OR(236, 186, 48);

QPointF centre(Case k) {
  return {BORD + (colonne(k) + 0.5) * CELLULE, BORD + (rangee(k) + 0.5) * CELLULE};
}

QRectF cellule(Case k) { return {BORD + colonne(k) * 1.0 * CELLULE, BORD + rangee(k) * 1.0 * CELLULE, CELLULE, CELLULE}; }

void dessiner_damier(QPainter& p) {
  p.fillRect(0, 0, TAILLE, TAILLE, CADRE);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      p.fillRect(BORD + c * CELLULE, BORD + r * CELLULE, CELLULE, CELLULE, (r + c) % 2 ? CASE_JOUABLE : CASE_CLAIRE);
  p.setPen(QPen(ENCRE, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(BORD - 0.5, BORD - 0.5, 8 * CELLULE + 1, 8 * CELLULE + 1));
}

void dessiner_couronne(QPainter& p, QPointF o, double r, bool sur_noir) {
  const double l = 1.3 * r, h = 0.8 * r;
  const QPointF pointes[] = {{-l / 2, h / 2}, {l / 2, h / 2},  {l / 2, -h / 2}, {l / 4, 0},
                             {0, -h / 2},     {-l / 4, 0},     {-l / 2, -h / 2}};
  QPolygonF couronne;
  for (QPointF q : pointes) couronne << o + q;
  p.setPen(QPen(sur_noir ? QColor(255, 230, 140) : QColor(110, 70, 0), 1.0));
  p.setBrush(OR);
  p.drawPolygon(couronne);
}

// A man is a disc with a raised rim; the side drawn black is camp 0 (the
// engine's "white" codes), as on the program's board.
void dessiner_piece(QPainter& p, Case k, Piece piece) {
  const bool noire = est_blanc(piece);
  const QPointF o = centre(k);
  const double r = 0.40 * CELLULE;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawEllipse(o + QPointF(0.8, 1.6), r, r);
  QRadialGradient degrade(o - QPointF(r / 3, r / 3), 1.4 * r);
  degrade.setColorAt(0, noire ? QColor(105, 105, 105) : QColor(255, 255, 255));
  degrade.setColorAt(1, noire ? QColor(12, 12, 12) : QColor(206, 200, 186));
  p.setBrush(degrade);
  p.setPen(QPen(noire ? QColor(0, 0, 0) : QColor(95, 90, 80), 1.0));
  p.drawEllipse(o, r, r);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(noire ? QColor(90, 90, 90) : QColor(165, 160, 148), 1.0));
  p.drawEllipse(o, 0.64 * r, 0.64 * r);
  if (est_dame(piece)) dessiner_couronne(p, o, r, noire);
}

void dessiner_fleche(QPainter& p, const Fleche& f) {
  const double pointe = 0.46 * CELLULE, demi_largeur = 0.26 * CELLULE;
  std::vector<QPointF> points;
  for (Case c : f.cases) points.push_back(centre(c));
  const QPointF fin = points.back();
  QPointF direction = fin - points[points.size() - 2];
  direction /= std::hypot(direction.x(), direction.y());
  const QPointF base = fin - direction * pointe;
  QPointF depart = points[1] - points[0];
  depart = points[0] + depart / std::hypot(depart.x(), depart.y()) * (0.42 * CELLULE);
  QPainterPath trace(depart);
  for (std::size_t i = 1; i + 1 < points.size(); ++i) trace.lineTo(points[i]);
  trace.lineTo(base);
  const QColor couleur = f.seconde ? FLECHE_SECONDE : FLECHE;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(couleur, 0.15 * CELLULE, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(trace);
  const QPointF normale(-direction.y(), direction.x());
  p.setPen(Qt::NoPen);
  p.setBrush(couleur);
  p.drawPolygon(QPolygonF() << fin << base + normale * demi_largeur << base - normale * demi_largeur);
}

void dessiner_marques(QPainter& p, const Diagramme& d) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(CERCLE, 2.4));
  for (Case c : d.cercles) p.drawEllipse(centre(c), 0.36 * CELLULE, 0.36 * CELLULE);
  p.setPen(QPen(FLECHE, 3.0, Qt::SolidLine, Qt::RoundCap));
  const double b = 0.22 * CELLULE;
  for (Case c : d.croix) {
    const QPointF o = centre(c);
    p.drawLine(o + QPointF(-b, -b), o + QPointF(b, b));
    p.drawLine(o + QPointF(-b, b), o + QPointF(b, -b));
  }
}

// Corners of a square, as steps of a diagonal: (column step, row step).
constexpr int COINS[4][2] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};  // bottom-left first, as on the program's board

// The corners of square k that an arrow runs through.
std::array<bool, 4> coins_pris(const Diagramme& d, Case k) {
  std::array<bool, 4> pris{};
  for (const Fleche& f : d.fleches)
    for (std::size_t i = 0; i < f.cases.size(); ++i) {
      if (f.cases[i] != k) continue;
      for (std::size_t j : {i - 1, i + 1}) {
        if (j >= f.cases.size()) continue;  // i - 1 wraps around at the origin
        const int dc = colonne(f.cases[j]) > colonne(k) ? 1 : -1, dr = rangee(f.cases[j]) > rangee(k) ? 1 : -1;
        for (int c = 0; c < 4; ++c) pris[c] = pris[c] || (COINS[c][0] == dc && COINS[c][1] == dr);
      }
    }
  return pris;
}

// Small names sit in a corner that no arrow crosses, with a pale outline so
// that they stay readable over a piece.
void dessiner_noms(QPainter& p, const Diagramme& d) {
  QFont police("DejaVu Sans");
  police.setPixelSize(d.grands_noms ? 12 : 8);
  police.setBold(true);
  const QFontMetricsF mesure(police);
  for (int k = 1; k <= NB_CASES; ++k) {
    if (!d.noms[k]) continue;
    const QString nom = QString::fromLatin1(d.lettres ? noms_alphabetiques[k] : noms_numeriques[k]);
    const QRectF zone = cellule(static_cast<Case>(k));
    const double largeur = mesure.horizontalAdvance(nom);
    QPainterPath texte;
    if (d.grands_noms) {
      texte.addText(zone.center().x() - largeur / 2, zone.center().y() + (mesure.ascent() - mesure.descent()) / 2,
                    police, nom);
    } else {
      const std::array<bool, 4> pris = coins_pris(d, static_cast<Case>(k));
      int coin = 0;
      while (coin < 3 && pris[coin]) ++coin;
      const double x = COINS[coin][0] < 0 ? zone.left() + 1.5 : zone.right() - 1.5 - largeur;
      const double y = COINS[coin][1] > 0 ? zone.bottom() - 2 : zone.top() + 1.5 + mesure.ascent() - mesure.descent();
      texte.addText(x, y, police, nom);
      p.strokePath(texte, QPen(CASE_CLAIRE, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    p.fillPath(texte, ENCRE);
  }
}

QImage dessiner(const Diagramme& d) {
  QImage image(TAILLE, TAILLE, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  dessiner_damier(p);
  for (int k = 1; k <= NB_CASES; ++k)
    if (d.position.cases[k] != VIDE) dessiner_piece(p, static_cast<Case>(k), d.position.cases[k]);
  dessiner_marques(p, d);
  for (const Fleche& f : d.fleches) dessiner_fleche(p, f);
  dessiner_noms(p, d);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: corvane-diagrams LIST OUTDIR\n");
    return 2;
  }
  std::vector<Diagramme> liste;
  std::string erreur;
  if (!lire_diagrammes(argv[1], liste, erreur)) {
    std::fprintf(stderr, "corvane-diagrams: %s\n", erreur.c_str());
    return 2;
  }
  const QDir dossier(QString::fromLocal8Bit(argv[2]));
  if (!dossier.mkpath(".")) {
    std::fprintf(stderr, "corvane-diagrams: cannot create %s\n", argv[2]);
    return 1;
  }
  for (const Diagramme& d : liste) {
    QSaveFile fichier(dossier.filePath(QString::fromStdString(d.fichier)));
    if (!fichier.open(QIODevice::WriteOnly) || !dessiner(d).save(&fichier, "PNG") || !fichier.commit()) {
      std::fprintf(stderr, "corvane-diagrams: cannot write %s\n", qPrintable(fichier.fileName()));
      return 1;
    }
  }
  return 0;
}
