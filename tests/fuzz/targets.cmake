quorix_fuzz_target(fuzz_mlb ${SRC}/records/tmlb2.cpp ${SRC}/records/tconcordances.cpp ${SRC}/app/atomicfile.cpp)
quorix_fuzz_target(fuzz_namedvalues ${SRC}/app/namedvalues.cpp)
quorix_fuzz_target(fuzz_inifile ${SRC}/app/inifile.cpp ${SRC}/app/atomicfile.cpp)
quorix_fuzz_target(fuzz_proc ${SRC}/platform/linux/procfiles.cpp ${SRC}/platform/linux/drivetable.cpp ${SRC}/platform/linux/kernelfile.cpp)
