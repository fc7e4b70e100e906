# The browser build, included from the top-level CMakeLists.txt under emscripten
# (emcmake cmake -S . -B build-web): the show's own sources, unchanged, with the web platform
# pieces in place of the native ones, laid out as a static site in build-web/site/.

set(QUORRIN_WEB_DIR ${CMAKE_SOURCE_DIR}/src/programs/web)
set(QUORRIN_SITE_DIR ${CMAKE_BINARY_DIR}/site)

# What the page shows and plays besides its code is made at build time by native programs:
# the pictures and the soundtrack by the data tools, the poster by the capture, from the
# host build (cmake/host_build.cmake) into host/data/.
include(${CMAKE_SOURCE_DIR}/cmake/host_build.cmake)
set(QUORRIN_DATA_DIR ${QUORRIN_HOST_DIR}/data)
include(${CMAKE_SOURCE_DIR}/tools/picture_names.cmake)
set(QUORRIN_PICTURE_FILES ${QUORRIN_PICTURE_NAMES})
list(TRANSFORM QUORRIN_PICTURE_FILES PREPEND ${QUORRIN_DATA_DIR}/image/)
list(TRANSFORM QUORRIN_PICTURE_FILES APPEND .bmp)
set(QUORRIN_HOST_CAPTURE ${QUORRIN_DATA_DIR}/quorrin-capture)
set(QUORRIN_HOST_PACK ${QUORRIN_HOST_DIR}/tools/quorrin-pack-files)
set(QUORRIN_HOST_ONE_PAGE ${QUORRIN_HOST_DIR}/tools/quorrin-one-page)
quorrin_add_host_build(quorrin_host_data
    DATA_DIR ${QUORRIN_DATA_DIR}
    TARGETS quorrin_data quorrin-pack-files quorrin-capture quorrin-one-page
    BYPRODUCTS ${QUORRIN_PICTURE_FILES} ${QUORRIN_DATA_DIR}/quorrin.wav ${QUORRIN_HOST_CAPTURE}
               ${QUORRIN_HOST_PACK} ${QUORRIN_HOST_ONE_PAGE})

# What the page downloads besides its code: the 29 pictures packed into one gzip stream
# (6 MB of bitmaps in well under one), which the page unpacks into the program's files, and
# the soundtrack as Opus in Ogg, which every current browser decodes. Bit-exact, so the
# same wave always makes the same file.
set(QUORRIN_PACKED_PICTURES)
foreach(name ${QUORRIN_PICTURE_NAMES})
    list(APPEND QUORRIN_PACKED_PICTURES image/${name}.bmp=${QUORRIN_DATA_DIR}/image/${name}.bmp)
endforeach()
add_custom_command(OUTPUT ${QUORRIN_SITE_DIR}/pictures.pack.gz
    COMMAND ${QUORRIN_HOST_PACK} ${QUORRIN_SITE_DIR}/pictures.pack.gz ${QUORRIN_PACKED_PICTURES}
    DEPENDS quorrin_host_data ${QUORRIN_PICTURE_FILES}
    COMMENT "Packing the pictures for the page"
    VERBATIM)
find_program(QUORRIN_FFMPEG ffmpeg REQUIRED)
add_custom_command(OUTPUT ${QUORRIN_SITE_DIR}/quorrin.ogg
    COMMAND ${QUORRIN_FFMPEG} -hide_banner -loglevel error -nostdin -y
            -i ${QUORRIN_DATA_DIR}/quorrin.wav -c:a libopus -b:a 96k -fflags +bitexact
            -flags:a +bitexact -map_metadata -1 ${QUORRIN_SITE_DIR}/quorrin.ogg
    DEPENDS quorrin_host_data ${QUORRIN_DATA_DIR}/quorrin.wav
    COMMENT "Compressing the soundtrack for the page"
    VERBATIM)

