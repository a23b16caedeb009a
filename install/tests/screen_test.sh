#!/usr/bin/env bash
# Install.exe on a 1024 x 768 display without a window manager, in a Wine prefix as a new one is
# (managed windows) and with its windows unmanaged: either way the launcher's window covers the
# screen, so that every INSTALL button and Exit can be seen, and Alt+E ends it.
# The argument: the cross build's folder (its bin/ holds Install.exe).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cross=$(cd "$1" && pwd)
source "$top/tools/tests/desktop.sh"
start_desktop install-screen
own_prefix "$cross" managed || fail "no Wine prefix for the test"
caption="  INSTALLATION Program of the Soil-Structure Analysis Suite"
mkdir -p "$tmp/medium"
cp "$cross/bin/Install.exe" "$tmp/medium/"
cd "$tmp/medium"
for managed in Y N; do
  wine reg add 'HKCU\Software\Wine\AppDefaults\Install.exe\X11 Driver' /v Managed /d $managed /f >/dev/null 2>&1 </dev/null
  wine Install.exe >/dev/null 2>&1 </dev/null &
  program=$!
  w=$(window "$caption") || fail "no launcher window (Managed $managed)"
  # A managed window is one the X server lets a window manager place; an unmanaged one overrides it.
  redirect=$(xwininfo -id "$w" | awk -F': *' '/Override Redirect State/{print $2}')
  case $managed$redirect in Yno|Nyes) ;; *) fail "Managed $managed gave a window with override redirect '$redirect'";; esac
  # Maximised, its frame may lie beyond the screen's edges; a managed one leaves room for the
  # caption a window manager would draw. It may be shown first at its template size and
  # maximised after: its place is looked at again each time it changes.
  covers_screen() {
    eval "$(xdotool getwindowgeometry --shell "$w")"
    [ "$X" -le 3 ] && [ "$Y" -le 22 ] && [ $((X + WIDTH)) -ge 1021 ] && [ $((Y + HEIGHT)) -ge 765 ]
  }
  wait_until $patience covers_screen ||
    fail "Managed $managed: the launcher is ${WIDTH} x ${HEIGHT} at $X, $Y on a 1024 x 768 screen"
  keys "$w" alt+e || fail "the launcher went before Alt+E (Managed $managed)"
  wait_ended $program || fail "Alt+E did not end the launcher (Managed $managed)"
done
echo "install screen: both ways the launcher covers the screen"
