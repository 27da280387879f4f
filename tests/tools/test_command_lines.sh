#!/bin/bash
# The command lines of the editor and of every tool, on one table: each row
# is a program, its arguments, the exit status and a line its output (both
# streams) must hold. No display is needed: none of these rows opens one.
# Usage: test_command_lines.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
version=$(grep -o '"[0-9.]*"' "$build/generated/dola_version.h" | tr -d '"')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'not a bitmap' >"$work/bad.bmp"
cp "$build/demo/world/ZANAB.MAP" "$work/ZANAB.MAP"
long="$work/$(printf 'd%.0s' {1..250})"  # a map path over the 255 characters a map path may hold
mkdir "$long" && cp "$work/ZANAB.MAP" "$long/"
failures=0

# program | arguments | status | a line of the output (grep -E)
table=$(cat <<ROWS
dola|--version|0|^dola \(DOLA\) $version$
dola|--help|0|^usage: dola \[--user-folder\] \[MAP\]$
dola|-h|0|^  --user-folder  work in the user's DOLA folder
dola|--bogus|2|^dola: unknown option --bogus$
dola|$work/ZANAB.MAP $work/ZANAB.MAP|2|^dola: one MAP at a time
dola|$work/NOWHERE.MAP|2|^dola: $work/NOWHERE.MAP: no such map file$
dola|$work|2|is no map file$
dola|$long/ZANAB.MAP|2|the path is longer than a map path may be \(255 characters\)$
dola|$work/ZANAB.MAP|1|^DOLA: no 1024 x 768 graphics mode could be set \(no display\)\.$
dola|-- --version|2|^dola: --version: no such map file$
dola-check|--version|0|^dola-check \(DOLA\) $version$
dola-check|--help|0|^Exit status: 0 no errors, 1 errors found, 2 DIR cannot be read.$
dola-check|--json --version|0|^dola-check \(DOLA\) $version$
dola-check|--bogus|2|^usage: dola-check
dola-check|$work/none|2|cannot read the directory$
dola-render|--version|0|^dola-render \(DOLA\) $version$
dola-render|--help|0|^Exit status: 0 written
dola-render|onlyone|2|^usage: dola-render
dola-render|--palette $work/bad.bmp $work/ZANAB.MAP $work/out.png|1|^dola-render: the palette .*bad.bmp .*--palette FILE$
dola-render|--palette $work/none.bmp $work/ZANAB.MAP $work/out.png|1|none.bmp was not found
dola-render|--palette $build/demo/palette.bmp --sprites $build/demo/world $work/ZANAB.MAP $work/out.png|0|^dola-render: wrote $work/out.png$
dola-script|--version|0|^dola-script \(DOLA\) $version$
dola-script|--help|0|^Exit status: 0 done, 1 the script failed
dola-script|nonsense|2|^dola-script: 
dola-demo|--version|0|^dola-demo \(DOLA\) $version$
dola-demo|--help|0|^Exit status: 0 written, 1 a file could not be written, 2 a wrong command line.$
dola-demo||2|^usage: dola-demo OUTPUT_DIRECTORY$
dola-demo|--bogus|2|^usage: dola-demo
ROWS
)

while IFS='|' read -r program arguments status pattern; do
  path="$build/$program"
  [ -x "$path" ] || path="$build/tools/$program"
  # Arguments are split at blanks: no row needs a blank inside one.
  read -r -a argv <<<"$arguments"
  out=$(cd "$work" && DISPLAY= "$path" "${argv[@]}" 2>&1)
  got=$?
  if [ "$got" != "$status" ] || ! grep -qE -- "$pattern" <<<"$out"; then
    echo "FAIL: $program $arguments: status $got (expected $status), output:" >&2
    echo "$out" | sed 's/^/    /' >&2
    echo "  expected a line matching: $pattern" >&2
    failures=$((failures + 1))
  fi
done <<<"$table"

rows=$(grep -c . <<<"$table")
[ "$failures" = 0 ] || { echo "$failures of $rows command lines failed" >&2; exit 1; }
echo "all $rows command lines as expected"
