# The working lists: questions, memory verses, references.
target_sources(sv_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AccTos.h ${CMAKE_CURRENT_LIST_DIR}/AccTos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LeastKnown.h
  ${CMAKE_CURRENT_LIST_DIR}/ListSort.h
  ${CMAKE_CURRENT_LIST_DIR}/ListWalk.h
  ${CMAKE_CURRENT_LIST_DIR}/MVs.h ${CMAKE_CURRENT_LIST_DIR}/MVs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QsList.h ${CMAKE_CURRENT_LIST_DIR}/QsList.cpp
)
