#include "ui/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <map>

namespace {

using G = GenreMenu;

// Shorthands for the table's rows.
EntreeMenu menu(const char* nom, bool visible = false) { return {G::Menu, "", nom, "", false, false, visible, true}; }
EntreeMenu sous_menu(const char* parent, const char* nom, bool construit = true) {
  return {G::SousMenu, parent, nom, "", false, false, true, construit};
}
EntreeMenu article(const char* parent, const char* nom, const char* gestionnaire, bool construit = true) {
  return {G::Article, parent, nom, gestionnaire, false, false, true, construit};
}
EntreeMenu a_venir(const char* parent, const char* nom, const char* gestionnaire) {
  return article(parent, nom, gestionnaire, false);
}
EntreeMenu coche(const char* parent, const char* nom, const char* gestionnaire, bool coche_, bool construit = true) {
  return {G::Article, parent, nom, gestionnaire, coche_, true, true, construit};
}
EntreeMenu separateur(const char* parent) { return {G::Separateur, parent, "", "", false, false, true, true}; }

}  // namespace

const std::vector<EntreeMenu>& table_menus() {
  static const std::vector<EntreeMenu> table = {
      menu("Fichier1"),
      article("Fichier1", "Nouveau2", "Nouveau2Click"),
      coche("Fichier1", "Humaincontrehumain1", "Ordinateur", false),
      coche("Fichier1", "Ordinateurcontreordinateur1", "Ordinateurcontreordinateur1Click", false),
      separateur("Fichier1"),
      article("Fichier1", "Sauver1", "save"),
      article("Fichier1", "Ouvrir1", "ouvre"),
      separateur("Fichier1"),
      a_venir("Fichier1", "Problmes1", "Problmes1Click"),
      article("Fichier1", "Installeruneposition1", "Installeruneposition1Click"),
      separateur("Fichier1"),
      a_venir("Fichier1", "Imprimer1", "Imprimer1Click"),
      article("Fichier1", "Crerunfichiertexte1", "Crerunfichiertexte1Click"),
      article("Fichier1", "CrerunfichierPDN1", "CrerunfichierPDN1Click"),
      article("Fichier1", "Ouvrirunfichiertexte1", "Ouvrirunfichiertexte1Click"),
      {G::Article, "Fichier1", "OuvrirunfichierZUV1", "OuvrirunfichierZUV1Click", false, false, false, false},
      article("Fichier1", "Editerlimagefichierbmp1", "Editerlimagefichierbmp1Click"),
      separateur("Fichier1"),
      article("Fichier1", "Quitter1", "quitter"),

      menu("Edition1"),
      article("Edition1", "Reprendrecoups1", "reprise"),
      article("Edition1", "Avancercoups1", "avancer"),
      article("Edition1", "Reveniraudbut1", "revenir_debut"),
      article("Edition1", "Allerlafin1", "Aller_fin"),

      menu("Affichage1"),
      coche("Affichage1", "Damier2D1", "Damier2D1Click", false),
      coche("Affichage1", "Damier3D1", "Damier3D1Click", false),
      coche("Affichage1", "Damier3D4", "Damier3D4Click", false),
      coche("Affichage1", "Damier3D2", "Damier3D2Click", false),
      coche("Affichage1", "Damier3D3", "Damier3D3Click", false),
      coche("Affichage1", "Damier3D5", "Damier3D5Click", false),
      coche("Affichage1", "Damier3D6", "Damier3D6Click", false),
      coche("Affichage1", "Damier3D7", "Damier3D7Click", false),
      coche("Affichage1", "Damier3D8", "Damier3D8Click", false),
      separateur("Affichage1"),
      article("Affichage1", "Inverserdamier1", "Inverser"),

      menu("Joueurs1"),
      article("Joueurs1", "Match21", "Match21Click"),
      article("Joueurs1", "Effacerunjoueur1", "Effacerunjoueur1Click"),
      article("Joueurs1", "Inverserlesjoueurs1", "inverser_joueurs"),
      article("Joueurs1", "Changerlesnoms1", "Changerlesnoms1Click"),

      menu("Niveau1"),
      coche("Niveau1", "Dbutant1", "Dbutant1Click", false),
      coche("Niveau1", "Niveau01", "Niveau01Click", false),
      coche("Niveau1", "Niveau02", "Niveau02Click", false),
      coche("Niveau1", "Niveau03", "Niveau03Click", false),
      coche("Niveau1", "Niveau04", "Niveau04Click", false),
      coche("Niveau1", "Niveau05", "Niveau05Click", false),
      coche("Niveau1", "Niveau06", "Niveau06Click", false),
      coche("Niveau1", "Niveau07", "Niveau07Click", false),
      coche("Niveau1", "Niveau081", "Niveau081Click", false),
      separateur("Niveau1"),
      sous_menu("Niveau1", "XSpecial1"),
      coche("XSpecial1", "N150coupsen3mn1", "niveau1", false),
      coche("XSpecial1", "N250coupsen5mn1", "niveau2", false),
      coche("XSpecial1", "N350coupsen10mn1", "niveau3", false),
      coche("XSpecial1", "N450coupsen30mn1", "niveau4", false),
      coche("XSpecial1", "N550coupsen1h1", "niveau5", false),
      coche("XSpecial1", "N650coupsen2h1", "niveau6", false),
      coche("XSpecial1", "N7longlong1", "niveau7", false),
      coche("XSpecial1", "N8Autre1", "N8Autre1Click", false),

      menu("Ouvertures1"),
      coche("Ouvertures1", "Bibliothquesactives1", "Bibliothquesactives1Click", true),
      article("Ouvertures1", "Changerbibliothqueouvertures1", "Changerbibliothqueouvertures1Click"),
      article("Ouvertures1", "Ouverturespourlesblancs1", "Ouverturespourlesblancs1Click"),
      article("Ouvertures1", "Ouverturespourlesnoirs1", "Ouverturespourlesnoirs1Click"),
      separateur("Ouvertures1"),
      article("Ouvertures1", "Changerlesparamtres1", "Changer1Click"),
      article("Ouvertures1", "Sauverlesparamtres1", "Sauverlesparamtres1Click"),
      article("Ouvertures1", "Chargerdesparamtres1", "Chargerdesparamtres1Click"),

      menu("Analyse2"),
      a_venir("Analyse2", "Dbuteruneanalyse1", "Analyser"),
      a_venir("Analyse2", "Arrtercettephase1", "pause"),
      a_venir("Analyse2", "Terminerlanalyse1", "Button4Click"),

      menu("Apprentissage1"),
      a_venir("Apprentissage1", "Lancerunesession1", "Lancerunesession1Click"),
      a_venir("Apprentissage1", "Arrterlasession1", "Arrterlasession1Click"),
      a_venir("Apprentissage1", "Chargerdesleons1", "Chargerdesleons1Click"),

      menu("Options1"),
      coche("Options1", "Numroterlescase1", "numerotation", false),
      {G::Article, "Options1", "Alphabeticalnumber1", "Alphabeticalnumber1Click", false, true, false, true},
      article("Options1", "Pause1", "pause"),
      article("Options1", "Horlogeszro1", "Horlogeszro1Click"),
      coche("Options1", "Pause2", "Pause2Click", false),
      separateur("Options1"),
      coche("Options1", "Rflexionsurtempsadverse1", "Rflexionsurtempsadverse1Click", true),
      coche("Options1", "Arretrflexionparclicsouris1", "Arretrflexionparclicsouris1Click", true),
      coche("Options1", "Indicationdesmouvements1", "Indicationdesmouvements1Click", true),
      coche("Options1", "Dcomposerlesprises1", "Dcomposerlesprises1Click", true),
      separateur("Options1"),
      sous_menu("Options1", "Bipchaquecoup1"),
      coche("Bipchaquecoup1", "Bipchaquecoup2", "Bipchaquecoup2Click", true),
      coche("Bipchaquecoup1", "Commentaires1", "Commentaires1Click", true),
      coche("Options1", "Jeuenaveugle1", "Jeuenaveugle1Click", false),
      separateur("Options1"),
      sous_menu("Options1", "Tailledestablesdetransposition1"),
      coche("Tailledestablesdetransposition1", "N0Mo1", "N0Mo1Click", false),
      coche("Tailledestablesdetransposition1", "N07Mo1", "N07Mo1Click", false),
      coche("Tailledestablesdetransposition1", "N15Mo1", "N15Mo1Click", true),
      coche("Tailledestablesdetransposition1", "N3Mo1", "N3Mo1Click", false),
      coche("Tailledestablesdetransposition1", "N5Mo1", "N5Mo1Click", false),
      coche("Tailledestablesdetransposition1", "N10Mo1", "N10Mo1Click", false),
      coche("Tailledestablesdetransposition1", "N15Mo2", "N15Mo2Click", false),
      coche("Tailledestablesdetransposition1", "N30Mo1", "N30Mo1Click", false),

      menu("Aide1", true),
      article("Aide1", "Guide1", "Guide1Click"),
      article("Aide1", "Rgles1", "Rgles1Click"),
      article("Aide1", "Apropos1", "Apropos1Click"),
      separateur("Aide1"),
      sous_menu("Aide1", "Idioma1"),
      coche("Idioma1", "Portugues1", "Button2Click", false, false),
      coche("Idioma1", "Franais1", "Button5Click", true),
      coche("Idioma1", "English1", "Button6Click", false, false),
      coche("Idioma1", "Nederlands1", "Button7Click", false, false),
      coche("Idioma1", "Espanol1", "Button8Click", false, false),
      coche("Idioma1", "Italiano1", "Button1AClick", false, false),
  };
  return table;
}

