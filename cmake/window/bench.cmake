# The window's benchmarks: corvane-window-bench.
if(CORVANE_BENCH)
  find_package(benchmark REQUIRED)
  add_executable(corvane-window-bench ${CMAKE_SOURCE_DIR}/bench/window/window_bench.cpp)
  target_link_libraries(corvane-window-bench PRIVATE corvane_ui Qt6::Test benchmark::benchmark)
  target_compile_definitions(corvane-window-bench PRIVATE CORVANE_BIN_DIR="${CORVANE_BIN}")
  add_dependencies(corvane-window-bench corvane)
endif()
