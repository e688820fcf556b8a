#!/usr/bin/env bash
# Starts the program on the example template in a virtual X display with the openbox window
# manager and writes the screenshots of docs/screenshots/, frames included: the main window,
# the member dialog, the module viewer, the save dialog, the preview pane with a finding, the
# question before "In Datei" replaces a different module file, and the main window, the
# viewer, the preview and the difference window with a dark colour scheme (KDE's kdeglobals,
# which Qt reads) and at a scale factor of 1.5; and the project dock on scripts/sample-project.sh.
# Usage: scripts/screenshots.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

shot() { # window name pattern, file
    local id
    id="$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1)"
    sleep 0.7
    import -frame -window "$id" "$out/$2"
    echo "$out/$2"
}

template=examples/Kunde.vlt-ctf
start() { # extra environment..., or a project to open beside the template
    local extra=()
    [ $# -gt 0 ] && [[ "$1" != *=* ]] && { extra=("$1"); shift; }
    env "$@" "$program" "$template" "${extra[@]}" &
    app_pid=$!
    timeout 10 xdotool search --sync --onlyvisible --name 'Class Shaper' >/dev/null
    sleep 0.5
}

stop() { kill "$app_pid"; wait "$app_pid" 2>/dev/null || true; }

wait_window() { timeout 10 xdotool search --sync --onlyvisible --name "$1" >/dev/null; }

create_file() { # "In Datei" into the proposed file
    xdotool key F5
    wait_window 'Klasse erstellen'
    sleep 0.3
    xdotool key Return
    while xdotool search --onlyvisible --name 'Klasse erstellen' >/dev/null 2>&1; do sleep 0.2; done
    sleep 0.5
}

add_finding_member() { # a member with a blank in its name: a finding
    xdotool key ctrl+h
    wait_window '^Mitglied$'
    xdotool type --delay 20 'Liefer Datum'
    xdotool key Tab ctrl+a
    xdotool type --delay 20 'Date'
    xdotool key Return
    sleep 0.5
}

# A copy of the example is written to its module file, gets a member with a blank in its name
# (a finding) and is written again: the question shows what would change.
capture_overwrite() {
    local copy
    copy="$(mktemp -d)"
    cp examples/Kunde.vlt-ctf "$copy/"
    template="$copy/Kunde.vlt-ctf" start
    create_file
    add_finding_member
    shot 'Class Shaper' preview.png
    create_file
    wait_window '^Moduldatei'
    xdotool key alt+n
    shot '^Moduldatei' overwrite-diff.png
    xdotool key Escape
    stop
}

dark_scheme() {
    cat >"$1/kdeglobals" <<'INI'
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=35,38,41
BackgroundAlternate=49,54,59
ForegroundNormal=239,240,241
ForegroundLink=61,174,233
ForegroundVisited=246,116,0
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
INI
}

# The sample project beside the example template, its stale template open.
capture_project() {
    local vbp
    vbp="$(scripts/sample-project.sh "$(mktemp -d)" "$generator")"
    template="$(dirname "$vbp")/Vorlagen/cAuftrag.vlt-ctf" start "$vbp"
    sleep 1
    shot 'Class Shaper' project.png
    stop
}

capture() {
    openbox >/dev/null 2>&1 &
    sleep 0.5
    local config dark
    config="$(mktemp -d)" dark="$(mktemp -d)"
    dark_scheme "$dark"
    export XDG_DATA_HOME="$config" XDG_CONFIG_HOME="$config"

    start
    shot 'Class Shaper' main-window.png
    xdotool key ctrl+h
    timeout 10 xdotool search --sync --onlyvisible --name '^Mitglied$' >/dev/null
    xdotool type --delay 20 'KREDITLIMIT'
    xdotool key Tab ctrl+a
    xdotool type --delay 20 'Double'
    shot '^Mitglied$' member-dialog.png
    xdotool key Escape
    sleep 0.3
    xdotool key F7
    shot '^Klassenmodul' module-viewer.png
    xdotool key Escape
    sleep 0.3
    xdotool key ctrl+u
    shot 'Klassenvorlage speichern' file-dialog.png
    xdotool key Escape
    stop

    local copy
    copy="$(mktemp -d)"
    cp examples/Kunde.vlt-ctf "$copy/"
    template="$copy/Kunde.vlt-ctf" start XDG_CONFIG_HOME="$dark" XDG_CURRENT_DESKTOP=KDE \
        KDE_SESSION_VERSION=5
    shot 'Class Shaper' main-window-dark.png
    xdotool key F7
    shot '^Klassenmodul' module-viewer-dark.png
    xdotool key Escape
    create_file
    add_finding_member
    shot 'Class Shaper' preview-dark.png
    xdotool key alt+v
    shot '^Unterschiede' diff-dark.png
    stop

    start QT_SCALE_FACTOR=1.5
    shot 'Class Shaper' main-window-scale-1.5.png
    stop

    capture_overwrite
    capture_project
}

if [ "${1:-}" = "--inside-display" ]; then
    program="$2" out="$3" generator="$4"
    capture
    exit
fi

build_dir="${1:-build}"
program="$build_dir/app/classshaper"
[ -x "$program" ] || { echo "$program fehlt: erst bauen (scripts/run.sh oder cmake --build)" >&2; exit 2; }
scripts/install-deps.sh imagemagick
mkdir -p docs/screenshots
xvfb-run --auto-servernum --server-args='-screen 0 1280x900x24' \
    "$0" --inside-display "$(realpath "$program")" docs/screenshots "$(realpath "$build_dir/cli/classshaper-gen")"
