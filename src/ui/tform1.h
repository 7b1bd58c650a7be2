// The main window: the stage with the 2D board, the 3D board panel, the
// clock panels, the tabs, the hidden panels and the main menu. It owns the
// running game's display; its slots carry the handlers' names.
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "game/session.h"
#include "players/registry.h"
#include "ui/menus.h"
#include "rules/board.h"

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
class FenetreAide;
class Panneau;
class Scene;
class Toile;
class TForm5;
struct ContenuPartie;

// ---- state ----------------------------------------------------------------

extern int intro_terminee;             // 0 until the start-up sequence has run

// Ends the process with an exit status; tests replace it.
extern std::function<void(int)> terminer_processus;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  TForm1();
  ~TForm1() override;

  // Every menu and item, bound once when the menu bar is built.
  Menus menus{};
  // A menu item or menu by its component name (for tests and tools that
  // name them).
  QAction* action(const char* nom) const;
  QMenu* menu(const char* nom) const;
  int langue_cochee() const;  // the language in force (langue_courante)
  // Shows the session: every check mark, enabled state and run-time caption
  // of the window, from the state of the game and the session.
  void montrer_session();
  // Runs a change of the position, the record or the board once no search
  // or move display uses the board: at once, or when the running search has
  // been stopped and has returned.
  void changer_partie(std::function<void()> changement);

  // Where start-up takes the program's directory from; empty: the
  // executable's folder (tests give a folder of their own).
  std::filesystem::path repertoire;
  // Leaving the introduction starts the game loop; tests that drive the
  // window step by step turn this off and run the loop themselves.
  bool boucle_au_depart = true;
  // Animations (the blinking origin, the capture shown step by step) run at
  // this percentage of their length; tests set 0.
  int duree_animation = 100;
  // The piece a set-up click puts on a square.
  int piece_a_placer = 0;
  // 1 while the computer searches (for its move or on the opponent's time).
  int recherche_en_cours = 0;

  // The game: the central loop, the computer's turn, a stored board click,
  // the end of a game.
  void boucle_de_jeu();
  void tour_ordinateur();
  void clic1(int x, int y);
  void fin_de_partie(int code);
  void controle_temps();
  void nouvelle_partie_installer();
  void afficher_horloges();  // both clocks from temps_blancs and temps_noirs
  void afficher_nb_pieces();  // both sides' piece counts, from damier
  // Game files: the game of "last32.dam" at start-up; ListBox1 from the record.
  void reprendre_derniere_partie();
  void reconstruire_liste_coups();
  void afficher_numero_coup();  // Nbcoups3d: the move number of the ply shown
  // The transposition-table size taille_tables (0 read as 100): the table
  // reallocated and the matching size item checked, the others unchecked. A
  // size no item has takes the largest item below it. False (message shown,
  // previous table and item kept) when the memory cannot be had.
  bool regler_taille_tables(int taille);
  // The parameter editor the menu opens (the program's TForm5, or one of
  // this window's own when there is none).
  TForm5* editeur_parametres();

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
  Panneau *Intro, *Panel8, *Nouvelle_partie, *Nouveau_joueur, *Efface_j, *Joueurs, *fin_de_parties, *Match_nul,
      *Panel9, *Patientez, *Zut, *Panel2, *Learn;
  QLabel *Titre_apropos, *Version_apropos, *Version_intro;
  // The new game's tabs, the result, the draw offer, the custom level, the
  // position set-up.
  QTabWidget* Onglets_nouvelle;
  QLineEdit *Joueur0, *Joueur2, *Joueur3, *Nbminutes;
  QRadioButton *Olvendar_blanc, *Olvendar_noir;
  // The players: the Match tab, the registry's lists, the new player, the
  // deletion and the renaming panels.
  QLineEdit *Joueur1, *Joueur, *joueur_efface, *Edit2, *Edit3;
  QRadioButton *Olvendar_blanc1, *Olvendar_noir1, *K1600, *K1700, *K1800;
  QListWidget *ListBox8, *ListBox9, *ListBox10, *ListBox11, *ListBox12, *ListBox13, *ListBox14, *ListBox15;
  QPushButton *RamenerCorvane, *BitBtn7, *O, *BitBtn20, *BitBtn12, *OKjoueur, *Cancel_joueurs;
  QPushButton *BitBtn15, *BitBtn16, *BitBtn17, *Annule_nouveau, *BitBtn13, *BitBtn14, *Annul_nul, *BitBtn24,
      *BitBtn25;
  QLabel *qui_gagne, *Resultat_blanc, *Resultat_noir;
  QToolButton *SpeedButton10, *SpeedButton11, *SpeedButton12, *SpeedButton13, *SpeedButton14;
  QLabel* Piontemoin;
  QPushButton *vider1, *remplir1, *Bas_Haut, *Couleurordi, *Couleurjoue;
  QLineEdit *Blancs, *Noirs;
  // The pick list of a text file of several games, on Panel2.
  QListWidget* ListBox16;
  QPushButton *ListeOK, *ListeCancel;
  QTimer* Timer1;
  FenetreAide* aide = nullptr;

  // The introduction's theme buttons, by theme (0 is the 2D board).
  std::array<QToolButton*, 9> boutons_themes{};
  std::array<QLabel*, 9> noms_themes{};

 public slots:
  // Start-up and shut-down.
  void FormActivate();
  void Introduction();
  void quitter();
  void exiter();
  // Game files.
  void save();
  void ouvre();
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
  void Editerlimagefichierbmp1Click();
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
  // Help, about, languages.
  void Guide1Click();
  void Rgles1Click();
  void Apropos1Click();
  void BitBtn6Click();
  void Button5Click();   // French
  void Button6Click();   // English
  void Button7Click();   // Dutch
  void Button2Click();   // Portuguese
  void Button8Click();   // Spanish
  void Button1AClick();  // Italian
  void Franais1Click();
  void English1Click();
  void Nederlands1Click();
  void Portugues1Click();
  void Espanol1Click();
  void Italiano1Click();
  // The introduction's theme buttons (0: the 2D board, 1..8: the themes).
  void choisir_theme_intro(int theme);
  // The starting position on the board.
  void remplir();
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
  // Moving through the game.
  void reprise();
  void avancer();
  void revenir_debut();
  void Aller_fin();
  void revenir_n();
  void OngletChanging(int page_quittee);
  void OngletChange();
  // Position set-up.
  void Installeruneposition1Click();
  void Entrerpositionclick();
  void vider();
  void Change_dir();
  void Change_couleur();
  void Couleur_joue();
  void SpeedButton10Click();
  void SpeedButton11Click();
  void SpeedButton12Click();
  void SpeedButton13Click();
  void SpeedButton14Click();
  // The computer takes the other side and moves if it now has the move.
  void inverser_joueurs1();
  void inverser_joueurs();
  // The registry and the rated match.
  void Match21Click();
  void BitBtn7Click();
  void OClick();
  void Effacerunjoueur1Click();
  void ListBox7Click();
  void BitBtn20Click();
  void BitBtn12Click();
  void ListBox8Click();
  void ListBox9Click();
  void ListBox10Click();
  void ListBox11Click();
  void BitBtn16Click();
  void RamenerCorvaneClick();
  void Changerlesnoms1Click();
  void OKjoueurClick();
  void Cancel_joueursClick();
  // Evaluation parameters: the editor, its OK and Cancel, saving and loading.
  void Changer1Click();
  void parametreOKClick();
  void parametrecancelClick();
  void Sauverlesparamtres1Click();
  void Chargerdesparamtres1Click();
  // Transposition-table sizes.
  void N0Mo1Click();
  void N07Mo1Click();
  void N15Mo1Click();
  void N3Mo1Click();
  void N5Mo1Click();
  void N10Mo1Click();
  void N15Mo2Click();
  void N30Mo1Click();
  // Opening books: book play on or off, a book set, the two editors.
  void Bibliothquesactives1Click();
  void Changerbibliothqueouvertures1Click();
  void Ouverturespourlesblancs1Click();
  void Ouverturespourlesnoirs1Click();
  // Games as text and PDN files, and the pick list.
  void Crerunfichiertexte1Click();
  void CrerunfichierPDN1Click();
  void Ouvrirunfichiertexte1Click();
  void ListBox16Click();
  void ListeCancelClick();

 protected:
  bool event(QEvent* e) override;
  bool deja_active = false;
  bool images_formulaire_lues = false;
  void choisir_repertoire();          // repertoire_depart: `repertoire` when set, else the program's folder
  void charger_images_formulaire();   // clock icons and the introduction's previews  // the first activation (or first show) has run FormActivate
  void closeEvent(QCloseEvent* e) override;

 private:
  void construire_composants();
  void construire_scene_3d();
  void construire_panneaux_horloges();
  void construire_onglets();
  void construire_panneaux_caches();
  void construire_intro();
  void construire_apropos();
  QAction* action_theme(int theme) const;  // the "Affichage" item of a theme (0: 2D)
  void basculer(bool& option);  // an option of the session turned over, shown
  void charger_theme(int theme);
  bool theme_3d(int theme);  // shows a 3D theme; false when a picture is missing
  void dessiner_fond_3d();
  void changement_complet(int langue);
  void changement_legendes(int langue);
  void liberer_et_terminer();
  void afficher_aide(const char* const pages[6]);
  void installer_crochets();
  void echange_horloges();
  void erreur_fichier(const QString& chemin);
  void construire_nouvelle_partie();
  void construire_panneaux_partie();
  void construire_probleme();
  void executer_changements();
  void montrer_coup_ordinateur(const Coup& m);  // the computer's move drawn, blinking and capturing
  void montrer_avis_prise(bool visible);          // the compulsory-capture notice
  void poser_piece(Case s);                       // a set-up click
  void entrer_ou_quitter_installation();
  void ecrire_liste_coups(int arrivee);
  void supprimer_lignes_reprises();
  void afficher_horloge(Camp camp, std::int32_t secondes);
  void niveau_coche(int n);  // level n as `niveau` counts it
  void aller_a(int demi_coup);  // ply k of the record, once no search runs
  void position_montree();      // the position reached shown: board, clocks, list, counts
  void choisir_piece(int piece, const char* image);
  void attendre_ms(int ms, bool pomper);
  void animer_prise(const Case* escales_, int n, Case arrivee, int piece);
  QString dossier_sauve() const;         // the saved games' folder, made when missing
  void prendre_partie_lue(const ContenuPartie& lue);  // a game file's game taken and shown
  void lire_reglages_derniere_partie();
  void ecrire_derniere_partie();
  bool choisir_taille(int choix);  // size item 0..7
  QString fichier_parametres(bool sauver);  // the dialog's choice in "Parametres", empty: cancelled

  void nommer_joueurs(const QString& blanc, const QString& noir);
  void construire_liste_parties();
  void ecrire_partie_texte(bool pdn);
  void ouvrir_fichier_texte();  // the text or PDN file chosen, its game taken
  int choisir_partie();  // shows the pick list and waits: the game chosen, -1 for none
  int choix_liste_ = -1;
  void mise_a_jour_classement(int resultat);
  // The players' names (cut to 19 characters) in the fields the record
  // copies; the labels show them.
  void nommer(const QString& blanc, const QString& noir);
  // Entrainement and Match: a new game of the human against the computer,
  // which plays camp 0 (black on screen) when `ordinateur_noir`.
  void partie_contre_ordinateur(const QString& joueur, bool ordinateur_noir, bool classee);
  void construire_onglets_joueurs(QWidget* entrainement, QWidget* match, QWidget* humain);
  void construire_panneaux_joueurs();
  void charger_listes_joueurs();  // every list of the registry, from the two files
  void montrer_registre();        // the lists from registre_montre_
  void ecrire_registre_montre(const Registre& r);  // both files; a failure is reported
  bool ordinateur_choisi() const;  // the computer's entry chosen in a list of "Humain contre humain"

  // The registry as the players' lists show it, the computer's rating reset
  // by "Ramener Corvane à 2050" included: what a rated game is scored on.
  Registre registre_montre_;
  int page_onglet_ = 0;  // the page of Onglet before the last change
  bool changement_page_ = false;
  int boucle_en_cours_ = 0;  // game loops running, nested
  QTimer* fin_anticipation_ = nullptr;  // ends the thinking on the human's time
  // Changes waiting for the search to return, and the moves being shown.
  std::vector<std::function<void()>> changements_;
  int coup_en_cours_ = 0;
  struct EnCours {
    explicit EnCours(int& n) : n_(n) { ++n_; }
    ~EnCours() { --n_; }
    int& n_;
  };
  std::uint8_t damier_a_l_entree_[33] = {};  // set-up: the board and side to move it began with
  Camp trait_a_l_entree_ = 0;
  QImage image_fond_3d_;  // damier<n>.bmp of the current theme
  // The themes whose pictures start-up found (themes 3 to 8 are looked for).
  std::array<bool, 9> themes_lisibles_{true, true, true, true, true, true, true, true, true};
};
