#pragma once
#include <QString>

// One answer as an exercise window checked it: what the progress record keeps of it.
struct AnswerEvent {
    int exercise = 0;   // 1 to 5
    bool plus = false;  // a Plus run of exercise 3 or 4
    QString item;       // the item's own text, as the window shows it ("Ez autó?", "autó", ...)
    QString expected;   // the item's right answer, as the window would complete it
    QString answer;     // the learner's answer as it was checked
    bool right = false;
    bool firstTry = false; // no earlier answer to this item in this run
};
