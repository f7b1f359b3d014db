#!/bin/bash
# Builds, from Debian's source packages, the libraries Calvex needs for 64-bit
# Windows, with Debian's MinGW-w64 cross-compiler (posix threads): Qt's qtbase
# (Core, Gui, Widgets, PrintSupport, Test; no SQL, network, D-Bus or OpenGL),
# zlib, libzip, librevenge, libxml2 and libodfgen (which needs both), and
# GoogleTest; it adds the header-only nlohmann-json, Qt's Italian translations
# and the MinGW runtime DLLs.
#
# Everything is installed into one folder outside the work tree, named after
# the versions (scripts/windows/versions.sh; CALVEX_WINDOWS_CACHE moves it).
# A finished folder is reused at once; an interrupted build goes on where it
# stopped. CALVEX_WINDOWS_JOBS sets the parallel jobs (default: every core).
# The missing Debian packages are installed with apt-get, which needs root;
# a deb-src entry for the archive apt already uses is added when missing.
#
#   nice -n 19 scripts/windows/toolchain.sh      # prints the folder at the end
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$repo/scripts/windows/versions.sh"

if [[ -e $CALVEX_WINDOWS_COMPLETE ]]; then
    echo "$CALVEX_WINDOWS_PREFIX"
    exit 0
fi

prefix=$CALVEX_WINDOWS_PREFIX
work="$CALVEX_WINDOWS_CACHE/work-$CALVEX_WINDOWS_NAME"
jobs=${CALVEX_WINDOWS_JOBS:-$(nproc)}
toolchain_file="$repo/cmake/mingw-w64-x86_64.cmake"
cc=$CALVEX_MINGW_TRIPLET-gcc-posix
cxx=$CALVEX_MINGW_TRIPLET-g++-posix

packages=(g++-mingw-w64-x86-64-posix dpkg-dev cmake ninja-build make m4 pkgconf perl xz-utils
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libboost-dev googletest nlohmann-json3-dev)

say() { echo "toolchain: $*" >&2; }

