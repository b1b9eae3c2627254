# Run by CPack once the package is made. CPack's DEB generator adds postinst and postrm
# scripts that call ldconfig for any shared object below /usr/lib, even the private modules
# in /usr/lib/morvane that ldconfig never sees; without them the package has no scripts, and
# `apt-get remove` leaves nothing behind, not even dpkg's record of it.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb -R "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE "${tree}/DEBIAN/postinst" "${tree}/DEBIAN/postrm")
    execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${deb}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
