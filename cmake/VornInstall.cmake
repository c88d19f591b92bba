# What `make install` puts where: the program, the command-line tools and
# the stand-in service in bin/, the web engine in a folder of its own that
# the program finds relative to itself, the menu entry, its icon and the
# AppStream metainfo, a manual page per program and the bash completion of
# the command-line tools. Tests, benchmarks and fuzz harnesses stay in the
# build tree.
#
# No installed file links a library of ours, so the install RPATH stays
# empty: CMake removes whatever the build tree needed as it copies.
include(GNUInstallDirs)

# The AppStream file of the program, named after its component id.
set(VORN_METAINFO io.github.vornscript.vornscript.metainfo.xml)

set(VORN_INSTALL_ENGINE_DIR ${CMAKE_INSTALL_LIBDIR}/vornscript)

set(vorn_installed_programs)
foreach(target vorncheck vornmap vornaudit vornsync pequenia-local)
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
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${VORN_METAINFO}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

  # The installed program looks for the engine from its own folder, so the
  # whole tree may move (another PREFIX, a DESTDIR staged elsewhere). Only
  # the file that looks needs to know.
  file(RELATIVE_PATH vorn_engine_from_program ${CMAKE_INSTALL_FULL_BINDIR}
    ${CMAKE_INSTALL_FULL_LIBDIR}/vornscript)
  set_property(SOURCE ${PROJECT_SOURCE_DIR}/windows/browser_engine.cpp
    TARGET_DIRECTORY vorn_windows APPEND PROPERTY
    COMPILE_DEFINITIONS VORN_BROWSER_ENGINE_INSTALLED="${vorn_engine_from_program}")
endif()

# A manual page per installed program, from docs/man/NAME.1.scd through
# scdoc, compressed as Debian keeps them (gzip -n: no name or time inside).
find_program(VORN_SCDOC scdoc REQUIRED)
find_program(VORN_GZIP gzip REQUIRED)
set(vorn_man_pages)
foreach(program VORNscript vorncheck vornmap vornaudit vornsync pequenia-local)
  if(NOT TARGET ${program})
    continue()
  endif()
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${program}.1.scd)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND sh -c "\"$1\" < \"$2\" > \"$4.part\" && \"$3\" -9nf \"$4.part\" && mv \"$4.part.gz\" \"$4\""
      sh ${VORN_SCDOC} ${source} ${VORN_GZIP} ${page}
    DEPENDS ${source}
    COMMENT "Manual page ${program}(1)"
    VERBATIM)
  list(APPEND vorn_man_pages ${page})
endforeach()
if(vorn_man_pages)
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
  add_custom_target(vorn_man_pages ALL DEPENDS ${vorn_man_pages})
  install(FILES ${vorn_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# One completion file serves the four tools; bash-completion loads a
# command's completion from the file of that command's name.
foreach(tool vorncheck vornmap vornaudit vornsync)
  if(TARGET ${tool})
    install(FILES ${PROJECT_SOURCE_DIR}/completions/vorn-tools.bash
      DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME ${tool})
  endif()
endforeach()

# Everything the install copies, built in one step (make install).
add_custom_target(vorn_installed)
if(vorn_installed_programs)
  add_dependencies(vorn_installed ${vorn_installed_programs})
endif()
if(vorn_man_pages)
  add_dependencies(vorn_installed vorn_man_pages)
endif()
include(VornPackage)
