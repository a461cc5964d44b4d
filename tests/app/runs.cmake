# Further runs of the application's tests: Settings.exe in the Catalan and
# Spanish locales (its child processes inherit the locale), in Spanish on a
# system whose ANSI code page is Cyrillic, and in a 32-bit-only Wine prefix.
# They change the same machine state as the main run. Wine takes the ANSI
# code page from LC_CTYPE and the user's language from LC_MESSAGES; the
# locales are generated under the build folder by scripts/test.sh.
set(locales "LOCPATH=${BUILD}/locales")
add_test(NAME app_catalan COMMAND app_tests --gtest_filter=SettingsLanguageRun.*)
set_tests_properties(app_catalan PROPERTIES ENVIRONMENT
  "${locales};LC_ALL=ca_ES.UTF-8;QN_EXPECTED_LANGUAGE=ca;QN_EXPECTED_CODE_PAGE=1252")
add_test(NAME app_spanish COMMAND app_tests --gtest_filter=SettingsLanguageRun.*)
set_tests_properties(app_spanish PROPERTIES ENVIRONMENT
  "${locales};LC_ALL=es_MX.UTF-8;QN_EXPECTED_LANGUAGE=es;QN_EXPECTED_CODE_PAGE=1252")
add_test(NAME app_cyrillic COMMAND app_tests
  "--gtest_filter=SettingsLanguageRun.*:TextListTest.*:HostileOk.Longest*:SettingsBehaviour.Ok*")
set_tests_properties(app_cyrillic PROPERTIES
  ENVIRONMENT "${locales};LC_CTYPE=ru_RU.UTF-8;LC_MESSAGES=es_ES.UTF-8;QN_EXPECTED_LANGUAGE=es;QN_EXPECTED_CODE_PAGE=1251"
  ENVIRONMENT_MODIFICATION "LC_ALL=unset:;LANG=unset:")
add_test(NAME app_32bit_system COMMAND app_tests
  "--gtest_filter=SettingsRun.*:SettingsBehaviour.OptionButtonsChooseTheExecutable")
set_tests_properties(app_32bit_system PROPERTIES ENVIRONMENT "QN_WINE_PREFIX=32")
# The runs in this prefix make Settings windows, whose guard must not see the
# windows of a Quenlo that another area's tests make (tests/CMakeLists.txt);
# the 32-bit prefix has a Wine server, and windows, of its own.
set_tests_properties(app_catalan app_spanish app_cyrillic PROPERTIES
  RESOURCE_LOCK "settings-machine-state;display;quenlo-windows")
set_property(TEST app APPEND PROPERTY RESOURCE_LOCK "settings-machine-state;quenlo-windows")
set_property(TEST app_32bit_system APPEND PROPERTY RESOURCE_LOCK display)
# The Settings window on a screen of 192 dpi (200 %): a 32-bit-only prefix
# of its own, whose system DPI is set in its registry (wine-prefix.sh).
add_test(NAME app_high_dpi COMMAND app_tests --gtest_filter=SettingsWindowFromTemplate.*)
set_tests_properties(app_high_dpi PROPERTIES
  ENVIRONMENT "QN_WINE_PREFIX=32-192;QN_EXPECTED_DPI=192" RESOURCE_LOCK display)
