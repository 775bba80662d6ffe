set(MINAMO_UI_MAIN_SOURCES
  ui/main/minamo_form.cpp
  ui/main/minamo_actions.cpp
  ui/main/folder_list.cpp
  ui/main/new_folder_form.cpp
  ui/main/disp_registry_form.cpp
)
