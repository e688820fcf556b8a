#!/usr/bin/env bash
# A user's session with the real program under Xvfb and openbox, typed with xdotool.
# Usage: gui_session.sh <classshaper> <classshaper-gen> <test data folder>
set -euo pipefail
program="$1" generator="$2" data="$3"
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool fehlt (scripts/install-deps.sh)"; exit 77; }
done

work="$(mktemp -d)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/share" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

fail() { echo "FEHLER: $*" >&2; exit 1; }
wait_for() { # window name pattern -> window id
    timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1
}
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null || return 0; sleep 0.1; done; fail "$1 bleibt offen"; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }

tpl="$work/Eigen.vlt-ctf"
cp "$data/golden/custom.vlt-ctf" "$tpl"
"$program" "$tpl" &
pids+=($!)
main="$(wait_for 'Class Shaper \[')" || fail "kein Fenster"
xdotool windowactivate --sync "$main"
xdotool search --classname '^classshaper$' >/dev/null || fail "Fensterklasse ist nicht die des Desktop-Eintrags"

keys ctrl+s
cmp "$tpl" "$data/golden/custom.vlt-ctf" || fail "Speichern ohne Änderung ändert die Datei"

keys alt+k ctrl+u
wait_for 'Klassenvorlage speichern' >/dev/null || fail "Strg+U öffnet keinen Dialog"
keys Escape
gone 'Klassenvorlage speichern'
keys ctrl+s
cmp "$tpl" "$data/golden/custom.vlt-ctf" || fail "Strg+U hat das Feld geändert"

keys ctrl+h
wait_for '^Mitglied$' >/dev/null || fail "Strg+H öffnet keinen Dialog"
xdotool type --delay 30 NEU
keys Tab ctrl+a
xdotool type --delay 30 Long
keys Return
gone '^Mitglied$'

keys alt+k End
xdotool type --delay 30 X
keys ctrl+n # the question's default answer is "Nein"
sleep 0.5
keys Return
keys ctrl+s
grep -q '^S:NEU$' "$tpl" || fail "Mitglied nicht hinzugefügt"
grep -q '^S:cls_EigenX$' "$tpl" || fail "Änderung nach Strg+N, Eingabe verloren"

keys F5
wait_for 'Klasse erstellen' >/dev/null || fail "F5 öffnet keinen Dialog"
keys Return
gone 'Klasse erstellen'
module="$work/cls_EigenX.cls"
"$generator" --stdout "$tpl" >"$work/expected.cls"
cmp "$module" "$work/expected.cls" || fail "F5 schreibt andere Bytes als classshaper-gen"
keys F7
viewer="$(wait_for '^Klassenmodul cls_EigenX')" || fail "F7 zeigt das Modul nicht"
xdotool windowactivate --sync "$main"
keys F7
[ "$(xdotool getactivewindow)" = "$viewer" ] || fail "F7 holt das offene Modul nicht nach vorn"
xdotool windowactivate --sync "$main"
keys ctrl+s ctrl+q
sleep 0.5
grep -qs '^recentFiles' "$XDG_CONFIG_HOME/Veltrane/classshaper.conf" ||
    fail "Einstellungen stehen nicht in Veltrane/classshaper.conf"

# Without a screen: the syntax on stdout, /COMPILE without a file, regeneration in place.
export CLASSSHAPER_NONINTERACTIVE=1
"$program" /? | grep -qx 'classshaper \[<Datei>\] \[/COMPILE\]' || fail "/? schreibt keine Syntax"
status=0; "$program" -compile 2>/dev/null || status=$?
[ "$status" = 1 ] || fail "/COMPILE ohne Datei endet mit $status"
: >"$module"
"$program" "$tpl" /Compile 2>/dev/null || fail "/COMPILE endet mit Fehler"
cmp "$module" "$work/expected.cls" || fail "/COMPILE schreibt andere Bytes als classshaper-gen"
echo "Sitzung in Ordnung"
