# velkaro_add_test(NAME SOURCES ... LIBS ... [LABEL unit|gui|lab|e2e] [ENV ...]): one GoogleTest
# program as one CTest test. Qt runs on its offscreen platform unless ENV says otherwise.
function(velkaro_add_test name)
  cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS;ENV" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VELKARO_SOURCE_DIR=${CMAKE_SOURCE_DIR};${T_ENV}")
endfunction()
