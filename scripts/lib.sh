# Shell helpers shared by the scripts in scripts/ and by tests/e2e/run: packages, a
# locale, a virtual display, Wine prefixes. Source it from bash; it sets no options of its
# own.
#
#   fandrel_install_missing [PKG...]  install (apt-get) only the packages dpkg lacks;
#                                     with no argument, everything the project needs
#   fandrel_clang_runtime             the package of the installed Clang's runtime (its
#                                     sanitizers and libFuzzer)
#   fandrel_ensure_locale NAME        generate the system locale NAME (tr_TR.UTF-8) if
#                                     it is missing
#   fandrel_virtual_display WxHxD "$0" "$@"   run the calling script again on a virtual
#                                     display of its own (xvfb-run), unless it already is
#   fandrel_prefix DIR                use the Wine prefix in DIR (export WINEPREFIX and
#                                     Wine's quiet settings), made first if missing
#                                     (wineboot -i, with Wine's own fonts)
#   fandrel_quiet                     copy its input to stderr, less Wine's noise
#   fandrel_wine ARGS...              wine ARGS, without the "wine32 is missing" noise
#   fandrel_reg ARGS...               wine reg ARGS, tried twice
#   fandrel_reg_add KEY VALUE TYPE DATA   one registry value (wine reg add ... /f)
#   fandrel_windows_path PATH         the Wine path (Z:\...) of an absolute Unix path
#   fandrel_set_dpi DPI               LogPixels for the prefix, then stops wineserver
#   fandrel_set_favorites WINPATH     the Favorites location the program reads
#   fandrel_stop_wine                 kill the prefix's wineserver and wait for it
#   fandrel_wait_for SECONDS CMD...   run CMD every 0.2 s until it succeeds (or fail)
#   fandrel_log MESSAGE...            print a progress line on stderr
#   fandrel_screenshot EXE OUT STEP...    EXE on a Wine virtual desktop, keys played
#                                     with xdotool, the window saved as the PNG OUT

FANDREL_PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix mingw-w64-tools clang googletest
  wine wine64 xvfb xauth xdotool imagemagick fonts-wine locales clang-format clang-16 libc++-16-dev
  python3 python3-yaml python3-jsonschema)

fandrel_log() { printf '%s\n' "$*" >&2; }

fandrel_install_missing() {
  if [ $# -eq 0 ]; then
    fandrel_install_missing "${FANDREL_PACKAGES[@]}" && fandrel_install_missing "$(fandrel_clang_runtime)"
    return
  fi
  local wanted=("$@") missing=() pkg
  for pkg in "${wanted[@]}"; do
    dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  fandrel_log "Installing ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# Named after Clang's major version (libclang-rt-14-dev on Debian 12).
fandrel_clang_runtime() {
  echo "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
}

# Wine takes the user's locale from LC_ALL only when the system has that locale (the
# TurkishLocale test checks that it arrived).
fandrel_ensure_locale() {
  locale -a 2>/dev/null | grep -qix "${1/UTF-8/utf8}" && return 0
  fandrel_log "Generating the locale $1"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" localedef -i "${1%%.*}" -f UTF-8 "$1"
}

fandrel_wait_for() {
  local seconds=$1 i
  shift
  for ((i = 0; i < seconds * 5; i++)); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

fandrel_virtual_display() {
  [ -n "${FANDREL_VIRTUAL_DISPLAY:-}" ] && return 0
  local screen=$1
  shift
  FANDREL_VIRTUAL_DISPLAY=$screen exec xvfb-run --auto-servernum \
    --server-args="-screen 0 $screen -nolisten tcp" "$@"
}

# Debian's wine script notes its missing 32-bit half on every start: noise here.
fandrel_quiet() {
  grep -v -E 'wine32 is missing|multiarch needs|dpkg --add-architecture|apt-get install wine32|^$' >&2
}

fandrel_wine() {
  wine "$@" 2> >(fandrel_quiet)
}

fandrel_prefix() {
  mkdir -p "$1"
  WINEPREFIX=$(cd "$1" && pwd)
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  fandrel_log "Preparing a Wine prefix in $1 (once)"
  timeout 180 wineboot -i >/dev/null 2>&1
  timeout 60 wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] || { fandrel_log "wineboot failed in $1"; return 1; }
  # The fonts of fonts-wine, where Wine loads fonts from: Debian's Wine does not find them
  # by itself, and without Marlett the caption buttons show as letters.
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
  return 0
}

# A prefix's first registry write has been seen to fail while its wineserver starts up.
fandrel_reg() {
  timeout 60 wine reg "$@" >/dev/null 2>&1 || { sleep 1 && timeout 60 wine reg "$@" >/dev/null 2>&1; }
}

fandrel_reg_add() {
  fandrel_reg add "$1" /v "$2" /t "$3" /d "$4" /f
}

fandrel_windows_path() {
  local path=$1
  printf 'Z:%s\n' "${path//\//\\}"
}

fandrel_set_dpi() {
  fandrel_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$1" &&
    fandrel_stop_wine
}

fandrel_set_favorites() {
  fandrel_reg_add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' \
    Favorites REG_SZ "$1"
}

fandrel_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver -k 2>/dev/null
  timeout 30 wineserver -w 2>/dev/null
  return 0
}

# fandrel_screenshot: on a Wine virtual desktop, so that the caption bar is drawn. Steps:
# "type:TEXT", "key:KEYS" (xdotool key names), "sleep:SECONDS". Needs DISPLAY and
# WINEPREFIX; the desktop, 640 x 360, holds the window at 150% with its list dropped down.
fandrel_screenshot() {
  local exe=$1 out=$2 desktop="" step
  shift 2
  wine explorer /desktop=fandrelshot,640x360 "$(fandrel_windows_path "$exe")" >/dev/null 2>&1 &
  local pid=$!
  fandrel_wait_for 30 eval 'desktop=$(xdotool search --name "^fandrelshot" 2>/dev/null | head -n 1); [ -n "$desktop" ]' ||
    { fandrel_log "no Wine desktop window"; kill "$pid" 2>/dev/null; return 1; }
  # The window is up once the desktop is no longer plain (the first start of a
  # wineserver also starts its services and takes a while).
  fandrel_wait_for 60 eval '[ "$(import -window "$desktop" png:- 2>/dev/null |
    convert png:- -trim -format "%w" info: 2>/dev/null || echo 0)" -gt 100 ]' ||
    { fandrel_log "the program's window did not appear"; kill "$pid" 2>/dev/null; return 1; }
  sleep 1
  # Keys reach the program only once the desktop window has the X focus and a click: one
  # in the window's text box, which Wine puts at the desktop's top left (y 42 is inside it
  # at 100% and at 150%).
  xdotool windowfocus --sync "$desktop" 2>/dev/null
  xdotool mousemove --window "$desktop" 100 42 click 1 sleep 0.5
  for step in "$@"; do
    case $step in
      type:*) xdotool type --delay 60 "${step#type:}" ;;
      key:*) xdotool key --delay 100 "${step#key:}" ;;
      sleep:*) sleep "${step#sleep:}" ;;
    esac
  done
  sleep 1
  local status=0
  # Cropped to whatever differs from the plain desktop: the window and its open list.
  import -window "$desktop" png:- 2>/dev/null | convert png:- -trim +repage -strip "$out" || status=1
  kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  timeout 30 wineserver -w 2>/dev/null
  return "$status"
}
