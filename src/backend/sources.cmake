target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/configuration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/configuration.h
    ${CMAKE_CURRENT_LIST_DIR}/dates.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dates.h
    ${CMAKE_CURRENT_LIST_DIR}/error.h
    ${CMAKE_CURRENT_LIST_DIR}/event.cpp
    ${CMAKE_CURRENT_LIST_DIR}/event.h
    ${CMAKE_CURRENT_LIST_DIR}/googleapiaccessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/googleapiaccessor.h
    ${CMAKE_CURRENT_LIST_DIR}/jsondecoding.cpp
    ${CMAKE_CURRENT_LIST_DIR}/jsondecoding.h
    ${CMAKE_CURRENT_LIST_DIR}/network.cpp
    ${CMAKE_CURRENT_LIST_DIR}/network.h
    ${CMAKE_CURRENT_LIST_DIR}/task.cpp
    ${CMAKE_CURRENT_LIST_DIR}/task.h
    ${CMAKE_CURRENT_LIST_DIR}/weblink.h
)
