// What the program writes, its game file and PDN readers read back as the
// same game: every ply of a full record, names of 19 characters with accents
// (Latin-1), the result; the awkward cases fuzzing turned up.

#include "game/end.h"
#include "records/game_file.h"
#include "records/pdn.h"
#include "records_support.h"
#include "support/etat.h"

namespace {

constexpr const char* BLANC = "\xC9lo\xEFse de la Montag";  // 19 characters, Latin-1
constexpr const char* NOIR = "Jean-Fran\xE7ois Dupuy";

class AllerRetour : public MoteurDossier {
 protected:
  // A full record (254 plies) from the starting position, the players named;
  // seed 51 plays a capture another capture between the same squares could
  // be taken for.
  static void partie_pleine_nommee() {
    nommer_joueur(nom_joueur_blanc, BLANC);
    nommer_joueur(nom_joueur_noir, NOIR);
    std::mt19937 hasard(51);
    position_initiale();
    partie_prudente(hasard);
    ASSERT_EQ(dernier_demi_coup, DERNIER_DEMI_COUP);
    resultat_partie = PARTIE_NULLE;
  }

  // Reads one game of a text or PDN file and replays it, stopping at nothing.
  static void relire(const std::string& texte, const char* nom_fichier) {
    const std::vector<PartieLue> p = lire_parties(texte, nom_fichier);
    ASSERT_EQ(p.size(), 1u) << texte;
    EXPECT_EQ(p[0].nom_blanc, BLANC);
    EXPECT_EQ(p[0].nom_noir, NOIR);
    const ArretRejeu a = rejouer_partie(p[0], 1, true);
    EXPECT_FALSE(a.arrete) << texte_arret(a, 1);
  }
};

}  // namespace

TEST_F(AllerRetour, GameFile) {
  partie_pleine_nommee();
  nb_demi_coups = 200;  // saved after going back
  trait = BLANCS;
  temps_blancs = 0;
  for (int h = 1; h <= DERNIER_DEMI_COUP; ++h) partie[h].temps_blancs = partie[h].temps_noirs = 7 * h;
  const auto plis = plis_du_record();
  EntreePartie avant[TAILLE_PARTIE];
  std::memcpy(avant, partie, sizeof partie);
  ASSERT_TRUE(ecrire_partie(dossier / "a.dam", 1));
  // Saving leaves the game as it was.
  EXPECT_TRUE(plis_du_record() == plis);

  position_initiale();
  commencer_partie();
  resultat_partie = SANS_RESULTAT;
  std::uint8_t langue = 0;
  std::string raison;
  ASSERT_TRUE(lire_partie(dossier / "a.dam", langue, raison)) << raison;
  ASSERT_EQ(dernier_demi_coup, DERNIER_DEMI_COUP);
  EXPECT_TRUE(plis_du_record() == plis);
  EXPECT_EQ(partie[DERNIER_DEMI_COUP].depart, avant[DERNIER_DEMI_COUP].depart);
  EXPECT_EQ(partie[DERNIER_DEMI_COUP].arrivee, avant[DERNIER_DEMI_COUP].arrivee);
  EXPECT_EQ(nb_demi_coups, 200);
  EXPECT_EQ(trait, BLANCS);
  EXPECT_EQ(resultat_partie, PARTIE_NULLE);
  for (int h = 0; h <= DERNIER_DEMI_COUP; ++h) {
    EXPECT_EQ(nom_du_champ(partie[h].nom_blancs), BLANC) << h;
    EXPECT_EQ(nom_du_champ(partie[h].nom_noirs), NOIR) << h;
    // Entries 253 and 254 carry the settings in their clocks' fields.
    if (h < 253) {
      EXPECT_EQ(partie[h].temps_noirs, avant[h].temps_noirs) << h;
    }
  }
}

TEST_F(AllerRetour, PdnFile) {
  partie_pleine_nommee();
  const auto plis = plis_du_record();
  for (const bool chemins : {false, true}) {
    relire(ecrire_partie_pdn(BLANC, NOIR, resultat_partie, "2024.05.01", chemins), "a.pdn");
    EXPECT_TRUE(plis_du_record() == plis);
    EXPECT_EQ(resultat_partie, PARTIE_NULLE);
  }
}
