#!/usr/bin/env bash
# A fleet logs on. The administrator acquires a set onto a share standing in
# for \\server\NETLOGON; then eight PCs (eight Wine prefixes, each with its
# own wineserver and computer name) run the logon script of the README at
# the same moment, from that share into one new log on \\server\logs, which
# they make together. Every install and every verify must end with 0, the
# log must hold its header once and one whole line for each run, all with
# the acquire's fingerprint, and each PC must have the set's bytes and links. A
# second logon must copy nothing and still verify. Then one PC's installed file is
# changed by someone else: the README's deployment commands, run from a
# local copy of the package, must detect it (13, the file named in the log),
# install the set again (0, detected) and take it back out with /undo (13).
# The README's PowerShell snippets are not run: Wine has no PowerShell.
#   fleet.sh MINAMO_EXE README
set -euo pipefail
minamo=$1 readme=$2
. "$(dirname "$0")/../scripts/lib.sh"
minamo_wine_env
unset WINEPREFIX
pcs=8
work=$(mktemp -d /tmp/minamo-fleet.XXXXXX)
stop() {
    local pc killers=()
    for pc in "$work"/pc*; do
        WINEPREFIX=$pc wineserver -k 2>/dev/null &
        killers+=($!)
    done
    wait "${killers[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap stop EXIT

failures=0
fail() { echo "fleet: $*" >&2; failures=$((failures + 1)); }
started=$EPOCHREALTIME
took() {
    timings+=("$(awk -v what="$1" -v s="$started" -v e="$EPOCHREALTIME" 'BEGIN { printf "%s %.1f s", what, e - s }')")
    started=$EPOCHREALTIME
}
timings=()

# Wine takes the computer name from the host name when a prefix's first
# process starts: where this machine lets a process have a host name of its
# own, each PC gets one (PC1 ... PC8), else all share this machine's.
own_names=
unshare --uts true 2>/dev/null && own_names=1 names=$(seq -f 'PC%g' $pcs)
on_pc() {
    local i=$1
    shift
    if [ -n "$own_names" ]; then
        WINEPREFIX=$work/pc$i unshare --uts sh -c 'hostname "$0" && exec "$@"' "PC$i" "$@"
    else
        WINEPREFIX=$work/pc$i "$@"
    fi
}
name() { sed -n "${1}p" <<<"$names"; }

# The server: the program on NETLOGON, a folder for the log.
server=$work/server
set1=$server/NETLOGON/eudc/set1
mkdir -p "$server/NETLOGON/eudc" "$server/logs"
cp "$minamo" "$server/NETLOGON/eudc/minamo.exe"
installed_files="EUDC.TTE EUDC.euf PGOTHIC.TTE"

# The logon script is the README's, the same in both of its parts.
recipe() {
    awk -v part="$1" '$0 == part { on = 1 } on && $0 == "```bat" { b = 1; next } b && $0 == "```" { exit } b { print }' "$readme"
}
script=$(recipe '# ミナモ')
[ -n "$script" ] && [ "$script" = "$(recipe '# Minamo (English)')" ] ||
    fail "the README's two parts do not show one logon script"
iconv -f UTF-8 -t CP932 <<<"$script" | sed 's/$/\r/' >"$server/NETLOGON/logon.cmd"
# The acquire and the deployment commands, as the README gives them in both parts.
log_switch='/log:\\server\logs\minamo.log'
acquire='\\server\NETLOGON\eudc\minamo.exe /g /s '"$log_switch"' \\server\NETLOGON\eudc\set1'
install="minamo.exe /p /s $log_switch set1"
detect="minamo.exe /v /s $log_switch set1"
uninstall="minamo.exe /undo /s $log_switch"
for command in "$acquire" "$install" "$detect" "$uninstall"; do
    [ "$(grep -cF -- "$command" "$readme")" -ge 2 ] || fail "the README does not give '$command' in both parts"
done

# One PC booted, seven copies of it. Each PC reaches the shares by their
# UNC names, and NETLOGON as drive N: too, since Wine's cmd cannot start a
# batch file by a UNC path.
WINEPREFIX=$work/pc1 wineboot -i >/dev/null 2>&1
mkdir -p "$work/pc1/dosdevices/unc/server"
ln -s "$server/NETLOGON" "$work/pc1/dosdevices/unc/server/NETLOGON"
ln -s "$server/logs" "$work/pc1/dosdevices/unc/server/logs"
ln -s "$server/NETLOGON" "$work/pc1/dosdevices/n:"
# Before it is copied, the booted PC is the administrator's, whose EUDC is
# acquired onto the share. Its line is kept apart: the PCs make the log.
admin=$work/pc1/drive_c/eudc
mkdir -p "$admin"
for file in EUDC.TTE:6000 EUDC.euf:400 PGOTHIC.TTE:5000; do head -c "${file#*:}" /dev/urandom >"$admin/${file%:*}"; done
WINEPREFIX=$work/pc1 wine reg add 'HKCU\EUDC\932' /v SystemDefaultEUDCFont /d 'C:\eudc\EUDC.TTE' /f >/dev/null
WINEPREFIX=$work/pc1 wine reg add 'HKCU\EUDC\932' /v 'MS PGothic' /d 'C:\eudc\PGOTHIC.TTE' /f >/dev/null
WINEPREFIX=$work/pc1 wine cmd /c "$acquire" >/dev/null 2>&1 || fail "the acquire ended with $?"
for file in $installed_files; do cmp -s "$admin/$file" "$set1/$file" || fail "the acquire did not copy $file"; done
WINEPREFIX=$work/pc1 wine reg delete 'HKCU\EUDC\932' /f >/dev/null
rm -rf "$admin"
mv "$server/logs/minamo.log" "$server/logs/acquire.log"
acquired=$(LC_ALL=C awk -F'\t' 'NR == 2 && $4 == "/g" && $6 == 0 { print $8 }' "$server/logs/acquire.log")
[ -n "$acquired" ] || fail "the acquire's log line has no fingerprint"
if [ -z "$own_names" ]; then
    names=$(WINEPREFIX=$work/pc1 wine cmd /c 'echo %COMPUTERNAME%' | tr -d '\r')
    names=$(for _ in $(seq $pcs); do echo "$names"; done)
fi
WINEPREFIX=$work/pc1 wineserver -k 2>/dev/null || true
WINEPREFIX=$work/pc1 wineserver -w
took "boot and acquire"
# The system folders stay shared as hard links (no run writes them); every
# other file, the registry first, is each PC's own.
system_folders="system32 syswow64 winsxs"
for i in $(seq 2 $pcs); do
    mkdir "$work/pc$i"
    tar -C "$work/pc1" $(printf -- '--exclude=./drive_c/windows/%s ' $system_folders) -cf - . | tar -C "$work/pc$i" -xf -
    for folder in $system_folders; do cp -al "$work/pc1/drive_c/windows/$folder" "$work/pc$i/drive_c/windows/"; done
done
for i in $(seq $pcs); do
    WINEPREFIX=$work/pc$i setsid wineserver -p </dev/null >/dev/null 2>&1 &
done
took copies
data_win='C:\users\'"$(ls "$work/pc1/drive_c/users" | grep -vx Public)"'\AppData\Local\minamo\'
data() { echo "$work/pc$1/drive_c/${data_win:3}" | tr '\\' /; }

# Every PC at once; each one's exit code (its script's last command's) in rc.<i>.
logon_storm() {
    local i pids=()
    for i in $(seq $pcs); do
        (on_pc "$i" wine cmd /c 'N:\logon.cmd' >"$work/out.$i" 2>&1 && echo 0 >"$work/rc.$i" || echo $? >"$work/rc.$i") &
        pids+=($!)
    done
    wait "${pids[@]}"
    for i in $(seq $pcs); do
        [ "$(cat "$work/rc.$i")" = 0 ] || fail "$1: the logon script of PC$i ended with $(cat "$work/rc.$i")"
    done
}

log=$server/logs/minamo.log
header=$'Date\tComputer\tUser\tAction\tTarget\tExitCode\tMessage\tFingerprint\tFailedStep\tErrorCode\tErrorText\r'
# The lines from line `from` on: one /p and one /v of each PC, ending with
# 0; every line whole, and all with the acquire's fingerprint.
check_log() {
    local what=$1 from=$2 lines=$3 action
    [ "$(head -n 1 "$log")" = "$header" ] || fail "$what: the log does not start with its header"
    [ "$(grep -c '^Date' "$log")" = 1 ] || fail "$what: the log holds its header $(grep -c '^Date' "$log") times"
    [ "$(wc -l <"$log")" = "$lines" ] || fail "$what: the log has $(wc -l <"$log") lines, not $lines"
    [ "$(LC_ALL=C grep -c $'\r$' "$log")" = "$(wc -l <"$log")" ] && [ -z "$(tail -c 1 "$log" | tr -d '\n')" ] ||
        fail "$what: a log line does not end with CR LF"
    LC_ALL=C awk -F'\t' 'NF != 11 { bad = 1 } END { exit bad }' "$log" || fail "$what: a log line has not 11 fields"
    for action in /p /v; do
        [ "$(LC_ALL=C awk -F'\t' -v from="$from" -v a=$action 'NR >= from && $4 == a { print $2, $6 }' "$log" | sort)" = \
          "$(sed 's/$/ 0/' <<<"$names" | sort)" ] || fail "$what: not every PC's $action ended with 0"
    done
    fingerprints=$(LC_ALL=C awk -F'\t' 'NR > 1 { print $8 }' "$log" | sort -u)
    [ "$fingerprints" = "$acquired" ] || fail "$what: fingerprints $fingerprints, the acquire's $acquired"
}

logon_storm "first logon"
took "first logon"
check_log "first logon" 2 $((1 + 2 * pcs))
for i in $(seq $pcs); do
    for file in $installed_files; do
        cmp -s "$set1/$file" "$(data "$i")/$file" || fail "PC$i: $file not installed"
    done
    links=$(on_pc "$i" wine reg query 'HKCU\EUDC\932' 2>/dev/null | tr -d '\r')
    for link in "SystemDefaultEUDCFont:EUDC.TTE" "MS PGothic:PGOTHIC.TTE"; do
        grep -qF "${link%%:*}    REG_SZ    $data_win${link##*:}" <<<"$links" || fail "PC$i: ${link%%:*} not linked"
    done
done
took "checks"

# The second logon copies nothing: no file of the user data folder is
# written, replaced or added (the lock comes and goes, so folders are
# compared by their names alone).
stamps() {
    for i in $(seq $pcs); do
        find "$(data "$i")" -type f -printf "PC$i %P %i %s %T@\n" -o -printf "PC$i %P/\n" | sort
    done
}
before=$(stamps)
logon_storm "second logon"
took "second logon"
check_log "second logon" $((2 + 2 * pcs)) $((1 + 4 * pcs))
[ "$(stamps)" = "$before" ] || fail "second logon: files changed: $(diff <(echo "$before") <(stamps) | grep '^[<>]' | head -5)"

# PC5's EUDC.TTE overwritten by another program. The deployment system runs
# the README's commands from its local copy of the package.
i=5
deploy='C:\deploy\eudc'
for pc in 4 $i; do
    mkdir -p "$work/pc$pc/drive_c/deploy"
    cp -r "$server/NETLOGON/eudc" "$work/pc$pc/drive_c/deploy/"
done
head -c 6000 /dev/urandom >"$work/changed"
cp "$work/changed" "$(data $i)/EUDC.TTE"
run() { set +e; on_pc "$1" wine cmd /c "cd /d $deploy && $2" >/dev/null 2>&1; echo $?; set -e; }
[ "$(run 4 "$detect")" = 0 ] || fail "detection: an untouched PC is not detected"
[ "$(run $i "$detect")" = 13 ] || fail "detection: the changed PC did not end with 13"
# Its line, the log's last, names the file that differs.
pc=$(name $i) file="${data_win}EUDC.TTE" LC_ALL=C awk -F'\t' \
    'END { exit !($2 == ENVIRON["pc"] && $4 == "/v" && $6 == 13 && index($7, ENVIRON["file"])) }' "$log" ||
    fail "detection: the log's last line is not PC$i's 13 naming ${data_win}EUDC.TTE: $(tail -n 1 "$log" | iconv -f CP932 -t UTF-8)"
[ "$(run $i "$install")" = 0 ] || fail "deployment: the install did not end with 0"
cmp -s "$set1/EUDC.TTE" "$(data $i)/EUDC.TTE" || fail "deployment: EUDC.TTE not installed again"
[ "$(run $i "$detect")" = 0 ] || fail "deployment: not detected after the install"
[ "$(run $i "$uninstall")" = 0 ] || fail "deployment: the uninstall did not end with 0"
cmp -s "$work/changed" "$(data $i)/EUDC.TTE" || fail "deployment: the uninstall did not put the file back"
[ "$(run $i "$detect")" = 13 ] || fail "deployment: still detected after the uninstall"
[ "$(LC_ALL=C awk -F'\t' 'NR > 1 && $4 != "/undo" { print $8 }' "$log" | sort -u)" = "$fingerprints" ] ||
    fail "deployment: the package's copy of the set has another fingerprint"
took deployment

[ $failures -eq 0 ] || exit 1
echo "fleet: passed, $pcs PCs ($(IFS=,; echo "${timings[*]}" | sed 's/,/, /g'))"
