# A private X display with a window manager, the program on it, and real input through XTEST.
# Every process started here is tracked by its id, so that the exit trap ends exactly those.
# Callers define fail MESSAGE; the functions leave their results in variables for them.
# shellcheck disable=SC2034

started_pids=()

now_ms() { echo $(($(date +%s%N) / 1000000)); }

quietly() { "$@" >/dev/null 2>&1; }

# wait_until SECONDS COMMAND...: retries COMMAND every 50 ms; fails once the bound has passed.
wait_until() {
  local deadline=$(($(now_ms) + $1 * 1000))
  shift
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.05
  done
}

is_running() { kill -0 "$1" 2>/dev/null; }
is_gone() { ! is_running "$1"; }

# A polite TERM first, then KILL once the bound has passed; only ever by process id.
stop_pid() {
  local pid=$1
  if is_running "$pid"; then
    kill -TERM "$pid" 2>/dev/null || true
    wait_until 3 is_gone "$pid" || kill -KILL "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}

# Newest first: the program before the window manager before the X server.
stop_started_processes() {
  local i
  for ((i = ${#started_pids[@]} - 1; i >= 0; i--)); do
    stop_pid "${started_pids[i]}"
  done
}

# start_display FOLDER: a fresh Xvfb on a free display number, which it reports once it is ready.
start_display() {
  local number_file=$1/display-number
  : >"$number_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" \
    >"$1/xvfb.log" 2>&1 &
  started_pids+=($!)
  wait_until 15 test -s "$number_file" || fail "the X server did not start (see $1/xvfb.log)"
  DISPLAY=":$(head -n 1 "$number_file")"
  export DISPLAY
}

# A window manager turns a close request into WM_DELETE_WINDOW, as on a user's desktop.
start_window_manager() {
  mkdir -p "$1/wm-config"
  XDG_CONFIG_HOME=$1/wm-config openbox --sm-disable >"$1/openbox.log" 2>&1 &
  started_pids+=($!)
  wait_until 15 quietly wmctrl -m || fail "the window manager did not start (see $1/openbox.log)"
}

# start_program PROGRAM LOG: sets program_pid and program_started_ms.
start_program() {
  program_started_ms=$(now_ms)
  env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$1" >"$2" 2>&1 &
  program_pid=$!
  started_pids+=("$program_pid")
}

main_window_id() {
  window_id=$(xdotool search --onlyvisible --name '^Brelvane$' 2>/dev/null | head -n 1)
  [[ -n $window_id ]]
}

# wait_for_main_window SECONDS: sets window_id, the client origin on the screen and the client size.
wait_for_main_window() {
  wait_until "$1" main_window_id || return 1
  local info
  info=$(timeout 10 xwininfo -id "$window_id") || return 1
  origin_x=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$info")
  origin_y=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$info")
  client_width=$(awk '/^ *Width:/ { print $2 }' <<<"$info")
  client_height=$(awk '/^ *Height:/ { print $2 }' <<<"$info")
}

# wait_for_exit PID SECONDS: sets exit_status; fails while the process still runs after the bound.
wait_for_exit() {
  wait_until "$2" is_gone "$1" || return 1
  exit_status=0
  wait "$1" || exit_status=$?
}

# Input in client coordinates of the main window. mousemove without --sync: xdotool's sync
# waits forever when the pointer already sits on the target.
click_at() {
  timeout 10 xdotool mousemove "$((origin_x + $1))" "$((origin_y + $2))" sleep 0.1 click 1
  sleep 0.2
}
press_keys() { timeout 10 xdotool key --delay 40 "$@"; }
type_text() { timeout 10 xdotool type --delay 40 "$1"; }

# A real close request, as the title bar's close button sends it.
request_close() { timeout 10 wmctrl -i -c "$window_id"; }
