#!/bin/sh
# Installs the Debian packages that building, running and testing the program need, and only
# the ones that are missing, so that a second run costs nothing.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev \
  fonts-liberation2 googletest libgtest-dev libbenchmark-dev ccache \
  xvfb xauth xdotool x11-utils imagemagick librsvg2-bin clang-format dpkg-dev desktop-file-utils \
  appstream lintian man-db weston xwayland qt6-wayland"
# The check on scaled desktops sets the desktop's dpi (xrdb) and measures screenshots (PIL).
packages="$packages x11-xserver-utils python3-pil"
# The program holds the X server with a connection of its own while the toolkit restarts.
packages="$packages libxcb1-dev"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get update -qq
# shellcheck disable=SC2086
$sudo_cmd apt-get install -y -qq --no-install-recommends $missing >/dev/null
