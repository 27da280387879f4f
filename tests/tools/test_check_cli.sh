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

# A relative directory names its creature table as well as an absolute one.
for given in world world/ .; do
  out=$(cd "$demo/.." && { [ "$given" = . ] && cd world; "$check" "$given"; })
  echo "$out" | grep -q ": 0 errors, 0 warnings$" || fail "demo directory given as $given: $out"
done

out=$("$check" "$demo")
status=$?
[ "$status" = 0 ] || fail "demo directory: exit $status: $out"
echo "$out" | grep -qx "dola-check: $demo: 519 files (407 maps, 105 data files): 0 errors, 0 warnings" ||
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
mkfifo X.MAP && ln -s /dev/zero ZERO.MAP                          # never read
head -c $((17 << 20)) /dev/zero >HUGE.MAP                          # too large to read
{ printf 'LOCAL!~EXIT~>21,13:INTERIORX!>garbage!>25:X!>99999999999,13:ZANAA!>22,13:TRAP!>22,13:ZANAB!\r\n'
  tail -n +2 OAKHOUSE.MAP; printf 'after\r\n'; } >ODD.MAP           # a save would not give this back
printf 'INTERIOR!\r\n' >TRAP.MAP && tail -n +2 OAKHOUSE.MAP >>TRAP.MAP  # a way in, none out
cp ZANAA.MAP zanaa.map                                            # twins in letter case
printf 'INTERIOR!\r\n\r' >"$(printf 'CTL\033.MAP')"                 # a control byte, a CR-only line end
cd / || exit 1

digest() { (cd "$work/world" && find . -maxdepth 1 -type f -print0 | sort -z | xargs -0 md5sum | md5sum); }
before=$(digest)
json=$(timeout 60 "$check" --json "$work/world")
status=$?
[ "$status" = 1 ] || fail "planted faults: exit $status"
for kind in no-kind short-row missing-rows unwritable-tile teleport-target teleport-cell placement-cell \
  placement-record sprite-file table-file line-ends short-data-file world-grid unreached blank-sprite \
  not-regular unsaved-as-read no-way-out shared-teleport-cell case-twins unreadable; do
  echo "$json" | grep -q "\"kind\": \"$kind\"" || fail "no finding of kind $kind in: $json"
done
echo "$json" | grep -q '"file": "ZANAD.MAP", "severity": "error", "kind": "short-row", "row": 5' ||
  fail "the short row is not placed: $json"
after=$(digest)
[ "$before" = "$after" ] || fail "the check changed the directory"

text=$("$check" "$work/world")
echo "$text" | grep -qx 'ZANAG.MAP: error: teleport 1 at cell (5, 3) leads to NOWHERE.MAP, which is not in the directory' ||
  fail "teleport line: $text"
echo "$text" | grep -q '^CTL\\x1b.MAP: warning: 1 line ends are a CR without LF' || fail "control byte or CR: $text"
echo "$text" | grep -q '^TRAP.MAP: warning: a teleport leads here (from ODD.MAP, cell (2, 1))' || fail "trap: $text"
for n in 'ODD.MAP: warning: 1 teleport names holding a kind word' 'ODD.MAP: warning: 2 teleport pieces that are no' \
  'ODD.MAP: warning: 1 teleport numbers beyond the int range' 'ODD.MAP: warning: 1 lines after the last row' \
  'ODD.MAP: warning: teleports 3 (to TRAP) and 4 (to ZANAB) share cell (2, 1)' 'HUGE.MAP: error: holds 17825792 bytes'; do
  echo "$text" | grep -q "^$n" || fail "no line $n in: $text"
done

"$check" "$work/no such directory" >/dev/null 2>&1
status=$?
[ "$status" = 2 ] || fail "missing directory: exit $status"
"$check" "$work/world/ZANAA.MAP" >/dev/null 2>&1
status=$?
[ "$status" = 2 ] || fail "a file as directory: exit $status"
echo "dola-check: all cases passed"
