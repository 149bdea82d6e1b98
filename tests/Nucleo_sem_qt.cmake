# Fails when the core's test program needs a Qt library: it links the core and
# GoogleTest only, with every library of its link line kept (--no-as-needed), so a Qt
# library reaching the core's link line shows here.
#   cmake -DPROGRAMA=<testes_nucleo> -P Nucleo_sem_qt.cmake
execute_process(COMMAND readelf --dynamic ${PROGRAMA}
                OUTPUT_VARIABLE dinamica RESULT_VARIABLE resultado)
if(NOT resultado EQUAL 0)
  message(FATAL_ERROR "readelf could not read ${PROGRAMA}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" necessarias "${dinamica}")
if(NOT necessarias)
  message(FATAL_ERROR "no shared library listed in ${PROGRAMA}")
endif()
foreach(linha ${necessarias})
  if(linha MATCHES "libQt")
    message(FATAL_ERROR "the core links Qt: ${linha}")
  endif()
endforeach()
message(STATUS "${PROGRAMA} needs no Qt")
