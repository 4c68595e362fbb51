#pragma once
// TSpeechForm: "Speech and Assistant Settings". The person chooses the text-to-speech voice
// (tried with a test sentence), switches the assistant on or off and picks its character and
// personality. Nothing is stored before OK; a voice tried and then cancelled is undone when the
// window closes.

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace sv {

class ISpeechEngine;
class TAssistant;
class TSounds;
class TUser;

// What the settings window works on (not owned).
struct TSpeechSettingsContext {
    TUser* User = nullptr;
    TSounds* Sounds = nullptr;
    ISpeechEngine* Engine = nullptr;
    TAssistant* Assistant = nullptr;
    // The assistant was switched on or off: the main window's Assistant command takes the new
    // check mark and runs (it shows the character or says goodbye).
    std::function<void(bool on)> AssistantChanged;
    std::function<void(int context)> ShowHelp;
};

class TSpeechForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int HelpContext = 2120;

    explicit TSpeechForm(const TSpeechSettingsContext& context, QWidget* parent = nullptr);

    void VoiceCBChange();
    void TestBtnClick();
    void useAssistantClick();
    void OKBtnClick();
    void CancelBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The parts of the window, built in this order (the order of the focus chain).
    void MakeCommentsBox();
    QGroupBox* MakeVoiceBox();
    QHBoxLayout* MakeButtonRow();

    // The widgets; tests find them by objectName.
    QGroupBox* m_commentsBox = nullptr;
    QCheckBox* m_useAssistantBox = nullptr;
    QComboBox* m_assistantBox = nullptr;
    QLabel* m_personalityLabel = nullptr;
    QComboBox* m_personalityBox = nullptr;
    QComboBox* m_voiceBox = nullptr;
    QLabel* m_testLabel = nullptr;
    QPlainTextEdit* m_testText = nullptr;
    QPushButton* m_testButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_helpButton = nullptr;

    void CloseWindow();

    TSpeechSettingsContext m_context;
    bool m_closed = false;
};

} // namespace sv
