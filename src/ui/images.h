// Pictures read from the program's folders: names are matched without
// regard to case, files go through the engine's reader (so a missing,
// unreadable or odd file is simply not a picture), and a picture made at
// a multiple of its logical size is drawn at its logical size.
#pragma once

#include <QImage>
#include <QString>
#include <filesystem>

#include "records/files.h"  // chemin_donnee: where a picture is read from

// The picture `nom` of folder `dossier` ("Images1", "" for the program's
// own folder), or a null image. Its device pixel ratio makes it
// `largeur_logique` wide on the stage (0: twice smaller than the file).
QImage charger_image(const std::string& dossier, const std::string& nom, int largeur_logique = 0);

// A plain 2D cell drawn by the program, for when its picture is missing:
// the light square (genre -1) or an image kind 0..4.
QImage cellule_de_secours(int genre);

// Writes the picture as a BMP file, safely (temporary file, then rename).
bool sauver_bmp(const QImage& image, const std::filesystem::path& chemin);