# The poster a link to the page is shown with: the show at 14 s (scene 1's sphere-mapped
# rings, wire shapes and lights, one of its pictures), drawn by the capture under a virtual X
# server at the size link previews are shown at, 1.91:1, so no preview crops it: the 4:3
# picture whole at 840x630 between black bars, its edges smoothed by 4 samples a pixel. Then
# a JPEG of about 110 KB. The capture draws the same pixels on every run and ffmpeg is asked
# to be bit-exact, so the same build makes the same bytes.
find_program(QUORRIN_XVFB_RUN xvfb-run REQUIRED)
set(QUORRIN_POSTER_STILL ${CMAKE_BINARY_DIR}/poster/still-14000.png)
add_custom_command(OUTPUT ${QUORRIN_SITE_DIR}/poster.jpg
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/poster
    COMMAND ${QUORRIN_XVFB_RUN} -a ${QUORRIN_HOST_CAPTURE} --png ${CMAKE_BINARY_DIR}/poster
            --still 14000 --size 1200x630 --msaa 4
    COMMAND ${QUORRIN_FFMPEG} -hide_banner -loglevel error -nostdin -y -i ${QUORRIN_POSTER_STILL}
            -frames:v 1 -c:v mjpeg -q:v 3 -pix_fmt yuvj420p
            -sws_flags bicubic+accurate_rnd+bitexact -fflags +bitexact -flags:v +bitexact
            -map_metadata -1 -update 1 ${QUORRIN_SITE_DIR}/poster.jpg
    DEPENDS quorrin_host_data ${QUORRIN_HOST_CAPTURE} ${QUORRIN_PICTURE_FILES}
    COMMENT "Drawing the page's poster"
    VERBATIM)
add_custom_target(quorrin_web_data ALL
    DEPENDS ${QUORRIN_SITE_DIR}/pictures.pack.gz ${QUORRIN_SITE_DIR}/quorrin.ogg
            ${QUORRIN_SITE_DIR}/poster.jpg)

# Debian's emscripten finds its JavaScript parser through Debian's node modules when it
# optimises at link time.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(QUORRIN_WEB_LINK_OPTIONS -fexceptions -sMIN_WEBGL_VERSION=2 -sMAX_WEBGL_VERSION=2
                             -sALLOW_MEMORY_GROWTH=1)
# The page starts the program itself, once its files are in and the person has started it.
set(QUORRIN_PAGE_LINK_OPTIONS -sINVOKE_RUN=0 "-sEXPORTED_RUNTIME_METHODS=['callMain','FS','ccall']"
                              -sFORCE_FILESYSTEM=1)

