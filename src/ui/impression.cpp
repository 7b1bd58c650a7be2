#include "ui/impression.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/game.h"
#include "records/analysis.h"
#include "records/game_file.h"
#include "records/printing.h"
#include "records/text_games.h"
#include "ui/analyse.h"
#include "ui/dialogues.h"
#include "ui/legendes.h"
#include "ui/tform1.h"
#include "ui/tform4.h"

namespace {

// Everything is laid out in 1/96 inch; the painter scales to the printer.
constexpr double POINTS_PAR_POUCE = 96.0;
constexpr int TAILLE_LIGNES_MAX = 13;  // the lines' font, smaller when a line would not fit the width
constexpr int TAILLE_LIGNES_MIN = 7;
constexpr int TAILLE_TITRE = 20;
constexpr int TAILLE_NOTES = 9;  // the subtitle, the running head and the page numbers
const QColor GRIS_NOTES(105, 105, 105);
const QColor FOND_ETOILE(232, 232, 232);
const QColor TRAIT_LIGNES(200, 200, 200);
const QColor FOND_ENTETE(246, 246, 246);

QFont police(const char* famille, int taille, bool gras = false) {
  QFont p(famille);
  p.setPixelSize(taille);
  p.setBold(gras);
  return p;
}

// The players' names as the header writes them: the full names of a file
// whose names the record cannot hold, else the record's.
std::string entete_joueurs() {
  if (!nom_complet_blanc.empty() || !nom_complet_noir.empty()) {
    const std::string blanc = nom_complet_blanc.empty() ? latin1_en_utf8(nom_joueur_blanc) : nom_complet_blanc;
    const std::string noir = nom_complet_noir.empty() ? latin1_en_utf8(nom_joueur_noir) : nom_complet_noir;
    return blanc + " - " + noir;
  }
  return entete_impression(nom_joueur_blanc, nom_joueur_noir);
}

// The date written as the checked language writes it.
QLocale locale_langue(int langue) {
  static const QLocale::Language langues[6] = {QLocale::French,     QLocale::English, QLocale::Dutch,
                                               QLocale::Portuguese, QLocale::Spanish, QLocale::Italian};
  return QLocale(langues[std::clamp(langue, 0, 5)]);
}

}  // namespace

void CommandesImpression::Imprimer1Click() { imprimer_apres_dialogue(false, &f); }

void CommandesImpression::Button3aClick() { imprimer_apres_dialogue(true, f.analyse->fenetre_analyse()); }

void CommandesImpression::imprimer_apres_dialogue(bool analyse, QWidget* parent) {
  QPrinter imprimante(QPrinter::HighResolution);
  imprimante.setPageSize(QPageSize(QPageSize::A4));
  imprimante.setPageMargins(QMarginsF(18, 15, 15, 12), QPageLayout::Millimeter);
  imprimante.setDocName(QString::fromStdString(entete_joueurs()));
  // Cancelled: nothing is printed.
  if (!dialogues().imprimer(parent, imprimante)) return;
  imprimer(imprimante, analyse);
}

