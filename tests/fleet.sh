#!/usr/bin/env bash
# A fleet logs on. The administrator acquires a set onto a share standing in
# for \\server\NETLOGON; then eight PCs (eight Wine prefixes, each with its
# own wineserver and computer name) run the logon script of the README at
# the same moment, from that share into one new log on \\server\logs, which
# they make together. Two PCs are still on last week's set, and one of them
# has its EUDC.TTE held open by another program. Every install and every
# verify but that PC's must end with 0, the log must hold its header once
# and one whole line for each run, all with the acquire's fingerprint, and
# each PC must have the set's bytes and links. The README's PowerShell
# queries, run through python's csv reader (Wine has no PowerShell), must
# name the held PC alone, with last week's fingerprint, its first
# difference, the failed step and Windows' error. A second logon, the file
# let go, must install there, copy nothing elsewhere and say so, and verify. Then one PC's installed file is
# changed by someone else: the README's deployment commands, run from a
# local copy of the package, must detect it (13, the file named in the log),
# install the set again (0, detected) and take it back out with /remove (13,
# its own earlier file back). An untouched PC removes the set (13, having
# nothing), removes it again (0) and undoes the removal (0, detected); a PC
# that had last week's set installs it again with /undo, logged as that set.
#   fleet.sh MINAMO_EXE README HOLD_FILE_EXE
set -euo pipefail
minamo=$1 readme=$2 hold_file=$3
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
uninstall="minamo.exe /remove /s $log_switch set1"
undo="minamo.exe /undo /s $log_switch"
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

# Last week's set, installed on PC2 and PC3 before this logon. Its EUDC.INI
# names the PGothic in Japanese, where the registry gets "MS PGothic": a PC
# that has the set must still log the set's fingerprint as what it has.
set0=$server/NETLOGON/eudc/set0
mkdir -p "$set0"
for file in EUDC.TTE:5000 PGOTHIC.TTE:4000; do head -c "${file#*:}" /dev/urandom >"$set0/${file%:*}"; done
printf '[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n%s=PGOTHIC.TTE\r\n' \
    "$(iconv -f UTF-8 -t CP932 <<<'ＭＳ Ｐゴシック')" >"$set0/EUDC.INI"
for i in 2 3; do
    on_pc $i wine cmd /c '\\server\NETLOGON\eudc\minamo.exe /p /s /log:\\server\logs\lastweek.log \\server\NETLOGON\eudc\set0' \
        >/dev/null 2>&1 &
done
wait
lastweek=$(LC_ALL=C awk -F'\t' 'NR > 1 && $6 == 0 && $8 == $12 { print $8 }' "$server/logs/lastweek.log" | sort -u)
[ "$(wc -w <<<"$lastweek")" = 1 ] && [ "$(wc -l <"$server/logs/lastweek.log")" = 3 ] ||
    fail "last week's installs: not both 0 with what they have the set's fingerprint: $(cat "$server/logs/lastweek.log")"
# PC3's EUDC.TTE held open by another program for the first logon.
held=3
on_pc $held wine "$hold_file" "${data_win}EUDC.TTE" 1 >"$work/held" 2>/dev/null &
holder=$!
for _ in $(seq 600); do grep -q held "$work/held" && break; sleep 0.1; done
grep -q held "$work/held" || fail "PC$held: hold_file did not take its EUDC.TTE"
took "last week's set"

# Every PC at once; each one's exit code (its script's last command's) in
# rc.<i>: 0, or 13 for the PC given as the second argument.
logon_storm() {
    local i pids=() want
    for i in $(seq $pcs); do
        (on_pc "$i" wine cmd /c 'N:\logon.cmd' >"$work/out.$i" 2>&1 && echo 0 >"$work/rc.$i" || echo $? >"$work/rc.$i") &
        pids+=($!)
    done
    wait "${pids[@]}"
    for i in $(seq $pcs); do
        want=0
        [ "$i" != "${2:-}" ] || want=13
        [ "$(cat "$work/rc.$i")" = $want ] || fail "$1: the logon script of PC$i ended with $(cat "$work/rc.$i")"
    done
}

