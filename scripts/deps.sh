# Sourced by scripts/run and scripts/test: installs what the build and the tests need,
# asking apt only when something is missing.
zarq_packages="cmake ninja-build g++ pkg-config libgtk-3-dev libpng-dev libjpeg-dev libgtest-dev libgmock-dev
  libbenchmark-dev nlohmann-json3-dev fonts-noto-cjk xvfb xdotool imagemagick python3
  python3-xlib python3-gi gir1.2-gtk-3.0 xclip file
  libcanberra-gtk3-dev libxkbcommon-dev sound-theme-freedesktop librsvg2-common help2man
  desktop-file-utils appstream dpkg-dev"

zarq_install_missing() {
  local missing=()
  for p in $zarq_packages; do
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

zarq_build() {
  local dir="$1"
  shift
  # Rebuilds after a switch of branch are much quicker through ccache, where it is installed.
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$zarq_root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
