# The fuzz targets, their harness functions and the harnesses' sources: shared by the libFuzzer
# build (fuzz/CMakeLists.txt) and the replay test (tests/fuzz/CMakeLists.txt).
set(VORLINT_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VORLINT_FUZZ_TARGETS formula datafiles simulation vrl)
set(VORLINT_FUZZ_HARNESS_formula FuzzFormula)
set(VORLINT_FUZZ_HARNESS_datafiles FuzzDataFiles)
set(VORLINT_FUZZ_HARNESS_simulation FuzzSimulation)
set(VORLINT_FUZZ_HARNESS_vrl FuzzVrlFile)
# How much slower the libFuzzer build runs than a plain -O1 build, so that its time budget stands for
# 100 ms of plain work. Measured on the seeds: parsing and evaluating are 20 to 60 times slower (every
# comparison calls libFuzzer's hook, on top of the sanitizers' 4 to 5 times); the simulation step,
# which mostly builds an engine, 2 to 3 times.
set(VORLINT_FUZZ_SLOWDOWN_formula 10)
set(VORLINT_FUZZ_SLOWDOWN_datafiles 10)
set(VORLINT_FUZZ_SLOWDOWN_simulation 3)
set(VORLINT_FUZZ_SLOWDOWN_vrl 10)
set(VORLINT_FUZZ_HARNESS_SOURCES
  ${VORLINT_FUZZ_DIR}/DataFileHarness.cpp
  ${VORLINT_FUZZ_DIR}/EngineChecks.cpp
  ${VORLINT_FUZZ_DIR}/FormulaHarness.cpp
  ${VORLINT_FUZZ_DIR}/Invariant.cpp
  ${VORLINT_FUZZ_DIR}/SimulationHarness.cpp
  ${VORLINT_FUZZ_DIR}/StepChecks.cpp
  ${VORLINT_FUZZ_DIR}/VrlFileHarness.cpp
  ${VORLINT_FUZZ_DIR}/WorkingDirectory.cpp
)
