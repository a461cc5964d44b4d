# Installs the runtime from the build, builds the minimal sample and a
# package application (with the documentation's examples) as projects of
# their own against the installed package, and the application again with
# the project added as a subdirectory, and runs them under Wine to their
# exit codes. First, every C++ block of docs/*.md must stand word for word
# in the sample or an example, so that what the pages show compiles.
#   cmake -DSOURCE=... -DBUILD=... -DDRIVER=... -P run.cmake
set(prefix ${BUILD}/package/prefix)
set(toolchain ${prefix}/lib/cmake/QnRuntime/mingw-i686.cmake)
file(REMOVE_RECURSE ${prefix})

set(examples ${SOURCE}/docs/examples)
file(GLOB example_files ${examples}/*.cpp)
list(PREPEND example_files ${SOURCE}/samples/minimal/minimal.cpp)
set(fence "```")
file(GLOB pages ${SOURCE}/docs/*.md)
foreach(page ${pages})
  file(READ ${page} rest)
  string(FIND "${rest}" "${fence}cpp\n" start)
  while(NOT start EQUAL -1)
    math(EXPR start "${start} + 7")
    string(SUBSTRING "${rest}" ${start} -1 rest)
    string(FIND "${rest}" "${fence}" end)
    if(end EQUAL -1)
      message(FATAL_ERROR "${page}: a C++ block without its end")
    endif()
    string(SUBSTRING "${rest}" 0 ${end} block)
    string(SUBSTRING "${rest}" ${end} -1 rest)
    # Whole lines of one file: the block follows a line end there.
    set(found -1)
    foreach(file ${example_files})
      file(READ ${file} text)
      string(FIND "\n${text}" "\n${block}" found)
      if(NOT found EQUAL -1)
        break()
      endif()
    endforeach()
    if(found EQUAL -1)
      string(FIND "${block}" "\n" line_end)
      string(SUBSTRING "${block}" 0 ${line_end} first_line)
      message(FATAL_ERROR "${page}: a C++ block is in no file of docs/examples "
                          "nor in samples/minimal/minimal.cpp; it begins:\n${first_line}")
    endif()
    string(FIND "${rest}" "${fence}cpp\n" start)
  endwhile()
endforeach()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE output
                  ERROR_VARIABLE output)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${code}):\n${output}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix})
foreach(file include/qnruntime.h lib/libqn_base.a lib/cmake/QnRuntime/QnRuntimeConfig.cmake
             share/doc/QnRuntime/docs/guide.md share/doc/QnRuntime/samples/minimal/minimal.cpp)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "The package lacks ${file}")
  endif()
endforeach()

foreach(project minimal:${SOURCE}/samples/minimal application:${SOURCE}/tests/package)
  string(REPLACE ":" ";" project ${project})
  list(GET project 0 name)
  list(GET project 1 folder)
  file(REMOVE_RECURSE ${BUILD}/package/${name})
  run(${CMAKE_COMMAND} -S ${folder} -B ${BUILD}/package/${name} -G Ninja
      -DCMAKE_TOOLCHAIN_FILE=${toolchain} -DCMAKE_PREFIX_PATH=${prefix}
      -DCMAKE_BUILD_TYPE=MinSizeRel -DQN_DOCS_EXAMPLES=${examples})
  run(${CMAKE_COMMAND} --build ${BUILD}/package/${name})
endforeach()

function(expect_exit code)
  execute_process(COMMAND ${SOURCE}/scripts/wine-run ${BUILD} ${ARGN} RESULT_VARIABLE result
                  OUTPUT_VARIABLE output ERROR_VARIABLE output TIMEOUT 240)
  if(NOT result STREQUAL "${code}")
    message(FATAL_ERROR "${ARGN}: exit code ${result}, expected ${code}\n${output}")
  endif()
endfunction()

# The same application with the project added by add_subdirectory.
file(REMOVE_RECURSE ${BUILD}/package/subdirectory)
run(${CMAKE_COMMAND} -S ${SOURCE}/tests/package/subdirectory -B ${BUILD}/package/subdirectory
    -G Ninja -DCMAKE_TOOLCHAIN_FILE=${SOURCE}/cmake/mingw-i686.cmake -DQN_SOURCE=${SOURCE}
    -DCMAKE_BUILD_TYPE=MinSizeRel)
run(${CMAKE_COMMAND} --build ${BUILD}/package/subdirectory)

# The sample: About opens its modal box, OK closes it, closing the window
# ends the program with 0.
expect_exit(0 ${DRIVER} ${BUILD}/package/minimal/Minimal.exe)
# The package application ends with 42 when its C++ start-up was whole.
expect_exit(42 ${BUILD}/package/application/PackageApplication.exe)
expect_exit(42 ${BUILD}/package/subdirectory/SubdirectoryApplication.exe)
message(STATUS "The package builds the sample and an application, and both run")
