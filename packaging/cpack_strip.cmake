# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack on the staged files before it builds the package: strips the
# executables as Debian's dh_strip does, dropping the .comment and .note
# sections (compiler versions) that CPack's plain strip leaves behind.
if(NOT CPACK_QUIMBRA_STRIP)
    return()
endif()
file(GLOB executables "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
if(NOT executables)
    message(FATAL_ERROR "no executable staged under ${CPACK_TEMPORARY_DIRECTORY}")
endif()
foreach(executable IN LISTS executables)
    execute_process(
        COMMAND ${CPACK_QUIMBRA_STRIP} --remove-section=.comment --remove-section=.note
                --strip-unneeded ${executable}
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "strip failed on ${executable}")
    endif()
endforeach()
