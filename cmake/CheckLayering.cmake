# Checks that the modules depend on each other one way only:
#   Platform < BaseKit < LanguageKit < SystemKit, InternalBatteryKit, ThermionKit < ViewKit < Kestrion
# (the three middle modules are siblings: none of them uses another). A file of a module may include,
# link and name only modules ranked below its own:
#   - an #include "<Module>/..." of a module not below;
#   - a module of DEPENDS in kestrion_module(...) of the module's CMakeLists.txt not below;
#   - a string literal that is exactly the name of a module not below (its bundle, string table or
#     translation context);
# and the modules that hold no views (Platform) neither include a Qt Widgets header nor link Qt6::Widgets.
#
#   cmake -DSOURCE_DIR=<tree> -DWIDGETS_DIR=<the QtWidgets include folder> -P CheckLayering.cmake
# Prints every fault as "<file>:<line>: <what>" and fails when there is one.

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "SOURCE_DIR must name the source tree")
endif()
if(NOT WIDGETS_DIR OR NOT EXISTS "${WIDGETS_DIR}/QWidget")
  message(FATAL_ERROR "WIDGETS_DIR must name the folder of the Qt Widgets headers")
endif()

set(rank_Platform 0)
set(rank_BaseKit 1)
set(rank_LanguageKit 2)
set(rank_SystemKit 3)
set(rank_InternalBatteryKit 3)
set(rank_ThermionKit 3)
set(rank_ViewKit 4)
set(rank_Kestrion 5)
set(modules Platform BaseKit LanguageKit SystemKit InternalBatteryKit ThermionKit ViewKit Kestrion)
set(modules_without_views Platform)

set(faults "")
set(fault_count 0)
macro(fault where what)
  string(APPEND faults "${where}: ${what}\n")
  math(EXPR fault_count "${fault_count} + 1")
endmacro()

# Whether module `other` may be used by module `module`: only when it is ranked below.
function(is_below module other result)
  if(rank_${other} LESS rank_${module})
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

foreach(module IN LISTS modules)
  set(folder "${SOURCE_DIR}/${module}")
  if(NOT IS_DIRECTORY "${folder}")
    continue()
  endif()
  list(FIND modules_without_views ${module} without_views)

  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}" "${folder}/*.h" "${folder}/*.cpp")
  list(SORT files)
  foreach(file IN LISTS files)
    # One list item per line: the characters that CMake's lists treat specially are of no interest here.
    file(READ "${SOURCE_DIR}/${file}" content)
    string(REGEX REPLACE "[][;\\]" " " content "${content}")
    string(REPLACE "\n" ";" lines "${content}")
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(line MATCHES "^[ \t]*//")
        continue()
      endif()
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z]+)/")
        set(other "${CMAKE_MATCH_1}")
        if(DEFINED rank_${other} AND NOT other STREQUAL module)
          is_below(${module} ${other} below)
          if(NOT below)
            fault("${file}:${number}" "includes a header of ${other}, which is not below ${module}")
          endif()
        endif()
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(QtWidgets/)?([A-Za-z0-9_]+)(\\.h)?>")
        if(without_views GREATER -1 AND EXISTS "${WIDGETS_DIR}/${CMAKE_MATCH_2}${CMAKE_MATCH_3}")
          fault("${file}:${number}" "includes the Qt Widgets header ${CMAKE_MATCH_2}${CMAKE_MATCH_3}, but ${module} holds no views")
        endif()
      else()
        foreach(other IN LISTS modules)
          if(NOT other STREQUAL module AND line MATCHES "\"${other}\"")
            is_below(${module} ${other} below)
            if(NOT below)
              fault("${file}:${number}" "names ${other}, which is not below ${module}")
            endif()
          endif()
        endforeach()
      endif()
    endforeach()
  endforeach()

  # What the module's library links.
  if(EXISTS "${folder}/CMakeLists.txt")
    file(READ "${folder}/CMakeLists.txt" text)
    string(REGEX MATCH "kestrion_module\\([ \t\r\n]*${module}[^)]*\\)" call "${text}")
    string(REGEX REPLACE "^kestrion_module\\(|\\)$" "" call "${call}")
    string(REGEX REPLACE "[ \t\r\n]+" ";" call "${call}")
    foreach(target IN LISTS call)
      if(DEFINED rank_${target} AND NOT target STREQUAL module)
        is_below(${module} ${target} below)
        if(NOT below)
          fault("${module}/CMakeLists.txt" "links ${target}, which is not below ${module}")
        endif()
      elseif(target STREQUAL "Qt6::Widgets" AND without_views GREATER -1)
        fault("${module}/CMakeLists.txt" "links Qt6::Widgets, but ${module} holds no views")
      endif()
    endforeach()
  endif()
endforeach()

if(fault_count GREATER 0)
  message("${faults}")
  message(FATAL_ERROR "${fault_count} layering faults")
endif()
message(STATUS "The modules depend on each other one way only")
