# Fails when an include goes up the layers. From the bottom: the models (engine, instruments,
# documents, workspace), the shared window services, then the windows of engine, instruments,
# documents and, on top, the main window's folder. A folder may include its own layer and those
# below it.
set(layers
    engine/model instruments/model documents/model workspace/model
    services
    engine/ui instruments/ui documents/ui workspace/ui)

function(layer_of path out)
    set(found -1)
    set(rank 0)
    foreach(layer IN LISTS layers)
        string(LENGTH "${layer}/" n)
        string(SUBSTRING "${path}" 0 ${n} head)
        if(head STREQUAL "${layer}/")
            set(found ${rank})
        endif()
        math(EXPR rank "${rank} + 1")
    endforeach()
    set(${out} ${found} PARENT_SCOPE)
endfunction()

set(offenders "")
foreach(layer IN LISTS layers)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(f IN LISTS files)
        layer_of("${f}" own)
        # Both forms: the compiler finds "a/b.h" and <a/b.h> alike through the source root.
        file(STRINGS "${SOURCE_DIR}/${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header
                "${line}")
            # A path beside the including file ("../../workspace/ui/x.h") counts from the root too.
            get_filename_component(folder "${f}" DIRECTORY)
            if(EXISTS "${SOURCE_DIR}/${folder}/${header}")
                cmake_path(SET header NORMALIZE "${folder}/${header}")
            else()
                cmake_path(SET header NORMALIZE "${header}")
            endif()
            layer_of("${header}" target)
            if(target GREATER own)
                list(GET layers ${own} from)
                list(GET layers ${target} to)
                list(APPEND offenders "${f} includes ${header}: ${from} sits below ${to}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Includes that go up the layers:\n${text}")
endif()
message(STATUS "every include goes down the layers")
