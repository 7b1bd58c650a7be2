# The program's sounds, made by corvane-sounds into its directory.
include(${CMAKE_SOURCE_DIR}/cmake/generate.cmake)
add_executable(corvane-sounds ${CMAKE_SOURCE_DIR}/tools/sounds/main.cpp)
corvane_generate(sounds corvane-sounds "Making the sounds")
