#!/usr/bin/env bash
# The waits of tools/tests/desktop.sh, on a display of the test's own: a wait checks its
# condition once its waiter listens and then only on events, and each kind of event it is for
# wakes it: a window shown and gone, a name written in the folder, the end of a program, a
# window's answer to a ping. Each condition makes its own event after its first check, so none can
# come before the waiter listens.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
source "$top/tools/tests/desktop.sh"
start_desktop desktop-waits
cd "$tmp"
# The display outlives its last client: what one client leaves on it (here a property of the root)
# is still there for the next. A server that reset there would refuse a client that connects
# while it resets.
xprop -root -f SUITE_KEPT 8s -set SUITE_KEPT kept
[ "$(xprop -root SUITE_KEPT)" = 'SUITE_KEPT(STRING) = "kept"' ] || fail "the display was reset when its last client went"
checks=0

# Nothing happens on the display, in the folder or to the programs: one check, then the wait ends
# unanswered (checked every tenth of a second it would be about ten).
never() { checks=$((checks + 1)); return 1; }
! wait_until 1 never || fail "a condition never true was met"
[ $checks -le 2 ] || fail "a condition without events was checked $checks times in a second"

# A name written in the folder after the first check.
checks=0
file_made() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { echo x >"$tmp/written" & } && return 1
  [ -f "$tmp/written" ]
}
mkdir -p "$tmp/other"
wait_until $patience file_made || fail "a file written in the current folder was not seen"
checks=0
other_made() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { echo x >"$tmp/other/written" & } && return 1
  [ -f "$tmp/other/written" ]
}
wait_in_folder "$tmp/other" $patience other_made || fail "a file written in the folder named was not seen"

# A window shown after the first check, and gone.
checks=0
probe_shown() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { xev -name "Probe window" >/dev/null 2>&1 & probe=$!; } && return 1
  shown "Probe window"
}
wait_until $patience probe_shown || fail "a window shown was not seen"
kill $probe
gone "Probe window" || fail "a window gone was not seen"

# A program of this shell that ends after the first check.
mkfifo "$tmp/go"
(read -r _ <"$tmp/go") & program=$!
checks=0
told_to_end() {
  checks=$((checks + 1))
  [ $checks = 1 ] && { echo go >"$tmp/go" & } && return 1
  ended_process $program
}
wait_until $patience told_to_end || fail "the end of a program was not seen"
# A program idle: a window that answers a window manager's ping as Wine does (to the root, once
# its program waits for input), and one that never answers, hidden while it is waited for.
cat >"$tmp/answerer.py" <<'END'
import ctypes
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = x.XCreateSimpleWindow.restype = x.XInternAtom.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XCreateSimpleWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 4 + [ctypes.c_uint, ctypes.c_ulong, ctypes.c_ulong]
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XStoreName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_char_p]
x.XMapWindow.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
d = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(d)
w = x.XCreateSimpleWindow(d, root, 0, 0, 100, 100, 0, 0, 0)
x.XStoreName(d, w, b"Answering window")
x.XMapWindow(d, w)
ping = x.XInternAtom(d, b"_NET_WM_PING", 0)
event = (ctypes.c_long * 24)()
while True:
    x.XNextEvent(d, event)
    # ClientMessage: type, serial, send_event, display, window, message_type, format, data.
    if ctypes.c_int.from_buffer(event).value == 33 and event[7] == ping:
        event[4] = root
        x.XSendEvent(d, root, 0, (1 << 19) | (1 << 20), event)
        x.XFlush(d)
END
"$desktop_python" -S "$tmp/answerer.py" & answerer=$!
answering=$(window "Answering window") || fail "the answering window was not shown"
wait_idle "$answering" $patience || fail "the answer of a window to a ping was not seen"
kill $answerer
xev -name "Silent window" >/dev/null 2>&1 & probe=$!
silent=$(window "Silent window") || fail "the silent window was not shown"
kill $probe
! wait_idle "$silent" $patience || fail "a window that never answered was taken as answering"

echo "desktop waits: each wakes on its event"
