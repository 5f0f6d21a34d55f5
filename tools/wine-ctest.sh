#!/usr/bin/env bash
# Runs the cross-built core tests under Wine in a fresh prefix.
# Usage: tools/wine-ctest.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() { timeout 30 wineserver -k 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT

timeout 180 wineboot -i >/dev/null 2>&1
# A persistent server, warmed up: otherwise CTest can wait forever on Wine's pipes.
wineserver -p &
timeout 60 wine cmd /c exit >/dev/null 2>&1

# Registry values that the settings-store tests read back.
seed=tests/windows/seed-registry.sh
if [ -x "$seed" ]; then timeout 120 "$seed"; fi

cd "$build"
ctest --output-on-failure
