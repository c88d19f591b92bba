# `make package`: a Debian package of what the install puts under /usr,
# made by CPack's DEB generator from the release build. The libraries it
# needs are found by dpkg-shlibdeps on the installed programs and the web
# engine; only what they load at run time by name (Qt's plugins, the sound
# decoders) is listed by hand, as recommendations.
set(VORN_PACKAGE_MAINTAINER
  "VORNscript maintainers <maintainers@users.noreply.c-seed-7d9347f4.example>"
  CACHE STRING "Maintainer of the Debian package: Name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vornscript)
set(CPACK_PACKAGE_VENDOR "VORNscript")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "authoring client for the illustrated adventures of Pequenia")
# Debian's extended description: lines under 80 columns, an empty line
# between paragraphs (CPack writes it as " .").
set(CPACK_PACKAGE_DESCRIPTION [=[
VORNscript is a desktop program for writing the small illustrated
adventure games that the Pequenia service hosts. An author logs in, picks
or creates an adventure, writes its scripts in the Vorn script language
with templates, an instruction reference and a syntax checker, stores them
on the server, previews them in an embedded browser, and manages the
adventure's pictures, sounds, objects, map and parameters. The program
speaks Portuguese.

The package also holds the command-line tools vorncheck (the script
checker), vornmap (compiles and checks an adventure's map), vornaudit
(audits an exported adventure offline) and vornsync (keeps an adventure in
step with a folder of plain files), and pequenia-local, a stand-in
for the service with its own SQLite store and demo data.]=])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VORN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so dpkg-shlibdeps cannot see them: the window
# system and picture plugins of Qt, Qt's own texts in Portuguese, and the
# decoders and sound output of the media player.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-qpa-plugins, qt6-image-formats-plugins, qt6-translations-l10n, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-alsa")
# The copyright file and the changelog Debian asks of every package, added
# to the staged tree only (make install leaves them out).
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/VornDebianDocs.cmake)
set(CPACK_VORN_COPYRIGHT_FILE ${PROJECT_SOURCE_DIR}/packaging/copyright)
include(CPack)
