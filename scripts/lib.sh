# Shared set-up for scripts/run and scripts/test: packages, locale, build,
# and a Wine prefix with a Japanese locale (ANSI code page 932).
# Sourced, not run.

MINAMO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The program that ships is 32-bit (i686), built and tested as such;
# MINAMO_ARCH=x86_64 builds the 64-bit one into build-x86_64 instead.
MINAMO_ARCH=${MINAMO_ARCH:-i686}
if [ "$MINAMO_ARCH" = i686 ]; then
    MINAMO_BUILD=${MINAMO_BUILD:-$MINAMO_ROOT/build}
else
    MINAMO_BUILD=${MINAMO_BUILD:-$MINAMO_ROOT/build-$MINAMO_ARCH}
fi
MINAMO_BUILD_X86_64=${MINAMO_BUILD_X86_64:-$MINAMO_ROOT/build-x86_64}
# The units without a Windows call, built natively with sanitizers (tests/native).
MINAMO_BUILD_NATIVE=${MINAMO_BUILD_NATIVE:-$MINAMO_ROOT/build-native}

# The package names are Debian 12's (bookworm). What building and running
# minamo.exe needs (scripts/run): both architectures need the -posix and the
# -win32 compilers (see cmake/mingw-w64-common.cmake).
MINAMO_RUN_PACKAGES="cmake make mingw-w64 g++-mingw-w64-x86-64 gcc-mingw-w64-x86-64 \
binutils-mingw-w64-x86-64 g++-mingw-w64-i686 gcc-mingw-w64-i686 binutils-mingw-w64-i686 \
wine wine64 wine32:i386 xvfb xauth x11-utils imagemagick \
fonts-ipafont-gothic fonts-ipafont-mincho fonts-wine unicode-data locales \
libxrender1 libxi6 libxcursor1 libxinerama1 libxrandr2 libxcomposite1 libxfixes3 libxxf86vm1 libgnutls30"
# What the tests need besides (scripts/test and the other scripts).
MINAMO_TEST_PACKAGES="xdotool googletest python3-fonttools zip unzip \
clang libclang-rt-14-dev clang-tidy fonts-dejavu-core fonts-font-awesome \
fonts-ipamj-mincho fonts-hanazono"
MINAMO_PACKAGES="$MINAMO_RUN_PACKAGES $MINAMO_TEST_PACKAGES"
# The families /map's figures are measured on, kept apart from those its
# marks were set on (scripts/bench only).
MINAMO_BENCH_PACKAGES="fonts-motoya-l-cedar fonts-motoya-l-maruberi fonts-sawarabi-gothic \
fonts-vlgothic fonts-seto fonts-kouzan-mouhitsu"
# (The X libraries are only recommended by Wine, and recommendations are not
# installed here; without them Wine's display driver does not load.
# imagemagick takes the picture of an invisible screen that scripts/run
# tells of. clang's sanitizer and libFuzzer libraries are in
# libclang-rt-14-dev; clang-tidy runs in the test static_analysis; the
# DejaVu and Font Awesome fonts are fonts nobody here made, for the font
# reader's tests; IPAmj Mincho is the shape index's reference font, Hanazono
# Mincho one its figures are measured on.)

minamo_say() { printf '[minamo] %s\n' "$*" >&2; }

# minamo_install_packages [packages]: installs those of the packages (all
# of them by default) that are missing, as root, through sudo when not
# root; apt's progress shows, since a first install takes minutes.
minamo_install_packages() {
    local missing=() p
    for p in ${1:-$MINAMO_PACKAGES}; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    minamo_say "installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            minamo_say "these packages are missing, and installing them needs root: as root, run"
            dpkg --print-foreign-architectures | grep -qx i386 || minamo_say "  dpkg --add-architecture i386"
            minamo_say "  apt-get update && apt-get install --no-install-recommends ${missing[*]}"
            minamo_say "then run $(basename "$0") again."
            return 1
        fi
        sudo=(sudo)
    fi
    # Wine runs 32-bit programs with its 32-bit part (wine32), which Debian
    # ships for the i386 architecture only.
    dpkg --print-foreign-architectures | grep -qx i386 || "${sudo[@]}" dpkg --add-architecture i386
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
}

# Wine takes its ANSI code page from the glibc locale; a system without a
# compiled ja_JP.UTF-8 gets one generated into the build folder.
minamo_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        local dir=$MINAMO_BUILD/locale
        if [ ! -d "$dir/ja_JP.UTF-8" ]; then
            mkdir -p "$dir"
            localedef -i ja_JP -f UTF-8 "$dir/ja_JP.UTF-8" 2>/dev/null || true
        fi
        export LOCPATH=$dir
    fi
    export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 2>/dev/null
}

