#pragma once

#include "testmain.h"

#include <QApplication>

// Runs window test classes in one executable, under a widget application.
#define TARVIK_WIDGET_TEST_MAIN(...)                                                               \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        return runTests<__VA_ARGS__>(argc, argv);                                                  \
    }
