#include "ui/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <map>

namespace {

using G = GenreMenu;

// Shorthands for the table's rows.
using Menu = QMenu* Menus::*;
using Article = QAction* Menus::*;

EntreeMenu menu(const char* nom, Menu m, bool visible = false) {
  return {G::Menu, "", nom, "", false, false, visible, true, m, nullptr};
}
EntreeMenu sous_menu(const char* parent, const char* nom, Menu m, bool construit = true) {
  return {G::SousMenu, parent, nom, "", false, false, true, construit, m, nullptr};
}
EntreeMenu article(const char* parent, const char* nom, const char* gestionnaire, Article a, bool construit = true) {
  return {G::Article, parent, nom, gestionnaire, false, false, true, construit, nullptr, a};
}
// An item with a key of its own.
EntreeMenu touche(EntreeMenu e, const char* raccourci) {
  e.raccourci = raccourci;
  return e;
}
EntreeMenu coche(const char* parent, const char* nom, const char* gestionnaire, Article a, bool coche_,
                 bool construit = true) {
  return {G::Article, parent, nom, gestionnaire, coche_, true, true, construit, nullptr, a};
}
EntreeMenu separateur(const char* parent) { return {G::Separateur, parent, "", "", false, false, true, true, nullptr, nullptr}; }

}  // namespace

