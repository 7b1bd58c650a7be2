# The pictures the window shows, drawn by corvane-pictures into the program's
# directory whenever the generator changes.
file(GLOB CORVANE_PICTURES_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/pictures/*.cpp)
add_executable(corvane-pictures ${CORVANE_PICTURES_SOURCES})
target_link_libraries(corvane-pictures PRIVATE Qt6::Gui)
# Drawing runs in every build, debug builds too: optimised there as well.
set_source_files_properties(${CORVANE_PICTURES_SOURCES} PROPERTIES COMPILE_OPTIONS "-O2")

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/pictures.stamp
  COMMAND corvane-pictures ${CORVANE_BIN}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/pictures.stamp
  DEPENDS corvane-pictures
  COMMENT "Drawing the board pictures")
add_custom_target(pictures ALL DEPENDS ${CMAKE_BINARY_DIR}/pictures.stamp)
