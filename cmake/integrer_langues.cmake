# cmake -DDOSSIER=data/langues -DSORTIE=file.cpp -P integrer_langues.cmake:
# the six language tables as one C++ array, in the order of the languages
# (French, English, Dutch, Portuguese, Spanish, Italian).
set(NOMS francais anglais neerlandais portugais espagnol italien)
set(texte "// Made by the build from data/langues: edit those files, not this one.\n")
string(APPEND texte "#include <string_view>\n\nextern const std::string_view TABLES_LANGUES[6];\n")
string(APPEND texte "const std::string_view TABLES_LANGUES[6] = {\n")
foreach(nom ${NOMS})
  file(READ ${DOSSIER}/${nom}.txt contenu)
  string(FIND "${contenu}" ")langue\"" delimiteur)
  if(NOT delimiteur EQUAL -1)
    message(FATAL_ERROR "${nom}.txt holds the text that ends the raw string")
  endif()
  string(APPEND texte "    R\"langue(${contenu})langue\",\n")
endforeach()
string(APPEND texte "};\n")
file(WRITE ${SORTIE} "${texte}")
