#!/bin/bash
# Builds Calvex for 64-bit Windows by cross-compilation, from the same CMake
# project, in build-windows/: so far the batch tool, calvex-batch.exe, which
# is then started under Wine. The Windows libraries come from
# scripts/windows/toolchain.sh, which builds them once (about an hour on two
# cores) and then reuses them. Wine is installed with apt-get when missing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/windows/toolchain.sh
source scripts/windows/versions.sh
prefix=$CALVEX_WINDOWS_PREFIX

wine_packages=(wine wine64)
if ! command -v wine >/dev/null; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "Wine is missing; install it with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${wine_packages[*]}" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${wine_packages[@]}"
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
cmake --build build-windows -j"$(nproc)" --target calvex-batch

# Wine in a prefix of its own, without the .NET and HTML engines it would
# offer to download; the DLLs are found in the toolchain folder.
export WINEPREFIX="$PWD/build-windows/wine" WINEPATH="$prefix/bin" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
usage=$(wine build-windows/bin/calvex-batch.exe --help)
if [[ $usage != uso:* ]]; then
    echo "calvex-batch.exe --help under Wine printed instead:" >&2
    echo "$usage" >&2
    exit 1
fi
echo "build-windows/bin/calvex-batch.exe runs under Wine"