install_packages() {
    local missing=() package
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    ((${#missing[@]} == 0)) && return 0
    if [[ $(id -u) -ne 0 ]]; then
        say "missing packages; install them with:"
        say "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Adds, for every "deb" entry of apt's sources, the same entry as "deb-src".
enable_source_packages() {
    if apt-cache showsrc zlib 2>/dev/null | grep -q '^Package: zlib$'; then
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        say "apt has no deb-src entry: run this as root to add one"
        exit 1
    fi
    local file list=/etc/apt/sources.list.d/calvex-deb-src entries
    entries=$(mktemp)
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -e $file ]] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[ \t]*deb[ \t]*(\n|$)/ { sub(/Types:[ \t]*deb/, "Types: deb-src"); print }' "$file"
    done >"$entries"
    install -m 644 "$entries" "$list.sources"
    rm -f "$entries"
    if [[ -e /etc/apt/sources.list ]]; then
        sed -n 's/^[ \t]*deb[ \t]/deb-src /p' /etc/apt/sources.list >"$list.list"
    fi
    # An entry apt cannot read would stop every later apt command: take it back.
    if ! apt-get update; then
        rm -f "$list.sources" "$list.list"
        say "apt-get update failed with the deb-src entries added; they were removed again"
        exit 1
    fi
}

# Unpacks a source package (Debian's patches applied) and prints its folder.
# The newest version of the pinned upstream release is taken; one the archive
# lists but cannot deliver (a mirror without the security updates' sources)
# gives way to the next.
fetch_source() {
    local package=$1 version=$2 folder candidate
    mkdir -p "$work/src"
    folder=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name "$package-$version*" -print -quit)
    if [[ -z $folder ]]; then
        for candidate in $(apt-cache showsrc --only-source "$package" | sed -n 's/^Version: //p' | sort -rVu); do
            [[ ${candidate#*:} == "$version"* ]] || continue
            if (cd "$work/src" && apt-get source --only-source "$package=$candidate" >&2); then
                break
            fi
        done
        folder=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name "$package-$version*" -print -quit)
    fi
    if [[ -z $folder ]]; then
        say "no source package $package of version $version: update scripts/windows/versions.sh"
        exit 1
    fi
    echo "$folder"
}

# Runs a build step once: a step that finished leaves a stamp in the work folder.
step() {
    local name=$1 started=$SECONDS
    shift
    if [[ -e $work/stamps/$name ]]; then
        return 0
    fi
    say "building $name"
    "$@"
    mkdir -p "$work/stamps"
    touch "$work/stamps/$name"
    say "$name done in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
}

cmake_windows() {
    cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain_file" -DCALVEX_WINDOWS_PREFIX="$prefix" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
}

build_and_install() {
    cmake --build "$1" -j"$jobs"
    cmake --install "$1"
}

build_qt() {
    local source
    source=$(fetch_source qt6-base "$CALVEX_WIN_QT_VERSION")
    # The installed Linux Qt of the same version provides moc, rcc, uic and
    # the other host tools. Debian's source lacks wintab.h, hence no tablet
    # events; the Windows platform plugin needs dynamicgl off with OpenGL off.
    cmake_windows -S "$source" -B "$work/build/qt" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
        -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF
    build_and_install "$work/build/qt"
}

build_zlib() {
    local source
    source=$(fetch_source zlib "$CALVEX_WIN_ZLIB_VERSION")
    # Debian's repacked source leaves out win32/, whose zlib1.rc the MinGW
    # build compiles into the DLL: a bare version resource takes its place.
    if [[ ! -e $source/win32/zlib1.rc ]]; then
        mkdir -p "$source/win32"
        printf '1 VERSIONINFO\nFILEVERSION %s,0\nBEGIN\nEND\n' "${CALVEX_WIN_ZLIB_VERSION//./,}" \
            >"$source/win32/zlib1.rc"
    fi
    cmake_windows -S "$source" -B "$work/build/zlib" -DINSTALL_PKGCONFIG_DIR="$prefix/lib/pkgconfig"
    build_and_install "$work/build/zlib"
    # The MinGW build names the DLL's import library libzlib.dll.a.
    sed -i 's/ -lz$/ -lzlib/' "$prefix/lib/pkgconfig/zlib.pc"
}

build_libzip() {
    local source
    source=$(fetch_source libzip "$CALVEX_WIN_LIBZIP_VERSION")
    cmake_windows -S "$source" -B "$work/build/libzip" \
        -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF \
        -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
        -DENABLE_GNUTLS=OFF -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_COMMONCRYPTO=OFF
    build_and_install "$work/build/libzip"
}

# librevenge and libodfgen use autotools; Boost is header-only and taken from
# Debian's libboost-dev through a folder that holds nothing else of /usr/include.
configure_autotools() {
    local source=$1 build=$2
    shift 2
    mkdir -p "$work/boost-include" "$build"
    ln -sfn /usr/include/boost "$work/boost-include/boost"
    (cd "$build" && "$source/configure" --host="$CALVEX_MINGW_TRIPLET" --prefix="$prefix" \
        CC="$cc" CXX="$cxx" CPPFLAGS="-I$work/boost-include" \
        PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH= \
        --enable-shared --disable-static --disable-werror --without-docs "$@")
    make -C "$build" -j"$jobs"
    make -C "$build" install
}

build_librevenge() {
    configure_autotools "$(fetch_source librevenge "$CALVEX_WIN_REVENGE_VERSION")" "$work/build/librevenge" \
        --disable-tests
}

build_libxml2() {
    local source
    source=$(fetch_source libxml2 "$CALVEX_WIN_XML2_VERSION")
    cmake_windows -S "$source" -B "$work/build/libxml2" \
        -DLIBXML2_WITH_PROGRAMS=OFF -DLIBXML2_WITH_TESTS=OFF -DLIBXML2_WITH_PYTHON=OFF \
        -DLIBXML2_WITH_ICONV=OFF -DLIBXML2_WITH_LZMA=OFF -DLIBXML2_WITH_ZLIB=OFF \
        -DLIBXML2_WITH_HTTP=OFF -DLIBXML2_WITH_FTP=OFF
    build_and_install "$work/build/libxml2"
}

build_libodfgen() {
    configure_autotools "$(fetch_source libodfgen "$CALVEX_WIN_ODFGEN_VERSION")" "$work/build/libodfgen" \
        --disable-test
}

# GoogleTest from the sources Debian's googletest package installs; the
# Windows threads of its own port, not pthreads.
build_googletest() {
    local version
    version=$(dpkg-query -W -f='${Version}' googletest)
    if [[ $version != "$CALVEX_WIN_GTEST_VERSION"* ]]; then
        say "googletest is $version, not $CALVEX_WIN_GTEST_VERSION: update scripts/windows/versions.sh"
        exit 1
    fi
    cmake_windows -S /usr/src/googletest -B "$work/build/googletest" -Dgtest_disable_pthreads=ON
    build_and_install "$work/build/googletest"
}

install_extras() {
    mkdir -p "$prefix/include" "$prefix/share/cmake" "$prefix/translations" "$prefix/bin"
    cp -r /usr/include/nlohmann "$prefix/include/"
    cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
    # Debian's Italian Qt catalogues serve Windows unchanged.
    cp /usr/share/qt6/translations/qt_it.qm /usr/share/qt6/translations/qtbase_it.qm "$prefix/translations/"
    # The runtime DLLs every program built with this compiler needs beside it.
    local dll
    for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
        cp "$("$cxx" -print-file-name="$dll")" "$prefix/bin/"
    done
}

started=$SECONDS
mkdir -p "$work" "$prefix"
# One build at a time: a second one waits for the first and then finds it done.
exec 9>"$work/.lock"
if ! flock -n 9; then
    say "waiting for the build already running"
    flock 9
fi
if [[ -e $CALVEX_WINDOWS_COMPLETE ]]; then
    echo "$prefix"
    exit 0
fi
install_packages
enable_source_packages
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" PKG_CONFIG_PATH=
step zlib build_zlib
step libzip build_libzip
step librevenge build_librevenge
step libxml2 build_libxml2
step libodfgen build_libodfgen
step googletest build_googletest
step extras install_extras
step qt build_qt
touch "$CALVEX_WINDOWS_COMPLETE"
rm -rf "$work"
say "done in $(((SECONDS - started) / 60)) min; $(du -sh "$prefix" | cut -f1) in $prefix"
echo "$prefix"
