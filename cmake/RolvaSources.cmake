# Every subsystem folder holds its application logic, plain C++ that is testable without Qt,
# and a widgets/ folder with its widgets, which only the desktop program links. base/ holds
# what every subsystem may include: the user-interface seam, the settings and the clock.
set(ROLVA_LOGIC_FOLDERS base app views editors transfer print install)

function(rolva_collect_sources out_logic out_widgets)
  set(logic "")
  set(widgets "")
  foreach(folder ${ROLVA_LOGIC_FOLDERS})
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
    foreach(f ${files})
      # print/render/ lays pages out with Qt Gui for both programs: a library of its own.
      # The clock is the engine's: the lowest layer reads the time too.
      if(f MATCHES "/print/render/" OR f STREQUAL "${CMAKE_SOURCE_DIR}/base/KxClock.cpp")
        continue()
      endif()
      if(f MATCHES "/widgets/")
        list(APPEND widgets ${f})
      else()
        list(APPEND logic ${f})
      endif()
    endforeach()
  endforeach()
  set(${out_logic} ${logic} PARENT_SCOPE)
  set(${out_widgets} ${widgets} PARENT_SCOPE)
endfunction()
