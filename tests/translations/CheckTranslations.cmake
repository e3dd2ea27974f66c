# Runs lupdate over the game's sources into copies of the committed .ts files,
# as update_translations would, and fails on every entry that is not a
# finished translation: a text new in the sources, a translation left
# unfinished or empty, a translation whose text has gone from the sources.
#   cmake -DLUPDATE=... -DLUPDATE_ARGUMENTS=... -DTRANSLATIONS=<folder of .ts> -DWORK=<scratch folder> -P CheckTranslations.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB committed ${TRANSLATIONS}/*.ts)
if(NOT committed)
    message(FATAL_ERROR "no .ts files in ${TRANSLATIONS}")
endif()
set(copies)
foreach(file ${committed})
    file(COPY ${file} DESTINATION ${WORK})
    get_filename_component(name ${file} NAME)
    list(APPEND copies ${WORK}/${name})
endforeach()

execute_process(COMMAND ${LUPDATE} -silent ${LUPDATE_ARGUMENTS} -ts ${copies}
                RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${errors}")
endif()

set(faults 0)
foreach(copy ${copies})
    get_filename_component(name ${copy} NAME)
    file(STRINGS ${copy} lines ENCODING UTF-8)
    set(context "")
    set(source "")
    foreach(line IN LISTS lines)
        if(line MATCHES "<name>(.*)</name>")
            set(context ${CMAKE_MATCH_1})
        elseif(line MATCHES "<source>([^<]*)")
            set(source ${CMAKE_MATCH_1})
        elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            message("${name}: ${context}: \"${source}\" is ${CMAKE_MATCH_1}")
            math(EXPR faults "${faults} + 1")
        elseif(line MATCHES "<translation></translation>|<numerusform></numerusform>")
            message("${name}: ${context}: \"${source}\" has an empty translation")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} texts need their translations: cmake --build <build> --target "
                        "update_translations, then translate the entries in app/translations/")
endif()
