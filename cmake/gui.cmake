# The editor: the Qt 6 Widgets shell (vizud_gui) over vizud_core, and the vizud program.
find_package(Qt6 6.2 REQUIRED COMPONENTS Widgets PrintSupport LinguistTools)
include(GNUInstallDirs)

set(VIZUD_GUI_SOURCES
    app/about_box.cpp
    app/check_dialog.cpp
    app/duplicates_dialog.cpp
    app/compare_dialog.cpp
    app/csv_order_dialog.cpp
    app/editor_application.cpp
    app/edit_step.cpp
    app/editor_document.cpp
    app/frame_actions.cpp
    app/gui_file_chooser.cpp
    app/gui_messages.cpp
    app/kept_downloads_dialog.cpp
    app/translated_texts.cpp
    app/gui_transfers.cpp
    app/main_frame.cpp
    app/options_dialog.cpp
    app/options_dialog.ui
    app/port_dialog.cpp
    app/port_dialog.ui
    app/settings_store.cpp
    app/startup_picture.cpp
    app/toolbar_images.cpp
    app/transponder_plan_dialog.cpp
    app/window_picture.cpp
    dialogs/dialog_openers.cpp
    dialogs/form_helpers.cpp
    dialogs/program_dialog.cpp
    dialogs/program_dialog.ui
    dialogs/satellite_dialog.cpp
    dialogs/satellite_dialog.ui
    dialogs/transponder_delete_dialog.cpp
    dialogs/transponder_delete_dialog.ui
    dialogs/transponder_list_dialog.cpp
    dialogs/transponder_list_dialog.ui
    dialogs/transponder_tree_dialog.cpp
    dialogs/transponder_tree_dialog.ui
    link/transfer_dialog.cpp
    link/transfer_dialog.ui
    views/find_bar.cpp
    views/beside_pane.cpp
    views/left_view.cpp
    views/whole_table_selection.cpp
    views/list_printer.cpp
    views/list_drag_handler.cpp
    views/program_list_model.cpp
    views/program_list_favourites.cpp
    views/program_list_keys.cpp
    views/program_list_view.cpp
    views/whole_table_selection.cpp)
list(TRANSFORM VIZUD_GUI_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
add_library(vizud_gui STATIC ${VIZUD_GUI_SOURCES} resources/vizud.qrc)
set_target_properties(vizud_gui PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
target_link_libraries(vizud_gui PUBLIC vizud_core Qt6::Widgets Qt6::PrintSupport PRIVATE vizud_warnings)
target_compile_definitions(vizud_gui PUBLIC QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING)

# German texts of menus, dialogs, tool tips and status prompts; English is in the code.
qt_add_translations(vizud_gui
    TS_FILES resources/translations/vizud_de.ts
    RESOURCE_PREFIX /i18n
    SOURCES ${VIZUD_GUI_SOURCES} ${CMAKE_CURRENT_SOURCE_DIR}/app/user_texts.cpp
    LUPDATE_OPTIONS -locations none -no-obsolete)

add_executable(vizud app/main.cpp)
target_link_libraries(vizud PRIVATE vizud_gui vizud_warnings)
set_target_properties(vizud PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/app)

# Redraws the pictures under resources/images (not part of the build; run by hand after changing a drawing).
add_executable(vizud_draw_images EXCLUDE_FROM_ALL resources/tools/draw_images.cpp)
target_link_libraries(vizud_draw_images PRIVATE Qt6::Gui vizud_warnings)

install(TARGETS vizud RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/xdg/vizud.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/xdg/vizud.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${CMAKE_BINARY_DIR}/doc/org.vizud.editor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256)
    install(FILES resources/images/vizud_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME vizud.png)
endforeach()
# The German catalogue also lies where the editor looks first: share/vizud/translations beside bin/.
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vizud_de.qm DESTINATION ${CMAKE_INSTALL_DATADIR}/vizud/translations)
