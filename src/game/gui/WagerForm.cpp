#include "game/gui/WagerForm.h"

#include "common/Utf8Text.h"
#include "game/GameRules.h"
#include "widgets/AccessibleName.h"
#include "widgets/ObjectNames.h"
#include "widgets/SpinEdit.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace sv {

TWagerForm::TWagerForm(std::function<void(int amount)> chosen, std::function<void()> closed, QWidget* parent)
    : QWidget(parent), m_chosen(std::move(chosen)), m_closed(std::move(closed))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FromUtf8("One-Way Wager"));
    setProperty("helpContext", HelpContext);
    Label1 = new QLabel(FromUtf8("Congratulations! You have found the One-Way Wager. Select below how much you "
                                 "would like to wager on this question."),
                        this);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(340);
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    Label1->setFont(big);
    WagerSpinEdit = new TSpinEdit(MinimumWager, 1000, this);
    SetAccessibleName(WagerSpinEdit, FromUtf8("Wager"));
    WagerSpinEdit->setSingleStep(WagerStep);
    WagerSpinEdit->setValue(MinimumWager);
    WagerSpinEdit->setAccelerated(true);
    WagerSpinEdit->setFont(big);
    WagerSpinEdit->setMinimumWidth(110);
    WagerSpinEdit->setAlignment(Qt::AlignRight);
    WagerSpinEdit->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // Enter reaches OK before the box corrects the text itself, so that a correction is seen.
    WagerSpinEdit->installEventFilter(this);
    OKBtn = new QPushButton(FromUtf8("OK"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(WagerSpinEdit);
    row->addSpacing(12);
    row->addWidget(OKBtn);
    row->addStretch();
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Label1);
    lay->addLayout(row);
    setFocusProxy(WagerSpinEdit);
    SetObjectNames({{Label1, "wagerText"}, {WagerSpinEdit, "wagerSpin"}, {OKBtn, "okButton"}});
}

TWagerForm::~TWagerForm() = default;

void TWagerForm::SetWagerLimit(int score) { WagerSpinEdit->setMaximum(WagerLimit(score)); }

void TWagerForm::FocusAmount()
{
    WagerSpinEdit->setFocus();
    WagerSpinEdit->selectAll();
}

void TWagerForm::OKBtnClick()
{
    if (m_ok)
        return;
    // A typed amount outside the range or between two steps is put right in the box first,
    // so that the wager played is the one shown: OK again accepts it.
    bool typedNumber = false;
    const int typed = WagerSpinEdit->cleanText().trimmed().toInt(&typedNumber);
    const int amount = AllowedWager(typedNumber ? typed : MinimumWager, WagerSpinEdit->maximum());
    if (!typedNumber || amount != typed) {
        WagerSpinEdit->setValue(amount);
        WagerSpinEdit->selectAll();
        WagerSpinEdit->setFocus();
        return;
    }
    m_ok = true;
    WagerSpinEdit->setValue(amount);
    if (m_chosen)
        m_chosen(amount);
    close();
}

void TWagerForm::closeEvent(QCloseEvent* event)
{
    // OK is the only way out: the game waits for the wager.
    if (!m_ok) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_closed) {
        auto closed = std::move(m_closed);
        m_closed = nullptr;
        closed();
    }
}

bool TWagerForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == WagerSpinEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OKBtnClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TWagerForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OKBtn->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace sv
