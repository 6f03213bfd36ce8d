# Fails when one of FILES, or a provincial library in LIBDIR, needs a widget
# library: the calculation engine, the provincial libraries and the engine's
# tests must run where no widget toolkit is installed. MODEL_FILES may need
# Qt's widgets (the person chooser takes a combo box) but never the form pages.
# Run with cmake -DFILES=a;b -DMODEL_FILES=c -DLIBDIR=dir -DREADELF=readelf -P nowidgets.cmake
file(GLOB _provinces "${LIBDIR}/libqlmr21*.so")
list(LENGTH _provinces _count)
if(_count LESS 12)
  message(FATAL_ERROR "expected the 12 provincial libraries in ${LIBDIR}, found ${_count}")
endif()

function(check_needed file pattern)
  execute_process(COMMAND ${READELF} -d ${file} OUTPUT_VARIABLE _out RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "cannot read ${file}")
  endif()
  string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" _needed "${_out}")
  if(NOT _needed)
    message(FATAL_ERROR "${file}: no NEEDED entries read")
  endif()
  foreach(_n ${_needed})
    if(_n MATCHES "${pattern}")
      message(SEND_ERROR "${file} links a widget library: ${_n}")
    endif()
  endforeach()
endfunction()

foreach(_f ${FILES} ${_provinces})
  check_needed(${_f} "libQt5Widgets|libformctl_ui")
endforeach()
foreach(_f ${MODEL_FILES})
  check_needed(${_f} "libformctl_ui")
endforeach()