log=$server/logs/minamo.log
header=$'Date\tComputer\tUser\tAction\tTarget\tExitCode\tMessage\tFingerprint\tFailedStep\tErrorCode\tErrorText'
header+=$'\tPCFingerprint\tDifferences\tDifference\tDifferenceFile\tCopied\tUnchanged\tLost\tChanged\tAdded\tBackup\r'
# The lines from line `from` on: one /p and one /v of each PC, ending with
# 0 (but 2 and 13 for the PC given as the fourth argument); every line
# whole, and all with the acquire's fingerprint.
check_log() {
    local what=$1 from=$2 lines=$3 failing=${4:-} action expected
    [ "$(head -n 1 "$log")" = "$header" ] || fail "$what: the log does not start with its header"
    [ "$(grep -c '^Date' "$log")" = 1 ] || fail "$what: the log holds its header $(grep -c '^Date' "$log") times"
    [ "$(wc -l <"$log")" = "$lines" ] || fail "$what: the log has $(wc -l <"$log") lines, not $lines"
    [ "$(LC_ALL=C grep -c $'\r$' "$log")" = "$(wc -l <"$log")" ] && [ -z "$(tail -c 1 "$log" | tr -d '\n')" ] ||
        fail "$what: a log line does not end with CR LF"
    LC_ALL=C awk -F'\t' 'NF != 21 { bad = 1 } END { exit bad }' "$log" || fail "$what: a log line has not 21 fields"
    for action in /p:2 /v:13; do
        expected=$(for i in $(seq $pcs); do echo "$(name "$i") $([ "$i" = "$failing" ] && echo "${action#*:}" || echo 0)"; done)
        [ "$(LC_ALL=C awk -F'\t' -v from="$from" -v a="${action%:*}" 'NR >= from && $4 == a { print $2, $6 }' "$log" | sort)" = \
          "$(sort <<<"$expected")" ] || fail "$what: not every PC's ${action%:*} ended as it should"
    done
    fingerprints=$(LC_ALL=C awk -F'\t' 'NR > 1 { print $8 }' "$log" | sort -u)
    [ "$fingerprints" = "$acquired" ] || fail "$what: fingerprints $fingerprints, the acquire's $acquired"
}

# The README's PowerShell queries, each printed line by line with its
# number: python's csv reader stands in for Import-Csv, and a few lines for
# the cmdlets the queries use. Both parts of the README must give the same.
readme_queries() {
    PYTHONIOENCODING=cp932 python3 - "$readme" "$1" <<'PY'
import csv, fnmatch, re, sys
# Each part begins with its heading at the start of a line, the first one
# at the start of the file.
text = "\n" + open(sys.argv[1], encoding="utf-8").read()
def queries(part):
    block = re.search(r"```powershell\n(\$log = Import-Csv.*?)```", text[text.index(part):], re.S).group(1)
    code = [line.split("#")[0].rstrip() for line in block.splitlines() if not line.startswith("$log =")]
    return [q for q in " ".join(l.strip() or "\n" for l in code).split("\n") if q.strip()]
mine = queries("\n# ミナモ\n")
if mine != queries("\n# Minamo (English)\n"):
    sys.exit("the README's two parts do not give the same queries")
rows = list(csv.DictReader(open(sys.argv[2], encoding="cp932", newline=""), delimiter="\t"))
def split(text, separator):
    """text split at separator outside braces."""
    parts, depth, start = [], 0, 0
    for at, c in enumerate(text):
        depth += {"{": 1, "}": -1}.get(c, 0)
        if c == separator and depth == 0:
            parts.append(text[start:at])
            start = at + 1
    return parts + [text[start:]]
sets = {}
def column(item, expression):
    """A column of Format-Table: a property, or the set a PC has by name."""
    if m := re.fullmatch(r"@\{n='\w+'; e=\{ if \(\$_\.(\w+) -eq '(.*?)'\) \{ '(.*?)' \} "
                         r"elseif \(\$sets\.ContainsKey\(\$_\.(\w+)\)\) \{ \$sets\[\$_\.(\w+)\] \} "
                         r"else \{ '(.*?)' \} \}\}", expression):
        key, value, said, known, named, otherwise = m.groups()
        if item[key].lower() == value.lower():
            return said
        return sets.get(item[named].upper(), otherwise) if item[known].upper() in sets else otherwise
    return item[expression]
for number, query in enumerate(mine, 1):
  for statement in (s.strip() for s in split(query, ";") if s.strip()):
    items = None
    for stage in (s.strip() for s in split(statement, "|")):
        if stage == "$log":
            items = rows
        elif stage == "$sets = @{}":
            sets = {}
        elif m := re.fullmatch(r"ForEach-Object \{ \$sets\[\$_\.(\w+)\] = \$_\.(\w+) \}", stage):
            for i in items:
                sets[i[m.group(1)].upper()] = i[m.group(2)]
        elif m := re.fullmatch(r"Where-Object (\w+) -(eq|ne|like) '(.*)'", stage):
            key, op, value = m.groups()
            test = {"eq": lambda a: a.lower() == value.lower(), "ne": lambda a: a.lower() != value.lower(),
                    "like": lambda a: fnmatch.fnmatchcase(a.lower(), value.lower())}[op]
            items = [i for i in items if test(i[key])]
        elif m := re.fullmatch(r"Group-Object (.*)", stage):
            keys, groups = [k.strip() for k in m.group(1).split(",")], {}
            for i in items:
                groups.setdefault(tuple(i[k] for k in keys), []).append(i)
            items = [{"Count": str(len(g)), "Name": ", ".join(k), "Group": g} for k, g in groups.items()]
        elif stage == "ForEach-Object { $_.Group[-1] }":
            items = [i["Group"][-1] for i in items]
        elif m := re.fullmatch(r"Format-Table (.*)", stage):
            for i in items:
                print("\t".join([str(number)] + [column(i, k.strip()) for k in split(m.group(1), ",")]))
        else:
            sys.exit("a stage the fleet test cannot run: " + stage)
PY
}
# What the queries give after a logon, with the administrator's acquire in
# the log as the README has it: the PCs whose last run failed, those whose
# last install failed, how many have which set, and which set each has by
# name, the acquire's included.
check_queries() {
    local what=$1 expected=$2 got
    [ -n "$own_names" ] || return 0  # every PC has one name: the log cannot tell them apart
    cat "$log" <(tail -n +2 "$server/logs/acquire.log") >"$work/queried.log"
    expected+=$'\n'$(LC_ALL=C awk -F'\t' -v OFS='\t' 'NR == 2 { print 4, $2, $3, $5 }' "$server/logs/acquire.log")
    got=$(readme_queries "$work/queried.log" | LC_ALL=C awk -F'\t' -v OFS='\t' '$1 == 1 { $2 = "" } $1 == 2 { $2 = "" } { print }' | sort) ||
        fail "$what: the README's queries do not run"
    [ "$got" = "$(sort <<<"$expected")" ] || fail "$what: the README's queries give"$'\n'"$got"$'\n'"not"$'\n'"$expected"
}

# The fourth query's lines for the PCs: each has set1, by the folder the
# acquire logged, but the PC given (last week's set, which no logged
# acquire made).
sets_by_name() {
    local i user set
    user=$(LC_ALL=C awk -F'\t' 'NR == 2 { print $3 }' "$log")
    set=$(LC_ALL=C awk -F'\t' 'NR == 2 { print $5 }' "$server/logs/acquire.log")
    for i in $(seq $pcs); do
        printf '\n4\t%s\t%s\t%s' "$(name "$i")" "$user" "$([ "$i" = "${1:-}" ] && echo 'a set no acquire made' || echo "$set")"
    done
}

logon_storm "first logon" $held
took "first logon"
check_log "first logon" 2 $((1 + 2 * pcs)) $held
who=$(name $held)$'\t'$(LC_ALL=C awk -F'\t' 'NR == 2 { print $3 }' "$log")
check_queries "first logon" "$(printf '1\t\t%s\t/v\t13\t%s\t3\tmissing file\t%s\t\t\t\n' "$who" "$lastweek" "${data_win}EUDC.euf"
    printf '2\t\t%s\t/p\t2\t%s\treplace\t32\t%s\n' "$who" "$lastweek" "$(LC_ALL=C awk -F'\t' '$6 == 2 { print $11 }' "$log")"
    printf '3\t%s\t%s, 0\n3\t1\t%s, 13' $((pcs - 1)) "$acquired" "$lastweek"
    sets_by_name $held)"
# PC2 had last week's set: the install says what it copied and where the
# replaced files went.
LC_ALL=C awk -F'\t' -v pc="$(name 2)" '$2 == pc && $4 == "/p" { exit !($16 == 3 && $17 == 0 && $21 ~ /backup/) }' "$log" ||
    fail "first logon: PC2's install does not log 3 files copied and its backup"
for i in $(seq $pcs); do
    [ "$i" = $held ] && continue
    for file in $installed_files; do
        cmp -s "$set1/$file" "$(data "$i")/$file" || fail "PC$i: $file not installed"
    done
    links=$(on_pc "$i" wine reg query 'HKCU\EUDC\932' 2>/dev/null | tr -d '\r')
    for link in "SystemDefaultEUDCFont:EUDC.TTE" "MS PGothic:PGOTHIC.TTE"; do
        grep -qF "${link%%:*}    REG_SZ    $data_win${link##*:}" <<<"$links" || fail "PC$i: ${link%%:*} not linked"
    done
done
took "checks"

# The second logon, the file let go, installs on PC3 and copies nothing
# elsewhere: there no file of the user data folder is written, replaced or
# added (the lock comes and goes, so folders are compared by their names
# alone), and the install says that nothing changed.
WINEPREFIX=$work/pc$held wineserver -k 2>/dev/null || true
wait $holder 2>/dev/null || true
WINEPREFIX=$work/pc$held setsid wineserver -p </dev/null >/dev/null 2>&1 &
stamps() {
    for i in $(seq $pcs); do
        [ "$i" = $held ] && continue
        find "$(data "$i")" -type f -printf "PC$i %P %i %s %T@\n" -o -printf "PC$i %P/\n" | sort
    done
}
before=$(stamps)
logon_storm "second logon"
took "second logon"
check_log "second logon" $((2 + 2 * pcs)) $((1 + 4 * pcs))
[ "$(stamps)" = "$before" ] || fail "second logon: files changed: $(diff <(echo "$before") <(stamps) | grep '^[<>]' | head -5)"
unchanged=$(iconv -f UTF-8 -t CP932 <<<'変更はありません。')
[ "$(LC_ALL=C awk -F'\t' -v from=$((2 + 2 * pcs)) -v text="$unchanged" -v pc="$(name $held)" \
      'NR >= from && $4 == "/p" && ($2 == pc ? $16 == 3 && $21 != "" : $16 == 0 && $17 == 3 && index($7, text) == 1) { n++ }
       END { print n }' "$log")" = $pcs ] || fail "second logon: the installs do not log what they copied, or that nothing changed"
check_queries "second logon" "$(printf '3\t%s\t%s, 0' $pcs "$acquired"; sets_by_name)"

# PC5's EUDC.TTE overwritten by another program. The deployment system runs
# the README's commands from its local copy of the package.
i=5
deploy='C:\deploy\eudc'
for pc in 2 4 $i; do
    mkdir -p "$work/pc$pc/drive_c/deploy"
    cp -r "$server/NETLOGON/eudc" "$work/pc$pc/drive_c/deploy/"
done
head -c 6000 /dev/urandom >"$work/changed"
cp "$work/changed" "$(data $i)/EUDC.TTE"
run() { set +e; on_pc "$1" wine cmd /c "cd /d $deploy && $2" >/dev/null 2>&1; echo $?; set -e; }
[ "$(run 4 "$detect")" = 0 ] || fail "detection: an untouched PC is not detected"
[ "$(run $i "$detect")" = 13 ] || fail "detection: the changed PC did not end with 13"
# Its line, the log's last, names the file that differs, and has neither
# the set nor nothing.
pc=$(name $i) file="${data_win}EUDC.TTE" set=$acquired LC_ALL=C awk -F'\t' \
    'END { exit !($2 == ENVIRON["pc"] && $4 == "/v" && $6 == 13 && index($7, ENVIRON["file"]) &&
                  $14 == "other bytes" && $15 == ENVIRON["file"] && $12 != ENVIRON["set"] && $12 != "none") }' "$log" ||
    fail "detection: the log's last line is not PC$i's 13 naming ${data_win}EUDC.TTE: $(tail -n 1 "$log" | iconv -f CP932 -t UTF-8)"
