#!/usr/bin/env bash
# End-to-end: the installed nira on a real X server (Xvfb) with a small
# window manager, driven by xdotool and xclip the way a person would.
#
#   tests/e2e/run-e2e.sh BUILD_DIR
#
# Installs the build into a temporary prefix, starts nira there from an
# unrelated folder with NIRA_TRACE=1 and reads its trace lines:
#   nira: lookup query="<query>" headword="<headword>" mode=<n> clipboard=<0|1>
# Also: Enter keeps the window, later starts hand over to the one window
# (nira, nira book), Escape closes saving the rectangle, a stale socket does
# not block a start.
# Leaves BUILD_DIR/e2e/persian.png (a screenshot with a Persian word shown),
# BUILD_DIR/e2e/about.png (the About box) and BUILD_DIR/e2e/nira.log. Exits 77 (skipped) when the X tools are
# missing and cannot be installed.
set -euo pipefail

build="$(cd "${1:?usage: run-e2e.sh BUILD_DIR}" && pwd)"
out="$build/e2e"
mkdir -p "$out"

# --- tools ---------------------------------------------------------------
declare -A package_of=(
  [Xvfb]=xvfb [xdotool]=xdotool [xclip]=xclip [xprop]=x11-utils
  [xmessage]=x11-utils [import]=imagemagick [openbox]=openbox
)
missing=()
for tool in "${!package_of[@]}"; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("${package_of[$tool]}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "e2e: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ] ||
     ! { apt-get update -qq &&
         DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
           $(printf '%s\n' "${missing[@]}" | sort -u); } >"$out/apt.log" 2>&1; then
    echo "e2e: SKIPPED, could not install ${missing[*]} (see $out/apt.log)"
    exit 77
  fi
fi

# --- clean-up of everything this script starts ---------------------------
tmp="$(mktemp -d /tmp/nira-e2e.XXXXXX)"
pids=()  # started in the background, ended by id at exit
cleanup() {
  local status=$?
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null || true
  done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -f "$tmp/nira.log" ] && cp "$tmp/nira.log" "$out/nira.log"
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT

fail() {
  echo "e2e: FAIL: $*" >&2
  if [ -f "$tmp/nira.log" ]; then
    echo "--- nira's standard error ---" >&2
    cat "$tmp/nira.log" >&2
  fi
  exit 1
}
pass() { echo "e2e: ok: $*"; }

# Waits up to $1 seconds for command "${@:2}" to succeed.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

now_ms() { date +%s%3N; }

# A child that has ended (a zombie until waited for) or is gone.
exited() {
  local state
  state="$(ps -o stat= -p "$1" 2>/dev/null)" || return 0
  [[ "$state" == Z* ]]
}

# --- install -------------------------------------------------------------
prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }
for f in bin/nira share/nira/persian share/nira/english share/applications/nira.desktop \
         share/icons/hicolor/scalable/apps/nira.svg share/icons/hicolor/32x32/apps/nira.png \
         share/icons/hicolor/16x16/apps/nira.png share/doc/nira/DATA-LICENSES; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
pass "installed into a temporary prefix"

# --- X server and window manager -----------------------------------------
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$tmp/display" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
export DISPLAY=":$(head -n1 "$tmp/display")"
unset WAYLAND_DISPLAY
wait_for 10 xprop -root || fail "no X server on $DISPLAY"

mkdir -p "$tmp/home" "$tmp/config" "$tmp/elsewhere" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime"
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
start_wm() {
  openbox --sm-disable >>"$tmp/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 10 wm_ready
}
start_wm || { sleep 1; start_wm; } ||
  fail "openbox did not start on $DISPLAY (X server $(xprop -root >/dev/null 2>&1 && echo up || echo gone)): $(cat "$tmp/openbox.log")"
pass "Xvfb on $DISPLAY with openbox"

# --- nira, started from a folder that holds nothing of it -----------------
unset NIRA_DATA_DIR
# A sanitizer build: X and font libraries keep caches that look like leaks.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# Starts the installed nira from an empty folder; sets nira_pid and wid.
start_nira() {
  (cd "$tmp/elsewhere" && exec env NIRA_TRACE=1 QT_QPA_PLATFORM=xcb "$prefix/bin/nira") \
    2>>"$tmp/nira.log" &
  nira_pid=$!
  pids+=("$nira_pid")
  wait_for 20 window_up || fail "the window did not appear"
  wid="$(find_window)"
}
find_window() { xdotool search --onlyvisible --pid "$nira_pid" 2>/dev/null | head -n1; }
window_up() { [ -n "$(find_window)" ]; }

# Closes the window the way a person does (alt+F4 through the window
# manager); nira must end with status 0.
close_nira() {
  xdotool windowactivate --sync "$wid"
  xdotool key --clearmodifiers alt+F4
  wait_for 10 exited "$nira_pid" || fail "alt+F4 did not close the window"
  local status=0
  wait "$nira_pid" || status=$?
  [ "$status" -eq 0 ] || fail "nira exited with status $status"
}

