# Tests of the set builder, the set document and the question lists.
sv_add_test(test_sets CORE
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SetFixtures.h
    ${CMAKE_CURRENT_LIST_DIR}/test_set_builder.cpp
  LIBS sv_core sv_testsupport)
sv_add_test(test_set_documents CORE
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/SetFixtures.h
    ${CMAKE_CURRENT_LIST_DIR}/test_set_document.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_question_list.cpp
  LIBS sv_core sv_testsupport)
sv_add_test(test_sv_doc_sets CORE
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_sv_doc_sets.cpp
  LIBS sv_core)
target_compile_definitions(test_sv_doc_sets PRIVATE SV_DOC_EXE="$<TARGET_FILE:sv-doc>"
  SV_PROGRAM_DIR="${SV_PROGRAM_DIR}")
add_dependencies(test_sv_doc_sets sv-doc sv_content_files)
sv_add_test(test_print_windows
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/test_print_windows.cpp ${CMAKE_SOURCE_DIR}/tests/study/QtTestApp.cpp
  LIBS sv_gui Qt6::Test sv_testsupport)
