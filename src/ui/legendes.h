// The texts of the program in six languages, kept as data (one file per
// language, built into the program): for each language, the captions of the
// window's components by component name, and the catalogue of the texts the
// program composes while it runs, by key ("msg." and a name). A component a
// table does not name keeps its text.
#pragma once

#include <QHash>
#include <QString>
#include <utility>
#include <vector>

class QWidget;

constexpr int NB_LANGUES = 6;  // French, English, Dutch, Portuguese, Spanish, Italian

using TableLegendes = std::vector<std::pair<QString, QString>>;
using Catalogue = QHash<QString, QString>;

// The caption table of a language, in its file's order; empty for a language
// whose file does not exist.
const TableLegendes& table_legendes(int langue);

// The caption of a component in a language, or an empty text.
QString legende(int langue, const QString& composant);

// Sets every caption the table names on the components of `fenetre` (menus,
// actions, labels, buttons, tab pages, windows), found by their names.
void appliquer_legendes(QWidget* fenetre, const TableLegendes& table);

// The catalogue of a language: every "msg." key of its file with its text.
const Catalogue& catalogue(int langue);

// The text of a catalogue key in a language, its %1, %2 ... left for
// QString::arg. A language without the key gives the French text; a key that
// no table holds gives the key itself, so that the fault shows on screen.
QString texte_catalogue(int langue, const char* cle);

// Qt's own texts (the buttons of message boxes, the file and print dialogs)
// in a language: Qt's translation of it is installed in place of the one
// before, English being Qt's own. False when the translation cannot be read
// (Qt then speaks English).
bool charger_traduction_qt(int langue);
