// The main window: the stage with the 2D board, the 3D board panel, the
// clock panels, the tabs, the hidden panels and the main menu. It shows the
// session and runs the game; its other handlers stand in groups by what
// their panels do (navigation, players, files, set-up, editors, start-up),
// each a child of the window.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include <optional>
#include <vector>

#include "game/hooks.h"
#include "game/session.h"
#include "rules/board.h"
#include "ui/menus.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class Panneau;
class Scene;
class Toile;
class CommandesAnalyse;
class CommandesApprentissage;
class CommandesDemarrage;
class CommandesEditeurs;
class CommandesEdition;
class CommandesExercices;
class CommandesImpression;
class CommandesFichiers;
class CommandesInstallation;
class CommandesJoueurs;
class CommandesNavigation;
class CommandesPlateau;
class QPainter;

// ---- state ----------------------------------------------------------------

extern int intro_terminee;  // 0 until the start-up sequence has run

// Ends the process with an exit status; tests replace it.
extern std::function<void(int)> terminer_processus;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  TForm1();
  ~TForm1() override;

  // Every menu and item, bound once when the menu bar is built.
  Menus menus{};
  // The handlers by panel.
  CommandesDemarrage* demarrage;
  CommandesNavigation* navigation;
  CommandesJoueurs* joueurs;
  CommandesFichiers* fichiers;
  CommandesInstallation* installation;
  CommandesEditeurs* editeurs;
  CommandesExercices* exercices;
  CommandesPlateau* plateau;
  CommandesAnalyse* analyse;
  CommandesApprentissage* apprentissage;
  CommandesImpression* impression;
  CommandesEdition* edition;

  // A menu item or menu by its component name (for tests and tools that
  // name them), and the object whose slot a handler name is.
  QAction* action(const char* nom) const;
  QMenu* menu(const char* nom) const;
  QObject* gestionnaire(const char* nom);
  int langue_cochee() const;  // the language in force (langue_courante)
  // Shows the session: every check mark, enabled state and run-time caption
  // of the window, from the state of the game and the session.
  void montrer_session();
  void montrer_coches();     // the menus' check marks
  void montrer_commandes();  // what is enabled, the clocks running or not
  void montrer_textes();     // the captions composed from the state
  // After a change of language: what the window composed while it ran and
  // keeps (the search display, the default names of the players) written
  // again in the language in force.
  void montrer_langue();
  void montrer_recherche();  // the search display, from the state the search last showed
  QStringList lignes_recherche_montrees() const;  // its lines, in the language checked

  // What the result panel says, kept to be written in another language.
  struct ResultatMontre {
    const char* cle = nullptr;  // the announcement's catalogue key; nullptr: none
    QString nom;                // the winner it names
    struct Passage {
      QString nom;
      int avant = 0, apres = 0;
    };
    std::optional<Passage> blanc, noir;  // the rating changes of a rated game
  } resultat_montre;
  // Each name of "Humain contre humain" (Joueur2, Joueur3) is the default
  // one, written in the language in force, until the user gives another.
  std::array<bool, 2> noms_humains_par_defaut{true, true};
  // Runs a change of the position, the record or the board once no search
  // or move display uses the board: at once, or when the running search has
  // been stopped and has returned.
  void changer_partie(std::function<void()> changement);
  // Runs the changes waiting, if no search runs and no move is being shown
  // (the game loop between two passes; the analysis and the learning
  // session between two positions).
  void executer_changements();
  // While one is alive the game is being changed by the loop (a move being
  // shown, a list waiting for its choice): changes wait for it to go.
  class Occupation {
   public:
    explicit Occupation(TForm1& f) : f_(f) { ++f_.coup_en_cours_; }
    ~Occupation() { --f_.coup_en_cours_; }
    Occupation(const Occupation&) = delete;
    Occupation& operator=(const Occupation&) = delete;

   private:
    TForm1& f_;
  };

  // Where start-up takes the program's directory from; empty: the
  // executable's folder (tests give a folder of their own).
  std::filesystem::path repertoire;
  // Leaving the introduction starts the game loop; tests that drive the
  // window step by step turn this off and run the loop themselves.
  bool boucle_au_depart = true;
  // Animations (the blinking origin, the capture shown step by step) run at
  // this percentage of their length; tests set 0.
  int duree_animation = 100;
  // 1 while the computer searches (for its move, on the opponent's time, in
  // an analysis or a learning session).
  int recherche_en_cours = 0;
  bool boucle_en_cours() const { return boucle_en_cours_ > 0; }  // a game loop runs
  bool coup_en_cours() const { return coup_en_cours_ > 0; }      // a move is being shown
  // The themes whose pictures start-up found (themes 3 to 8 are looked for).
  std::array<bool, 9> themes_lisibles_{true, true, true, true, true, true, true, true, true};

  // The game: the central loop, the computer's turn, a stored board click,
  // the end of a game, the players' names, the new game.
  void boucle_de_jeu();
  void tour_ordinateur();
  void clic1(int x, int y);
  void fin_de_partie(int code);
  void controle_temps();
  void nouvelle_partie_installer();
  // The players' names (cut to 19 characters) in the fields the record
  // copies; the labels show them.
  void nommer(const QString& blanc, const QString& noir);
  // Entrainement and Match: a new game of the human against the computer,
  // which plays camp 0 (black on screen) when `ordinateur_noir`.
  void partie_contre_ordinateur(const QString& joueur, bool ordinateur_noir, bool classee);
  void afficher_horloges();   // both clocks from temps_blancs and temps_noirs
  void montrer_coup_ordinateur(const Coup& m);  // the computer's move drawn, blinking and capturing
  void afficher_nb_pieces();  // both sides' piece counts, from damier
  // A player's name as the window shows it: in full while the game read
  // with it is open.
  static QString nom_montre(Camp camp);
  void erreur_fichier(const QString& chemin);  // "Impossible d'ouvrir ce fichier"
  void charger_theme(int theme);                // the board of a theme (0: 2D), as its menu item does
  // The marks on the boards changed (their state): both views show them again.
  void marques_changees();
  // The pieces of the human to move that must capture, marked as the turn
  // begins; none while the computer is to move or a piece is in hand.
  void actualiser_prises_obligatoires();

  // ---- components (named as the window's components) ----------------------
  Scene* scene;  // the window canvas, with the 2D board
  QWidget* Panel10;
  Toile* Image5;
  Panneau *Horlogenoir3d, *Horlogeblanc3d, *N3D, *B3D, *Nbcoups3d, *Panel11, *Abandon, *Proposernul, *Nulrefus,
      *Panel13, *Panel14;
  QLabel *minnoir3d, *secnoir3d, *minblanc3d, *secblanc3d, *Nbn3d, *Nbb3d;
  QLabel *Label29, *Label30, *Label31;
  Panneau *Panel6, *Panel7;
  QLabel *minnoir, *secnoir, *minblanc, *secblanc, *Image3, *Image4, *Nbpionsnoirs, *Nbpionsblancs, *Nom_noir,
      *Nom_blanc;
  QTabWidget* Onglet;
  QWidget *Liste, *Calcul, *Probleme0;
  QListWidget *ListBox1, *ListBox2, *ListBox5, *ListBox6;
  QToolButton *SpeedButton1, *SpeedButton2, *SpeedButton4, *SpeedButton5;
  QPushButton *SpeedButton3, *Abandon1, *Abandon2, *Joue, *Best1;
  QGroupBox* Probleme;
  Panneau* Panel17;
  QPushButton *Button10, *Button11, *Button12, *Button13;
  Panneau *Nouvelle_partie, *Nouveau_joueur, *Efface_j, *Joueurs, *fin_de_parties, *Match_nul, *Panel9, *Patientez,
      *Zut, *Panel2, *Learn;
  // The new game's tabs, the result, the draw offer, the custom level.
  QTabWidget* Onglets_nouvelle;
  QLineEdit *Joueur0, *Joueur2, *Joueur3, *Nbminutes;
  QRadioButton *Olvendar_blanc, *Olvendar_noir;
  QPushButton *BitBtn15, *BitBtn17, *Annule_nouveau, *BitBtn13, *BitBtn14, *Annul_nul, *BitBtn24, *BitBtn25;
  QLabel *qui_gagne, *Resultat_blanc, *Resultat_noir;
  QTimer* Timer1;

 public slots:
  // Board display.
  void placer_pions();
  void afficher_case(int s, int piece);
  void encadrer_case(int s, std::uint32_t couleur);
  void Damier2D1Click();
  void Damier3D1Click();
  void Damier3D2Click();
  void Damier3D3Click();
  void Damier3D4Click();
  void Damier3D5Click();
  void Damier3D6Click();
  void Damier3D7Click();
  void Damier3D8Click();
  void Inverser();
  void numerotation();
  void Alphabeticalnumber1Click();
  void Jeuenaveugle1Click();
  // Clicks on the boards: stored for the game loop.
  void clic(int x, int y);
  void DamierImage1Click(int x, int y);
  // Options that are check marks read by the game.
  void Rflexionsurtempsadverse1Click();
  void Arretrflexionparclicsouris1Click();
  void Indicationdesmouvements1Click();
  void Dcomposerlesprises1Click();
  void Bipchaquecoup2Click();
  void Commentaires1Click();
  // Game modes and the new game.
  void Nouveau2Click();
  void BitBtn15Click();
  void BitBtn17Click();
  void Annule_nouveauClick();
  void Ordinateur();
  void Ordinateurcontreordinateur1Click();
  // End of game, draws, resigning.
  void AbandonClick();
  void ProposernulClick();
  void BitBtn13Click();
  void BitBtn14Click();
  void Annul_nulClick();
  // Levels and clocks.
  void Dbutant1Click();
  void Niveau01Click();
  void Niveau02Click();
  void Niveau03Click();
  void Niveau04Click();
  void Niveau05Click();
  void Niveau06Click();
  void Niveau07Click();
  void Niveau081Click();
  void niveau1();
  void niveau2();
  void niveau3();
  void niveau4();
  void niveau5();
  void niveau6();
  void niveau7();
  void N8Autre1Click();
  void BitBtn24Click();
  void BitBtn25Click();
  void ajouter_temps();
  void Horlogeszro1Click();
  void Pause2Click();
  void pause();
  // The tab pages.
  void OngletChanging(int page_quittee);
  void OngletChange();
  // The computer takes the other side and moves if it now has the move.
  void inverser_joueurs1();
  void inverser_joueurs();

 protected:
  bool event(QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  friend class Occupation;
  void construire_composants();
  void construire_scene_3d();
  void construire_panneaux_horloges();
  void construire_onglets();
  void construire_panneaux_caches();
  void construire_nouvelle_partie();
  void construire_panneaux_partie();
  void installer_crochets();
  QAction* action_theme(int theme) const;  // the "Affichage" item of a theme (0: 2D)
  void basculer(bool& option);             // an option of the session turned over, shown
  bool theme_3d(int theme);                // shows a 3D theme; false when a picture is missing
  void dessiner_fond_3d();
  void dessiner_marques(QPainter& p, bool relief);  // the marks over one view, from their state
  void echange_horloges();
  void montrer_avis_prise(bool visible);        // the compulsory-capture notice
  void afficher_horloge(Camp camp, std::int32_t secondes);
  void niveau_coche(int n);  // level n as `niveau` counts it
  void attendre_ms(int ms, bool pomper);
  void animer_prise(const Case* escales_, int n, Case arrivee, int piece);
  void nommer_joueurs(const QString& blanc, const QString& noir);

  bool deja_active = false;  // the first activation (or first show) has run FormActivate
  int page_onglet_ = 0;      // the page of Onglet before the last change
  bool changement_page_ = false;
  int boucle_en_cours_ = 0;             // game loops running, nested
  QTimer* fin_anticipation_ = nullptr;  // ends the thinking on the human's time
  // Changes waiting for the search to return, and the moves being shown.
  std::vector<std::function<void()>> changements_;
  int coup_en_cours_ = 0;
  QImage image_fond_3d_;  // damier<n>.bmp of the current theme
  // The last state of the search display, its variation copied.
  std::optional<EtatRecherche> etat_recherche_;
  std::vector<Coup> variante_recherche_;
};

// The handler groups, so that whoever holds the window reaches them whole.
#include "ui/analyse.h"
#include "ui/apprentissage.h"
#include "ui/demarrage.h"
#include "ui/editeurs.h"
#include "ui/edition.h"
#include "ui/exercices.h"
#include "ui/fichiers.h"
#include "ui/impression.h"
#include "ui/installation.h"
#include "ui/joueurs.h"
#include "ui/navigation.h"
#include "ui/plateau.h"
