#!/bin/sh
# The platform's layers call only what they stand on: no layer calls a function (or reads a
# variable) that a layer above it, or beside it, defines. The compiler stops an include of a
# layer's headers across that line, but every layer sees the public headers, whose calls
# the layers above define; this catches such a call by the layers' own libraries. Each
# argument names a layer, its static library, and the layers it links:
#   check-layer-calls.sh LAYER=LIBRARY:LINKED,LINKED... ...
set -eu
listing=$(mktemp)
trap 'rm -f "$listing"' EXIT
for argument in "$@"; do
  layer=${argument%%=*}
  rest=${argument#*=}
  echo "layer $layer ${rest#*:}" >>"$listing"
  # Global symbols: U used and not defined there, T D B R C defined; weak ones (inline
  # functions, templates) are defined wherever they are used.
  nm -P -g "${rest%%:*}" | awk -v layer="$layer" '
    NF >= 2 && $2 == "U" { print "uses", layer, $1 }
    NF >= 2 && $2 ~ /^[TDBRC]$/ { print "defines", layer, $1 }' >>"$listing"
done

awk '
  # Whether layer `from` stands on layer `to`, directly or through others.
  function on(from, to,    other) {
    if (from == to) return 1
    if ((from, to) in known) return known[from, to]
    known[from, to] = 0
    for (other in layers)
      if ((from, other) in links && on(other, to)) return known[from, to] = 1
    return 0
  }
  $1 == "layer" {
    layers[$2] = 1
    count = split($3, linked, ",")
    for (i = 1; i <= count; i++)
      if (linked[i] != "") links[$2, linked[i]] = 1
    next
  }
  $1 == "defines" { owner[$3] = $2; next }
  $1 == "uses" { user[++uses] = $2; used[uses] = $3 }
  END {
    for (i = 1; i <= uses; i++) {
      symbol = used[i]
      if (!(symbol in owner) || on(user[i], owner[symbol])) continue
      demangle = "c++filt \"" symbol "\""
      name = symbol
      demangle | getline name
      close(demangle)
      if (!((user[i], symbol) in told))
        printf "%s calls %s, which %s defines: a layer it does not stand on\n", user[i], name, owner[symbol]
      told[user[i], symbol] = 1
      failed = 1
    }
    if (failed) exit 1
    print "layers: every call of a platform layer goes to itself or a layer it stands on"
  }' "$listing"
