// The program's folders: an installed program reads its shipped data from
// the install's share folder and writes into the user's folder, where the
// user's own files override the shipped ones; a program in a folder of its
// own keeps everything there.

#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "support/etat.h"

namespace fs = std::filesystem;

namespace {

class Dossiers : public Moteur {
 protected:
  DossierTemporaire d;
  fs::path bin = d.chemin / "prefixe" / "bin";
  fs::path partage = (bin / DOSSIER_DONNEES_INSTALLEES).lexically_normal();
  fs::path utilisateur = d.chemin / "maison" / ".local" / "share" / "corvane";

  void installer() {
    fs::create_directories(bin);
    fs::create_directories(partage / "Parametres");
    ecrire(partage / "Parametres" / "defaut.par", std::string(TAILLE_PARAMETRES, '\1'));
    ecrire(partage / FICHIER_OUVERTURES_BLANCS, "shipped\n");
  }
};

// An environment variable changed for one test.
class Variable {
 public:
  Variable(const char* nom, const char* valeur) : nom_(nom) {
    if (const char* v = std::getenv(nom)) avant_ = v, avait_ = true;
    if (valeur) ::setenv(nom, valeur, 1);
    else ::unsetenv(nom);
  }
  ~Variable() {
    if (avait_) ::setenv(nom_, avant_.c_str(), 1);
    else ::unsetenv(nom_);
  }

 private:
  const char* nom_;
  std::string avant_;
  bool avait_ = false;
};

}  // namespace

TEST_F(Dossiers, AnInstalledProgramReadsTheShareFolderAndWritesInTheUserFolderItMakes) {
  installer();
  fixer_repertoires(bin, utilisateur);
  EXPECT_EQ(repertoire_depart, partage);
  EXPECT_EQ(repertoire_utilisateur, utilisateur);
  EXPECT_TRUE(fs::is_directory(utilisateur));

  // Shipped files are found whatever the case of their names.
  EXPECT_EQ(chemin_donnee("parametres", "DEFAUT.PAR"), partage / "Parametres" / "defaut.par");
  EXPECT_EQ(chemin_donnee("", FICHIER_OUVERTURES_BLANCS), partage / FICHIER_OUVERTURES_BLANCS);
  // Everything written goes to the user's folder, its subfolders made.
  EXPECT_EQ(chemin_ecriture("", "last32.dam"), utilisateur / "last32.dam");
  EXPECT_EQ(dossier_ecriture("Sauve"), utilisateur / "Sauve");
  EXPECT_TRUE(fs::is_directory(utilisateur / "Sauve"));
  EXPECT_FALSE(fs::exists(partage / "Sauve"));
}

TEST_F(Dossiers, TheUsersOwnFileOfTheSameNameOverridesTheShippedOne) {
  installer();
  fixer_repertoires(bin, utilisateur);
  ASSERT_TRUE(charger_parametres_defaut());
  EXPECT_EQ(parametres_bruts[0], 1);
  ecrire(dossier_ecriture("Parametres") / "defaut.par", std::string(TAILLE_PARAMETRES, '\2'));
  EXPECT_EQ(chemin_donnee("parametres", "defaut.par"), utilisateur / "Parametres" / "defaut.par");
  ASSERT_TRUE(charger_parametres_defaut());
  EXPECT_EQ(parametres_bruts[0], 2);
  EXPECT_EQ(parametres_bruts[TAILLE_PARAMETRES - 1], 2);

  // The books saved as the working ones are the user's, read back first.
  ouvertures_blancs = {"11-15 22-18"};
  ouvertures_noirs = {};
  ASSERT_TRUE(sauver_jeu_ouvertures(dossier_ecriture("Parametres") / "mes.ovv", {}, {"11-15 22-18"}, {}));
  ASSERT_TRUE(charger_jeu_ouvertures(utilisateur / "Parametres" / "mes.ovv"));
  EXPECT_EQ(contenu(partage / FICHIER_OUVERTURES_BLANCS), "shipped\n");
  EXPECT_EQ(chemin_donnee("", FICHIER_OUVERTURES_BLANCS), utilisateur / FICHIER_OUVERTURES_BLANCS);
  ouvertures_blancs.clear();
  charger_bibliotheques();
  EXPECT_EQ(ouvertures_blancs, std::vector<std::string>{"11-15 22-18"});
}

TEST_F(Dossiers, AProgramInAWritableFolderOfItsOwnKeepsEverythingThere) {
  fs::create_directories(bin);
  ecrire(bin / "hashkey33.dat", "");
  fixer_repertoires(bin, utilisateur);
  EXPECT_EQ(repertoire_depart, bin);
  EXPECT_TRUE(repertoire_utilisateur.empty());
  EXPECT_EQ(dossier_ecriture(), bin);
  EXPECT_EQ(chemin_ecriture("", "last32.dam"), bin / "last32.dam");
  EXPECT_EQ(chemin_donnee("", "HASHKEY33.DAT"), bin / "hashkey33.dat");
  EXPECT_FALSE(fs::exists(utilisateur));
}

TEST_F(Dossiers, TheUsualUserFolderFollowsXdgDataHomeElseHome) {
  {
    const Variable xdg("XDG_DATA_HOME", "/donnees");
    EXPECT_EQ(dossier_utilisateur_usuel(), fs::path("/donnees/corvane"));
  }
  const Variable maison("HOME", "/maison/anna");
  {
    const Variable xdg("XDG_DATA_HOME", "relatif");  // not absolute: ignored
    EXPECT_EQ(dossier_utilisateur_usuel(), fs::path("/maison/anna/.local/share/corvane"));
  }
  const Variable xdg("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(dossier_utilisateur_usuel(), fs::path("/maison/anna/.local/share/corvane"));
}

TEST_F(Dossiers, OnlyAPathWhereNothingStandsIsAbsent) {
  ASSERT_FALSE(d.chemin.empty());
  EXPECT_TRUE(fichier_absent(d.chemin / "last32.dam"));
  ecrire(d.chemin / "fichier", "x");
  fs::create_directory(d.chemin / "dossier");
  fs::create_symlink(d.chemin / "nulle-part", d.chemin / "lien");
  for (const char* nom : {"fichier", "dossier", "lien"}) EXPECT_FALSE(fichier_absent(d.chemin / nom)) << nom;
}
