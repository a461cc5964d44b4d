# Link settings of the test programs that need more than the default.
foreach(name entry_probe)
  target_link_options(${name} PRIVATE -nostartfiles -Wl,-e,_ProgramEntry@0 -Wl,-u,_ProgramEntry@0
                      -Wl,--no-gc-sections)
endforeach()
target_link_libraries(entry_probe PRIVATE filter_probe)
