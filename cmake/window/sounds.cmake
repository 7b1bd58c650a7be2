# The program's sounds, made by corvane-sounds into its directory.
add_executable(corvane-sounds ${CMAKE_SOURCE_DIR}/tools/sounds/main.cpp)

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/sounds.stamp
  COMMAND corvane-sounds ${CORVANE_BIN}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/sounds.stamp
  DEPENDS corvane-sounds
  COMMENT "Making the sounds")
add_custom_target(sounds ALL DEPENDS ${CMAKE_BINARY_DIR}/sounds.stamp)
