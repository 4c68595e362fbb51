#pragma once
// The one application object of a widget test program.

#include <QApplication>

namespace sv::test {

// Never destroyed: Qt's own statics may outlive it otherwise.
inline QApplication& WidgetApp()
{
    static int argc = 1;
    static char name[] = "test_voice_windows";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace sv::test
