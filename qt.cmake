# Everything that binds the game to Qt: sockets and timers (net/qt,
# server/qt), the table window (table/qt), the side windows (dialogs/),
# settings (store/qt), the pictures (resources/qt) and the resources.
# Built as an object library so the resources' static registration is
# always linked in.
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)
find_package(Qt6 REQUIRED COMPONENTS Core Network Gui Widgets Multimedia Test)

file(GLOB APP_SOURCES CONFIGURE_DEPENDS
  net/qt/*.cpp net/qt/*.h
  server/qt/*.cpp server/qt/*.h
  table/qt/*.cpp table/qt/*.h
  dialogs/*.cpp dialogs/*.h
  store/qt/*.cpp store/qt/*.h
  resources/qt/*.cpp resources/qt/*.h
  resources/*.qrc)
add_library(brixo_app OBJECT ${APP_SOURCES})
find_package(ICU REQUIRED COMPONENTS uc i18n)
target_link_libraries(brixo_app PUBLIC brixo_core brixo_icu
  Qt6::Core Qt6::Network Qt6::Gui Qt6::Widgets Qt6::Multimedia)

# The translations: the .ts files in resources/translations, compiled to
# .qm files at build time and embedded under :/translations. After a change
# to the texts, "cmake --build build --target lupdate" brings the .ts files
# up to date with the sources; existing translations are kept.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(BRIXO_TS_FILES
  resources/translations/brixo_de.ts
  resources/translations/brixo_fr.ts
  resources/translations/brixo_es.ts
  resources/translations/brixo_nl.ts)
file(GLOB BRIXO_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  table/*.cpp table/qt/*.cpp dialogs/*.cpp resources/qt/*.cpp)
qt_add_translations(brixo_app
  TS_FILES ${BRIXO_TS_FILES}
  SOURCES ${BRIXO_TRANSLATED_SOURCES} main.cpp
  RESOURCE_PREFIX /translations
  LUPDATE_OPTIONS -locations none)
add_custom_target(lupdate DEPENDS brixo_app_lupdate)

add_executable(brixo main.cpp)
target_link_libraries(brixo PRIVATE brixo_app)
# The shipped tile sets go beside the program, where the menu finds them.
add_custom_command(TARGET brixo POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_CURRENT_SOURCE_DIR}/resources/brixotiles
          $<TARGET_FILE_DIR:brixo>/brixotiles)

# Draws a tile set bitmap with the game's own pictures (the shipped
# resources/brixotiles/Contrast.bmp comes from it).
add_executable(make_tileset scripts/make-tileset.cpp)
target_link_libraries(make_tileset PRIVATE brixo_app)
# Draws the program's icon at every size (resources/icons/ comes from it).
add_executable(make_icon scripts/make-icon.cpp)
target_link_libraries(make_icon PRIVATE brixo_app)

# Tests that need an event loop, sockets or widgets. Their main() creates
# the application object and draws offscreen unless told otherwise.
file(GLOB QT_TEST_SOURCES CONFIGURE_DEPENDS tests/qt/*.cpp tests/qt/*.h)
add_executable(brixo_qt_tests ${QT_TEST_SOURCES})
target_link_libraries(brixo_qt_tests PRIVATE brixo_app brixo_testsupport Qt6::Test GTest::gtest)
target_include_directories(brixo_qt_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
# Tests that start the program itself find it here, and it is built first.
add_dependencies(brixo_qt_tests brixo)
target_compile_definitions(brixo_qt_tests PRIVATE BRIXO_PROGRAM="$<TARGET_FILE:brixo>")
gtest_discover_tests(brixo_qt_tests DISCOVERY_MODE PRE_TEST
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;BRIXO_NO_GUARD=1")

brixo_benchmark(net_bench brixo_app)
brixo_benchmark(server_bench brixo_app)
brixo_benchmark(flood_bench brixo_app)
brixo_benchmark(soak brixo_app)
brixo_benchmark(lobby_bench brixo_app)
add_test(NAME bench.net_bench COMMAND net_bench 2000)
add_test(NAME bench.server_bench COMMAND server_bench 500 50 500)
add_test(NAME bench.soak COMMAND soak 5 1 30)
add_test(NAME bench.flood_bench COMMAND flood_bench $<TARGET_FILE:brixo> 4 1)
add_test(NAME bench.lobby_bench COMMAND lobby_bench $<TARGET_FILE:brixo> 10 1 2)
set_tests_properties(bench.net_bench bench.server_bench bench.soak bench.flood_bench bench.lobby_bench
                     PROPERTIES TIMEOUT 60)
