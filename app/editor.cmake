# The editor program: main() only; everything else is in the libraries.
qt_add_executable(SWEditor ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(SWEditor PRIVATE sw_editor)
if(TARGET sw_translation)
    target_link_libraries(SWEditor PRIVATE sw_translation sw_qt_translations)
    target_compile_definitions(SWEditor PRIVATE SW_HAVE_TRANSLATION)
endif()
set_target_properties(SWEditor PROPERTIES WIN32_EXECUTABLE ON)
