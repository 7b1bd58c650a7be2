# The pictures the window shows, drawn by corvane-pictures into the program's
# directory whenever the generator changes.
include(${CMAKE_SOURCE_DIR}/cmake/generate.cmake)
file(GLOB CORVANE_PICTURES_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/pictures/*.cpp)
add_executable(corvane-pictures ${CORVANE_PICTURES_SOURCES})
target_link_libraries(corvane-pictures PRIVATE Qt6::Gui)
# Drawing runs in every build, debug builds too: optimised there as well.
set_source_files_properties(${CORVANE_PICTURES_SOURCES} PROPERTIES COMPILE_OPTIONS "-O2")
corvane_generate(pictures corvane-pictures "Drawing the board pictures")

# The program's icon for the desktop, in the usual sizes (those of
# ICON_SIZES in tools/pictures/outputs.h), into icones/ of the build.
set(CORVANE_TAILLES_ICONES 16 24 32 48 64 128 256)
set(CORVANE_ICONES "")
foreach(taille ${CORVANE_TAILLES_ICONES})
  list(APPEND CORVANE_ICONES ${CMAKE_BINARY_DIR}/icones/${taille}.png)
endforeach()
add_custom_command(
  OUTPUT ${CORVANE_ICONES}
  COMMAND corvane-pictures --icons ${CMAKE_BINARY_DIR}/icones
  DEPENDS corvane-pictures
  COMMENT "Drawing the program's icon")
add_custom_target(icones ALL DEPENDS ${CORVANE_ICONES})
