# Further runs of the application's tests: Settings.exe in the Catalan and
# Spanish locales (its child processes inherit the locale), and in a 32-bit-
# only Wine prefix. They change the same machine state as the main run.
add_test(NAME app_catalan COMMAND app_tests --gtest_filter=SettingsLanguageRun.*)
set_tests_properties(app_catalan PROPERTIES ENVIRONMENT "LC_ALL=ca_ES.UTF-8;QN_EXPECTED_LANGUAGE=ca")
add_test(NAME app_spanish COMMAND app_tests --gtest_filter=SettingsLanguageRun.*)
set_tests_properties(app_spanish PROPERTIES ENVIRONMENT "LC_ALL=es_MX.UTF-8;QN_EXPECTED_LANGUAGE=es")
add_test(NAME app_32bit_system COMMAND app_tests --gtest_filter=SettingsRun.*)
set_tests_properties(app_32bit_system PROPERTIES ENVIRONMENT "QN_WINE_PREFIX=32")
set_tests_properties(app_catalan app_spanish PROPERTIES RESOURCE_LOCK "settings-machine-state;display")
set_property(TEST app APPEND PROPERTY RESOURCE_LOCK settings-machine-state)
set_property(TEST app_32bit_system APPEND PROPERTY RESOURCE_LOCK display)
