#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;
class QtSpeaker;
class Speaker;

// Message-box icons, with the values of the Windows message-box flags.
enum class MsgIcon { None = 0, Stop = 16, Exclamation = 48, Information = 64 };

// Everything that touches the desktop and would block or randomise a test: modal message boxes,
// the system beep, keeping a window above others, the random draw, ending the program and the
// speech engine.
class Desktop {
public:
    virtual ~Desktop() = default;
    // A modal box with one OK button; returns when it is acknowledged.
    virtual void messageBox(QWidget *owner, const QString &title, const QString &text, MsgIcon icon) = 0;
    virtual void beep() = 0;
    // Puts a window above all others or back among them, without moving or resizing it.
    virtual void setTopmost(QWidget *window, bool on) = 0;
    // Uniform in [0, 1).
    virtual double random() = 0;
    virtual void endProgram() = 0;
    // The Hungarian voice (core/speech.h). It connects to its engine only when first asked to.
    virtual Speaker &speaker() = 0;
    // A modal Yes/No question; true for Yes. A desktop that cannot ask answers No.
    virtual bool question(QWidget *owner, const QString &title, const QString &text);
    // The file the learner chooses to save to, or empty when cancelled.
    virtual QString saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter);
    // The existing files the learner chooses to open, or none when cancelled.
    virtual QStringList openFileNames(QWidget *owner, const QString &title, const QString &filter);
};

// The desktop of the running program (installed by it, see core/services.h).
Desktop &desktop();

// The real desktop, through Qt. Its boxes carry the application's window icon.
class QtDesktop : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;
    void messageBox(QWidget *owner, const QString &title, const QString &text, MsgIcon icon) override;
    void beep() override;
    void setTopmost(QWidget *window, bool on) override;
    double random() override;
    void endProgram() override;
    Speaker &speaker() override;
    bool question(QWidget *owner, const QString &title, const QString &text) override;
    QString saveFileName(QWidget *owner, const QString &title, const QString &suggested, const QString &filter) override;
    QStringList openFileNames(QWidget *owner, const QString &title, const QString &filter) override;

private:
    std::unique_ptr<QtSpeaker> speaker_;
};
