# The Windows build, included from the top-level CMakeLists.txt under the mingw-w64 toolchain
# (cmake/mingw-w64-x86_64.cmake): the show's own sources, unchanged, with the Windows
# platform (src/platform/windows/) and the project's GLUT over Win32 and WGL
# (src/glut_win32/) in place of the Linux pieces. One statically linked quorrin.exe that
# needs only what every Windows has: OpenGL, GLU, the multimedia timer and MCI.

set(QUORRIN_DATA_DIR ${CMAKE_BINARY_DIR}/data)

# The pictures and the soundtrack are drawn at build time by the native tools, from the
# host build (cmake/host_build.cmake), into data/ beside the program.
include(${CMAKE_SOURCE_DIR}/cmake/host_build.cmake)
quorrin_add_host_build(quorrin_data
    DATA_DIR ${QUORRIN_DATA_DIR}
    TARGETS quorrin_data
    BYPRODUCTS ${QUORRIN_DATA_DIR}/quorrin.wav)

# GCC 12 at -O3 warns of overlapping copies inside std::string's operator+ that cannot
# happen; -O2, as the Linux build has, is quick enough and quiet.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

# mingw's GL/gl.h brings in windows.h, whose min and max macros would stand in for
# std::min and std::max in the show's sources; only the lean part of it is needed.
add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
# Everything static (the C++ and GCC run-times, the threads library), so the program needs
# no DLL that Windows does not ship.
add_link_options(-static -static-libgcc -static-libstdc++)

# The platform's services on Windows; the clock and the music chosen at link time, as on
# Linux.
add_library(quorrin_platform STATIC src/platform/music_command.cpp
                                    src/platform/program_exit_process.cpp
                                    src/platform/regular_file.cpp
                                    src/platform/windows/display_windows.cpp
                                    src/platform/windows/message_windows.cpp
                                    src/platform/windows/regular_file_windows.cpp
                                    src/platform/windows/signals_windows.cpp
                                    src/platform/windows/standard_streams_windows.cpp)
target_link_libraries(quorrin_platform PUBLIC user32)
add_library(quorrin_clock_real STATIC src/platform/windows/clock_windows.cpp)
target_link_libraries(quorrin_clock_real PUBLIC winmm)
add_library(quorrin_clock_virtual STATIC src/platform/clock_virtual.cpp)
add_library(quorrin_music_mci STATIC src/platform/windows/music_mci.cpp)
target_link_libraries(quorrin_music_mci PUBLIC quorrin_platform winmm)
add_library(quorrin_music_real ALIAS quorrin_music_mci)
add_library(quorrin_music_silent STATIC src/platform/music_silent.cpp)
foreach(lib quorrin_platform quorrin_clock_real quorrin_clock_virtual quorrin_music_mci
            quorrin_music_silent)
    target_include_directories(${lib} PUBLIC src)
endforeach()

# GLUT: the project's own, over Win32 and WGL, with the shapes the browser build draws too.
file(GLOB QUORRIN_GLUT_WIN32_SOURCES CONFIGURE_DEPENDS src/glut_win32/*.cpp)
add_library(quorrin_glut_win32 STATIC ${QUORRIN_GLUT_WIN32_SOURCES} src/glut/shapes.cpp)
target_include_directories(quorrin_glut_win32 PUBLIC src/glut/include PRIVATE src)
target_link_libraries(quorrin_glut_win32 PUBLIC glu32 opengl32 gdi32 user32)

# The show, the viewer and the show's program, from the sources the Linux build compiles.
file(GLOB QUORRIN_SHOW_SOURCES CONFIGURE_DEPENDS
     src/show/*.cpp src/scenes/*.cpp src/draw/*.cpp src/assets/*.cpp)
add_library(quorrin_show STATIC ${QUORRIN_SHOW_SOURCES})
target_include_directories(quorrin_show PUBLIC src src/glut/include)
target_link_libraries(quorrin_show PUBLIC quorrin_platform glu32 opengl32)
file(GLOB QUORRIN_VIEWER_SOURCES CONFIGURE_DEPENDS src/viewer/*.cpp)
add_library(quorrin_viewer STATIC ${QUORRIN_VIEWER_SOURCES})
target_link_libraries(quorrin_viewer PUBLIC quorrin_show quorrin_glut_win32)
add_subdirectory(src/programs/quorrin)

# The show with a virtual clock and no sound, for the tests that run this build under Wine
# (tests/windows/).
if(QUORRIN_TESTS)
    add_executable(quorrin-stepped tests/support/stepped_show_main.cpp)
    target_link_libraries(quorrin-stepped PRIVATE quorrin_display quorrin_viewer quorrin_show
                                                  quorrin_clock_virtual quorrin_music_silent)
    add_dependencies(quorrin-stepped quorrin_data)
    set_target_properties(quorrin-stepped PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORRIN_DATA_DIR})
endif()

include(packaging/windows.cmake)
