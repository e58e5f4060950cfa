# keyloom_windows_program(target NAME name DESCRIPTION text ICON file SOURCES ... DEPS ...):
# one self-contained Windows executable (GUI subsystem, wWinMain, static runtime) with its icon,
# manifest and version information compiled by windres, written beside keyloom.htm and words.mdb.
function(keyloom_windows_program target)
  cmake_parse_arguments(ARG "" "NAME;DESCRIPTION;ICON" "SOURCES;DEPS" ${ARGN})
  set(KEYLOOM_RC_NAME ${ARG_NAME})
  set(KEYLOOM_RC_DESCRIPTION ${ARG_DESCRIPTION})
  set(KEYLOOM_RC_ICON ${ARG_ICON})
  set(KEYLOOM_RC_VERSION ${PROJECT_VERSION}.0)
  string(REPLACE "." "," KEYLOOM_RC_VERSION_COMMAS ${KEYLOOM_RC_VERSION})
  # Resource strings cannot hold a plain double quote.
  string(REPLACE "\"" "'" KEYLOOM_RC_MAKER "${KEYLOOM_MAKER_WEB_NAME}")
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources)
  set(KEYLOOM_RC_MANIFEST ${dir}/${ARG_NAME}.manifest)
  configure_file(${KEYLOOM_WINDOWS_PACKAGING_DIR}/program.manifest.in ${KEYLOOM_RC_MANIFEST} @ONLY)
  configure_file(${KEYLOOM_WINDOWS_PACKAGING_DIR}/program.rc.in ${dir}/${ARG_NAME}.rc @ONLY)
  set_property(SOURCE ${dir}/${ARG_NAME}.rc APPEND PROPERTY OBJECT_DEPENDS
               ${ARG_ICON} ${KEYLOOM_RC_MANIFEST})

  add_executable(${target} WIN32 ${ARG_SOURCES} ${dir}/${ARG_NAME}.rc)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS})
  # Release programs carry no symbols: a third of the size.
  target_link_options(${target} PRIVATE -municode $<$<CONFIG:Release,MinSizeRel>:-s>)
  keyloom_warnings(${target})
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  add_dependencies(${target} help_page)
  if(TARGET words_mdb)
    add_dependencies(${target} words_mdb)
  endif()
endfunction()
set(KEYLOOM_WINDOWS_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
