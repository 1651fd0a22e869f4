# Compiles the content files matching the given patterns (relative to the project root) into
# target as resources under ":/content/...", so that nothing is read from disk at run time.
# The content folders are data: every file dropped into them is taken.
function(zorvane_add_content target name)
    set(files)
    foreach(pattern IN LISTS ARGN)
        file(GLOB matched CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${pattern})
        list(APPEND files ${matched})
    endforeach()
    set(resources)
    foreach(f IN LISTS files)
        set_source_files_properties(${PROJECT_SOURCE_DIR}/${f} PROPERTIES QT_RESOURCE_ALIAS ${f})
        list(APPEND resources ${PROJECT_SOURCE_DIR}/${f})
    endforeach()
    qt_add_resources(${target} ${name} PREFIX "/" FILES ${resources})
endfunction()
