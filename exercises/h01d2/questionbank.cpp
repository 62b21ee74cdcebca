#include "exercises/h01d2/questionbank.h"

#include "core/lessonfile.h"

#include <QCoreApplication>

namespace QuestionBank {

namespace {
// The questions as lesson 1's second section gives them, read once.
struct Items {
    QStringList questions, subjects, pronouns, predicates, pictures;
    QList<bool> yes;
};

const Items &items()
{
    static const Items s = [] {
        Items s;
        for (const LessonItem &item : lessonOneSection(2).items) {
            if (const auto *q = item.as<QuestionItem>()) {
                s.questions.append(q->question);
                s.subjects.append(q->subject);
                s.pronouns.append(q->pronoun);
                s.predicates.append(q->predicate);
                s.pictures.append(q->picture);
                s.yes.append(q->yes);
            }
        }
        for (QStringList *list : {&s.questions, &s.subjects, &s.pronouns, &s.predicates, &s.pictures})
            list->resize(itemCount);
        s.yes.resize(itemCount);
        return s;
    }();
    return s;
}

Picture drawing(int item, Picture::Tone tone)
{
    const QString name = items().pictures.value(item);
    return name.isEmpty() ? Picture{} : Picture{pictureResource(name), tone};
}
} // namespace

QString instruction()
{
    return QCoreApplication::translate("QuestionBank", "2. Answer the questions in complete sentences:");
}

QStringList questions()
{
    return items().questions;
}

QStringList subjects()
{
    return items().subjects;
}

QStringList pronouns()
{
    return items().pronouns;
}

QStringList predicates()
{
    return items().predicates;
}

bool isYes(int item)
{
    return items().yes.value(item);
}

Picture inkPicture(int item)
{
    return drawing(item, Picture::Ink);
}

Picture colourPicture(int item)
{
    return drawing(item, Picture::Colour);
}

Answers answers(bool yes, const QString &subject, const QString &pronoun, const QString &predicate)
{
    return questionAnswers(yes, subject, pronoun, predicate);
}

Capitalised capitalised(const QString &text)
{
    return ::capitalised(text);
}

QString capitalWarning()
{
    return QCoreApplication::translate("QuestionBank", "Attention to capital letters!");
}

Check check(const Answers &accepted, const QString &typed)
{
    return checkQuestion(accepted, typed);
}

} // namespace QuestionBank
