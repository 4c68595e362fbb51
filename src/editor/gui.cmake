# The question editor window.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/QEditor.h ${CMAKE_CURRENT_LIST_DIR}/QEditor.cpp
)
