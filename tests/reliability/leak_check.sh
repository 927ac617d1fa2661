#!/bin/sh
# leak_check.sh COMMAND [ARG…]: runs COMMAND (built with AddressSanitizer) under LeakSanitizer and
# fails on every leak the program's own code allocated, and on nothing else.
#
# A leak counts as ours when the first frame above the allocator is in our executable: our code,
# or a header of a library inlined into it. Allocations made inside a shared library (Qt, libdbus,
# fontconfig) are the library's own: each new release of those leaks differently, so they are
# listed as not ours instead of being suppressed by name. Exit: COMMAND's own failure, else 1 when
# any leak is ours, else 0.
set -u
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=1:log_path=$dir/asan" \
  LSAN_OPTIONS="exitcode=0:report_objects=0" "$@"
code=$?
logs=$(ls "$dir"/asan.* 2>/dev/null)
if [ "$code" -ne 0 ]; then
  echo "leak_check.sh: $1 ended with exit code $code" >&2
  [ -z "$logs" ] || cat $logs >&2
  exit "$code"
fi
[ -n "$logs" ] || { echo "no leaks"; exit 0; }
cat $logs | awk '
  function flush() {
    if (size == "") return
    if (ours) { mine += size; print block > "/dev/stderr" } else { theirs += size; nt++ }
    size = ""
  }
  /^(Direct|Indirect) leak of [0-9]+ byte/ { flush(); size = $4; block = $0 "\n"; decided = 0
                                            ours = 0; next }
  size != "" && /^ *#[0-9]+ / {
    block = block $0 "\n"
    if (decided) next
    # The allocator itself: the sanitizer runtime and the C++ and C allocation functions.
    if ($0 ~ /lib(asan|lsan)\.so|libsanitizer|compiler-rt|clang_rt|libstdc\+\+\.so/) next
    if ($0 ~ / in (__interceptor_|___interceptor_)?(malloc|calloc|realloc|reallocarray|posix_memalign|aligned_alloc|memalign|valloc|strdup|strndup|operator new)/) next
    decided = 1
    # A frame in a shared library reads "(/lib/…/libQt6Core.so.6+0x1cac54)", perhaps followed
    # by "(BuildId: …)"; a frame of ours names a source file or our executable.
    ours = ($0 !~ /\(\/[^ ]*\.so[.0-9]*\+0x[0-9a-f]+\)/)
    next
  }
  /^$/ { flush() }
  END {
    flush()
    printf "leaks inside shared libraries, not ours: %d bytes in %d reports\n", theirs, nt
    if (mine > 0) { printf "LEAKS OF OURS: %d bytes (stacks above)\n", mine; exit 1 }
    print "no leak of ours"
  }'
