#pragma once

#include "fuzz/Finding.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace pintu::fuzz {

// Ends the run on a finding the way a crash would, so that libFuzzer saves
// the input and scripts/fuzz counts it.
inline void stopOnFinding(const Finding& finding)
{
    if (!finding)
        return;
    std::fprintf(stderr, "==pintu finding== %s\n", finding->c_str());
    std::abort();
}

// Windows and pixmaps need an application for the whole run; nothing is
// shown. It lives as long as the process: libFuzzer leaves by exit(), never
// back through a main of ours that could take it down in order.
inline void startOffscreenApplication()
{
    static int argc = 1;
    static char name[] = "pintu-fuzzer";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application);
}

} // namespace pintu::fuzz
