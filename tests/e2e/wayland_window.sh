#!/bin/sh
# Starts Brannock in a Wayland session that also offers X (weston, headless, with XWayland)
# and checks what the player sees there: outside the drawn outline the desktop shows, not the
# window's background (weston ignores the X shape, so only the window's transparency cuts the
# corners away).
# The same window started with /noregion/ (a plain rectangle) gives the colours the window paints,
# so the check needs no knowledge of the look's colours.
# Then, where Xvfb is installed, it starts Brannock on Wayland alone (weston with its X11 backend
# for a pointer) and drags the window by its title bar.
# Usage: wayland_window.sh <Brannock executable>. Exits 77 (skipped) without weston or Xwayland.
set -u

for tool in weston Xwayland weston-screenshooter xdotool convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed"
        exit 77
    fi
done
brannock=$(readlink -f "$1")

work=$(mktemp -d)
weston_pid=
brannock_pid=
xvfb_pid=
cleanup() {
    # BRANNOCK_SCREENSHOTS names a folder that keeps the screenshots for a look afterwards.
    if [ -n "${BRANNOCK_SCREENSHOTS:-}" ]; then
        mkdir -p "$BRANNOCK_SCREENSHOTS" && cp "$work"/*.png "$BRANNOCK_SCREENSHOTS"/ 2>/dev/null
    fi
    [ -n "$brannock_pid" ] && kill "$brannock_pid" 2>/dev/null
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -f "$work/weston.log" ] && tail -n 20 "$work/weston.log"
    [ -f "$work/brannock.log" ] && cat "$work/brannock.log"
    exit 1
}

# The window's size and where Brannock puts it: the middle of the 1024 x 768 screen.
screen_w=1024
screen_h=768
left=$(((screen_w - 1) / 2 - 315 / 2))
top=$(((screen_h - 1) / 2 - 288 / 2))

export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket="brannock-test-$$"
weston --backend=headless-backend.so --use-pixman --xwayland --socket="$socket" \
    --width=$screen_w --height=$screen_h --debug --log="$work/weston.log" >/dev/null 2>&1 &
weston_pid=$!

display=
for _ in $(seq 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" 2>/dev/null | head -n 1)
    [ -n "$display" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston ended at its start"
    sleep 0.1
done
[ -n "$display" ] || fail "weston offered no X server"

# Settings written beforehand, so that no first-start box covers the window.
home="$work/home"
mkdir -p "$home/.config/Brannock"
cat >"$home/.config/Brannock/Brannock.conf" <<'EOF'
[Color]
B1=255
B2=255
G1=120
G2=255
R1=0
R2=255
TxtB=0
TxtG=0
TxtR=0

[Other]
DelNew=No
UseAVC=Yes

[Pals]
Armors=pal3
Doors=pal2
Emblems=pal1
Flags=pal3
Flyers=pal2
Generators=pal2
Sensors=pal2
Solar%20Panels=pal2
Stations=pal2
Turrets=pal2

[Skin]
Path=Skins\\6.0 GOLD\\
Use=Yes
EOF

x() { DISPLAY="$display" "$@"; }

# Starts Brannock with the given switches and waits until its window is shown.
start_brannock() {
    (cd "$home" && exec env -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" WAYLAND_DISPLAY="$socket" DISPLAY="$display" \
        XDG_SESSION_TYPE=wayland "$brannock" "$@" >"$work/brannock.log" 2>&1) &
    brannock_pid=$!
    window=
    for _ in $(seq 150); do
        window=$(x xdotool search --onlyvisible --name '^Kestrow Wendle VI$' 2>/dev/null | head -n 1)
        [ -n "$window" ] && break
        kill -0 "$brannock_pid" 2>/dev/null || fail "Brannock ended at its start"
        sleep 0.1
    done
    [ -n "$window" ] || fail "Brannock showed no window on $display"
    sleep 2 # the first frame, and the folder list filled after it
}

stop_brannock() {
    kill "$brannock_pid"
    wait "$brannock_pid" 2>/dev/null
    brannock_pid=
    sleep 0.5
}

shot_number=0
# Takes a screenshot of the whole output into the file named $1.
screenshot() {
    shot_number=$((shot_number + 1))
    mkdir -p "$work/shot$shot_number"
    (cd "$work/shot$shot_number" && WAYLAND_DISPLAY="$socket" weston-screenshooter >/dev/null 2>&1) ||
        fail "weston-screenshooter failed"
    mv "$work/shot$shot_number"/*.png "$1" || fail "no screenshot was written"
}

# The colour at window position ($2, $3) in screenshot $1.
colour() {
    convert "$1" -alpha off -format "%[pixel:p{$((left + $2)),$((top + $3))}]" info:
}

# Takes a screenshot of the desktop alone into $1, once the shell has drawn it and its fade-in
# is over.
desktop_screenshot() {
    previous=
    for _ in $(seq 50); do
        screenshot "$1"
        now=$(colour "$1" 0 0)
        [ "$now" != "srgb(0,0,0)" ] && [ "$now" = "$previous" ] && break
        previous=$now
        sleep 0.3
    done
}

desktop_screenshot "$work/desktop.png"

start_brannock /noregion/
screenshot "$work/rectangle.png"
stop_brannock

start_brannock
screenshot "$work/shaped.png"

# Inside the outline: the folder list, the title, the include panel, a text box.
for at in "60 120" "230 12" "100 250" "250 118"; do
    set -- $at
    [ "$(colour "$work/shaped.png" "$1" "$2")" = "$(colour "$work/rectangle.png" "$1" "$2")" ] ||
        fail "inside the outline at $1,$2 the shaped window differs from the rectangular one"
done
# Cut away by the outline: the top-left corner, beside the include button, below the buttons on
# the right, the bottom-right corner. There the desktop must show: its own colour, or darkened
# or lightened evenly by what weston draws around a window, never the colour the window paints.
for at in "0 0" "20 20" "100 30" "305 160" "250 250" "310 280"; do
    set -- $at
    desktop=$(colour "$work/desktop.png" "$1" "$2")
    painted=$(colour "$work/rectangle.png" "$1" "$2")
    shown=$(colour "$work/shaped.png" "$1" "$2")
    echo "$desktop $painted $shown" | tr -c '0-9\n' ' ' | awk '{
        dr = $1; dg = $2; db = $3; pr = $4; pg = $5; pb = $6; sr = $7; sg = $8; sb = $9
        if (sr == pr && sg == pg && sb == pb) exit 1          # the window painted there
        if (sr > 1.15 * dr + 2 || sg > 1.15 * dg + 2 || sb > 1.15 * db + 2) exit 1 # much lighter
        if (4 * (sr + sg + sb) < dr + dg + db) exit 1         # all but black
        cross = sr * dg - sg * dr; if (cross < 0) cross = -cross
        if (cross > 2 * (dr + dg)) exit 1                     # another hue
        cross = sg * db - sb * dg; if (cross < 0) cross = -cross
        if (cross > 2 * (dg + db)) exit 1
    }' || fail "outside the outline at $1,$2 $shown shows (the desktop is $desktop, the window paints $painted)"
done

echo "shaped by transparency under weston's XWayland ($display)"
stop_brannock
kill "$weston_pid"
wait "$weston_pid" 2>/dev/null
weston_pid=

# A drag by the title bar on Wayland itself, where the compositor moves the window on the
# press: weston with a pointer (its X11 backend in an Xvfb, driven there by xdotool), and
# Brannock with no X server to prefer.
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "the drag on Wayland was not tried: Xvfb is not installed"
    exit 0
fi
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/xvfb.display" 2>/dev/null &
xvfb_pid=$!
outer=
for _ in $(seq 100); do
    outer=$(cat "$work/xvfb.display" 2>/dev/null)
    [ -n "$outer" ] && break
    sleep 0.1
done
[ -n "$outer" ] || fail "Xvfb did not start"
DISPLAY=":$outer" weston --backend=x11-backend.so --use-pixman --socket="$socket" \
    --width=$screen_w --height=$screen_h --debug --log="$work/weston-x11.log" >/dev/null 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start on Xvfb"
desktop_screenshot "$work/desktop-wayland.png"

# Where the window is in screenshot $1 (the compositor chose it): "left top" of what differs from
# the desktop below the panel, once that is the window's size.
window_place() {
    convert "$work/desktop-wayland.png" "$1" -crop ${screen_w}x$((screen_h - 40))+0+40 +repage \
        -compose difference -composite -threshold 1% -trim -format '%w %h %X %Y' info: |
        tr -d '+' | awk '$1 == 315 && $2 == 288 { print $3, $4 + 40 }'
}

(cd "$home" && exec env -u QT_QPA_PLATFORM -u DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" \
    XDG_DATA_HOME="$home/.local/share" WAYLAND_DISPLAY="$socket" XDG_SESSION_TYPE=wayland \
    "$brannock" >"$work/brannock.log" 2>&1) &
brannock_pid=$!
place=
for _ in $(seq 50); do
    sleep 0.3
    kill -0 "$brannock_pid" 2>/dev/null || fail "Brannock ended at its start on Wayland"
    screenshot "$work/wayland-before.png"
    place=$(window_place "$work/wayland-before.png")
    [ -n "$place" ] && break
done
[ -n "$place" ] || fail "Brannock's window did not show on Wayland"
set -- $place
grab_x=$(($1 + 230))
grab_y=$(($2 + 12))
xo() { DISPLAY=":$outer" xdotool "$@"; }
xo mousemove "$grab_x" "$grab_y"
sleep 0.3
xo mousedown 1
for step in 10 20 30 40 50 60; do
    xo mousemove "$((grab_x - step))" "$((grab_y + step / 2))"
    sleep 0.1
done
xo mouseup 1
sleep 0.5
screenshot "$work/wayland-after.png"
moved=$(window_place "$work/wayland-after.png")
[ "$moved" = "$(($1 - 60)) $(($2 + 30))" ] ||
    fail "a drag by the title bar by (-60, 30) on Wayland moved the window from ($place) to (${moved:-nowhere to be found})"
echo "dragged by its title bar on Wayland from ($place) to ($moved)"
