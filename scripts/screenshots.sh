#!/usr/bin/env bash
# Makes the README's screenshots from the demo draw that the repository ships: the installed
# program (make install) is started under Xvfb for a throw-away user whose folders hold the demo
# draw 1234 (scripts/load-demo.sh), with the home, singles and check pages taken at 1x, at 2x,
# and on a 1024 x 600 screen, and the analysis window at 1x; the manual's pictures are cut from
# the 1x pages.
#   scripts/screenshots.sh [PREFIX] [OUT]      defaults: ~/.local and docs/
# Needs xvfb, xdotool and imagemagick's import.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=${1:-$HOME/.local}
out=$(mkdir -p "${2:-$here/../docs}" && cd "${2:-$here/../docs}" && pwd)
exe=$prefix/bin/kelvor-mini
[ -x "$exe" ] || { echo "screenshots: $exe is not installed (make install)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# shot NAME SCREEN SCALE: one run of the program on a fresh user.
shot() {
    local name=$1 screen=$2 scale=$3
    local home=$work/$name
    mkdir -p "$home"
    HOME=$home XDG_CONFIG_HOME=$home/.config "$here/load-demo.sh" >/dev/null
    # The draw the program shows at start.
    printf ';Vantrel Kelvor mini Ini File (Kelvor mini.ini)\r\n\r\nKaisaikai = 1234\r\nDownloadMessage = 1\r\nResultAll = 1\r\n' \
        > "$home/.local/share/Kelvor mini/SysData/Kelvor mini.ini"
    local display
    for display in $(seq 140 170); do [ -e /tmp/.X11-unix/X$display ] || break; done
    Xvfb ":$display" -screen 0 "${screen}x24" >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    env -i PATH="$PATH" HOME="$home" DISPLAY=":$display" QT_SCALE_FACTOR="$scale" \
        LANG=ja_JP.UTF-8 "$exe" >/dev/null 2>&1 &
    local app=$!
    local window=""
    for _ in $(seq 1 60); do
        window=$(DISPLAY=":$display" xdotool search --onlyvisible --name "Kelvor mini" 2>/dev/null | head -1) || true
        [ -n "$window" ] && break
        sleep 0.5
    done
    sleep 2
    DISPLAY=":$display" import -window root "$out/screenshot-$name-home.png"
    eval "$(DISPLAY=":$display" xdotool getwindowgeometry --shell "$window")"
    local unit=${scale%.*}
    # A click on an empty spot of the home page gives the window the keyboard; then ファイル >
    # 開く, whose dialog proposes the draw's file Tovmi-1234.csv in the user-data folder.
    DISPLAY=":$display" xdotool mousemove $((X + 500 * unit)) $((Y + 560 * unit)) click 1
    sleep 1
    DISPLAY=":$display" xdotool key ctrl+o
    sleep 2
    DISPLAY=":$display" xdotool key Return
    sleep 2
    DISPLAY=":$display" import -window root "$out/screenshot-$name-singles.png"
    # The check page: the third picture of the page strip at the window's left.
    DISPLAY=":$display" xdotool mousemove $((X + 35 * unit)) $((Y + (25 + 8 + 84 * 2 + 40) * unit)) click 1
    sleep 2
    DISPLAY=":$display" import -window root "$out/screenshot-$name-check.png"
    if [ "$name" = 1x ]; then
        # ツール > 分析..., the third item of the Tools menu (after the two clipboard menus).
        DISPLAY=":$display" xdotool key alt+t
        sleep 0.5
        DISPLAY=":$display" xdotool key Down Down Return
        sleep 4
        local analysis=""
        # The window titled 分析 (xdotool's own name search misses names outside ASCII).
        for w in $(DISPLAY=":$display" xdotool search --onlyvisible --name .); do
            [ "$(DISPLAY=":$display" xdotool getwindowname "$w")" = 分析 ] && analysis=$w
        done
        DISPLAY=":$display" import -window "$analysis" "$out/screenshot-analysis.png"
        # The manual's pictures: the main window alone, cut from the pages' screenshots.
        mkdir -p "$out/manual"
        for page in home singles check; do
            convert "$out/screenshot-1x-$page.png" -trim +repage "$out/manual/$page.png"
        done
    fi
    kill "$app" "$xvfb" 2>/dev/null || true
    wait "$app" "$xvfb" 2>/dev/null || true
}

shot 1x 1280x800 1
shot 2x 2560x1600 2
shot 1024x600 1024x600 1
echo "screenshots written to $out"
