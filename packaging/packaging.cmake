# Installing the show the way Debian installs games, and its two packages from the same
# build: `cpack -G DEB` (quorrin_<version>_<arch>.deb) and `cpack -G TGZ` (the demo-style
# archive, quorrin-<version>-linux-<processor>.tar.gz).
#
# The two take different layouts, so the install rules come in two components: "system"
# (what `cmake --install` installs) and "archive" (installed only by cpack -G TGZ).

# The system layout, relative to the prefix: launchers on the games path; the real programs
# where a game keeps its private executables (nothing architecture-dependent under share/);
# the pictures and soundtrack in the game's data folder.
set(QUORRIN_INSTALL_LAUNCHER_DIR games)
set(QUORRIN_INSTALL_PROGRAM_DIR lib/games/quorrin)
set(QUORRIN_INSTALL_DATA_DIR share/games/quorrin)
set(QUORRIN_INSTALL_DOC_DIR share/doc/quorrin)
file(RELATIVE_PATH QUORRIN_PREFIX_FROM_LAUNCHER /${QUORRIN_INSTALL_LAUNCHER_DIR} /)
file(RELATIVE_PATH QUORRIN_DATA_FROM_PROGRAM /${QUORRIN_INSTALL_PROGRAM_DIR}
     /${QUORRIN_INSTALL_DATA_DIR})
set(QUORRIN_ARCHIVE_NAME quorrin-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})

# Relative paths keep an install movable: under DESTDIR, in any prefix, in a package.
target_compile_definitions(quorrin-capture PRIVATE
    QUORRIN_DATA_FROM_PROGRAM="${QUORRIN_DATA_FROM_PROGRAM}")
target_compile_definitions(quorrin_capture_logic PRIVATE QUORRIN_VERSION="${PROJECT_VERSION}")

set(CPACK_PACKAGE_NAME quorrin)
set(CPACK_PACKAGE_VENDOR "the quorrin developers")
set(CPACK_PACKAGE_CONTACT "quorrin maintainers <maintainers@quorrin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "80-second real-time audiovisual demo")
# Debian shows the long description as it is: lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "\
Five timed scenes drawn with OpenGL against one music track: sprite swirls,
a flight past a field of boxes, greetings, tile rings and closing credits.
It plays full screen or in a window; Esc ends it.

quorrin-capture renders the show frame by frame, off screen at any size, to
PNG pictures, a storyboard or (with ffmpeg) a video.")

# Files made from templates, and the compressed documents Debian expects.
set(QUORRIN_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
string(TIMESTAMP QUORRIN_RELEASE_DATE "%a, %d %b %Y 00:00:00 +0000" UTC)
foreach(template launch-show.sh:quorrin launch-capture.sh:quorrin-capture
                 archive-readme.txt:README.txt changelog:changelog quorrin.6:quorrin.6
                 quorrin-capture.6:quorrin-capture.6)
    string(REPLACE ":" ";" names ${template})
    list(GET names 0 source)
    list(GET names 1 target)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/${source}.in ${QUORRIN_PACKAGING_DIR}/${target} @ONLY)
endforeach()
set(QUORRIN_COMPRESSED_DOCS)
foreach(document changelog quorrin.6 quorrin-capture.6)
    set(compressed ${QUORRIN_PACKAGING_DIR}/${document}.gz)
    # -n: no name or time stamp inside, so the same text gives the same bytes.
    add_custom_command(
        OUTPUT ${compressed}
        COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${QUORRIN_PACKAGING_DIR}/${document}
                ${compressed}
        DEPENDS ${QUORRIN_PACKAGING_DIR}/${document}
        VERBATIM)
    list(APPEND QUORRIN_COMPRESSED_DOCS ${compressed})
endforeach()
add_custom_target(quorrin_package_docs ALL DEPENDS ${QUORRIN_COMPRESSED_DOCS})

# --- system ---
install(PROGRAMS ${QUORRIN_PACKAGING_DIR}/quorrin ${QUORRIN_PACKAGING_DIR}/quorrin-capture
        DESTINATION ${QUORRIN_INSTALL_LAUNCHER_DIR} COMPONENT system)
install(TARGETS quorrin quorrin-capture
        RUNTIME DESTINATION ${QUORRIN_INSTALL_PROGRAM_DIR} COMPONENT system)
install(FILES ${QUORRIN_PICTURE_FILES} DESTINATION ${QUORRIN_INSTALL_DATA_DIR}/image
        COMPONENT system)
install(FILES ${QUORRIN_SOUNDTRACK_FILE} DESTINATION ${QUORRIN_INSTALL_DATA_DIR}
        COMPONENT system)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quorrin.desktop DESTINATION share/applications
        COMPONENT system)
install(DIRECTORY ${QUORRIN_ICON_DIR}/hicolor DESTINATION share/icons COMPONENT system)
install(FILES ${QUORRIN_PACKAGING_DIR}/quorrin.6.gz ${QUORRIN_PACKAGING_DIR}/quorrin-capture.6.gz
        DESTINATION share/man/man6 COMPONENT system)
install(FILES ${QUORRIN_PACKAGING_DIR}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${QUORRIN_INSTALL_DOC_DIR} COMPONENT system)

# --- archive: one folder, the programs beside their files ---
install(TARGETS quorrin quorrin-capture RUNTIME DESTINATION . COMPONENT archive EXCLUDE_FROM_ALL)
install(FILES ${QUORRIN_PICTURE_FILES} DESTINATION image COMPONENT archive EXCLUDE_FROM_ALL)
install(FILES ${QUORRIN_SOUNDTRACK_FILE} ${QUORRIN_PACKAGING_DIR}/README.txt DESTINATION .
        COMPONENT archive EXCLUDE_FROM_ALL)

# --- packages ---
set(CPACK_PACKAGE_FILE_NAME ${QUORRIN_ARCHIVE_NAME})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS ffmpeg)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xvfb)
# Each generator installs its own component (package-config.cmake picks it).
configure_file(${CMAKE_CURRENT_LIST_DIR}/package-config.cmake.in
               ${QUORRIN_PACKAGING_DIR}/package-config.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${QUORRIN_PACKAGING_DIR}/package-config.cmake)
include(CPack)
