#!/usr/bin/env bash
# Installs the Debian packages a script needs, in groups, and skips what is already there:
#   build     compilers, libraries and fonts to build the show, its capture tool and data
#   headless  a virtual X server and ffmpeg, to play (render) the show without a display
#   test      the test suite's tools: GoogleTest, X utilities, clang's fuzzer runtime,
#             what checks the packages (dpkg-shlibdeps needs file; lintian and
#             desktop-file-validate check the .deb), and node with npm and headless
#             Chromium for the browser version's tests
#   web       emscripten to build the browser version; what the build group has, for the
#             native build of the data tools and the capture it runs on the build machine;
#             a virtual X server for the capture, which draws the page's poster; ffmpeg to
#             compress its soundtrack and make the poster a JPEG; python3's web server
#   windows   mingw-w64 to cross-compile the Windows version, what the build group has for
#             the native build of its data tools, and Wine with a virtual X server and
#             xdotool to run it in its tests
# With no group named, all of them. Uses sudo when not run as root.
set -euo pipefail

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(build headless test web windows)
native=(build-essential cmake pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
        libsdl2-dev libfreetype-dev fonts-dejavu-core libpng-dev)
packages=()
for group in "${groups[@]}"; do
    case "$group" in
        build) packages+=("${native[@]}") ;;
        headless) packages+=(xvfb xauth ffmpeg) ;;
        test) packages+=(git googletest libgtest-dev x11-utils xdotool clang libclang-rt-14-dev
                         dpkg-dev file lintian desktop-file-utils nodejs
                         chromium-headless-shell) ;;
        web) packages+=(emscripten "${native[@]}" xvfb xauth ffmpeg python3) ;;
        windows) packages+=(g++-mingw-w64-x86-64-posix "${native[@]}" wine wine64 xvfb xauth
                            xdotool) ;;
        *) echo "usage: $0 [build|headless|test|web|windows]..." >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
# npm is a package of its own in Debian, but some node builds bring it along.
if [[ " ${groups[*]} " == *" test "* ]] && ! command -v npm >/dev/null; then missing+=(npm); fi
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
