#pragma once
// The program's help: a window showing the bundled HTML pages of the "help" folder, one page
// per help context number ("<number>.html") and a contents page ("index.html").

#include <QWidget>

class QTextBrowser;

namespace sv {

class THelpForm : public QWidget {
    Q_OBJECT
public:
    // helpDir ends in "/".
    THelpForm(QString helpDir, QWidget* parent);

    // Shows the page of a context number; 0, or a number without a page, shows the contents.
    void ShowContext(int context);
    QString PageOf(int context) const;
    QTextBrowser* Browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_dir;
    QTextBrowser* m_browser;
};

} // namespace sv