bool CommandesImpression::imprimer(QPrinter& imprimante, bool analyse) {
  const std::vector<std::string> lignes = analyse ? lignes_coups_analyse() : lignes_liste_coups(partie, dernier_demi_coup);
  const std::string entete = entete_joueurs();
  QPainter p;
  if (!p.begin(&imprimante)) {
    f.erreur_fichier(imprimante.outputFileName().isEmpty() ? imprimante.printerName() : imprimante.outputFileName());
    return false;
  }
  const double echelle = imprimante.resolution() / POINTS_PAR_POUCE;
  p.scale(echelle, echelle);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF zone = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
  const double largeur = zone.width() / echelle, hauteur = zone.height() / echelle;

  // One font for every line: the largest that lets the longest line fit.
  const Impression essai = analyse ? impression_analyse(lignes, entete, 1, 1) : impression_partie(lignes, entete, 1, 1);
  std::size_t plus_longue = 0;
  QString texte_long;
  for (const auto& page : essai.pages)
    for (const LigneImprimee& l : page)
      if (l.texte.size() >= plus_longue) plus_longue = l.texte.size(), texte_long = QString::fromStdString(l.texte);
  int taille = TAILLE_LIGNES_MAX;
  while (taille > TAILLE_LIGNES_MIN &&
         QFontMetricsF(police("DejaVu Sans Mono", taille)).horizontalAdvance(texte_long) > largeur - X_LIGNES)
    --taille;
  const QFont lignes_police = police("DejaVu Sans Mono", taille);
  p.setFont(lignes_police);
  // The line height is the height of that text in the printer's font.
  const int h = static_cast<int>(std::ceil(p.fontMetrics().boundingRect(TEXTE_HAUTEUR_LIGNE).height()));
  const double pied = 2.0 * TAILLE_NOTES;  // the page numbers stand below the last row
  const int rangs = rangs_par_page(static_cast<int>(hauteur - pied), h);
  const Impression imp =
      analyse ? impression_analyse(lignes, entete, h, rangs) : impression_partie(lignes, entete, h, rangs);

  const int l = f.langue_cochee();
  const QString titre = QString::fromStdString(imp.entete);
  const QString genre = texte_catalogue(l, analyse ? "msg.impression.analyse" : "msg.impression.partie");
  const QString date = locale_langue(l).toString(QDate::currentDate(), QLocale::LongFormat);
  // The analysis's legend; the game's length.
  const QString lecture = analyse ? QString::fromStdString(formats_analyse(langue_analyse).legende)
                                  : texte_catalogue(l, "msg.impression.coups").arg((dernier_demi_coup + 1) / 2);
  const int nb_pages = std::max<int>(1, static_cast<int>(imp.pages.size()));
  for (int n = 0; n < nb_pages; ++n) {
    if (n > 0) imprimante.newPage();
    if (n == 0) {
      // The sheet's head in a light box: the players, what the sheet holds
      // and when, and how to read it.
      p.setPen(QPen(TRAIT_LIGNES, 0.8));
      p.setBrush(FOND_ENTETE);
      p.drawRoundedRect(QRectF(-8, -8, largeur + 16, HAUT_LIGNES - 1.5 * h + 8), 6, 6);
      p.setBrush(Qt::NoBrush);
      p.setFont(police("DejaVu Sans", TAILLE_TITRE, true));
      p.setPen(Qt::black);
      p.drawText(QRectF(X_ENTETE, Y_ENTETE, largeur - X_ENTETE, TAILLE_TITRE * 1.5), Qt::AlignLeft | Qt::AlignTop, titre);
      p.setFont(police("DejaVu Sans", TAILLE_NOTES + 2));
      p.setPen(GRIS_NOTES);
      const double y = Y_ENTETE + TAILLE_TITRE * 1.8;
      p.drawText(QRectF(X_ENTETE, y, largeur - X_ENTETE, TAILLE_NOTES * 2), Qt::AlignLeft | Qt::AlignTop,
                 genre + "  \u00b7  " + date);
      p.drawText(QRectF(X_ENTETE, y + TAILLE_NOTES * 2.2, largeur - X_ENTETE, TAILLE_NOTES * 4),
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lecture);
    } else {
      p.setFont(police("DejaVu Sans", TAILLE_NOTES));
      p.setPen(GRIS_NOTES);
      p.drawText(QRectF(X_ENTETE, Y_ENTETE, largeur - X_ENTETE, TAILLE_NOTES * 2), Qt::AlignLeft | Qt::AlignTop,
                 titre + "  \u00b7  " + genre);
    }

    p.setFont(lignes_police);
    if (n < static_cast<int>(imp.pages.size())) {
      for (const LigneImprimee& ligne : imp.pages[static_cast<std::size_t>(n)]) {
        const QString texte = QString::fromStdString(ligne.texte);
        if (analyse && texte.startsWith('*')) p.fillRect(QRectF(0, ligne.y, largeur, h), FOND_ETOILE);
        if (!analyse) {
          // The empty row under each printed line holds a light rule, as on a score sheet.
          p.setPen(QPen(TRAIT_LIGNES, 0.6));
          p.drawLine(QPointF(0, ligne.y + 1.5 * h), QPointF(largeur, ligne.y + 1.5 * h));
        }
        p.setPen(Qt::black);
        p.drawText(QRectF(ligne.x, ligne.y, largeur - ligne.x, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                   texte);
      }
    }
    p.setFont(police("DejaVu Sans", TAILLE_NOTES));
    p.setPen(GRIS_NOTES);
    const QRectF bas(0, hauteur - TAILLE_NOTES * 1.6, largeur, TAILLE_NOTES * 1.6);
    p.drawText(bas, Qt::AlignLeft | Qt::AlignBottom, "Corvane 3D");
    p.drawText(bas, Qt::AlignRight | Qt::AlignBottom, QString("%1 / %2").arg(n + 1).arg(nb_pages));
  }
  p.end();
  return true;
}
