# Shell helpers of the tests that drive the programs as a user does on a desktop: a display of
# the test's own and keys typed through the X server (so Wine sees them as from a keyboard).
# Source it; call start_desktop first. Every step waits for the window, focus or file the next one
# needs, never for a fixed time: its condition is checked again on each event that could make it
# true (of the X server, a folder, the end of a program); $patience (seconds) bounds each wait so
# that only a hang fails.
patience=120

# The waiter of events (desktop_events.py): it tells each event of the display, of a folder and
# of the ends of this shell's programs, once it is listening.
desktop_events="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/desktop_events.py"
# The system's Python (tools/setup.sh installs it), started without site packages: quick to start.
desktop_python=/usr/bin/python3
[ -x "$desktop_python" ] || desktop_python=$(command -v python3)

# Runs the command $3... until it succeeds, for at most $1 seconds, checking it first once the
# waiter listens and then again on each event: a top-level window of the display made, shown,
# hidden, moved or resized, or gone, a property of one set (its caption), the keyboard focus moved, a name in the
# folder $2 written or removed, one of this shell's programs ended. Whether it succeeded (2 when
# the waiter could not start). The command sees the waiter's last line in $event ("answered" once
# the window $ping_window, when set, has answered: see wait_idle).
wait_for_event() {
  local seconds=$1 folder=$2 events="$tmp/events.$BASHPID" waiter fd event left status=1
  local end=$((SECONDS + seconds))
  shift 2
  rm -f "$events"
  mkfifo "$events"
  "$desktop_python" -S "$desktop_events" $((seconds + 1)) --folder "$folder" --children-of $$ --children-of $BASHPID ${ping_window:+--ping "$ping_window"} >"$events" &
  waiter=$!
  exec {fd}<"$events"
  rm -f "$events"
  if read -r -u $fd event && [ "$event" = listening ]; then
    while :; do
      "$@" && { status=0; break; }
      left=$((end - SECONDS))
      [ $left -gt 0 ] && read -r -t $left -u $fd event || break
      # The events that came while the command ran are one more check.
      while read -r -t 0 -u $fd; do read -r -u $fd event || break; done
    done
  else
    echo "desktop: the event waiter did not start" >&2
    status=2
  fi
  kill $waiter 2>/dev/null || true
  wait $waiter 2>/dev/null || true
  exec {fd}<&-
  return $status
}
# As wait_for_event, with the current folder's names.
wait_until() { wait_for_event "$1" . "${@:2}"; }
# As wait_until, with the names of the folder $1 (wait_in_folder FOLDER SECONDS COMMAND...).
wait_in_folder() { wait_for_event "$2" "$1" "${@:3}"; }
# Waits until the process $1, started by this shell, has ended; whether it did within $patience.
ended_process() { ! kill -0 "$1" 2>/dev/null; }
wait_ended() { wait_until $patience ended_process "$1"; }
# Waits until the program of the X window $1 has gone idle, for at most $2 seconds: Wine answers a
# window manager's ping from the window's message loop once the queue is empty, after putting on
# the screen what the program painted. Whether it answered (a window hidden or gone never does).
answered_or_hidden() {
  [ "$event" = answered ] && { idle=1; return 0; }
  ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable
}
wait_idle() {
  idle=0
  ping_window=$1 wait_until "$2" answered_or_hidden "$1" || true
  [ $idle = 1 ]
}

# A desktop of the test's own: a temporary folder $tmp (named after $1, without a dot so that it
# suits a job specification) and an Xvfb display exported as DISPLAY ($display_screen: width x
# height x depth); with $2 the Wine prefix $2, with its own server (own_prefix gives the test a
# prefix of its own instead). All of them are ended and removed when the test ends.
display_screen=1024x768x24
start_desktop() {
  tmp=$(mktemp -d "/tmp/$1-XXXXXX")
  trap end_desktop EXIT
  start_display $patience || { echo "FAIL: no virtual display" >&2; exit 1; }
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  # Never the caller's prefix: end_desktop ends every program of the test's.
  if [ -n "${2:-}" ]; then export WINEPREFIX=$2; else unset WINEPREFIX; fi
  unset WINESERVER
}
# An Xvfb display in the folder $tmp, exported as DISPLAY, within $1 seconds; whether it came.
# Its server is $display_pid (end_desktop ends it). The server takes a free display itself and
# says which: two started together never share one (looking for a free number first and starting
# the server after it is a race). Through a pipe: reading it waits for the server's own word that
# it is ready (or its end). Never reset: by default the server resets when its last client goes,
# and a client that connects during the reset (more likely on a busy machine) is refused.
display_pid=""
start_display() {
  mkfifo "$tmp/display"
  Xvfb -displayfd 3 -screen 0 "$display_screen" -nolisten tcp -noreset 3>"$tmp/display" >/dev/null 2>&1 </dev/null &
  display_pid=$!
  local number=""
  read -r -t "$1" number <"$tmp/display" && [ -n "$number" ] || return 1
  export DISPLAY=:$number
}
# The test's verdict on a step that went wrong: its reason, and the test ends.
fail() { echo "FAIL: $*" >&2; exit 1; }

