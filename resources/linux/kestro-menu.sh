#!/bin/sh
# Adds Kestro to your application menu, or takes it out again: a menu entry that starts the
# kestro beside this script, and its icon, under ~/.local/share (or $XDG_DATA_HOME). Nothing
# else is written. Move the folder? Run "add" again from its new place.
# Usage: ./kestro-menu.sh add | remove
set -eu
id=org.example.kestro
here=$(cd "$(dirname "$0")" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
entry=$data/applications/$id.desktop
icon=$data/icons/hicolor/64x64/apps/$id.png

case ${1:-} in
  add)
    case $here in *'
'*) echo "kestro-menu: the folder's path holds a line break; move the folder" >&2; exit 1 ;; esac
    # The program's path as one quoted argument of Exec: \ " ` $ escaped for the quotes, every
    # \ then doubled for the entry's string rules, and % doubled for its field codes.
    program=$(printf '%s\n' "$here/kestro" |
              sed -e 's/[\\"`$]/\\&/g' -e 's/\\/\\\\/g' -e 's/%/%%/g')
    mkdir -p "$(dirname "$entry")" "$(dirname "$icon")"
    cp "$here/share/icons/hicolor/64x64/apps/$id.png" "$icon"
    while IFS= read -r line; do
      case $line in
        Exec=*) printf 'Exec="%s"\n' "$program" ;;
        *) printf '%s\n' "$line" ;;
      esac
    done <"$here/share/applications/$id.desktop" >"$entry.new"
    mv "$entry.new" "$entry"
    printf 'Kestro is in your application menu: %s\n' "$entry"
    ;;
  remove)
    rm -f "$entry" "$icon"
    echo "Kestro is no longer in your application menu."
    ;;
  *)
    printf 'Usage: %s add | remove\n' "$0" >&2
    exit 2
    ;;
esac
