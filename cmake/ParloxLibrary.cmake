# parlox_library(TARGET NAME LAYER): makes TARGET a library of the package, Parlox::NAME both
# when installed and, as an alias, for projects that add this one with add_subdirectory, and
# gives it its own include root.
#
# Every header of TARGET is reached as <Parlox/LAYER/name.h> (LAYER empty for the components
# themselves), in the tree as once installed. The build stages links to the target's headers in
# a folder of its own, so a library sees only its own headers and those of the libraries it
# links: the format library cannot include a component's header, nor the platform layer one of
# the components that sit above it.
function(parlox_library target name layer)
  add_library(Parlox::${name} ALIAS ${target})
  set_property(TARGET ${target} PROPERTY EXPORT_NAME ${name})
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.h$")
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  set(prefix Parlox)
  if(layer)
    string(APPEND prefix /${layer})
  endif()
  file(MAKE_DIRECTORY ${root}/${prefix})
  foreach(header IN LISTS sources)
    get_filename_component(name ${header} NAME)
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${prefix}/${name} SYMBOLIC)
  endforeach()
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${root}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  set_property(TARGET ${target} PROPERTY PARLOX_HEADERS ${sources})
  set_property(TARGET ${target} PROPERTY PARLOX_HEADER_DIR ${prefix})
endfunction()
