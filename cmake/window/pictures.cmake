# The pictures the window shows, drawn by corvane-pictures into the program's
# directory whenever the generator changes.
include(${CMAKE_SOURCE_DIR}/cmake/generate.cmake)
file(GLOB CORVANE_PICTURES_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/pictures/*.cpp)
add_executable(corvane-pictures ${CORVANE_PICTURES_SOURCES})
target_link_libraries(corvane-pictures PRIVATE Qt6::Gui)
# Drawing runs in every build, debug builds too: optimised there as well.
set_source_files_properties(${CORVANE_PICTURES_SOURCES} PROPERTIES COMPILE_OPTIONS "-O2")
corvane_generate(pictures corvane-pictures "Drawing the board pictures")
