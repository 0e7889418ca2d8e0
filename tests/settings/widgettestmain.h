#pragma once

#include "testmain.h"

#include <QApplication>

// The same as TARVIK_TEST_MAIN, with the application windows need.
#define TARVIK_WIDGET_TEST_MAIN(...)                                                               \
    int main(int argc, char** argv) {                                                              \
        QApplication app(argc, argv);                                                              \
        return runTests<__VA_ARGS__>(argc, argv);                                                  \
    }
