# The Debian package that ./scripts/package builds with `cpack -G DEB` from a Release build: everything
# `cmake --install` puts under /usr, with its dependencies read off the binaries by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlint)
set(CPACK_PACKAGE_VENDOR "The Vorlint developers")
set(CPACK_PACKAGE_CONTACT "The Vorlint developers <developers@vorlint.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time PID controller simulator for teaching")
set(CPACK_PACKAGE_DESCRIPTION [[
Vorlint is a tool for teaching process control. In each of its windows a
process, written as a formula of the point, the power and the time step, is
driven by manual power, an on/off controller or a PID controller, while a
live chart shows the set point, the point, the error, the three terms of the
controller and the power.

Plant formulas may use mathematical functions, named constants and unit
conversions. The vorlint-cli command evaluates formulas and runs simulations
from a terminal, writing their history as CSV.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories as Debian has them, whatever the umask of the machine that builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Vorlint's own translations are compiled into the program; Qt's, for its file, print and message
# dialogs, come from Debian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
