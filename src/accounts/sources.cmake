target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/googlesignin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/googlesignin.h
    ${CMAKE_CURRENT_LIST_DIR}/googleuser.h
    ${CMAKE_CURRENT_LIST_DIR}/tokenstore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tokenstore.h
    ${CMAKE_CURRENT_LIST_DIR}/usermanager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/usermanager.h
)
target_sources(stint_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/calendaraccess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calendaraccess.h
)
