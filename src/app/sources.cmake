target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/appdelegate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/appdelegate.h
    ${CMAKE_CURRENT_LIST_DIR}/firstframe.h
    ${CMAKE_CURRENT_LIST_DIR}/phasenotifier.cpp
    ${CMAKE_CURRENT_LIST_DIR}/phasenotifier.h
    ${CMAKE_CURRENT_LIST_DIR}/popoverplacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/popoverplacement.h
    ${CMAKE_CURRENT_LIST_DIR}/popoverwindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/popoverwindow.h
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.cpp
    ${CMAKE_CURRENT_LIST_DIR}/singleinstance.h
    ${CMAKE_CURRENT_LIST_DIR}/startatlogin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startatlogin.h
    ${CMAKE_CURRENT_LIST_DIR}/timerapp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timerapp.h
    ${CMAKE_CURRENT_LIST_DIR}/traycountdown.cpp
    ${CMAKE_CURRENT_LIST_DIR}/traycountdown.h
)
# The start-up code's choice of translation.
target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/translations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/translations.h
)
