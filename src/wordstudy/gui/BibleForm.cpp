#include "wordstudy/gui/BibleForm.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace sv {

TBibleForm::TBibleForm(const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("BibleForm"));
    setWindowTitle(QStringLiteral("Bible"));
    setProperty("helpContext", HelpContext);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_frame = new TfrmBible(books, wordUseLimit, speech, TBibleHost::BibleWindow, this);
    layout->addWidget(m_frame);
    m_frame->OnCaption = [this](const QString& caption) {
        setWindowTitle(caption.isEmpty() ? QStringLiteral("Bible") : caption);
    };
    if (!m_frame->Caption().isEmpty())
        setWindowTitle(m_frame->Caption());
    resize(720, 480);
}

TBibleForm::~TBibleForm()
{
    if (!m_closed && OnClosed)
        OnClosed();
}

void TBibleForm::ShowPassage(const TVerseRef& ref, int n, bool withoutKeywords)
{
    if (withoutKeywords)
        m_frame->SetUsed(false);
    m_frame->ShowAllVerses();
    m_frame->LocateVerses(ref, n);
}

void TBibleForm::closeEvent(QCloseEvent* e)
{
    m_frame->FreeBrowser();
    m_closed = true;
    if (OnClosed)
        OnClosed();
    e->accept();
}

void TBibleForm::wheelEvent(QWheelEvent* e)
{
    m_frame->HandleWheel(e->globalPosition().toPoint(), e->angleDelta().y());
    e->accept();
}

TBibleForm* OpenBibleWindow(QMdiArea& area, const TBooks& books, std::int32_t& wordUseLimit, IBibleSpeech* speech)
{
    auto* form = new TBibleForm(books, wordUseLimit, speech);
    QMdiSubWindow* sub = area.addSubWindow(form);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // Room for the verses and the word list, as far as the client area allows.
    sub->resize(QSize(720, 480).boundedTo(area.viewport()->size()).expandedTo(QSize(360, 240)));
    sub->show();
    return form;
}

} // namespace sv
