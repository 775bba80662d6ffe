# The code table viewer: code table window, magnifier popup, font list and
# the owner-drawn grid they are built on.
set(MINAMO_UI_GCODE_SOURCES
  ui/gcode/code_numbering.cpp
  ui/gcode/fit_path.cpp
  ui/gcode/draw_grid.cpp
  ui/gcode/font_combo_box.cpp
  ui/gcode/gaiji_form.cpp
  ui/gcode/gcode_form.cpp
  ui/gcode/gcode_cells.cpp
  ui/gcode/gcode_code_change.cpp
  ui/gcode/gcode_status.cpp
)
