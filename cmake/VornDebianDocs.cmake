# Run by CPack once the tree to package is staged: adds
# usr/share/doc/vornscript/copyright and changelog.gz (a native package's
# one-entry changelog), which Debian asks of every package.
set(doc ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${doc})
file(COPY_FILE ${CPACK_VORN_COPYRIGHT_FILE} ${doc}/copyright)
# SOURCE_DATE_EPOCH, when set, makes the date (and so the package) repeatable.
string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${doc}/changelog
  "${CPACK_PACKAGE_NAME} (${CPACK_PACKAGE_VERSION}) unstable; urgency=medium\n\n"
  "  * Package made from the project's sources by make package.\n\n"
  " -- ${CPACK_DEBIAN_PACKAGE_MAINTAINER}  ${date}\n")
execute_process(COMMAND gzip -9nf ${doc}/changelog RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip of ${doc}/changelog failed")
endif()
