quorix_fuzz_target(fuzz_mlb ${SRC}/records/tmlb2.cpp ${SRC}/records/tconcordances.cpp ${SRC}/app/atomicfile.cpp)
