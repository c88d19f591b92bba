# What `make install` puts where: the program, the command-line tools and
# the stand-in service in bin/, the web engine in a folder of its own that
# the program finds relative to itself, the menu entry and its icon. Tests,
# benchmarks and fuzz harnesses stay in the build tree.
#
# No installed file links a library of ours, so the install RPATH stays
# empty: CMake removes whatever the build tree needed as it copies.
include(GNUInstallDirs)

set(VORN_INSTALL_ENGINE_DIR ${CMAKE_INSTALL_LIBDIR}/vornscript)

set(vorn_installed_programs)
foreach(target vorncheck vornmap vornaudit pequenia-local)
  if(TARGET ${target})
    list(APPEND vorn_installed_programs ${target})
  endif()
endforeach()
if(vorn_installed_programs)
  install(TARGETS ${vorn_installed_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TARGET VORNscript)
  list(APPEND vorn_installed_programs VORNscript vorn_browser)
  install(TARGETS VORNscript RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS vorn_browser LIBRARY DESTINATION ${VORN_INSTALL_ENGINE_DIR})
  install(FILES ${PROJECT_SOURCE_DIR}/assets/vornscript.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/vornscript.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # The installed program looks for the engine from its own folder, so the
  # whole tree may move (another PREFIX, a DESTDIR staged elsewhere). Only
  # the file that looks needs to know.
  file(RELATIVE_PATH vorn_engine_from_program ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_LIBDIR}/vornscript)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/windows/browser_engine.cpp
    TARGET_DIRECTORY vorn_windows APPEND PROPERTY
    COMPILE_DEFINITIONS VORN_BROWSER_ENGINE_INSTALLED="${vorn_engine_from_program}")
endif()

# Everything the install copies, built in one step (make install).
add_custom_target(vorn_installed)
if(vorn_installed_programs)
  add_dependencies(vorn_installed ${vorn_installed_programs})
endif()
