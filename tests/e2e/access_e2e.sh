#!/usr/bin/env bash
# Screen readers on the real accessibility bus (at-spi-bus-launcher, read with pyatspi): the piano
# window's keyboard lists its keys by name, middle C reads pressed while a click holds it, its
# "Press" action plays it (note-on, then note-off at a JACK listener), and Tab walks the panel's
# controls, each named, in their order on the page. Usage: access_e2e.sh TINKELLA
set -u
if [ -z "${ACCESS_E2E_BUS:-}" ]; then
  ACCESS_E2E_BUS=1 exec dbus-run-session -- "$0" "$@"
fi
bin=$1
source "$(dirname "$0")/lib.sh"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CONFIG_HOME=$work/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
start_x 1920x1080 || fail "Xvfb with openbox did not start"
start_jackd || fail "jackd did not start"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
bus_up() { gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.a11y.Bus.GetAddress >/dev/null 2>&1; }
wait_until 10 bus_up || fail "no accessibility bus"
start_dump
start_app app --midi=jack --audio=none
wait_until 15 find_window '^Tinkella$' "$app_pid" || fail "piano window not shown"
piano=$window
connect_dump "$work/app.log"

cat >"$work/reader.py" <<'PY'
import subprocess, sys, time
import pyatspi

def objects(root, depth=0):
    yield root
    for child in root if depth < 12 else ():
        if child is not None:
            yield from objects(child, depth + 1)

def application():
    for _ in range(100):
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name.lower() == "tinkella"), None)
        if app is not None:
            return app
        time.sleep(0.1)
    sys.exit("no application tinkella on the accessibility bus")

def name(control):
    # A pop-up names its choice; the label beside it names the control ("labelled by").
    labels = [r.getTarget(0).name for r in control.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    return labels[0] if labels else control.name

app = application()
keyboard = next(o for o in objects(app) if o.name == "Piano keyboard")
keys = {key.name: key for key in keyboard}
command = sys.argv[1]
if command == "keys":
    print("keys shown:", " ".join(keys), "| range:", keyboard.description)
    sys.exit(0 if "C5" in keys and "C\u266f5" in keys and len(keys) >= 24 else 1)
if command == "pressed":
    sys.exit(0 if keys["C5"].getState().contains(pyatspi.STATE_PRESSED) else 1)
if command == "press":
    action = keys["C5"].queryAction()
    action.doAction([action.getName(i) for i in range(action.nActions)].index("Press"))
if command == "tab":
    panel = next(w for w in app if w.name == "Settings")
    walk = []
    for _ in range(40):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        time.sleep(0.3)
        # The tab bar's current tab keeps reading focused; the control with the focus is the other.
        control = next((o for o in objects(panel) if o.getState().contains(pyatspi.STATE_FOCUSED)
                        and o.getRole() not in (pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_FRAME)), None)
        box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) if control else None
        entry = control and (name(control), control.getRoleName(), box.y, box.x)
        if entry and walk and entry == walk[0]:
            break
        walk += [entry] if entry else []
    print("\n".join("  %-40s %-12s y=%d x=%d" % entry for entry in walk))
    # The cycle starts anywhere: turned to begin at the topmost control, it reads down the page.
    start = walk.index(min(walk, key=lambda e: (e[2], e[3])))
    cycle = walk[start:] + walk[:start]
    ordered = all((a[2], a[3]) <= (b[2], b[3]) for a, b in zip(cycle, cycle[1:]))
    sys.exit(0 if len(walk) >= 9 and ordered and all(e[0] for e in walk) else 1)
PY
reader() { /usr/bin/python3 "$work/reader.py" "$@"; }

reader keys || fail "the keyboard's keys are not listed by name"
on_middle_c mousedown 1
wait_until 5 reader pressed || fail "middle C does not read pressed while held"
on_middle_c mouseup 1
wait_until 5 eval '! reader pressed' || fail "middle C still reads pressed after the click"
before=$(wc -l <"$work/dump.log")
reader press || fail "middle C has no Press action"
wait_until 5 received_in_order "$before" "90 3c 7f" "80 3c 00" || fail "Press did not play middle C"
find_window '^Settings$' "$app_pid" || fail "settings panel not shown"
xdotool windowactivate --sync "$window"
reader tab || fail "Tab does not walk the panel's named controls in their order"
echo "PASS"
