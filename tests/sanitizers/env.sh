# Options of the sanitizer build's programs (source it before building or testing build-asan):
# leak detection on, a stack trace for undefined behaviour, and the suppressions of leaks
# that belong to the libraries below us (tests/sanitizers/lsan.supp names each one).
sv_sanitizers_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# fast_unwind_on_malloc=0: the Qt libraries have no frame pointers, so the fast unwinder stops
# at the first Qt frame and a leak suppression could never name the library the memory was lost
# in; the full unwinder sees through them.
export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1:check_initialization_order=1:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$sv_sanitizers_dir/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
unset sv_sanitizers_dir
