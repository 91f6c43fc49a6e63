# shellcheck shell=bash disable=SC2034 # the td_ variables are read by the scripts that source this
# Drives Trailwick's main dialog from outside, as a user would: X pointer and keys through xdotool, the
# screen through ImageMagick. Source it after scripts/wine-env.sh, with DISPLAY naming our own Xvfb.
#
#   td_start EXE OUT ERR  start EXE under Wine, stdout to OUT, stderr to ERR; wait for the dialog
#   td_click X Y          click at dialog units (X, Y) of the dialog's client area
#   td_type_into X Y TEXT click into the edit at (X, Y) and type TEXT
#   td_key KEY...         press keys (xdotool names, e.g. alt+v, Return)
#   td_wait_result_shown  wait until the output box shows text that no longer changes
#   td_wait_window NAME   wait for a visible window captioned NAME; its id goes to td_found
#   td_wait_gone ID       wait until window ID is no longer visible
#   td_shot PNG [ID]      save the dialog's (or window ID's) rectangle of the screen to PNG
#   td_wait_exit          wait for the program to end; its exit status goes to td_status
#   td_kill               end the program if it still runs (by its pid)
#
# Positions are given in dialog units, as the dialog's template places its controls, and converted with
# the base units that the dialog's on-screen size implies, so they follow the font that Wine substitutes.

TD_CAPTION=Trailwick
# The template's client size in dialog units.
TD_DLU_W=258 TD_DLU_H=156
# Wine's own frame (a dialog frame of 3 pixels) and caption (19 pixels with its bottom line); the prefix
# has no window manager, so the X window is the whole Windows window.
TD_FRAME=3 TD_CAPTION_H=19

td_pid='' td_win='' td_found='' td_status=''
td_x='' td_y='' td_w='' td_h=''

_td_dialog_shown() {
  td_win=$(xdotool search --onlyvisible --name "^$TD_CAPTION\$" 2>/dev/null | head -n 1)
  [ -n "$td_win" ] && return 0
  kill -0 "$td_pid" 2>/dev/null || return 0 # ended early: stop waiting, the caller sees no window
  return 1
}

_td_geometry() {
  local X='' Y='' WIDTH='' HEIGHT=''
  eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=\([0-9]*\)$/\1=\2/p')"
  td_x=$X td_y=$Y td_w=$WIDTH td_h=$HEIGHT
}

td_start() {
  local exe=$1 out=$2 err=$3
  td_win='' td_status=''
  (_tw_close_locks; exec wine "$exe" </dev/null >"$out" 2>"$err") &
  td_pid=$!
  tw_wait_for _td_dialog_shown && [ -n "$td_win" ] || return 1
  _td_geometry "$td_win"
  # Keys reach the Wine window under the pointer, and no window manager gives the dialog the focus.
  xdotool mousemove --window "$td_win" $((td_w / 2)) $((TD_FRAME + TD_CAPTION_H / 2))
  xdotool windowfocus "$td_win"
}

# Pixel offset inside the dialog's X window of dialog units (X, Y): "x y".
td_point() {
  awk -v w="$td_w" -v h="$td_h" -v x="$1" -v y="$2" -v f="$TD_FRAME" -v c="$TD_CAPTION_H" \
      -v dw="$TD_DLU_W" -v dh="$TD_DLU_H" \
      'BEGIN { printf "%d %d\n", f + x * (w - 2 * f) / dw, f + c + y * (h - 2 * f - c) / dh }'
}

td_click() {
  # shellcheck disable=SC2046 # td_point prints two numbers
  xdotool mousemove --window "$td_win" $(td_point "$1" "$2") click 1
}

td_type_into() {
  td_click "$1" "$2"
  xdotool type --delay 15 -- "$3"
}

td_key() { xdotool key "$@"; }

# The output box: edit at (7, 133), 188 x 14 units; its inside without the sunken border.
_td_result_crop() {
  local p q
  p=$(td_point 9 135) q=$(td_point 193 145)
  # shellcheck disable=SC2086 # two numbers each
  set -- $p $q
  echo "$(($3 - $1))x$(($4 - $2))+$((td_x + $1))+$((td_y + $2))"
}

_td_last_box=
# True when the output box holds dark (text) pixels and looks as it did at the previous poll.
_td_result_settled() {
  local now
  now=$(import -window root -crop "$(_td_result_crop)" +repage png:- 2>/dev/null |
    convert png:- -format '%[fx:minima<0.5] %#' info: 2>/dev/null) || return 1
  [ "${now%% *}" = 1 ] && [ "$now" = "$_td_last_box" ] && return 0
  _td_last_box=$now
  return 1
}

td_wait_result_shown() {
  _td_last_box=
  tw_wait_for _td_result_settled
}

_td_visible() { td_found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1); [ -n "$td_found" ]; }
td_wait_window() { tw_wait_for _td_visible "$1"; }

_td_invisible() { ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
td_wait_gone() { tw_wait_for _td_invisible "$1"; }

td_shot() {
  local png=$1 id=${2:-$td_win}
  mkdir -p "$(dirname "$png")" || return 1
  _td_geometry "$id"
  # -strip keeps creation times out of the file, so an unchanged picture gives an unchanged file.
  import -window root -crop "${td_w}x${td_h}+${td_x}+${td_y}" +repage png:- |
    convert png:- -strip "$png"
  local rc=$?
  _td_geometry "$td_win"
  return "$rc"
}

_td_ended() { ! kill -0 "$td_pid" 2>/dev/null; }
td_wait_exit() {
  tw_wait_for _td_ended || return 1
  wait "$td_pid"
  td_status=$?
  td_pid=
}

td_kill() {
  [ -n "$td_pid" ] || return 0
  kill "$td_pid" 2>/dev/null
  wait "$td_pid" 2>/dev/null
  td_pid=
}
