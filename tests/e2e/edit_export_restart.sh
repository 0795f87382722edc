#!/usr/bin/env bash
# Drives the real program on a private X display as a person would, through real mouse and
# keyboard input only: edits the layer width and the Normal opacity, exports the three
# pictures, closes the window with a window manager's close request, checks the settings file
# and starts again to see the width come back. Usage: edit_export_restart.sh PROGRAM
# (BRELVANE_E2E_KEEP=1 keeps the screenshots and logs after a pass too.)
set -euo pipefail

program=$(realpath "${1:?usage: $0 PROGRAM}")
support=$(dirname "$(realpath "$0")")/support
# shellcheck source=support/desktop.bash
source "$support/desktop.bash"
# shellcheck source=support/pixels.bash
source "$support/pixels.bash"

work=$(mktemp -d "${TMPDIR:-/tmp}/brelvane-e2e.XXXXXX")
shots=$work/screenshots
mkdir -p "$shots"
export BRELVANE_HOME=$work/home
mkdir -p "$BRELVANE_HOME"
export_dir=$BRELVANE_HOME/导出图片
settings_file=$BRELVANE_HOME/data/setsoft.ini

# Nothing outside the test may answer: no session bus (its address leads nowhere, so nothing
# is auto-launched either) and no user configuration.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"

last_seen=""
fail() {
  echo "FAIL: $*" >&2
  [[ -z $last_seen ]] || echo "last canvas check: $last_seen" >&2
  local log
  for log in "$work"/program-*.log; do
    [[ -s $log ]] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}

finish() {
  local status=$?
  stop_started_processes
  if ((status == 0)) && [[ -z ${BRELVANE_E2E_KEEP:-} ]]; then
    rm -rf "$work"
  else
    echo "screenshots and logs kept in $work" >&2
  fi
  exit "$status"
}
trap finish EXIT
trap 'exit 143' TERM INT HUP # so that the exit trap still ends what the test started

# Places in client coordinates: container origin + place inside it + half the control's size.
layer_width_box=($((437 + 207 + 16)) $((5 + 40 + 12)))
normal_opacity_box=($((437 + 66 + 16)) $((91 + 56 + 12)))
open_folder_box=($((437 + 152 + 8)) $((5 + 14 + 13))) # the tick mark sits at the left
export_button=($((437 + 192 + 45)) $((399 + 88 + 16)))

# The canvases lie on the backdrop (5, 5, 424 wide) at x 112 inside it; each is checked along
# its middle row (layer height 100). Over the black backdrop a layer of colour 236 shows as
# 236 x alpha / 255: Lit 160 comes out with alpha 220 and Pressed 110 with 172 (the imaging
# library composites each layer over itself once).
backdrop_left=5
backdrop_width=424
canvas_left=112
canvas_names=(Normal Lit Pressed)
canvas_rows=($((5 + 19 + 50)) $((5 + 139 + 50)) $((5 + 260 + 50)))
lit_grey=204
pressed_grey=160
grey_tolerance=4

near() { (($1 >= $2 - $3 && $1 <= $2 + $3)); }
grey_near() { near "$1" "$4" "$grey_tolerance" && near "$2" "$4" "$grey_tolerance" && near "$3" "$4" "$grey_tolerance"; }

# canvases_show SHOT WIDTH NORMAL_GREY: one screenshot shows all three canvases at their place,
# WIDTH wide, in their grey.
canvases_show() {
  local shot=$1 width=$2 greys=("$3" "$lit_grey" "$pressed_grey") i start length red green blue
  take_screenshot "$shot" || return 1
  last_seen=""
  local mismatch=0
  for i in 0 1 2; do
    read -r start length red green blue < <(lit_run "$shot" "$((origin_x + backdrop_left))" \
      "$((origin_y + canvas_rows[i]))" "$backdrop_width")
    last_seen+="${canvas_names[i]} at backdrop x $start, $length wide, rgb $red,$green,$blue; "
    ((start == canvas_left && length == width)) && grey_near "$red" "$green" "$blue" "${greys[i]}" ||
      mismatch=1
  done
  return "$mismatch"
}

# wait_for_canvases NAME SECONDS WIDTH NORMAL_GREY: screenshots until the canvases show it.
wait_for_canvases() {
  wait_until "$2" canvases_show "$shots/$1.png" "$3" "$4" ||
    fail "$1: the canvases did not become $3 wide with Normal grey $4 (screenshot $shots/$1.png)"
}

# pictures_shown WIDTH: each canvas is lit at its last column in its middle row. One grab of that
# column is quick (about 80 ms), so polling it times the start-up closely.
pictures_shown() {
  local column=$((origin_x + backdrop_left + canvas_left + $1 - 1))
  local top=$((origin_y + canvas_rows[0])) height=$((canvas_rows[2] - canvas_rows[0] + 1))
  timeout 10 import -window root -crop "1x$height+$column+$top" -depth 8 gray:- |
    od -An -v -tu1 -w1 |
    awk -v lit="$((canvas_rows[1] - canvas_rows[0] + 1))" -v pressed="$height" '
      (NR == 1 || NR == lit || NR == pressed) && $1 > 40 { shown++ }
      END { exit shown != 3 }'
}

