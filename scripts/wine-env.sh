# Sourced by scripts/test and scripts/run: a private X display and a private Wine prefix with a
# virtual desktop, and a clean way to stop both.
#
# The shipped program is 32-bit. Some kernels (this project's CI machines among them) cannot run
# 32-bit Linux code, and so not the 32-bit Wine loader; there the 64-bit build runs in a 64-bit
# prefix instead. vexor_wine_arch tells which.

# Prints win32 when the 32-bit Wine loader runs on this kernel, else win64.
vexor_wine_arch() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
}

# The loader to call directly: /usr/bin/wine and its helper scripts pick the 32-bit loader
# whenever it is installed, even where it cannot run.
vexor_wine() {
  if [ "$WINEARCH" = win32 ]; then /usr/lib/wine/wine "$@"; else /usr/lib/wine/wine64 "$@"; fi
}

# Z:\ path of a Linux path, for arguments to Windows programs.
vexor_winpath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

# vexor_wine_start PREFIX_DIR: starts Xvfb on a free display (unless VEXOR_USE_DISPLAY=1, which
# keeps $DISPLAY) and prepares the prefix.
vexor_wine_start() {
  export WINEPREFIX=$1
  export WINEARCH
  WINEARCH=$(vexor_wine_arch)
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ "$WINEARCH" = win64 ]; then export WINELOADER=/usr/lib/wine/wine64; fi
  if [ "${VEXOR_USE_DISPLAY:-0}" != 1 ]; then
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    VEXOR_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/.vexor-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    vexor_wine wineboot -i >/dev/null 2>&1
    # Every process of the prefix shares one virtual desktop: windows get frames, hiding does not
    # stall, and all processes see each other's windows.
    vexor_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    vexor_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.vexor-ready"
  fi
  # The resolution of the screen starts at 96 dots per inch, whatever a stopped run left.
  vexor_wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
  # A warm server keeps every start of a Windows program short.
  wineserver -p 60
  vexor_wine cmd /c exit >/dev/null 2>&1 || true
}

# Stops every Wine process of the prefix, then the X server.
vexor_wine_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if [ -n "${VEXOR_XVFB_PID:-}" ]; then
    kill "$VEXOR_XVFB_PID" 2>/dev/null || true
    wait "$VEXOR_XVFB_PID" 2>/dev/null || true
  fi
  VEXOR_XVFB_PID=
}

# Installs the demo browser where the program launches the browser from.
vexor_install_browser() {
  local dir="$WINEPREFIX/drive_c/Program Files/Internet Explorer"
  mkdir -p "$dir"
  cp "$1" "$dir/iexplore.exe"
}
