# CHANGELOG.md as the build reads it (cmake/Changelog.cmake), on change logs of the test's
# own: entries, wrapped items and characters XML and CMake treat specially become the
# AppStream releases and the Debian change log exactly; the day of the week is right across
# leap days and year ends; a newest entry that is not the project's version, a malformed
# heading and a change log without entries stop the configure with a message saying so.
#   cmake -DTOP=SOURCE_FOLDER -DWORK=SCRATCH_FOLDER -P changelog_test.cmake
set(failures 0)
macro(expect what actual expected)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(SEND_ERROR "${what}:\n--- got\n${actual}\n--- expected\n${expected}")
    math(EXPR failures "${failures} + 1")
  endif()
endmacro()

# Reads TEXT as the change log of VERSION; sets status, errors, debian and releases.
function(read_changelog text version)
  set(dir ${WORK}/case)
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  file(WRITE ${dir}/CHANGELOG.md "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${dir} -DVERSION=${version}
      -P ${CMAKE_CURRENT_LIST_DIR}/changelog_case.cmake
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
  set(debian "")
  set(releases "")
  if(status EQUAL 0)
    file(READ ${dir}/install/changelog debian)
    file(READ ${dir}/releases.xml releases)
  endif()
  # Messages wrap at 80 columns; the words matter, not where the lines break.
  string(REGEX REPLACE "[ \n]+" " " errors "${errors}")
  foreach(name status errors debian releases)
    set(${name} "${${name}}" PARENT_SCOPE)
  endforeach()
endfunction()

set(signature " -- The Marlix Pentro developers <maintainers@marlix-pentro.invalid>")

# Two entries, an item over two lines, and &, <, >, ; and ` in the text.
read_changelog([=[# Changes

Text before the first entry, - even a line like an item, is not part of any release.

## 2.1 (2024-02-29)

- Boxes & lines: <faster>; sharper.
  A second line, `code` as plain text.
- Another.

## 2.0 (2027-01-01)

- First.
]=] 2.1)
expect("two entries: status" "${status}" "0")
expect("two entries: the Debian change log" "${debian}" "marlix-pentro (2.1) unstable; urgency=medium

  * Boxes & lines: <faster>; sharper.
    A second line, code as plain text.
  * Another.

${signature}  Thu, 29 Feb 2024 12:00:00 +0000

marlix-pentro (2.0) unstable; urgency=medium

  * First.

${signature}  Fri, 01 Jan 2027 12:00:00 +0000
")
expect("two entries: the AppStream releases and the newest date" "${releases}" [=[    <release version="2.1" date="2024-02-29">
      <description>
        <ul>
          <li>Boxes &amp; lines: &lt;faster&gt;; sharper. A second line, code as plain text.</li>
          <li>Another.</li>
        </ul>
      </description>
    </release>
    <release version="2.0" date="2027-01-01">
      <description>
        <ul>
          <li>First.</li>
        </ul>
      </description>
    </release>
2024-02-29
]=])

# The day of the week: January and February count with the year before (Zeller).
foreach(case "2025-01-15 Wed, 15 Jan 2025" "2025-02-01 Sat, 01 Feb 2025" "2026-03-01 Sun, 01 Mar 2026"
    "2000-02-29 Tue, 29 Feb 2000" "2100-03-01 Mon, 01 Mar 2100" "2026-12-31 Thu, 31 Dec 2026")
  string(REGEX MATCH "^([^ ]+) (.*)$" _ "${case}")
  set(date ${CMAKE_MATCH_1})
  set(stamp ${CMAKE_MATCH_2})
  read_changelog("## 1.0 (${date})\n\n- One.\n" 1.0)
  string(REGEX MATCH "  [A-Z][a-z][a-z], [^\n]*" written "${debian}")
  expect("the stamp of ${date}" "${written}" "  ${stamp} 12:00:00 +0000")
endforeach()

# Refusals: the words each message must hold.
foreach(case
    "1.1|## 1.0 (2026-12-07)\n\n- One.\n|CHANGELOG.md's newest entry is 1.0, the project's version is 1.1"
    "1.0|## 1.0 - 2026-12-07\n\n- One.\n|an entry's heading is \"## VERSION (YEAR-MONTH-DAY)\""
    "1.0|# Changes\n\nNothing yet.\n|CHANGELOG.md has no entry")
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 version)
  list(GET fields 1 text)
  list(GET fields 2 words)
  string(REPLACE "\\n" "\n" text "${text}")
  read_changelog("${text}" ${version})
  if(status EQUAL 0)
    expect("a change log of ${version} starting \"${text}\" is refused" "accepted" "refused")
  else()
    string(FIND "${errors}" "${words}" at)
    if(at EQUAL -1)
      expect("the refusal says" "${errors}" "... ${words} ...")
    endif()
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} change log case(s) failed")
endif()
message(STATUS "change log: all cases as expected")
