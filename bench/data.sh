# The benchmark's machine: 30 fake EUDC font files of about 2 MB, a face
# installed for each link, the link table as a .reg file, and the batch
# files of the administrators' procedures and of the resets.
# Sourced by scripts/bench after the prefix is up; everything lives in
# C:\bench of that prefix.

BENCH_LINKS=30
BENCH_FACES=$((BENCH_LINKS - 2))  # besides SystemDefaultEUDCFont and MS PGothic

bench_root() { echo "$WINEPREFIX/drive_c/bench"; }

# Link name and file name of link i (1-based), one "name|file" line each.
bench_links() {
    echo "SystemDefaultEUDCFont|EUDC.TTE"
    echo "MS PGothic|PGOTHIC.TTE"
    local i
    for i in $(seq 1 "$BENCH_FACES"); do
        printf 'MinamoBench%02d|BENCH%02d.TTE\n' "$i" "$i"
    done
}

# Faces are installed the way a font installer does it: the file in
# C:\windows\Fonts and its name under the Fonts key.
bench_install_faces() {
    local fonts=$WINEPREFIX/drive_c/windows/Fonts i reg=$1/faces.reg
    /usr/bin/python3 "$MINAMO_ROOT/scripts/make-faces.py" "$fonts" "$BENCH_FACES"
    printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]\r\n' >"$reg"
    for i in $(seq 1 "$BENCH_FACES"); do
        printf '"MinamoBench%02d (TrueType)"="BENCH%02d.TTF"\r\n' "$i" "$i" >>"$reg"
    done
    wine reg import 'C:\bench\faces.reg' >/dev/null 2>&1
}

# Random bytes: they need not be fonts, only files of a font's size.
bench_make_eudc_files() {
    local src=$1/src name file
    mkdir -p "$src"
    while IFS='|' read -r name file; do
        head -c $((2 * 1024 * 1024 + RANDOM)) /dev/urandom >"$src/$file"
    done < <(bench_links)
}

# The link table of the acquiring machine, for `reg import`.
bench_write_link_reg() {
    local out=$1/links.reg name file
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\EUDC\\932]\r\n' >"$out"
    while IFS='|' read -r name file; do
        printf '"%s"="C:\\\\bench\\\\src\\\\%s"\r\n' "$name" "$file" >>"$out"
    done < <(bench_links)
}

# The user data folder the install fills, as this prefix's Windows spells it.
bench_user_folder() {
    local local_app
    local_app=$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')
    printf '%s\\minamo' "$local_app"
}

# What an administrator who knows the craft writes: one cmd that copies the
# files and imports the links from a .reg file prepared once for all PCs.
bench_write_craft_install() {
    local out=$1/craft-install.bat reg=$1/install.reg name file dest
    dest=$(bench_user_folder)
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\EUDC\\932]\r\n' >"$reg"
    while IFS='|' read -r name file; do
        printf '"%s"="%s"\r\n' "$name" "${dest//\\/\\\\}\\\\$file" >>"$reg"
    done < <(bench_links)
    {
        printf '@echo off\r\n'
        printf 'if not exist "%%LOCALAPPDATA%%\\minamo" mkdir "%%LOCALAPPDATA%%\\minamo"\r\n'
        printf 'copy /y C:\\bench\\stick\\set\\*.TTE "%%LOCALAPPDATA%%\\minamo\\" >nul\r\n'
        printf 'reg import C:\\bench\\install.reg >nul 2>&1\r\n'
    } >"$out"
}

# What an administrator scripts without it: copy the files, one reg add a link.
bench_write_manual_install() {
    local out=$1/manual-install.bat name file dest='%LOCALAPPDATA%\minamo'
    {
        printf '@echo off\r\n'
        printf 'if not exist "%s" mkdir "%s"\r\n' "$dest" "$dest"
        printf 'copy /y C:\\bench\\stick\\set\\*.TTE "%s\\" >nul\r\n' "$dest"
        while IFS='|' read -r name file; do
            printf 'reg add HKCU\\EUDC\\932 /v "%s" /d "%s\\%s" /f >nul\r\n' "$name" "$dest" "$file"
        done < <(bench_links)
    } >"$out"
}

