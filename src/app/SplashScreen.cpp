#include "app/SplashScreen.h"

#include "app/Artwork.h"
#include "app/MainForm.h"
#include "app/StartupForm.h"
#include "shell/ErrorBoundary.h"
#include "update/gui/UpdateCommands.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace sv {

TSplashScreen::TSplashScreen(TMainForm& main) : m_main(main)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setFixedSize(447, 357);
    setAutoFillBackground(false);

    auto label = [this](const QString& text, const QRect& geometry, int px, bool bold, const QColor& colour) {
        auto* l = new QLabel(text, this);
        QFont f(QStringLiteral("Times New Roman"));
        f.setPixelSize(px);
        f.setBold(bold);
        l->setFont(f);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, colour);
        l->setPalette(pal);
        l->setGeometry(geometry);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        return l;
    };
    edition = label(QString(), QRect(0, 92, 447, 30), 24, true, QColor(0x1c, 0x2c, 0x6c));
    edition->setObjectName(QStringLiteral("edition"));
    forx = label(QString(), QRect(0, 120, 447, 24), 18, false, QColor(0x1c, 0x2c, 0x6c));
    forx->setObjectName(QStringLiteral("forx"));
    version = label(QStringLiteral("Version ") + ProgramVersion(), QRect(236, 330, 200, 20), 13, false,
                    QColor(0xff, 0xff, 0xff));
    version->setObjectName(QStringLiteral("version"));
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    peak = label(QStringLiteral("Helping you reach <span style=\"color:#d00000\">your</span> peak"),
                 QRect(0, 148, 447, 26), 17, false, QColor(0x20, 0x20, 0x20));
    peak->setObjectName(QStringLiteral("peak"));
    peak->setTextFormat(Qt::RichText);
    QFont italic = peak->font();
    italic.setItalic(true);
    peak->setFont(italic);

    DetailsBtn = new QPushButton(QStringLiteral("Details..."), this);
    DetailsBtn->setObjectName(QStringLiteral("detailsButton"));
    DetailsBtn->setGeometry(12, 318, 90, 28);
    DetailsBtn->hide();
    CloseBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("closeButton"));
    CloseBtn->setGeometry(110, 318, 90, 28);
    CloseBtn->setDefault(true);
    CloseBtn->hide();
    connect(DetailsBtn, &QPushButton::clicked, this, &TSplashScreen::DetailsBtnClick);
    connect(CloseBtn, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });

    SplashTimer = new QTimer(this);
    SplashTimer->setObjectName(QStringLiteral("splashTimer"));
    SplashTimer->setInterval(3000);
    SplashTimer->setSingleShot(true);
    connect(SplashTimer, &QTimer::timeout, this, &TSplashScreen::SplashTimerTimer);

    main.OpenChild(this, TMainForm::TPlacement::Centred, Qt::FramelessWindowHint);
    edition->setText(QStringLiteral("Wrenfold Edition"));
    forx->setText(QStringLiteral("for KARVO"));
}

void TSplashScreen::StartTimer() { SplashTimer->start(); }

void TSplashScreen::ShowAsAbout()
{
    DetailsBtn->show();
    CloseBtn->show();
    CloseBtn->setFocus();
    // Escape closes the About box (not the splash, which leads on to the user selection).
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] { CloseChildWindow(this); });
}

void TSplashScreen::SplashTimerTimer()
{
    SplashTimer->stop();
    // A start-up that fails is reported and the splash goes all the same; File, Start then
    // tries the user selection again.
    if (!Guarded([this] { m_main.UM_STARTUP(); }, &m_main.Messages()))
        m_main.CmdStart->setEnabled(true);
    CloseChildWindow(this);
}

void TSplashScreen::DetailsBtnClick()
{
    m_main.Services().Shell->OpenTextFile(QString::fromStdString(m_main.ProgramDir() + "readme.txt"));
}

void TSplashScreen::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    PaintSplashPicture(p, rect());
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(48);
    f.setBold(true);
    p.setFont(f);
    const QRect title(0, 24, width(), 64);
    p.setPen(QColor(0x90, 0x90, 0x90));
    p.drawText(title, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("The Scrivolt"));
    p.setPen(QColor(0x00, 0x00, 0x80));
    p.drawText(title.translated(-3, -1), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("The Scrivolt"));
}

} // namespace sv
