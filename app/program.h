#pragma once
#include "core/module1.h"
#include "core/progressstore.h"
#include "exercises/frame/exerciseform.h"

#include <QIcon>
#include <QStringList>
#include <memory>

class Desktop;
class Form;
class LessonLibrary;
class LessonsWindow;
class ProgressWindow;
class Review;
class QTimer;
class Sobre;
class Speech;
class Alap;
class Hatter;
class H01d1;
class H01d2;
class H01d3;
class Lex1;

// One run of the program: the shared module, the desktop it talks to, and its seven windows,
// each created the first time anything refers to it and kept until the run ends. It is the one
// place that creates and wires the windows: it installs the shared services for its run, hands
// each window it creates the services that window uses (the store, the speech service, itself to
// the menu), hears every window unload, and answers the exercise windows' requests for the menu,
// the About window and each other. It keeps the learner's progress store and feeds it every run
// of the exercise windows and every answer that a window reports, the review's included.
class Program : public ExerciseHost {
public:
    // Without a store, nothing of the run is kept.
    explicit Program(std::unique_ptr<Desktop> desktop, std::unique_ptr<ProgressStore> store = nullptr);
    ~Program() override;
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    static Program &get();
    static bool exists();
    // The telephone icon that every window carries.
    static QIcon icon();

    // Start-up: the title card comes first.
    void start();
    // Start-up straight into the review of the items due; the run ends when it is closed.
    void startReview();
    // Start-up straight into the Lessons window, importing the word lists given (from a file
    // manager); the run ends when it is closed.
    void startLessons(const QStringList &wordLists = {});
    // End: every window closes at once, without its unload handler.
    void end();
    // Called after a window has unloaded: the run ends when no window is left on screen.
    void windowUnloaded();
    bool ended() const { return ended_; }

    Desktop &desktop() { return *desktop_; }
    ProgressStore &progressStore() { return *store_; }
    // The learner's imported lessons, in the folder given here or else in the application's data
    // folder (LessonLibrary::defaultFolder). Nothing of it is read before a window asks for it.
    LessonLibrary &lessonLibrary();
    void setLessonFolder(const QString &folder);
    // Practises a lesson: lesson 1 in the menu's exercises (in the exercise window already open,
    // if one is); an imported lesson in the Review window's form.
    void practise(const QString &lessonId);
    // Tells the learner, once per run and in one box of the menu window, what went wrong with
    // the progress store, if anything has. Waits while the menu is not on screen.
    void tellStoreProblem();
    // The menu has loaded: the store is opened a moment after it is on screen, so that start-up
    // does not wait for it, and anything wrong with it is told over the menu.
    void menuLoaded();
    Module1 shared;

    Sobre &sobre();
    Alap &alap();
    Hatter &hatter();
    H01d1 &h01d1();
    H01d2 &h01d2();
    H01d3 &h01d3();
    Lex1 &lex1();
    ProgressWindow &progress();
    Review &review();
    LessonsWindow &lessons();
    // The windows created so far.
    QList<Form *> forms() const;

    void showMenu() override;
    void openAbout() override;
    void openProgress() override;
    void openReview() override;
    QString reviewMenuCaption() override;
    void openLessons() override;
    ExerciseForm &exerciseWindow(int exercise) override;

private:
    template <class T, class... Services>
    T &lazy(std::unique_ptr<T> &slot, Services &...services);
    void wireExercise(ExerciseForm &window);
    // The lessons Tarvo knows beside lesson 1 come from this run's library.
    void useLessonLibrary();

    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<Speech> speech_;
    std::unique_ptr<ProgressStore> store_;
    std::unique_ptr<Sobre> sobre_;
    std::unique_ptr<Alap> alap_;
    std::unique_ptr<Hatter> hatter_;
    std::unique_ptr<H01d1> h01d1_;
    std::unique_ptr<H01d2> h01d2_;
    std::unique_ptr<H01d3> h01d3_;
    std::unique_ptr<Lex1> lex1_;
    std::unique_ptr<ProgressWindow> progress_;
    std::unique_ptr<Review> review_;
    std::unique_ptr<LessonsWindow> lessons_;
    std::unique_ptr<LessonLibrary> library_;
    QString lessonFolder_;
    std::unique_ptr<QTimer> storeCheck_; // opens the store a moment after the menu is up
    bool ended_ = false;
    bool storeProblemTold_ = false;
};

// The windows by name, as every handler reaches them.
Sobre &sobre();
Alap &alap();
Hatter &hatter();
H01d1 &h01d1();
H01d2 &h01d2();
H01d3 &h01d3();
Lex1 &lex1();
ProgressWindow &progress();
Review &review();
LessonsWindow &lessons();
