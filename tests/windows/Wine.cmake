# The Windows build's tests run here under Wine, which is not Windows: it
# runs the same program and test binaries on its own implementation of
# Windows' interfaces, drawing on the X server.
#
# All of them share one Wine prefix in the build tree, made by the `wine`
# fixture. The test programs find Qt's libraries through WINEPATH; the
# program itself runs from its install tree, made by the `windows_stage`
# fixture, which holds everything the portable ZIP holds.
set(VELMORRA_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
set(VELMORRA_WINE_STAGE ${PROJECT_BINARY_DIR}/stage)
set(VELMORRA_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
set(VELMORRA_WINE_ENV WINEPREFIX=${VELMORRA_WINE_PREFIX} WINEDEBUG=-all
    "WINEDLLOVERRIDES=mscoree,mshtml=")
# A test program also finds Qt's libraries, and QtTest prints under Wine.
set(VELMORRA_WINE_QTEST_ENV ${VELMORRA_WINE_ENV} "WINEPATH=Z:$<TARGET_FILE_DIR:Qt6::Core>"
    WINEQT_FORCE_STDERR_LOGGING=1)

# A QtTest program: in the shared prefix; a widget test also a second time
# on Qt's windows platform under Xvfb (<name>_winplatform), where Wine
# gives it real Windows windows and input (their frames are left to an X
# window manager, and there is none: Qt sees a caption bar alone).
function(velmorra_wine_qtest name gui)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
    if(NOT gui)
        return()
    endif()
    add_test(NAME ${name}_winplatform
        COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/qtest-in-session.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name}_winplatform PROPERTIES
        FIXTURES_REQUIRED wine LABELS "widgets;windows" TIMEOUT 600
        ENVIRONMENT "XS_WINE=${VELMORRA_WINE_RUN};${VELMORRA_WINE_QTEST_ENV}")
endfunction()

# An X end-to-end script on the installed velmorra.exe, at Wine's 96 and
# 144 dpi.
function(velmorra_wine_x_test name script timeout labels)
    foreach(dpi 96 144)
        set(test ${name}_wine)
        if(NOT dpi EQUAL 96)
            string(APPEND test ${dpi})
        endif()
        add_test(NAME ${test} COMMAND bash ${script} ${VELMORRA_WINE_STAGE}/velmorra.exe
                 ${PROJECT_BINARY_DIR}/artifacts/wine${dpi} ${ARGN})
        set_tests_properties(${test} PROPERTIES
            FIXTURES_REQUIRED "wine;windows_stage" LABELS "${labels};windows" TIMEOUT ${timeout}
            ENVIRONMENT "XS_WINE=${VELMORRA_WINE_RUN};${VELMORRA_WINE_ENV};WINE_LOGPIXELS=${dpi}")
    endforeach()
endfunction()
