#include "scenes.h"

#include "app/alap.h"
#include "app/lessonswindow.h"
#include "app/progresswindow.h"
#include "app/review.h"
#include "app/sobre.h"
#include "core/module1.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "testing.h"
#include "ui/picturebutton.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

void toMenu()
{
    Program::get().start();
    sobre().Timer1_Timer();
}

ExerciseForm &openExercise(int exercise)
{
    toMenu();
    PictureButton *buttons[] = {alap().ui().Button1, alap().ui().Button2, alap().ui().Button3, alap().ui().Button4,
                                alap().ui().Button5};
    buttons[exercise - 1]->click();
    return Program::get().exerciseWindow(exercise);
}

void enter(QLineEdit *box, const QString &text)
{
    box->setFocus();
    typeText(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

QLineEdit *chooseNextQuestion()
{
    H01d2 &w = h01d2();
    int item = 0;
    while (item < H01d2::itemCount - 1 && !w.ui().Text1[item]->text().isEmpty())
        ++item;
    QTest::mouseClick(w.ui().Check1[item], Qt::LeftButton);
    return w.ui().Text1[item];
}

// Answers the item on screen rightly.
void answerRightly(int exercise)
{
    switch (exercise) {
    case 1: enter(h01d1().ui().Text2, h01d1().articles.value(h01d1().current)); break;
    case 2: enter(chooseNextQuestion(), h01d2().longAnswer); break;
    case 3:
    case 4: enter(h01d3().ui().Text1, h01d3().keys.value(h01d3().current)); break;
    case 5: {
        Lex1 &w = lex1();
        int cell = 0;
        while (cell < Lex1::nounCount && !w.ui().Text2[cell]->text().isEmpty())
            ++cell;
        enter(w.ui().Text1, module1().nounList.value(cell));
        break;
    }
    }
}


QWidget *exerciseIn(int exercise, State state, FakeDesktop &desktop)
{
    ExerciseForm &w = openExercise(exercise);
    if (state == State::BeforeStart)
        return w.window();
    w.frame().start->click();
    if (state == State::Revealed) { // exercise 5: every word shown, one picture's word by its tick box
        QTest::mouseClick(lex1().ui().Check1[2], Qt::LeftButton);
        lex1().ui().Command3->click();
        return w.window();
    }
    answerRightly(exercise);
    // At completion the window tells so in a box; a right answer raises none before it.
    for (int n = 0; state == State::Completed && desktop.boxes.isEmpty() && n < 100; ++n)
        answerRightly(exercise);
    return w.window();
}

QWidget *progressWithRecord()
{
    ExerciseForm &w = openExercise(3);
    w.frame().start->click();
    answerRightly(3);
    enter(h01d3().ui().Text1, QStringLiteral("zzz"));
    answerRightly(3);
    triggerMenu(w.window(), QStringLiteral("mnuShowProgress"));
    return progress().window();
}

QWidget *aboutFromMenu()
{
    toMenu();
    triggerMenu(alap().window(), QStringLiteral("mnuabout"));
    return sobre().window();
}


QWidget *reviewIn(ReviewState state)
{
    static QDateTime clock;
    clock = QDateTime::currentDateTimeUtc();
    Program::get().progressStore().setClock([] { return clock; });
    if (state != ReviewState::NothingDue) {
        ExerciseForm &w = openExercise(2);
        w.frame().start->click();
        answerRightly(2);
        if (state == ReviewState::EndedEarly)
            answerRightly(2);
        w.frame().close->click();
        clock = clock.addDays(400);
    } else {
        toMenu();
    }
    triggerMenu(alap().window(), QStringLiteral("mnuReview"));
    ReviewUi &u = review().ui();
    if (state == ReviewState::Right)
        u.answer->setText(review().items().value(0).answer);
    if (state == ReviewState::Wrong || state == ReviewState::Repeat || state == ReviewState::EndedEarly)
        u.answer->setText(QStringLiteral("Nem."));
    if (state == ReviewState::NearMiss) // "Igen, ez autó." without its accent
        u.answer->setText(review().items().value(0).expected.replace(QStringLiteral("ó"), QStringLiteral("o")));
    if (state != ReviewState::Due && state != ReviewState::NothingDue)
        u.check->click();
    if (state == ReviewState::Repeat)
        u.next->click();
    if (state == ReviewState::EndedEarly)
        u.endReview->click();
    return review().window();
}



namespace {
const QString wordLists = QStringLiteral(TARVO_WORDLISTS);
const QStringList twoLists{wordLists + QStringLiteral("kvtml/bilingual.kvtml"),
                           wordLists + QStringLiteral("kvtml/monolingual.kvtml")};
} // namespace

QWidget *lessonsIn(LessonsState state)
{
    toMenu();
    triggerMenu(alap().window(), QStringLiteral("mnuLessons"));
    switch (state) {
    case LessonsState::TwoLists:
        lessons().importFiles(twoLists);
        break;
    case LessonsState::ColumnsAsked:
        lessons().importFiles({wordLists + QStringLiteral("csv/tab-utf16.txt")});
        break;
    case LessonsState::NounsAsked:
        lessons().importFiles({wordLists + QStringLiteral("csv/comma.csv")});
        break;
    }
    return lessons().window();
}

QWidget *practiceIn(PracticeState state)
{
    lessonsIn(LessonsState::TwoLists);
    QTableWidget *table = lessons().ui().lessons;
    table->setFocus();
    table->selectRow(1);
    lessons().ui().practise->click();
    if (state != PracticeState::NewWord)
        enter(review().ui().answer, QStringLiteral("xyz"));
    if (state == PracticeState::Ended)
        review().ui().endReview->click();
    return review().window();
}

QStringList lessonsContent()
{
    QStringList texts;
    for (const QString &path : twoLists) {
        const Lesson lesson = WordList::read(path).lesson;
        texts << lesson.title;
        for (const LessonSection &section : lesson.sections) {
            texts << section.title;
            // The words and what asks them.
            for (const LessonItem &item : section.items)
                if (const auto *word = item.as<WordItem>())
                    texts << word->prompt << word->answer;
        }
    }
    return texts;
}

QList<Scene> scenes()
{
    const auto exercise = [](int n, State s) { return [n, s](FakeDesktop &d) { return exerciseIn(n, s, d); }; };
    return {
        {"menu", [](FakeDesktop &) { return (toMenu(), alap().window()); }},
        {"about", [](FakeDesktop &) { return aboutFromMenu(); }},
        {"h01d1 before Start", exercise(1, State::BeforeStart)},
        {"h01d1 right answer", exercise(1, State::RightAnswer)},
        {"h01d1 completed", exercise(1, State::Completed)},
        {"h01d2 before Start", exercise(2, State::BeforeStart)},
        {"h01d2 right answer", exercise(2, State::RightAnswer)},
        {"h01d2 completed", exercise(2, State::Completed)},
        {"h01d3 (3) before Start", exercise(3, State::BeforeStart)},
        {"h01d3 (3) right answer", exercise(3, State::RightAnswer)},
        {"h01d3 (3) completed", exercise(3, State::Completed)},
        {"h01d3 (4) right answer", exercise(4, State::RightAnswer)},
        {"lex1 before Start", exercise(5, State::BeforeStart)},
        {"lex1 right answer", exercise(5, State::RightAnswer)},
        {"lex1 words revealed", exercise(5, State::Revealed)},
        {"lex1 completed", exercise(5, State::Completed)},
        {"progress with a record", [](FakeDesktop &) { return progressWithRecord(); }},
        {"review, picture due", [](FakeDesktop &) { return reviewIn(ReviewState::Due); }},
        {"review, right answer", [](FakeDesktop &) { return reviewIn(ReviewState::Right); }},
        {"review, wrong answer", [](FakeDesktop &) { return reviewIn(ReviewState::Wrong); }},
        {"review, only an accent missed", [](FakeDesktop &) { return reviewIn(ReviewState::NearMiss); }},
        {"review, asked again", [](FakeDesktop &) { return reviewIn(ReviewState::Repeat); }},
        {"review, ended early", [](FakeDesktop &) { return reviewIn(ReviewState::EndedEarly); }},
        {"review, nothing due", [](FakeDesktop &) { return reviewIn(ReviewState::NothingDue); }},
        {"lessons, two lists", [](FakeDesktop &) { return lessonsIn(LessonsState::TwoLists); }},
        {"lessons, columns asked", [](FakeDesktop &) { return lessonsIn(LessonsState::ColumnsAsked); }},
        {"lessons, nouns asked", [](FakeDesktop &) { return lessonsIn(LessonsState::NounsAsked); }},
        {"practice, a new word", [](FakeDesktop &) { return practiceIn(PracticeState::NewWord); }},
        {"practice, wrong answer", [](FakeDesktop &) { return practiceIn(PracticeState::Wrong); }},
        {"practice, ended early", [](FakeDesktop &) { return practiceIn(PracticeState::Ended); }},
    };
}