# The booted Wine prefixes of the cross build $1 that its tests copy, in $1/wineprefixes:
# "managed" as a new prefix is, "unmanaged" with Wine's windows unmanaged (without a window
# manager Wine otherwise waits about 2 s on every close). Made once, by the first test that needs
# them while the others wait for it, and again when Wine changes; without a display, so that
# Wine's set-up window never stands in the way, and left to end before anything copies them.
wine_templates() {
  local dir=$1/wineprefixes made
  made="$(wine --version 2>/dev/null) $(stat -c %Y /usr/share/wine/wine.inf 2>/dev/null)"
  mkdir -p "$dir"
  (
    flock 9
    [ "$(cat "$dir/made" 2>/dev/null)" = "$made" ] && exit 0
    rm -rf "$dir/managed" "$dir/unmanaged" "$dir/made"
    boot() {
      env -u DISPLAY WINEPREFIX="$dir/$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "${@:2}" >/dev/null 2>&1 </dev/null || true
      env -u DISPLAY WINEPREFIX="$dir/$1" wineserver -w >/dev/null 2>&1 </dev/null || true
    }
    boot managed wineboot -i
    [ -f "$dir/managed/system.reg" ] || { echo "desktop: Wine could not make a prefix in $dir/managed" >&2; exit 1; }
    cp -a "$dir/managed" "$dir/unmanaged"
    boot unmanaged wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    grep -q '"Managed"="N"' "$dir/unmanaged/user.reg" || { echo "desktop: Wine did not take the unmanaged windows' key" >&2; exit 1; }
    echo "$made" >"$dir/made"
  ) 9>"$dir/lock"
}
# A Wine prefix of the test's own in $tmp/prefix, exported as WINEPREFIX, copied from the cross
# build $1's template $2 (managed or unmanaged): with a server of its own it shares no windows,
# focus or desktop with another test's. Wine's libraries and programs, which nothing writes, are
# linked (a prefix is 700 MB); every other file (the registry, the .ini files) is copied.
own_prefix() {
  wine_templates "$1" || return 1
  local from=$1/wineprefixes/$2 to=$tmp/prefix
  # Copied under a shared lock: a template is made anew only while nothing copies it.
  (
    flock -s 9
    cp -al "$from" "$to"
    cd "$from" &&
      find . -type f ! \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' -o -iname '*.sys' -o -iname '*.ocx' \
        -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.tlb' -o -iname '*.nls' \) -print0 |
      xargs -0 cp --parents -p --remove-destination -t "$to"
  ) 9>"$1/wineprefixes/lock" || return 1
  export WINEPREFIX=$to
}
end_desktop() {
  # Every program of the test's prefix ended, and its server gone, before its files go.
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 </dev/null || true
    wineserver -w >/dev/null 2>&1 </dev/null || true
  fi
  [ -z "$display_pid" ] || { kill "$display_pid" 2>/dev/null; wait "$display_pid" 2>/dev/null; } || true
  rm -rf "$tmp"
}

# The id of a visible window whose whole caption is $1; empty when there is none.
visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
shown() { [ -n "$(visible "$1")" ]; }
hidden() { [ -z "$(visible "$1")" ]; }

# A visible window whose whole caption is $1, within $2 seconds ($patience when not given); its id.
window() {
  wait_until "${2:-$patience}" shown "$1" || return 1
  visible "$1"
}

# Waits until no visible window has the caption $1 (a dialog closed); whether it came.
gone() { wait_until $patience hidden "$1"; }

# Whether the keyboard focus of the display is on the window $1, after asking for it.
focus_on() {
  xdotool windowfocus "$1" 2>/dev/null || return 1
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# Keys typed into the window $1 (xdotool key names) once it has the keyboard focus; fails when the
# window is gone.
keys() {
  local w=$1
  shift
  wait_until $patience focus_on "$w" || return 1
  xdotool key --delay 100 "$@"
}

# Whether a menu stands open over the window $1: a visible window without a caption that Wine
# marks as standing over it.
menu_over() {
  local m
  for m in $(xdotool search --onlyvisible --name '^$' 2>/dev/null); do
    xprop -id "$m" WM_TRANSIENT_FOR 2>/dev/null | grep -q "# $(printf '0x%x' "$1")\$" && return 0
  done
  return 1
}

# The keys $2... typed into the window $1, and then the menu they open there; fails when none opens.
open_menu() {
  local w=$1
  shift
  keys "$w" "$@" || return 1
  wait_until $patience menu_over "$w"
}

# Trabix just started: the notice's "I Agree - &Continue", then the job dialog: the keys $1 (a job
# name, or nothing to take the first listed) and Enter; the main window's caption then names the
# job $2, and $main is that window. Calls the test's own `fail` when a window does not come.
open_trabix_job() {
  local notice dialog
  notice=$(window "  ZOR SOFTWARE") || fail "no start-up notice"
  keys "$notice" alt+c || fail "the start-up notice went before it was agreed to"
  dialog=$(window "   Job Name Specification/Selection") || fail "no job dialog after the notice"
  if [ -n "$1" ]; then keys "$dialog" $1 Return; else keys "$dialog" Return; fi || fail "the job dialog went before a job was named"
  main=$(window "     BEAM/STRIP ANALYSIS.   JOB: $2") || fail "the main window does not name the job $2"
  gone "   Job Name Specification/Selection" || fail "the job dialog stayed after the job was named"
}
