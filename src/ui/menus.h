// The main menu as a table: every item, submenu and separator with its
// component name, its handler, its initial check mark and visibility, and
// whether its behaviour is built yet (items still to come are shown
// disabled and are bound to nothing). The window keeps each menu and item
// as a member of Menus, bound once when the menu bar is built.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;

// Every menu and item of the main menu, by its component name.
struct Menus {
  // The menus.
  QMenu *Fichier1, *Edition1, *Affichage1, *Joueurs1, *Niveau1, *XSpecial1, *Ouvertures1, *Analyse2,
      *Apprentissage1, *Options1, *Bipchaquecoup1, *Tailledestablesdetransposition1, *Aide1, *Idioma1;
  // Fichier.
  QAction *Nouveau2, *Humaincontrehumain1, *Ordinateurcontreordinateur1, *Sauver1, *Ouvrir1, *Problmes1,
      *Installeruneposition1, *Imprimer1, *Crerunfichiertexte1, *CrerunfichierPDN1, *Ouvrirunfichiertexte1,
      *OuvrirunfichierZUV1, *Editerlimagefichierbmp1, *Quitter1;
  // Edition.
  QAction *Reprendrecoups1, *Avancercoups1, *Reveniraudbut1, *Allerlafin1, *Conseil1, *Copierlaposition1,
      *Copierlapartie1, *Coller1;
  // Affichage.
  QAction *Damier2D1, *Damier3D1, *Damier3D4, *Damier3D2, *Damier3D3, *Damier3D5, *Damier3D6, *Damier3D7,
      *Damier3D8, *Inverserdamier1;
  // Joueurs.
  QAction *Match21, *Effacerunjoueur1, *Inverserlesjoueurs1, *Changerlesnoms1;
  // Niveau.
  QAction *Dbutant1, *Niveau01, *Niveau02, *Niveau03, *Niveau04, *Niveau05, *Niveau06, *Niveau07, *Niveau081,
      *N150coupsen3mn1, *N250coupsen5mn1, *N350coupsen10mn1, *N450coupsen30mn1, *N550coupsen1h1,
      *N650coupsen2h1, *N7longlong1, *N8Autre1;
  // Ouvertures.
  QAction *Bibliothquesactives1, *Changerbibliothqueouvertures1, *Ouverturespourlesblancs1,
      *Ouverturespourlesnoirs1, *Changerlesparamtres1, *Sauverlesparamtres1, *Chargerdesparamtres1;
  // Analyse, Apprentissage.
  QAction *Dbuteruneanalyse1, *Arrtercettephase1, *Terminerlanalyse1, *Lancerunesession1, *Arrterlasession1,
      *Chargerdesleons1;
  // Options.
  QAction *Numroterlescase1, *Alphabeticalnumber1, *Pause1, *Horlogeszro1, *Pause2, *Rflexionsurtempsadverse1,
      *Arretrflexionparclicsouris1, *Indicationdesmouvements1, *Dcomposerlesprises1, *Bipchaquecoup2,
      *Commentaires1, *Jeuenaveugle1, *N0Mo1, *N07Mo1, *N15Mo1, *N3Mo1, *N5Mo1, *N10Mo1, *N15Mo2, *N30Mo1;
  // Aide.
  QAction *Guide1, *Rgles1, *Apropos1, *Portugues1, *Franais1, *English1, *Nederlands1, *Espanol1, *Italiano1;

  // Groups the window sets together, in their own orders.
  std::array<QAction*, 9> themes() const;     // Damier2D1, then the 3D themes 1..8
  std::array<QAction*, 17> niveaux() const;   // `niveau` 0..8, then the special items 1..7 and "Autre"
  std::array<QAction*, 6> langues() const;    // French, English, Dutch, Portuguese, Spanish, Italian
  std::array<QAction*, 8> tailles() const;    // the table sizes, smallest first
};

enum class GenreMenu { Menu, SousMenu, Article, Separateur };

struct EntreeMenu {
  GenreMenu genre;
  const char* parent;        // component name of the menu it stands in ("" for the menu bar)
  const char* nom;           // component name (captions come from the caption table)
  const char* gestionnaire;  // handler slot of the main window
  bool coche;                // checkable and checked at start
  bool cochable;             // has a check mark
  bool visible;              // shown at start
  bool construit;            // its behaviour exists: enabled and bound
  QMenu* Menus::*menu;       // the member it is kept in (menus and submenus)
  QAction* Menus::*article;  // the member it is kept in (items)
  const char* raccourci = nullptr;  // its key, as QKeySequence reads it
};

const std::vector<EntreeMenu>& table_menus();

// Builds the menu bar of `fenetre` from the table into `m`: actions and menus
// are also children of the window named after their components, with the
// handler name in the property "gestionnaire"; built items are connected to
// the slot of that name of the object `gestionnaire` gives for it.
void construire_menus(QMainWindow* fenetre, Menus& m, const std::function<QObject*(const char*)>& gestionnaire);
