#!/usr/bin/env bash
# Checks that the texts which state the version by hand (the README, the docs, the manual page,
# the Makefile and the scripts' expectations, the newest entry of the Debian changelog) state
# the one CMake makes from project(VERSION ...): the version as the program shows it (after
# "kestro " in `kestro --version`, "kestro-" in the zip's name) and the main window's title.
# CTest runs it with both, as cmake/KestroProduct.cmake makes them.
# Usage: tools/version-check.sh VERSION TITLE
set -euo pipefail
cd "$(dirname "$0")/.."
version=$1 title=$2
status=0
# Prints each version a file states after the program's name or as a version block value.
stated() { grep -oE '[Kk]estro[-_ (]+[0-9]+\.[0-9]+|Version", "[0-9.]+' "$@" | grep -oE '[0-9.]+$'; }
check() {  # what, expected, the texts found
    local what=$1 expected=$2 found
    shift 2
    for found in "$@"; do
        [ "$found" = "$expected" ] || { echo "version-check: $what states $found, not $expected" >&2; status=1; }
    done
}
for file in README.md docs/*.md resources/kestro.1 Makefile tools/*.sh; do
    mapfile -t versions < <(stated "$file" || true)
    check "$file" "$version" "${versions[@]}"
    mapfile -t titles < <(grep -oE 'Kestro v[0-9.]+[0-9]' "$file" || true)
    check "$file" "$title" "${titles[@]}"
done
# The places every release names; a changed wording here must not pass unseen.
for file in README.md resources/kestro.1; do
    stated "$file" >/dev/null || { echo "version-check: $file states no version" >&2; status=1; }
done
check "the changelog's newest entry" "$version" "$(head -n 1 resources/debian/changelog | stated)"
exit $status
