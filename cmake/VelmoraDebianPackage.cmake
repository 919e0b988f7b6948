# The Debian package, built with cpack from any configured build tree
# (scripts/package; the packaging test reuses the developer tree). The
# install rules of packaging/ and voices/ say what goes in; this says how it
# is wrapped.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "The Velmora developers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese talking alarm clock for the desktop tray")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora (ベルモラ) lives in the system tray and shows a small frameless\n"
    "analogue clock. It speaks the time at regular marks with one of six\n"
    "Japanese voices and wakes its user with spoken words, sound effects and\n"
    "music, with snooze, a rising volume and days without an alarm. It can\n"
    "wake the computer from sleep before the alarm.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

# The install rules place the /usr/bin links and the desktop entry's Exec
# from CMAKE_INSTALL_PREFIX at install time: it must be the final /usr, with
# the staging folder only in DESTDIR.
# (With DESTDIR staging cpack installs to CPACK_INSTALL_PREFIX, not to the
# build tree's own prefix.)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE amd64)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; these are what
# they load or run while running: MeCab's dictionary for kanji readings,
# Qt Multimedia's GStreamer back end for music (wav, ogg, flac, out to
# PulseAudio), the Japanese font the clock and dialogs draw with, and
# xdg-open for what the program does not play itself. mp3 and m4a need
# libav's plugins, and setcap only lets the alarm wake the computer: both
# are worth having but the program runs without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "open-jtalk-mecab-naist-jdic, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-pulseaudio, fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-libav, libcap2-bin")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${VELMORA_PACKAGE_POSTINST})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
