# Run by CTest: installs the library component into a scratch prefix, checks that
# nothing of the program came with it, then builds and runs the consumer twice,
# once found through find_package and once through pkg-config.
# Inputs: BUILD_DIR WORK_DIR CONSUMER_DIR CXX GENERATOR SANITIZE
cmake_minimum_required(VERSION 3.16)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(run_output "${out}" PARENT_SCOPE)
endfunction()

function(expect_csv file)
    file(READ ${file} bytes HEX)
    # BOM, "Time,Value", LF, "12:00:01,"1,5 MΩ"", LF
    set(expected "efbbbf54696d652c56616c75650a31323a30303a30312c22312c35204dcea9220a")
    if(NOT bytes STREQUAL expected)
        message(FATAL_ERROR "${file} holds ${bytes}, expected ${expected}")
    endif()
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} --component tolva_util)

file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
foreach(path IN LISTS installed)
    if(path MATCHES "irmeter")
        message(FATAL_ERROR "the library component installed ${path}")
    endif()
endforeach()
foreach(wanted "libtolva_util.so.1" "libtolva_util.so" "include/tolva/util/Character.h"
        "include/tolva/util/tolva_util_global.h" "tolva_utilConfig.cmake" "tolva_utilConfigVersion.cmake"
        "tolva_util.pc")
    list(FILTER installed EXCLUDE REGEX "^$")
    string(REPLACE "." "\\." pattern "${wanted}")
    set(found ${installed})
    list(FILTER found INCLUDE REGEX "(^|/)${pattern}$")
    if(NOT found)
        message(FATAL_ERROR "not installed: ${wanted}\ninstalled: ${installed}")
    endif()
endforeach()

set(cxx_flags "")
if(SANITIZE)
    set(cxx_flags "-fsanitize=${SANITIZE}")
endif()

# find_package
set(cmake_build ${WORK_DIR}/cmake-consumer)
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${cmake_build} -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${CXX} "-DCMAKE_CXX_FLAGS=${cxx_flags}")
run(${CMAKE_COMMAND} --build ${cmake_build})
run(${cmake_build}/consumer ${WORK_DIR}/cmake.csv)
message(STATUS "find_package consumer: ${run_output}")
expect_csv(${WORK_DIR}/cmake.csv)

# pkg-config
file(GLOB_RECURSE pc_file ${prefix}/*/tolva_util.pc)
get_filename_component(pc_dir ${pc_file} DIRECTORY)
set(ENV{PKG_CONFIG_PATH} ${pc_dir})
run(pkg-config --modversion tolva_util)
message(STATUS "pkg-config finds tolva_util ${run_output}")
run(pkg-config --variable=libdir tolva_util)
string(STRIP "${run_output}" libdir)
run(pkg-config --cflags --libs tolva_util)
separate_arguments(pc_flags UNIX_COMMAND "${run_output}")
separate_arguments(extra_flags UNIX_COMMAND "${cxx_flags}")
run(${CXX} -std=c++17 ${extra_flags} ${CONSUMER_DIR}/main.cpp ${pc_flags} -Wl,-rpath,${libdir}
    -o ${WORK_DIR}/pc-consumer)
run(${WORK_DIR}/pc-consumer ${WORK_DIR}/pkgconfig.csv)
message(STATUS "pkg-config consumer: ${run_output}")
expect_csv(${WORK_DIR}/pkgconfig.csv)
