// Caption tables: for each language, the captions of the window's
// components by component name, kept as data (one file per language,
// built into the program). A component a table does not name keeps its text.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QWidget;

constexpr int NB_LANGUES = 6;  // French, English, Dutch, Portuguese, Spanish, Italian

using TableLegendes = std::vector<std::pair<QString, QString>>;

// The table of a language, in its file's order; empty for a language whose
// table does not exist yet.
const TableLegendes& table_legendes(int langue);

// The caption of a component in a language, or an empty text.
QString legende(int langue, const QString& composant);

// Sets every caption the table names on the components of `fenetre` (menus,
// actions, labels, buttons, tab pages, windows), found by their names.
void appliquer_legendes(QWidget* fenetre, const TableLegendes& table);
