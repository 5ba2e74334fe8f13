# fuzz_settings: the settings-file fuzz target (fuzz_settings.cpp). When
# fuzz/CMakeLists.txt builds every fuzz_*.cpp already, only the extra link of
# the embedded pictures is needed; otherwise this defines the target itself.
# Needs the libFuzzer build (VK3_FUZZ: clang, -fsanitize=fuzzer-no-link).
if(NOT TARGET fuzz_settings)
  add_executable(fuzz_settings ${CMAKE_CURRENT_LIST_DIR}/fuzz_settings.cpp)
  target_link_options(fuzz_settings PRIVATE -fsanitize=fuzzer)
  set_target_properties(fuzz_settings PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endif()
target_link_libraries(fuzz_settings PRIVATE vk3_shell vk3_adventure vk3_core vk3_texts vk3_sprites
                      vk3_graphics vk3_pictures)
# The frames fill and copy pixels; their loops stay uninstrumented for speed.
target_compile_options(vk3_graphics PRIVATE
  -fsanitize-coverage-ignorelist=${CMAKE_CURRENT_LIST_DIR}/coverage_ignore.txt)
