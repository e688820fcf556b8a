#pragma once

// Qt Test and Qt Core for every test file.
#include <QtTest>

// One main for an area's Qt Test classes: each class registers itself with
// CLASSSHAPER_TEST(Class) in its own file, and the support library's main runs them all.
// Naming test functions on the command line runs only the classes that have them.
int registerTestClass(QObject* (*make)());

#define CLASSSHAPER_TEST(Class)                                                                    \
    static const int Class##Registered = registerTestClass([]() -> QObject* { return new Class; })
