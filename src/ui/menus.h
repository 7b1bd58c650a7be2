// The main menu as a table: every item, submenu and separator with its
// component name, its handler, its initial check mark and visibility, and
// whether its behaviour is built yet (items still to come are shown
// disabled and are bound to nothing).
#pragma once

#include <QMainWindow>
#include <vector>

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
};

const std::vector<EntreeMenu>& table_menus();

// Builds the menu bar of `fenetre` from the table: actions and menus are
// children of the window named after their components, with the handler
// name in the property "gestionnaire"; built items are connected to the
// window's slot of that name.
void construire_menus(QMainWindow* fenetre);