bench_write_resets() {
    printf '@echo off\r\nreg delete HKCU\\EUDC\\932 /f >nul 2>&1\r\nif exist "%%LOCALAPPDATA%%\\minamo" rmdir /s /q "%%LOCALAPPDATA%%\\minamo"\r\nexit /b 0\r\n' \
        >"$1/reset-install.bat"
    printf '@echo off\r\nreg delete HKCU\\EUDC\\932 /f >nul 2>&1\r\nreg import C:\\bench\\links.reg >nul 2>&1\r\nif exist C:\\bench\\stick\\set rmdir /s /q C:\\bench\\stick\\set\r\nexit /b 0\r\n' \
        >"$1/reset-acquire.bat"
}

# A set that links the two standard faces alone, as most sets do, beside
# the acquired one and with the same two files: installing it once the set
# is installed copies nothing.
bench_make_standard_set() {
    local set std
    set=$(bench_root)/stick/set
    std=$(bench_root)/stick/std
    mkdir -p "$std"
    cp -p "$set/EUDC.TTE" "$set/PGOTHIC.TTE" "$std/"
    printf '[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=PGOTHIC.TTE\r\n' \
        >"$std/EUDC.INI"
}

# Figure 6's fonts: a set of two fonts of 6,400 characters under the
# standard links' file names (stick\chars), the two fonts of the same names
# it replaces (chars\fonts: 200 characters of each are drawn otherwise than
# in the incoming one), and files of the same names and sizes that are no
# fonts (chars\bytes). Four fonts of four variants: no two are alike.
bench_make_character_fonts() {
    local root=$1 file variant=0 make=$MINAMO_ROOT/scripts/make-test-font.py
    mkdir -p "$root/stick/chars" "$root/chars/fonts" "$root/chars/bytes"
    for file in EUDC.TTE PGOTHIC.TTE; do
        /usr/bin/python3 "$make" "$root/chars/fonts/$file" --pattern --variant $((variant + 1)) --family "Installed$variant"
        /usr/bin/python3 "$make" "$root/stick/chars/$file" --pattern --variant $((variant + 3)) --family "Incoming$variant"
        head -c "$(stat -c %s "$root/chars/fonts/$file")" /dev/urandom >"$root/chars/bytes/$file"
        variant=$((variant + 1))
    done
    # Installed copies older than the set's, whatever their sizes.
    touch -d '2026-01-01 12:00' "$root"/chars/fonts/*.TTE "$root"/chars/bytes/*.TTE
    printf '[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=PGOTHIC.TTE\r\n' \
        >"$root/stick/chars/EUDC.INI"
    # Puts the fonts (%1 fonts) or the other bytes (%1 bytes) where the
    # set's install replaces them, without the backup an install before made.
    printf '@echo off\r\nif not exist "%%LOCALAPPDATA%%\\minamo" mkdir "%%LOCALAPPDATA%%\\minamo"\r\nif exist "%%LOCALAPPDATA%%\\minamo\\backup" rmdir /s /q "%%LOCALAPPDATA%%\\minamo\\backup"\r\ncopy /y C:\\bench\\chars\\%%1\\*.TTE "%%LOCALAPPDATA%%\\minamo\\" >nul\r\nexit /b 0\r\n' \
        >"$root/reset-replaced.bat"
}

# Programs into C:\bench, so that each side starts from the same drive.
# BENCH_MINAMO names another minamo.exe to measure (an older build, say).
bench_copy_programs() {
    mkdir -p "$1/stick"
    cp "${BENCH_MINAMO:-$MINAMO_BUILD/minamo.exe}" "$1/stick/minamo.exe"
    cp "$MINAMO_BUILD"/bench/{empty_app,bare_app,shell_copy_app,bench_driver,code_table_bench,font_compare_bench,read_files_app,convert_bare_app}.exe "$1/"
}

bench_prepare() {
    local root
    root=$(bench_root)
    mkdir -p "$root"
    bench_copy_programs "$root"
    bench_install_faces "$root"
    bench_make_eudc_files "$root"
    bench_write_link_reg "$root"
    bench_write_manual_install "$root"
    bench_write_craft_install "$root"
    bench_write_resets "$root"
    bench_make_character_fonts "$root"
}
