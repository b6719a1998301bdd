#!/usr/bin/env bash
# Installs, through apt-get, whatever the build and the tests need and the
# machine lacks. Runs as root on Debian 12; does nothing when all is there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  qt6-base-dev qt6-base-dev-tools fonts-ipafont-gothic
  xvfb xauth imagemagick chromium desktop-file-utils
)
command -v node >/dev/null && command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser test's npm packages, as the lock file pins them.
if [ ! -d tests/browser/node_modules/playwright-core ]; then
  npm ci --prefix tests/browser --no-audit --no-fund
fi
