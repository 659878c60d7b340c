# Tests of the Windows tree run under Wine in one private prefix; one
# wineserver stays alive for the whole run (fixture "wine").
add_test(NAME wine_start
         COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-server.sh start ${FONEXA_WINEPREFIX})
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
add_test(NAME wine_stop
         COMMAND ${CMAKE_SOURCE_DIR}/tools/wine-server.sh stop ${FONEXA_WINEPREFIX})
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# fonexa_wine_test(target [args...]): runs a test program under Wine.
function(fonexa_wine_test target)
  add_test(NAME ${target} COMMAND ${target} ${ARGN})
  # One program at a time: two copies of the main window class in one Wine
  # session would see each other.
  set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 900 RESOURCE_LOCK wine_session)
endfunction()
