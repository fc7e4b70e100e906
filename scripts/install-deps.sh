#!/usr/bin/env bash
# Installs the Debian packages the show needs to build, run, be tested and be packaged (the
# .deb's dependencies come from dpkg-shlibdeps, which needs file; lintian and
# desktop-file-validate check it), and to build, serve and test the browser version
# (emscripten, python3's web server, node with npm, headless Chromium); skips what is
# already there. Uses sudo when not run as root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git
    freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
    libsdl2-dev libfreetype-dev fonts-dejavu-core libpng-dev
    googletest libgtest-dev
    xvfb xauth x11-utils xdotool
    ffmpeg
    clang libclang-rt-14-dev
    dpkg-dev file lintian desktop-file-utils
    emscripten python3 nodejs chromium-headless-shell
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# npm is a package of its own in Debian, but some node builds bring it along.
command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