[ "$(run $i "$install")" = 0 ] || fail "deployment: the install did not end with 0"
cmp -s "$set1/EUDC.TTE" "$(data $i)/EUDC.TTE" || fail "deployment: EUDC.TTE not installed again"
[ "$(run $i "$detect")" = 0 ] || fail "deployment: not detected after the install"
# The uninstall gives the default link its own earlier file back, and
# takes the PGothic's link and the files no link names away.
[ "$(run $i "$uninstall")" = 0 ] ||
    fail "deployment: the uninstall did not end with 0: $(tail -n 1 "$log" | iconv -f CP932 -t UTF-8)"
cmp -s "$work/changed" "$(data $i)/EUDC.TTE" || fail "deployment: the uninstall did not put the file back"
[ ! -e "$(data $i)/PGOTHIC.TTE" ] || fail "deployment: the uninstall left the set's PGOTHIC.TTE"
[ "$(run $i "$detect")" = 13 ] || fail "deployment: still detected after the uninstall"
before=$(find "$(data $i)" -maxdepth 1 -type f -printf '%P %i %s %T@\n' | sort)
[ "$(run $i "$uninstall")" = 0 ] || fail "deployment: a second uninstall did not end with 0"
[ "$(find "$(data $i)" -maxdepth 1 -type f -printf '%P %i %s %T@\n' | sort)" = "$before" ] ||
    fail "deployment: a second uninstall changed the user data folder"
