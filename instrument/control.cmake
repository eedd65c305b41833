target_sources(irmeter_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MyDMM.h
    ${CMAKE_CURRENT_LIST_DIR}/MyDMM.cpp)
