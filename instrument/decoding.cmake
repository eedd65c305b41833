target_sources(irmeter_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/RecordDecoder.h
    ${CMAKE_CURRENT_LIST_DIR}/RecordDecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordDecoderLive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordDecoderStored.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DecodeSupport.h
    ${CMAKE_CURRENT_LIST_DIR}/DecodeSupport.cpp)
