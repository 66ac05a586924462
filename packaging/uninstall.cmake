# SPDX-License-Identifier: GPL-3.0-or-later
# Removes every file and link that the last install listed in its manifest,
# then the program's own folders once they are empty. Folders that other
# programs share (the icon theme's, the manual's) are left as they are.
#
# A file that the Debian package manager knows as part of an installed package
# is never removed: "cpack" leaves a manifest of the package's paths under
# /usr, and an uninstall after it must not take the installed package apart.
#
#   cmake -DMANIFEST=build/install_manifest.txt -P uninstall.cmake

if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to remove: ${MANIFEST} does not exist (install first).")
endif()
file(STRINGS "${MANIFEST}" installed)
find_program(DPKG_QUERY dpkg-query)
set(own_folders)
foreach(path IN LISTS installed)
  if(DPKG_QUERY)
    execute_process(COMMAND "${DPKG_QUERY}" --search "${path}"
                    RESULT_VARIABLE unpackaged OUTPUT_QUIET ERROR_QUIET)
    if(NOT unpackaged)
      message(STATUS "Keeping ${path}: it belongs to an installed package")
      continue()
    endif()
  endif()
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
  # lib/qisma, lib/qisma/sound and share/doc/qisma belong to this program alone.
  get_filename_component(folder "${path}" DIRECTORY)
  while(folder MATCHES "/(lib|share/doc)/qisma(/.*)?$")
    list(APPEND own_folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES own_folders)
# The deepest first, so a folder is empty by the time its parent is looked at.
list(SORT own_folders ORDER DESCENDING)
foreach(folder IN LISTS own_folders)
  file(GLOB left "${folder}/*" "${folder}/.*")
  if(IS_DIRECTORY "${folder}" AND NOT left)
    file(REMOVE_RECURSE "${folder}")
  endif()
endforeach()
