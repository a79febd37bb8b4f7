# CMake generated Testfile for 
# Source directory: /work/main/fuzz
# Build directory: /work/main/build-release/fuzz
# 
# This file includes the relevant testing commands required for 
# testing this directory and lists subdirectories to be tested as well.
add_test([=[FuzzRegression.parameter_file]=] "/work/main/build-release/fuzz/replay_parameter_file" "/work/main/tests/data/fuzz/parameter_file")
set_tests_properties([=[FuzzRegression.parameter_file]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.settings_file]=] "/work/main/build-release/fuzz/replay_settings_file" "/work/main/tests/data/fuzz/settings_file")
set_tests_properties([=[FuzzRegression.settings_file]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.burst_decoder]=] "/work/main/build-release/fuzz/replay_burst_decoder" "/work/main/tests/data/fuzz/burst_decoder")
set_tests_properties([=[FuzzRegression.burst_decoder]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.block_assembler]=] "/work/main/build-release/fuzz/replay_block_assembler" "/work/main/tests/data/fuzz/block_assembler")
set_tests_properties([=[FuzzRegression.block_assembler]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.own_recording]=] "/work/main/build-release/fuzz/replay_own_recording" "/work/main/tests/data/fuzz/own_recording")
set_tests_properties([=[FuzzRegression.own_recording]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.auto_file]=] "/work/main/build-release/fuzz/replay_auto_file" "/work/main/tests/data/fuzz/auto_file")
set_tests_properties([=[FuzzRegression.auto_file]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.process_reading]=] "/work/main/build-release/fuzz/replay_process_reading" "/work/main/tests/data/fuzz/process_reading")
set_tests_properties([=[FuzzRegression.process_reading]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
add_test([=[FuzzRegression.port_description]=] "/work/main/build-release/fuzz/replay_port_description" "/work/main/tests/data/fuzz/port_description")
set_tests_properties([=[FuzzRegression.port_description]=] PROPERTIES  _BACKTRACE_TRIPLES "/work/main/fuzz/CMakeLists.txt;25;add_test;/work/main/fuzz/CMakeLists.txt;0;")
