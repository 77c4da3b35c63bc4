# Application logic and widgets share subsystem folders. A file whose name says it is a
# widget (…Dialog, …View, …Ctrl, …Wizard, …Page, …MainFrame, …ListBox, …Qt…) belongs to the
# desktop program; every other file there is plain C++ logic, testable without Qt.
set(ROLVA_LOGIC_FOLDERS app views editors transfer print install)
set(ROLVA_WIDGET_PATTERN "(Dialog|View|Ctrl|Wizard|Page|MainFrame|Qt|Widget|Frame|ListBox)[A-Za-z0-9_]*\\.(cpp|h)$")

function(rolva_collect_sources out_logic out_widgets)
  set(logic "")
  set(widgets "")
  foreach(folder ${ROLVA_LOGIC_FOLDERS})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    foreach(f ${files})
      # print/render/ lays pages out with Qt Gui for both programs: a library of its own.
      if(f MATCHES "/print/render/")
        continue()
      endif()
      get_filename_component(name ${f} NAME)
      if(name MATCHES "${ROLVA_WIDGET_PATTERN}" OR name STREQUAL "main.cpp")
        list(APPEND widgets ${f})
      else()
        list(APPEND logic ${f})
      endif()
    endforeach()
  endforeach()
  set(${out_logic} ${logic} PARENT_SCOPE)
  set(${out_widgets} ${widgets} PARENT_SCOPE)
endfunction()
