#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# Uses the built Trailwick.exe from outside, as a user would, once in each mode: types the two paths,
# picks the mode, presses Alt+V, presses Alt+C, reads the X clipboard, closes the confirmation with Enter
# and the program with Esc, then compares the trace that the program wrote to its standard output.
#   trailwick_e2e_test.sh PROGRAM.exe
# Runs in an Xvfb of its own, on the project's Wine prefix (one run at a time). Screenshots go to
# build/e2e/. Exits 77 (skipped) when PROGRAM.exe has not been built.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../../scripts/wine-env.sh
. "$here/../../scripts/wine-env.sh"
# shellcheck source=dialog_driver.sh
. "$here/dialog_driver.sh"

exe=${1:-}
[ -n "$exe" ] || { echo "usage: ${0##*/} PROGRAM.exe" >&2; exit 2; }
[ -f "$exe" ] || { echo "SKIP: $exe has not been built"; exit 77; }

shots="$TW_BUILD/e2e"
work=$(mktemp -d) || exit 1
passed=0 failed=0

cleanup() {
  td_kill
  tw_wineserver_stop
  tw_xvfb_stop
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

check() { # NAME CONDITION...
  local name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    return 0
  fi
  failed=$((failed + 1))
  echo "FAIL: $name"
  return 1
}

# The clipboard's text as an X client gets it in TARGET, polled until it is WANT: Wine's clipboard
# manager takes the X selection shortly after the program has put its text on the Windows clipboard.
clip=
_clip_is() {
  clip=$(timeout 5 xclip -selection clipboard -o -t "$1" 2>/dev/null)
  [ "$clip" = "$2" ]
}
clipboard_has() { # TARGET WANT
  tw_wait_for _clip_is "$1" "$2" && return 0
  printf '  %s on the clipboard: "%s", expected "%s"\n' "$1" "$clip" "$2"
  return 1
}

# The trace is written in code page 932 with CR LF line ends; compare it byte for byte with the UTF-8
# text WANT encoded the same way, and show both decoded when they differ.
trace_is() { # FILE WANT
  printf '%s' "$2" | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$1.want" || return 1
  cmp -s "$1" "$1.want" && return 0
  diff <(iconv -f CP932 -t UTF-8 "$1.want" | tr -d '\r') <(iconv -c -f CP932 -t UTF-8 "$1" | tr -d '\r') |
    sed 's/^/  /'
  od -c "$1" | tail -n 3 | sed 's/^/  raw: /'
  return 1
}

status_is_0() { [ "$td_status" = 0 ] || { echo "  exit status ${td_status:-none}"; return 1; }; }

# One program run: NAME BASE TARGET MODE(abs-to-rel|rel-to-abs) RESULT TRACE
run_case() {
  local name=$1 base=$2 target=$3 mode=$4 result=$5 trace=$6
  local out="$work/$name.out" started=$SECONDS
  echo "== $name: $target against $base"

  td_start "$exe" "$out" "$work/$name.err"
  check "$name: the dialog appears" [ -n "$td_win" ] || { td_kill; return; }

  td_type_into 101 26 "$base"   # the base path edit, 7,19 188x14
  td_type_into 101 60 "$target" # the path to convert, 7,53 188x14
  # The radio button "相対パス→絶対パス" sits at 17,101 88x10; absolute to relative is the default.
  [ "$mode" = rel-to-abs ] && td_click 40 106
  td_key alt+v
  check "$name: the output box shows a result" td_wait_result_shown
  td_shot "$shots/$name-converted.png"

  td_key alt+c
  if check "$name: the confirmation box \"ZELVO\" appears" td_wait_window ZELVO; then
    local box=$td_found
    td_shot "$shots/$name-confirmation.png"
    check "$name: the clipboard holds the result (UTF8_STRING)" clipboard_has UTF8_STRING "$result"
    check "$name: the clipboard holds the result (STRING)" clipboard_has STRING "$result"
    xdotool mousemove --window "$box" 20 20
    td_key Return
    check "$name: Enter closes the confirmation box" td_wait_gone "$box"
    xdotool mousemove --window "$td_win" $((td_w / 2)) $((TD_FRAME + TD_CAPTION_H / 2))
  fi

  td_key Escape
  check "$name: Esc ends the program" td_wait_exit
  check "$name: exit status 0" status_is_0
  td_kill
  # Standard output is a file here, fully buffered: the trace is complete once the program has ended.
  check "$name: the trace on standard output" trace_is "$out" "$trace"
  echo "   $((SECONDS - started)) s"
}

started=$SECONDS
tw_lock_runs || exit 1
tw_prefix_ensure || exit 1
tw_wineserver_stop # a server left by an interrupted run may belong to a display that is gone
tw_xvfb_start || exit 1
echo "Wine ready in $((SECONDS - started)) s"

# The two runs expect different clipboard texts, so the first run's text left on the clipboard can never
# pass for the second's.
run_case abs-to-rel /var/log /var/www/html/index.html abs-to-rel ../www/html/index.html \
'baseDirectories[0] = var
baseDirectories[1] = log
directories[0] = var
directories[1] = www
directories[2] = html
directories[3] = index.html
dot_count = 1
変換しました。

../www/html/index.html
'

run_case rel-to-abs /var/log ../www/html/index.html rel-to-abs /var/www/html/index.html \
'baseDirectories[0] = var
baseDirectories[1] = log
directories[0] = ..
directories[1] = www
directories[2] = html
directories[3] = index.html
dirIndex = 3
dirbaseIndex = 1
こんにちは
dirbaseIndex = 2

変換しました。

/var/www/html/index.html
'

echo "screenshots in $shots; $((SECONDS - started)) s in all"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
