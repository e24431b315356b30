#!/usr/bin/env bash
# screenshots.sh PROGRAM OUTDIR [en]: starts PROGRAM (a lumoclick executable with
# its acdb.mdb and help.html beside it) on a private Xvfb server
# (1280x1024x24) under icewm, drives it with real clicks and keys, and saves
# one PNG per window into OUTDIR, with windows.txt listing each window's
# title and size. Two builds run through it give pictures that compare
# pixel for pixel:
#
#     tools/screenshots.sh old/lumoclick shots/old
#     tools/screenshots.sh new/lumoclick shots/new
#     compare -metric AE shots/old/main-single.png shots/new/main-single.png diff.png
#
# The program runs from a fresh copy of its folder (its data lives there),
# with LANG unset (the Chinese interface; "en" as the third argument gives
# LANG=en_US.UTF-8 and the English one), a database holding one script and
# one timed task, and an xdg-open that only writes a log. Everything waits
# for fixed times, so that two runs show the same moments; the clock (the
# timed task dialogs show the current time) and a blinking text cursor are
# what may still differ.
#
# Needs Xvfb, icewm, xdotool, xwininfo, ImageMagick's import, sqlite3 and python3
# (its http.server serves the update page).
set -u

if [ $# -lt 2 ] || [ $# -gt 3 ] || { [ $# -eq 3 ] && [ "$3" != en ]; }; then
    echo "usage: screenshots.sh PROGRAM OUTDIR [en]" >&2
    exit 2
fi
language=${3:-zh}
program=$(readlink -f "$1")
outdir=$2
if [ ! -x "$program" ]; then
    echo "screenshots.sh: $1 is not an executable" >&2
    exit 2
fi
# The control centres come from the tables of the tree this script is in.
control_points=${LUMO_CONTROL_POINTS:-$(dirname "$(readlink -f "$0")")/../build/default/bin/control_points}
if [ ! -x "$control_points" ]; then
    echo "screenshots.sh: $control_points is missing (cmake --build --preset default builds it)" >&2
    exit 2
fi
for tool in Xvfb icewm xdotool xwininfo xprop import sqlite3 python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "screenshots.sh: $tool is missing (tools/setup.sh installs it)" >&2
        exit 2
    fi
done
mkdir -p "$outdir" || exit 2
outdir=$(readlink -f "$outdir")

# How long a window gets to draw itself after it appeared, and a click or
# key to take effect.
settle=1.5
step=0.7

workdir=$(mktemp -d "${TMPDIR:-/tmp}/screenshots.XXXXXX") || exit 2
xvfb_pid=""
wm_pid=""
program_pid=""
server_pid=""

stop_pid() {
    local pid=$1
    [ -n "$pid" ] || return 0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

cleanup() {
    stop_pid "$program_pid"
    stop_pid "$server_pid"
    stop_pid "$wm_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

log() {
    echo "screenshots.sh: $*" >&2
}

# --- the program's folder ---------------------------------------------------

folder=$workdir/program
cp -a "$(dirname "$program")" "$folder" || exit 2
executable=$folder/$(basename "$program")
chmod u+w "$folder" "$folder/acdb.mdb" 2>/dev/null
rm -f "$folder/setting.ini"

# One script with two steps and one timed task, so that the lists have a row
# and the modify dialogs something to show.
sqlite3 "$folder/acdb.mdb" <<'SQL' || exit 2
delete from mplist;
delete from tplist;
insert into mplist (mpname,hotkey,mpoint,clicknum)
    values ('测试脚本', 'Ctrl+F8', '100,120,左键单击,50|200,220,右键单击,100|', '3');
insert into tplist (tpname,mpoint,nums)
    values ('12:30:00', '300,320,左键双击,200|', '2');
SQL

# Opened pages are only written down.
"$control_points" >"$workdir/points" || exit 2
mkdir -p "$workdir/bin" "$workdir/site" "$workdir/home/.config" "$workdir/home/.local/share" "$workdir/runtime"
chmod 700 "$workdir/runtime"
cat >"$workdir/bin/xdg-open" <<'EOF'
#!/bin/sh
printf '%s\n' "$@" >>"$(dirname "$0")/../xdg-open.log"
EOF
chmod +x "$workdir/bin/xdg-open"

# --- the X server and the window manager ------------------------------------

mkfifo "$workdir/displayfd" || exit 2
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$workdir/displayfd" \
    >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
display=""
if ! read -r -t 30 display <"$workdir/displayfd" || [ -z "$display" ]; then
    log "Xvfb did not start:"
    cat "$workdir/xvfb.log" >&2
    exit 2
fi
export DISPLAY=":$display"
unset WAYLAND_DISPLAY LANG LANGUAGE LC_ALL LC_MESSAGES
export HOME=$workdir/home
export XDG_CONFIG_HOME=$workdir/home/.config
export XDG_DATA_HOME=$workdir/home/.local/share
export XDG_RUNTIME_DIR=$workdir/runtime
export PATH=$workdir/bin:$PATH
export QT_QPA_PLATFORM=xcb
[ "$language" = en ] && export LANG=en_US.UTF-8

# The window titles the run waits for, in the interface's language.
if [ "$language" = en ]; then
    title_about="About"
    title_script_add="Add multi-point clicks"
    title_script_modify="Modify multi-point clicks"
    title_step_add="Add position"
    title_step_modify="Modify position"
    title_stop_hotkey="Stop hotkey"
    title_timed_add="Add timed clicks"
    title_timed_modify="Modify timed clicks"
    title_download="*is updating*"
    title_download_failed="Download failed"
    title_notice="Notice"
else
    title_about="关于"
    title_script_add="添加多坐标点击"
    title_script_modify="修改坐标"
    title_step_add="添加坐标"
    title_step_modify="修改坐标"
    title_stop_hotkey="停止热键设置"
    title_timed_add="添加定时点击"
    title_timed_modify="修改定时点击"
    title_download="*升级中*"
    title_download_failed="下载失败"
    title_notice="提示"
fi
unset DBUS_SESSION_BUS_ADDRESS

# icewm frames the windows and hosts the tray icon.
icewm >"$workdir/icewm.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
sleep 1

# --- finding and capturing windows ------------------------------------------

# The program's viewable windows, one id a line.
our_windows() {
    xdotool search --onlyvisible --class '^lumoclick$' 2>/dev/null | sort
}

# wait_new_window BEFORE [TITLE]: prints the first viewable window of the
# program that is not in the list BEFORE (and has the title TITLE, when
# given); waits up to ten seconds.
wait_new_window() {
    local before=$1 title=${2-} window
    for _ in $(seq 100); do
        for window in $(comm -13 <(printf '%s\n' "$before") <(our_windows)); do
            if [ -z "$title" ] || [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$title" ]; then
                echo "$window"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Waits until window is no longer viewable.
wait_gone() {
    local window=$1
    for _ in $(seq 100); do
        xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
        sleep 0.1
    done
    log "window $window did not close"
    return 1
}

# shot NAME WINDOW: saves the window's contents (without the frame of the
# window manager) as NAME.png, and its title and size into windows.txt.
shot() {
    local name=$1 window=$2 size
    # The pointer rests outside every window, so that no button is lit
    # and no tooltip shows.
    xdotool mousemove 4 4
    sleep "$settle"
    size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    import -window "$window" "$outdir/$name.png"
    printf '%s\t%s\t%s\n' "$name" "$size" "$(xdotool getwindowname "$window")" >>"$outdir/windows.txt"
    log "captured $name ($size)"
}

# click WINDOW X Y [BUTTON]: a real click at a point of the window.
click() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.2
    xdotool click "${4:-1}"
    sleep "$step"
}

# clickon WINDOW TABLE CONTROL: a real click at the centre of a control,
# as control_points prints it from the window's table.
clickon() {
    local point
    point=$(awk -v table="$2" -v control="$3" '$1 == table && $2 == control { print $3, $4 }' "$workdir/points")
    if [ -z "$point" ]; then
        log "no control $3 in the table of $2"
        exit 1
    fi
    # shellcheck disable=SC2086 # "X Y", split on purpose
    click "$1" $point
}

key() {
    xdotool key "$@"
    sleep "$step"
}

# missing NAME WHY: notes a window that could not be captured.
missing() {
    printf '%s\t-\tnot captured: %s\n' "$1" "$2" >>"$outdir/windows.txt"
    log "not captured: $1: $2"
}

start_program() {
    (cd "$folder" && exec "$executable" "$@" >>"$workdir/program.log" 2>&1) &
    program_pid=$!
}

# --- the run ----------------------------------------------------------------

rm -f "$outdir"/*.png "$outdir/windows.txt"

# No update page on the first start: nothing to announce.
export LUMOCLICK_UPDATE_PAGE="file://$workdir/site/none.html"
start_program
if ! main=$(wait_new_window "" ""); then
    log "the main window did not appear"
    cat "$workdir/program.log" >&2
    exit 1
fi
# The tray icon is a window of ours too: wait for the large one.
for _ in $(seq 100); do
    for window in $(our_windows); do
        if xwininfo -id "$window" | grep -q 'Width: 549'; then
            main=$window
            break 2
        fi
    done
    sleep 0.1
done
sleep 3

# Controls are clicked at their centres from the windows' tables. Tab
# headers and list rows are no controls: the tab bar lays its headers out
# in the row at y=103 of the main window's client area, and a list's first
# row lies a header's height into the list.

# The first tab, and what it opens.
click "$main" 58 103
shot main-single "$main"

before=$(our_windows)
clickon "$main" main singlePoint/saveButton
if box=$(wait_new_window "$before"); then
    shot message-settings-saved "$box"
    key Return
    wait_gone "$box"
else
    missing message-settings-saved "no message box after 保存设置"
fi

before=$(our_windows)
clickon "$main" main aboutButton
if box=$(wait_new_window "$before" "$title_about"); then
    shot about "$box"
    key Return
    wait_gone "$box"
else
    missing about "no about box after 关于软件"
fi

# The other tabs.
click "$main" 168 103
click "$main" 80 172 # the script's row
shot main-scripts "$main"
click "$main" 275 103
click "$main" 80 172 # the timed task's row
shot main-timed "$main"
click "$main" 393 103
shot main-help "$main"

# The script tab's dialogs.
click "$main" 168 103
before=$(our_windows)
clickon "$main" main scriptList/addButton
if dialog=$(wait_new_window "$before" "$title_script_add"); then
    shot script-add "$dialog"

    before=$(our_windows)
    clickon "$dialog" script-editor stepsGroupBox/addStepButton
    if editor=$(wait_new_window "$before" "$title_step_add"); then
        shot script-add-step "$editor"
        key Escape
        wait_gone "$editor"
    else
        missing script-add-step "no step editor after 添加坐标"
    fi

    # OK with no name is refused with a message.
    before=$(our_windows)
    clickon "$dialog" script-editor okButton
    if box=$(wait_new_window "$before"); then
        shot message-script-no-name "$box"
        key Return
        wait_gone "$box"
    else
        missing message-script-no-name "no message after OK without a name"
    fi

    clickon "$dialog" script-editor cancelButton
    wait_gone "$dialog"
else
    missing script-add "no dialog after 添加"
fi

click "$main" 80 172 # the script's row
before=$(our_windows)
clickon "$main" main scriptList/modifyButton
if dialog=$(wait_new_window "$before" "$title_script_modify"); then
    shot script-modify "$dialog"

    click "$dialog" 80 178 # the first step
    before=$(our_windows)
    clickon "$dialog" script-editor stepsGroupBox/modifyStepButton
    if editor=$(wait_new_window "$before" "$title_step_modify"); then
        shot script-modify-step "$editor"
        key Escape
        wait_gone "$editor"
    else
        missing script-modify-step "no step editor after 修改坐标"
    fi

    clickon "$dialog" script-editor cancelButton
    wait_gone "$dialog"
else
    missing script-modify "no dialog after 修改"
fi

before=$(our_windows)
clickon "$main" main scriptList/stopHotkeyButton
if dialog=$(wait_new_window "$before" "$title_stop_hotkey"); then
    shot stop-hotkey "$dialog"
    clickon "$dialog" stop-hotkey cancelButton
    wait_gone "$dialog"
else
    missing stop-hotkey "no dialog after 停止热键设置"
fi

click "$main" 80 172 # the script's row
before=$(our_windows)
clickon "$main" main scriptList/deleteButton
if box=$(wait_new_window "$before"); then
    shot message-script-delete "$box"
    key Escape # no
    wait_gone "$box"
else
    missing message-script-delete "no question after 删除"
fi

# The timed tab's dialogs.
click "$main" 275 103
before=$(our_windows)
clickon "$main" main timedList/addButton
if dialog=$(wait_new_window "$before" "$title_timed_add"); then
    shot timed-add "$dialog"

    before=$(our_windows)
    clickon "$dialog" timed-editor stepsGroupBox/addStepButton
    if editor=$(wait_new_window "$before" "$title_step_add"); then
        shot timed-add-step "$editor"
        key Escape
        wait_gone "$editor"
    else
        missing timed-add-step "no step editor after the timed dialog's 添加"
    fi

    clickon "$dialog" timed-editor cancelButton
    wait_gone "$dialog"
else
    missing timed-add "no dialog after 添加"
fi

click "$main" 80 172 # the timed task's row
before=$(our_windows)
clickon "$main" main timedList/modifyButton
if dialog=$(wait_new_window "$before" "$title_timed_modify"); then
    shot timed-modify "$dialog"

    click "$dialog" 58 160 # the first step
    before=$(our_windows)
    clickon "$dialog" timed-editor stepsGroupBox/modifyStepButton
    if editor=$(wait_new_window "$before" "$title_step_modify"); then
        shot timed-modify-step "$editor"
        key Escape
        wait_gone "$editor"
    else
        missing timed-modify-step "no step editor after the timed dialog's 修改"
    fi

    clickon "$dialog" timed-editor cancelButton
    wait_gone "$dialog"
else
    missing timed-modify "no dialog after 修改"
fi

# The tray icon's menu, the about box from it, and the question on exit.
tray_icon=""
for window in $(our_windows); do
    [ "$window" = "$main" ] && continue
    if xwininfo -id "$window" | grep -q 'Width: 24'; then
        tray_icon=$window
    fi
done
click "$main" 58 103 # back to the first tab
if [ -n "$tray_icon" ]; then
    before=$(our_windows)
    click "$tray_icon" 12 12 3
    if menu=$(wait_new_window "$before"); then
        # The pointer stays on the icon here: moved away, it would light an
        # entry of the menu.
        sleep "$settle"
        import -window "$menu" "$outdir/tray-menu.png"
        printf '%s\t%s\t%s\n' tray-menu "$(xwininfo -id "$menu" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')" \
            "$(xdotool getwindowname "$menu")" >>"$outdir/windows.txt"
        log "captured tray-menu"
        before=$(our_windows)
        key a
        if box=$(wait_new_window "$before" "$title_about"); then
            shot about-from-tray "$box"
            key Return
            wait_gone "$box"
        else
            missing about-from-tray "no about box after the menu's 关于(&A)"
        fi
    else
        missing tray-menu "no menu after a right click on the tray icon"
    fi

    before=$(our_windows)
    click "$tray_icon" 12 12 3
    if menu=$(wait_new_window "$before"); then
        before=$(our_windows)
        key e
        if box=$(wait_new_window "$before"); then
            shot message-exit "$box"
            key y # yes
        else
            missing message-exit "no question after the menu's 退出(&E)"
        fi
    fi
else
    missing tray-menu "no tray icon"
fi

for _ in $(seq 50); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
stop_pid "$program_pid"
program_pid=""

# A second start finds another version on the update page, served over HTTP
# on a loopback port the server picks itself. A build that runs installers
# opens its download window, whose download of the missing setup.exe fails;
# one that cannot run them announces the version with a question instead.
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$workdir/site" >"$workdir/http.log" 2>&1 &
server_pid=$!
port=""
for _ in $(seq 100); do
    port=$(sed -n 's/.* port \([0-9][0-9]*\).*/\1/p' "$workdir/http.log" | head -n 1)
    [ -n "$port" ] && break
    sleep 0.1
done
cat >"$workdir/site/update.html" <<EOF
<html><head><script>var app_close=0; var app_version="3.9"; var app_hp="x";
var app_showtip=0; var app_showkey=0; var app_url="http://127.0.0.1:$port/setup.exe";
var app_hname="x"; var app_hurl="x";</script></head><body>update</body></html>
EOF
export LUMOCLICK_UPDATE_PAGE="http://127.0.0.1:$port/update.html"
before=$(our_windows)
start_program
sleep 8
download=""
failure=""
notice=""
for window in $(comm -13 <(printf '%s\n' "$before") <(our_windows)); do
    # shellcheck disable=SC2254 # the download title is a pattern
    case "$(xdotool getwindowname "$window")" in
    $title_download) download=$window ;;
    "$title_download_failed") failure=$window ;;
    "$title_notice") notice=$window ;;
    esac
done
if [ -n "$notice" ]; then
    shot message-update "$notice"
    key Escape # no
    wait_gone "$notice"
else
    missing message-update "no question on another version"
fi
if [ -n "$failure" ]; then
    shot message-download-failed "$failure"
    # Out of the way of the download window below it.
    xdotool windowmove "$failure" 40 40
    sleep "$step"
fi
if [ -n "$download" ]; then
    shot update-download "$download"
else
    missing update-download "no download window"
fi
if [ -n "$failure" ]; then
    click "$failure" 20 20
    key Return
fi
stop_pid "$server_pid"
server_pid=""

log "windows: $(grep -c . "$outdir/windows.txt") lines in $outdir/windows.txt"
if [ -s "$workdir/xdg-open.log" ]; then
    log "pages the program tried to open:"
    cat "$workdir/xdg-open.log" >&2
fi
exit 0
