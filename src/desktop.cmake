# The desktop program: platform layer, shell and windows in one library,
# and the executable.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_package(PkgConfig REQUIRED)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)

file(GLOB desktop_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/platform/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows/*.cpp)
list(REMOVE_ITEM desktop_sources ${CMAKE_CURRENT_LIST_DIR}/shell/main.cpp)
add_library(calvex_desktop STATIC ${desktop_sources})
target_include_directories(calvex_desktop PUBLIC ${CMAKE_CURRENT_LIST_DIR})
find_package(Qt6 REQUIRED COMPONENTS PrintSupport)
target_link_libraries(calvex_desktop PUBLIC calvex_rules calvex_print_qt calvex_print_odt Qt6::Widgets Qt6::PrintSupport
                      PkgConfig::FLUIDSYNTH)
set_target_properties(calvex_desktop PROPERTIES AUTOMOC ON)

add_executable(calvex ${CMAKE_CURRENT_LIST_DIR}/shell/main.cpp)
target_link_libraries(calvex PRIVATE calvex_desktop)

# The music and the tips live beside the program.
set(calvex_copied_resources)
foreach(resource Internet.mid SuggerimentiCalvex.TXT)
  add_custom_command(OUTPUT ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${resource}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/${resource}
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${resource}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/${resource})
  list(APPEND calvex_copied_resources ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${resource})
endforeach()
add_custom_target(calvex_resources ALL DEPENDS ${calvex_copied_resources})
add_dependencies(calvex calvex_resources)