# start_and_wait NAME WIDTH NORMAL_GREY: starts the program, checks its first complete pictures
# and reports how long it took from the process start to the window and to those pictures.
start_and_wait() {
  start_program "$program" "$work/program-$1.log"
  wait_for_main_window 20 || fail "$1: no window captioned Brelvane appeared"
  local window_ms=$(($(now_ms) - program_started_ms))
  ((client_width == 739 && client_height == 582)) ||
    fail "$1: the client area is $client_width x $client_height, expected 739 x 582"
  wait_until 20 pictures_shown "$2" || {
    canvases_show "$shots/$1.png" "$2" "$3" || true
    fail "$1: the canvases showed no $2-wide pictures within 20 s (screenshot $shots/$1.png)"
  }
  local pictures_ms=$(($(now_ms) - program_started_ms))
  wait_for_canvases "$1" 10 "$2" "$3"
  echo "$1: window after $window_ms ms, complete pictures after $pictures_ms ms" \
    "(client area at $origin_x,$origin_y)"
}

close_and_wait() {
  request_close || fail "$1: the close request could not be sent"
  wait_for_exit "$program_pid" 20 || fail "$1: the program still runs 20 s after the close request"
  ((exit_status == 0)) || fail "$1: the program exited with status $exit_status"
}

# set_box CONTROL_X CONTROL_Y TEXT: replaces a box's text by typing, then moves the focus on.
set_box() {
  click_at "$1" "$2"
  press_keys ctrl+a
  type_text "$3"
  press_keys Tab
}

export_files() { compgen -G "$export_dir/*_$1.png" || true; }

exports_written() {
  local state file
  for state in 普通 点燃 按下; do
    file=$(export_files "$state")
    [[ -n $file ]] && is_png_file "$file" || return 1
  done
}

# check_export_names BEFORE AFTER: one set of three files named after the local time of the
# export (no leading zeros), which must lie between the two epoch seconds.
check_export_names() {
  local names
  names=$(ls "$export_dir")
  (($(wc -l <<<"$names") == 3)) || fail "expected three exported files, found: $names"
  local normal
  normal=$(basename "$(export_files 普通)")
  local number='(0|[1-9][0-9]?)'
  [[ $normal =~ ^([1-9][0-9]{3})-([1-9][0-9]?)-([1-9][0-9]?)_${number}-${number}-${number}_普通\.png$ ]] ||
    fail "the Normal file is named '$normal', expected Y-M-D_H-M-S_普通.png without leading zeros"
  local r=("${BASH_REMATCH[@]}")
  local stamp
  stamp=$(date -d "${r[1]}-${r[2]}-${r[3]} ${r[4]}:${r[5]}:${r[6]}" +%s) ||
    fail "'$normal' does not name a date and time"
  ((stamp >= $1 - 1 && stamp <= $2 + 1)) ||
    fail "'$normal' names $(date -d "@$stamp"), but the export ran at $(date -d "@$1")"
  local stem=${normal%_普通.png} state
  for state in 点燃 按下; do
    [[ -f $export_dir/${stem}_$state.png ]] || fail "no ${stem}_$state.png beside '$normal': $names"
  done
}

# Expected alpha of each exported layer: a + a x (255 - a) / 255 for the opacity typed or kept.
check_export_pixels() {
  local cases=("普通 243" "点燃 220" "按下 172") entry state alpha file problem
  for entry in "${cases[@]}"; do
    read -r state alpha <<<"$entry"
    file=$(export_files "$state")
    problem=$(png_mismatch "$file" 240 100 236 236 236 "$alpha" 2)
    [[ -z $problem ]] || fail "$(basename "$file"): $problem"
  done
}

ini_value() {
  awk -v section="[$2]" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = ($0 == section); next }
    inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' "$1"
}

check_settings_file() {
  [[ -f $settings_file ]] || fail "no settings file after closing the window"
  local sections
  sections=$(grep '^\[' "$settings_file" | tr -d '\r' | tr '\n' ' ')
  [[ $sections == "[选择框] [编辑框] [颜色选择器] " ]] ||
    fail "settings sections are '$sections', expected [选择框] [编辑框] [颜色选择器]"
  local cases=(
    "选择框 选择框_导出后打开所在目录 假"
    "选择框 选择框_锁定宽高XY 真"
    "编辑框 编辑框_统一_图层宽 240"
    "编辑框 编辑框_统一_图层高 100"
    "编辑框 编辑框_普通图片_透明度 200"
    "编辑框 编辑框_点燃图片_透明度 160"
    "颜色选择器 颜色选择器_统一_幕布 0"
    "颜色选择器 颜色选择器_普通图片 15527148"
  )
  local entry section key expected actual
  for entry in "${cases[@]}"; do
    read -r section key expected <<<"$entry"
    actual=$(ini_value "$settings_file" "$section" "$key")
    [[ $actual == "$expected" ]] ||
      fail "[$section] $key is '$actual', expected '$expected'; the file holds: $(cat "$settings_file")"
  done
}

start_display "$work"
start_window_manager "$work"

echo "first start with an empty run directory"
start_and_wait first-start 200 236
[[ -d $export_dir && -d $BRELVANE_HOME/data ]] || fail "the export and data folders were not created"
[[ ! -e $settings_file ]] || fail "the settings file exists before the first close"

echo "layer width: a typed letter is filtered out"
set_box "${layer_width_box[@]}" 3a0
wait_for_canvases width-30 10 30 236

echo "layer width 240"
set_box "${layer_width_box[@]}" 240
wait_for_canvases width-240 10 240 236

echo "Normal opacity 200"
set_box "${normal_opacity_box[@]}" 200
wait_for_canvases opacity-200 10 240 225

echo "export without opening the folder"
click_at "${open_folder_box[@]}"
before=$(date +%s)
click_at "${export_button[@]}"
wait_until 10 exports_written || fail "no three exported pictures in $export_dir: $(ls "$export_dir")"
after=$(date +%s)
check_export_names "$before" "$after"
check_export_pixels

echo "close request"
close_and_wait first-start
check_settings_file

echo "second start restores the layer width and opacity"
start_and_wait second-start 240 225
close_and_wait second-start

echo "PASS"
