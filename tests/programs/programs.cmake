# Link settings of the test programs that need more than the default: the
# programs that start at the runtime's program entry.
foreach(name entry_probe crash_probe)
  target_link_options(${name} PRIVATE -nostartfiles -Wl,-e,_ProgramEntry@0 -Wl,-u,_ProgramEntry@0)
endforeach()
# The probe DLL stays imported although no code of the program calls it.
foreach(name entry_probe crash_probe)
  target_link_options(${name} PRIVATE -Wl,--no-gc-sections)
  target_link_libraries(${name} PRIVATE filter_probe)
endforeach()
# The probes that build their windows with the tests' template helpers.
foreach(name shutdown_probe wide_probe)
  target_sources(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/support/template_builder.cpp)
endforeach()
