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
# The prefix is made, and its services have settled, before any test runs.
wineboot --init >/dev/null 2>&1
wineserver --wait
run_tests() {
    # Wine's Recycle Bin is the trash of the Linux user's data folder: the
    # tests get one of their own.
    WINEPATH="$CALVEX_WINDOWS_PREFIX/bin" QT_PLUGIN_PATH="$CALVEX_WINDOWS_PREFIX/plugins" \
        QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$out/data" wine "$1" >"$2" 2>&1
}
last_lines() { tr -d '\r' <"$1" | tail -n 15 | sed 's/^/  | /'; }
test_start=$SECONDS
for program in "$win"/tests/*.exe; do
    name=$(basename "$program" .exe)
    log=$out/$name.log
    status=0
    run_tests "$program" "$log" || status=$?
    # A program that never reached its summary did not fail a test: Wine
    # could not start or keep it. What it printed is shown, and it runs once
    # more; a test that fails fails at once.
    if [[ $status -ne 0 ]] && ! grep -aq '^\[==========\] .* ran\.' "$log"; then
        echo "$name ended with status $status before its summary; its last lines:"
        last_lines "$log"
        status=0
        run_tests "$program" "$log" || status=$?
    fi
    [[ $status -eq 0 ]] || fail "$name under Wine (status $status, see $log)"
    tr -d '\r' <"$log" >"$log.txt"
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log.txt")
    echo "$name: ${passed:-0} passed"
    sed -n 's/^\[  SKIPPED \] \([A-Za-z][^ ]*\).*/  skipped: \1/p' "$log.txt" | sort -u
    sed -n 's/^\[  FAILED  \] \([A-Za-z][^ ]*\).*/  failed: \1/p' "$log.txt" | sort -u
    [[ $status -eq 0 ]] || last_lines "$log"
done
echo "test programs under Wine: $((SECONDS - test_start)) s"

# 2. The batch tool against the Linux build's.
if [[ ! -x $linux/bin/calvex-batch || ! -x $linux/bin/calvex-write-large-building ]]; then
    # With the Linux libraries, not those that scripts/windows.sh points to.
    linux_env=(env -u PKG_CONFIG_LIBDIR -u PKG_CONFIG_PATH -u CALVEX_WINDOWS_PREFIX)
    [[ -f $linux/CMakeCache.txt ]] || "${linux_env[@]}" cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=Release >/dev/null
    "${linux_env[@]}" nice -n 10 cmake --build "$linux" -j2 --target calvex-batch calvex-write-large-building >/dev/null
fi
"$linux/bin/calvex-write-large-building" "$out/Calvex-dati-grande"
batch() { WINEPATH="$CALVEX_WINDOWS_PREFIX/bin" wine "$win/bin/calvex-batch.exe" "$@"; }
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
"$linux/bin/calvex-batch" relazione "$example" -o "$out/linux.pdf" 2>>"$out/batch.log"
"$linux/bin/calvex-batch" relazione "$example" -o "$out/linux.odt" 2>>"$out/batch.log"
batch relazione "$example" -o "$out/windows.pdf"
batch relazione "$example" -o "$out/windows.odt"
# The same pages with the same words; the spaces pdftotext puts between
# columns follow the fonts' hinting, which differs between the systems.
words() { pdftotext -layout "$1" - | tr -s ' '; }
if [[ $(pages "$out/windows.pdf") != "$(pages "$out/linux.pdf")" ]]; then
    fail "the PDF report has $(pages "$out/windows.pdf") pages on Windows, $(pages "$out/linux.pdf") on Linux"
elif ! cmp -s <(words "$out/windows.pdf") <(words "$out/linux.pdf"); then
    fail "the PDF report's text differs from the Linux build's"
else
    echo "relazione -o x.pdf: $(pages "$out/windows.pdf") pages, the same text as on Linux"
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

# The installed batch tool, with the DLLs installed beside it.
wine "$installed/calvex-batch.exe" verifica --json "$installed/examples/Calvex-dati-esempio" \
    >"$out/installed.json" || true
cmp -s "$out/installed.json" "$out/Calvex-dati-esempio.linux.json" ||
    fail "the installed calvex-batch.exe prints other JSON than the Linux build"

# The fault cases of the README's "Files" section, on the installed tool:
# a read-only archive is not replaced, and a failing write (a name under a
# file) leaves the earlier file whole.
cp examples/Calvex-dati-verificato "$out/Calvex-dati-bloccato"
chmod a-w "$out/Calvex-dati-bloccato"
status=0
wine "$installed/calvex-batch.exe" copia examples/Calvex-dati-esempio "$out/Calvex-dati-bloccato" 2>"$out/copia.err" ||
    status=$?
if [[ $status -ne 2 ]] || ! cmp -s "$out/Calvex-dati-bloccato" examples/Calvex-dati-verificato; then
    fail "a read-only archive was replaced (status $status)"
fi
cp "$out/linux.pdf" "$out/kept.pdf"
status=0
wine "$installed/calvex-batch.exe" relazione examples/Calvex-dati-esempio -o "$out/kept.pdf/x.pdf" 2>>"$out/copia.err" ||
    status=$?
[[ $status -eq 2 ]] && cmp -s "$out/kept.pdf" "$out/linux.pdf" || fail "a failing write spoiled the earlier file"

# The program as a user starts it, from its Start menu entry: the splash,
# a click, the general data window, the example opened through the program's
# own dialog, AVANTI, and the wall window with the results.
window() {
    local id
    for _ in $(seq 90); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 1
    done
    return 1
}
gone() {
    for _ in $(seq 30); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 1
    done
    return 1
}
shot() { sleep 3 && import -window root "$out/$1.png"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
try_program() {
    wine start "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Calvex\\Calvex - verifica sismica edifici in muratura.lnk" \
        >>"$out/calvex.log" 2>&1
    local splash general dialog
    splash=$(window '^Calvex$') || return 1
    shot 1-splash
    click "$splash" 260 200
    general=$(window '^Calvex: dati generali$') || return 1
    shot 2-dati-generali
    # The toolbar's first button, then the file name field of the dialog.
    click "$general" 15 34
    dialog=$(window '^Apri file$') || return 1
    shot 3-apri-file
    click "$dialog" 320 356
    xdotool type --delay 30 'C:\Program Files\Calvex\examples\Calvex-dati-esempio'
    xdotool key Return
    gone '^Apri file$' || return 1
    shot 4-archivio-aperto
    # AVANTI checks the data and leads to the wall window.
    click "$general" 513 338
    window '^Calvex: verifica sismica$' >/dev/null || return 1
    shot 5-verifica-sismica
}
try_program || fail "the installed program did not get through its windows; screenshots in $out"
wineserver --kill

# The uninstaller, silently.
wine "$installed/Uninstall.exe" /S
wineserver --wait
sleep 3
[[ ! -e "$installed/calvex.exe" ]] || fail "the uninstaller left calvex.exe"

if [[ $failures -gt 0 ]]; then
    echo "$failures checks under Wine failed" >&2
    exit 1
fi
echo "every check under Wine passed; screenshots in $out"
