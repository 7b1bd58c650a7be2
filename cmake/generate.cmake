include_guard(GLOBAL)

# corvane_generate(NAME TOOL COMMENT): runs the generator TOOL into the
# program's directory in every build, again whenever TOOL changes; NAME is the
# target of its output.
function(corvane_generate name tool comment)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/${name}.stamp
    COMMAND ${tool} ${CORVANE_BIN}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/${name}.stamp
    DEPENDS ${tool}
    COMMENT "${comment}")
  add_custom_target(${name} ALL DEPENDS ${CMAKE_BINARY_DIR}/${name}.stamp)
endfunction()
