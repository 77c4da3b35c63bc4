# The print templates. The programs look for them in templates/ beside their own executable,
# then in <prefix>/share/rolva/templates/, so the build copies them next to every program
# (and the test and benchmark programs, which run the same lookup) and install puts them
# under share/.
file(GLOB ROLVA_TEMPLATE_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../templates/*.htm)

install(FILES ${ROLVA_TEMPLATE_FILES} DESTINATION share/rolva/templates)

# Runs once the whole project is configured, when every program target exists.
function(rolva_copy_templates)
  set(commands "")
  foreach(program rolva rolvadesk rolva_bench test_logic test_cli)
    if(TARGET ${program})
      list(APPEND commands
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${program}>/templates
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${ROLVA_TEMPLATE_FILES}
                $<TARGET_FILE_DIR:${program}>/templates)
    endif()
  endforeach()
  if(commands AND ROLVA_TEMPLATE_FILES)
    add_custom_target(rolva_templates ALL ${commands}
      DEPENDS ${ROLVA_TEMPLATE_FILES}
      COMMENT "Copying the print templates next to the programs"
      VERBATIM)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL rolva_copy_templates)
