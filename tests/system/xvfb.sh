# Shared by the system tests: a private Xvfb at exactly 1024x768 in 16-bit colour,
# key auto-repeat off, on a display number the server picks itself.
# Usage: source this file, then `xvfb_start`; DISPLAY is exported and XVFB_PID set.

xvfb_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x16 -r -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local num
  if ! read -r -t 20 num <"$fifo"; then
    rm -f "$fifo"
    echo "Xvfb did not start" >&2
    return 1
  fi
  rm -f "$fifo"
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
