# Sourced by the scripts that start the real program on a virtual X display to photograph its
# main window or end it with "Exit!" (screenshot.sh, windows-smoke.sh, portable-check.sh): the
# facts about that window and the steps on it, in one place.

main_window_title='Kestro v1.0'
# The client area: 9975 x 6285 twips, 15 to a pixel. Without a window manager, the window.
main_window_size=665x419
# The middle of "Exit!" (8880, 5760 twips: 592, 384 pixels, 61 x 25 pixels).
main_window_exit_point=(622 396)
# The middle of "About" (8880, 5280 twips: 592, 352 pixels), and the window it opens.
main_window_about_point=(622 364)
about_window_title='About Kestro v1.0a'

# Runs COMMAND... again under a virtual display with the variable MARKER set, unless MARKER is
# set already (the script runs under one). Usage: with_virtual_display MARKER COMMAND...
with_virtual_display() {
  local marker=$1
  shift
  [ -n "${!marker:-}" ] && return 0
  exec xvfb-run -a -s "-screen 0 1024x768x24" env "$marker=1" "$@"
}

# Prints the id of the visible window called TITLE (by default the main window) once it
# appears, waiting at most SECONDS. Usage: main_window_find SECONDS [TITLE]
main_window_find() {
  local title=${2:-$main_window_title}
  timeout "$1" xdotool search --sync --onlyvisible --name "^${title//./\\.}\$" | head -n 1
}

# Gives WINDOW the keyboard focus and walks Tab forward and back, so that its first control
# shows the focus frame, as in the window test's reference pictures.
main_window_focus() {
  xdotool windowraise "$1" windowfocus --sync "$1"
  xdotool key Tab shift+Tab
}

# Photographs WINDOW into the PNG file OUT and says so, prefixed with NAME.
main_window_capture() {
  local name=$1 window=$2 out=$3
  mkdir -p "$(dirname "$out")"
  # import waits for a click forever if the window is gone: bound it.
  timeout 20 /usr/bin/import -window "$window" -define png:exclude-chunk=date,time "png:$out"
  echo "$name: picture $(/usr/bin/identify -format '%wx%h' "$out") -> $out"
}

# Clicks "Exit!" in WINDOW and waits up to SECONDS for the program PID to end; fails (with
# NAME's message) unless it ends with status 0.
main_window_exit() {
  local name=$1 window=$2 pid=$3 seconds=$4
  xdotool mousemove --window "$window" "${main_window_exit_point[@]}" click 1
  for _ in $(seq $((seconds * 10))); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "$name: the program did not end on \"Exit!\"" >&2
    return 1
  fi
  wait "$pid" || { echo "$name: the program ended with status $?" >&2; return 1; }
}
