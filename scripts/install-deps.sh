#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those missing, as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools libgl-dev libgeonames-dev libgeonames-common
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libfmt-dev libfast-float-dev
  libswe-dev swe-basic-data
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xauth fonts-dejavu-core fonts-noto-core
  dpkg-dev file desktop-file-utils appstream shared-mime-info bash-completion
  poppler-utils
  emscripten node-acorn nodejs
  chromium
)

# The web module's npm packages (the ephemeris's C sources at the version the lock file pins and
# checks), after the Debian packages: npm comes with Node where Node is not Debian's own.
install_npm_packages() {
  command -v npm >/dev/null || { echo "Installing: npm"; $sudo apt-get install -y -qq npm; }
  # Only when the lock file changed since the last install (the stamp is a copy of it).
  # The site's browser tests have their own (playwright-core drives Debian's Chromium; it downloads
  # no browser of its own, and axe-core).
  local web
  for web in "$(dirname "$0")/../web" "$(dirname "$0")/../web/site-tests"; do
    cmp -s "$web/package-lock.json" "$web/node_modules/.installed-lock.json" && continue
    (cd "$web" && npm ci --ignore-scripts --no-audit --no-fund --silent && cp package-lock.json node_modules/.installed-lock.json)
  done
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -eq 0 ]; then
  install_npm_packages
  exit 0
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
install_npm_packages
