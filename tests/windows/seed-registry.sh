#!/usr/bin/env bash
# Seeds the Wine registry with the system-information program the window test starts and the
# Steam folders it finds, and the share \\nas\games (run by tools/wine-ctest.sh in a fresh
# prefix). Every call is bounded: Wine can hang on a broken prefix.
set -euo pipefail
# Wine reads the arguments in the locale's character set: UTF-8, for the texts in other scripts.
export LC_ALL=C.UTF-8
reg() { timeout 60 wine reg "$@" >/dev/null; }

# A text value followed by zeros after its end, which `reg add` cannot write: its data (UTF-16
# and three zero characters) imported from a .reg file.
text_with_zeros() {  # KEY VALUE TEXT
    local hex file='kestro-seed.reg'
    hex=$({ printf '%s' "$3" | iconv -f UTF-8 -t UTF-16LE; printf '\0\0\0\0\0\0'; } |
          od -An -v -tx1 | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
    { printf '\xff\xfe'
      printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n"%s"=hex(1):%s\r\n' \
          "$1" "$2" "$hex" | iconv -f UTF-8 -t UTF-16LE; } >"$WINEPREFIX/drive_c/$file"
    reg import "C:\\$file"
    rm "$WINEPREFIX/drive_c/$file"
}

# Where the system-information program is recorded.
reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO' /v PATH /t REG_SZ \
    /d 'C:\kestro-test\sysinfo.exe' /f
reg add 'HKLM\SOFTWARE\Microsoft\Shared Tools Location' /v MSINFO /t REG_SZ \
    /d 'C:\kestro-test\msinfo' /f

# Steam and the retail game as the game search reads them, in other scripts: the game's own
# record names a folder without the game; Steam's folder, named through %SystemDrive%, holds the
# game and lists more libraries; the retail folder has an accent and zeros after its end.
reg add 'HKCU\Software\Valve\Steam' /v SteamPath /t REG_EXPAND_SZ /d '%SystemDrive%\Игры\Steam' /f
reg add 'HKCU\Software\Valve\Steam' /v ModInstallPath /t REG_SZ /d 'C:\Игры\Steam\no-game' /f
text_with_zeros 'HKEY_LOCAL_MACHINE\SOFTWARE\Valve\Half-Life' InstallPath 'C:\Jeux é\Half-Life'

# The share \\nas\games, as Wine reaches it: a link to C:\kestro-nas, which the window test fills.
mkdir -p "$WINEPREFIX/dosdevices/unc/nas"
ln -sfn "$WINEPREFIX/drive_c/kestro-nas" "$WINEPREFIX/dosdevices/unc/nas/games"
