#!/usr/bin/env bash
# The command-line tool from outside: output, messages and exit statuses.
# Usage: trailwick_convert_test.sh PATH/TO/trailwick-convert
set -u
tool=$1
failures=0

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# check NAME STATUS STDOUT STDERR -- ARGS...: the exit status and both streams, byte for byte; an STDERR
# of "*" only asks for something on standard error (the usage text of a usage error).
check() {
  local name=$1 status=$2 out=$3 err=$4
  shift 5
  "$tool" "$@" >"$tmp/out" 2>"$tmp/err"
  local got_status=$?
  printf '%s' "$out" >"$tmp/want-out"
  printf '%s' "$err" >"$tmp/want-err"
  local ok=1
  [ "$got_status" = "$status" ] || ok=0
  cmp -s "$tmp/out" "$tmp/want-out" || ok=0
  if [ "$err" = "*" ]; then [ -s "$tmp/err" ] || ok=0; else cmp -s "$tmp/err" "$tmp/want-err" || ok=0; fi
  if [ "$ok" -eq 1 ]; then
    echo "ok   $name"
  else
    echo "FAIL $name: status $got_status (want $status)"
    echo "  stdout:"; od -c "$tmp/out" | head -20
    echo "  stderr:"; od -c "$tmp/err" | head -20
    failures=$((failures + 1))
  fi
}

trace_abs='baseDirectories[0] = var
baseDirectories[1] = log
directories[0] = var
directories[1] = www
directories[2] = html
directories[3] = index.html
dot_count = 1
変換しました。

../www/html/index.html
'
check "default mode writes the trace" 0 "$trace_abs" "" -- /var/log /var/www/html/index.html
check "quiet absolute to relative" 0 $'../www/html/index.html\n' "" -- -q /var/log /var/www/html/index.html
check "quiet relative to absolute" 0 $'/var/www/html/index.html\n' "" -- --rel-to-abs --quiet /var/log ../www/html/index.html
check "operands after -- may begin with '-'" 0 $'/-x\n' "" -- -q --rel-to-abs -- / -x
check "empty base" 1 "" $'基準パスを指定してください。\n' -- "" /x
check "empty path" 1 "" $'変換対象パスを指定してください。\n' -- /x ""
check "absolute path in relative to absolute" 1 $'\n第二引数には相対パスを指定してください！\n\n' $'パラメータが不正です。\n' -- --rel-to-abs /var/log /etc
check "result longer than the dialog's buffer" 1 "" $'出力バッファサイズが不足しています。\n' -- -q --rel-to-abs / "$(printf 'a%.0s' $(seq 1 1100))"
check "unknown option" 2 "" "*" -- -z /a /b
check "missing operand" 2 "" "*" -- /a
check "too many operands" 2 "" "*" -- /a /b /c
check "conflicting modes" 2 "" "*" -- --abs-to-rel --rel-to-abs /a /b
"$tool" --help | head -1 | grep -q '^usage: trailwick-convert ' && echo "ok   help" || { echo "FAIL help"; failures=$((failures + 1)); }

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
