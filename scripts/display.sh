# Virtual multi-monitor X display for the Windows tests: Xorg with one dummy head per
# monitor and Xinerama on. Sourced; defines display_start LAYOUT LOGDIR and display_stop.
# Wine makes head 0 the primary monitor at (0,0) and places the others relative to it.

# Layout name -> heads as "WIDTHxHEIGHT+X+Y" in X coordinates (head 0 first).
display_layout_heads() {
  case "$1" in
    single)        echo "1920x1080+0+0" ;;
    left)          echo "1920x1080+1280+0 1280x1024+0+0" ;;            # (-1280,0,0,1024)
    above)         echo "1024x768+0+768 1024x768+0+0" ;;                # (0,-768,1024,0)
    above-shifted) echo "1920x1080+500+1080 1920x1080+0+0" ;;           # (-500,-1080,1420,0)
    three)         echo "1920x1080+1280+768 1280x1024+0+768 1024x768+1280+0" ;;
    *) return 1 ;;
  esac
}

display_modeline() {
  case "$1" in
    1920x1080) echo '148.50 1920 2008 2052 2200 1080 1084 1089 1125' ;;
    1280x1024) echo '108.00 1280 1328 1440 1688 1024 1025 1028 1066' ;;
    1024x768)  echo '65.00 1024 1048 1184 1344 768 771 777 806' ;;
    *) return 1 ;;
  esac
}

display_write_config() { # LAYOUT FILE
  local heads i=0 head size pos
  heads=$(display_layout_heads "$1") || { echo "display: unknown layout '$1'" >&2; return 1; }
  {
    echo 'Section "ServerFlags"'
    echo '  Option "AutoAddDevices" "false"'
    echo '  Option "Xinerama" "true"'
    echo 'EndSection'
    for head in $heads; do
      size=${head%%+*}
      echo "Section \"Device\""
      echo "  Identifier \"Card$i\""
      echo "  Driver \"dummy\""
      echo "  VideoRam 32768"
      echo "EndSection"
      echo "Section \"Monitor\""
      echo "  Identifier \"Monitor$i\""
      echo "  HorizSync 5.0-1000.0"
      echo "  VertRefresh 5.0-200.0"
      echo "  Modeline \"$size\" $(display_modeline "$size")"
      echo "EndSection"
      echo "Section \"Screen\""
      echo "  Identifier \"Screen$i\""
      echo "  Device \"Card$i\""
      echo "  Monitor \"Monitor$i\""
      echo "  DefaultDepth 24"
      echo "  SubSection \"Display\""
      echo "    Depth 24"
      echo "    Modes \"$size\""
      echo "    Virtual ${size/x/ }"
      echo "  EndSubSection"
      echo "EndSection"
      i=$((i + 1))
    done
    echo 'Section "ServerLayout"'
    echo '  Identifier "Layout"'
    i=0
    for head in $heads; do
      pos=${head#*+}
      echo "  Screen $i \"Screen$i\" ${pos/+/ }"
      i=$((i + 1))
    done
    echo 'EndSection'
  } >"$2"
}

# Starts Xorg on the first free display number and exports DISPLAY; DISPLAY_PID is its PID.
# Several build trees may start displays at once: a number taken in between is skipped.
display_start() { # LAYOUT LOGDIR
  local layout=$1 logdir=$2 n=90 attempt
  mkdir -p "$logdir/xorg.conf.d"
  display_write_config "$layout" "$logdir/xorg-$layout.conf" || return 1
  for attempt in 1 2 3 4 5 6 7 8; do
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xorg ":$n" -config "$logdir/xorg-$layout.conf" -configdir "$logdir/xorg.conf.d" -noreset \
      -nolisten tcp +xinerama -logfile "$logdir/xorg-$layout.log" </dev/null >/dev/null 2>&1 &
    DISPLAY_PID=$!
    local tries=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && kill -0 "$DISPLAY_PID" 2>/dev/null && [ $tries -lt 200 ]; do
      sleep 0.05
      tries=$((tries + 1))
    done
    if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$DISPLAY_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
    display_stop
    n=$((n + 1))
  done
  echo "display: Xorg did not start for layout '$layout' (see $logdir/xorg-$layout.log)" >&2
  return 1
}

display_stop() {
  if [ -n "${DISPLAY_PID:-}" ]; then
    kill "$DISPLAY_PID" 2>/dev/null || true
    wait "$DISPLAY_PID" 2>/dev/null || true
    DISPLAY_PID=
  fi
  unset DISPLAY
}
