#!/bin/bash
# dola-check as a program: the demo game directory passes with no findings;
# a copy with one planted fault of each kind gives every kind, exit status 1,
# and is left byte for byte as it was; an unreadable directory gives exit 2.
# Usage: test_check_cli.sh BUILD_DIR
set -u
build=$(cd "$1" && pwd)
check="$build/tools/dola-check"
demo="$build/demo/world"
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$check" --help | grep -q "usage: dola-check" || fail "--help shows no usage"

out=$("$check" "$demo")
status=$?
[ "$status" = 0 ] || fail "demo directory: exit $status: $out"
echo "$out" | grep -qx "dola-check: $demo: 518 files (407 maps, 105 data files): 0 errors, 0 warnings" ||
  fail "demo directory summary: $out"

# The copy keeps the directory name: the creature table is named after it.
cp -r "$demo" "$work/world"
cd "$work/world" || fail "no copy"
row() { printf ' %s\r\n' "$1"; }                 # a row line of the given tiles
tiles() { head -c "$1" /dev/zero | tr '\0' 'g'; }  # n tiles of code 103

{ printf 'NOTHING HERE\r\n'; tail -n +2 ZANAC.MAP; } >x && mv x ZANAC.MAP          # no kind
{ head -n 5 ZANAD.MAP; row "$(tiles 30)"; tail -n +7 ZANAD.MAP; } >x && mv x ZANAD.MAP  # short row
head -n 10 ZANAE.MAP >x && mv x ZANAE.MAP                                             # missing rows
{ head -n 2 ZANAF.MAP; row "$(tiles 20)"$'\r'"$(tiles 27)"; tail -n +4 ZANAF.MAP; } >x && mv x ZANAF.MAP  # code 13
{ printf 'WILDERNESS!>25,15:NOWHERE!>90,15:ZANAA!\r\n'; tail -n +2 ZANAG.MAP; } >x && mv x ZANAG.MAP  # teleports
{ printf '\074\003\001\001\000\000\000\005\000\000\000'             # cell (60, 3)
  printf '\005\003\001\001\000\000\000\274\002\000\000'             # id 700
  head -c 2178 /dev/zero; } >OAKVALE.DAT
head -c 1000 ZAN2.SPR >x && mv x ZAN2.SPR                          # short sprite file
rm CONSTANT.CRE                                                   # missing table
LC_ALL=C sed 's/\r$//' OAKHOUSE.MAP >x && mv x OAKHOUSE.MAP        # LF line ends
head -c 100 TDG2123.DAT >x && mv x TDG2123.DAT                     # short data file
rm ZANTT.MAP                                                      # a hole in the grid
cp OAKHOUSE.MAP ORPHAN.MAP                                        # nothing leads there
printf '\000' | dd of=CONSTANT.OBJ bs=1 seek=53 conv=notrunc status=none  # object 0 with sprite 0
cd / || exit 1

before=$(cd "$work/world" && md5sum ./* | md5sum)
json=$("$check" --json "$work/world")
status=$?
[ "$status" = 1 ] || fail "planted faults: exit $status"
for kind in no-kind short-row missing-rows unwritable-tile teleport-target teleport-cell placement-cell \
  placement-record sprite-file table-file line-ends short-data-file world-grid unreached blank-sprite; do
  echo "$json" | grep -q "\"kind\": \"$kind\"" || fail "no finding of kind $kind in: $json"
done
echo "$json" | grep -q '"file": "ZANAD.MAP", "severity": "error", "kind": "short-row", "row": 5' ||
  fail "the short row is not placed: $json"
after=$(cd "$work/world" && md5sum ./* | md5sum)
[ "$before" = "$after" ] || fail "the check changed the directory"

text=$("$check" "$work/world")
echo "$text" | grep -qx 'ZANAG.MAP: error: teleport 1 at cell (5, 3) leads to NOWHERE.MAP, which is not in the directory' ||
  fail "teleport line: $text"

"$check" "$work/no such directory" >/dev/null 2>&1
status=$?
[ "$status" = 2 ] || fail "missing directory: exit $status"
"$check" "$work/world/ZANAA.MAP" >/dev/null 2>&1
status=$?
[ "$status" = 2 ] || fail "a file as directory: exit $status"
echo "dola-check: all cases passed"
