#include "rules/etat.h"

#include <algorithm>

namespace {

struct Enregistrement {
  const char* noms;
  std::function<Restauration()> garder;
  int ordre;
};

// Made on first use: registrations run while the program's globals are
// being initialised, in no set order.
std::vector<Enregistrement>& enregistrements() {
  static std::vector<Enregistrement> e;
  return e;
}

}  // namespace

bool enregistrer_etat_special(const char* noms, std::function<Restauration()> garder, int ordre) {
  enregistrements().push_back({noms, std::move(garder), ordre});
  return true;
}

InstantaneMoteur::InstantaneMoteur() {
  std::vector<const Enregistrement*> parties;
  for (const Enregistrement& e : enregistrements()) parties.push_back(&e);
  std::stable_sort(parties.begin(), parties.end(), [](auto* a, auto* b) { return a->ordre < b->ordre; });
  for (const Enregistrement* e : parties) retours_.push_back(e->garder());
}

void InstantaneMoteur::restaurer() const {
  for (const Restauration& r : retours_) r();
}

std::vector<const char*> noms_etat_moteur() {
  std::vector<const char*> n;
  for (const Enregistrement& e : enregistrements()) n.push_back(e.noms);
  return n;
}
