// lsan_suppressions.cpp: leak reports the sanitizer build of assetc ignores.
//
// fontconfig (used by librsvg to lay out text) keeps its font cache for the
// life of the process and never frees it; LeakSanitizer reads these hooks at
// exit. They are unused in builds without sanitizers.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}
