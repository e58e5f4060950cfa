# Read after CMake's MinGW platform rules: find_library takes static archives only, never the
# import libraries of DLLs, so that the programs need no DLL beside them.
set(CMAKE_FIND_LIBRARY_SUFFIXES ".a")
