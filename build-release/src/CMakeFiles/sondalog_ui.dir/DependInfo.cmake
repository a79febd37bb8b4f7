
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/src/app/choice_dialog.cpp" "src/CMakeFiles/sondalog_ui.dir/app/choice_dialog.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/choice_dialog.cpp.o.d"
  "/work/main/src/app/directory_chooser.cpp" "src/CMakeFiles/sondalog_ui.dir/app/directory_chooser.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/directory_chooser.cpp.o.d"
  "/work/main/src/app/hint_style.cpp" "src/CMakeFiles/sondalog_ui.dir/app/hint_style.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/hint_style.cpp.o.d"
  "/work/main/src/app/line_edits.cpp" "src/CMakeFiles/sondalog_ui.dir/app/line_edits.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/line_edits.cpp.o.d"
  "/work/main/src/app/main_window.cpp" "src/CMakeFiles/sondalog_ui.dir/app/main_window.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/main_window.cpp.o.d"
  "/work/main/src/app/main_window_folder.cpp" "src/CMakeFiles/sondalog_ui.dir/app/main_window_folder.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/main_window_folder.cpp.o.d"
  "/work/main/src/app/main_window_params.cpp" "src/CMakeFiles/sondalog_ui.dir/app/main_window_params.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/main_window_params.cpp.o.d"
  "/work/main/src/app/main_window_stored.cpp" "src/CMakeFiles/sondalog_ui.dir/app/main_window_stored.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/main_window_stored.cpp.o.d"
  "/work/main/src/app/main_window_view.cpp" "src/CMakeFiles/sondalog_ui.dir/app/main_window_view.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/main_window_view.cpp.o.d"
  "/work/main/src/app/record_list_model.cpp" "src/CMakeFiles/sondalog_ui.dir/app/record_list_model.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/record_list_model.cpp.o.d"
  "/work/main/src/app/text_colour.cpp" "src/CMakeFiles/sondalog_ui.dir/app/text_colour.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/app/text_colour.cpp.o.d"
  "/work/main/src/charts/chart_view.cpp" "src/CMakeFiles/sondalog_ui.dir/charts/chart_view.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/charts/chart_view.cpp.o.d"
  "/work/main/src/charts/charts_window.cpp" "src/CMakeFiles/sondalog_ui.dir/charts/charts_window.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/charts/charts_window.cpp.o.d"
  "/work/main/src/help/help_buttons.cpp" "src/CMakeFiles/sondalog_ui.dir/help/help_buttons.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/help/help_buttons.cpp.o.d"
  "/work/main/src/instrument/choice_panel.cpp" "src/CMakeFiles/sondalog_ui.dir/instrument/choice_panel.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/instrument/choice_panel.cpp.o.d"
  "/work/main/src/instrument/parameters_window.cpp" "src/CMakeFiles/sondalog_ui.dir/instrument/parameters_window.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/instrument/parameters_window.cpp.o.d"
  "/work/main/src/instrument/parameters_window_grid.cpp" "src/CMakeFiles/sondalog_ui.dir/instrument/parameters_window_grid.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/instrument/parameters_window_grid.cpp.o.d"
  "/work/main/src/instrument/parameters_window_ports.cpp" "src/CMakeFiles/sondalog_ui.dir/instrument/parameters_window_ports.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/instrument/parameters_window_ports.cpp.o.d"
  "/work/main/src/instrument/table_delegate.cpp" "src/CMakeFiles/sondalog_ui.dir/instrument/table_delegate.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/instrument/table_delegate.cpp.o.d"
  "/work/main/src/plot/graph_widget.cpp" "src/CMakeFiles/sondalog_ui.dir/plot/graph_widget.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/plot/graph_widget.cpp.o.d"
  "/work/main/build-release/src/sondalog_ui_autogen/mocs_compilation.cpp" "src/CMakeFiles/sondalog_ui.dir/sondalog_ui_autogen/mocs_compilation.cpp.o" "gcc" "src/CMakeFiles/sondalog_ui.dir/sondalog_ui_autogen/mocs_compilation.cpp.o.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build-release/src/help/CMakeFiles/sondalog_help.dir/DependInfo.cmake"
  "/work/main/build-release/src/charts/CMakeFiles/sondalog_charts.dir/DependInfo.cmake"
  "/work/main/build-release/src/serial/CMakeFiles/sondalog_serial.dir/DependInfo.cmake"
  "/work/main/build-release/src/app/CMakeFiles/sondalog_app.dir/DependInfo.cmake"
  "/work/main/build-release/src/plot/CMakeFiles/sondalog_plot.dir/DependInfo.cmake"
  "/work/main/build-release/src/recording/CMakeFiles/sondalog_recording.dir/DependInfo.cmake"
  "/work/main/build-release/src/acquisition/CMakeFiles/sondalog_acquisition.dir/DependInfo.cmake"
  "/work/main/build-release/src/instrument/CMakeFiles/sondalog_instrument.dir/DependInfo.cmake"
  "/work/main/build-release/src/util/CMakeFiles/sondalog_util.dir/DependInfo.cmake"
  "/work/main/build-release/src/processing/CMakeFiles/sondalog_processing.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
