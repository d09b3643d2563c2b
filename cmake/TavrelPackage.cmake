# `cpack -G DEB` after a release build gives a package that `apt install ./tavrel_*.deb`
# turns into a working player: the run-time libraries and the GStreamer plug-in sets the
# player needs to open the common formats and DVD folders.
set(CPACK_PACKAGE_NAME tavrel)
set(CPACK_PACKAGE_VENDOR Quenfold)
set(CPACK_PACKAGE_CONTACT "Tavrel developers <dev@tavrel.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "borderless video player with skinned panels over the picture")
set(CPACK_PACKAGE_DESCRIPTION "Tavrel plays video files, playlists and DVD-Video folders in one \
borderless window whose controls float over the picture and hide themselves.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tavrel.org/)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_VERSION "${PROJECT_VERSION}~beta2")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6" "libstdc++6" "libqt6core6 (>= 6.4)" "libqt6gui6 (>= 6.4)" "libqt6widgets6 (>= 6.4)"
    "libqt6network6 (>= 6.4)" "libqt6dbus6 (>= 6.4)" "qt6-qpa-plugins"
    "libgstreamer1.0-0 (>= 1.22)" "libgstreamer-plugins-base1.0-0 (>= 1.22)"
    "libswscale6" "libavutil57"
    "gstreamer1.0-plugins-base" "gstreamer1.0-plugins-good" "gstreamer1.0-libav"
    "gstreamer1.0-x")
string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "gstreamer1.0-plugins-bad" "gstreamer1.0-plugins-ugly" "gstreamer1.0-pulseaudio"
    "gstreamer1.0-alsa")
# The library dependencies above are checked against what the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
include(CPack)
