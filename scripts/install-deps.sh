#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing. With "fuzz" it
# installs what `make fuzz` needs instead: clang with the sanitizer runtime of its own version.
set -euo pipefail

packages=(
  # the build
  build-essential cmake ninja-build pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the window's fonts and Qt's own Russian dialogs
  fonts-dejavu fonts-liberation qt6-translations-l10n
  # the tests: printing to PDF read back, a real display with a window manager, the package and
  # its metadata checked as a distribution checks them
  poppler-utils xvfb xauth openbox x11-utils python3-icalendar
  lintian appstream desktop-file-utils man-db bash-completion
)

if [ "${1:-}" = fuzz ]; then
  packages=(clang)
  if command -v clang >/dev/null; then
    major=$(clang -dumpversion | cut -d. -f1)
    packages+=("libclang-rt-${major}-dev")
  fi
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
# The sanitizer runtime goes with the clang just installed.
if [ "${1:-}" = fuzz ] && ! dpkg-query -W "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev" \
    >/dev/null 2>&1; then
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
