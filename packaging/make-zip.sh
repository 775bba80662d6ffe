#!/usr/bin/env bash
# Packs the release zip (the build runs it; see package.cmake):
#   make-zip.sh MINAMO_EXE SOURCE_ROOT ZIP
# The zip holds one folder named after it, with minamo.exe, README.txt and
# EUDC.INI beside the program, where its [MINAMO] settings are read at
# start-up: the sample switches nothing on.
set -euo pipefail
exe=$1 root=$2 zip=$3
out=$(dirname "$zip")
name=$(basename "$zip" .zip)
rm -rf "${out:?}/$name" "$zip"
mkdir -p "$out/$name"
cp "$exe" "$out/$name/minamo.exe"
python3 "$root/packaging/readme-text.py" "$root/README.md" >"$out/$name/README.txt"
sed 's/\r*$/\r/' "$root/packaging/EUDC.INI" >"$out/$name/EUDC.INI"
# Fixed times and no extra attributes: the same files give the same zip.
touch -d '2000-01-01 00:00:00' "$out/$name" "$out/$name"/*
(cd "$out" && zip -q -X -r "$name.zip" "$name")
