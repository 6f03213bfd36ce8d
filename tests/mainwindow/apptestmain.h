#pragma once
// main() of a test that needs the application object: a temporary home
// folder for the whole run, then the test object.

#include <QTemporaryDir>
#include <QtTest>

#include "tabwndapp.h"

#define QUILLMERE_APP_TEST_MAIN(TestClass)                                                                         \
    int main(int argc, char** argv)                                                                                \
    {                                                                                                              \
        QTemporaryDir home;                                                                                        \
        if (!home.isValid()) return 1;                                                                             \
        qputenv("HOME", home.path().toUtf8());                                                                     \
        TabWndApp* app = TabWndApp::initMainApp(argc, argv);                                                       \
        int result = 0;                                                                                            \
        {                                                                                                          \
            TestClass test;                                                                                        \
            result = QTest::qExec(&test, argc, argv);                                                              \
        }                                                                                                          \
        delete app;                                                                                                \
        return result;                                                                                             \
    }
