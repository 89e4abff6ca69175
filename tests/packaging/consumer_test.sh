#!/usr/bin/env bash
# The CMake package: installed from the build tree (component Development)
# into a temporary prefix, it lets a small project of its own
# (tests/fixtures/consumer) configure with find_package(charart), build
# against the installed headers and libraries only, and print the same art
# as charart-cli.
#
#   consumer_test.sh BUILD_DIR CONSUMER_SOURCE_DIR CXX_COMPILER
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$2"
compiler="$3"
work="$(mktemp -d "${TMPDIR:-/tmp}/charart-consumer-XXXXXX")"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --component Development --prefix "$work/prefix" >"$work/install.log" ||
  { cat "$work/install.log" >&2; fail "install"; }
for path in lib/libcharart_imaging.a lib/libcharart_engine.a lib/cmake/charart/charartConfig.cmake \
  include/charart/imaging/core/bitmap.h include/charart/engine/character_art.h; do
  [ -e "$work/prefix/$path" ] || fail "the installed tree lacks $path"
done

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S "$source" -B "$work/build" "${generator[@]}" -DCMAKE_PREFIX_PATH="$work/prefix" \
  -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log" >&2; fail "configure"; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { cat "$work/build.log" >&2; fail "build"; }
# Built from the installed headers, not from charart's source tree.
grep -q -- "$work/prefix/include/charart" "$work/build/compile_commands.json" ||
  fail "the consumer did not use the installed headers"
if grep -q -- "-I$(cd "$build" && cd "$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' CMakeCache.txt)" && pwd)" \
  "$work/build/compile_commands.json"; then
  fail "the consumer reached into charart's source tree"
fi

art="$("$work/build/consumer")" || fail "the consumer failed"
expected="$("$build/cli/charart-cli" --crlf 字)"
[ "$art" = "$expected" ] || fail "the consumer printed other art than charart-cli"
echo "ok: the consumer printed the art of 字 ($(wc -l <<<"$art") rows)"
