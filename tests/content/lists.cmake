# Tests of the working lists (question, memory-verse and reference lists).
sv_add_test(test_lists CORE
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_list_sort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_qslist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_mvlist.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_acctolist.cpp
  LIBS sv_core sv_testsupport)