const std::vector<EntreeMenu>& table_menus() {
  static const std::vector<EntreeMenu> table = {
      menu("Fichier1", &Menus::Fichier1),
      article("Fichier1", "Nouveau2", "Nouveau2Click", &Menus::Nouveau2),
      coche("Fichier1", "Humaincontrehumain1", "Ordinateur", &Menus::Humaincontrehumain1, false),
      coche("Fichier1", "Ordinateurcontreordinateur1", "Ordinateurcontreordinateur1Click", &Menus::Ordinateurcontreordinateur1, false),
      separateur("Fichier1"),
      article("Fichier1", "Sauver1", "save", &Menus::Sauver1),
      article("Fichier1", "Ouvrir1", "ouvre", &Menus::Ouvrir1),
      separateur("Fichier1"),
      article("Fichier1", "Problmes1", "Problmes1Click", &Menus::Problmes1),
      article("Fichier1", "Installeruneposition1", "Installeruneposition1Click", &Menus::Installeruneposition1),
      separateur("Fichier1"),
      article("Fichier1", "Imprimer1", "Imprimer1Click", &Menus::Imprimer1),
      article("Fichier1", "Crerunfichiertexte1", "Crerunfichiertexte1Click", &Menus::Crerunfichiertexte1),
      article("Fichier1", "CrerunfichierPDN1", "CrerunfichierPDN1Click", &Menus::CrerunfichierPDN1),
      article("Fichier1", "Ouvrirunfichiertexte1", "Ouvrirunfichiertexte1Click", &Menus::Ouvrirunfichiertexte1),
      {G::Article, "Fichier1", "OuvrirunfichierZUV1", "OuvrirunfichierZUV1Click", false, false, false, false, nullptr,
       &Menus::OuvrirunfichierZUV1},
      article("Fichier1", "Editerlimagefichierbmp1", "Editerlimagefichierbmp1Click", &Menus::Editerlimagefichierbmp1),
      separateur("Fichier1"),
      article("Fichier1", "Quitter1", "quitter", &Menus::Quitter1),

      menu("Edition1", &Menus::Edition1),
      touche(article("Edition1", "Reprendrecoups1", "reprise", &Menus::Reprendrecoups1), "Left"),
      touche(article("Edition1", "Avancercoups1", "avancer", &Menus::Avancercoups1), "Right"),
      touche(article("Edition1", "Reveniraudbut1", "revenir_debut", &Menus::Reveniraudbut1), "Home"),
      touche(article("Edition1", "Allerlafin1", "Aller_fin", &Menus::Allerlafin1), "End"),
      separateur("Edition1"),
      touche(article("Edition1", "Conseil1", "Conseil1Click", &Menus::Conseil1), "Ctrl+H"),
      separateur("Edition1"),
      touche(article("Edition1", "Copierlaposition1", "Copierlaposition1Click", &Menus::Copierlaposition1), "Ctrl+C"),
      touche(article("Edition1", "Copierlapartie1", "Copierlapartie1Click", &Menus::Copierlapartie1), "Ctrl+Shift+C"),
      touche(article("Edition1", "Coller1", "Coller1Click", &Menus::Coller1), "Ctrl+V"),

      menu("Affichage1", &Menus::Affichage1),
      coche("Affichage1", "Damier2D1", "Damier2D1Click", &Menus::Damier2D1, false),
      coche("Affichage1", "Damier3D1", "Damier3D1Click", &Menus::Damier3D1, false),
      coche("Affichage1", "Damier3D4", "Damier3D4Click", &Menus::Damier3D4, false),
      coche("Affichage1", "Damier3D2", "Damier3D2Click", &Menus::Damier3D2, false),
      coche("Affichage1", "Damier3D3", "Damier3D3Click", &Menus::Damier3D3, false),
      coche("Affichage1", "Damier3D5", "Damier3D5Click", &Menus::Damier3D5, false),
      coche("Affichage1", "Damier3D6", "Damier3D6Click", &Menus::Damier3D6, false),
      coche("Affichage1", "Damier3D7", "Damier3D7Click", &Menus::Damier3D7, false),
      coche("Affichage1", "Damier3D8", "Damier3D8Click", &Menus::Damier3D8, false),
      separateur("Affichage1"),
      article("Affichage1", "Inverserdamier1", "Inverser", &Menus::Inverserdamier1),

      menu("Joueurs1", &Menus::Joueurs1),
      article("Joueurs1", "Match21", "Match21Click", &Menus::Match21),
      article("Joueurs1", "Effacerunjoueur1", "Effacerunjoueur1Click", &Menus::Effacerunjoueur1),
      article("Joueurs1", "Inverserlesjoueurs1", "inverser_joueurs", &Menus::Inverserlesjoueurs1),
      article("Joueurs1", "Changerlesnoms1", "Changerlesnoms1Click", &Menus::Changerlesnoms1),

      menu("Niveau1", &Menus::Niveau1),
      coche("Niveau1", "Dbutant1", "Dbutant1Click", &Menus::Dbutant1, false),
      coche("Niveau1", "Niveau01", "Niveau01Click", &Menus::Niveau01, false),
      coche("Niveau1", "Niveau02", "Niveau02Click", &Menus::Niveau02, false),
      coche("Niveau1", "Niveau03", "Niveau03Click", &Menus::Niveau03, false),
      coche("Niveau1", "Niveau04", "Niveau04Click", &Menus::Niveau04, false),
      coche("Niveau1", "Niveau05", "Niveau05Click", &Menus::Niveau05, true),
      coche("Niveau1", "Niveau06", "Niveau06Click", &Menus::Niveau06, false),
      coche("Niveau1", "Niveau07", "Niveau07Click", &Menus::Niveau07, false),
      coche("Niveau1", "Niveau081", "Niveau081Click", &Menus::Niveau081, false),
      separateur("Niveau1"),
      sous_menu("Niveau1", "XSpecial1", &Menus::XSpecial1),
      coche("XSpecial1", "N150coupsen3mn1", "niveau1", &Menus::N150coupsen3mn1, false),
      coche("XSpecial1", "N250coupsen5mn1", "niveau2", &Menus::N250coupsen5mn1, false),
      coche("XSpecial1", "N350coupsen10mn1", "niveau3", &Menus::N350coupsen10mn1, false),
      coche("XSpecial1", "N450coupsen30mn1", "niveau4", &Menus::N450coupsen30mn1, false),
      coche("XSpecial1", "N550coupsen1h1", "niveau5", &Menus::N550coupsen1h1, false),
      coche("XSpecial1", "N650coupsen2h1", "niveau6", &Menus::N650coupsen2h1, false),
      coche("XSpecial1", "N7longlong1", "niveau7", &Menus::N7longlong1, false),
      coche("XSpecial1", "N8Autre1", "N8Autre1Click", &Menus::N8Autre1, false),

      menu("Ouvertures1", &Menus::Ouvertures1),
      coche("Ouvertures1", "Bibliothquesactives1", "Bibliothquesactives1Click", &Menus::Bibliothquesactives1, true),
      article("Ouvertures1", "Changerbibliothqueouvertures1", "Changerbibliothqueouvertures1Click", &Menus::Changerbibliothqueouvertures1),
      article("Ouvertures1", "Ouverturespourlesblancs1", "Ouverturespourlesblancs1Click", &Menus::Ouverturespourlesblancs1),
      article("Ouvertures1", "Ouverturespourlesnoirs1", "Ouverturespourlesnoirs1Click", &Menus::Ouverturespourlesnoirs1),
      separateur("Ouvertures1"),
      article("Ouvertures1", "Changerlesparamtres1", "Changer1Click", &Menus::Changerlesparamtres1),
      article("Ouvertures1", "Sauverlesparamtres1", "Sauverlesparamtres1Click", &Menus::Sauverlesparamtres1),
      article("Ouvertures1", "Chargerdesparamtres1", "Chargerdesparamtres1Click", &Menus::Chargerdesparamtres1),

      menu("Analyse2", &Menus::Analyse2),
      article("Analyse2", "Dbuteruneanalyse1", "Analyser", &Menus::Dbuteruneanalyse1),
      article("Analyse2", "Arrtercettephase1", "pause", &Menus::Arrtercettephase1),
      article("Analyse2", "Terminerlanalyse1", "Button4Click", &Menus::Terminerlanalyse1),

      menu("Apprentissage1", &Menus::Apprentissage1),
      article("Apprentissage1", "Lancerunesession1", "Lancerunesession1Click", &Menus::Lancerunesession1),
      article("Apprentissage1", "Arrterlasession1", "Arrterlasession1Click", &Menus::Arrterlasession1),
      article("Apprentissage1", "Chargerdesleons1", "Chargerdesleons1Click", &Menus::Chargerdesleons1),

      menu("Options1", &Menus::Options1),
      coche("Options1", "Numroterlescase1", "numerotation", &Menus::Numroterlescase1, false),
      {G::Article, "Options1", "Alphabeticalnumber1", "Alphabeticalnumber1Click", false, true, false, true, nullptr,
       &Menus::Alphabeticalnumber1},
      article("Options1", "Pause1", "pause", &Menus::Pause1),
      article("Options1", "Horlogeszro1", "Horlogeszro1Click", &Menus::Horlogeszro1),
      coche("Options1", "Pause2", "Pause2Click", &Menus::Pause2, false),
      separateur("Options1"),
      coche("Options1", "Rflexionsurtempsadverse1", "Rflexionsurtempsadverse1Click", &Menus::Rflexionsurtempsadverse1, true),
      coche("Options1", "Arretrflexionparclicsouris1", "Arretrflexionparclicsouris1Click", &Menus::Arretrflexionparclicsouris1, true),
      coche("Options1", "Indicationdesmouvements1", "Indicationdesmouvements1Click", &Menus::Indicationdesmouvements1, true),
      coche("Options1", "Dcomposerlesprises1", "Dcomposerlesprises1Click", &Menus::Dcomposerlesprises1, true),
      separateur("Options1"),
      sous_menu("Options1", "Bipchaquecoup1", &Menus::Bipchaquecoup1),
      coche("Bipchaquecoup1", "Bipchaquecoup2", "Bipchaquecoup2Click", &Menus::Bipchaquecoup2, true),
      coche("Bipchaquecoup1", "Commentaires1", "Commentaires1Click", &Menus::Commentaires1, true),
      coche("Options1", "Jeuenaveugle1", "Jeuenaveugle1Click", &Menus::Jeuenaveugle1, false),
      separateur("Options1"),
      sous_menu("Options1", "Tailledestablesdetransposition1", &Menus::Tailledestablesdetransposition1),
      coche("Tailledestablesdetransposition1", "N0Mo1", "N0Mo1Click", &Menus::N0Mo1, false),
      coche("Tailledestablesdetransposition1", "N07Mo1", "N07Mo1Click", &Menus::N07Mo1, false),
      coche("Tailledestablesdetransposition1", "N15Mo1", "N15Mo1Click", &Menus::N15Mo1, true),
      coche("Tailledestablesdetransposition1", "N3Mo1", "N3Mo1Click", &Menus::N3Mo1, false),
      coche("Tailledestablesdetransposition1", "N5Mo1", "N5Mo1Click", &Menus::N5Mo1, false),
      coche("Tailledestablesdetransposition1", "N10Mo1", "N10Mo1Click", &Menus::N10Mo1, false),
      coche("Tailledestablesdetransposition1", "N15Mo2", "N15Mo2Click", &Menus::N15Mo2, false),
      coche("Tailledestablesdetransposition1", "N30Mo1", "N30Mo1Click", &Menus::N30Mo1, false),

      menu("Aide1", &Menus::Aide1, true),
      article("Aide1", "Guide1", "Guide1Click", &Menus::Guide1),
      article("Aide1", "Rgles1", "Rgles1Click", &Menus::Rgles1),
      article("Aide1", "Apropos1", "Apropos1Click", &Menus::Apropos1),
      separateur("Aide1"),
      sous_menu("Aide1", "Idioma1", &Menus::Idioma1),
      coche("Idioma1", "Portugues1", "Button2Click", &Menus::Portugues1, false),
      coche("Idioma1", "Franais1", "Button5Click", &Menus::Franais1, true),
      coche("Idioma1", "English1", "Button6Click", &Menus::English1, false),
      coche("Idioma1", "Nederlands1", "Button7Click", &Menus::Nederlands1, false),
      coche("Idioma1", "Espanol1", "Button8Click", &Menus::Espanol1, false),
      coche("Idioma1", "Italiano1", "Button1AClick", &Menus::Italiano1, false),
  };
  return table;
}

