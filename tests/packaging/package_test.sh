#!/usr/bin/env bash
# The Debian package as a user meets it: built with scripts/package from the
# build tree given, checked by desktop-file-validate, appstreamcli and
# lintian, installed with apt-get, its commands run from /usr/bin, the
# program started on a private virtual display with a tray, then purged,
# leaving nothing behind. Skipped (77) when not root, when a tool is
# missing, or when velmora is installed already (it is not ours to remove).
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

skip() {
  echo "SKIP: $*"
  exit 77
}
[[ $(id -u) -eq 0 ]] || skip "installing a package needs root"
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian appstreamcli desktop-file-validate \
  apt-get getcap Xvfb trayer xwininfo dbus-launch; do
  command -v "$tool" >/dev/null || skip "$tool is not installed"
done
if dpkg-query -W -f='${Status}' velmora 2>/dev/null | grep -q installed; then
  skip "a velmora package is installed already"
fi

# shellcheck source=SCRIPTDIR/../../scripts/lib/xvfb.sh
source "$source_dir/scripts/lib/xvfb.sh"

work=$(mktemp -d /tmp/velmora-package.XXXXXX)
installed=no
VELMORA_XVFB_PID=
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}" "$VELMORA_XVFB_PID"; do
    if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null || true
    fi
  done
  # A failure half-way never leaves the package on the machine.
  if [[ $installed == yes ]]; then
    apt-get purge -y -qq -o DPkg::Lock::Timeout=600 velmora >/dev/null 2>&1 || dpkg --purge velmora >/dev/null 2>&1
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

echo "== building the package"
cd "$work"
deb=$("$source_dir/scripts/package" "$build" | tail -n1)
version=$(sed -nE 's/^project\(Velmora VERSION ([0-9.]+).*/\1/p' "$source_dir/CMakeLists.txt")
[[ $(basename "$deb") == "velmora_${version}_amd64.deb" ]] || fail "made $deb for version $version"
# The libraries found by dpkg-shlibdeps and the data the program loads.
dpkg-deb -f "$deb" Depends | tee depends
for dep in libc6 libqt6widgets6 libmecab2 open-jtalk-mecab-naist-jdic gstreamer1.0-plugins-good; do
  grep -q "$dep" depends || fail "Depends lacks $dep"
done

mkdir unpacked
dpkg-deb -x "$deb" unpacked
echo "== desktop-file-validate"
desktop-file-validate unpacked/usr/share/applications/velmora.desktop
echo "== appstreamcli validate"
# The one warning accepted: the component id is the desktop file's plain
# name, since the project has no domain of its own for a reverse-DNS id.
# (The infos left say a Japanese summary starts with no capital letter.)
appstreamcli validate --pedantic --no-net --override=cid-desktopapp-is-not-rdns=info \
  unpacked/usr/share/metainfo/velmora.metainfo.xml || fail "appstreamcli reports errors or warnings"
echo "== lintian"
lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"

echo "== apt-get install"
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 "$deb" 2>&1 | tail -n 5
dpkg -L velmora | sort >files
for path in /usr/lib/velmora/{velmora,velmora-cli,ReadMe.txt,音声記号列仕様.pdf} \
  /usr/lib/velmora/{f1,f2,m1,m2,r1,r2}/libAquesTalk.so \
  /usr/lib/velmora/htsvoice/{mei_normal.htsvoice,nitech_jp_atr503_m001.htsvoice} \
  /usr/lib/velmora/htsvoice/{Mei-COPYRIGHT.txt,M001-COPYING.txt} \
  /usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/velmora.png \
  /usr/share/doc/velmora/{copyright,changelog.gz}; do
  grep -qxF "$path" files || fail "the package lacks $path"
done
grep -q '^/usr/lib/velmora/Data/' files || fail "the package lacks Data/"
for command in velmora velmora-cli; do
  [[ $(readlink -f "/usr/bin/$command") == "/usr/lib/velmora/$command" ]] ||
    fail "/usr/bin/$command does not lead to the program folder"
