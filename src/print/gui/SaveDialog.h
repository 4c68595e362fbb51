#pragma once
// ISaveDialog: the platform's save-file dialog, behind an interface so that tests can script
// the answer. TQtSaveDialog is the desktop's dialog.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace sv {

struct TFileFilter {
    QString Label;   // "Formatted output (RTF)"
    QString Pattern; // "*.rtf"
};

struct TSaveRequest {
    QString Caption;
    QString DefaultName;      // "MEMORY"
    QString DefaultExtension; // "rtf", added to a name typed without one
    std::vector<TFileFilter> Filters;
};

struct TSaveAnswer {
    QString Path;
    int Filter = 0; // index of the filter chosen
};

class ISaveDialog {
public:
    virtual ~ISaveDialog() = default;
    // The file the person chose, or nothing when the dialog was cancelled.
    virtual std::optional<TSaveAnswer> Ask(const TSaveRequest& request) = 0;
};

// The desktop's save dialog; it starts in the folder of the last file saved (the documents
// folder the first time) and asks before replacing a file.
class TQtSaveDialog : public ISaveDialog {
public:
    explicit TQtSaveDialog(QWidget* parent) : m_parent(parent) { }
    std::optional<TSaveAnswer> Ask(const TSaveRequest& request) override;

private:
    QWidget* m_parent;
    QString m_lastDir;
};

// The two filters of every document: "Formatted output (RTF)" and "Text-only output".
std::vector<TFileFilter> DocumentFilters();

// Whether a document answer is to be written as RTF: a name ending in ".txt" or ".rtf" says
// so; otherwise the filter chosen does (the first is RTF).
bool AnswerIsRtf(const TSaveAnswer& answer);

} // namespace sv
