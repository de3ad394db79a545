# A persistent wineserver for one display, started detached from the callers' pipes so
# that CTest does not wait for it after every test. Sourced after wine-env.sh; defines
# wine_session_start and wine_session_stop. Stops exactly the server it started.
wine_session_start() {
  "$WINESERVER" -f -p 300 </dev/null >/dev/null 2>&1 &
  WINE_SESSION_PID=$!
  # wineboot brings up the prefix's services and the desktop on the current DISPLAY.
  "$WINE" wineboot </dev/null >/dev/null 2>&1 || true
}

wine_session_stop() {
  if [ -n "${WINE_SESSION_PID:-}" ]; then
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true   # ends the server's Wine processes
    kill "$WINE_SESSION_PID" 2>/dev/null || true
    wait "$WINE_SESSION_PID" 2>/dev/null || true
    WINE_SESSION_PID=
  fi
}
