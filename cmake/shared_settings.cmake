# shared_settings.cmake: what the desktop build and the browser build
# (cmake/web.cmake) both take: the two pages' hosts, the text faces, and the
# named ids made from adventure/ids.tsv.

# The two pages the start panel opens, "http://" + host. Defaults under the
# reserved example domains until the project has pages of its own.
set(VK3_HOSTING_HOST "hosting.example.net" CACHE STRING
    "Host of the hosting provider's page (the www button and the logo's emblem)")
set(VK3_HOME_HOST "varnoklet3.example.org" CACHE STRING
    "Host of the game's home page (the www button)")
set(VK3_WEB_HOSTS_DEFINITIONS
    "VK3_HOSTING_HOST=\"${VK3_HOSTING_HOST}\";VK3_HOME_HOST=\"${VK3_HOME_HOST}\"")

# The game's texts use Liberation Sans Bold, the start panel's captions
# Liberation Sans Regular, both from Debian's fonts-liberation2.
set(VK3_FONT_FILE /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf CACHE FILEPATH
    "TrueType face of the game's texts")
set(VK3_PANEL_FONT_FILE /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf CACHE FILEPATH
    "TrueType face of the start panel")

# vk3_game_ids(TARGET): the named ids (Scene::, Item::, Spot::, Object::) in
# "adventure/game_ids.h", made from adventure/ids.tsv and checked against the
# picture manifest before TARGET compiles, and put on its include path. The
# header is rewritten only when its text changes; a stamp keeps the rule
# from running again until the table, the manifest or the script change.
function(vk3_game_ids target)
  set(dir ${CMAKE_BINARY_DIR}/generated)
  set(header ${dir}/adventure/game_ids.h)
  set(stamp ${CMAKE_BINARY_DIR}/game_ids.stamp)
  add_custom_command(
    OUTPUT ${stamp}
    BYPRODUCTS ${header}
    COMMAND ${CMAKE_COMMAND} -DIDS=${CMAKE_SOURCE_DIR}/adventure/ids.tsv
            -DMANIFEST=${CMAKE_SOURCE_DIR}/assets/manifest.tsv -DOUT=${header}
            -DSTAMP=${stamp} -P ${CMAKE_SOURCE_DIR}/cmake/generate_ids.cmake
    DEPENDS ${CMAKE_SOURCE_DIR}/adventure/ids.tsv ${CMAKE_SOURCE_DIR}/assets/manifest.tsv
            ${CMAKE_SOURCE_DIR}/cmake/generate_ids.cmake
    COMMENT "Naming the scenes, items, hotspots and objects from adventure/ids.tsv"
    VERBATIM)
  add_custom_target(vk3_game_ids DEPENDS ${stamp})
  add_dependencies(${target} vk3_game_ids)
  target_sources(${target} PRIVATE ${header})
  target_include_directories(${target} PUBLIC ${dir})
endfunction()
