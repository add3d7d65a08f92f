# Runs lupdate over the editor's sources, as the catalogue's update target does, into a copy of the German
# catalogue and fails while a text has no translation: a new text, or one whose English source changed.
include(${PROJECT})  # lupdate_sources and lupdate_include_paths of the update target
set(lines "")
foreach(path IN LISTS lupdate_include_paths)
    string(APPEND lines "-I${path}\n")
endforeach()
foreach(path IN LISTS lupdate_sources)
    string(APPEND lines "${path}\n")
endforeach()
file(WRITE ${WORK}/translated-sources.lst "${lines}")
file(COPY_FILE ${TS} ${WORK}/vizud_de_check.ts)
execute_process(COMMAND ${LUPDATE} -silent -locations none -no-obsolete @${WORK}/translated-sources.lst
                        -ts ${WORK}/vizud_de_check.ts RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed: ${failed}")
endif()
file(READ ${WORK}/vizud_de_check.ts catalogue)
string(REPLACE ";" "&#59;" catalogue "${catalogue}")  # a list item each, whatever the texts hold
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing "${catalogue}")
list(LENGTH missing count)
if(count GREATER 0)
    string(REGEX REPLACE "[ \n]*<translation type=\"unfinished\"" "" missing "${missing}")
    string(REPLACE ";" "\n" missing "${missing}")
    message(FATAL_ERROR "${count} texts have no German translation:\n${missing}")
endif()
