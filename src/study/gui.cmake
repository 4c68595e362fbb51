# The windows of the study subsystem and the widgets they use.
set(SV_STUDY_GUI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/CheckListCombo.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/CheckListCombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/SpinEdit.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/SpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/HtmlLabel.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/HtmlLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/LipPicture.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/LipPicture.cpp
)
target_sources(sv_gui PRIVATE ${SV_STUDY_GUI_SOURCES})
