# quorvel.exe, and the two floors that scripts/bench holds its start-up to: a bare window, and the quiz
# window made flat (no forms, no platform). All three are built alike, so that the differences are our own.
# The "$<0:>" keeps multi-config generators from adding a Debug/Release folder: the exe is always
# ${QUORVEL_OUTPUT_DIR}/quorvel.exe, which the end-to-end tests rely on.

add_executable(quorvel WIN32 app/WinMain.cpp app/NoExceptions.cpp ${resource_script})
target_link_libraries(quorvel PRIVATE quorvel_win32)
add_executable(bare_window WIN32 bench/BareWindow.cpp)
add_executable(flat_window WIN32 bench/FlatWindow.cpp ${resource_script})
target_link_libraries(flat_window PRIVATE user32 gdi32)

foreach(program quorvel bare_window flat_window)
  set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${QUORVEL_OUTPUT_DIR}$<0:>)
  target_compile_definitions(${program} PRIVATE ${win32_definitions})
  if(MINGW)
    target_compile_options(${program} PRIVATE ${product_flags} $<$<NOT:$<CONFIG:Debug>>:-Os>)
    target_link_options(${program} PRIVATE ${static_link} -mwindows $<$<NOT:$<CONFIG:Debug>>:-s> -Wl,--gc-sections)
  elseif(MSVC)
    # The manifest comes from quorvel.rc; the linker must not add a second one.
    target_link_options(${program} PRIVATE /SUBSYSTEM:WINDOWS /MANIFEST:NO)
  endif()
endforeach()
if(MINGW)
  target_link_options(bare_window PRIVATE -municode)
endif()

# The readme and the sample dictionary ship beside the exe.
if(dist_files)
  add_custom_command(TARGET quorvel POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dist_files} $<TARGET_FILE_DIR:quorvel>
    VERBATIM)
endif()
