# Sourced by the real-window tests of the kiosk program.
#
# kiosk_window_test KIOSK KIOSK_HEADLESS KIOSK_SETUP INSTALL_DIR: the
# programs and the installation as KIOSK, HEADLESS, SETUP and INSTALL, a
# scratch folder TMP, and a clean-up at exit that stops the kiosk (APP_PID)
# and Xvfb (XVFB_PID); fail MESSAGE ends the test with the kiosk's output.
kiosk_window_test() {
  KIOSK=$(realpath "$1")
  HEADLESS=$(realpath "$2")
  SETUP=$(realpath "$3")
  INSTALL=$(realpath "$4")
  TMP=$(mktemp -d)
  XVFB_PID=""
  APP_PID=""
  trap cleanup EXIT
  trap 'exit 1' INT TERM
}
cleanup() {
  [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null && wait "$APP_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  rm -rf "$TMP"
}
# expect_quit WHAT: the kiosk (APP_PID) ends within 10 s with exit code 0;
# WHAT names the moment in a failure.
expect_quit() {
  local rc
  for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$APP_PID" 2>/dev/null && fail "$1: the kiosk did not quit"
  wait "$APP_PID"
  rc=$?
  APP_PID=""
  [ "$rc" = "0" ] || fail "$1: the kiosk quit with exit code $rc"
}
fail() {
  echo "FAIL: $*"
  [ -s "$TMP/kiosk.log" ] && sed 's/^/kiosk: /' "$TMP/kiosk.log"
  exit 1
}

# Starts Xvfb on the first free display.
# start_xvfb SIZE LOG: a display of SIZE (e.g. 1920x1080) with its output in
# LOG; sets XVFB_PID and exports DISPLAY; returns 1 when none would start.
start_xvfb() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp >"$2" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    XVFB_PID=""
  done
  return 1
}
