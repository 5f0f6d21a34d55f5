#!/usr/bin/env bash
# Seeds the Wine registry with the values the settings-store table of test_sysinfo reads back,
# the system-information program the window test starts and the Steam folders it finds, and
# the share \\nas\games (run by tools/wine-ctest.sh in a fresh prefix). Every call is bounded:
# Wine can hang on a broken prefix.
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

key='HKLM\SOFTWARE\KestroTest'
reg add "$key" /v Text /t REG_SZ /d 'C:\info' /f
reg add "$key" /v Number /t REG_DWORD /d 66051 /f            # bytes 03 02 01 00
reg add "$key" /v Long /t REG_SZ /d "$(printf 'y%.0s' $(seq 1 1024))" /f  # 1025 with its zero
reg add "$key" /v Binary /t REG_BINARY /d 414200 /f
text_with_zeros 'HKEY_LOCAL_MACHINE\SOFTWARE\KestroTest' Zeros 'C:\info'
reg add "$key" /v Expand /t REG_EXPAND_SZ /d '%SystemDrive%\info' /f
# Texts are measured in UTF-8 bytes: 511 times Я (two bytes each), y and the zero make 1024
# (1026 bytes in the registry's UTF-16); 512 times Я and the zero 1025.
reg add "$key" /v Fits /t REG_SZ /d "$(printf 'Я%.0s' $(seq 1 511))y" /f
reg add "$key" /v Over /t REG_SZ /d "$(printf 'Я%.0s' $(seq 1 512))" /f

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