# Configures a build folder for a toolchain; a folder configured for
# another one (the 64-bit build of older checkouts) starts afresh, since
# CMake keeps the compilers it found first.
minamo_configure() {
    local dir=$1 arch=$2
    shift 2
    local toolchain=$MINAMO_ROOT/cmake/mingw-w64-$arch.cmake
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -qx "CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain" "$dir/CMakeCache.txt"; then
        rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
    fi
    cmake -S "$MINAMO_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" "$@" >/dev/null
}

# minamo_build [build type [target...]]: everything, or only the targets
# named (and what they need).
minamo_build() {
    minamo_configure "$MINAMO_BUILD" "$MINAMO_ARCH" -DCMAKE_BUILD_TYPE="${1:-Release}" \
        -DMINAMO_NATIVE_BUILD="$MINAMO_BUILD_NATIVE"
    local targets=()
    [ $# -gt 1 ] && targets=(--target "${@:2}")
    cmake --build "$MINAMO_BUILD" -j"$(nproc)" "${targets[@]}"
}

# The 64-bit program alone, so that it keeps compiling; it is not tested.
# Built as a unity build (a few files a compile): a third of the time.
minamo_build_x86_64() {
    minamo_configure "$MINAMO_BUILD_X86_64" x86_64 -DCMAKE_BUILD_TYPE=Release \
        -DMINAMO_TESTS=OFF -DMINAMO_PACKAGE=OFF -DCMAKE_UNITY_BUILD=ON
    cmake --build "$MINAMO_BUILD_X86_64" -j"$(nproc)" --target minamo
}

# The units without a Windows call, for Linux with clang, the sanitizers and
# libFuzzer: native_tests and font_fuzzer, which the main build's CTest runs
# by path when they are there (build them before minamo_build configures).
minamo_build_native() {
    cmake -S "$MINAMO_ROOT/tests/native" -B "$MINAMO_BUILD_NATIVE" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
    cmake --build "$MINAMO_BUILD_NATIVE" -j"$(nproc)"
}

minamo_wine_env() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
    minamo_locale
}

# A fresh prefix in a temporary folder, with a persistent wineserver started
# apart from the caller's pipes so that CTest does not wait on it.
minamo_fresh_prefix() {
    minamo_wine_env
    MINAMO_FRESH_PREFIX=$(mktemp -d /tmp/minamo-wine.XXXXXX)
    export WINEPREFIX=$MINAMO_FRESH_PREFIX
    wineboot -i >/dev/null 2>&1
    minamo_start_server
    # No window manager runs under Xvfb, and Wine waits two seconds for one
    # each time it hides a managed window: let it manage none.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # A program that crashes, or whose run-time checks trap (the tests':
    # cmake/checked_tests.cmake), ends at once with a backtrace on stderr
    # instead of waiting in Wine's crash dialog until the test times out.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# The faces the windows ask for, mapped onto the IPA fonts as they stand in
# for them on a Japanese Windows (a UTF-16 .reg: the value names are
# Japanese), so that tests and pictures measure the same widths.
minamo_map_faces() {
    local reg=$WINEPREFIX/drive_c/faces.reg
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
        '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
        '"MS UI Gothic"="IPAPGothic"' \
        '"ＭＳ Ｐゴシック"="IPAPGothic"' \
        '"MS PGothic"="IPAPGothic"' \
        '"ＭＳ ゴシック"="IPAGothic"' \
        '"MS Gothic"="IPAGothic"' \
        '"ＭＳ 明朝"="IPAMincho"' |
        iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S 'C:\faces.reg'
}

minamo_start_server() {
    setsid wineserver -p </dev/null >/dev/null 2>&1 &
    sleep 0.2
}

# Stops and removes the prefix minamo_fresh_prefix made, and none when it
# made none: a clean-up set before the start never touches a prefix of the
# caller's.
minamo_stop_prefix() {
    [ -n "${MINAMO_FRESH_PREFIX:-}" ] || return 0
    WINEPREFIX=$MINAMO_FRESH_PREFIX wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX=$MINAMO_FRESH_PREFIX wineserver -w >/dev/null 2>&1 || true
    rm -rf "$MINAMO_FRESH_PREFIX"
}

# Window mode needs a display; Xvfb stands in when there is none.
# Xvfb takes a display number no other server holds and says which: with a
# number drawn at random, two test runs on one machine could share a
# display, and the windows of one would take the focus from the other's.
minamo_display() {
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1 && return 0
    local number
    number=$(mktemp /tmp/minamo-display.XXXXXX)
    Xvfb -displayfd 3 -screen 0 2560x1600x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    MINAMO_XVFB=$!
    for _ in $(seq 50); do [ -s "$number" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n 1 "$number")"
    rm -f "$number"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    minamo_say "Xvfb did not start"
    return 1
}

# Waits for Xvfb to end, so that nothing of the run outlives it.
minamo_stop_display() {
    [ -n "${MINAMO_XVFB:-}" ] || return 0
    kill "$MINAMO_XVFB" 2>/dev/null || true
    wait "$MINAMO_XVFB" 2>/dev/null || true
}
