# Writes the manual page of corvane-cli from the tool's own help, so that it
# names every command the tool has:
#   cmake -DCLI=path/to/corvane-cli -DVERSION=x.y -DOUT=corvane-cli.1 -P manual.cmake

# Text as troff reads it: backslashes doubled, and no line starting with a
# control character.
function(en_troff texte sortie)
  string(REPLACE "\\" "\\e" texte "${texte}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" texte "${texte}")
  set(${sortie} "${texte}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE aide RESULT_VARIABLE statut)
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed")
endif()
string(REGEX MATCHALL "\n  [a-z]+ +[^\n]*" lignes "${aide}")
if(NOT lignes)
  message(FATAL_ERROR "no command in the help of ${CLI}")
endif()

set(page ".TH CORVANE-CLI 1 \"\" \"corvane ${VERSION}\" \"Corvane 3D\"
.SH NAME
corvane-cli \\- the draughts engine of Corvane 3D on the command line
.SH SYNOPSIS
.B corvane-cli
.I COMMAND
.RI [ ARGS ]
.br
.B corvane-cli
.I COMMAND
.B \\-\\-help
.SH DESCRIPTION
.B corvane-cli
runs the engine of the draughts program Corvane 3D
.RB ( corvane )
without its window: it lists and counts moves, evaluates and searches
positions, plays the computer against itself, and makes, checks or reads the
program's data files (position keys, endgame databases, opening books,
evaluation parameters, game files).
.PP
Positions are written as FEN as the board shows them: B is the side that moves
first (drawn with the black pieces), squares are numbered 1 to 32 as displayed,
kings are prefixed with K, and ranges such as 1\\-12 are allowed; the start
position is
.BR \"B:W21-32:B1-12\" .
.SH COMMANDS
")
foreach(ligne ${lignes})
  string(REGEX MATCH "^\n  ([a-z]+) +(.*)$" _ "${ligne}")
  set(commande ${CMAKE_MATCH_1})
  execute_process(COMMAND ${CLI} ${commande} --help OUTPUT_VARIABLE detail RESULT_VARIABLE statut)
  if(NOT statut EQUAL 0)
    message(FATAL_ERROR "${CLI} ${commande} --help failed")
  endif()
  en_troff("${CMAKE_MATCH_2}" resume)
  string(REGEX REPLACE "\n+$" "" detail "${detail}")
  string(APPEND detail "\n")
  en_troff("${detail}" detail)
  string(APPEND page ".SS ${commande}\n${resume}.\n.PP\n.nf\n${detail}.fi\n")
endforeach()
string(APPEND page ".SH EXIT STATUS
0 on success; 2, with a one-line message on standard error, on bad input; 1
when the work itself fails.
.SH FILES
.TP
.I share/corvane
the program's shipped data, in the folder of that name of its install
.RI ( /usr/share/corvane
for the Debian package): position keys, endgame databases with their
checksums, opening books and
.IR Parametres/defaut.par .
Run from a folder of its own that holds these files (the build's
.IR bin ),
the tool reads them there.
.TP
.I ~/.local/share/corvane
the user's folder (\\fI$XDG_DATA_HOME/corvane\\fP when that is set): a file of
the same name there is read in place of the shipped one.
")
file(WRITE ${OUT} "${page}")
