#!/usr/bin/env bash
# Installs what is missing, builds, then starts Tovik (run) or runs every test (test).
# Works on a fresh Debian 12, as root or as a user with sudo.
set -euo pipefail
cd "$(dirname "$0")"

command=${1:-run}
build=${TOVIK_BUILD_DIR:-build}

packages=(cmake g++ make qt6-base-dev qt6-translations-l10n libgl-dev fonts-ipafont-gothic)
if [ "$command" = test ]; then
  packages+=(xvfb xauth xdotool dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-xlib)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

case "$command" in
  run)
    exec "$build/src/tovik"
    ;;
  test)
    # Widget tests draw offscreen; the end-to-end test starts its own X server and bus.
    cd "$build"
    exec ctest --output-on-failure --timeout 900
    ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
