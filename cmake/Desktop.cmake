# The desktop program: the widget files of every subsystem folder as one library (so widget
# tests can link it), and a thin executable.
find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets PrintSupport Test)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

set(ROLVA_WIDGET_LIB_SOURCES ${ROLVA_WIDGET_SOURCES})
list(FILTER ROLVA_WIDGET_LIB_SOURCES EXCLUDE REGEX "/main\\.cpp$")
file(GLOB ROLVA_WIDGET_HEADERS CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/app/widgets/*.h ${CMAKE_SOURCE_DIR}/views/widgets/*.h
     ${CMAKE_SOURCE_DIR}/editors/widgets/*.h ${CMAKE_SOURCE_DIR}/transfer/widgets/*.h
     ${CMAKE_SOURCE_DIR}/print/widgets/*.h ${CMAKE_SOURCE_DIR}/install/widgets/*.h)
file(GLOB ROLVA_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.qrc)

add_library(rolva_widgets STATIC ${ROLVA_WIDGET_LIB_SOURCES} ${ROLVA_WIDGET_HEADERS} ${ROLVA_RESOURCES}
            ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_link_libraries(rolva_widgets PUBLIC rolva_logic rolva_render Qt6::Widgets Qt6::PrintSupport)
target_compile_definitions(rolva_widgets PRIVATE ROLVA_VERSION_TEXT="${PROJECT_VERSION}")

add_executable(rolvadesk ${CMAKE_SOURCE_DIR}/app/widgets/main.cpp)
target_link_libraries(rolvadesk PRIVATE rolva_widgets)
install(TARGETS rolvadesk RUNTIME DESTINATION bin)

# Desktop integration: double-clicking a database opens it.
if(EXISTS ${CMAKE_SOURCE_DIR}/resources/rolvadesk.desktop)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/rolvadesk.desktop DESTINATION share/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/rolva-database.xml DESTINATION share/mime/packages)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/rolvadesk.svg DESTINATION share/icons/hicolor/scalable/apps)
endif()

# The sample database ./run shows when there is nothing else to open: made by the
# command-line tool from examples/sample.csv, under the C locale so that the file's dates and
# numbers read the same on every machine.
set(ROLVA_SAMPLE_CSV ${CMAKE_SOURCE_DIR}/examples/sample.csv)
set(ROLVA_SAMPLE_DB ${CMAKE_BINARY_DIR}/sample.rlv)
if(EXISTS ${ROLVA_SAMPLE_CSV})
  add_custom_command(
    OUTPUT ${ROLVA_SAMPLE_DB}
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C $<TARGET_FILE:rolva> new ${ROLVA_SAMPLE_DB} --force
            --field "Name:text" --field "Kind:choice:items=Book|Record|Tool"
            --field "Price:number:decimals=2,currency,thousands" --field "Bought:date"
            --field "Lent:checkbox" --field "Notes:text"
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C $<TARGET_FILE:rolva> import ${ROLVA_SAMPLE_DB} ${ROLVA_SAMPLE_CSV}
    DEPENDS rolva ${ROLVA_SAMPLE_CSV}
    COMMENT "Making the sample database sample.rlv"
    VERBATIM)
  add_custom_target(rolva_sample DEPENDS ${ROLVA_SAMPLE_DB})
endif()
