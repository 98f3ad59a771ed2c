// Under the address sanitizer: fontconfig's pattern cache, which Qt's font database keeps
// for the life of the process, is reported as leaked at exit. It is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
