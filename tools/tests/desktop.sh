# Shell helpers of the tests that drive the programs as a user does on a desktop: a display of
# the test's own and keys typed through the X server (so Wine sees them as from a keyboard).
# Source it; call start_desktop first.

# A desktop of the test's own: a temporary folder $tmp (named after $1, without a dot so that it
# suits a job specification), an Xvfb display exported as DISPLAY and the Wine prefix $2, with
# its own server; all of them are ended and removed when the test ends.
start_desktop() {
  tmp=$(mktemp -d "/tmp/$1-XXXXXX")
  # The server takes a free display itself and says which: two tests started together never
  # share one (looking for a free number first and starting the server after it is a race).
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 </dev/null &
  display_pid=$!
  trap end_desktop EXIT
  for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.1; done
  [ -s "$tmp/display" ] || { echo "FAIL: no virtual display" >&2; exit 1; }
  export DISPLAY=:$(head -1 "$tmp/display") WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  unset WINESERVER
}
end_desktop() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$display_pid" 2>/dev/null || true
  rm -rf "$tmp"
}

# A visible window whose whole caption is $1, within $2 seconds; its id.
window() {
  local w
  for _ in $(seq $(($2 * 2))); do
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.5
  done
  return 1
}

# Keys typed into the window $1 (xdotool key names).
keys() {
  local w=$1
  shift
  xdotool windowfocus --sync "$w" 2>/dev/null || xdotool windowfocus "$w"
  sleep 0.3
  xdotool key --delay 100 "$@"
}

# Trabix just started: the notice's "I Agree - &Continue", then the job dialog: the keys $1 (a job
# name, or nothing to take the first listed) and Enter; the main window's caption then names the
# job $2, and $main is that window. Calls the test's own `fail` when a window does not come.
open_trabix_job() {
  local notice dialog
  notice=$(window "  ZOR SOFTWARE" 60) || fail "no start-up notice within a minute"
  keys "$notice" alt+c
  dialog=$(window "   Job Name Specification/Selection" 20) || fail "no job dialog after the notice"
  if [ -n "$1" ]; then keys "$dialog" $1 Return; else keys "$dialog" Return; fi
  main=$(window "     BEAM/STRIP ANALYSIS.   JOB: $2" 20) || fail "the main window does not name the job $2"
}
