# Debian packages ベルモラ needs, shared by scripts/run and scripts/test.
# Sourced, not run.

VELMORA_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libxcb1-dev
  libsndfile1-dev libsoxr-dev libmecab-dev
  libhtsengine-dev  # the voice libraries synthesise with hts_engine API
  open-jtalk-mecab-naist-jdic  # own words' readings with their accents, through MeCab
  libpulse-dev libasound2-dev libjpeg-dev
  fonts-noto-cjk
  # Music and sounds play through Qt Multimedia's GStreamer backend: wav,
  # mp3, ogg, flac, m4a, out to PulseAudio; xdg-utils opens what it cannot.
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-pulseaudio
  xdg-utils
  libcap2-bin  # setcap: the right to wake the computer for the alarm
  dpkg-dev file  # scripts/package: cpack finds the package's dependencies with dpkg-shlibdeps
)

VELMORA_TEST_PACKAGES=(
  libgtest-dev libgmock-dev
  xvfb xauth xdotool x11-utils dbus dbus-x11 pulseaudio pulseaudio-utils libasound2-plugins
  gstreamer1.0-tools  # gst-launch-1.0 encodes the test music
  poppler-utils  # pdftotext reads the word guide back
  xcompmgr x11-apps  # the clock photographed with a compositing manager; xclock for clock_draw_bench and idle_bench.sh
  trayer  # an XEmbed tray on the virtual display for the tray end-to-end test
  openbox  # a window manager that moves the clock itself in the tray end-to-end test
  clang-format  # scripts/check-format
  clang-tidy  # scripts/check-tidy
  python3  # scripts/check-layers
  faketime  # the real program under a clock that is set while it runs
  weston xwayland qt6-wayland  # the program in a Wayland session, with and without XWayland
  open-jtalk  # open_jtalk's full-context labels are what the voices' labels are checked against
  lintian appstream desktop-file-utils  # the Debian package, its metadata and menu entry are checked
  at-spi2-core python3-pyatspi  # the program read over AT-SPI, as a screen reader reads it
)

# scripts/fuzz only: libFuzzer comes with clang.
VELMORA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# npm downloads the HTS voices (scripts/fetch-voices, run by CMake) while
# they are not cached yet. Debian's npm conflicts with the npm that some
# Node.js packages bring along, so it is installed only when there is none.
velmora_ensure_npm() {
  command -v npm >/dev/null || velmora_ensure_packages npm
}

# Installs whatever of the given packages is missing; does nothing (and
# needs no network) when all are there already.
velmora_ensure_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  echo "== installing: ${missing[*]}"
  local sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}
