# The component set: selector, pickers, message dialog and form translator (Qt Widgets).
add_library(parlox STATIC
  parloxtypes.h
  translationextension.h
  languagepicker.h languagepicker.cpp
  parloxmenu.h parloxmenu.cpp
  parloxcombobox.h parloxcombobox.cpp
  parloxlistbox.h parloxlistbox.cpp
  select.h select.cpp
  trtranslator.h trtranslator.cpp
  registercomponents.h registercomponents.cpp
  flatfile.h flatfile.cpp sectioncache.h sectioncache.cpp
  form.h form.cpp formpaths.h formpaths.cpp formstringindex.h formstringindex.cpp
  translationplan.h translationplan.cpp
  msgdialog.h msgdialog.cpp
  messageform.h messageform.cpp
  dialoglayout.h dialoglayout.cpp
)
target_include_directories(parlox PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(parlox PUBLIC parloxformat parloxexchange parloxplatform Qt6::Widgets)
