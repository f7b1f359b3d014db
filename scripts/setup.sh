# Sourced by run.sh and test.sh: installs the Debian packages the build
# needs and builds the project in build/.

CALVEX_PACKAGES=(cmake g++ pkg-config libgtest-dev libbenchmark-dev nlohmann-json3-dev
    qt6-base-dev qt6-translations-l10n libfluidsynth-dev timgm6mb-soundfont fonts-liberation2 fonts-urw-base35
    poppler-utils libodfgen-dev libzip-dev libxml2-dev libreoffice-writer-nogui librsvg2-bin desktop-file-utils
    appstream)

# Where Century Gothic, the typeface of the editable report, is missing,
# fontconfig offers URW Gothic, a face of the same widths, in its place.
CALVEX_FONT_ALIAS=/etc/fonts/conf.d/30-calvex-century-gothic.conf

calvex_install_packages() {
    local missing=()
    local package
    for package in "${CALVEX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} > 0)); then
        if [[ $(id -u) -ne 0 ]]; then
            echo "Missing packages; install them with:" >&2
            echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
            exit 1
        fi
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
    calvex_install_font_alias
}

# Without the alias the report is still right, in another face: a user who
# is not root is told how to add it and the setup goes on.
calvex_install_font_alias() {
    local alias_source=scripts/century-gothic-fontconfig.conf
    if cmp -s "$alias_source" "$CALVEX_FONT_ALIAS"; then
        return 0
    fi
    if [[ $(id -u) -ne 0 ]]; then
        echo "The editable report takes URW Gothic for Century Gothic once this is run:" >&2
        echo "  sudo install -m 644 $alias_source $CALVEX_FONT_ALIAS" >&2
        return 0
    fi
    install -D -m 644 "$alias_source" "$CALVEX_FONT_ALIAS"
}

calvex_build() {
    # CI (CI=true) builds with warnings as errors.
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCALVEX_WERROR="${CI:-false}"
    cmake --build build -j"$(nproc)"
}
