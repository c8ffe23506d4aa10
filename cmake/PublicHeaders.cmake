# quillet_install_public_headers(<source header>...): installs each header as
# include/quillet/<file name>. In the source tree the headers include each
# other by folder ("ri/ri.h"); the installed copies say <quillet/ri.h>. A
# header that includes a library header outside the list stops the
# configuration, since its installed copy could not be compiled.
function(quillet_install_public_headers)
  set(staged ${CMAKE_CURRENT_BINARY_DIR}/public/quillet)
  foreach(header ${ARGN})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    file(READ ${CMAKE_CURRENT_SOURCE_DIR}/${header} text)
    foreach(other ${ARGN})
      get_filename_component(name ${other} NAME)
      string(REPLACE "#include \"${other}\"" "#include <quillet/${name}>" text "${text}")
    endforeach()
    if(text MATCHES "#include \"[A-Za-z_]+/[^\"]*\"")
      message(FATAL_ERROR "${header}: ${CMAKE_MATCH_0} names a header that is not installed")
    endif()
    get_filename_component(name ${header} NAME)
    file(WRITE ${staged}.in/${name} "${text}")
    configure_file(${staged}.in/${name} ${staged}/${name} COPYONLY)
    install(FILES ${staged}/${name} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillet)
  endforeach()
endfunction()
