# Shared by the system tests: a private Xvfb at exactly 1024x768 in 16-bit colour,
# key auto-repeat off, on a display number the server picks itself.
# Usage: source this file, then `xvfb_start [WxH]` (another screen size);
# DISPLAY is exported and XVFB_PID and XVFB_W set.

# No test reads or writes the settings of whoever runs it: until a test picks
# a folder of its own (game_test_frame does), the settings folder is one that
# can never exist.
export XDG_CONFIG_HOME=/dev/null/ponorka-test-settings
# Nor the language of whoever runs them: the game's own Slovak unless a test
# names another (the screenshots compare Slovak text).
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8

xvfb_start() {
  local size=${1:-1024x768}
  XVFB_W=${size%x*}
  # The server writes its display number into a pipe in a folder of this run's own.
  local dir
  dir=$(mktemp -d)
  mkfifo "$dir/display"
  Xvfb -displayfd 3 -screen 0 "${size}x16" -r -nolisten tcp -noreset 3>"$dir/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num
  if ! read -r -t 20 num <"$dir/display"; then
    rm -rf "$dir"
    echo "Xvfb did not start" >&2
    return 1
  fi
  rm -rf "$dir"
  export DISPLAY=":$num"
}

xvfb_stop() {
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Waits until FILE contains the fixed string TEXT, at most SECONDS.
wait_for_text() {
  local file=$1 text=$2 seconds=${3:-30}
  local end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    grep -qF -- "$text" "$file" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "timed out waiting for '$text' in $file" >&2
  return 1
}

# --- Driving the game as a player does -------------------------------------

# Holds KEY (an xdotool key name) down for SECONDS (0.1 by default): a shorter
# tap can fall between two polls of the keyboard.
key_tap() {
  xdotool keydown "$1"
  sleep "${2:-0.1}"
  xdotool keyup "$1"
}

# Releases every key and button the drivers may hold, so nothing stays down.
release_everything() {
  xdotool keyup Return f c x r e Right Left Up Down w s space 2>/dev/null || true
  xdotool mouseup 1 2>/dev/null || true
}

# Counts lines of FILE that match the extended regular expression RE.
count_lines() {
  grep -cE -- "$2" "$1" 2>/dev/null || true
}

# Waits until FILE holds at least N lines matching RE, at most SECONDS.
wait_for_count() {
  local file=$1 re=$2 n=$3 seconds=${4:-30}
  local end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    [ "$(count_lines "$file" "$re")" -ge "$n" ] && return 0
    sleep 0.1
  done
  echo "timed out waiting for $n lines /$re/ in $file (have $(count_lines "$file" "$re"))" >&2
  return 1
}

# --- Looking at the screen -------------------------------------------------

# ImageMagick's own convert, even when another program of that name comes first in PATH.
im_convert() {
  if [ -x /usr/bin/convert ]; then /usr/bin/convert "$@"; else convert "$@"; fi
}

# Saves the whole virtual screen as PNG FILE, and beside it FILE.rgb, the raw
# 8-bit RGB bytes that pixel_rgb reads.
screenshot() {
  import -window root "$1"
  im_convert "$1" -depth 8 "rgb:$1.rgb"
}

# Prints "R G B" (0..255) of pixel X Y of a screenshot taken by `screenshot`.
pixel_rgb() {
  local file=$1 x=$2 y=$3
  od -An -tu1 -v -j $(((y * ${XVFB_W:-1024} + x) * 3)) -N3 "$file.rgb" | awk '{print $1, $2, $3}'
}

# True when pixel X Y is within 8 of R G B in every channel: the 16-bit screen
# keeps 5 or 6 bits per channel, and the expansion to 8 bits may round.
pixel_is_near() {
  local file=$1 x=$2 y=$3 r=$4 g=$5 b=$6
  local got
  got=$(pixel_rgb "$file" "$x" "$y")
  [ -n "$got" ] || return 1
  set -- $got
  local ok=1 want=("$r" "$g" "$b") have=("$1" "$2" "$3") i d
  for i in 0 1 2; do
    d=$((have[i] - want[i]))
    [ ${d#-} -le 8 ] || ok=0
  done
  [ $ok -eq 1 ] && return 0
  echo "pixel ($x, $y) of $(basename "$file") is ($got), expected about ($r $g $b)" >&2
  return 1
}

# Prints the share (0..1) of pixels that are not black in the WxH rectangle at X Y.
lit_share() {
  local file=$1 x=$2 y=$3 w=$4 h=$5
  im_convert "$file" -crop "${w}x${h}+${x}+${y}" +repage -fill white +opaque black -colorspace Gray \
    -format '%[fx:mean]' info:
}

# Prints the share (0..1) of pixels that differ between two screenshots in the WxH rectangle at X Y.
changed_share() {
  local a=$1 b=$2 x=$3 y=$4 w=$5 h=$6
  im_convert "$a" -crop "${w}x${h}+${x}+${y}" +repage "$a.crop.png"
  im_convert "$b" -crop "${w}x${h}+${x}+${y}" +repage "$b.crop.png"
  compare -metric AE "$a.crop.png" "$b.crop.png" null: 2>&1 | awk -v n=$((w * h)) '{printf "%f\n", $1 / n}'
  rm -f "$a.crop.png" "$b.crop.png"
}

# Moves the pointer to X Y in two steps (Allegro can drop a single jump while it
# hides the pointer to draw) and checks that the server has it there.
mouse_to() {
  local x=$1 y=$2
  xdotool mousemove $((x - 7)) $((y - 7))
  sleep 0.05
  xdotool mousemove "$x" "$y"
  sleep 0.1
  local loc
  loc=$(xdotool getmouselocation --shell | tr '\n' ' ')
  case "$loc" in
    "X=$x Y=$y "*) return 0 ;;
  esac
  echo "pointer is at $loc, not $x $y" >&2
  return 1
}

# Holds the left mouse button for SECONDS (0.1 by default).
mouse_click() {
  xdotool mousedown 1
  sleep "${1:-0.1}"
  xdotool mouseup 1
}

# Waits until the command "$@" succeeds, polling every 0.2 s, at most SECONDS
# (the first argument).
wait_until() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    "$@" 2>/dev/null && return 0
    sleep 0.2
  done
  "$@"
}

# Waits up to SECONDS for process PID (a child of this shell) to end by itself
# and sets EXIT_RC to its exit code, or to "timeout".
wait_for_exit() {
  local pid=$1 seconds=$2
  local end=$((SECONDS + seconds))
  while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $end ]; do
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    EXIT_RC=timeout
    return 1
  fi
  EXIT_RC=0
  wait "$pid" || EXIT_RC=$?
}

