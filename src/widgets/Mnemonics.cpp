#include "widgets/Mnemonics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <set>

namespace sv {

namespace {

// The letter after a single "&" (a "&&" is a plain ampersand); none when there is no mnemonic.
QChar MnemonicOf(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Where the mnemonic goes in text: a word's first letter first, then any letter or digit.
qsizetype ChooseMnemonic(const QString& text, const std::set<QChar>& used)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        if (wordStart && text[i].isLetterOrNumber() && !used.count(text[i].toLower()))
            return i;
    }
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].isLetterOrNumber() && !used.count(text[i].toLower()))
            return i;
    return -1;
}

void AddMnemonics(const QList<QAction*>& actions)
{
    std::set<QChar> used;
    for (const QAction* a : actions)
        if (const QChar m = MnemonicOf(a->text()); !m.isNull())
            used.insert(m);
    for (QAction* a : actions) {
        if (a->isSeparator() || a->text().isEmpty() || !MnemonicOf(a->text()).isNull())
            continue;
        QString text = a->text();
        const qsizetype at = ChooseMnemonic(text, used);
        if (at < 0)
            continue;
        used.insert(text[at].toLower());
        text.insert(at, QLatin1Char('&'));
        a->setText(text);
    }
    for (QAction* a : actions)
        if (QMenu* sub = a->menu())
            AddMissingMnemonics(sub);
}

} // namespace

void AddMissingMnemonics(QMenu* menu) { AddMnemonics(menu->actions()); }

void AddMissingMnemonics(QMenuBar* bar) { AddMnemonics(bar->actions()); }

} // namespace sv
