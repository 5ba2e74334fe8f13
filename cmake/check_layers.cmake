# check_layers.cmake: the floors of the source tree, checked by their includes.
#
# Run as `cmake -DSOURCE_DIR=<top> -P check_layers.cmake`. A source file may
# include headers of its own folder and of folders on a lower floor, never of
# its own floor's other folders or of a higher floor, so no two folders can
# include each other and the libraries link in one direction only. Fails with
# every offending include listed.
#
#   0 graphics, texts     1 sprites     2 core     3 adventure
#   4 shell (start-up, overlay, saves, start panel)
#   5 platform (the only code that includes SDL)     6 tools
set(_floors graphics 0 texts 0 sprites 1 core 2 adventure 3 shell 4 platform 5 tools 6)

function(_floor_of folder out)
  set(${out} -1 PARENT_SCOPE)
  list(LENGTH _floors _n)
  math(EXPR _last "${_n} - 1")
  foreach(i RANGE 0 ${_last} 2)
    list(GET _floors ${i} _name)
    if(_name STREQUAL folder)
      math(EXPR j "${i} + 1")
      list(GET _floors ${j} _f)
      set(${out} ${_f} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

set(_faults "")
list(LENGTH _floors _n)
math(EXPR _last "${_n} - 2")
foreach(_i RANGE 0 ${_last} 2)
  list(GET _floors ${_i} _folder)
  _floor_of(${_folder} _own)
  file(GLOB_RECURSE _files ${SOURCE_DIR}/${_folder}/*.h ${SOURCE_DIR}/${_folder}/*.cpp)
  foreach(_file ${_files})
    file(STRINGS ${_file} _incs REGEX "^[ \t]*#[ \t]*include[ \t]+\"[a-z_]+/")
    foreach(_inc ${_incs})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([a-z_]+)/.*" "\\1" _target "${_inc}")
      if(_target STREQUAL _folder)
        continue()
      endif()
      _floor_of(${_target} _other)
      if(_other LESS 0)
        continue()
      endif()
      if(NOT _other LESS _own)
        file(RELATIVE_PATH _rel ${SOURCE_DIR} ${_file})
        string(STRIP "${_inc}" _inc)
        list(APPEND _faults "${_rel}: ${_inc} (${_folder}/ may not include ${_target}/)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Includes that break the floors of the source tree:\n  ${_text}")
endif()
