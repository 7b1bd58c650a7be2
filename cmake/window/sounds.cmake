# The program's sounds, made by corvane-sounds into its directory.
include(${CMAKE_SOURCE_DIR}/cmake/generate.cmake)
add_executable(corvane-sounds ${CMAKE_SOURCE_DIR}/tools/sounds/main.cpp)
corvane_generate(sounds corvane-sounds "Making the sounds")
set(CORVANE_SONS ${CORVANE_BIN}/son.wav ${CORVANE_BIN}/gagne.wav ${CORVANE_BIN}/Perdu.wav)  # what it makes
