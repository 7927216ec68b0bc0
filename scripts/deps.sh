# Sourced by scripts/run and scripts/test: installs what the build and the tests need,
# asking apt only when something is missing.
zarq_packages="cmake ninja-build g++ pkg-config libgtk-3-dev libpng-dev libjpeg-dev libwebp-dev
  libgif-dev libdeflate-dev libgtest-dev libgmock-dev
  libbenchmark-dev nlohmann-json3-dev fonts-noto-cjk xvfb xdotool imagemagick python3
  python3-xlib python3-gi gir1.2-gtk-3.0 xclip file
  libcanberra-gtk3-dev libxkbcommon-dev libx11-dev sound-theme-freedesktop librsvg2-common
  librsvg2-bin help2man
  libglib2.0-bin shared-mime-info x11-utils x11-xserver-utils
  desktop-file-utils appstream dpkg-dev bash-completion
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi orca inotify-tools strace procps
  libacl1-dev libattr1-dev acl attr"

# The Windows build: mingw-w64, GoogleTest's sources, Wine to run what it makes, the tools
# that draw the icon, wixl, which makes the installer, and a font with emoji and symbols
# that Wine finds among the system's fonts, for the test of the font fallback.
zarq_windows_packages="g++-mingw-w64-x86-64-posix googletest wine wine64 librsvg2-bin imagemagick
  wixl msitools fonts-symbola"

zarq_install_missing() {
  zarq_install ${zarq_packages}
}

# Installs the Windows build's tools; says so in one line and fails when they cannot be had.
zarq_install_windows() {
  if ! zarq_install ${zarq_windows_packages} >/tmp/zarq-windows-install.log 2>&1; then
    echo "Windows build skipped: mingw-w64 or Wine cannot be installed (see /tmp/zarq-windows-install.log)"
    return 1
  fi
}

zarq_install() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# Rebuilds after a switch of branch are much quicker through ccache, where it is installed.
# It keeps the compiles that use a precompiled header (the unit tests') only when told that
# the header's macros and time stamps are the build's own.
zarq_launcher() {
  if command -v ccache >/dev/null; then
    echo "-DCMAKE_CXX_COMPILER_LAUNCHER=env;CCACHE_SLOPPINESS=pch_defines,time_macros;ccache"
  fi
}

# zarq_build DIR [CMAKE OPTION...]: configures and builds everything, or only the targets
# ZARQ_TARGETS names.
zarq_build() {
  local dir="$1"
  shift
  # Line tables are all a failure's backtrace needs, and they build a quarter faster than -g.
  cmake -S "$zarq_root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG" $(zarq_launcher) "$@" >/dev/null
  local targets=()
  [ -n "${ZARQ_TARGETS:-}" ] && targets=(--target ${ZARQ_TARGETS})
  cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}
