set(STINT_QML_FILES
    ui/ContentView.qml
    ui/TimerView.qml
    ui/CircularProgressView.qml
    ui/TaskListView.qml
    ui/ListItemView.qml
    ui/ListEventsView.qml
    ui/GoogleSignInButton.qml
    ui/IconButton.qml
)
set(STINT_QML_RESOURCES
    ui/icons/arrow.right.square.fill.svg
    ui/icons/gearshape.fill.svg
    ui/icons/google-g.svg
    ui/icons/link.circle.fill.svg
    ui/icons/pause.circle.fill.svg
    ui/icons/play.circle.fill.svg
    ui/icons/power.svg
    ui/icons/shield.fill.svg
    ui/icons/star.fill.svg
    ui/icons/stint.svg
    ui/icons/stop.circle.fill.svg
    ui/icons/timer.svg
)
target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/circularprogressmodifier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/circularprogressmodifier.h
    ${CMAKE_CURRENT_LIST_DIR}/formatters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/formatters.h
    ${CMAKE_CURRENT_LIST_DIR}/meetingopener.cpp
    ${CMAKE_CURRENT_LIST_DIR}/meetingopener.h
    ${CMAKE_CURRENT_LIST_DIR}/tasklistmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tasklistmodel.h
    ${CMAKE_CURRENT_LIST_DIR}/textdropdelegate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textdropdelegate.h
    ${CMAKE_CURRENT_LIST_DIR}/colorschemewatcher.cpp
    ${CMAKE_CURRENT_LIST_DIR}/colorschemewatcher.h
    ${CMAKE_CURRENT_LIST_DIR}/iconprovider.cpp
    ${CMAKE_CURRENT_LIST_DIR}/iconprovider.h
    ${CMAKE_CURRENT_LIST_DIR}/theme.cpp
    ${CMAKE_CURRENT_LIST_DIR}/theme.h
    ${CMAKE_CURRENT_LIST_DIR}/ticktimer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ticktimer.h
    ${CMAKE_CURRENT_LIST_DIR}/viewgate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viewgate.h
)

# The translations. lupdate reads the library's sources; the QML files are
# listed among them only for that (qt_add_qml_module compiles them). Each
# compiled .qm is embedded as :/i18n/stint_<language>.qm, where the start-up
# code looks for the user's language.
list(TRANSFORM STINT_QML_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE _stint_qml_paths)
target_sources(stint_core PRIVATE ${_stint_qml_paths})
qt_add_translations(stint_core
    TS_FILES
        ${PROJECT_SOURCE_DIR}/translations/stint_de.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_es.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_fr.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_it.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_ja.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_nl.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_pl.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_pt_BR.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_ru.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_uk.ts
        ${PROJECT_SOURCE_DIR}/translations/stint_zh_CN.ts
)
