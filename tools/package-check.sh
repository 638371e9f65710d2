#!/bin/sh
# Installs the Debian package with apt in a fresh Debian 12 (bookworm) chroot, starts the program
# from it under Xvfb and keeps screenshots of the first start, at scale 1 on 1366 x 768 and at
# scale 2 on 1920 x 1080. Run as root (debootstrap, chroot, mounts).
#
#   tools/package-check.sh build-package/corvane_2.2.0_amd64.deb [folder]
#
# The folder (default /work/chroot-deb12) keeps a pristine bookworm in base/ (made once with
# debootstrap) and copies it to run/ for every check, so each install starts fresh. The pictures
# are written to <folder>/shots as PNG.
set -eu

deb=$(realpath "$1")
folder=${2:-/work/chroot-deb12}
mirror=${MIRROR:-http://deb.debian.org/debian}
base=$folder/base
run=$folder/run
shots=$folder/shots

for tool in debootstrap convert; do
  command -v $tool >/dev/null || { echo "missing: $tool (apt install debootstrap imagemagick)"; exit 1; }
done

if [ ! -x "$base/usr/bin/apt" ]; then
  rm -rf "$base"
  debootstrap --variant=minbase bookworm "$base" "$mirror"
fi

unmount() {
  for m in dev/pts dev proc sys; do umount "$run/$m" 2>/dev/null || true; done
}
trap unmount EXIT
unmount
rm -rf "$run"
cp -a "$base" "$run"
cp /etc/resolv.conf "$run/etc/resolv.conf"
mount --bind /dev "$run/dev"
mount --bind /dev/pts "$run/dev/pts"
mount -t proc proc "$run/proc"
mount -t sysfs sys "$run/sys"
cp "$deb" "$run/tmp/"

in_chroot() { chroot "$run" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

in_chroot apt-get update -q
in_chroot env DEBIAN_FRONTEND=noninteractive apt install -y "/tmp/$(basename "$deb")"
# Only to look at it: an X server whose screen is a file we can read from outside.
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends xvfb xauth

echo "--- installed"
in_chroot dpkg -s corvane | grep -E '^(Package|Version|Depends|Recommends):'
in_chroot sh -c 'ls /usr/bin/corvane /usr/share/applications/corvane.desktop \
  /usr/share/mime/packages/corvane.xml /usr/share/corvane/help/Corvane.html'
in_chroot sh -c 'grep -h corvane /usr/share/mime/globs2 /usr/share/applications/mimeinfo.cache \
  2>/dev/null || echo "(no mime database in this minimal system)"'

mkdir -p "$shots"
# screen name | geometry | scale factor
for setting in "scale1-1366x768 1366x768 1" "scale2-1920x1080 1920x1080 2"; do
  set -- $setting
  rm -rf "$run/tmp/fb" && mkdir -p "$run/tmp/fb"
  in_chroot env QT_SCALE_FACTOR="$3" XDG_RUNTIME_DIR=/tmp xvfb-run -a \
    -s "-screen 0 ${2}x24 -fbdir /tmp/fb" sh -c \
    'corvane /usr/share/corvane/Program/SAMPLE.MIN & pid=$!; sleep 6;
     cp /tmp/fb/Xvfb_screen0 /tmp/fb/shot.xwd; kill $pid; wait $pid 2>/dev/null; true'
  convert "xwd:$run/tmp/fb/shot.xwd" "$shots/package-$1.png"
  echo "--- screenshot: $shots/package-$1.png"
done
