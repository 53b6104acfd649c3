# Debian's firebird-dev ships ibase.h and libfbclient.so without a pkg-config file.
find_path(Firebird_INCLUDE_DIR ibase.h PATH_SUFFIXES firebird)
find_library(Firebird_LIBRARY NAMES fbclient)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Firebird REQUIRED_VARS Firebird_LIBRARY Firebird_INCLUDE_DIR)
if(Firebird_FOUND AND NOT TARGET Firebird::fbclient)
  add_library(Firebird::fbclient UNKNOWN IMPORTED)
  set_target_properties(Firebird::fbclient PROPERTIES
    IMPORTED_LOCATION "${Firebird_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${Firebird_INCLUDE_DIR}")
endif()
mark_as_advanced(Firebird_INCLUDE_DIR Firebird_LIBRARY)
