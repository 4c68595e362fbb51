# The working lists: questions, memory verses, references.
target_sources(sv_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ListSort.h
  ${CMAKE_CURRENT_LIST_DIR}/QsList.h ${CMAKE_CURRENT_LIST_DIR}/QsList.cpp
)
