# Runs lupdate over the game's sources into copies of the .ts files, as
# update_translations would, and fails on every entry that is not a finished
# translation: a text new in the sources, one left unfinished or empty, one
# whose text is gone from the sources.
#   cmake -DLUPDATE=... -DLUPDATE_ARGUMENTS=... -DTRANSLATIONS=<folder> -DWORK=<scratch folder> -P CheckTranslations.cmake
file(REMOVE_RECURSE ${WORK})
file(GLOB committed ${TRANSLATIONS}/*.ts)
file(COPY ${committed} DESTINATION ${WORK})
file(GLOB copies ${WORK}/*.ts)
execute_process(COMMAND ${LUPDATE} -silent ${LUPDATE_ARGUMENTS} -ts ${copies} RESULT_VARIABLE status)
if(NOT copies OR NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate could not bring ${TRANSLATIONS} up to date")
endif()

set(faults 0)
foreach(copy ${copies})
    file(STRINGS ${copy} lines ENCODING UTF-8)
    foreach(line IN LISTS lines)
        if(line MATCHES "<name>(.*)</name>")
            set(context ${CMAKE_MATCH_1})
        elseif(line MATCHES "<source>([^<]*)")
            set(source ${CMAKE_MATCH_1})
        elseif(line MATCHES "type=\"(unfinished|vanished|obsolete)\"|<translation></translation>|<numerusform></numerusform>")
            get_filename_component(name ${copy} NAME)
            string(STRIP "${line}" entry)
            message("${name}: ${context}: \"${source}\": ${entry}")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} texts lack their translations: build the target update_translations, "
                        "then translate them in app/text/translations/")
endif()
