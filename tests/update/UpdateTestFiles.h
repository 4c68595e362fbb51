#pragma once
// What the update tests share: writing and reading the files they stage, and an update host
// that shows nothing and declines everything.

#include "update/UpdateHost.h"

#include <QByteArray>
#include <QString>

namespace sv::test {

// Writes bytes to path, making its folder first; a failure fails the running test.
void WriteFile(const QString& path, const QByteArray& bytes);

// The bytes of path; "<missing>" when it cannot be read, so that a comparison says so.
QByteArray ReadFile(const QString& path);

class TNoDialogs : public IUpdateHost {
public:
    void Information(const QString&) override { }
    bool Confirm(const QString&) override { return false; }
    void ShowHtmlDialog(const QString&, const QString&) override { }
    bool WhatsNew(const QString&, const TWhatsNewCaptions&) override { return false; }
    bool License(const QString&, const TLicenseCaptions&) override { return false; }
    void OpenUrl(const QString&) override { }
    bool StartProgram(const QString&, const QStringList&) override { return false; }
    bool StartDetached(const QString&, const QStringList&, QString*) override { return false; }
    void QuitApplication() override { }
};

} // namespace sv::test
