# Plays the real game with real key and mouse events while it records a demo:
# throttle both ways, pitch, rise and sink, about-turns, every weapon, and
# purchases in both shops. Source after xvfb.sh, then
#   record_game DEMO OUT ERR [short]
# starts $PONORKA (default ./ponorka) --record DEMO in the current folder and
# plays it to its end; the exit code is left in EXIT_RC. "short" buys one item
# in each shop instead of three. SLOW (default 1) stretches the time limits.

# Buys with one click on the item at X Y and waits until the purchase is printed.
# The click may buy twice: the shop's one-second timer reopens its purchase gate
# while the button is down if it fires during the press.
demo_buy() {
  local out=$1 x=$2 y=$3 re=$4
  local before
  before=$(count_lines "$out" "$re")
  mouse_to "$x" "$y" || return 1
  sleep 0.3
  mouse_click
  wait_for_count "$out" "$re" $((before + 1)) $((5 * ${SLOW:-1})) || return 1
  sleep 0.3
}

# The shop is on screen: the black corner of its panel and the grey outline of
# CONTINUE, in a screenshot saved as FILE.
demo_shop_shown() {
  screenshot "$1" && pixel_is_near "$1" 162 57 0 0 0 && pixel_is_near "$1" 400 517 128 128 128 &&
    pixel_is_near "$1" 352 540 128 128 128
}

# Enter, held since the mission's end, closes the briefing after it on its first
# pass however late that opens; it is let go once the shop is on screen.
demo_shop_reached() {
  local probe=$1 seconds=$2
  wait_until "$seconds" demo_shop_shown "$probe" || return 1
  xdotool keyup Return
  rm -f "$probe.rgb"
}

record_game() {
  local demo=$1 out=$2 err=$3 kind=${4:-full}
  local slow=${SLOW:-1}
  stdbuf -oL "${PONORKA:-./ponorka}" --record "$demo" >"$out" 2>"$err" &
  DEMO_GAME_PID=$!

  # Enter held through the opening briefing, whenever it comes up.
  wait_for_text "$out" "More sucessfully created!" $((30 * slow)) || return 1
  xdotool keydown Return
  wait_for_count "$out" '^Objekt 1  ' 1 $((30 * slow)) || return 1
  xdotool keyup Return

  # Mission 1: drive about, then sink the lone enemy with torpedoes and the gun.
  key_tap Right 0.6
  key_tap Left 0.3
  key_tap w 0.2
  key_tap s 0.3
  key_tap Up 0.4
  key_tap Down 0.6
  key_tap space 0.1
  sleep 0.8
  key_tap x 0.1
  key_tap space 0.1
  sleep 0.8
  xdotool keydown f c
  key_tap e 0.1
  wait_for_count "$out" ' Uber 1$' 1 $((120 * slow)) || return 1
  xdotool keydown Return
  xdotool keyup f c

  # First shop: a decoy and a torpedo, then CONTINUE. The decoy first: a click
  # that bought two torpedoes would leave nothing of the 100 for it.
  demo_shop_reached "$(dirname "$out")/shop1.png" $((20 * slow)) || return 1
  if [ "$kind" = full ]; then
    demo_buy "$out" 670 230 '^Navnada kupena$' || return 1
  fi
  demo_buy "$out" 350 230 '^Torpedo kupene$' || return 1
  mouse_to 512 540 || return 1
  sleep 0.3
  xdotool keydown Return
  mouse_click
  wait_for_count "$out" '^Objekt 1  ' 6 $((20 * slow)) || return 1
  xdotool keyup Return

  # Mission 2: ahead into the fleet with every weapon, astern, the blasts.
  xdotool keydown f c x Right
  wait_for_count "$out" ' Uber 1$' 2 $((120 * slow)) || return 1
  xdotool keyup Right
  key_tap Left 0.4
  key_tap Up 0.3
  xdotool keydown r e
  wait_for_count "$out" ' Uber 1$' 6 $((240 * slow)) || return 1
  xdotool keydown Return
  xdotool keyup f c x r e

  # Second shop: two decoys and a torpedo, then CONTINUE.
  demo_shop_reached "$(dirname "$out")/shop2.png" $((20 * slow)) || return 1
  demo_buy "$out" 670 230 '^Navnada kupena$' || return 1
  if [ "$kind" = full ]; then
    demo_buy "$out" 670 230 '^Navnada kupena$' || return 1
    demo_buy "$out" 350 230 '^Torpedo kupene$' || return 1
  fi
  mouse_to 512 540 || return 1
  sleep 0.3
  mouse_click
  wait_for_exit "$DEMO_GAME_PID" $((30 * slow))
  DEMO_GAME_PID=
}