# The briefing's text column of a screenshot: right of the portrait, above the
# prompt, whose grey pulses. Written as 8-bit PNG OUTFILE.
text_column() {
  im_convert "$1" -crop 502x690+522+0 +repage -depth 8 "$2"
}

# Waits (at most SECONDS) until the briefing's text is fully typed: its last
# line LINE (1-based) is lit and the text column has not changed over three
# screenshots half a second apart. The last screenshot stays in FILE.
briefing_settled() {
  local file=$1 line=$2 seconds=$3 prev= now same=0 end
  end=$((SECONDS + seconds))
  while [ $SECONDS -lt $end ]; do
    screenshot "$file"
    now=$(im_convert "$file" -crop 502x690+522+0 +repage -depth 8 rgb:- | md5sum)
    if [ "$now" = "$prev" ]; then same=$((same + 1)); else same=0; fi
    prev=$now
    if [ $same -ge 2 ] &&
      awk -v s="$(lit_share "$file" 562 $((149 + (line - 1) * 22)) 420 22)" 'BEGIN { exit !(s > 0.01) }'; then
      return 0
    fi
    sleep 0.5
  done
  echo "the briefing did not settle in $seconds s" >&2
  return 1
}

# --- The game's summary --------------------------------------------------------

# The value of the summary line starting with KEY in FILE (P_VYPOCET, CAS, ...).
summary_value() {
  tail -c 300 "$1" | sed -n '/^P_VYPOCET/,$p' | awk -v k="$2" 'index($0, k) == 1 { sub(/.*= */, ""); sub(/ *$/, ""); print; exit }'
}

# True when FILE ends with the game's summary, without a final line break, and its
# rates follow from its step count and time (with no step run, only its format).
summary_ok() {
  local file=$1
  [ "$(tail -c 1 "$file" | od -An -c | tr -d ' ')" != '\n' ] || { echo "the summary ends with a line break" >&2; return 1; }
  tail -c 300 "$file" | sed -n '/^P_VYPOCET/,$p' | awk '
    NR == 1 && /^P_VYPOCET = [0-9]+ $/ { p = $3; n++ }
    NR == 2 && /^CAS = [0-9]+ $/ { c = $3; n++ }
    NR == 3 && /^CAS_NA_VYPOCET [^ ]+ $/ { a = $2; n++ }
    NR == 4 && /^ VYPOCET\/SEK = [^ ]+$/ { b = $3; n++ }
    NR == 5 && /^FPS = [^ ]+ $/ { f = $3; n++ }
    NR == 6 && /^Health = -?[0-9]+$/ { n++ }
    END {
      if (n != 6 || NR != 6 || c <= 0) { print "summary format" > "/dev/stderr"; exit 1 }
      if (p > 0 && (a != sprintf("%f", c / p) || b != sprintf("%f", p / c * 1000))) { print "summary rates" > "/dev/stderr"; exit 1 }
      if (p > 0 && c >= 1000 && f != sprintf("%f", int(p / 3) / int(c / 1000))) { print "summary FPS" > "/dev/stderr"; exit 1 }
      if (p == 0 && b != "0.000000") { print "summary rate without steps" > "/dev/stderr"; exit 1 }
    }'
}

# --- The frame of a test that runs the game -----------------------------------
# game_test_frame NAME sets OUT (a scratch folder, which holds the settings
# folder XDG_CONFIG_HOME too) and GAME_PID (the game, to be set by the caller,
# killed on exit); on exit Xvfb stops and OUT goes. fail()
# names the scenario and shows the end of the game's game.out and game.err.
game_test_frame() {
  GAME_TEST=$1
  OUT=$(mktemp -d)
  export XDG_CONFIG_HOME=$OUT/config
  GAME_PID=
  trap game_test_cleanup EXIT
}
game_test_cleanup() {
  [ -n "${DISPLAY:-}" ] && release_everything
  if [ -n "${GAME_PID:-}" ]; then
    kill -KILL "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
  fi
  xvfb_stop
  rm -rf "$OUT"
}
fail() {
  echo "FAIL ($GAME_TEST): $*" >&2
  if [ -f "$OUT/game.out" ]; then tail -n 8 "$OUT/game.out" >&2; fi
  if [ -f "$OUT/game.err" ]; then cat "$OUT/game.err" >&2; fi
  exit 1
}
# The commander's portrait lights much of its box: a briefing is on screen.
portrait_shown() {
  screenshot "$OUT/probe.png"
  awk -v s="$(lit_share "$OUT/probe.png" 79 119 443 522)" 'BEGIN { exit !(s > 0.2) }'
}
