#include "search/search.h"

Piece piece_jouee_racine = VIDE;
