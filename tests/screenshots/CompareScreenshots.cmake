# Draws every screen again into a scratch folder and fails on every picture
# that differs from the one committed, or is new, or no longer drawn: what the
# game shows changes only with its pictures in docs/screenshots redrawn by
# scripts/screenshots, where a reviewer sees the change.
#   cmake -DRENDERER=<pintu_screenshots> -DCOMMITTED=<folder> -DWORK=<scratch folder>
#         [-DLANGUAGE=en] -P CompareScreenshots.cmake
# The environment chooses the screen (QT_QPA_PLATFORM, QT_SCALE_FACTOR).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${RENDERER} ${WORK} ${LANGUAGE} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the screenshot renderer failed: ${status}")
endif()

file(GLOB drawn RELATIVE ${WORK} ${WORK}/*.png)
file(GLOB committed RELATIVE ${COMMITTED} ${COMMITTED}/*.png)
set(faults 0)
foreach(name IN LISTS drawn)
    if(NOT EXISTS ${COMMITTED}/${name})
        message("${name}: drawn, but not in ${COMMITTED}")
        math(EXPR faults "${faults} + 1")
    else()
        file(SHA256 ${WORK}/${name} now)
        file(SHA256 ${COMMITTED}/${name} before)
        if(NOT now STREQUAL before)
            message("${name}: differs from ${COMMITTED}/${name} (drawn: ${WORK}/${name})")
            math(EXPR faults "${faults} + 1")
        endif()
    endif()
endforeach()
foreach(name IN LISTS committed)
    if(NOT name IN_LIST drawn)
        message("${name}: in ${COMMITTED}, but no longer drawn")
        math(EXPR faults "${faults} + 1")
    endif()
endforeach()
if(faults GREATER 0)
    message(FATAL_ERROR "${faults} screenshots differ: redraw them with scripts/screenshots if the change is meant")
endif()
