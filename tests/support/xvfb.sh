# Sourced by the real-window tests: starts Xvfb on the first free display.
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
