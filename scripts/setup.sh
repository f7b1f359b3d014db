# Sourced by run.sh and test.sh: installs the Debian packages the build
# needs and builds the project in build/.

CALVEX_PACKAGES=(cmake g++ pkg-config libgtest-dev libbenchmark-dev nlohmann-json3-dev
    qt6-base-dev qt6-translations-l10n libfluidsynth-dev timgm6mb-soundfont fonts-liberation2 poppler-utils
    libodfgen-dev libzip-dev libreoffice-writer-nogui libxml2-dev)

calvex_install_packages() {
    local missing=()
    local package
    for package in "${CALVEX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing packages; install them with:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

calvex_build() {
    # CI (CI=true) builds with warnings as errors.
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCALVEX_WERROR="${CI:-false}"
    cmake --build build -j"$(nproc)"
}
