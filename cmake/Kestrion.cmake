# Helpers shared by every module: one static library per module folder, one test binary per module,
# one benchmark program per module, and the module's resource bundle in the build tree.

# A header with Q_OBJECT that the CONFIGURE_DEPENDS glob finds on a later build is added to the target's
# autogen list when CMake re-runs, but with CMake 3.25 and Ninja the autogen step itself does not run
# again: its stamp depends only on the files it already knew. The new header is then never moc'ed and
# the link fails with "undefined reference to `vtable for ...'" until the build folder is wiped. So
# when the list of files changes, the stamp is removed and the autogen step runs on the next build.
function(kestrion_rescan_moc_on_new_files target sources)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(old "")
  if(EXISTS ${list_file})
    file(READ ${list_file} old)
  endif()
  if(NOT old STREQUAL "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    file(WRITE ${list_file} "${sources}")
  endif()
endfunction()

# kestrion_precompile(<target> <sources> [EXTRA <headers>...] [WITH <target>])
# Precompiles, once per target, the standard and Qt headers that at least three of its sources include,
# so that each source no longer parses them again; that parse is most of a source's compile time. The
# list follows the sources by itself. EXTRA names more headers taken the same way (the test framework's,
# say); WITH adds those of another target (a module's, for its tests, whose sources reach the module's
# headers through its own). KESTRION_PCH=OFF builds every source on its own.
function(kestrion_precompile target sources)
  cmake_parse_arguments(ARG "" "WITH" "EXTRA" ${ARGN})
  if(NOT KESTRION_PCH)
    return()
  endif()
  set(counted)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*<[^>]+>")
    set(seen)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>.*$" "\\1" header "${line}")
      # Standard library headers and Qt's class headers only: no C or system headers, whose macros a
      # source might want to set up first.
      if(header MATCHES "^[a-z_]+$" OR header MATCHES "^(Qt[A-Za-z]+/)?Q[A-Za-z]+$")
        list(APPEND seen ${header})
      else()
        list(FIND ARG_EXTRA ${header} extra)
        if(NOT extra EQUAL -1)
          list(APPEND seen ${header})
        endif()
      endif()
    endforeach()
    list(REMOVE_DUPLICATES seen)
    list(APPEND counted ${seen})
  endforeach()
  set(headers)
  set(std)
  set(counted_left ${counted})
  list(REMOVE_DUPLICATES counted)
  foreach(header IN LISTS counted)
    set(rest ${counted_left})
    list(FILTER rest INCLUDE REGEX "^${header}$")
    list(LENGTH rest uses)
    if(uses GREATER_EQUAL 3)
      # The standard library first, then Qt, then the rest, each in a stable order.
      if(header MATCHES "^[a-z_]+$")
        list(APPEND std <${header}>)
      else()
        list(APPEND headers <${header}>)
      endif()
    endif()
  endforeach()
  if(ARG_WITH)
    get_target_property(with_std ${ARG_WITH} KESTRION_PRECOMPILED_STD)
    get_target_property(with_headers ${ARG_WITH} KESTRION_PRECOMPILED)
    if(with_std)
      list(APPEND std ${with_std})
    endif()
    if(with_headers)
      list(APPEND headers ${with_headers})
    endif()
    list(REMOVE_DUPLICATES std)
    list(REMOVE_DUPLICATES headers)
  endif()
  list(SORT std)
  list(SORT headers)
  set_target_properties(${target} PROPERTIES KESTRION_PRECOMPILED_STD "${std}" KESTRION_PRECOMPILED "${headers}")
  if(std OR headers)
    target_precompile_headers(${target} PRIVATE ${std} ${headers})
  endif()
endfunction()

# kestrion_module(<Module> [DEPENDS <targets>...])
# Builds every .cpp below the module folder into the library <Module>; headers are included as
# "<Module>/<Sub>/<Name>.h" from the source root.
function(kestrion_module name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$")
  set(cpp ${sources})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    target_compile_definitions(${name} PRIVATE KESTRION_MODULE_NAME="${name}")
    kestrion_rescan_moc_on_new_files(${name} "${sources}")
    kestrion_precompile(${name} "${sources}")
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# kestrion_bundle(<Module> <source folder>)
# Copies a module's resources to share/kestrion/<Module>_<Module>.bundle in the build tree, so the
# program finds them there exactly as it does when installed.
function(kestrion_bundle name folder)
  set(dest ${KESTRION_BUNDLE_DIR}/${name}_${name}.bundle)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*)
  # Translation sources are compiled into the bundle by kestrion_translations, not copied.
  list(FILTER files EXCLUDE REGEX "\\.ts$")
  set(outputs)
  foreach(f IN LISTS files)
    add_custom_command(OUTPUT ${dest}/${f}
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${folder}/${f} ${dest}/${f}
                       DEPENDS ${folder}/${f})
    list(APPEND outputs ${dest}/${f})
  endforeach()
  add_custom_target(${name}_bundle ALL DEPENDS ${outputs})
  file(MAKE_DIRECTORY ${dest})
  add_dependencies(${name} ${name}_bundle)
endfunction()

# kestrion_translations(<Module> <ts files>...)
# Compiles the module's translation sources into <Module>_<Module>.bundle/translations/*.qm.
function(kestrion_translations name)
  set(dest ${KESTRION_BUNDLE_DIR}/${name}_${name}.bundle/translations)
  file(MAKE_DIRECTORY ${dest})
  set_source_files_properties(${ARGN} PROPERTIES OUTPUT_LOCATION ${dest})
  qt_add_lrelease(${name} TS_FILES ${ARGN} QM_FILES_OUTPUT_VARIABLE qm_files)
  add_custom_target(${name}_translations ALL DEPENDS ${qm_files})
  add_dependencies(${name} ${name}_translations)
endfunction()

# kestrion_tests(<Module> [DEPENDS <targets>...] [TIMING <Suite.Test>...])
# One GoogleTest binary per module from tests/<Module>/*.cpp, with the shared main that creates
# the QApplication. The tests named after TIMING read a clock (a wait bounded in time, a duration they
# compare): they carry the label "timing" too, and CI runs them again beside a loaded machine, so that
# a verdict that depends on the load shows when the change lands.
function(kestrion_tests name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;TIMING" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${name}Tests ${sources} ${CMAKE_SOURCE_DIR}/tests/TestMain.cpp)
  set_target_properties(${name}Tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_include_directories(${name}Tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  kestrion_rescan_moc_on_new_files(${name}Tests "${sources}")
  # The shared main makes a QApplication.
  target_link_libraries(${name}Tests PRIVATE ${name} ${ARG_DEPENDS} Qt6::Widgets Qt6::Test GTest::gtest GTest::gmock)
  target_compile_definitions(${name}Tests PRIVATE
    KESTRION_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures"
    KESTRION_BINARY_DIR="${CMAKE_BINARY_DIR}")
  kestrion_precompile(${name}Tests "${sources}" EXTRA gtest/gtest.h gmock/gmock.h WITH ${name})
  kestrion_line_tables_only(${name}Tests)
  if(ARG_TIMING)
    list(JOIN ARG_TIMING ":" timing)
    gtest_discover_tests(${name}Tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER "-${timing}"
                         PROPERTIES LABELS ${name} TIMEOUT 300)
    # PROPERTIES takes one word a value (a list's parts would become properties of their own), so the
    # second label is given once the tests are known, by a file ctest reads after the discovery's.
    gtest_discover_tests(${name}Tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER "${timing}"
                         TEST_LIST ${name}_timing_tests PROPERTIES LABELS ${name} TIMEOUT 300)
    set(labels ${CMAKE_CURRENT_BINARY_DIR}/${name}TimingLabels.cmake)
    file(WRITE ${labels} "set_tests_properties(\${${name}_timing_tests} PROPERTIES LABELS \"${name};timing\")\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${labels})
  else()
    gtest_discover_tests(${name}Tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         PROPERTIES LABELS ${name} TIMEOUT 300)
  endif()
  # The whole binary once more as one process in a random order (the seed is printed), so that no
  # test depends on what ran before it in the same process. It is the longest run of its module: a high
  # cost makes ctest start it first rather than after the module's other tests, where a parallel run
  # would wait for it alone. Once ctest has timed a run, its own figures order the next one.
  add_test(NAME ${name}Tests.AllInOneProcessShuffled COMMAND ${name}Tests --gtest_shuffle)
  set_tests_properties(${name}Tests.AllInOneProcessShuffled PROPERTIES LABELS ${name} TIMEOUT 600 COST 1000)
endfunction()

# kestrion_bench(<Module> [DEPENDS <targets>...])
function(kestrion_bench name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name}Bench ${sources})
  target_link_libraries(${name}Bench PRIVATE ${name} ${ARG_DEPENDS} benchmark::benchmark)
  target_compile_definitions(${name}Bench PRIVATE KESTRION_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures")
  kestrion_line_tables_only(${name}Bench)
endfunction()

# kestrion_line_tables_only(<target>)
# A test or benchmark program's own sources carry line tables only in a Debug build: sanitizer reports
# and stack traces name the same functions, files and lines, the sources build faster and the programs
# link and load faster. The modules they test keep their full debug information.
function(kestrion_line_tables_only target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-g1>)
endfunction()
