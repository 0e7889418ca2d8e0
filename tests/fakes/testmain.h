#pragma once

#include <QCoreApplication>
#include <QTest>

template <typename Test> int runTest(int argc, char** argv) {
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// Runs several test classes in one executable; the exit code counts the failures of all.
template <typename... Tests> int runTests(int argc, char** argv) {
    return (runTest<Tests>(argc, argv) + ...);
}

#define TARVIK_TEST_MAIN(...)                                                                      \
    int main(int argc, char** argv) {                                                              \
        QCoreApplication app(argc, argv);                                                          \
        return runTests<__VA_ARGS__>(argc, argv);                                                  \
    }
