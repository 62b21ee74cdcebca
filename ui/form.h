#pragma once
#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "core/desktop.h"

class QPushButton;
class Form;

// The top-level widget of a loaded form. The title-bar close box unloads the form, and Enter
// presses the form's default button wherever the focus is, except on another push button,
// which Enter then presses itself (Qt offers this only inside dialogs). In a form that closes on
// Esc, Esc unloads it as the close box does, wherever the focus is.
class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(Form *form);
    QWidget *client() const { return client_; }
    Form *form() const { return form_; }
    void detach() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Form *form_;
    QWidget *client_;
};

// Whether a modal box elsewhere keeps the mouse and the keys from the widget's window.
bool blockedByModal(const QWidget *widget);

// How a window looks when its controls are created: its name, laid-out caption, client size in
// twips, background and font.
struct FormLook {
    QString name;
    QString caption;
    int widthTwips = 0;
    int heightTwips = 0;
    QColor background;
    QFont font;
};

// A window of the program: one object for the whole run, loaded (its controls exist) or not.
// Its widget carries the application's window icon.
// Touching an unloaded form loads it: the controls are created as laid out, then Form_Load runs.
// Unloading runs Form_Unload and destroys the controls; the object's own variables stay.
class Form : public QObject {
    Q_OBJECT
public:
    explicit Form(FormLook look);
    ~Form() override;

    const QString &name() const { return look_.name; }
    bool isLoaded() const { return window_ != nullptr; }
    bool isVisible() const;

    void load();
    void unload();
    // Modeless: loads if needed, then shows the window or brings it forward.
    void show();
    // Closes the window at once without running Form_Unload (program end).
    void discard();

    FormWindow *window();
    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton();

    // Whether a modal box is open over this window. Such a box takes the mouse and the keys from
    // every other window, but a press through the accessibility interface (a screen reader,
    // switch access, voice control) still reaches their buttons; the handlers ignore it.
    bool blockedByBox() const;
    // Whether a control (a widget or a menu item) belongs to this form as it is loaded now.
    bool ownsControl(const QObject *control) const;
    // Whether Esc closes the window, as it closes a dialog (the program's own windows beside the
    // exercises: Progress, Review, ...).
    bool closesOnEscape() const { return closesOnEscape_; }

    // Shows a modal message box for this window through the desktop. True if, when the box has
    // been answered, this window is still loaded, and from the same load: whatever ran inside
    // the box (a timer, the end of the program) may have unloaded it, and a handler that gets
    // false stops, since its controls are gone and touching them would load the window anew.
    bool messageBox(const QString &title, const QString &text, MsgIcon icon);
    // The same for any modal dialog of the desktop (a question, a file dialog): show runs it with
    // this window as its owner; the answer is as for messageBox.
    bool runModal(const std::function<void(QWidget *owner)> &show);

signals:
    // The form has unloaded (not emitted by discard): its owner decides whether the run goes on.
    void unloaded();

protected:
    // Connects a control's signal to a handler of this form that does not run while a modal box
    // blocks the window (see blockedByBox), nor for a control of a window already unloaded (an
    // accessible press clicks a moment after it was asked for, when the window may be gone).
    template <class Sender, class Signal, class Handler>
    void onControl(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, sender, handler] {
            if (ownsControl(sender) && !blockedByBox())
                handler();
        });
    }
    template <class Sender, class Signal, class Owner>
    void onControl(Sender *sender, Signal signal, Owner *owner, void (Owner::*slot)())
    {
        onControl(sender, signal, [owner, slot] { (owner->*slot)(); });
    }

    // Makes Esc close the window (see closesOnEscape); a form sets it once, in its constructor.
    void setClosesOnEscape(bool on) { closesOnEscape_ = on; }

    virtual void createControls(QWidget *client) = 0;
    virtual void destroyControls() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    void destroyWindow();

    FormLook look_;
    FormWindow *window_ = nullptr;
    QPointer<QPushButton> defaultButton_;
    bool unloading_ = false;
    bool closesOnEscape_ = false;
    quint64 loads_ = 0; // how often the form has loaded: tells one load from the next
};

// A form whose controls are the members of Ui, created anew at every load and reached only
// through ui(), which loads the form first.
template <class Ui, class Base = Form>
class FormWith : public Base {
public:
    using Base::Base;
    Ui &ui()
    {
        this->load();
        return *ui_;
    }

protected:
    virtual void build(Ui &ui, QWidget *client) = 0;
    void createControls(QWidget *client) override
    {
        ui_ = std::make_unique<Ui>();
        build(*ui_, client);
    }
    void destroyControls() override { ui_.reset(); }

private:
    std::unique_ptr<Ui> ui_;
};
