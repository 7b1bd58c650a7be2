#include "records/analysis_graph.h"

#include <algorithm>
#include <cstdlib>

#include "game/game.h"
#include "records/analysis.h"
#include "search/root.h"

std::vector<PointCourbe> courbe_analyse() {
  std::vector<PointCourbe> points;
  const int fin = std::min<int>(coup_depart_analyse, dernier_demi_coup);
  for (int k = 0; k <= fin; ++k) {
    const std::optional<Score> s = score_analyse(k);
    if (!s) continue;
    const int v = trait_au_demi_coup(k) == BLANCS ? *s : -*s;
    const bool decisif = std::abs(v) > SCORE_DECISIF;
    points.push_back({k, decisif ? (v > 0 ? BORNE_COURBE : -BORNE_COURBE) : std::clamp(v, -BORNE_COURBE, BORNE_COURBE),
                      decisif, 0});
  }
  // A starred move is marked where it led: there the score drops.
  for (const CoupAnalyse& c : coups_analyses) {
    const auto p = std::find_if(points.begin(), points.end(),
                                [&c](const PointCourbe& q) { return q.demi_coup == c.index + 1; });
    if (p != points.end()) p->nag = c.nag();
  }
  return points;
}
