#!/bin/bash
# Builds Calvex for 64-bit Windows by cross-compilation, from the same CMake
# project, in build-windows/: calvex.exe, calvex-batch.exe and the test
# programs, then the setup program build-windows/Calvex-VERSION-setup.exe
# (CPack's NSIS generator), and tries them under Wine
# (scripts/windows/check-wine.sh; CALVEX_WINDOWS_SKIP_WINE=1 skips that).
# The Windows libraries come from scripts/windows/toolchain.sh, which builds
# them once (73 minutes on two busy cores) and then reuses them. Wine, NSIS
# and the tools of the checks are installed with apt-get when missing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/windows/toolchain.sh
source scripts/windows/versions.sh
prefix=$CALVEX_WINDOWS_PREFIX

packages=(wine wine64 nsis xvfb xdotool imagemagick poppler-utils unzip)
commands=(wine wine64 makensis Xvfb xdotool import pdfinfo unzip)
missing=()
for i in "${!commands[@]}"; do
    command -v "${commands[$i]}" >/dev/null || missing+=("${packages[$i]}")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing; install with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

export CALVEX_WINDOWS_PREFIX="$prefix" PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH=
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Qt's moc, rcc and uic are the installed Linux ones, of the same version.
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCALVEX_WERROR="${CI:-false}" "${launcher[@]}" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine
start=$SECONDS
nice -n 10 cmake --build build-windows -j2
echo "Windows build: $((SECONDS - start)) s"

start=$SECONDS
rm -f build-windows/Calvex-*-setup.exe
(cd build-windows && cpack -G NSIS >/dev/null)
echo "setup program: $(ls build-windows/Calvex-*-setup.exe), $((SECONDS - start)) s"

if [[ ${CALVEX_WINDOWS_SKIP_WINE:-} != 1 ]]; then
    start=$SECONDS
    scripts/windows/check-wine.sh
    echo "checks under Wine: $((SECONDS - start)) s"
fi
