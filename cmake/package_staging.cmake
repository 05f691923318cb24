# Run by cpack between installing into its staging folder and packing (cmake/package.cmake): a
# Debian package keeps a game's executable in /usr/games, stripped as Debian strips it, and
# tells lintian what it need not note.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(bindir "${CPACK_ROADSHIFT_BINDIR}")
if(IS_ABSOLUTE "${bindir}")
  set(bindir "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${bindir}")
else()
  set(bindir "${usr}/${bindir}")
endif()
if(NOT bindir STREQUAL "${usr}/games")
  file(MAKE_DIRECTORY "${usr}/games")
  file(RENAME "${bindir}/roadshift" "${usr}/games/roadshift")
  file(GLOB left "${bindir}/*")
  if(NOT left)
    file(REMOVE_RECURSE "${bindir}")
  endif()
endif()

# The compiler's name and version and the old-style notes are of no use to a player.
if(CPACK_ROADSHIFT_STRIP)
  execute_process(
    COMMAND "${CPACK_ROADSHIFT_STRIP}" --remove-section=.comment --remove-section=.note
            "${usr}/games/roadshift"
    COMMAND_ERROR_IS_FATAL ANY)
endif()

# What lintian would otherwise note about the package, each with its reason.
set(overrides "${usr}/share/lintian/overrides/roadshift")
file(MAKE_DIRECTORY "${usr}/share/lintian/overrides")
file(COPY_FILE "${CPACK_ROADSHIFT_LINTIAN_OVERRIDES}" "${overrides}")
file(CHMOD "${overrides}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
