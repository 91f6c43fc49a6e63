#!/bin/sh
# Checks the built Trailwick.exe as a file: a 32-bit (PE32, i386) GUI program that imports only DLLs of
# Windows itself (no MinGW run-time DLL beside it), stripped, and within its size budget.
#   check-program-file.sh PROGRAM.exe OBJDUMP
set -u
exe=$1 objdump=$2
budget=131072
status=0
fail() { echo "FAIL: $*"; status=1; }

headers=$("$objdump" -p "$exe") || { echo "FAIL: cannot read $exe"; exit 1; }

echo "$headers" | grep -q 'file format pei-i386' || fail "not a PE32 i386 file"
echo "$headers" | grep -Eq '^Magic[[:space:]]+010b' || fail "not PE32"
echo "$headers" | grep -Eq '^Subsystem[[:space:]]+00000002' || fail "not a GUI program"

# Windows' own DLLs that a static MinGW build may import.
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|msvcrt)\.dll$'
dlls=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$dlls" ] || fail "no imports found"
for dll in $dlls; do
  echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed" || fail "imports $dll"
done
echo "imports:" $dlls

"$objdump" -h "$exe" | grep -Eq '[[:space:]]\.debug_' && fail "not stripped"
size=$(wc -c <"$exe")
echo "size: $size bytes (budget $budget)"
[ "$size" -le "$budget" ] || fail "larger than $budget bytes"
[ "$status" -eq 0 ] && echo "ok"
exit "$status"
