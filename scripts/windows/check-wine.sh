#!/bin/bash
# Tries the Windows build of build-windows/ under Wine, as closely as a user
# would use it, on an X server of its own (Xvfb):
#   1. the test programs, in a Wine prefix of the build folder;
#   2. calvex-batch.exe against the Linux build's calvex-batch: the JSON of
#      both examples and of the largest building byte for byte, the PDF
#      report's pages, the editable report's text and its pages in
#      LibreOffice;
#   3. the setup program, installed silently into a new prefix: its files,
#      the Start menu entry, and the installed calvex.exe started, an
#      archive opened through its dialog, screenshots of each step.
# Outputs and screenshots go to build-windows/wine-check/. The Linux build
# folder is CALVEX_LINUX_BUILD (default build/); its calvex-batch is built
# there when missing. Called by scripts/windows.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."
source scripts/windows/versions.sh

win=$PWD/build-windows
linux=$PWD/${CALVEX_LINUX_BUILD:-build}
out=$win/wine-check
rm -rf "$out"
mkdir -p "$out"
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

for tool in xvfb-run Xvfb xdotool import pdfinfo soffice unzip; do
    command -v "$tool" >/dev/null || { echo "check-wine.sh needs $tool" >&2; exit 1; }
done

# Without the .NET and HTML engines Wine offers to download.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# An X server of its own for every Wine program.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 2

# 1. The test programs, with the toolchain's DLLs and Qt plugins; the
# window tests on Qt's offscreen platform, as CTest runs them on Linux.
export WINEPREFIX=$win/wine
test_start=$SECONDS
for program in "$win"/tests/*.exe; do
    name=$(basename "$program" .exe)
    log=$out/$name.log
    if ! WINEPATH="$CALVEX_WINDOWS_PREFIX/bin" QT_PLUGIN_PATH="$CALVEX_WINDOWS_PREFIX/plugins" \
        QT_QPA_PLATFORM=offscreen wine "$program" >"$log" 2>&1; then
        fail "$name under Wine (see $log)"
    fi
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log")
    echo "$name: ${passed:-0} passed"
    sed -n 's/^\[  SKIPPED \] \([A-Za-z].*\)/  skipped: \1/p' "$log" | sort -u
    grep '^\[  FAILED  \] [A-Za-z]' "$log" | sort -u || true
done
echo "test programs under Wine: $((SECONDS - test_start)) s"

# 2. The batch tool against the Linux build's.
if [[ ! -x $linux/bin/calvex-batch || ! -x $linux/bin/calvex-write-large-building ]]; then
    [[ -f $linux/CMakeCache.txt ]] || cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=Release >/dev/null
    nice -n 10 cmake --build "$linux" -j2 --target calvex-batch calvex-write-large-building >/dev/null
fi
"$linux/bin/calvex-write-large-building" "$out/Calvex-dati-grande"
batch() { WINEPATH="$win/bin" wine "$win/bin/calvex-batch.exe" "$@"; }
for archive in examples/Calvex-dati-esempio examples/Calvex-dati-verificato "$out/Calvex-dati-grande"; do
    name=$(basename "$archive")
    linux_status=0 windows_status=0
    "$linux/bin/calvex-batch" verifica --json "$archive" >"$out/$name.linux.json" || linux_status=$?
    batch verifica --json "$archive" >"$out/$name.windows.json" || windows_status=$?
    if [[ $linux_status -ne $windows_status ]] || ! cmp -s "$out/$name.linux.json" "$out/$name.windows.json"; then
        fail "verifica --json $name: Windows (status $windows_status) differs from Linux (status $linux_status)"
    else
        echo "verifica --json $name: the same $(wc -c <"$out/$name.windows.json") bytes, status $windows_status"
    fi
done

pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }
example=examples/Calvex-dati-esempio
"$linux/bin/calvex-batch" relazione "$example" -o "$out/linux.pdf"
"$linux/bin/calvex-batch" relazione "$example" -o "$out/linux.odt"
batch relazione "$example" -o "$out/windows.pdf"
batch relazione "$example" -o "$out/windows.odt"
if [[ $(pages "$out/windows.pdf") != "$(pages "$out/linux.pdf")" ]]; then
    fail "the PDF report has $(pages "$out/windows.pdf") pages on Windows, $(pages "$out/linux.pdf") on Linux"
else
    echo "relazione -o x.pdf: $(pages "$out/windows.pdf") pages, as on Linux"
fi
if ! cmp -s <(unzip -p "$out/windows.odt" content.xml) <(unzip -p "$out/linux.odt" content.xml); then
    fail "the editable report's text differs from the Linux build's"
fi
for system in linux windows; do
    mkdir -p "$out/$system-office"
    HOME=$out/$system-office soffice -env:UserInstallation="file://$out/$system-office/profile" --headless \
        --convert-to pdf --outdir "$out/$system-office" "$out/$system.odt" >/dev/null 2>&1 || true
done
odt_pages=$(pages "$out/windows-office/windows.pdf" 2>/dev/null || echo none)
if [[ $odt_pages != "$(pages "$out/linux-office/linux.pdf" 2>/dev/null || echo none)" || $odt_pages == none ]]; then
    fail "LibreOffice lays out the editable report in $odt_pages pages from Windows, differently from Linux"
else
    echo "relazione -o x.odt: the same text as on Linux; LibreOffice lays it out in $odt_pages pages"
fi

# 3. The setup program into a new prefix, silently, then the installed
# program as a user starts it.
setup=$(ls "$win"/Calvex-*-setup.exe)
export WINEPREFIX=$win/wine-install
rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wine "$setup" /S
wineserver --wait
installed="$WINEPREFIX/drive_c/Program Files/Calvex"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Calvex"
for file in calvex.exe calvex-batch.exe Uninstall.exe Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    translations/qt_it.qm Internet.mid SuggerimentiCalvex.TXT examples/Calvex-dati-esempio; do
    [[ -f "$installed/$file" ]] || fail "the setup program did not install $file"
done
[[ -f "$menu/Calvex - verifica sismica edifici in muratura.lnk" ]] || fail "no Start menu entry"
echo "setup program $(basename "$setup"): $(du -k "$setup" | cut -f1) kB; installed folder: $(du -sk "$installed" | cut -f1) kB"

scripts/windows/try-installed-program.sh "$installed" "$out" || fail "the installed program, see $out"

if [[ $failures -gt 0 ]]; then
    echo "$failures checks under Wine failed" >&2
    exit 1
fi
echo "every check under Wine passed; screenshots in $out"
