# Run by `cmake --install` (and CPack's staging): installs the desktop entry naming the editor
# by its absolute path under the prefix, so that the menu entry and the preset type's
# association start it even where the prefix's bin folder is not on PATH.
# Takes ZARQ_DESKTOP_ENTRY (the entry in data/, naming the program "zarq-settings"),
# ZARQ_BINDIR and ZARQ_DATADIR (relative to the prefix, or absolute).
cmake_path(ABSOLUTE_PATH ZARQ_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
  OUTPUT_VARIABLE bindir)
cmake_path(ABSOLUTE_PATH ZARQ_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
  OUTPUT_VARIABLE datadir)
set(program "${bindir}/zarq-settings")
# The Exec key's own quoting: a path with a reserved character is double-quoted, with \, ",
# ` and $ escaped inside; the key's value then doubles every backslash, and % is doubled as
# the field codes require.
if(program MATCHES "[] \t\n\"'\\\\><~|&;$*?#()`[]")
  string(REGEX REPLACE "([\\\\\"`$])" "\\\\\\1" program "${program}")
  set(program "\"${program}\"")
  string(REPLACE "\\" "\\\\" program "${program}")
endif()
string(REPLACE "%" "%%" program "${program}")
file(READ "${ZARQ_DESKTOP_ENTRY}" entry)
string(REPLACE "\nExec=zarq-settings " "\nExec=${program} " entry "${entry}")
cmake_path(GET ZARQ_DESKTOP_ENTRY FILENAME name)
set(installed "$ENV{DESTDIR}${datadir}/applications/${name}")
message(STATUS "Installing: ${installed}")
file(WRITE "${installed}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${installed}")
