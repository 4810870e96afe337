# One way to make every test: shroud_add_test(name SOURCES ... LIBS ... [WIDGETS])
# WIDGETS tests run on Qt's offscreen platform with a private configuration folder.
function(shroud_add_test name)
    cmake_parse_arguments(T "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    if(T_WIDGETS)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${name};QT_LOGGING_RULES=qt.qpa.*=false")
    endif()
endfunction()
