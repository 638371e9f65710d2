# Debian ships QScintilla for Qt 6 without a CMake or pkg-config file.
find_package(Qt6 COMPONENTS Core QUIET)
get_target_property(_qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
set(_qsci_hints)
foreach(_dir IN LISTS _qt_core_includes)
  get_filename_component(_parent "${_dir}" DIRECTORY)
  list(APPEND _qsci_hints "${_parent}")
endforeach()

find_path(QScintilla_INCLUDE_DIR Qsci/qsciscintilla.h
  HINTS ${_qsci_hints} PATHS /usr/include/x86_64-linux-gnu/qt6 /usr/include/qt6)
find_library(QScintilla_LIBRARY NAMES qscintilla2_qt6)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintilla REQUIRED_VARS QScintilla_LIBRARY QScintilla_INCLUDE_DIR)

if(QScintilla_FOUND AND NOT TARGET QScintilla::QScintilla)
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES
    IMPORTED_LOCATION "${QScintilla_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QScintilla_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS QSCINTILLA_DLL)
endif()
