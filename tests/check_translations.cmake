# Fails while the English catalogue lacks a source text of the program or its translation:
# lupdate brings a copy of the catalogue up to date with the sources, and every message of the
# copy must be translated. Run by CTest with -DLUPDATE=, -DSOURCES= (the src folder), -DTS= and
# -DWORK= (a scratch folder).
file(MAKE_DIRECTORY ${WORK})
file(COPY_FILE ${TS} ${WORK}/numlet_en.ts)
execute_process(
    COMMAND ${LUPDATE} -silent -no-obsolete -locations none -source-language cs_CZ
        -I ${SOURCES} ${SOURCES} -ts ${WORK}/numlet_en.ts
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
file(READ ${WORK}/numlet_en.ts catalogue)
string(REGEX MATCHALL "<source>[^<]*</source>[ \r\n]*<translation type=\"unfinished\""
    missing "${catalogue}")
string(REGEX MATCHALL "<translation type=\"unfinished\"></translation>" empty "${catalogue}")
list(LENGTH empty count)
if(count GREATER 0 OR missing)
    string(REGEX REPLACE "[ \r\n]*<translation type=\"unfinished\"" "" missing "${missing}")
    message(FATAL_ERROR "translations/numlet_en.ts lacks ${count} translation(s); run "
        "`cmake --build build --target update_translations` and translate:\n${missing}")
endif()
file(READ ${TS} committed)
if(NOT committed STREQUAL catalogue)
    message(FATAL_ERROR "translations/numlet_en.ts is not up to date with the sources; run "
        "`cmake --build build --target update_translations`")
endif()
message(STATUS "The English catalogue covers every source text")
