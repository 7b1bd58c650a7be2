// The analysis window: the analysis's lines, the score graph under them, and
// the buttons that move the analysis on, save, print, write the annotated
// PDN and end it. Always on top, beside the board, so that the board shows
// the positions the lines speak of.
#pragma once

#include <QString>
#include <vector>

#include "records/analysis_graph.h"
#include "ui/formes.h"

class QListWidget;
class QPushButton;
class TForm1;

// The graph of the analysed positions' scores, the first side's advantage
// upwards, in men. A click chooses the position of the nearest point.
class GrapheAnalyse : public QWidget {
  Q_OBJECT
 public:
  explicit GrapheAnalyse(QWidget* parent = nullptr);

  // The points, the plies the width spans, the ply on the board (-1: none)
  // and the legend.
  void montrer(std::vector<PointCourbe> points, int dernier, int courant, const QString& legende);
  const std::vector<PointCourbe>& points() const { return points_; }
  QPoint centre_point(int demi_coup) const;  // where point `demi_coup` is drawn

 signals:
  void demi_coup_choisi(int demi_coup);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QRectF zone() const;  // the plotting area
  double x_de(int demi_coup) const;
  double y_de(int score) const;
  std::vector<PointCourbe> points_;
  int dernier_ = 0, courant_ = -1;
  QString legende_;
};

class TForm4 : public FenetreSecondaire {
  Q_OBJECT
 public:
  TForm4();

  // The main window it answers to (the one that showed it last).
  TForm1* principale = nullptr;
  // Size, fonts and place for the main window it stands beside: to the
  // right of the board, over the side panels, its text as large as theirs.
  void placer_pres_de(TForm1& f);

  // ---- components -----------------------------------------------------------
  QListWidget* ListBox1;
  GrapheAnalyse* Graphe;
  // "Suivant", "Editer analyse", "Imprimer analyse", "Fin analyse", and the
  // annotated PDN. (The book editors own the names BitBtn1 .. BitBtn3 in the
  // caption tables: these are named after what they do.)
  QPushButton *Suivant_analyse, *Editer_analyse, *Imprimer_analyse, *Fin_analyse, *Pdn_analyse;

 public slots:
  void BitBtn1Click();  // pause: the position being searched is cut short
  void BitBtn2Click();  // Button3Click: the lines saved as text
  void BitBtn3Click();  // Button3aClick: the lines printed
  void BitBtn4Click();  // Button4Click: the analysis ends
  void BitBtn5Click();  // the game written as PDN with the analysis in it

 protected:
  // Closing the window ends the analysis, as "Fin analyse" does.
  void closeEvent(QCloseEvent* e) override;
};
