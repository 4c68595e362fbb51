#include "portion/gui/PortionDlg.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace sv {

TPortionDlg::TPortionDlg(TPortionChoice choice, std::function<void(const TPortionInfo&)> open, QWidget* parent)
    : QWidget(parent), m_choice(std::move(choice)), m_open(std::move(open))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Portion"));
    setProperty("helpContext", HelpContext);

    auto* caption = new QLabel(QStringLiteral("&Portions this program found:"), this);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("portionList"));
    m_list->setAccessibleName(QStringLiteral("Portions"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Books"), QStringLiteral("Translation"), QStringLiteral("Questions")});
    caption->setBuddy(m_list);
    for (int row = 0; row < m_choice.Rows(); ++row) {
        auto* item = new QTreeWidgetItem(m_list);
        for (TPortionColumn c :
             {TPortionColumn::Name, TPortionColumn::Books, TPortionColumn::Translation, TPortionColumn::Questions})
            item->setText(static_cast<int>(c), m_choice.Cell(row, c));
        item->setTextAlignment(static_cast<int>(TPortionColumn::Questions), Qt::AlignRight | Qt::AlignVCenter);
    }
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(std::max(0, m_choice.CurrentRow())));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Wide enough to show every column whole (up to a sensible width): the translation and the
    // number of questions are what tell two builds of the same books apart.
    int columns = 0;
    for (int c = 0; c < m_list->columnCount(); ++c) {
        m_list->resizeColumnToContents(c);
        columns += m_list->columnWidth(c);
    }
    m_list->setMinimumSize(std::clamp(columns + 2 * m_list->frameWidth() + 24, 520, 960), 140);

    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("portionProblems"));
    m_problems->setWordWrap(true);
    m_problems->setTextFormat(Qt::PlainText);
    const QStringList problems = m_choice.ProblemLines();
    m_problems->setText(QStringLiteral("Not opened:\n") + problems.join(u'\n'));
    m_problems->setVisible(!problems.isEmpty());

    m_openBtn = new QPushButton(QStringLiteral("&Open"), this);
    m_openBtn->setObjectName(QStringLiteral("openButton"));
    m_openBtn->setDefault(true);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("cancelButton"));
    connect(m_openBtn, &QPushButton::clicked, this, &TPortionDlg::OpenChosen);
    connect(m_list, &QTreeWidget::itemActivated, this, &TPortionDlg::OpenChosen);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_openBtn);
    buttons->addWidget(m_cancelBtn);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(caption);
    lay->addWidget(m_list, 1);
    lay->addWidget(m_problems);
    lay->addLayout(buttons);
    setFocusProxy(m_list);
}

void TPortionDlg::OpenChosen()
{
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    if (row < 0 || row == m_choice.CurrentRow()) {
        close();
        return;
    }
    // The switch closes every window, this one included: it runs once this one is gone.
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [open = m_open, portion = m_choice.Portion(row)] { open(portion); });
    close();
}

void TPortionDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace sv
