# The windows of the study subsystem and the widgets they use.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/CheckListCombo.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/CheckListCombo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/SpinEdit.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/SpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/HtmlLabel.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/HtmlLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../widgets/LipPicture.h ${CMAKE_CURRENT_LIST_DIR}/../widgets/LipPicture.cpp
  StudyContext.h
  QtSessionPorts.h QtSessionPorts.cpp
  Frames.h Frames.cpp
  QAsker.h QAsker.cpp
  StudyDialogs.h StudyDialogs.cpp
  StudyCommands.h StudyCommands.cpp
)
