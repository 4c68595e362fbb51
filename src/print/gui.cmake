# The memory verse list, scripture portion and concordance windows, their command
# registration, and the platform save dialog.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/SaveDialog.h ${CMAKE_CURRENT_LIST_DIR}/SaveDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComboItems.h
  ${CMAKE_CURRENT_LIST_DIR}/DocumentDlg.h ${CMAKE_CURRENT_LIST_DIR}/DocumentDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemListDlg.h ${CMAKE_CURRENT_LIST_DIR}/MemListDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptureDlg.h ${CMAKE_CURRENT_LIST_DIR}/ScriptureDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConcordanceDlg.h ${CMAKE_CURRENT_LIST_DIR}/ConcordanceDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintCommands.h ${CMAKE_CURRENT_LIST_DIR}/PrintCommands.cpp
)
