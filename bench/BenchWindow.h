#pragma once
// The program's window for the window benchmarks on the offscreen
// platform, and their main().
#include "ui/Form1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

// Released before the application object goes.
inline std::unique_ptr<Form1> &benchWindowSlot()
{
    static std::unique_ptr<Form1> form;
    return form;
}

// The program's window after start-up, made on first use; not shown, so
// painting is not part of the figures.
inline Form1 &loadedWindow()
{
    std::unique_ptr<Form1> &form = benchWindowSlot();
    if (!form) {
        form = std::make_unique<Form1>();
        form->Form_Load();
    }
    return *form;
}

inline int runWindowBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    benchWindowSlot().reset();
    return 0;
}
