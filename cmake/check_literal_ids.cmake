# check_literal_ids.cmake: no number stands for a scene, item, hotspot or
# scene object in the adventure code (the chapters, the puzzles, the scene
# objects, the phone game...); it names them (adventure/ids.tsv).
#
# Run as `cmake -DSOURCE_DIR=<top> -P check_literal_ids.cmake` to check every
# adventure/*.cpp, or with -DFILES=<file;...> to check those files. Fails with every offending line listed, "file:line: text", and the
# count. Caught:
#   .to = 25, .item = 210                      a step's scene or item
#   AddHotspot(47, ...), RemoveHotspot(71)     a hotspot
#   HasItem(208), RemoveItem(205)              an item
#   DejPredmet("drat", 511, 180, 46)           an object id (0 too)
#   WalkFirstTime(flag, 25, 187)               a scene
#   id == 47, Carried() != 205, Here() == 54   a comparison with a hotspot, item
#                                              or scene (0, "nothing carried", is fine)
#   case 47: inside switch (id) or switch (Carried())
#   {24, BuildStop, ...}                       a row of a chapter's scene table
#   {45, 234}                                  a scene and text pair of a dialogue
#   inventory[0] = 206, Pair(clicked, carried, 219, 220)
#   static_cast<uint16_t>(72 + k)              an object id counted from a number
#   constexpr int32_t kRuinScene = 25;         a scene, spot or item under a
#   constexpr uint16_t kMallet = 232;          local name instead of its own
# Texts stay numbered: the text table is their name.

cmake_minimum_required(VERSION 3.25)

if(DEFINED FILES)
  set(_files ${FILES})
else()
  file(GLOB _files ${SOURCE_DIR}/adventure/*.cpp)
endif()

# Keep the brackets of every pattern balanced: an unbalanced one would join
# two list entries.
set(_id "(^|[^A-Za-z0-9_.])(id|hotspotId|scene|back) *[=!<>]=? *[1-9]")
set(_patterns
    "[{,] *\\.(to|item) = [0-9]"
    "(AddHotspot|RemoveHotspot|HasItem|RemoveItem)\\( *[0-9]"
    "DejPredmet\\(.*, *[0-9]+ *\\)"
    "static_cast<uint16_t>\\( *[0-9]"
    "WalkFirstTime\\([^,]*, *[0-9]"
    "${_id}"
    "(Carried|Here)\\(\\) *[=!<>]=? *[1-9]"
    "^ *{ *[0-9]+ *, *(Build|nullptr)"
    "{ *[0-9]+ *, *[0-9]+ *}"
    "inventory\\[[0-9a-z]*\\] *= *[1-9]"
    "Pair\\([^,]*,[^,]*, *[0-9]"
    "constexpr [a-z0-9_]+ k[A-Za-z0-9]*(Scene|Spot|Id) *= *[0-9]"
    "constexpr uint16_t k[A-Za-z0-9]* *= *2[0-9][0-9]")

# The report is one string: the lines hold ';', which would split a list.
set(_report "")
set(_count 0)
foreach(_file ${_files})
  if(NOT EXISTS ${_file})
    string(APPEND _report "\n  ${_file}: missing")
    math(EXPR _count "${_count} + 1")
    continue()
  endif()
  # CMake lists split at ';' and not inside brackets: the lines are taken
  # apart with those characters masked, and each is restored before matching.
  file(READ ${_file} _text)
  string(REPLACE ";" "@SEMICOLON@" _text "${_text}")
  string(REPLACE "[" "@OPEN@" _text "${_text}")
  string(REPLACE "]" "@CLOSE@" _text "${_text}")
  string(REPLACE "\n" ";" _lines "${_text}")
  set(_number 0)
  set(_id_switch FALSE)
  foreach(_masked IN LISTS _lines)
    math(EXPR _number "${_number} + 1")
    string(REPLACE "@SEMICOLON@" ";" _line "${_masked}")
    string(REPLACE "@OPEN@" "[" _line "${_line}")
    string(REPLACE "@CLOSE@" "]" _line "${_line}")
    string(REGEX REPLACE "//.*" "" _code "${_line}")
    if(_code MATCHES "switch \\(")
      if(_code MATCHES "switch \\((id|hotspotId|Carried\\(\\))\\)")
        set(_id_switch TRUE)
      else()
        set(_id_switch FALSE)
      endif()
    endif()
    set(_hit FALSE)
    foreach(_pattern IN LISTS _patterns)
      if(_code MATCHES "${_pattern}")
        set(_hit TRUE)
      endif()
    endforeach()
    if(_id_switch AND _code MATCHES "case +[1-9]")
      set(_hit TRUE)
    endif()
    if(_hit)
      get_filename_component(_name ${_file} NAME)
      string(STRIP "${_line}" _text)
      string(APPEND _report "\n  ${_name}:${_number}: ${_text}")
      math(EXPR _count "${_count} + 1")
    endif()
  endforeach()
endforeach()

if(_count GREATER 0)
  message(FATAL_ERROR "${_count} lines name a scene, item, hotspot or object by number "
                      "(name it in adventure/ids.tsv and write Scene::, Item::, Spot::, "
                      "Object::):${_report}")
endif()
list(LENGTH _files _checked)
message(STATUS "${_checked} files checked: every scene, item, hotspot and object has its name")
