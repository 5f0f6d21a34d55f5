#!/usr/bin/env bash
# The README's set-up on a fresh Debian 13 (trixie): makes a minimal root from Debian's packages
# holding only what the README asks a newcomer to install first (make, git), clones the
# committed tree into it with git and runs `make test` there, which installs the rest itself.
# KESTRO_WERROR is passed on (CI sets it). Needs root and mmdebstrap (`make debian13-test`
# installs it); the root is left in ROOT_DIR for a look, and made afresh on the next run.
# Usage: tools/debian13-test.sh [ROOT_DIR]   (default build-debian13)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/debian-root.sh
root=${1:-build-debian13}
start=$SECONDS

echo "debian13-test: making a Debian 13 root in $root"
debian_root_make "$root" trixie make,git,ca-certificates
# What is committed, as a clone from this repository would give it.
git bundle create --quiet "$root/tmp/kestro.bundle" HEAD
echo "debian13-test: root ready after $((SECONDS - start)) s; cloning and running make test"
debian_root_run "$root" KESTRO_WERROR="${KESTRO_WERROR:-OFF}" /bin/sh -ec '
  git -c init.defaultBranch=main -c advice.detachedHead=false clone --quiet /tmp/kestro.bundle \
    /root/kestro
  cd /root/kestro
  make test'
echo "debian13-test: make test passed on Debian 13 in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
