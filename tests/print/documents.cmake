# The documents of memory verses, the scripture portion and the concordance.
target_sources(test_print PRIVATE ${CMAKE_CURRENT_LIST_DIR}/PrintFixture.h ${CMAKE_CURRENT_LIST_DIR}/test_documents.cpp)
