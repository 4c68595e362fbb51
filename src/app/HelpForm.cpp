#include "app/HelpForm.h"
#include "widgets/AccessibleName.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace sv {

THelpForm::THelpForm(QString helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dir(std::move(helpDir)), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpForm"));
    setWindowTitle(QStringLiteral("The Scrivolt Help"));
    SetAccessibleName(m_browser, QStringLiteral("Help page"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    auto* contents = new QPushButton(QStringLiteral("Contents"), this);
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    auto* forward = new QPushButton(QStringLiteral("Forward"), this);
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch(1);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({m_dir});
    connect(contents, &QPushButton::clicked, this, [this] { ShowContext(0); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    resize(560, 520);
}

void THelpForm::keyPressEvent(QKeyEvent* event)
{
    // Escape puts the help away, as it does the program's other windows.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString THelpForm::PageOf(int context) const
{
    if (context != 0) {
        const QString page = m_dir + QString::number(context) + QStringLiteral(".html");
        if (QFileInfo::exists(page))
            return page;
    }
    return m_dir + QStringLiteral("index.html");
}

void THelpForm::ShowContext(int context)
{
    const QString page = PageOf(context);
    if (QFileInfo::exists(page))
        m_browser->setSource(QUrl::fromLocalFile(page));
    else
        m_browser->setHtml(QStringLiteral("<h2>Help</h2><p>The help pages are not installed.</p>"));
    show();
    raise();
    activateWindow();
}

} // namespace sv
