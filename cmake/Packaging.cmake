# Debian packages through CPack: `cpack -G DEB` in a build tree configured
# with -DCMAKE_INSTALL_PREFIX=/usr. Each install component becomes a package:
# `app` (everything installed without a component of its own) is "stint";
# `backend`, when the backend installs anything, is "stint-backend".
# Include this last, after every install() rule.

include(GNUInstallDirs)

# The compiled translations, also built into the program, for tools and
# packagers that look for them in the usual place.
install(CODE "file(GLOB _qm \"${CMAKE_BINARY_DIR}/src/app/stint_*.qm\")
file(INSTALL \${_qm} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/stint/translations\")"
        COMPONENT app)

# Every component that has install rules by now; a missing backend simply
# yields no second package.
get_cmake_property(_stint_components COMPONENTS)

# What Debian asks of each package: its copyright and changelog.
foreach(_component IN LISTS _stint_components)
    if(_component STREQUAL "backend")
        set(_package stint-backend)
    else()
        set(_package stint)
    endif()
    set(_changelog ${CMAKE_BINARY_DIR}/packaging/${_package}/changelog.Debian.gz)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/${_package})
    add_custom_command(OUTPUT ${_changelog}
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog > ${_changelog}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog VERBATIM)
    add_custom_target(stint_changelog_${_component} ALL DEPENDS ${_changelog})
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${_changelog}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${_package} COMPONENT ${_component})
endforeach()

set(CPACK_COMPONENTS_ALL ${_stint_components})
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME stint)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Stint team")
set(CPACK_PACKAGE_CONTACT "The Stint team <hello@stint.app>")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://stint.app/")

set(CPACK_DEBIAN_APP_PACKAGE_NAME stint)
set(CPACK_DEBIAN_APP_DESCRIPTION "Focus timer in the system tray
Stint lives in the system tray. A click opens a small panel with a
25-minute focus countdown and a 5-minute rest, the user's Google tasks
below it and the calendar's events on a second tab. The countdown also
shows in the tray icon, and the end of a phase is announced by a gong
and a desktop notification.")
# QML modules and Qt plugins are loaded at run time, out of dpkg-shlibdeps' sight.
set(CPACK_DEBIAN_APP_PACKAGE_DEPENDS
    "qml6-module-qtquick, qml6-module-qtquick-controls, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qtquick-templates, qml6-module-qtquick-window, qml6-module-qtqml-workerscript, libqt6sql6-sqlite")
# Without a backend address configured, the app runs stint-backend itself:
# installing the app brings the backend of the same build.
if("backend" IN_LIST _stint_components)
    string(APPEND CPACK_DEBIAN_APP_PACKAGE_DEPENDS
           ", stint-backend (= ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})")
endif()

set(CPACK_DEBIAN_BACKEND_PACKAGE_NAME stint-backend)
set(CPACK_DEBIAN_BACKEND_PACKAGE_SECTION net)
set(CPACK_DEBIAN_BACKEND_DESCRIPTION "Backend server of the Stint focus timer
Serves the Stint app's tasks and calendar events from the user's Google
account, checking each request's Google identity token. The app runs it
for its user on 127.0.0.1; a team can run it as a service (systemd unit
included, not enabled).")

include(CPack)
