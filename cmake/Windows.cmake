# The Windows build of both programs (Brannock.exe, Primewell.exe): statically linked GUI
# programs with an icon, an application manifest and version information, and the
# portable zip package. Included by the top-level CMakeLists.txt when building for Windows.

enable_language(RC)

if(MINGW)
    # No run-time DLLs of the compiler beside the programs: libstdc++, libgcc and
    # winpthreads go into every executable, tests included, so each starts on a clean system.
    add_link_options(-static -Wl,--gc-sections $<$<CONFIG:Release,MinSizeRel>:-s>)

    # LLVM's linker links a program with the static Qt in well under a second where the GNU
    # one takes several. MinGW's g++ always runs its own linker, so the link goes through a
    # script that hands g++'s linker command to ld.lld.
    if(BRANNOCK_LLD AND BRANNOCK_LD_LLD AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU"
       AND NOT CMAKE_CXX_LINKER_LAUNCHER)
        set(CMAKE_CXX_LINKER_LAUNCHER ${PROJECT_SOURCE_DIR}/cmake/mingw_link_with_lld.sh ${BRANNOCK_LD_LLD})
    endif()
endif()

# Cross-compiled test programs run under Wine.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/windows/run_under_wine.sh)
endif()

set(BRANNOCK_WINDOWS_DIR ${PROJECT_SOURCE_DIR}/resources/windows)

# The four numbers of the Windows version resource, from the project version.
foreach(part MAJOR MINOR PATCH TWEAK)
    if(PROJECT_VERSION_${part} STREQUAL "")
        set(brannock_version_${part} 0)
    else()
        set(brannock_version_${part} ${PROJECT_VERSION_${part}})
    endif()
endforeach()
set(BRANNOCK_VERSION_COMMAS
    "${brannock_version_MAJOR},${brannock_version_MINOR},${brannock_version_PATCH},${brannock_version_TWEAK}")
set(BRANNOCK_VERSION_DOTS
    "${brannock_version_MAJOR}.${brannock_version_MINOR}.${brannock_version_PATCH}.${brannock_version_TWEAK}")

# brannock_windows_program(<target> ICON <file.ico> DESCRIPTION <text> [OFFSCREEN])
# Gives a program its icon, its manifest (per-monitor DPI aware, common controls 6,
# asInvoker) and its version information. OFFSCREEN links the offscreen platform too (a
# static Qt links only the Windows one), so that tests can start the program without a display.
function(brannock_windows_program target)
    cmake_parse_arguments(P "OFFSCREEN" "ICON;DESCRIPTION" "" ${ARGN})
    if(P_OFFSCREEN)
        qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
    set(PROGRAM_NAME ${target})
    set(PROGRAM_DESCRIPTION "${P_DESCRIPTION}")
    # Packed by the build from the icon drawn in resources/icons/scalable.
    set(PROGRAM_ICON ${BRANNOCK_ICON_DIR}/windows/${P_ICON})
    add_dependencies(${target} brannock_icons)
    set(PROGRAM_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${BRANNOCK_WINDOWS_DIR}/program.manifest.in ${PROGRAM_MANIFEST} @ONLY)
    configure_file(${BRANNOCK_WINDOWS_DIR}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY
        OBJECT_DEPENDS ${PROGRAM_ICON} ${PROGRAM_MANIFEST})
endfunction()

# brannock_windows_package(<program targets...>)
# The target brannock_zip writes Brannock-<version>-win64.zip into the build folder: one
# program folder with the programs, the shipped looks, README.txt, the licence text as
# LICENSE.txt and the empty file "portable" (the work files stay in the program folder).
function(brannock_windows_package)
    set(name Brannock-${PROJECT_VERSION}-win64)
    set(stage ${CMAKE_BINARY_DIR}/package)
    set(folder ${stage}/${name})
    set(zip ${CMAKE_BINARY_DIR}/${name}.zip)
    configure_file(${BRANNOCK_WINDOWS_DIR}/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
    # The licence text as Windows shows it: Windows line ends (it holds no @ to replace).
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
    set(copies)
    foreach(program IN LISTS ARGN)
        list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}> ${folder}/)
    endforeach()
    # Packed afresh each time it is asked for: it takes a moment and never goes stale.
    add_custom_target(brannock_zip
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage} ${zip}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        ${copies}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/Skins ${folder}/Skins
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/README.txt ${folder}/
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/LICENSE.txt ${folder}/
        COMMAND ${CMAKE_COMMAND} -E touch ${folder}/portable
        COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${name}
        COMMENT "Packing ${zip}"
        VERBATIM)
    add_dependencies(brannock_zip ${ARGN})
endfunction()
