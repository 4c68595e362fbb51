# The documents of memory verses, the scripture portion and the concordance.
target_sources(sv_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/MemoryList.h ${CMAKE_CURRENT_LIST_DIR}/MemoryList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScripturePortion.h ${CMAKE_CURRENT_LIST_DIR}/ScripturePortion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Concordance.h ${CMAKE_CURRENT_LIST_DIR}/Concordance.cpp
)
