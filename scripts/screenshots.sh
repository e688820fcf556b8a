#!/usr/bin/env bash
# Starts the program on the example template in a virtual X display and writes
# docs/screenshots/main-window.png, member-dialog.png and module-viewer.png.
# Usage: scripts/screenshots.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

# Runs inside the virtual display: the script calls itself through xvfb-run.
capture() {
    local program="$1" out="$2" window dialog viewer
    # A private XDG folder keeps the desktop registration out of the user's home.
    XDG_DATA_HOME="$(mktemp -d)" "$program" examples/Kunde.vlt-ctf &
    app_pid=$!
    trap 'kill "$app_pid" 2>/dev/null || true' EXIT
    window="$(xdotool search --sync --onlyvisible --name 'Class Shaper' | head -n1)"
    sleep 1
    import -window "$window" "$out/main-window.png"

    # Mitglied > Hinzufügen, then fill the dialog as a user would.
    xdotool windowfocus --sync "$window"
    xdotool key --window "$window" ctrl+h
    dialog="$(xdotool search --sync --onlyvisible --name '^Mitglied$' | head -n1)"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 20 'KREDITLIMIT'
    xdotool key Tab ctrl+a
    xdotool type --delay 20 'Double'
    sleep 0.5
    import -window "$dialog" "$out/member-dialog.png"

    # Leave the dialog, then Datei > Erstellen > Ansehen.
    xdotool key Escape
    xdotool windowfocus --sync "$window"
    xdotool key F7
    viewer="$(xdotool search --sync --onlyvisible --name '^Klassenmodul' | head -n1)"
    sleep 0.5
    import -window "$viewer" "$out/module-viewer.png"
}

if [ "${1:-}" = "--inside-display" ]; then
    capture "$2" "$3"
    exit
fi

build_dir="${1:-build}"
program="$build_dir/app/classshaper"
[ -x "$program" ] || { echo "$program fehlt: erst bauen (scripts/run.sh oder cmake --build)" >&2; exit 2; }
scripts/install-deps.sh imagemagick xdotool
mkdir -p docs/screenshots

xvfb-run --auto-servernum --server-args='-screen 0 1280x900x24' \
    "$0" --inside-display "$program" docs/screenshots
echo "docs/screenshots/main-window.png"
echo "docs/screenshots/member-dialog.png"
echo "docs/screenshots/module-viewer.png"
