# Fails when the given binary needs Qt Multimedia to load, or names no
# library at all (a reading that shows nothing proves nothing).
execute_process(COMMAND readelf -d ${BINARY} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "readelf failed on ${BINARY}")
endif()
if(NOT dynamic MATCHES "NEEDED.*libQt6Widgets")
  message(FATAL_ERROR "no Qt libraries among the needed ones of ${BINARY}:\n${dynamic}")
endif()
if(dynamic MATCHES "libQt6Multimedia")
  message(FATAL_ERROR "${BINARY} needs Qt Multimedia:\n${dynamic}")
endif()
message(STATUS "${BINARY} does not need Qt Multimedia")
