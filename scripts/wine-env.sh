# Sourced by the scripts: a private X display and a private Wine prefix with a virtual desktop,
# a clean way to stop both, the way every script names a failed step, waits and pictures.
#
# The shipped program is 32-bit. Some kernels cannot run 32-bit Linux code, and so not the 32-bit
# Wine loader; there the 64-bit build runs in a 64-bit prefix instead. vexor_wine_arch tells which.

# vexor_fail STEP: says which step failed and ends the script with status 1.
vexor_fail() {
  echo "$(basename "$0"): $1 failed" >&2
  exit 1
}

# vexor_step STEP COMMAND...: the command; when it fails, vexor_fail STEP.
vexor_step() {
  local name=$1
  shift
  "$@" || vexor_fail "$name (exit status $?)"
}

# win32 when the 32-bit Wine loader runs on this kernel, else win64. VEXOR_WINE_ARCH=win64
# takes the 64-bit path where both could run, to prove it there.
vexor_wine_arch() {
  if [ -n "${VEXOR_WINE_ARCH:-}" ]; then
    echo "$VEXOR_WINE_ARCH"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo win32
  else
    echo win64
  fi
}

# The loader vexor_wine_start chose (/usr/bin/wine takes the 32-bit one even where it can't run).
vexor_wine() { "$WINELOADER" "$@"; }

# Z:\ path of a Linux path, for arguments to Windows programs.
vexor_winpath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

# Keeps a Wine server running, so that programs start at once; one left running is as good.
vexor_wine_server() {
  local status=0
  wineserver -p 60 2>/dev/null || status=$?
  [ "$status" -eq 0 ] || [ "$status" -eq 2 ]
}

# Stops every Wine process of the prefix and waits until the server has gone.
vexor_wine_server_stop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}

# vexor_wine_start PREFIX_DIR: Xvfb on a free display (unless VEXOR_USE_DISPLAY=1 keeps
# $DISPLAY) and the prefix ready. Non-zero, having said why, when it cannot.
vexor_wine_start() {
  export WINEPREFIX=$1
  export WINEARCH
  WINEARCH=$(vexor_wine_arch)
  # No menu entries of the prefix's shortcuts reach this machine's own menus.
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINELOADER=/usr/lib/wine/wine
  if [ "$WINEARCH" = win64 ]; then WINELOADER+=64; fi
  if [ "${VEXOR_USE_DISPLAY:-0}" != 1 ]; then
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VEXOR_XVFB_PID=$!
    export DISPLAY=":$n"
    vexor_await 10 test -e "/tmp/.X11-unix/X$n" || { echo "Xvfb did not start on :$n" >&2; return 1; }
  fi
  if [ ! -f "$WINEPREFIX/.vexor-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    vexor_wine wineboot -i >/dev/null 2>&1 || { echo "wineboot could not create $WINEPREFIX" >&2; return 1; }
    # Every process of the prefix shares one virtual desktop: windows get frames, hiding does not
    # stall, and all processes see each other's windows.
    vexor_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
      vexor_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 ||
      { echo "could not set the virtual desktop of $WINEPREFIX" >&2; return 1; }
    vexor_wine_server_stop
    touch "$WINEPREFIX/.vexor-ready"
  fi
  vexor_wine_fonts wine || { echo "could not copy Wine's fonts into $WINEPREFIX" >&2; return 1; }
  vexor_wine_server || { echo "wineserver did not start for $WINEPREFIX" >&2; return 1; }
  # The screen starts at 96 dots per inch, whatever a stopped run left.
  vexor_wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  vexor_wine cmd /c exit >/dev/null 2>&1 || { echo "Wine cannot run programs in $WINEPREFIX" >&2; return 1; }
}

# vexor_wine_fonts wine|fallback: Wine's own fonts ("MS Sans Serif", Tahoma...), which Debian's
# Wine does not find, in the prefix; or none: a wider substitute. Wine takes them at its restart.
vexor_wine_fonts() {
  local dir="$WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$dir" || return 1
  for font in /usr/share/wine/fonts/*; do
    if [ "$1" = wine ]; then cp -n "$font" "$dir/" || return 1; else rm -f "$dir/$(basename "$font")"; fi
  done
}

# Stops every Wine process of the prefix, then the X server.
vexor_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then vexor_wine_server_stop; fi
  if [ -n "${VEXOR_XVFB_PID:-}" ]; then
    kill "$VEXOR_XVFB_PID" 2>/dev/null || true
    wait "$VEXOR_XVFB_PID" 2>/dev/null || true
  fi
  VEXOR_XVFB_PID=
}

# Installs the demo browser where the program launches the browser from.
vexor_install_browser() {
  local dir="$WINEPREFIX/drive_c/Program Files/Internet Explorer"
  mkdir -p "$dir" && cp "$1" "$dir/iexplore.exe"
}

# vexor_await SECONDS COMMAND...: polls until the command succeeds; false past the deadline.
vexor_await() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do [ "$SECONDS" -lt "$end" ] || return 1; sleep 0.1; done
}

# vexor_ended PID: the background job has ended. vexor_finished PID SECONDS: waits for it;
# its status, or 124 (the job stopped) past the deadline.
vexor_ended() { ! kill -0 "$1" 2>/dev/null; }
vexor_finished() {
  if ! vexor_await "$2" vexor_ended "$1"; then
    pkill -TERM -P "$1" 2>/dev/null; kill "$1" 2>/dev/null; wait "$1" 2>/dev/null
    return 124
  fi
  wait "$1"
}

# vexor_shot CTL_EXE CLASS TITLE FILE.png [caption]: the window (or its title bar) once it
# holds still, without a date: the same picture gives the same file.
vexor_shot() {
  local ppm="${4%.png}.ppm"
  vexor_wine "$1" shot "$2" "$3" "$(vexor_winpath "$ppm")" ${5:+"$5"} >/dev/null 2>&1 &&
    /usr/bin/convert "$ppm" -strip "$4" && rm -f "$ppm"
}
