# The Debian package that scripts/package makes with cpack from a Release build. What goes into
# it is whatever the install rules put under the prefix; this file only describes the package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvendi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarvendi developers")
set(CPACK_PACKAGE_CONTACT "Tarvendi maintainers <maintainers@users.noreply.c-seed-ae66b0e5.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename many files at once, with a preview")
set(CPACK_PACKAGE_DESCRIPTION [=[
Tarvendi renames many files, or the sub-folders of one folder, at once: pick
files into an ordered working list, choose a rule, look at the new names in
the preview, and then rename on disk. Rules include templates with sequence
numbers and file dates, text and range replacement, regular expressions,
zero padding, extension changes, Chinese numerals to digits, and renaming
MP3 files from their tags.

A rename never overwrites a file, and every run is journalled first so that
it can be undone, also after a crash. The interface is in Simplified Chinese
or English; tarvendi-cli offers the same rules on the command line.]=])

# The install rules use relative destinations, so the same tree lands under /usr here and under
# any prefix with cmake --install.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from dpkg-shlibdeps. What the binaries load at run time without linking
# it is named by hand: the platform plugin without which no window opens (libqt6gui6 only
# recommends it), Qt's own Chinese texts for the standard buttons, and a font with Chinese
# characters for a Chinese interface.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei")

include(CPack)
