# The Debian package (`make package`, or `cpack` in the build directory): the installed tree of
# cmake/Install.cmake under /usr, with the runtime libraries found by dpkg-shlibdeps and the fonts
# the reports are shown in. The maintainer is VELTRIN_MAINTAINER ("Name <address>"), set when
# configuring; tests/package/ builds the package and runs lintian on it.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrin)
set(CPACK_PACKAGE_VENDOR "Veltrin Calendar")
set(CPACK_PACKAGE_CONTACT "${VELTRIN_MAINTAINER}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The synopsis and the extended description go into the control file as they are: lintian wants
# the lines within 80 columns and the synopsis without a full stop.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Orthodox church calendar of the Julian reckoning (Велтринский календарь)")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop calendar of the Julian-reckoned Eastern Orthodox church year,
in Russian. For any day from 1900 to 2100 it shows the date from the
Creation of the World, in the old and the new style, the weekday and the
day's place in the Paschal cycle, the tone, the feasts and saints of the
day with their Typikon signs, and reports of the week, month and year, the
main feasts and a search of the year's commemorations.
The veltrin-report command writes the same reports to the terminal or to
RTF files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELTRIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# md5sums and the control files with the modes dpkg expects.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# A real home page only: the default is a placeholder in the reserved .invalid domain.
if(DEFINED VELTRIN_HOMEPAGE AND NOT VELTRIN_HOMEPAGE MATCHES "\\.invalid(/|$)")
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELTRIN_HOMEPAGE}")
endif()
# dpkg-shlibdeps adds the Qt and C++ libraries the programs link to, with their versions (Qt's
# X11 platform plugin comes with libqt6gui6); named here is what is used at run time without
# being linked: the fonts, Qt's Russian translations of its own dialogs, the icon theme and the
# Wayland platform plugin.
if(TARGET veltrin)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core | fonts-liberation, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, fonts-liberation, qt6-wayland")
endif()

include(CPack)
