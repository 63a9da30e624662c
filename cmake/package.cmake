# The Debian package (scripts/package): the system-wide layout of cmake/system_install.cmake,
# installed below /usr, with the dependencies that dpkg-shlibdeps reads from the executables.
#
#   cpack --config build/CPackConfig.cmake -B build/package   ->   build/package/zorv_1.0.1_amd64.deb

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "calculs techniques et scientifiques, surtout les formules de l'électronique")
set(CPACK_PACKAGE_CONTACT "Vartelune <zorv@vartelune.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the system-wide layout goes into the package, not the portable program folder.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};zorv;system;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries the program links (Widgets, Charts for the sweep's plot, Svg for its export)
# come from there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the executables do not link but need: Qt's window-system plugins, and the program font
# that the windows' designed captions are measured in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's own texts (standard buttons, the frame's window menus) in French.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The synopsis is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the long description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "ZORV est un programme de bureau, en français, pour les calculs techniques et
scientifiques : une bibliothèque de fonctions (formules à six entrées au
plus), que l'on peut tracer en courbe sur une plage de valeurs, un moteur
d'équations, des valeurs de référence à copier, quatre documents d'aide et
une fenêtre de création de nouvelles fonctions.
.
Le paquet fournit aussi les outils en ligne de commande zorv-eval (évaluer
des expressions) et zorv-ini (lire et écrire les fichiers de profil).")

include(CPack)
