// The engine's state is plain global data. Each file that defines some
// registers it beside the definitions (ETAT_MOTEUR), so that the whole of it
// can be kept and put back in one call: tests do so between cases.
#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

// ---- types ----------------------------------------------------------------

// Puts back what was kept.
using Restauration = std::function<void()>;

// Everything registered, as it stood when made; restaurer() puts it back.
class InstantaneMoteur {
 public:
  InstantaneMoteur();
  InstantaneMoteur(const InstantaneMoteur&) = delete;
  InstantaneMoteur& operator=(const InstantaneMoteur&) = delete;
  void restaurer() const;

 private:
  std::vector<Restauration> retours_;
};

// ---- functions ------------------------------------------------------------

// Registers a way to keep part of the state: `garder` keeps it and returns
// how to put it back. Parts that hang on others (a table whose size is a
// setting) give a later `ordre`: they are put back after the plain data.
// `noms` lists the globals it covers, for the check that nothing is left out.
bool enregistrer_etat_special(const char* noms, std::function<Restauration()> garder, int ordre = 1);

// Registers plain globals, kept by copy; `ordre` as above.
template <class... T>
bool enregistrer_etat_ordre(int ordre, const char* noms, T&... v) {
  return enregistrer_etat_special(
      noms,
      [&v...] {
        std::vector<Restauration> r;
        (
            [&r](auto& x) {
              using X = std::remove_reference_t<decltype(x)>;
              if constexpr (std::is_trivially_copyable_v<X>) {
                auto octets = std::make_shared<std::vector<unsigned char>>(sizeof x);
                std::memcpy(octets->data(), &x, sizeof x);
                r.push_back([&x, octets] { std::memcpy(&x, octets->data(), sizeof x); });
              } else {
                r.push_back([&x, copie = x] { x = copie; });
              }
            }(v),
            ...);
        return Restauration([r = std::move(r)] {
          for (const Restauration& f : r) f();
        });
      },
      ordre);
}

template <class... T>
bool enregistrer_etat(const char* noms, T&... v) {
  return enregistrer_etat_ordre(0, noms, v...);
}

// The names of every global registered, as written in the registrations.
std::vector<const char*> noms_etat_moteur();

#define ETAT_MOTEUR_CONCAT2(a, b) a##b
#define ETAT_MOTEUR_CONCAT(a, b) ETAT_MOTEUR_CONCAT2(a, b)
// ETAT_MOTEUR(a, b, c): the globals a, b and c are part of the engine's state.
#define ETAT_MOTEUR(...)                                                                 \
  [[maybe_unused]] static const bool ETAT_MOTEUR_CONCAT(etat_moteur_enregistre_, __LINE__) = \
      enregistrer_etat(#__VA_ARGS__, __VA_ARGS__)
