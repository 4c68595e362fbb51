# Tests of the set builder, the set document and the question lists.
sv_add_test(test_sets CORE
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SetFixtures.h
    ${CMAKE_CURRENT_LIST_DIR}/test_set_builder.cpp
  LIBS sv_core sv_testsupport)
