# cmake -DNM=nm -DLIB=libPwrio.so -P CheckExports.cmake: fails unless the library's dynamic
# symbol table defines exactly the five device functions.
execute_process(COMMAND ${NM} -D --defined-only ${LIB} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "nm failed on ${LIB}")
endif()
string(REPLACE "\n" ";" lines "${out}")
set(found)
foreach(line IN LISTS lines)
  # "address type name"; the linker's own version-node entry (type A) is not a function.
  if(line MATCHES "^[0-9a-fA-F]+ ([A-Za-z]) ([^ @]+)")
    if(NOT CMAKE_MATCH_1 STREQUAL "A")
      list(APPEND found ${CMAKE_MATCH_2})
    endif()
  endif()
endforeach()
list(SORT found)
set(expected dsoSearch dsoSetVolt_negative5_CH4 dsoSetVolt_positive5_CH3
             dsoSetVolt_positive9_CH1 dsoSetVolt_positive9_CH2)
list(SORT expected)
if(NOT found STREQUAL expected)
  message(FATAL_ERROR "exported: ${found}\nexpected: ${expected}")
endif()
