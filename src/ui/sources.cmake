set(STINT_QML_FILES
    ui/ContentView.qml
)
set(STINT_QML_RESOURCES
)
target_sources(stint_core PRIVATE
)