std::array<QAction*, 9> Menus::themes() const {
  return {Damier2D1, Damier3D1, Damier3D2, Damier3D3, Damier3D4, Damier3D5, Damier3D6, Damier3D7, Damier3D8};
}

std::array<QAction*, 17> Menus::niveaux() const {
  return {Dbutant1,        Niveau01,        Niveau02,         Niveau03,         Niveau04,       Niveau05,
          Niveau06,        Niveau07,        Niveau081,        N150coupsen3mn1,  N250coupsen5mn1, N350coupsen10mn1,
          N450coupsen30mn1, N550coupsen1h1, N650coupsen2h1,   N7longlong1,      N8Autre1};
}

std::array<QAction*, 6> Menus::langues() const {
  return {Franais1, English1, Nederlands1, Portugues1, Espanol1, Italiano1};
}

std::array<QAction*, 8> Menus::tailles() const { return {N0Mo1, N07Mo1, N15Mo1, N3Mo1, N5Mo1, N10Mo1, N15Mo2, N30Mo1}; }

void construire_menus(QMainWindow* fenetre, Menus& membres, const std::function<QObject*(const char*)>& gestionnaire) {
  std::map<std::string, QMenu*> menus;
  for (const EntreeMenu& e : table_menus()) {
    switch (e.genre) {
      case G::Menu: {
        QMenu* m = fenetre->menuBar()->addMenu(e.nom);
        m->setObjectName(e.nom);
        m->menuAction()->setVisible(e.visible);
        menus[e.nom] = m;
        membres.*e.menu = m;
        break;
      }
      case G::SousMenu: {
        QMenu* m = menus.at(e.parent)->addMenu(e.nom);
        m->setObjectName(e.nom);
        m->setEnabled(e.construit);
        menus[e.nom] = m;
        membres.*e.menu = m;
        break;
      }
      case G::Separateur:
        menus.at(e.parent)->addSeparator();
        break;
      case G::Article: {
        auto* a = new QAction(e.nom, fenetre);
        a->setObjectName(e.nom);
        a->setProperty("gestionnaire", e.gestionnaire);
        a->setCheckable(e.cochable);
        a->setChecked(e.coche);
        a->setVisible(e.visible);
        a->setEnabled(e.construit);
        if (e.raccourci != nullptr) a->setShortcut(QKeySequence(QString::fromLatin1(e.raccourci)));
        menus.at(e.parent)->addAction(a);
        membres.*e.article = a;
        if (!e.construit) break;
        QObject* cible = gestionnaire(e.gestionnaire);
        if (cible == nullptr) qFatal("the main window has no handler %s", e.gestionnaire);
        const QMetaObject* meta = cible->metaObject();
        const QMetaMethod methode =
            meta->method(meta->indexOfSlot(QMetaObject::normalizedSignature((std::string(e.gestionnaire) + "()").c_str())));
        // A check mark is the item's state, not an action of its own: the
        // handler decides it, so Qt's automatic toggle is undone first.
        QObject::connect(a, &QAction::triggered, cible, [a, cible, methode, cochable = e.cochable] {
          if (cochable) a->setChecked(!a->isChecked());
          methode.invoke(cible);
        });
        break;
      }
    }
  }
}
