# Copies the shipped data folder into the program folder. Placeholder files that keep empty
# folders in the repository are not part of the program.
#
# A shipped file that was renamed or removed since the last build is removed from the program
# folder too (MANIFEST lists what the last copy brought), so that a function file of an earlier
# build is never listed beside its successor. Files that the user added there are left alone.
cmake_policy(SET CMP0057 NEW)
file(GLOB_RECURSE shipped RELATIVE ${SRC} ${SRC}/*)
list(FILTER shipped EXCLUDE REGEX "(^|/)\\.gitkeep$")
if(MANIFEST AND EXISTS ${MANIFEST})
    file(STRINGS ${MANIFEST} copied_before)
    foreach(file IN LISTS copied_before)
        if(NOT file IN_LIST shipped)
            file(REMOVE ${DST}/${file})
        endif()
    endforeach()
endif()
file(COPY ${SRC}/ DESTINATION ${DST} PATTERN ".gitkeep" EXCLUDE)
if(MANIFEST)
    list(JOIN shipped "\n" lines)
    file(WRITE ${MANIFEST} "${lines}\n")
endif()
