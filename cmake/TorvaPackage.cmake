# "cmake --build BUILD --target package" makes a Debian package of what the
# install rules install: torvaview_<version>_<arch>.deb.

set(TORVA_MAINTAINER "Torvaview developers <torvaview@users.noreply.github.com>")
execute_process(COMMAND date -u -R -d ${TORVA_RELEASE_DATE}
  OUTPUT_VARIABLE TORVA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# Whatever the builder's umask: Debian wants its folders rwxr-xr-x.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TORVA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dashcam recording viewer with telemetry and map")
set(CPACK_PACKAGE_DESCRIPTION "Torvaview plays the recordings of in-car cameras (dashcams) straight from
their memory card: front and rear camera together, with the acceleration,
GPS position and speed the camera stored, a graph of the acceleration and
the route on a map. It also edits the camera's settings on the card.

The command-line tool torva prints, converts and clips the same
recordings and edits the settings from a terminal.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Recordings are made playable, clipped and exported with ffmpeg at run time.
set(CPACK_DEBIAN_PACKAGE_DEPENDS ffmpeg)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build tree.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_THREADS 0)
include(CPack)
