# What the package installs beside the programs for people and for Debian: the manual pages (from
# scdoc sources under docs/man), the bash completion of vizud-cli, the licence in Debian's copyright
# format, README.Debian, and the changelog and the AppStream releases made from NEWS.md.
include(GNUInstallDirs)

find_program(VIZUD_SCDOC scdoc)
set(VIZUD_MAN_PAGES vizud vizud-cli vizud-boxsim)
set(man_outputs "")
if(VIZUD_SCDOC)
    foreach(page IN LISTS VIZUD_MAN_PAGES)
        set(source ${CMAKE_CURRENT_SOURCE_DIR}/docs/man/${page}.1.scd)
        set(output ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
            COMMAND sh -c "'${VIZUD_SCDOC}' < '${source}' | gzip -9n > '${output}'"
            DEPENDS ${source} VERBATIM)
        list(APPEND man_outputs ${output})
        install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
else()
    message(STATUS "scdoc not found: no manual pages (scripts/install-deps installs it)")
endif()

set(VIZUD_MAINTAINER "The vizud developers <vizud-devel@lists.vizud.example.org>")
set(news_outputs ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz ${CMAKE_CURRENT_BINARY_DIR}/doc/org.vizud.editor.metainfo.xml)
add_custom_command(OUTPUT ${news_outputs}
    COMMAND ${CMAKE_COMMAND} -DNEWS=${CMAKE_CURRENT_SOURCE_DIR}/NEWS.md "-DMAINTAINER=${VIZUD_MAINTAINER}"
            -DCHANGELOG=${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz
            -DMETAINFO_IN=${CMAKE_CURRENT_SOURCE_DIR}/resources/xdg/vizud.metainfo.xml.in
            -DMETAINFO_OUT=${CMAKE_CURRENT_BINARY_DIR}/doc/org.vizud.editor.metainfo.xml
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/news.cmake
    DEPENDS NEWS.md resources/xdg/vizud.metainfo.xml.in cmake/news.cmake VERBATIM)
add_custom_target(vizud_documents ALL DEPENDS ${man_outputs} ${news_outputs})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog.gz resources/debian/copyright resources/debian/README.Debian
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES resources/completion/vizud-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
