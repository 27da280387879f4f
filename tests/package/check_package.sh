#!/usr/bin/env bash
# Builds the Debian package of a build directory with cpack and checks it as
# a packager would: every program with its manual page, the desktop entry,
# icon, MAP file type, palette and examples in their usual places; a
# dependency on the package of every library the programs load; manual pages
# that man renders without a warning; a desktop entry that
# desktop-file-validate accepts. Then it unpacks the package into a fresh
# prefix, and installs the build with cmake --install into another, and runs
# the programs from there. Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
programs=(dola dola-check dola-render dola-script dola-demo)
version=$(sed -n 's/^project(DOLA VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "package: FAIL: $*" >&2
  failures=$((failures + 1))
}

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; echo "package: cpack failed" >&2; exit 1; }
deb=$(ls "$work"/out/dola_*.deb)
echo "package: built $(basename "$deb")"

# ---- Files ----
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/files"
expected=(/usr/share/applications/dola.desktop /usr/share/icons/hicolor/scalable/apps/dola.svg
  /usr/share/mime/packages/dola.xml /usr/share/dola/palette.bmp /usr/share/doc/dola/README.md)
for p in "${programs[@]}"; do expected+=("/usr/bin/$p" "/usr/share/man/man1/$p.1.gz"); done
for s in "$source_dir"/examples/*.as; do expected+=("/usr/share/doc/dola/examples/$(basename "$s")"); done
for f in "${expected[@]}"; do grep -qxF "$f" "$work/files" || fail "$f is not in the package"; done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), not $version"

# ---- Dependencies: the package of every library a program loads ----
depends=$(dpkg-deb -f "$deb" Depends)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
dpkg -x "$deb" "$work/root"
for p in "${programs[@]}"; do
  for lib in $(objdump -p "$work/root/usr/bin/$p" | awk '/NEEDED/ {print $2}'); do
    path=$(ldconfig -p | awk -v l="$lib" '$1 == l && !found {print $NF; found = 1}')  # reads to the end: no SIGPIPE
    [ -n "$path" ] || { fail "$p needs $lib, which is not installed here"; continue; }
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -1 | cut -d: -f1) || true
    [ -n "$owner" ] || owner=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1) || true
    [ -n "$owner" ] || { fail "no package owns $path ($lib of $p)"; continue; }
    grep -qxF "$owner" <<<"$depends_names" || fail "$p needs $lib of $owner, which Depends lacks: $depends"
  done
done
echo "package: Depends: $depends"

# ---- Manual pages ----
for p in "${programs[@]}"; do
  page="$work/root/usr/share/man/man1/$p.1.gz"
  [ -f "$page" ] || continue
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "man warns about $p.1: $warnings"
  text=$(MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
  for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS"; do
    grep -q "^$section" <<<"$text" || fail "$p.1 has no $section section"
  done
  grep -q "^ *--version" <<<"$text" || fail "$p.1 does not name --version"
done

# ---- Desktop entry, icon and MAP file type ----
desktop="$work/root/usr/share/applications/dola.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects dola.desktop"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$work/root/usr/bin/$exec_program" ] || fail "the desktop entry runs $exec_program, which is not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$work/root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon named $icon"
mime=$(sed -n 's/^MimeType=\([^;]*\);.*/\1/p' "$desktop")
grep -q "type=\"$mime\"" "$work/root/usr/share/mime/packages/dola.xml" || fail "$mime is not defined in dola.xml"
grep -q '<glob pattern="\*.MAP"' "$work/root/usr/share/mime/packages/dola.xml" || fail "dola.xml does not claim *.MAP"

# ---- Running the unpacked programs, and those of cmake --install ----
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "cmake --install failed"; }
(cd "$work/prefix" && find . -type f | sed 's|^\.|/usr|' | sort) >"$work/installed"
grep -v '/$' "$work/files" | sort | while read -r f; do
  [ -d "$work/root$f" ] || grep -qxF "$f" "$work/installed" || echo "$f"
done >"$work/missing"
[ ! -s "$work/missing" ] || fail "cmake --install lacks what the package holds: $(tr '\n' ' ' <"$work/missing")"
for prefix in "$work/root/usr" "$work/prefix"; do
  for p in dola-check dola; do
    out=$("$prefix/bin/$p" --version) || fail "$prefix/bin/$p --version exits with $?"
    [ "$out" = "$p (DOLA) $version" ] || fail "$prefix/bin/$p --version says: $out"
  done
  "$prefix/bin/dola-demo" "$work/demo" >/dev/null || fail "$prefix/bin/dola-demo could not write a demo world"
  "$prefix/bin/dola-check" "$work/demo/world" >/dev/null || fail "$prefix/bin/dola-check finds errors in the demo world"
  cmp -s "$prefix/share/dola/palette.bmp" "$work/demo/palette.bmp" || fail "the installed palette is not the demo's"
done

if [ "$failures" -gt 0 ]; then
  echo "package: $failures faults" >&2
  exit 1
fi
echo "package: $(grep -vc '/$' "$work/files") files, ${#programs[@]} programs with manual pages, desktop entry valid, installed programs run"
