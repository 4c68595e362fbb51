#include "app/TipOfDayForm.h"

#include "app/Artwork.h"
#include "app/MainForm.h"
#include "app/StartupForm.h"
#include "common/Win1252.h"
#include "user/User.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace sv {

TTipOfDayForm::TTipOfDayForm(TMainForm& main) : m_main(main)
{
    setObjectName(QStringLiteral("TipOfDayForm"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setProperty("helpContext", HelpContext);

    auto* outer = new QVBoxLayout(this);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(0xff, 0xfd, 0xf2));
    // A light panel keeps dark text, also under a dark desktop palette.
    pal.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(pal);
    auto* inner = new QHBoxLayout(panel);
    auto* picture = new QLabel(panel);
    picture->setPixmap(TipPicture());
    picture->setAlignment(Qt::AlignTop);
    inner->addWidget(picture);
    auto* texts = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Did you know..."), panel);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSizeF(hf.pointSizeF() * 1.4);
    heading->setFont(hf);
    texts->addWidget(heading);
    tipText = new QLabel(panel);
    tipText->setObjectName(QStringLiteral("tipText"));
    tipText->setTextFormat(Qt::RichText);
    tipText->setWordWrap(true);
    tipText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    tipText->setMinimumSize(300, 90);
    texts->addWidget(tipText, 1);
    inner->addLayout(texts, 1);
    outer->addWidget(panel, 1);

    auto* buttons = new QHBoxLayout;
    showEachTime = new QCheckBox(QStringLiteral("Show tips each time The Scrivolt starts"), this);
    showEachTime->setObjectName(QStringLiteral("showEachTime"));
    showEachTime->setToolTip(QStringLiteral("Allows you to see tips each time the program starts"));
    buttons->addWidget(showEachTime, 1);
    nextBtn = new QPushButton(QStringLiteral("Next tip"), this);
    closeBtn = new QPushButton(QStringLiteral("Close"), this);
    nextBtn->setObjectName(QStringLiteral("nextButton"));
    closeBtn->setObjectName(QStringLiteral("closeButton"));
    closeBtn->setDefault(true);
    buttons->addWidget(nextBtn);
    buttons->addWidget(closeBtn);
    outer->addLayout(buttons);
    connect(nextBtn, &QPushButton::clicked, this, &TTipOfDayForm::nextBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &TTipOfDayForm::closeBtnClick);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TTipOfDayForm::closeBtnClick);

    TUser& user = main.User();
    showEachTime->setChecked(user.Options.ShowTips != 0);
    if (!m_tips.Load(main.ProgramDir() + "tips.txt")) {
        tipText->setText(QStringLiteral("The <B>Tip of the Day</B> file was not found. Please contact Tamberlin."));
        m_current = 0;
        nextBtn->setEnabled(false);
    } else if (m_tips.Count() == 0) {
        tipText->setText(QStringLiteral("The <B>Tip of the Day</B> file holds no tips."));
        m_current = 0;
        nextBtn->setEnabled(false);
    } else {
        m_current = TTipList::FirstIndex(user.Options.TipIndex, m_tips.Count());
        ShowCurrent();
    }
    main.OpenChild(this, TMainForm::TPlacement::Cascaded,
                   Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    closeBtn->setFocus();
}

void TTipOfDayForm::ShowCurrent() { tipText->setText(FromWin1252(m_tips.Line(m_current))); }

void TTipOfDayForm::nextBtnClick()
{
    if (m_tips.Count() == 0)
        return;
    m_current = TTipList::NextIndex(m_current, m_tips.Count());
    ShowCurrent();
}

void TTipOfDayForm::closeBtnClick()
{
    TUser& user = m_main.User();
    user.Options.TipIndex = m_current;
    user.Options.ShowTips = showEachTime->isChecked() ? 1 : 0;
    m_main.CmdTipOfTheDay->setEnabled(true);
    CloseChildWindow(this);
}

} // namespace sv
