#include "game/gui/WallOfFameDlg.h"

#include "common/Utf8Text.h"
#include "common/Win1252.h"
#include "user/User.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sv {

namespace { } // namespace

TWallOfFameDlg::TWallOfFameDlg(const TUser& user, QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromUtf8("One-Way Game Wall Of Fame"));
    setProperty("helpContext", HelpContext);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const QString panel =
        FromUtf8("QLabel { background: #FFFBE6; color: black; border: 1px solid #8A7A40; padding: 4px 8px; }");
    for (int k = 0; k < TWallOfFame::Places; ++k) {
        auto* place = new QLabel(QString::number(k + 1) + FromUtf8("."), this);
        Name[static_cast<std::size_t>(k)] = new QLabel(FromWin1252(user.WallOfFame.Name(k + 1)), this);
        Score[static_cast<std::size_t>(k)] = new QLabel(QString::number(user.WallOfFame.Score(k + 1)), this);
        QLabel* name = Name[static_cast<std::size_t>(k)];
        QLabel* score = Score[static_cast<std::size_t>(k)];
        name->setObjectName(FromUtf8("Name") + QString::number(k + 1));
        score->setObjectName(FromUtf8("Score") + QString::number(k + 1));
        name->setStyleSheet(panel);
        score->setStyleSheet(panel);
        name->setMinimumWidth(220);
        score->setMinimumWidth(70);
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (k == 0) {
            QFont f = name->font();
            f.setBold(true);
            name->setFont(f);
            score->setFont(f);
        }
        grid->addWidget(place, k, 0);
        grid->addWidget(name, k, 1);
        grid->addWidget(score, k, 2);
    }
    grid->setColumnStretch(1, 1);
    OKBtn = new QPushButton(FromUtf8("OK"), this);
    OKBtn->setObjectName(FromUtf8("okButton"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addStretch();
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(grid);
    lay->addLayout(buttons);
    setFocusProxy(OKBtn);
}

void TWallOfFameDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace sv
