#!/bin/sh
# Removes what `cmake --install BUILD` installed: every file its install_manifest.txt lists,
# then the folders that install created (install_folders.txt, deepest first) where they are
# empty now. A folder that was there before the install, or that holds anything else, stays.
#
#   tools/uninstall.sh [BUILD]     (BUILD is build/ when not given; as root for /usr/local)
set -eu
build=${1:-build}
manifest=$build/install_manifest.txt
record=$build/install_folders.txt
if [ ! -f "$manifest" ] || [ ! -f "$record" ]; then
  echo "$0: $build holds no record of an install (install_manifest.txt, install_folders.txt): run cmake --install $build first" >&2
  exit 1
fi
xargs -r -d '\n' rm -f -- <"$manifest"
# A folder's path is longer than the paths of those above it.
awk '{ print length($0) "\t" $0 }' "$record" | sort -rn | cut -f 2- | while IFS= read -r folder; do
  if [ -d "$folder" ]; then rmdir -- "$folder" 2>/dev/null || true; fi
done
