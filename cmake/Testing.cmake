# One way to make every test: shroud_add_test(name SOURCES ... LIBS ... [WIDGETS])
# WIDGETS tests run on Qt's offscreen platform with a private configuration folder. Tests reach
# each other's fixtures as "tests/area/Fixture.h", and the libraries' headers through the
# libraries they link.
set(shroud_test_headers ${CMAKE_BINARY_DIR}/include/tests)
file(MAKE_DIRECTORY ${shroud_test_headers})
file(CREATE_LINK ${CMAKE_SOURCE_DIR}/tests ${shroud_test_headers}/tests SYMBOLIC)

function(shroud_add_test name)
    cmake_parse_arguments(T "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    target_include_directories(${name} PRIVATE ${shroud_test_headers})
    add_test(NAME ${name} COMMAND ${name})
    if(T_WIDGETS)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${name};QT_LOGGING_RULES=qt.qpa.*=false")
    endif()
endfunction()