start_nira
pass "window $wid is up"

# Trace lines so far, and a wait for one that matches.
trace_count() { grep -c -F -- "$1" "$tmp/nira.log" || true; }
wait_trace() {  # seconds, fixed string
  local deadline=$(($(now_ms) + $1 * 1000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    grep -q -F -- "$2" "$tmp/nira.log" && return 0
    sleep 0.02
  done
  return 1
}

# --- typing --------------------------------------------------------------
xdotool windowactivate --sync "$wid"
sleep 0.3
xdotool type --delay 60 book
wait_trace 5 'query="book" headword="book" mode=3 clipboard=0' ||
  fail "typing book did not show the headword book in mode 3"
pass "typed book: headword book, mode 3"

# Enter after a word keeps the window and selects the word: the next
# word typed replaces it.
xdotool key Return
sleep 0.3
exited "$nira_pid" && fail "Enter in the query field ended the window"
xdotool type --delay 60 dog
wait_trace 5 'query="dog" headword="dog" mode=3 clipboard=0' ||
  fail "after Enter, typing dog did not replace book: $(tail -n 3 "$tmp/nira.log")"
pass "Enter kept the window; dog typed next replaced book"

# Another program's window has the focus when a word is copied.
xmessage -geometry 300x100+600+500 "another program" &
other_pid=$!
pids+=("$other_pid")
other_window() { xdotool search --onlyvisible --classname '^xmessage$' 2>/dev/null | head -n1; }
other_up() { [ -n "$(other_window)" ]; }
wait_for 10 other_up || fail "xmessage did not appear"
other="$(other_window)"
xdotool windowactivate --sync "$other"
[ "$(xdotool getactivewindow)" = "$other" ] || fail "could not focus another window"

# Puts a file on the clipboard from a separate process: xclip serves it in
# the foreground until another owner takes the clipboard, and then ends.
clip_owner=""
copy() {  # [xclip options...] -i FILE
  xclip -selection clipboard -quiet "$@" >/dev/null 2>&1 &
  local new_owner=$!
  pids+=("$new_owner")
  if [ -n "$clip_owner" ]; then
    wait_for 5 exited "$clip_owner" || fail "the previous xclip kept the clipboard"
  fi
  clip_owner=$new_owner
  wait_for 5 xclip -selection clipboard -o -t TARGETS || fail "xclip did not take the clipboard"
}
printf 'water' >"$tmp/water.txt"
printf 'کتاب' >"$tmp/persian.txt"

# --- a copied English word -----------------------------------------------
water='query="water" headword="water" mode=3 clipboard=1'
start=$(now_ms)
copy -i "$tmp/water.txt"
wait_trace 1 "$water" || fail "a copied water was not looked up within a second"
elapsed=$(($(now_ms) - start))
pass "copied water: looked up after ${elapsed} ms"
raised() { [ "$(xdotool getactivewindow)" = "$wid" ]; }
wait_for 2 raised || fail "the window did not come to the front after the copy"
pass "the window came to the front"

# --- the same word again: no second lookup -------------------------------
xdotool windowactivate --sync "$other"
lines_before=$(wc -l <"$tmp/nira.log")
copy -i "$tmp/water.txt"
sleep 1.2
[ "$(trace_count "$water")" -eq 1 ] || fail "water copied again was looked up again"
[ "$(wc -l <"$tmp/nira.log")" -eq "$lines_before" ] || fail "copying water again changed something"
pass "water copied again: no second lookup"

# --- an image: nothing ---------------------------------------------------
copy -t image/png -i "$(dirname "$0")/../../res/icons/nira-32.png"
sleep 1.2
[ "$(wc -l <"$tmp/nira.log")" -eq "$lines_before" ] || fail "a copied image started a lookup"
pass "copied a PNG image: nothing"

# --- a Persian word ------------------------------------------------------
persian="$(cat "$tmp/persian.txt")"
copy -i "$tmp/persian.txt"
wait_trace 1 "query=\"$persian\"" || fail "a copied $persian was not looked up within a second"
grep -F "query=\"$persian\"" "$tmp/nira.log" | grep -q 'mode=2 clipboard=1' ||
  fail "the copied $persian was not shown in mode 2: $(grep -F "query=\"$persian\"" "$tmp/nira.log")"
pass "copied $persian: $(grep -F "query=\"$persian\"" "$tmp/nira.log" | tail -n1)"
sleep 0.5
import -window root "$out/persian.png"
pass "screenshot: $out/persian.png"

