# Run when installing (cmake/install.cmake sets CORVANE_BIN and
# CORVANE_PARTAGE): the pictures corvane-pictures drew into the program's
# directory, each installed at its own place under CORVANE_PARTAGE. They are
# the folders Images<n> and, beside them, the boards, the previews and the
# set-up buttons; the folder holds nothing else of these names.
file(GLOB images RELATIVE ${CORVANE_BIN} ${CORVANE_BIN}/Images*/* ${CORVANE_BIN}/damier*.bmp
     ${CORVANE_BIN}/apercu*.bmp ${CORVANE_BIN}/*48.Bmp)
list(LENGTH images nombre)
if(nombre LESS 100)
  message(FATAL_ERROR "only ${nombre} pictures in ${CORVANE_BIN}: build first")
endif()
list(SORT images)
foreach(image ${images})
  get_filename_component(dossier ${image} DIRECTORY)
  file(INSTALL ${CORVANE_BIN}/${image} DESTINATION ${CORVANE_PARTAGE}/${dossier})
endforeach()
