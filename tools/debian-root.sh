# Sourced by the scripts that work inside a Debian root made from Debian's own packages
# (debian13-test.sh, portable-check.sh): making the root and running commands in it.
# The root is entered in mount and PID namespaces of its own: the binds of /proc, /sys and /dev
# exist only while a command runs and vanish with it on any exit, even a kill, and so does
# every process it left behind (a daemon a package started, a virtual display). The host sees
# no bind at any time, so the root can always be removed safely. Sourcing this sets the
# script's EXIT, HUP, INT and TERM traps.

# The Debian mirror this machine's apt uses (the first URI of its sources), else Debian's own.
debian_root_mirror() {
  local uri
  uri=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' \
          /etc/apt/sources.list.d/debian.sources 2>/dev/null | grep -v security | head -n 1)
  [ -n "$uri" ] || uri=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\).*/\2/p' \
                           /etc/apt/sources.list 2>/dev/null | grep -v security | head -n 1)
  echo "${uri:-http://deb.debian.org/debian}"
}

# Makes ROOT afresh: a minimal Debian SUITE (the minbase variant: essential packages and apt)
# with the packages of the comma-separated list INCLUDE. An older root there is removed first.
# Usage: debian_root_make ROOT SUITE INCLUDE
debian_root_make() {
  local root=$1 suite=$2 include=$3
  # The root's own files only: never cross into another file system.
  [ ! -e "$root" ] || rm -rf --one-file-system "$root"
  mkdir -p "$(dirname "$root")"
  mmdebstrap --quiet --variant=minbase --include="$include" "$suite" "$root" \
    "$(debian_root_mirror)"
  # Packages installed later start no services in the root.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
}

# Whatever runs in the root when the script ends, however it ends short of a kill -9, is ended
# with everything it started: unshare's --kill-child takes the whole PID namespace down with it.
_debian_root_pid=
_debian_root_stop() {
  [ -z "$_debian_root_pid" ] || kill -KILL "$_debian_root_pid" 2>/dev/null || true
}
trap _debian_root_stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs COMMAND... as root inside ROOT, with /proc, /sys and /dev, a plain environment and the
# variables NAME=VALUE given before the command. Usage: debian_root_run ROOT [NAME=VALUE...] COMMAND...
debian_root_run() {
  local root status=0
  root=$(realpath "$1")
  shift
  unshare --mount --pid --fork --kill-child --propagation private -- /bin/sh -ec '
    root=$1
    shift
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"' sh "$root" "$@" &
  _debian_root_pid=$!
  wait "$_debian_root_pid" || status=$?
  _debian_root_pid=
  return "$status"
}
