# shellcheck shell=bash
# The Wine environment that the Windows tests, `make run` and the start-up benchmark share. Source it from
# bash; it defines functions and exports the variables Wine reads, and starts nothing by itself.
#
#   tw_prefix_ensure      create or reuse the private prefix build/wineprefix (settings applied once)
#   tw_lock_runs          hold the run lock of the prefix for the rest of this shell
#   tw_display_usable     true when $DISPLAY names an X server that answers
#   tw_xvfb_start         start our own Xvfb on a free display, export DISPLAY, wait until it answers
#   tw_xvfb_stop          stop the Xvfb that tw_xvfb_start started (by its pid)
#   tw_wineserver_stop    end our prefix's wineserver (and every Wine process in our prefix) and wait
#   tw_no_locks CMD...    run CMD without our lock descriptors (use for anything long-lived)

TW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TW_BUILD="$TW_ROOT/build"

export WINEPREFIX="$TW_BUILD/wineprefix"
# Debian's wine32 runs 32-bit prefixes only, which is all our i686 programs need.
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while the prefix is created; neither is used.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the ANSI code page from the locale: ja_JP.UTF-8 gives 932.
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8

# Bump when the settings below change, so existing prefixes get them on the next run.
TW_PREFIX_VERSION=2
TW_PREFIX_STAMP="$WINEPREFIX/.trailwick-ready"
TW_WAIT_LIMIT=${TW_WAIT_LIMIT:-20}

_TW_LOCK_FDS=()
_TW_XVFB_PID=

tw_log() { printf '%s\n' "${0##*/}: $*" >&2; }

# Closes the lock descriptors in this (sub)shell, so a daemon started from here (Xvfb, wineserver) never
# keeps one of our locks after we are gone.
_tw_close_locks() {
  local fd
  for fd in "${_TW_LOCK_FDS[@]}"; do
    exec {fd}>&-
  done
}

tw_no_locks() { ( _tw_close_locks; exec "$@" ); }

# Runs after the prefix exists, through Wine's own reg tool so that Unicode value names arrive intact.
_tw_prefix_settings() {
  local x11='HKCU\Software\Wine\X11 Driver' fonts='HKCU\Software\Wine\Fonts\Replacements'
  # Without a window manager, managed windows make Wine wait about 2 s for every hidden window; unmanaged
  # and undecorated windows get Wine's own caption and frame, which screenshots then show.
  tw_no_locks wine reg add "$x11" /v Managed /t REG_SZ /d N /f >/dev/null || return 1
  tw_no_locks wine reg add "$x11" /v Decorated /t REG_SZ /d N /f >/dev/null || return 1
  # The dialogs ask for the usual Japanese system fonts; render them with the installed IPA fonts.
  tw_no_locks wine reg add "$fonts" /v 'ＭＳ ゴシック' /t REG_SZ /d IPAGothic /f >/dev/null || return 1
  tw_no_locks wine reg add "$fonts" /v 'ＭＳ Ｐゴシック' /t REG_SZ /d IPAPGothic /f >/dev/null || return 1
  # Wine draws the caption buttons with Marlett; Debian's fonts-wine has it but Wine only finds it in the
  # prefix's Fonts folder.
  local marlett=/usr/share/wine/fonts/marlett.ttf
  if [ -f "$marlett" ]; then
    ln -sf "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" || return 1
  fi
}

# Creates the prefix once; later calls only read the stamp. A lock keeps two callers from creating it at
# the same time.
tw_prefix_ensure() {
  if [ "$(cat "$TW_PREFIX_STAMP" 2>/dev/null)" = "$TW_PREFIX_VERSION" ]; then
    return 0
  fi
  mkdir -p "$TW_BUILD" || return 1
  local fd rc=0
  exec {fd}>"$TW_BUILD/.wineprefix-create.lock" || return 1
  _TW_LOCK_FDS+=("$fd")
  flock "$fd"
  if [ "$(cat "$TW_PREFIX_STAMP" 2>/dev/null)" != "$TW_PREFIX_VERSION" ]; then
    tw_log "preparing the Wine prefix $WINEPREFIX"
    # The settings need no display; a stale one would only slow Wine down.
    (
      unset DISPLAY
      tw_no_locks wineboot -u >/dev/null 2>&1 && _tw_prefix_settings &&
        # The registry reaches the disk when the server ends; wait for it before stamping.
        tw_no_locks wineserver -w
    ) || rc=1
    if [ "$rc" -eq 0 ]; then
      echo "$TW_PREFIX_VERSION" >"$TW_PREFIX_STAMP"
    else
      tw_log "could not prepare the Wine prefix"
    fi
  fi
  unset '_TW_LOCK_FDS[-1]'
  exec {fd}>&-
  return "$rc"
}

# Serialises whole runs on the prefix: ending the wineserver must never hit another caller's programs.
# The lock is held until this shell exits.
tw_lock_runs() {
  mkdir -p "$TW_BUILD" || return 1
  local fd
  exec {fd}>"$TW_BUILD/.wineprefix-run.lock" || return 1
  _TW_LOCK_FDS+=("$fd")
  flock "$fd"
}

tw_display_usable() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# Waits until "$@" succeeds, polling every 20 ms, for at most TW_WAIT_LIMIT seconds.
tw_wait_for() {
  local deadline=$((SECONDS + TW_WAIT_LIMIT))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.02
  done
}

_tw_xvfb_ready() {
  kill -0 "$_TW_XVFB_PID" 2>/dev/null || return 2
  DISPLAY=":$1" xdpyinfo >/dev/null 2>&1
}

# Starts an Xvfb of our own on the first free display from :101 and exports DISPLAY for it. A display
# whose lock file or socket exists belongs to someone else and is skipped; if another caller takes the
# same number first, our server exits and the next number is tried.
tw_xvfb_start() {
  local n deadline rc
  for ((n = 101; n < 400; n++)); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    (_tw_close_locks; exec Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1) &
    _TW_XVFB_PID=$!
    deadline=$((SECONDS + TW_WAIT_LIMIT))
    while :; do
      _tw_xvfb_ready "$n"
      rc=$?
      [ "$rc" -eq 0 ] && { export DISPLAY=":$n"; return 0; }
      [ "$rc" -eq 2 ] && break
      if [ "$SECONDS" -ge "$deadline" ]; then
        tw_xvfb_stop
        tw_log "Xvfb on :$n did not answer within $TW_WAIT_LIMIT s"
        return 1
      fi
      sleep 0.02
    done
    wait "$_TW_XVFB_PID" 2>/dev/null
    _TW_XVFB_PID=
  done
  tw_log "no free X display found"
  return 1
}

tw_xvfb_stop() {
  [ -n "$_TW_XVFB_PID" ] || return 0
  kill "$_TW_XVFB_PID" 2>/dev/null
  wait "$_TW_XVFB_PID" 2>/dev/null
  _TW_XVFB_PID=
}

# Ends the wineserver of our prefix (which ends every Wine process running in it) and waits until it is gone.
tw_wineserver_stop() {
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  return 0
}
