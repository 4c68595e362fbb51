# The goal-task editor.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/GoalsCreateDlg.h ${CMAKE_CURRENT_LIST_DIR}/GoalsCreateDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TaskSetup.h ${CMAKE_CURRENT_LIST_DIR}/TaskSetup.cpp
)
