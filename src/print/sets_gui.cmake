# The question sets and question lists windows.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/PrintContext.h ${CMAKE_CURRENT_LIST_DIR}/PrintContext.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetsDlg.h ${CMAKE_CURRENT_LIST_DIR}/SetsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListsDlg.h ${CMAKE_CURRENT_LIST_DIR}/ListsDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SetsListsCommands.h ${CMAKE_CURRENT_LIST_DIR}/SetsListsCommands.cpp
)
