#!/usr/bin/env bash
# Installs the Debian packages Nira needs to build, test and run, when missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  fonts-dejavu-core
)
# The end-to-end test drives the window on a real X server.
if [ "${NIRA_E2E_PACKAGES:-1}" = 1 ]; then
  packages+=(xvfb xauth xdotool xclip x11-utils imagemagick openbox)
fi
command -v npm >/dev/null 2>&1 || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
