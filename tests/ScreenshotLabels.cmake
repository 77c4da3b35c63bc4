# Read by ctest after the GUI tests were discovered: the screenshot tests belong to both
# the gui and the screenshots label.
foreach(test IN LISTS rolva_screenshot_tests)
  set_tests_properties("${test}" PROPERTIES LABELS "gui;screenshots")
endforeach()
