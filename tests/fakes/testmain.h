#pragma once

#include <QCoreApplication>
#include <QTest>

// True when the command line names test functions and none of them belongs to this class, so a
// single function can be run by name in an executable that holds several classes.
inline bool namesOnlyOtherFunctions(const QObject& test, int argc, char** argv) {
    bool namedAny = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg.startsWith('-'))
            return false; // options: let Qt Test decide
        namedAny = true;
        const qsizetype colon = arg.indexOf(':'); // function:dataTag
        const QByteArray function = colon < 0 ? arg : arg.left(colon);
        if (test.metaObject()->indexOfMethod(function + "()") >= 0)
            return false;
    }
    return namedAny;
}

template <typename Test> int runTest(int argc, char** argv) {
    Test test;
    if (namesOnlyOtherFunctions(test, argc, argv))
        return 0;
    return QTest::qExec(&test, argc, argv);
}

// Runs several test classes in one executable; the exit code counts the failures of all. With
// TARVIK_TEST_CLASS=N in the environment only the N-th class (from 0) runs: Qt Test ends the
// process after listing one class's functions or data tags, so each class is listed on its own.
template <typename... Tests> int runTests(int argc, char** argv) {
    bool chosen = false;
    const int only = qEnvironmentVariableIntValue("TARVIK_TEST_CLASS", &chosen);
    int failures = 0;
    int index = 0;
    ((failures += !chosen || index == only ? runTest<Tests>(argc, argv) : 0, ++index), ...);
    return failures;
}

#define TARVIK_TEST_MAIN(...)                                                                      \
    int main(int argc, char** argv) {                                                              \
        QCoreApplication app(argc, argv);                                                          \
        return runTests<__VA_ARGS__>(argc, argv);                                                  \
    }
