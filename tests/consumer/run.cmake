# Installs the build into a staging folder, checks what landed there, builds a
# separate project against the installed package and runs it.
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -P run.cmake
file(REMOVE_RECURSE ${WORK_DIR})
set(stage ${WORK_DIR}/stage)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${stage}
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "install failed")
endif()
foreach(f bin/fendle share/man/man1/fendle.1 include/fendle/fendle.hpp include/fendle/translate.hpp)
  if(NOT EXISTS ${stage}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE configs ${stage}/*/fendleConfig.cmake)
file(GLOB_RECURSE libraries ${stage}/*/libfendle.a)
if(NOT configs OR NOT libraries)
  message(FATAL_ERROR "no package config or library installed")
endif()

find_program(MAN man)
if(MAN)
  # groff -ww through man: any warning about the page is a fault of the page.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFOPT=-ww
    ${MAN} -l ${stage}/share/man/man1/fendle.1
    RESULT_VARIABLE failed OUTPUT_VARIABLE page ERROR_VARIABLE problems)
  if(failed OR NOT page MATCHES "EXIT STATUS" OR problems MATCHES "warning|error")
    message(FATAL_ERROR "the manual page does not render: ${problems}")
  endif()
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build
  -DCMAKE_PREFIX_PATH=${stage} -DCMAKE_BUILD_TYPE=Release
  "-DCMAKE_CXX_FLAGS=${CONSUMER_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_FLAGS}"
  RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the consumer did not configure")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the consumer did not build")
endif()
execute_process(COMMAND ${WORK_DIR}/build/consumer RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "the consumer failed")
endif()
