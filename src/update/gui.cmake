# The update and proxy windows, the update's dialogs and the registration with the main window.
target_sources(sv_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/UpdateDialogs.h ${CMAKE_CURRENT_LIST_DIR}/UpdateDialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WebUpdateForm.h ${CMAKE_CURRENT_LIST_DIR}/WebUpdateForm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpdateCommands.h ${CMAKE_CURRENT_LIST_DIR}/UpdateCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeychainStore.h ${CMAKE_CURRENT_LIST_DIR}/KeychainStore.cpp
)
# The proxy password lives in the desktop's keyring.
find_package(Qt6Keychain REQUIRED GLOBAL)   # sv_gui is made in the folder above
target_link_libraries(sv_gui PRIVATE Qt6Keychain::Qt6Keychain)
# The program's version goes into the version block of the program file.
foreach(part MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    set(sv_version_${part} 0)
  else()
    set(sv_version_${part} ${PROJECT_VERSION_${part}})
  endif()
endforeach()
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/UpdateCommands.cpp TARGET_DIRECTORY sv_gui PROPERTIES COMPILE_DEFINITIONS
  "SV_VERSION_MAJOR=${sv_version_MAJOR};SV_VERSION_MINOR=${sv_version_MINOR};SV_VERSION_PATCH=${sv_version_PATCH};SV_VERSION_TWEAK=${sv_version_TWEAK}")
