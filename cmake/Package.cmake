# cpack -G DEB: classshaper_<version>_<arch>.deb for /usr. Debian's triggers of
# shared-mime-info, desktop-file-utils and the icon theme register the installed files.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME classshaper)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Veltrane)
set(CPACK_PACKAGE_CONTACT
    "Class Shaper maintainers <maintainers@users.noreply.c-seed-f62f2586.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a platform plugin, which libqt6gui6 only recommends.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own texts in German (qtbase_de), loaded at start when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "generator of Visual Basic 6 class modules from templates")
# dpkg shows one description per binary package, so the German text is a paragraph of it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Class Shaper describes one data class of an application built on the Veltrane
Core class library in a German-language window (class name, banner texts,
custom code, options and an ordered member list), saves it as a class template
(.vlt-ctf) and writes the complete Visual Basic 6 class module (.cls) in
Windows-1252. classshaper-gen generates the same bytes without a display, for
build scripts and CI, and imports existing class modules back into templates.

Deutsch: Class Shaper beschreibt eine Datenklasse einer Anwendung auf
Grundlage der Veltrane Core-Klassenbibliothek in einem Fenster, speichert sie
als Klassenvorlage (.vlt-ctf) und erzeugt daraus das Klassenmodul (.cls) für
Visual Basic 6. classshaper-gen erzeugt dieselben Bytes ohne Bildschirm, für
Build-Skripte und CI.]=])
include(CPack)
