# Metafile (WMF/EMF) support for story pictures: each converter is linked when it is found, and the
# code falls back to the stock not-found picture for a format whose converter is missing.
# libwmf ships a pkg-config file; libemf2svg ships only a header and a library.
pkg_check_modules(KIVRA_LIBWMF QUIET IMPORTED_TARGET libwmf)
if(KIVRA_LIBWMF_FOUND)
  target_link_libraries(kivra_core PUBLIC PkgConfig::KIVRA_LIBWMF)
  target_compile_definitions(kivra_core PUBLIC KIVRA_HAVE_LIBWMF=1)
else()
  message(STATUS "libwmf not found: WMF story pictures show the not-found picture")
endif()

find_path(KIVRA_EMF2SVG_INCLUDE_DIR emf2svg.h)
find_library(KIVRA_EMF2SVG_LIBRARY emf2svg)
if(KIVRA_EMF2SVG_INCLUDE_DIR AND KIVRA_EMF2SVG_LIBRARY)
  target_include_directories(kivra_core PRIVATE ${KIVRA_EMF2SVG_INCLUDE_DIR})
  target_link_libraries(kivra_core PUBLIC ${KIVRA_EMF2SVG_LIBRARY})
  target_compile_definitions(kivra_core PUBLIC KIVRA_HAVE_EMF2SVG=1)
else()
  message(STATUS "libemf2svg not found: EMF story pictures show the not-found picture")
endif()
