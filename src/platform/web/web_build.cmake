# The browser build, included from the top-level CMakeLists.txt under emscripten
# (emcmake cmake -S . -B build-web): the show's own sources, unchanged, with the web platform
# pieces in place of the native ones, laid out as a static site in build-web/site/.

set(QUORRIN_WEB_DIR ${CMAKE_SOURCE_DIR}/src/platform/web)
set(QUORRIN_DATA_DIR ${CMAKE_BINARY_DIR}/data)
set(QUORRIN_SITE_DIR ${CMAKE_BINARY_DIR}/site)

# The pictures and the soundtrack are drawn at build time by the native tools; a host build
# of tools/ makes them into data/, as the native build does.
include(ExternalProject)
cmake_host_system_information(RESULT QUORRIN_HOST_CORES QUERY NUMBER_OF_LOGICAL_CORES)
ExternalProject_Add(quorrin_host_data
    SOURCE_DIR ${QUORRIN_WEB_DIR}/host_tools
    BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
    CMAKE_ARGS -DQUORRIN_SOURCE_DIR=${CMAKE_SOURCE_DIR} -DQUORRIN_DATA_DIR=${QUORRIN_DATA_DIR}
               -DCMAKE_BUILD_TYPE=Release
    # Its own jobs: make's flags from the outer build would promise a job server it lacks.
    BUILD_COMMAND ${CMAKE_COMMAND} -E env MAKEFLAGS=
                  ${CMAKE_COMMAND} --build <BINARY_DIR> --target quorrin_data
                                   --parallel ${QUORRIN_HOST_CORES}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${QUORRIN_DATA_DIR}/quorrin.wav)

# Debian's emscripten finds its JavaScript parser through Debian's node modules when it
# optimises at link time.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(QUORRIN_WEB_LINK_OPTIONS -fexceptions -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
                             -sALLOW_MEMORY_GROWTH=1)

# The GL 1.x layer over WebGL2, with GLU and the GLUT shapes: it knows nothing of the show.
file(GLOB QUORRIN_WEB_GL_SOURCES CONFIGURE_DEPENDS ${QUORRIN_WEB_DIR}/gl/*.cpp)
add_library(quorrin_web_gl STATIC ${QUORRIN_WEB_GL_SOURCES})
# The GL, GLU and GLUT header stand-ins come before emscripten's own.
target_include_directories(quorrin_web_gl BEFORE PUBLIC ${QUORRIN_WEB_DIR}/include
                                          PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(quorrin_web_gl PUBLIC -fexceptions)

# The scenes, the drawing kit, the pictures' loader and the shell, as the native show has
# them; the native program's start and its full screen's child window stay out.
file(GLOB QUORRIN_SHARED_SOURCES CONFIGURE_DEPENDS
     src/shell/*.cpp src/assets/*.cpp src/draw/*.cpp src/scenes/*.cpp)
list(FILTER QUORRIN_SHARED_SOURCES EXCLUDE
     REGEX "src/shell/(main|startup|picture_window|picture_framebuffer)\\.cpp$")
file(GLOB QUORRIN_WEB_SOURCES CONFIGURE_DEPENDS ${QUORRIN_WEB_DIR}/*.cpp)

add_executable(quorrin-web ${QUORRIN_SHARED_SOURCES} ${QUORRIN_WEB_SOURCES}
                           src/platform/message_stderr.cpp src/platform/music_silent.cpp)
target_link_libraries(quorrin-web PRIVATE quorrin_web_gl)
target_link_options(quorrin-web PRIVATE ${QUORRIN_WEB_LINK_OPTIONS}
    "SHELL:--preload-file ${QUORRIN_DATA_DIR}/image@image"
    "SHELL:--preload-file ${QUORRIN_DATA_DIR}/quorrin.wav@quorrin.wav")
set_target_properties(quorrin-web PROPERTIES
    OUTPUT_NAME quorrin
    SUFFIX .js
    RUNTIME_OUTPUT_DIRECTORY ${QUORRIN_SITE_DIR}
    LINK_DEPENDS ${QUORRIN_DATA_DIR}/quorrin.wav)
add_dependencies(quorrin-web quorrin_host_data)

# The page: emscripten's own HTML page is not used; the project's is copied beside the code.
file(GLOB QUORRIN_PAGE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/web/*)
set(QUORRIN_PAGE_OUTPUTS)
foreach(file ${QUORRIN_PAGE_FILES})
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${QUORRIN_SITE_DIR}/${name}
                       COMMAND ${CMAKE_COMMAND} -E copy ${file} ${QUORRIN_SITE_DIR}/${name}
                       DEPENDS ${file})
    list(APPEND QUORRIN_PAGE_OUTPUTS ${QUORRIN_SITE_DIR}/${name})
endforeach()
add_custom_target(quorrin_web_page ALL DEPENDS ${QUORRIN_PAGE_OUTPUTS})

# The layer's own cases, drawn in the browser for the tests to compare with the native GL.
if(QUORRIN_TESTS)
    add_executable(quorrin-layer-cases tests/web/layer_cases.cpp tests/web/layer_cases_web.cpp)
    target_link_libraries(quorrin-layer-cases PRIVATE quorrin_web_gl)
    target_link_options(quorrin-layer-cases PRIVATE ${QUORRIN_WEB_LINK_OPTIONS})
    set_target_properties(quorrin-layer-cases PROPERTIES
        OUTPUT_NAME layer_cases
        SUFFIX .js
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/layer-cases)
    add_custom_command(TARGET quorrin-layer-cases POST_BUILD
                       COMMAND ${CMAKE_COMMAND} -E copy
                               ${CMAKE_SOURCE_DIR}/tests/web/layer_cases.html
                               ${CMAKE_BINARY_DIR}/layer-cases/index.html)
endif()
