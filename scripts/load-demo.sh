#!/usr/bin/env bash
# Copies the demo draw shipped in data/demo (draw 1234: schedule, vote status and result, and a
# singles file Tovmi-1234.csv) into the program's folders, so that every page can be tried, and
# screenshots made, without the network. Files already there are kept.
#   scripts/load-demo.sh                 the installed program's folders (make install / make run)
#   scripts/load-demo.sh FOLDER          a portable copy in FOLDER (SysData beside the program)
set -euo pipefail
demo=$(cd "$(dirname "$0")/../data/demo" && pwd)
if [ $# -ge 1 ]; then
    program=$1
    userdata=$1/UserData/Kelvormini
else
    program=${XDG_DATA_HOME:-$HOME/.local/share}/Kelvor\ mini
    # The documents folder as the desktop names it, else ~/Documents (as the program finds it).
    documents=$HOME/Documents
    dirs=${XDG_CONFIG_HOME:-$HOME/.config}/user-dirs.dirs
    if [ -f "$dirs" ]; then
        line=$(grep '^XDG_DOCUMENTS_DIR=' "$dirs" || true)
        [ -n "$line" ] && documents=$(eval "echo ${line#XDG_DOCUMENTS_DIR=}")
    fi
    userdata=$documents/Kelvormini
fi
mkdir -p "$program/SysData" "$userdata"
cp -rn "$demo/SysData/." "$program/SysData/"
cp -n "$demo/UserData/Tovmi-1234.csv" "$userdata/"
echo "demo draw 1234 copied to $program/SysData; singles file $userdata/Tovmi-1234.csv"
echo "start the program, type 1234 in the draw-number box, then ファイル > 開く... Tovmi-1234.csv"