# --- the About box: F1, then Escape ---------------------------------------
xdotool windowactivate --sync "$wid"
xdotool key F1
about_window() { xdotool search --all --onlyvisible --pid "$nira_pid" --name '^About Nira$' 2>/dev/null | head -n1; }
about_up() { [ -n "$(about_window)" ]; }
about_gone() { [ -z "$(about_window)" ]; }
wait_for 5 about_up || fail "F1 did not open the About box"
sleep 0.3
import -window root "$out/about.png"
xdotool key Escape
wait_for 5 about_gone || fail "Escape did not close the About box"
pass "F1 opened the About box, Escape closed it (screenshot: $out/about.png)"

# --- one window per desktop: later starts hand over to it ----------------
nira_windows() { xdotool search --onlyvisible --name '^Nira ' 2>/dev/null | wc -l; }
# Runs a later start of nira to its end; it must end by itself, status 0.
later_start() {
  local status=0
  (cd "$tmp/elsewhere" && exec env NIRA_TRACE=1 QT_QPA_PLATFORM=xcb timeout 20 "$prefix/bin/nira" "$@") \
    2>>"$tmp/later.log" || status=$?
  [ "$status" -eq 0 ] || fail "a later start of nira $* ended with status $status: $(cat "$tmp/later.log")"
}
xdotool windowactivate --sync "$other"
later_start
[ "$(nira_windows)" -eq 1 ] || fail "a second start opened a second window ($(nira_windows))"
wait_for 3 raised || fail "a second start did not bring the window to the front"
pass "a second nira ended at once and brought the one window to the front"
books_before=$(trace_count 'query="book" headword="book"')
later_start book
wait_for 3 test "$(trace_count 'query="book" headword="book"')" -gt "$books_before" ||
  fail "nira book did not show book in the running window"
[ "$(nira_windows)" -eq 1 ] || fail "nira book opened a second window"
if grep -q 'nira: lookup' "$tmp/later.log" 2>/dev/null; then
  fail "nira book looked the word up itself instead of handing it over"
fi
pass "nira book while the window runs: book shown in it, still one window"

# --- text copied out of a pane is not looked up again ---------------------
xdotool windowactivate --sync "$wid"
xdotool mousemove --window "$wid" 60 70 click 1
sleep 0.3
lines_before=$(wc -l <"$tmp/nira.log")
xdotool key ctrl+a
sleep 0.2
xdotool key ctrl+c
# The Persian meaning of book, its senses numbered from "1- ".
pane_text() { xclip -selection clipboard -o 2>/dev/null | head -n1 | grep -q '^1- '; }
wait_for 3 pane_text ||
  fail "select-all and copy in the Persian pane did not copy it: $(xclip -selection clipboard -o 2>&1 | head -n2)"
sleep 1.2
if [ "$(grep -c 'nira: lookup' "$tmp/nira.log")" -ne "$(head -n "$lines_before" "$tmp/nira.log" | grep -c 'nira: lookup')" ]; then
  fail "the pane's own text was looked up: $(tail -n 2 "$tmp/nira.log")"
fi
pass "the Persian meaning copied out of its pane was not looked up"

# --- close with the window manager: the rectangle is saved ---------------
xdotool windowmove --sync "$wid" 120 90
close_nira
ini="$XDG_CONFIG_HOME/Nira.ini"
[ -f "$ini" ] || fail "no $ini after closing"
grep -q '^\[Position\]' "$ini" || fail "$ini has no [Position] section"
rectangle() {
  local key
  for key in left right top bottom; do
    grep -oE "^$key=-?[0-9]+" "$ini" || fail "$ini has no $key: $(cat "$ini")"
  done | tr '\n' ' '
}
saved="$(rectangle)"
[ "$saved" != "left=200 right=563 top=150 bottom=450 " ] || fail "the moved window saved the defaults"
pass "moved and closed with alt+F4, exit 0: $saved"

# --- started again: restored where it was, saved again unchanged ----------
start_nira
close_nira
[ "$(rectangle)" = "$saved" ] || fail "the rectangle moved across a restart: $saved -> $(rectangle)"
pass "restored and saved again unchanged"

# --- Escape closes as the close box does: the rectangle is saved ---------
start_nira
xdotool windowmove --sync "$wid" 160 110
xdotool windowactivate --sync "$wid"
xdotool key Escape
wait_for 10 exited "$nira_pid" || fail "Escape did not close the window"
status=0
wait "$nira_pid" || status=$?
[ "$status" -eq 0 ] || fail "nira closed by Escape exited with status $status"
[ "$(rectangle)" != "$saved" ] || fail "Escape closed without saving the moved rectangle"
pass "Escape closed the window and saved its rectangle: $(rectangle)"

# --- a window that crashed leaves its socket: the next start is not blocked
start_nira
kill -KILL "$nira_pid"
wait "$nira_pid" 2>/dev/null || true
ls "$XDG_RUNTIME_DIR"/nira-*.socket >/dev/null 2>&1 || fail "no socket was left to test with"
start_nira
pass "a socket left by a killed window did not block the next start"
close_nira

echo "e2e: all passed"
