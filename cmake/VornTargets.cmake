# Warnings are errors in our own code; third-party headers come in as
# system includes, so their warnings never stop the build. A checkout that
# weighs tests by planted faults turns that off: a statement removed often
# leaves a variable unused, and the fault is worth planting all the same.
option(VORN_WARNINGS_AS_ERRORS "Stop the build on a warning in our own code" ON)
function(vorn_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wimplicit-fallthrough $<$<BOOL:${VORN_WARNINGS_AS_ERRORS}>:-Werror>)
endfunction()

# vorn_test(NAME name SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS l])
function(vorn_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  vorn_warnings(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${T_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "${T_LABELS}")
endfunction()
