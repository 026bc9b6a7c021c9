target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/alarm.h
    ${CMAKE_CURRENT_LIST_DIR}/alarmplayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/alarmplayer.h
    ${CMAKE_CURRENT_LIST_DIR}/defaultviewmodel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/defaultviewmodel.h
    ${CMAKE_CURRENT_LIST_DIR}/pomodorostate.h
)
