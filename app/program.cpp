#include "app/program.h"

#include "app/alap.h"
#include "core/desktop.h"
#include "core/services.h"
#include "core/speech.h"
#include "ui/fonts.h"
#include "app/hatter.h"
#include "app/lessonswindow.h"
#include "core/lessonlibrary.h"
#include "core/lessons.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "core/progressstore.h"
#include "app/sobre.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"

#include <QApplication>
#include <QTimer>

namespace {
Program *current = nullptr;
} // namespace

template <class T, class... Services>
T &Program::lazy(std::unique_ptr<T> &slot, Services &...services)
{
    if (!slot) {
        // A window gets the services it uses from here, as it is created.
        slot = std::make_unique<T>(services...);
        QObject::connect(slot.get(), &Form::unloaded, [this] { windowUnloaded(); });
        // One answer path: every window that checks answers reports them, and they are recorded
        // here; the windows themselves know nothing of the record.
        if constexpr (requires { &T::answerChecked; })
            QObject::connect(slot.get(), &T::answerChecked, slot.get(),
                             [this](const AnswerEvent &event) { store_->recordAnswer(event); });
        // A window that shows Hungarian phrases has them spoken, and takes its speech with it
        // when it unloads: the exercise windows and the review alike.
        if constexpr (requires { &T::hungarianShown; }) {
            QObject::connect(slot.get(), &T::hungarianShown, speech_.get(), &Speech::say);
            QObject::connect(slot.get(), &Form::unloaded, speech_.get(), &Speech::forget);
        }
        if constexpr (std::is_base_of_v<ExerciseForm, T>)
            wireExercise(*slot);
        // The Lessons window's figures follow a practice or a review once it closes.
        if constexpr (std::is_same_v<T, Review>)
            QObject::connect(slot.get(), &Form::unloaded, [this] {
                if (lessons_ && lessons_->isVisible())
                    lessons_->refresh();
            });
    }
    return *slot;
}

Program::Program(std::unique_ptr<Desktop> desktop, std::unique_ptr<ProgressStore> store)
    : desktop_(std::move(desktop)), store_(store ? std::move(store) : std::make_unique<NullProgressStore>())
{
    Q_ASSERT(!current);
    current = this;
    installServices(&shared, desktop_.get());
    // The speech service only remembers the speaker here; it connects on first use.
    speech_ = std::make_unique<Speech>(desktop_->speaker());
    installSpeech(speech_.get());
    setExerciseHost(this);
    installFontSubstitutes();
    QApplication::setWindowIcon(icon());
    shared.newLine = QStringLiteral("\r\n");
    // Only the lessons known are reviewed; a removed one's answers stay.
    useLessonLibrary();
    store_->setLessonFilter(&Lessons::known);
}

Program::~Program()
{
    storeCheck_.reset();
    for (Form *form : forms())
        form->discard();
    lessons_.reset();
    review_.reset();
    progress_.reset();
    lex1_.reset();
    h01d3_.reset();
    h01d2_.reset();
    h01d1_.reset();
    alap_.reset();
    hatter_.reset();
    sobre_.reset();
    setExerciseHost(nullptr);
    installSpeech(nullptr);
    speech_.reset();
    installServices(nullptr, nullptr);
    // The lessons loaded from this run's library go with it.
    Lessons::setSource({});
    current = nullptr;
}

Program &Program::get()
{
    Q_ASSERT(current);
    return *current;
}

bool Program::exists()
{
    return current != nullptr;
}

QIcon Program::icon()
{
    static const QIcon telephone(QStringLiteral(":/icons/telephone.svg"));
    return telephone;
}

void Program::start()
{
    sobre().load();
}

void Program::startReview()
{
    openReview();
}

void Program::startLessons(const QStringList &wordLists)
{
    lessons().open();
    lessons().importFiles(wordLists);
}

LessonLibrary &Program::lessonLibrary()
{
    if (!library_)
        library_ = std::make_unique<LessonLibrary>(lessonFolder_.isEmpty() ? LessonLibrary::defaultFolder() : lessonFolder_);
    return *library_;
}

void Program::setLessonFolder(const QString &folder)
{
    lessonFolder_ = folder;
    library_.reset();
    useLessonLibrary();
}

void Program::useLessonLibrary()
{
    // The learner's own lessons are the library's: looked up when the record names one, read on
    // first use. Setting the source again forgets the lessons read from the library before.
    Lessons::setSource({[this](const QString &id) { return lessonLibrary().has(id); },
                        [this](const QString &id) { return lessonLibrary().load(id); }});
}

