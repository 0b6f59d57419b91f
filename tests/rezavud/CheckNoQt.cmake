# cmake -DLIBRARY=<path> -P CheckNoQt.cmake
# Fails when the library, or anything it loads, is a Qt library.
execute_process(COMMAND ldd ${LIBRARY} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ldd ${LIBRARY} failed: ${err}")
endif()
# A listing without the C++ runtime would mean that ldd told us nothing.
if(NOT out MATCHES "libstdc\\+\\+")
  message(FATAL_ERROR "unexpected ldd output for ${LIBRARY}:\n${out}")
endif()
if(out MATCHES "libQt")
  message(FATAL_ERROR "${LIBRARY} loads Qt:\n${out}")
endif()
message(STATUS "${LIBRARY} loads no Qt library")
