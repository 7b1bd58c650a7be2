#include "ui/dialogues.h"

#include <cstdio>

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {
std::unique_ptr<Dialogues>& actuels() {
  static std::unique_ptr<Dialogues> d = std::make_unique<Dialogues>();
  return d;
}
}  // namespace

Dialogues& dialogues() { return *actuels(); }
void installer_dialogues(std::unique_ptr<Dialogues> d) { actuels() = std::move(d); }

QString Dialogues::fichier_a_sauver(QWidget* parent, const QString& dossier, const QString& nom,
                                    const QString& filtre, const QString& extension) {
  QFileDialog dialogue(parent, QString(), dossier, filtre);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setDefaultSuffix(extension);
  dialogue.selectFile(nom);
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return {};
  return dialogue.selectedFiles().first();
}

QString Dialogues::fichier_a_ouvrir(QWidget* parent, const QString& dossier, const QString& filtre) {
  return QFileDialog::getOpenFileName(parent, QString(), dossier, filtre);
}

std::unique_ptr<QMessageBox> boite_message(QWidget* parent, const QString& texte, const QString& titre,
                                           Dialogues::Icone icone, const QString& detail) {
  using Icone = Dialogues::Icone;
  auto boite = std::make_unique<QMessageBox>(icone == Icone::Erreur           ? QMessageBox::Critical
                                             : icone == Icone::Avertissement ? QMessageBox::Warning
                                                                             : QMessageBox::Information,
                                             titre, texte, QMessageBox::Ok, parent);
  if (!detail.isEmpty()) boite->setInformativeText(detail);
  return boite;
}

void Dialogues::message(QWidget* parent, const QString& texte, const QString& titre, Icone icone,
                        const QString& detail) {
  boite_message(parent, texte, titre, icone, detail)->exec();
}

bool Dialogues::question(QWidget* parent, const QString& texte, const QString& titre) {
  QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::Yes | QMessageBox::No, parent);
  boite.setDefaultButton(QMessageBox::No);
  return boite.exec() == QMessageBox::Yes;
}

bool Dialogues::imprimer(QWidget* parent, QPrinter& imprimante) {
  QPrintDialog dialogue(&imprimante, parent);
  return dialogue.exec() == QDialog::Accepted;
}

QString DialoguesSansFenetre::fichier_a_sauver(QWidget*, const QString&, const QString&, const QString&,
                                               const QString&) {
  return {};
}

QString DialoguesSansFenetre::fichier_a_ouvrir(QWidget*, const QString&, const QString&) { return {}; }

void DialoguesSansFenetre::message(QWidget*, const QString& texte, const QString& titre, Icone,
                                   const QString& detail) {
  std::fprintf(stderr, "%s: %s %s\n", titre.toLocal8Bit().constData(), texte.toLocal8Bit().constData(),
               detail.toLocal8Bit().constData());
}

bool DialoguesSansFenetre::imprimer(QWidget*, QPrinter&) { return false; }