void Program::practise(const QString &lessonId)
{
    if (lessonId == lessonOne().id) {
        // Lesson 1 is practised in its exercise windows: in the one open now, or from the menu.
        for (Form *form : forms())
            if (qobject_cast<ExerciseForm *>(form) && form->isVisible()) {
                form->show();
                return;
            }
        showMenu();
        return;
    }
    if (!Lessons::find(lessonId)) {
        // Removed or damaged since the list was read.
        lessons().refresh();
        lessons().messageBox(LessonsWindow::caption(),
                             LessonsWindow::tr("This lesson cannot be read any more. Import its word list again."),
                             MsgIcon::Exclamation);
        return;
    }
    review().practise(lessonId, LessonsWindow::newPerDay());
}

void Program::end()
{
    for (Form *form : forms())
        form->discard();
    ended_ = true;
    desktop_->endProgram();
}

void Program::windowUnloaded()
{
    if (ended_)
        return;
    for (Form *form : forms())
        if (form->isVisible())
            return;
    ended_ = true;
    desktop_->endProgram();
}

void Program::wireExercise(ExerciseForm &window)
{
    // What an exercise window's runs do reaches the record (their answers as every window's do,
    // see lazy); the windows themselves know nothing of it.
    QObject::connect(&window, &ExerciseForm::runStarted, &window,
                     [this](int exercise, bool plus, int items) { store_->recordRunStart(exercise, plus, items); });
    QObject::connect(&window, &ExerciseForm::runEnded, &window, [this](bool completed) { store_->recordRunEnd(completed); });
}

void Program::tellStoreProblem()
{
    if (storeProblemTold_ || ended_ || !alap_ || !alap_->isVisible())
        return;
    // A store that stops saving later (a disk that fills up) is told at the menu's next showing.
    const QString problem = store_->problem();
    if (problem.isEmpty())
        return;
    storeProblemTold_ = true;
    alap_->messageBox(ProgressWindow::caption(), problem, MsgIcon::Exclamation);
}

void Program::menuLoaded()
{
    if (storeProblemTold_)
        return;
    if (!storeCheck_) {
        storeCheck_ = std::make_unique<QTimer>();
        storeCheck_->setSingleShot(true);
        storeCheck_->setInterval(300);
        QObject::connect(storeCheck_.get(), &QTimer::timeout, [this] { tellStoreProblem(); });
    }
    storeCheck_->start();
}

void Program::openProgress()
{
    progress().open();
}

void Program::openReview()
{
    review().open();
}

void Program::openLessons()
{
    lessons().open();
}

QString Program::reviewMenuCaption()
{
    return Review::menuCaption(store_->dueCount());
}

void Program::showMenu()
{
    alap().show();
}

void Program::openAbout()
{
    sobre().openAsAbout();
}

ExerciseForm &Program::exerciseWindow(int exercise)
{
    switch (exercise) {
    case 1: return h01d1();
    case 2: return h01d2();
    case 5: return lex1();
    default: return h01d3();
    }
}

QList<Form *> Program::forms() const
{
    QList<Form *> all;
    for (Form *form : std::initializer_list<Form *>{sobre_.get(), alap_.get(), hatter_.get(), h01d1_.get(),
                                                     h01d2_.get(), h01d3_.get(), lex1_.get(), progress_.get(),
                                                     review_.get(), lessons_.get()})
        if (form)
            all.append(form);
    return all;
}

Sobre &Program::sobre() { return lazy(sobre_); }
Alap &Program::alap() { return lazy(alap_, *this); }
Hatter &Program::hatter() { return lazy(hatter_); }
H01d1 &Program::h01d1() { return lazy(h01d1_); }
H01d2 &Program::h01d2() { return lazy(h01d2_); }
H01d3 &Program::h01d3() { return lazy(h01d3_); }
Lex1 &Program::lex1() { return lazy(lex1_); }
ProgressWindow &Program::progress() { return lazy(progress_, *store_); }
Review &Program::review() { return lazy(review_, *store_, *speech_); }
LessonsWindow &Program::lessons() { return lazy(lessons_, *this); }

Sobre &sobre() { return Program::get().sobre(); }
Alap &alap() { return Program::get().alap(); }
Hatter &hatter() { return Program::get().hatter(); }
H01d1 &h01d1() { return Program::get().h01d1(); }
H01d2 &h01d2() { return Program::get().h01d2(); }
H01d3 &h01d3() { return Program::get().h01d3(); }
Lex1 &lex1() { return Program::get().lex1(); }
ProgressWindow &progress() { return Program::get().progress(); }
Review &review() { return Program::get().review(); }
LessonsWindow &lessons() { return Program::get().lessons(); }
