#!/usr/bin/env bash
# Installs the build folder given into a scratch folder (DESTDIR) and checks
# the installed tree: every file where the freedesktop.org conventions and the
# program expect it, the batch tool runs from it, and the archives' file type
# is known by their name.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" >/dev/null
prefix=$root$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")

status=0
for file in bin/calvex bin/calvex-batch \
    share/calvex/Internet.mid share/calvex/SuggerimentiCalvex.TXT share/calvex/translations/qt_it.qm \
    share/applications/calvex.desktop share/metainfo/it.selvarin.calvex.metainfo.xml \
    share/mime/packages/calvex.xml share/icons/hicolor/scalable/apps/calvex.svg \
    share/icons/hicolor/16x16/apps/calvex.png share/icons/hicolor/256x256/apps/calvex.png \
    share/fontconfig/conf.avail/30-calvex-century-gothic.conf share/doc/calvex/examples/Calvex-dati-esempio \
    share/calvex/validation/01-un-setto-per-direzione/caso.md \
    share/calvex/validation/01-un-setto-per-direzione/Calvex-dati-caso; do
    if [[ ! -f $prefix/$file ]]; then
        echo "missing: $file" >&2
        status=1
    fi
done
# The link that enables the font alias resolves inside the installed tree.
link=$(find "$root" -path '*/fonts/conf.d/30-calvex-century-gothic.conf')
if [[ -z $link || ! -f $link ]]; then
    echo "the font alias is not enabled by a working link in fonts/conf.d" >&2
    status=1
fi

# 1: the example building is not verified, a result.
batch_status=0
"$prefix/bin/calvex-batch" verifica "$prefix/share/doc/calvex/examples/Calvex-dati-esempio" >/dev/null ||
    batch_status=$?
if ((batch_status != 1)); then
    echo "calvex-batch verifica of the installed example ended with $batch_status" >&2
    status=1
fi

if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime"
    if ! grep -qx '50:application/x-calvex-dati:calvex-dati-\*' "$prefix/share/mime/globs2"; then
        echo "the archives' name pattern is not in the MIME database:" >&2
        cat "$prefix/share/mime/globs2" >&2
        status=1
    fi
fi
exit "$status"
