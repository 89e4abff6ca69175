#!/usr/bin/env bash
# The .deb: built with CPack from the build tree, it holds both programs, the
# font alias and the desktop entry and depends on the engine, the face and
# Qt 6; unpacked into a temporary root, its charart-cli prints the same art as
# the build tree's, reading the font alias installed beside it.
#
#   deb_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/charart-deb-XXXXXX")"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb="${debs[0]}"

[ "$(dpkg-deb -f "$deb" Package)" = charart ] || fail "package name"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libgdiplus fonts-arphic-uming libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in ./usr/bin/charart ./usr/bin/charart-cli ./usr/share/charart/charart-fonts.conf \
  ./usr/share/applications/charart.desktop; do
  grep -qx -- "$path" <<<"$contents" || fail "the package lacks $path"
done
if grep -E '\.(h|a)$|cmake/charart' <<<"$contents"; then
  fail "development files belong to the Development component, not the .deb"
fi

dpkg-deb -x "$deb" "$work/root"
cli="$work/root/usr/bin/charart-cli"
expected="$("$build/cli/charart-cli" 字符画)"
installed="$("$cli" 字符画)" || fail "the installed charart-cli failed"
[ "$installed" = "$expected" ] || fail "the installed charart-cli printed other art"

# The alias it reads is the one beside it: point the installed alias at
# another face, and the art changes (or the program refuses the face).
sed -i 's/AR PL UMing CN/DejaVu Sans/g; s/AR PL SungtiL GB/DejaVu Sans/g' \
  "$work/root/usr/share/charart/charart-fonts.conf"
changed="$("$cli" 字符画 2>/dev/null)" || true
[ "$changed" != "$expected" ] || fail "the installed charart-cli did not read its own font alias"
echo "ok: $(basename "$deb"), $(wc -c <"$deb") bytes; Depends: $depends"
