# generate_ids.cmake: the header of named ids, made from adventure/ids.tsv.
#
# Run as
#   cmake -DIDS=<ids.tsv> -DMANIFEST=<assets/manifest.tsv> -DOUT=<game_ids.h>
#         [-DSTAMP=<file touched on success>] -P generate_ids.cmake
# Writes one namespace per kind (Scene, Item, Spot, Object) of inline
# constexprs, each with its line's description as a comment. Fails, listing
# every fault, when a row is malformed, an id or a name comes twice within a
# kind, a spot takes an id of the inventory bar (200..255), or the scenes and
# items are not exactly the "scena" and "inv" pictures of the manifest.

cmake_minimum_required(VERSION 3.25)

foreach(_var IDS MANIFEST OUT)
  if(NOT DEFINED ${_var})
    message(FATAL_ERROR "generate_ids.cmake needs -D${_var}=...")
  endif()
endforeach()

# CMake lists split at ';' and do not split inside brackets: keep those
# characters out of the way while the lines are taken apart.
function(_read_rows path out)
  file(READ ${path} _text)
  string(REPLACE ";" "@SEMICOLON@" _text "${_text}")
  string(REPLACE "[" "@OPEN@" _text "${_text}")
  string(REPLACE "]" "@CLOSE@" _text "${_text}")
  string(REPLACE "\r" "" _text "${_text}")
  string(REPLACE "\n" ";" _lines "${_text}")
  set(${out} "${_lines}" PARENT_SCOPE)
endfunction()

function(_restore text out)
  string(REPLACE "@SEMICOLON@" ";" text "${text}")
  string(REPLACE "@OPEN@" "[" text "${text}")
  string(REPLACE "@CLOSE@" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(_kinds scene item spot object)
set(_namespace_scene Scene)
set(_namespace_item Item)
set(_namespace_spot Spot)
set(_namespace_object Object)
set(_type_scene int32_t)   # GameState's scene fields and a step's target
set(_type_item uint16_t)   # ItemId
set(_type_spot int32_t)    # hotspot ids
set(_type_object uint16_t) # TPredmet::id
set(_first_bar_spot 200)   # ids 200..255 are the inventory bar's spots
set(_last_bar_spot 255)

set(_faults "")
foreach(_kind ${_kinds})
  set(_ids_${_kind} "")
  set(_names_${_kind} "")
  set(_body_${_kind} "")
endforeach()

_read_rows(${IDS} _lines)
set(_number 0)
set(_header_seen FALSE)
foreach(_line IN LISTS _lines)
  math(EXPR _number "${_number} + 1")
  if(_line STREQUAL "" OR _line MATCHES "^#")
    continue()
  endif()
  string(REPLACE "\t" ";" _fields "${_line}")
  list(LENGTH _fields _count)
  if(NOT _header_seen)
    set(_header_seen TRUE)
    if(NOT _line STREQUAL "kind\tid\tname\twhat")
      list(APPEND _faults "line ${_number}: the header must be: kind, id, name, what")
    endif()
    continue()
  endif()
  if(NOT _count EQUAL 4)
    list(APPEND _faults "line ${_number}: ${_count} columns, not 4")
    continue()
  endif()
  list(GET _fields 0 _kind)
  list(GET _fields 1 _id)
  list(GET _fields 2 _name)
  list(GET _fields 3 _what)
  if(NOT _kind IN_LIST _kinds)
    list(APPEND _faults "line ${_number}: kind '${_kind}' is none of: ${_kinds}")
    continue()
  endif()
  if(NOT _id MATCHES "^(0|[1-9][0-9]*)$")
    list(APPEND _faults "line ${_number}: id '${_id}' is not a number")
    continue()
  endif()
  if(NOT _name MATCHES "^[A-Z][A-Za-z0-9]*$")
    list(APPEND _faults "line ${_number}: name '${_name}' is not a CamelCase identifier")
    continue()
  endif()
  if(_id IN_LIST _ids_${_kind})
    list(APPEND _faults "line ${_number}: ${_kind} id ${_id} is named twice")
  endif()
  if(_name IN_LIST _names_${_kind})
    list(APPEND _faults "line ${_number}: ${_kind} name ${_name} is used twice")
  endif()
  if(_kind STREQUAL "spot" AND _id GREATER_EQUAL _first_bar_spot AND _id LESS_EQUAL _last_bar_spot)
    list(APPEND _faults "line ${_number}: spot ${_name} = ${_id} lies among the inventory bar's ids")
  endif()
  list(APPEND _ids_${_kind} ${_id})
  list(APPEND _names_${_kind} ${_name})
  _restore("${_what}" _what)
  string(APPEND _body_${_kind}
         "inline constexpr ${_type_${_kind}} ${_name} = ${_id};  // ${_what}\n")
endforeach()

# The scenes and the items are the pictures the manifest names "scena" + n
# and "inv" + n, no more and no fewer.
_read_rows(${MANIFEST} _rows)
set(_pictures_scene "")
set(_pictures_item "")
foreach(_row IN LISTS _rows)
  if(_row MATCHES "^[0-9]+\tscena([0-9]+)\t")
    list(APPEND _pictures_scene ${CMAKE_MATCH_1})
  elseif(_row MATCHES "^[0-9]+\tinv([0-9]+)\t")
    list(APPEND _pictures_item ${CMAKE_MATCH_1})
  endif()
endforeach()
foreach(_kind scene item)
  list(REMOVE_DUPLICATES _pictures_${_kind})
  foreach(_id IN LISTS _pictures_${_kind})
    if(NOT _id IN_LIST _ids_${_kind})
      list(APPEND _faults "the manifest has a picture of ${_kind} ${_id}, which has no name")
    endif()
  endforeach()
  foreach(_id IN LISTS _ids_${_kind})
    if(NOT _id IN_LIST _pictures_${_kind})
      list(APPEND _faults "${_kind} ${_id} has a name but no picture in the manifest")
    endif()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "${IDS} cannot be turned into named ids:\n  ${_text}")
endif()

set(_out "// game_ids.h: the named scenes, items, hotspots and scene objects.\n")
string(APPEND _out "//\n// Made by cmake/generate_ids.cmake from adventure/ids.tsv at build time:\n")
string(APPEND _out "// change the table, not this file.\n#pragma once\n#include <cstdint>\n")
foreach(_kind ${_kinds})
  string(APPEND _out "\nnamespace ${_namespace_${_kind}} {\n${_body_${_kind}}}  // namespace ${_namespace_${_kind}}\n")
endforeach()
# Rewritten only when it changes, so a new manifest row rebuilds nothing.
file(WRITE ${OUT}.new "${_out}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
if(DEFINED STAMP)
  file(TOUCH ${STAMP})
endif()
