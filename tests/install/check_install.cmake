# Installs the build into a fresh prefix and checks that the program, the user guide, the desktop
# entry and the file managers' actions, the icons, the AppStream metadata, the man pages and the
# package's documents are where a desktop, man and dpkg look for them.
set(prefix "${BUILD}/install-check")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
        bin/tarvendi
        bin/tarvendi-cli
        share/bash-completion/completions/tarvendi-cli
        share/tarvendi/guide/index.html
        share/applications/tarvendi.desktop
        share/kio/servicemenus/tarvendi.desktop
        share/nemo/actions/tarvendi.nemo_action
        share/file-manager/actions/tarvendi.desktop
        share/icons/hicolor/scalable/apps/tarvendi.svg
        share/icons/hicolor/128x128/apps/tarvendi.png
        share/icons/hicolor/48x48/apps/tarvendi.png
        share/metainfo/io.github.tarvendi.Tarvendi.metainfo.xml
        share/man/man1/tarvendi.1.gz
        share/man/man1/tarvendi-cli.1.gz
        share/doc/tarvendi/copyright
        share/doc/tarvendi/changelog.gz)
    if(NOT EXISTS "${prefix}/${path}")
        message(FATAL_ERROR "missing from the install tree: ${path}")
    endif()
endforeach()
file(GLOB pictures "${prefix}/share/tarvendi/guide/images/*.png")
list(LENGTH pictures count)
if(count LESS 10)
    message(FATAL_ERROR "the guide has ${count} pictures, one per notebook page expected")
endif()
file(READ "${prefix}/share/applications/tarvendi.desktop" entry)
if(NOT entry MATCHES "\nExec=tarvendi %F\n" OR NOT entry MATCHES "\nIcon=tarvendi\n")
    message(FATAL_ERROR "the desktop entry does not start the installed program with its icon")
endif()
# KDE runs a service menu only when it may be executed.
file(STRINGS "${prefix}/share/kio/servicemenus/tarvendi.desktop" service_exec REGEX "^Exec=")
execute_process(COMMAND test -x "${prefix}/share/kio/servicemenus/tarvendi.desktop"
                RESULT_VARIABLE not_executable)
if(NOT service_exec STREQUAL "Exec=tarvendi %F" OR NOT not_executable EQUAL 0)
    message(FATAL_ERROR "the Dolphin service menu does not start the program on the selection")
endif()
file(READ "${prefix}/share/metainfo/io.github.tarvendi.Tarvendi.metainfo.xml" metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">tarvendi.desktop</launchable>")
    message(FATAL_ERROR "the AppStream metadata does not name the installed desktop entry")
endif()
file(REMOVE_RECURSE "${prefix}")
