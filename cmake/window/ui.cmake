# The window program: the Qt layer (a library shared by the program, the
# screenshot tool and the window's tests) over the engine.
find_package(ALSA REQUIRED)

file(GLOB UI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/ui/*.cpp)
list(REMOVE_ITEM UI_SOURCES ${CMAKE_SOURCE_DIR}/src/ui/main.cpp)
# The board pictures' camera comes with it: the marks on the 3D board are
# drawn in the perspective the pictures were drawn in.
add_library(corvane_ui STATIC ${UI_SOURCES} ${CMAKE_SOURCE_DIR}/tools/pictures/geometry.cpp)
target_include_directories(corvane_ui PRIVATE ${CMAKE_SOURCE_DIR}/tools)
target_link_libraries(corvane_ui PUBLIC corvane_engine Qt6::Widgets Qt6::PrintSupport ALSA::ALSA)

# Caption tables, one per language, built into the program.
file(GLOB CORVANE_LANGUES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/langues/*.txt)
qt_add_resources(corvane_ui langues PREFIX /langues BASE ${CMAKE_SOURCE_DIR}/data/langues
  FILES ${CORVANE_LANGUES})

add_executable(corvane ${CMAKE_SOURCE_DIR}/src/ui/main.cpp)
target_link_libraries(corvane PRIVATE corvane_ui)

# Pictures of the window in named states: corvane-shots DIR.
add_executable(corvane-shots ${CMAKE_SOURCE_DIR}/tools/shots/shots.cpp)
target_link_libraries(corvane-shots PRIVATE corvane_ui Qt6::Test)
# Moves are clicked in as the window tests click them.
target_include_directories(corvane-shots PRIVATE ${CMAKE_SOURCE_DIR}/tests)
