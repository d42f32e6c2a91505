// Run-time options that every instrumented program of ours starts with, however it is
// started (ctest, the fuzzer, a benchmark, by hand); the *SAN_OPTIONS variables still add
// to them. Each report already ends the program: the code is built without recovery.

// The sanitizer run-time looks these functions up by name. strstr is not checked: the
// speech server's client library reads its list of voices with strstr from each line on,
// which the strict check makes quadratic (minutes for espeak-ng's thousand voices).
// __tls_get_addr is not intercepted: GCC 12's run-time takes a dynamic thread-local block
// that happens to start 16 bytes into a page for an old glibc's, reads its bounds from before
// it, and the leak checker then crashes at exit after the program has done its work.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:"
           "strict_init_order=1:strict_string_checks=1:intercept_strstr=0:"
           "intercept_tls_get_addr=0:suppressions=" ZANTOLI_ASAN_SUPPRESSIONS;
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

extern "C" const char* __lsan_default_options()
{
    return "suppressions=" ZANTOLI_LSAN_SUPPRESSIONS;
}
