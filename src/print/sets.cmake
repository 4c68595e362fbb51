# The question set builder, the set document and the question lists (core).
target_sources(sv_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SetsHelper.h ${CMAKE_CURRENT_LIST_DIR}/SetsHelper.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetsOfQs.h ${CMAKE_CURRENT_LIST_DIR}/SetsOfQs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetBuilder.h ${CMAKE_CURRENT_LIST_DIR}/SetBuilder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetsMaker.h ${CMAKE_CURRENT_LIST_DIR}/SetsMaker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetDocument.h ${CMAKE_CURRENT_LIST_DIR}/SetDocument.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuestionList.h ${CMAKE_CURRENT_LIST_DIR}/QuestionList.cpp
)