# PC4 had nothing before the set: the uninstall leaves it nothing, a second
# one finds nothing to do, and /undo brings the set back.
last() { LC_ALL=C awk -F'\t' -v f="$1" 'END { print $f }' "$log"; }
[ "$(run 4 "$uninstall")" = 0 ] || fail "removal: the uninstall did not end with 0"
[ "$(run 4 "$detect")" = 13 ] && [ "$(last 12)" = none ] && [ "$(last 14)" = "missing file" ] ||
    fail "removal: the PC has $(last 12), not none"
[ "$(run 4 "$uninstall")" = 0 ] || fail "removal: a second uninstall did not end with 0"
[ "$(run 4 "$undo")" = 0 ] && [ "$(run 4 "$detect")" = 0 ] && [ "$(last 12)" = "$acquired" ] ||
    fail "removal: /undo did not bring the set back"
# PC2's undo installs last week's set again: its backup, which names the
# PGothic as the registry did and lists the faces in another order, is that
# set by its fingerprint.
[ "$(run 2 "$undo")" = 0 ] && [ "$(last 8)" = "$lastweek" ] ||
    fail "undo: PC2's line has the set $(last 8), not last week's $lastweek"
[ "$(LC_ALL=C awk -F'\t' 'NR > 1 && $4 != "/undo" { print $8 }' "$log" | sort -u)" = "$fingerprints" ] ||
    fail "deployment: the package's copy of the set has another fingerprint"
took deployment

[ $failures -eq 0 ] || exit 1
echo "fleet: passed, $pcs PCs ($(IFS=,; echo "${timings[*]}" | sed 's/,/, /g'))"
