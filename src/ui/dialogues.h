// File dialogs and message boxes go through this one seam, so that tests
// replace it and never wait on a modal dialog.
#pragma once

#include <QString>
#include <memory>

class QPrinter;

class QMessageBox;
class QWidget;

class Dialogues {
 public:
  enum class Icone { Information, Avertissement, Erreur };
  virtual ~Dialogues() = default;
  // The chosen file name, empty when the user cancels.
  virtual QString fichier_a_sauver(QWidget* parent, const QString& dossier, const QString& nom,
                                   const QString& filtre, const QString& extension);
  virtual QString fichier_a_ouvrir(QWidget* parent, const QString& dossier, const QString& filtre);
  virtual void message(QWidget* parent, const QString& texte, const QString& titre, Icone icone,
                       const QString& detail = {});
  // A yes-or-no question; true for yes.
  virtual bool question(QWidget* parent, const QString& texte, const QString& titre);
  // The print dialog over `imprimante`: true when the user chose to print
  // (the printer, or a PDF file, set up as chosen).
  virtual bool imprimer(QWidget* parent, QPrinter& imprimante);
};

// For programs without anyone at the screen (pictures, benchmarks): messages
// are printed on the error stream and file dialogs answer "cancel".
class DialoguesSansFenetre : public Dialogues {
 public:
  QString fichier_a_sauver(QWidget*, const QString&, const QString&, const QString&, const QString&) override;
  QString fichier_a_ouvrir(QWidget*, const QString&, const QString&) override;
  void message(QWidget*, const QString& texte, const QString& titre, Icone, const QString& detail) override;
  // Nobody is there to refuse: what was asked for is done.
  bool question(QWidget*, const QString&, const QString&) override { return true; }
  bool imprimer(QWidget*, QPrinter&) override;
};

Dialogues& dialogues();
void installer_dialogues(std::unique_ptr<Dialogues> d);

// The message box Dialogues::message shows, made but not shown (the
// pictures of the window show it as it stands).
std::unique_ptr<QMessageBox> boite_message(QWidget* parent, const QString& texte, const QString& titre,
                                           Dialogues::Icone icone, const QString& detail = {});