void construire_menus(QMainWindow* fenetre) {
  std::map<std::string, QMenu*> menus;
  const QMetaObject* meta = fenetre->metaObject();
  for (const EntreeMenu& e : table_menus()) {
    switch (e.genre) {
      case G::Menu: {
        QMenu* m = fenetre->menuBar()->addMenu(e.nom);
        m->setObjectName(e.nom);
        m->menuAction()->setVisible(e.visible);
        menus[e.nom] = m;
        break;
      }
      case G::SousMenu: {
        QMenu* m = menus.at(e.parent)->addMenu(e.nom);
        m->setObjectName(e.nom);
        m->setEnabled(e.construit);
        menus[e.nom] = m;
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
        menus.at(e.parent)->addAction(a);
        if (!e.construit) break;
        const int indice = meta->indexOfSlot(QMetaObject::normalizedSignature((std::string(e.gestionnaire) + "()").c_str()));
        if (indice < 0) qFatal("the main window has no handler %s", e.gestionnaire);
        const QMetaMethod gestionnaire = meta->method(indice);
        // A check mark is the item's state, not an action of its own: the
        // handler decides it, so Qt's automatic toggle is undone first.
        QObject::connect(a, &QAction::triggered, fenetre, [a, fenetre, gestionnaire, cochable = e.cochable] {
          if (cochable) a->setChecked(!a->isChecked());
          gestionnaire.invoke(fenetre);
        });
        break;
      }
    }
  }
}
