# Runs the grade-database generator into a fresh folder and compares what it
# writes with the files the program ships. -DPYTHON, -DGENERATOR, -DSHIPPED and
# -DOUT are given by the test.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${PYTHON} ${GENERATOR} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generator failed (${rc})")
endif()
foreach(name Concrete.db Steel.db)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${SHIPPED}/${name}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${SHIPPED}/${name} differs from what the generator writes; run the generator")
  endif()
endforeach()
file(REMOVE_RECURSE ${OUT})
