# web.cmake: the browser build (Emscripten), included by the top-level
# CMakeLists.txt in place of the desktop build. scripts/web.sh drives it.
#
# The same game: every floor from graphics/ to shell/ as it is, and platform/
# with the browser's entry (platform/web/) in place of the desktop's program,
# start panel window, screenshots and command line. Nothing is generated here:
# the picture containers, the text table and the sounds come from a normal
# build (VK3_HOST_BUILD) and go into the page's preloaded data package with
# the two text faces. The libraries are the ones scripts/web_deps.sh built
# from Debian's sources (VK3_WEB_DEPS), linked by their paths.
set(VK3_WEB_DEPS "" CACHE PATH "Prefix of the WebAssembly libraries (scripts/web_deps.sh)")
set(VK3_HOST_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH
    "A normal build whose pictures, text table and sounds the browser build takes")

set(_host_files
  ${VK3_HOST_BUILD}/assets/pictures.container ${VK3_HOST_BUILD}/assets/panel.container
  ${VK3_HOST_BUILD}/texts/text_table.cpp ${VK3_HOST_BUILD}/gamedata/bgm.qzd
  ${VK3_FONT_FILE} ${VK3_PANEL_FONT_FILE})
foreach(_f ${_host_files})
  if(NOT EXISTS ${_f})
    message(FATAL_ERROR "${_f} is missing: build the host's data first "
            "(cmake --build build --target vk3_pictures vk3_texts vk3_gamedata), or set VK3_HOST_BUILD")
  endif()
endforeach()
set(_libs SDL2_mixer modplug SDL2_ttf freetype SDL2 jpeg z)
foreach(_l ${_libs})
  if(NOT EXISTS ${VK3_WEB_DEPS}/lib/lib${_l}.a)
    message(FATAL_ERROR "lib${_l}.a not found in VK3_WEB_DEPS='${VK3_WEB_DEPS}' (scripts/web_deps.sh)")
  endif()
  list(APPEND _lib_files ${VK3_WEB_DEPS}/lib/lib${_l}.a)
endforeach()

include_directories(${CMAKE_SOURCE_DIR})
set(_sources "")
foreach(_dir graphics sprites texts core adventure shell platform platform/web)
  file(GLOB _s CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${_dir}/*.cpp)
  list(APPEND _sources ${_s})
endforeach()
# The desktop's own parts: its program entry lies in platform/main/.
foreach(_desktop_only font_data command_line desktop screenshot sdl_start_panel)
  list(REMOVE_ITEM _sources ${CMAKE_SOURCE_DIR}/platform/${_desktop_only}.cpp)
endforeach()
list(APPEND _sources ${VK3_HOST_BUILD}/texts/text_table.cpp)

set_source_files_properties(${CMAKE_SOURCE_DIR}/shell/web_hosts.cpp PROPERTIES
  COMPILE_DEFINITIONS "${VK3_WEB_HOSTS_DEFINITIONS}")

add_executable(varnoklet3 ${_sources})
vk3_game_ids(varnoklet3)  # as in the desktop build (cmake/shared_settings.cmake)
target_include_directories(varnoklet3 PRIVATE ${VK3_WEB_DEPS}/include ${VK3_WEB_DEPS}/include/SDL2
                           ${VK3_WEB_DEPS}/include/freetype2)
target_link_libraries(varnoklet3 PRIVATE ${_lib_files})
set_target_properties(varnoklet3 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/www SUFFIX ".js")

# SDL_mixer's audio start-up calls two runtime functions that nothing else pulls in.
file(WRITE ${CMAKE_BINARY_DIR}/library_funcs.json "[\"$autoResumeAudioContext\",\"$dynCall\"]")
# "SHELL:" keeps CMake from merging the repeated --preload-file options.
set(_preload
  "SHELL:--preload-file ${VK3_HOST_BUILD}/assets/pictures.container@/data/pictures.container"
  "SHELL:--preload-file ${VK3_HOST_BUILD}/assets/panel.container@/data/panel.container"
  "SHELL:--preload-file ${VK3_FONT_FILE}@/data/font.ttf"
  "SHELL:--preload-file ${VK3_PANEL_FONT_FILE}@/data/panel_font.ttf"
  "SHELL:--preload-file ${VK3_HOST_BUILD}/gamedata@/gamedata")
target_link_options(varnoklet3 PRIVATE
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB -sENVIRONMENT=web
  "-sEXPORTED_RUNTIME_METHODS=[FS,ccall,UTF8ToString,addRunDependency,removeRunDependency]"
  "-sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_BINARY_DIR}/library_funcs.json"
  -lidbfs.js "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/web/pre.js" ${_preload})
set_property(TARGET varnoklet3 APPEND PROPERTY LINK_DEPENDS
  ${CMAKE_SOURCE_DIR}/web/pre.js ${VK3_HOST_BUILD}/assets/pictures.container ${VK3_HOST_BUILD}/gamedata/bgm.qzd)

# The page beside the program.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/www/index.html
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/web/index.html ${CMAKE_BINARY_DIR}/www/index.html
  DEPENDS ${CMAKE_SOURCE_DIR}/web/index.html
  VERBATIM)
add_custom_target(vk3_web_page ALL DEPENDS ${CMAKE_BINARY_DIR}/www/index.html)
