# make package: a Debian package of everything the install rules name (the editor, vizud-cli,
# vizud-boxsim, the desktop entry, the MIME type, the icons, the AppStream metainfo and the German
# catalogue, the manual pages, the completion and the documents Debian asks for). Its dependencies come
# from dpkg-shlibdeps on the installed programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vizud)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The vizud developers")
set(CPACK_PACKAGE_CONTACT "${VIZUD_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Channel-list editor for a DVB-S/DVB-S2 satellite receiver")
# Lines within 80 columns, as Debian asks of a description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Brings the receiver's whole channel database onto the PC, from a .si file or\n"
    "over an RS-232 serial line: satellites with their LNB and DiSEqC settings,\n"
    "transponders, providers, TV and radio programs and favourite lists. Edit,\n"
    "sort, compare and check them and send the result back to the box.\n"
    "Includes the vizud-cli command-line tool and vizud-boxsim, the box's side of\n"
    "the serial link for trying transfers without hardware.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vizud.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