done
file -L /usr/lib/velmora/velmora /usr/lib/velmora/f1/libAquesTalk.so | grep -v ', stripped' &&
  fail "unstripped binaries"
grep -q '^Exec="/usr/lib/velmora/velmora"$' /usr/share/applications/velmora.desktop ||
  fail "the desktop entry starts something else"
# The install script's grant: the alarm may wake the computer from sleep.
getcap /usr/lib/velmora/velmora | grep -q cap_wake_alarm=ep || fail "no cap_wake_alarm on the program"

echo "== velmora-cli from /usr/bin"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# Each voice speaks the time from its own folder with the installed voice data.
for voice in 0 1 2 3 4 5; do
  velmora-cli say --voice "$voice" --out "$work/say$voice.wav" "しちじ'です。"
  file "$work/say$voice.wav" | grep -q 'WAVE audio' || fail "say --voice $voice made no wave"
  (($(stat -c %s "$work/say$voice.wav") > 8000)) || fail "say --voice $voice is too short"
done
# Kanji go through MeCab and the dictionary package the package depends on.
velmora-cli reading 東京 | tee reading
[[ $(cat reading) == とーきょー ]] || fail "no reading for 東京"
mkdir "$work/data"
printf '[Alarm]\r\nDayTime=2011/01/01 5:30:00\r\n' >"$work/data/Settei.ini"
velmora-cli next-alarm --data "$work/data" --now "2024/05/02 8:00:00" | tee next
[[ $(cat next) == $'WakeTime=2024/05/03 05:29:00\nNextAlarm=2024/05/03 05:30:00' ]] ||
  fail "next-alarm printed another time"
if [[ -n ${PULSE_SERVER:-} ]]; then
  velmora-cli speak "じほうです。" || fail "speak could not play through the sound server"
fi

echo "== the installed program in a tray"
velmora_start_xvfb "$work" 1280x800x24
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
trayer --edge top --align right --widthtype request --height 32 --SetDockType true \
  --transparent false >"$work/trayer.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 50); do
  xwininfo -root -tree 2>/dev/null | grep -q '"panel"' && break
  sleep 0.1
done
# No time signal may speak while the test runs.
mkdir -p "$HOME/Documents/ハルカゼ舎/VelmoraData"
printf '[Jiho]\r\nUse=0\r\n' >"$HOME/Documents/ハルカゼ舎/VelmoraData/Settei.ini"
QT_QPA_PLATFORM=xcb velmora >"$work/velmora.log" 2>&1 &
pids+=($!)
# Ours, icon-sized, docked at the top edge where the tray is.
icon=
for _ in $(seq 1 150); do
  icon=$(xwininfo -root -tree | awk '/\("velmora" / {
           split($0, g, /[ \t]+/)
           for (i in g) if (g[i] ~ /^[0-9]+x[0-9]+\+/) size = g[i]
           split(size, wh, /[x+]/)
           top = $NF; sub(/^\+[-0-9]+\+/, "", top)
           if (wh[1] >= 16 && wh[1] <= 64 && wh[2] <= 64 && top + 0 < 40) print $1
         }' | head -n1)
  [[ -n $icon ]] && break
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.1
done
[[ -n $icon ]] || {
  cat "$work/velmora.log"
  fail "the installed program shows no icon in the tray"
}
echo "tray icon: window $icon"
kill "${pids[-1]}"
wait "${pids[-1]}" 2>/dev/null || true

echo "== apt-get purge"
apt-get purge -y -qq -o DPkg::Lock::Timeout=600 velmora 2>&1 | tail -n 3
installed=no
left=0
while read -r path; do
  if [[ -L $path || (-e $path && ! -d $path) ]]; then
    echo "left behind: $path"
    left=1
  fi
done <"$work/files"
for dir in /usr/lib/velmora /usr/share/doc/velmora; do
  [[ ! -e $dir ]] || {
    echo "left behind: $dir"
    left=1
  }
done
((left == 0)) || fail "the purge left files behind"
echo "package test: $(basename "$deb") built, validated, installed, run and purged"
