# Installs into a scratch prefix and checks that a Linux desktop finds the
# program, its menu entry and its icon there.
# cmake -DBUILD_DIR=... -DPREFIX=... -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install failed: ${result}")
endif()

foreach(f bin/korrimet share/applications/korrimet.desktop share/icons/hicolor/scalable/apps/korrimet.svg
          share/pixmaps/korrimet.xpm)
  if(NOT EXISTS "${PREFIX}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

file(STRINGS "${PREFIX}/share/applications/korrimet.desktop" entry ENCODING UTF-8)
list(GET entry 0 first)
if(NOT first STREQUAL "[Desktop Entry]")
  message(FATAL_ERROR "the desktop entry does not start with its group header")
endif()
foreach(line "Type=Application" "Exec=korrimet" "Icon=korrimet" "Terminal=false" "Categories=Education;Science;")
  list(FIND entry "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
list(FILTER entry INCLUDE REGEX "^Name=")
if(NOT entry MATCHES "环评")
  message(FATAL_ERROR "desktop entry has no Chinese name: ${entry}")
endif()

file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/korrimet.svg" svg)
if(NOT svg MATCHES "<svg" OR NOT svg MATCHES "</svg>")
  message(FATAL_ERROR "the icon is no SVG drawing")
endif()
