# Settings of the Windows (mingw-w64) tree.

# Sources are UTF-8; the program speaks code page 1252 through the A API.
add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1252)
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0601
                        STRICT NOMINMAX __USE_MINGW_ANSI_STDIO=1)
# One .exe that runs on a bare Windows: no runtime DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
# The shipped programs are linked without the sections they never use and
# without symbols and debugging data (more than half of the file otherwise):
# a smaller file for the loader to read. One section per function
# (-ffunction-sections) was tried: its alignment costs more than it drops.
set(FONEXA_PROGRAM_LINK_OPTIONS -s -Wl,--gc-sections)

include(${CMAKE_CURRENT_LIST_DIR}/delay_imports.cmake)
set(FONEXA_WIN32_LIBS comctl32 ${FONEXA_DELAY_COMDLG32} ${FONEXA_DELAY_SHELL32} ole32 oleaut32 uuid
    ${FONEXA_DELAY_WINSPOOL} version advapi32 gdi32 user32 kernel32)

# Tests run under Wine in a private prefix under the build tree.
set(FONEXA_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tools/wine-run ${FONEXA_WINEPREFIX})

# GoogleTest built from Debian's sources with the mingw compilers.
set(FONEXA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${FONEXA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
