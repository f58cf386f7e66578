# cmake -DZIP=<zip> -DFOLDER=<top folder> -P check_package.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot list ${ZIP}")
endif()
foreach(file Brannock.exe Primewell.exe README.txt LICENSE.txt portable
             "Skins/6.0 GOLD/back.bmp" "Skins/6.0 GOLD/sysicon.ico" "Skins/Steel/back.bmp")
    string(FIND "${listing}" "${FOLDER}/${file}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${ZIP} lacks ${FOLDER}/${file}; it holds:\n${listing}")
    endif()
endforeach()
