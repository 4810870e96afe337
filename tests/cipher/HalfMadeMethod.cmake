# Builds the toy method of HalfMadeMethod.cpp each way: whole it compiles; half made, with a
# reader left out or given as null, the build refuses its block shape.
foreach(way 0 1 2)
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target half_made_method_${way}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(way EQUAL 0 AND failed)
        message(FATAL_ERROR "The whole toy method does not compile:\n${output}")
    elseif(NOT way EQUAL 0 AND NOT failed)
        message(FATAL_ERROR "The toy method half made (way ${way}) compiles.")
    elseif(NOT way EQUAL 0 AND NOT output MATCHES "BlockShape")
        message(FATAL_ERROR "The toy method half made (way ${way}) fails for another reason:\n"
                            "${output}")
    endif()
endforeach()
