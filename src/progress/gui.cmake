# The progress window and its chart.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ProgressChart.h ${CMAKE_CURRENT_LIST_DIR}/ProgressChart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressChartForm.h ${CMAKE_CURRENT_LIST_DIR}/ProgressChartForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerseMapView.h ${CMAKE_CURRENT_LIST_DIR}/VerseMapView.cpp
)
target_link_libraries(sv_gui PUBLIC Qt6::Charts)
