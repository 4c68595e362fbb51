# Options of the sanitizer build's programs (source it before building or testing build-asan):
# leak detection on, a stack trace for undefined behaviour, and the suppressions of leaks
# that belong to the libraries below us (tests/sanitizers/lsan.supp names each one).
sv_sanitizers_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:strict_init_order=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$sv_sanitizers_dir/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
unset sv_sanitizers_dir
