# Sourced by the scripts that run Windows programs: wine_prefix_start makes a fresh Wine prefix
# in a scratch folder and a running, warmed-up wine server; both go when the script exits.
# Every Wine call is bounded: Wine can hang on a broken prefix.
wine_prefix_start() {
    wine_scratch=$(mktemp -d)
    export WINEPREFIX="$wine_scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    trap 'timeout 30 wineserver -k 2>/dev/null || true; rm -rf "$wine_scratch"' EXIT
    timeout 180 wineboot -i >/dev/null 2>&1
    # A persistent server, warmed up: otherwise CTest can wait forever on Wine's pipes.
    timeout 3600 wineserver -p &
    timeout 60 wine cmd /c exit >/dev/null 2>&1
}
