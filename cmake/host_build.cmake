# Native programs the build runs, built for the machine that builds even when the build is
# for another (the browser under emscripten, Windows under mingw-w64): the data tools that
# draw the pictures and the soundtrack, and, for the page's poster, the capture. They come
# from a build of the project itself, natively, without its tests, as the native release is
# built, into host/.
include(ExternalProject)
cmake_host_system_information(RESULT QUORRIN_HOST_CORES QUERY NUMBER_OF_LOGICAL_CORES)
set(QUORRIN_HOST_DIR ${CMAKE_BINARY_DIR}/host)

# quorrin_add_host_build(NAME DATA_DIR dir TARGETS target... BYPRODUCTS file...): the host
# build as the target NAME, making TARGETS, with the pictures and the soundtrack in dir.
function(quorrin_add_host_build name)
    cmake_parse_arguments(PARSE_ARGV 1 host "" "DATA_DIR" "TARGETS;BYPRODUCTS")
    ExternalProject_Add(${name}
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${QUORRIN_HOST_DIR}
        # The host's own compilers, whatever this build's toolchain is.
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORRIN_TESTS=OFF
                   -DCMAKE_TOOLCHAIN_FILE= -DQUORRIN_DATA_DIR=${host_DATA_DIR}
        # Configured again first, so a target the project gained since is there to build; its
        # own jobs: make's flags from the outer build would promise a job server it lacks.
        BUILD_COMMAND ${CMAKE_COMMAND} <BINARY_DIR>
              COMMAND ${CMAKE_COMMAND} -E env MAKEFLAGS=
                      ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${host_TARGETS}
                                       --parallel ${QUORRIN_HOST_CORES}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${host_BYPRODUCTS})
endfunction()
