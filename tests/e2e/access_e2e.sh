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

def find(root, test, depth=0):
    if root is None or depth > 12:
        return None
    if test(root):
        return root
    for child in root:
        found = find(child, test, depth + 1)
        if found is not None:
            return found
    return None

def all_focused(root, depth=0, out=None):
    out = [] if out is None else out
    if root.getState().contains(pyatspi.STATE_FOCUSED):
        out.append(root)
    for child in root:
        if child is not None and depth < 12:
            all_focused(child, depth + 1, out)
    return out

def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower() == "tinkella":
                return app
        time.sleep(0.1)
    sys.exit("no application tinkella on the accessibility bus")

app = application()
keyboard = find(app, lambda o: o.name == "Piano keyboard")
if keyboard is None:
    sys.exit("no 'Piano keyboard'")
keys = {key.name: key for key in keyboard}
command = sys.argv[1]
if command == "keys":
    print("keys shown:", " ".join(keys), "| range:", keyboard.description)
    sys.exit(0 if "C5" in keys and "C\u266f5" in keys and len(keys) >= 24 else 1)
if command == "pressed":
    sys.exit(0 if keys["C5"].getState().contains(pyatspi.STATE_PRESSED) else 1)
if command == "press":
    action = keys["C5"].queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    print("C5 actions:", names)
    action.doAction(names.index("Press"))
    sys.exit(0)
if command == "tab":
    panel = next((w for w in app if w.name == "Settings"), None)
    if panel is None:
        sys.exit("no window Settings among " + ", ".join(f"{w.name}/{w.getRoleName()}" for w in app))
    # The tab bar's current tab keeps reading focused; the control that has the focus is the other.
    focused = lambda: next((o for o in all_focused(panel)
                            if o.getRole() not in (pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_FRAME)), None)
    def name(control):
        # A pop-up names its choice; the label beside it names the control ("labelled by").
        for relation in control.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
        return control.name
    walk = []
    for _ in range(40):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        time.sleep(0.3)
        control = focused()
        if control is None:
            continue
        box = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        entry = (name(control), control.getRoleName(), box.y, box.x)
        if walk and entry == walk[0]:
            break
        walk.append(entry)
    for entry in walk:
        print("  %-40s %-12s y=%d x=%d" % entry)
    # The cycle starts anywhere: turned to begin at the topmost control, it reads down the page.
    start = walk.index(min(walk, key=lambda e: (e[2], e[3])))
    cycle = walk[start:] + walk[:start]
    ordered = all((a[2], a[3]) <= (b[2], b[3]) for a, b in zip(cycle, cycle[1:]))
    unnamed = [e for e in walk if not e[0]]
    sys.exit(0 if len(walk) >= 9 and ordered and not unnamed else 1)
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