# The GL 1.x layer over WebGL2: a library of its own, with its own include root, so it
# cannot reach the show; the GL and GLU header stand-ins in its include/ come before
# emscripten's own. Its pure math is a library of its own as well, the one the native tests
# build.
include(${CMAKE_SOURCE_DIR}/src/gl_over_webgl/math_sources.cmake)
add_library(quorrin_gl_over_webgl_math STATIC ${QUORRIN_GL_OVER_WEBGL_MATH_SOURCES})
target_compile_options(quorrin_gl_over_webgl_math PUBLIC -fexceptions)
file(GLOB QUORRIN_GL_OVER_WEBGL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/gl_over_webgl/*.cpp)
list(REMOVE_ITEM QUORRIN_GL_OVER_WEBGL_SOURCES ${QUORRIN_GL_OVER_WEBGL_MATH_SOURCES})
add_library(quorrin_gl_over_webgl STATIC ${QUORRIN_GL_OVER_WEBGL_SOURCES})
target_include_directories(quorrin_gl_over_webgl BEFORE
    PUBLIC ${CMAKE_SOURCE_DIR}/src/gl_over_webgl/include
    PRIVATE ${CMAKE_SOURCE_DIR}/src/gl_over_webgl ${CMAKE_SOURCE_DIR}/src/glut/include)
target_compile_options(quorrin_gl_over_webgl PUBLIC -fexceptions)
target_link_libraries(quorrin_gl_over_webgl PRIVATE quorrin_gl_over_webgl_math)
# GLUT in the page: emscripten's own, what it lacks, and the shapes.
add_library(quorrin_glut_web STATIC ${CMAKE_SOURCE_DIR}/src/glut/shapes.cpp
                                    ${CMAKE_SOURCE_DIR}/src/glut/glut_web.cpp)
target_include_directories(quorrin_glut_web BEFORE PUBLIC ${CMAKE_SOURCE_DIR}/src/glut/include)
target_link_libraries(quorrin_glut_web PUBLIC quorrin_gl_over_webgl)

# The page's program: the show, the viewer and the scenes as the native show has them, the
# web platform's services, and the page's own entry (src/programs/web/).
file(GLOB QUORRIN_PAGE_SOURCES CONFIGURE_DEPENDS
     src/show/*.cpp src/scenes/*.cpp src/draw/*.cpp src/assets/*.cpp src/viewer/*.cpp
     src/platform/web/*.cpp ${QUORRIN_WEB_DIR}/*.cpp)
add_executable(quorrin-web ${QUORRIN_PAGE_SOURCES}
                           src/platform/message_stderr.cpp src/platform/music_command.cpp
                           src/platform/regular_file.cpp src/platform/regular_file_posix.cpp)
target_include_directories(quorrin-web PRIVATE src)
target_link_libraries(quorrin-web PRIVATE quorrin_glut_web)
target_link_options(quorrin-web PRIVATE ${QUORRIN_WEB_LINK_OPTIONS} ${QUORRIN_PAGE_LINK_OPTIONS})
set_target_properties(quorrin-web PROPERTIES
    OUTPUT_NAME quorrin
    SUFFIX .js
    RUNTIME_OUTPUT_DIRECTORY ${QUORRIN_SITE_DIR})
add_dependencies(quorrin-web quorrin_web_data)

# The page: emscripten's own HTML page is not used; the project's is copied beside the code.
file(GLOB QUORRIN_PAGE_FILES CONFIGURE_DEPENDS ${QUORRIN_WEB_DIR}/page/*)
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
    target_link_libraries(quorrin-layer-cases PRIVATE quorrin_glut_web)
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

# The whole site as one page, build-web/quorrin.html, that plays when opened from the disk:
# made after every target defined above, so a file the site gains, the poster among them,
# is in it (a rule for the site goes above this one). The tool leaves an unchanged page as
# it was.
set(QUORRIN_ONE_PAGE ${CMAKE_BINARY_DIR}/quorrin.html)
add_custom_target(quorrin_one_page ALL
    COMMAND ${QUORRIN_HOST_ONE_PAGE} ${QUORRIN_ONE_PAGE}
            ${QUORRIN_SITE_DIR} quorrin.wasm pictures.pack.gz quorrin.ogg poster.jpg
    BYPRODUCTS ${QUORRIN_ONE_PAGE}
    COMMENT "Making the site into one page"
    VERBATIM)
get_property(QUORRIN_SITE_TARGETS DIRECTORY PROPERTY BUILDSYSTEM_TARGETS)
list(REMOVE_ITEM QUORRIN_SITE_TARGETS quorrin_one_page quorrin-layer-cases)
add_dependencies(quorrin_one_page ${QUORRIN_SITE_TARGETS})

# The site and the one page in one zip: cpack in build-web/ makes
# packages/quorrin-VERSION-web.zip, its one folder holding quorrin.html beside site/, the
# folder to put on a static host.
install(DIRECTORY ${QUORRIN_SITE_DIR}/ DESTINATION site)
install(FILES ${QUORRIN_ONE_PAGE} DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quorrin)
set(CPACK_PACKAGE_FILE_NAME quorrin-${PROJECT_VERSION}-web)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
include(CPack)
