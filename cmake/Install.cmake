# Installation: the program, its report command, the data set, the help pages and the splash
# picture go into one application directory, since the program looks for them beside its own
# executable. Launchers on the PATH, the menu entry and the icons go where the desktop expects.
#
#   <prefix>/lib/veltrin/            veltrin, veltrin-report, Calendar/, Help/, Splash.*
#   <prefix>/bin/                    veltrin, veltrin-report (relative symlinks)
#   <prefix>/share/applications/     veltrin.desktop
#   <prefix>/share/icons/hicolor/    <size>/apps/veltrin.png
#
# The Calendar/ files are installed by calendar/CMakeLists.txt into the same directory; the manual
# pages, completion, metainfo, copyright and changelog by cmake/InstallDocs.cmake.

set(VELTRIN_APP_DIR lib/veltrin)

set(VELTRIN_INSTALLED_PROGRAMS veltrin-report)
if(TARGET veltrin)
  list(PREPEND VELTRIN_INSTALLED_PROGRAMS veltrin)
endif()
install(TARGETS ${VELTRIN_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${VELTRIN_APP_DIR})

# The help pages and the splash picture are made into the build directory by their own rules; a
# build without them still installs.
install(DIRECTORY ${CMAKE_BINARY_DIR}/Help DESTINATION ${VELTRIN_APP_DIR} OPTIONAL)
install(FILES ${CMAKE_BINARY_DIR}/Splash.BMP ${CMAKE_BINARY_DIR}/Splash.GIF
              ${CMAKE_BINARY_DIR}/Splash.JPG
        DESTINATION ${VELTRIN_APP_DIR} OPTIONAL)

# The launchers are relative symlinks, so the installed tree can be moved as a whole; the program
# resolves its own path through the link and finds its files beside the real executable.
set(VELTRIN_LAUNCHER_DIR ${CMAKE_BINARY_DIR}/launchers)
file(MAKE_DIRECTORY ${VELTRIN_LAUNCHER_DIR})
foreach(program ${VELTRIN_INSTALLED_PROGRAMS})
  file(CREATE_LINK ../${VELTRIN_APP_DIR}/${program} ${VELTRIN_LAUNCHER_DIR}/${program} SYMBOLIC)
  install(FILES ${VELTRIN_LAUNCHER_DIR}/${program} DESTINATION bin)
endforeach()

if(TARGET veltrin)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/veltrin.desktop DESTINATION share/applications)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/veltrin-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps
            RENAME veltrin.png)
  endforeach()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/InstallDocs.cmake)

# A check of the installed tree: it is installed into a scratch prefix and the report command is
# started there through its launcher, from another working directory.
if(BUILD_TESTING)
  add_test(NAME install-tree
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-check -DWITH_WINDOW=$<TARGET_EXISTS:veltrin>
                   -DDESKTOP_FILE=${CMAKE_SOURCE_DIR}/packaging/veltrin.desktop
                   -P ${CMAKE_SOURCE_DIR}/cmake/CheckInstall.cmake)
endif()
