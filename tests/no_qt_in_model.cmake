# Fails when a file under a model/ folder includes a Qt header.
file(GLOB_RECURSE model_files
    ${SOURCE_DIR}/engine/model/*
    ${SOURCE_DIR}/workspace/model/*
    ${SOURCE_DIR}/instruments/model/*
    ${SOURCE_DIR}/documents/model/*)
set(offenders "")
foreach(f IN LISTS model_files)
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt)")
    if(lines)
        list(APPEND offenders "${f}: ${lines}")
    endif()
endforeach()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Qt headers in model folders:\n${text}")
endif()
message(STATUS "model folders include no Qt header")
