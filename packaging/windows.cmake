# The Windows version's package: `cpack` in build-windows/ makes
# packages/quorrin-VERSION-windows-x86_64.zip, one folder holding quorrin.exe, image/,
# quorrin.wav and a README.txt on how to run it. Unpacked anywhere, it runs from its folder.

include(${CMAKE_SOURCE_DIR}/tools/picture_names.cmake)
set(QUORRIN_PICTURE_FILES ${QUORRIN_PICTURE_NAMES})
list(TRANSFORM QUORRIN_PICTURE_FILES PREPEND ${QUORRIN_DATA_DIR}/image/)
list(TRANSFORM QUORRIN_PICTURE_FILES APPEND .bmp)
set(QUORRIN_ARCHIVE_NAME quorrin-${PROJECT_VERSION}-windows-${CMAKE_SYSTEM_PROCESSOR})

# Windows' own text editors expect CR LF line ends.
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt.in
               ${CMAKE_BINARY_DIR}/packaging/README.txt @ONLY NEWLINE_STYLE WIN32)

install(TARGETS quorrin RUNTIME DESTINATION .)
install(FILES ${QUORRIN_PICTURE_FILES} DESTINATION image)
install(FILES ${QUORRIN_DATA_DIR}/quorrin.wav ${CMAKE_BINARY_DIR}/packaging/README.txt
        DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorrin)
set(CPACK_PACKAGE_VENDOR "the quorrin developers")
set(CPACK_PACKAGE_FILE_NAME ${QUORRIN_ARCHIVE_NAME})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
