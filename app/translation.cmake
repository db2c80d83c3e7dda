# Message translation: the PO catalogue reader and LoadTranslations (Qt Core only, so swl can use
# it too), with the catalogues of app/catalogues carried as resources named EXTRANSLATION_<MODULE>.
add_library(sw_translation STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/ExTranslation.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ExTranslation.h
    ${CMAKE_CURRENT_SOURCE_DIR}/PoCatalogue.cpp ${CMAKE_CURRENT_SOURCE_DIR}/PoCatalogue.h)
target_include_directories(sw_translation PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(sw_translation PUBLIC sw_platform Qt6::Core)

file(GLOB sw_catalogues CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/catalogues/*.po)
foreach(po ${sw_catalogues})
    get_filename_component(module ${po} NAME_WE)
    string(TOUPPER "EXTRANSLATION_${module}" alias)
    set_source_files_properties(${po} PROPERTIES QT_RESOURCE_ALIAS ${alias})
endforeach()
qt_add_resources(sw_translation "sw_catalogues" PREFIX "/rcdata" FILES ${sw_catalogues})

# Qt's own texts in Brazilian Portuguese, for the programs that show Qt's dialogs.
find_file(SW_QTBASE_PT_BR_QM qtbase_pt_BR.qm
    PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}" /usr/share/qt6/translations
    NO_DEFAULT_PATH)
if(NOT SW_QTBASE_PT_BR_QM)
    message(FATAL_ERROR "qtbase_pt_BR.qm not found: install the package qt6-translations-l10n")
endif()
add_library(sw_qt_translations STATIC
    ${CMAKE_CURRENT_SOURCE_DIR}/ExTranslationQt.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ExTranslationQt.h)
target_include_directories(sw_qt_translations PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(sw_qt_translations PUBLIC Qt6::Core)
set_source_files_properties(${SW_QTBASE_PT_BR_QM} PROPERTIES QT_RESOURCE_ALIAS qtbase_pt_BR.qm)
qt_add_resources(sw_qt_translations "sw_qt_translations" PREFIX "/qt-translations"
    FILES ${SW_QTBASE_PT_BR_QM})
