# check_install.cmake: installs a build into a fresh prefix and checks it.
#
#   cmake -DBUILD_DIR=.. -DPREFIX=.. -DBINDIR=games -DAPP_ID=.. -DSIZES="16;.." -P check_install.cmake
#
# Fails with every fault listed: a file missing, an icon of the wrong size,
# the desktop or metainfo file refused by desktop-file-validate or
# appstreamcli, the installed program not answering --version, sounds of the
# build that did not arrive.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(faults "")
set(share ${PREFIX}/share)
foreach(f ${BINDIR}/varnoklet3 share/applications/${APP_ID}.desktop
          share/metainfo/${APP_ID}.metainfo.xml share/icons/hicolor/scalable/apps/${APP_ID}.svg)
  if(NOT EXISTS ${PREFIX}/${f})
    list(APPEND faults "missing ${f}")
  endif()
endforeach()

# PNG: the IHDR's width and height are the big-endian words at bytes 16 and 20.
foreach(size ${SIZES})
  set(png ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${png})
    list(APPEND faults "missing icon ${size}x${size}")
    continue()
  endif()
  file(READ ${png} head HEX LIMIT 24)
  string(SUBSTRING "${head}" 0 16 magic)
  string(SUBSTRING "${head}" 32 8 w)
  string(SUBSTRING "${head}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
    list(APPEND faults "icon ${size}x${size} is ${w}x${h} (magic ${magic})")
  endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${share}/applications/${APP_ID}.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "error")
  list(APPEND faults "desktop-file-validate: ${out}")
endif()
execute_process(COMMAND appstreamcli validate --no-net ${share}/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  list(APPEND faults "appstreamcli validate: ${out}")
endif()

execute_process(COMMAND ${PREFIX}/${BINDIR}/varnoklet3 --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^varnoklet3 [0-9]+\\.[0-9]+")
  list(APPEND faults "installed varnoklet3 --version gave ${rc}: ${out}${err}")
endif()

# Sounds the build made must all arrive where the program looks for them.
file(GLOB built RELATIVE ${BUILD_DIR}/gamedata ${BUILD_DIR}/gamedata/*)
foreach(f ${built})
  if(NOT EXISTS ${share}/varnoklet3/gamedata/${f})
    list(APPEND faults "gamedata/${f} not installed")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The installed layout is wrong:\n  ${text}")
endif()
list(LENGTH built n)
message(STATUS "Installed layout in ${PREFIX} is complete (${n} sound files)")
