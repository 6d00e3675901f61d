#!/bin/sh
# The program's libraries call only what they stand on: no library calls a function (or
# reads a variable) that a library above it, or beside it, defines, and inside a library no
# two files call each other, directly or around a circle. The compiler stops an
# include across that line, but some headers declare calls that others define: the
# platform's public headers, which every layer sees, and the game's outward calls, which
# view/, sound/, settings/, app/ and the platform define. This catches such a call by the
# libraries' own symbols. Each argument names a library, its static library file (none for
# a name that only groups others), the libraries it stands on, and for the game the header
# of the outward calls it may make wherever they are defined:
#   check-layer-calls.sh NAME=FILE:LINKED,LINKED...[:HEADER] ...
set -eu
listing=$(mktemp)
trap 'rm -f "$listing"' EXIT
for argument in "$@"; do
  name=${argument%%=*}
  rest=${argument#*=}
  file=${rest%%:*}
  rest=${rest#*:}
  linked=${rest%%:*}
  echo "library $name $linked" >>"$listing"
  if [ "$rest" != "$linked" ]; then
    header=${rest#*:}
    echo "header $name $(basename "$(dirname "$header")")/$(basename "$header")" >>"$listing"
    # The header holds one declaration a line, some inside a namespace: each one's name.
    awk -v name="$name" '
      { sub(/\/\/.*/, "") }
      /^[ \t]*namespace[ \t]+[A-Za-z_][A-Za-z_0-9]*[ \t]*\{/ {
        scope_name = $0
        sub(/^[ \t]*namespace[ \t]+/, "", scope_name)
        sub(/[ \t]*\{.*/, "", scope_name)
        scope = scope scope_name "::"
        next
      }
      /^[ \t]*\}/ { sub(/[A-Za-z_0-9]+::$/, "", scope); next }
      /;/ && !/^[ \t]*#/ {
        declaration = $0
        if (index(declaration, "(")) declaration = substr(declaration, 1, index(declaration, "(") - 1)
        else sub(/[ \t]*(\[[^]]*\])?[ \t]*(=.*)?;.*/, "", declaration)
        if (match(declaration, /[A-Za-z_][A-Za-z_0-9]*[ \t]*$/)) {
          declared = substr(declaration, RSTART, RLENGTH)
          gsub(/[ \t]/, "", declared)
          print "declares", name, scope declared
        }
      }' "$header" >>"$listing"
  fi
  [ -n "$file" ] || continue
  [ -f "$file" ] || { echo "$name: no library at $file"; exit 1; }
  # Global symbols, each with the archive member (the source file) it is in: U used and not
  # defined there, T D B R C defined; weak ones (inline functions, templates) are defined
  # wherever they are used.
  nm -P -g "$file" | awk -v name="$name" '
    /\[.*\]:$/ { member = $0; sub(/.*\[/, "", member); sub(/(\.o)?\]:$/, "", member); next }
    NF >= 2 && $2 == "U" { print "uses", name, $1, member }
    NF >= 2 && $2 ~ /^[TDBRC]$/ { print "defines", name, $1, member }' >>"$listing"
done

awk '
  # Whether library `from` stands on library `to`, directly or through others.
  function on(from, to,    other) {
    if (from == to) return 1
    if ((from, to) in known) return known[from, to]
    known[from, to] = 0
    for (other in libraries)
      if ((from, other) in links && on(other, to)) return known[from, to] = 1
    return 0
  }
  # Whether, inside library `library`, file `from` calls file `to`, directly or through others.
  function reaches(library, from, to,    count, other, i, names) {
    if (from == to) return 1
    if ((library, from, to) in reach) return reach[library, from, to]
    reach[library, from, to] = 0
    count = split(members[library], names, " ")
    for (i = 1; i <= count; i++) {
      other = names[i]
      if ((library, from, other) in edge && reaches(library, other, to)) return reach[library, from, to] = 1
    }
    return 0
  }
  function demangled(symbol,    command, result) {
    command = "c++filt \"" symbol "\""
    result = symbol
    command | getline result
    close(command)
    return result
  }
  $1 == "library" {
    libraries[$2] = 1
    count = split($3, linked, ",")
    for (i = 1; i <= count; i++)
      if (linked[i] != "") links[$2, linked[i]] = 1
    next
  }
  $1 == "header" { header[$2] = $3; next }
  $1 == "declares" { declares[$2, $3] = 1; next }
  $1 == "defines" { owner[$3] = $2; where[$3] = $4; next }
  $1 == "uses" { user[++uses] = $2; used[uses] = $3; from[uses] = $4 }
  END {
    for (i = 1; i <= uses; i++) {
      symbol = used[i]
      # What no library here defines belongs to the C and C++ runtime.
      if (!(symbol in owner) || on(user[i], owner[symbol])) continue
      if ((user[i], symbol, from[i]) in told) continue
      told[user[i], symbol, from[i]] = 1
      name = demangled(symbol)
      bare = name
      sub(/\(.*/, "", bare)
      if ((user[i], bare) in declares) continue
      printf "%s: %s calls %s, which %s defines in %s; %s does not stand on %s", user[i], from[i], name,
        owner[symbol], where[symbol], user[i], owner[symbol]
      if (user[i] in header) printf ", and %s does not declare it", header[user[i]]
      printf "\n"
      failed = 1
    }
    # Inside a library, no file calls one that calls it back, directly or through others: a
    # circle of files is one subject split in two, or two subjects tangled.
    for (i = 1; i <= uses; i++) {
      symbol = used[i]
      if (!(symbol in owner) || owner[symbol] != user[i] || where[symbol] == from[i]) continue
      if ((user[i], from[i], where[symbol]) in edge) continue
      edge[user[i], from[i], where[symbol]] = symbol
      for (end = 1; end <= 2; end++) {
        member = end == 1 ? from[i] : where[symbol]
        if (!((user[i], member) in listed)) {
          listed[user[i], member] = 1
          members[user[i]] = members[user[i]] " " member
        }
      }
    }
    for (key in edge) {
      split(key, part, SUBSEP)
      if (!reaches(part[1], part[3], part[2]) || (part[1], part[3], part[2]) in circled) continue
      circled[part[1], part[2], part[3]] = 1
      printf "%s: %s calls %s, which %s defines, and %s calls back into %s: a circle of files\n", part[1],
        part[2], demangled(edge[key]), part[3], part[3], part[2]
      failed = 1
    }
    if (failed) exit 1
    print "calls: each library calls only itself, the libraries it stands on and (the game) its declared outward calls"
    print "calls: no file of a library calls back into a file that calls it"
  }' "$listing"
