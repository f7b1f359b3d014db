#!/usr/bin/env bash
# Builds the Debian package of Calvex: build-package/calvex_VERSION_ARCH.deb.
# The programs are built for /usr in their own folder, build-package/; the
# tests are not built there (scripts/test.sh runs them).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/setup.sh

# dpkg-shlibdeps computes the package's dependencies from its libraries.
CALVEX_PACKAGES+=(dpkg-dev)
calvex_install_packages

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Installing (and so packaging) builds only what it installs.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}"
cmake --build build-package -j"$(nproc)" --target calvex calvex-batch calvex_icons
(cd build-package && cpack -G DEB)
ls build-package/calvex_*.deb
