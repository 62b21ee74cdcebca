// Every window's controls at load, against one table: name, kind, place and size in twips,
// caption, and whether the control is shown and enabled; every text in a font that has all of
// its letters, and room enough for it; every picture drawn pixel for pixel at the screen's
// device pixel ratio. CTest runs the suite again at QT_SCALE_FACTOR 1.25 and 1.5, where the
// places in device-independent pixels stay the same and texts and pictures must still fit.
#include "app/alap.h"
#include "app/hatter.h"
#include "core/module1.h"
#include "app/sobre.h"
#include "exercises/h01d1/h01d1.h"
#include "exercises/h01d2/h01d2.h"
#include "exercises/h01d3/h01d3.h"
#include "exercises/lex1/lex1.h"
#include "support/testing.h"
#include "ui/controls.h"
#include "ui/panel3d.h"
#include "ui/picture.h"
#include "ui/picturebutton.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QStyle>
#include <QtMath>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct Control {
    QString window;
    QString name;
    QString kind; // button, picbutton, label, text, tick, picture, panel3d, frame, panel
    int left, top, width, height;
    QString caption;
    bool shown = true;
    bool enabled = true;
};

const QString hint = QStringLiteral("á  ( ' );  é ( ; );  í ( ` );  ó ( = );  ö ( 0 );  ő ( [ );  ú ( ] );  ü ( - );  ű ( \\ )");
const QString plusHint = QStringLiteral(
    "If you want to practise with an extended variant of the selected exercise, click the \"Plus\" button.");

QList<Control> table()
{
    QList<Control> t = {
        // sobre (the rows inside SSPanel1 are placed relative to it)
        {"sobre", "Command1", "button", 360, 2760, 855, 375, "&OK", false},
        {"sobre", "SSPanel1", "panel3d", 120, 120, 5175, 3135, ""},
        {"sobre", "SSPanel2", "panel3d", 1200, 480, 2655, 495, "T A R V O !"},
        {"sobre", "Image1", "picture", 4560, 120, 495, 495, ""},
        {"sobre", "Label1", "label", 360, 1680, 3975, 255, "On the basis of the book: Kelvora!  "},
        {"sobre", "Label6", "label", 1920, 2760, 2775, 255, "For more information click here:"},
        {"sobre", "Image2", "picture", 4680, 2640, 360, 360, ""},
        {"sobre", "Image3", "picture", 240, 3000, 615, 495, "", false},
        {"sobre", "Image4", "picture", 960, 3000, 615, 495, "", false},
        {"sobre", "Image5", "picture", 1680, 3000, 615, 495, "", false},

        {"alap", "Panel3D1", "panel3d", 240, 120, 5415, 750, "Choose an exercise and click on the icon"},
        {"alap", "Button1", "picbutton", 360, 1200, 1095, 630, "&1"},
        {"alap", "Button2", "picbutton", 360, 2040, 1095, 630, "&2"},
        {"alap", "Button3", "picbutton", 360, 2880, 1095, 630, "&3"},
        {"alap", "Button4", "picbutton", 360, 3720, 1095, 630, "&4"},
        {"alap", "Button5", "picbutton", 360, 4560, 1095, 630, "&5"},
        {"alap", "Label1", "label", 1560, 1200, 4095, 375, "Put in the right definite articles."},
        {"alap", "Label6", "label", 1560, 1560, 4215, 375, "(The forms of the definite article: a / az)"},
        {"alap", "Label2", "label", 1680, 2040, 3615, 375, "Answer the questions. "},
        {"alap", "Label7", "label", 1680, 2400, 4215, 495,
         "(Affirmative and negative sentences: short or long answers in complete sentences.)"},
        {"alap", "Label3", "label", 1680, 2880, 4095, 375, "Put in the missing verbs."},
        {"alap", "Label8", "label", 1680, 3240, 4215, 375, "(singular 1-3 persons: vagyok / vagy / - )"},
        {"alap", "Label4", "label", 1680, 3720, 3855, 375, "Put in the right adjectives."},
        {"alap", "Label9", "label", 1680, 4080, 4215, 375, "(The most important adjectives: antonyms.)"},
        {"alap", "Label5", "label", 1680, 4560, 4215, 375, "Bonus exercise (nouns and pictures)."},
        {"alap", "Label10", "label", 1680, 4920, 4215, 375, "(Type in the nouns corresponding to the pictures.)"},
        {"alap", "Command1", "button", 2520, 5640, 1215, 495, "&End"},

        {"h01d1", "Command1", "button", 0, 0, 1215, 495, "&Start"},
        {"h01d1", "Command3", "button", 1200, 0, 1215, 495, "&Close"},
        {"h01d1", "Command8", "button", 2400, 0, 1215, 495, "So&lution"},
        {"h01d1", "Command4", "button", 3600, 0, 1215, 495, "&Help", false},
        {"h01d1", "Label4", "label", 4920, 120, 1935, 375, "Go to exercise:"},
        {"h01d1", "Command10", "button", 6840, 0, 495, 495, "&1", true, false},
        {"h01d1", "Command5", "button", 7320, 0, 495, 495, "&2"},
        {"h01d1", "Command6", "button", 7800, 0, 495, 495, "&3"},
        {"h01d1", "Command7", "button", 8280, 0, 495, 495, "&4"},
        {"h01d1", "Command9", "button", 8760, 0, 495, 495, "&5"},
        {"h01d1", "Label2", "label", 120, 960, 5535, 375, "1.  Put in the right form of the definite article:"},
        {"h01d1", "Label1", "label", 5400, 840, 1575, 495, "a  /  az"},
        {"h01d1", "Label3", "label", 360, 1440, 8535, 2655, ""},
        {"h01d1", "Text2", "text", 2880, 4440, 975, 495, ""},
        {"h01d1", "Text1", "text", 3840, 4440, 2775, 495, ""},
        {"h01d1", "Command2", "button", 3960, 5040, 1215, 495, "&Next"},

        {"h01d2", "Label2", "label", 120, 480, 5535, 375, "2. Answer the questions in complete sentences:"},
        {"h01d2", "Label4", "label", 4920, 120, 1935, 375, "Go to exercise:"},
        {"h01d2", "Command10", "button", 6840, 0, 495, 495, "&1"},
        {"h01d2", "Command5", "button", 7320, 0, 495, 495, "&2", true, false},
        {"h01d2", "Command6", "button", 7800, 0, 495, 495, "&3"},
        {"h01d2", "Command7", "button", 8280, 0, 495, 495, "&4"},
        {"h01d2", "Command8", "button", 8760, 0, 495, 495, "&5"},
        {"h01d2", "Command1", "button", 0, 0, 1095, 375, "&Start"},
        {"h01d2", "Command4", "button", 1080, 0, 1215, 375, "So&lution"},
        {"h01d2", "Command3", "button", 2280, 0, 1095, 375, "Cl&ose"},
        {"h01d2", "Command2", "button", 3975, 5400, 1215, 390, "&Next"},
        {"h01d2", "Command11", "button", 0, 5640, 855, 495, "&Char", false},
        {"h01d2", "Label5", "label", 840, 5760, 8295, 375, hint, false},

        {"h01d3", "Command1", "button", 0, 0, 1215, 495, "&Start"},
        {"h01d3", "Command3", "button", 1200, 0, 1215, 495, "Cl&ose"},
        {"h01d3", "Command8", "button", 2400, 0, 1215, 495, "So&lution"},
        {"h01d3", "Command4", "button", 3600, 0, 1215, 495, "&Help", false},
        {"h01d3", "Label4", "label", 4800, 120, 2055, 375, "Go to exercise:"},
        {"h01d3", "Command10", "button", 6840, 0, 495, 495, "&1"},
        {"h01d3", "Command5", "button", 7320, 0, 495, 495, "&2"},
        {"h01d3", "Command6", "button", 7800, 0, 495, 495, "&3", true, false},
        {"h01d3", "Command7", "button", 8280, 0, 495, 495, "&4"},
        {"h01d3", "Command11", "button", 8760, 0, 495, 495, "&5"},
        {"h01d3", "Label2", "label", 240, 600, 6255, 375, " 3. Put in the right form of verb if needed."},
        {"h01d3", "Label3", "label", 240, 960, 8775, 2655, ""},
        {"h01d3", "Text2", "text", 240, 3720, 3495, 495, ""},
        {"h01d3", "Text1", "text", 3720, 3720, 2535, 495, ""},
        {"h01d3", "Text3", "text", 6240, 3720, 2655, 495, ""},
        {"h01d3", "Command2", "button", 4320, 4320, 1215, 495, "&Next"},
        {"h01d3", "Label1", "label", 2880, 4920, 5055, 615, plusHint},
        {"h01d3", "Plus", "button", 7920, 4920, 975, 495, "&Plus"},
        {"h01d3", "Command9", "button", 360, 5040, 855, 495, "&Char"},
        {"h01d3", "Label5", "label", 360, 5520, 8295, 375, hint, false},

        {"lex1", "Picture1", "panel", 120, 120, 9255, 5685, ""},
        {"lex1", "Text1", "text", 120, 5880, 2295, 420, "", false},
        {"lex1", "Label1", "label", 360, 6360, 1815, 375, "", false},
        {"lex1", "Command1", "button", 2880, 5880, 1215, 495, "S&tart"},
        {"lex1", "Command2", "button", 4080, 5880, 975, 495, "O&K", false},
        {"lex1", "Command3", "button", 5040, 5880, 1815, 495, "&Solutions (All)", false},
        {"lex1", "Command4", "button", 7920, 5880, 1455, 495, "C&lose"},
        {"lex1", "Command11", "button", 0, 6720, 1215, 375, "&Char", false},
        {"lex1", "Label5", "label", 1200, 6720, 8295, 375, hint, false},
    };
    // h01d2: eight items in two rows of four.
    const int frameLefts[] = {120, 2400, 4680, 6960};
    const int questionLefts[] = {0, 2280, 4560, 6840};
    const int answerLefts[] = {0, 2160, 4560, 7200, 0, 2520, 4680, 7320};
    const int answerWidths[] = {2175, 2535, 2655, 1935, 2535, 2175, 2655, 1815};
    for (int i = 0; i < 8; ++i) {
        const int row = i / 4, column = i % 4;
        t.append({"h01d2", indexed("Picture1", i), "frame", frameLefts[column], row ? 3180 : 780, 2055, 1455, ""});
        t.append({"h01d2", indexed("Image1", i), "picture", 45, 30, 1920, 1350, ""});
        t.append({"h01d2", indexed("Check1", i), "tick", frameLefts[column], row ? 3180 : 780, 255, 255, ""});
        t.append({"h01d2", indexed("Label1", i), "label", questionLefts[column], row ? 4620 : 2220, 2295, 375, ""});
        t.append({"h01d2", indexed("Text1", i), "text", answerLefts[i], row ? 4980 : 2580, answerWidths[i], 390, ""});
    }
    for (int k = 0; k < 16; ++k)
        t.append({"h01d2", indexed("Image2", k), "picture", -1, 6240, 1935, 1335, "", false});
    // lex1: 24 cells, six to a row, inside the panel.
    for (int i = 0; i < 24; ++i) {
        const int left = 1560 * (i % 6), top = 1440 * (i / 6);
        t.append({"lex1", indexed("Image1", i), "picture", left, top, 1455, 1095, ""});
        t.append({"lex1", indexed("Check1", i), "tick", left, top, 255, 255, ""});
        t.append({"lex1", indexed("Text2", i), "text", left, top + 1080, 1455, 285, ""});
    }
    for (int k = 0; k < 40; ++k)
        t.append({"lex1", indexed("Image2", k), "picture", -1, -1, -1, -1, "", false});
    return t;
}

Form &formNamed(const QString &name)
{
    if (name == "sobre") return sobre();
    if (name == "alap") return alap();
    if (name == "h01d1") return h01d1();
    if (name == "h01d2") return h01d2();
    if (name == "h01d3") return h01d3();
    return lex1();
}

bool isKind(QObject *o, const QString &kind)
{
    if (kind == "picbutton") return qobject_cast<PictureButton *>(o);
    if (kind == "button") return qobject_cast<QPushButton *>(o) && !qobject_cast<PictureButton *>(o);
    if (kind == "label") return qobject_cast<QLabel *>(o);
    if (kind == "text") return qobject_cast<QLineEdit *>(o);
    if (kind == "tick") return qobject_cast<QCheckBox *>(o);
    if (kind == "picture") return qobject_cast<PictureBox *>(o);
    if (kind == "panel3d") return qobject_cast<Panel3D *>(o);
    if (kind == "panel") return o->metaObject() == &QWidget::staticMetaObject || qobject_cast<QFrame *>(o);
    if (kind == "frame") return qobject_cast<QFrame *>(o) && !qobject_cast<QLabel *>(o) && !qobject_cast<Panel3D *>(o);
    return false;
}

QString captionOf(QWidget *w)
{
    if (auto *b = qobject_cast<QAbstractButton *>(w)) return b->text();
    if (auto *l = qobject_cast<QLabel *>(w)) return l->text();
    if (auto *e = qobject_cast<QLineEdit *>(w)) return e->text();
    if (auto *p = qobject_cast<Panel3D *>(w)) return p->caption();
    return QString();
}

void loadWindow(const QString &name)
{
    if (name == "h01d3")
        module1().exerciseCode = 3;
    Form &form = formNamed(name);
    form.load();
    if (name == "h01d3")
        h01d3().ui().Command6->setEnabled(false); // as the opener does right after showing it
}

} // namespace

Q_DECLARE_METATYPE(Control)

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void controls_data()
    {
        QTest::addColumn<Control>("control");
        for (const Control &c : table())
            QTest::addRow("%s.%s", qPrintable(c.window), qPrintable(c.name)) << c;
    }

    void controls()
    {
        QFETCH(Control, control);
        TestRun run;
        loadWindow(control.window);
        QWidget *window = formNamed(control.window).window();
        auto *w = window->findChild<QWidget *>(control.name);
        QVERIFY2(w, "missing control");
        QVERIFY2(isKind(w, control.kind), w->metaObject()->className());
        if (control.width >= 0) {
            const QRect expected = twRect(control.left, control.top, control.width, control.height);
            if (control.left >= 0)
                QCOMPARE(w->geometry(), expected);
            else
                QCOMPARE(w->geometry().size(), expected.size());
        }
        QCOMPARE(captionOf(w), control.caption);
        QCOMPARE(!w->isHidden(), control.shown);
        QCOMPARE(w->isEnabled(), control.enabled);
    }

    void windows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QColor>("background");
        QTest::newRow("sobre") << "sobre" << "  About Tarvo!" << twSize(5445, 3405) << QColor(192, 192, 192);
        QTest::newRow("alap") << "alap" << "  T A R V O ! -  1. Lecke" << twSize(5985, 6915) << QColor(192, 192, 192);
        // The three windows with a "Go to exercise" row are as wide as its last button.
        QTest::newRow("h01d1") << "h01d1" << "  Tarvo! --- 1. Lecke: 1." << twSize(9255, 5880) << QColor(206, 221, 221);
        QTest::newRow("h01d2") << "h01d2" << "  Tarvo! --- 1. Lecke: 2." << twSize(9255, 6135) << QColor(224, 224, 224);
        QTest::newRow("h01d3") << "h01d3" << "Tarvo! --- 1. Lecke: 3." << twSize(9255, 5880) << QColor(255, 255, 224);
        QTest::newRow("lex1") << "lex1" << "    Tarvo! --- 1. Lecke: 5." << twSize(9510, 7110) << QColor(192, 192, 192);
        QTest::newRow("hatter") << "hatter" << "   T A R V O  !" << twSize(7710, 5940) << QColor(224, 224, 224);
    }

    void windows()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(QColor, background);
        TestRun run;
        FormWindow *window = nullptr;
        if (name == "hatter")
            window = hatter().window();
        else {
            loadWindow(name);
            window = formNamed(name).window();
        }
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->client()->size(), client);
        QCOMPARE(window->client()->palette().color(QPalette::Window), background);
        QVERIFY(!window->windowIcon().isNull());
        QCOMPARE(window->windowIcon().cacheKey(), Program::icon().cacheKey());
        // Every control lies inside the window's client area.
        for (QWidget *w : window->client()->findChildren<QWidget *>()) {
            if (w->isHidden() || w->parentWidget() != window->client())
                continue;
            QVERIFY2(QRect(QPoint(0, 0), client).contains(w->geometry()),
                     qPrintable(w->objectName()));
        }
        // A label's text is what it tells: a screen reader reads it as the label's name, which
        // therefore is never set to something else.
        for (QLabel *label : window->findChildren<QLabel *>()) {
            label->setText(label->text() + QStringLiteral(" (read)"));
            QCOMPARE(accessibleText(label), label->text());
        }
    }

    void everyLetterHasAGlyph_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"sobre", "alap", "h01d1", "h01d2", "h01d3", "lex1"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }

    void everyLetterHasAGlyph()
    {
        QFETCH(QString, window);
        TestRun run;
        loadWindow(window);
        fillNounList();
        // Whatever a control shows at load, and every Hungarian letter the exercises put in it.
        const QString hungarian = QStringLiteral("áéíóöőúüűÁÉÍÓÖŐÚÜŰ") + module1().nounList.join(QString());
        int checked = 0;
        for (QWidget *w : formNamed(window).window()->findChildren<QWidget *>()) {
            const QString text = captionOf(w).remove(QLatin1Char('&')) + hungarian;
            if (!qobject_cast<QLabel *>(w) && !qobject_cast<QAbstractButton *>(w) && !qobject_cast<QLineEdit *>(w) &&
                !qobject_cast<Panel3D *>(w))
                continue;
            const QFontMetrics metrics(w->font());
            for (QChar c : text)
                if (!c.isSpace())
                    QVERIFY2(metrics.inFont(c), qPrintable(w->objectName() + QStringLiteral(": ") + c));
            ++checked;
        }
        QVERIFY(checked > 5);
    }

    void textsFit_data() { everyLetterHasAGlyph_data(); }

    // Every caption and label text at load fits inside its control as the control draws it:
    // nothing clipped at the screen's scale (fonts are measured at the device pixel ratio).
    void textsFit()
    {
        QFETCH(QString, window);
        TestRun run;
        loadWindow(window);
        QWidget *top = formNamed(window).window();
        top->show();
        int checked = 0;
        for (QWidget *w : top->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(top))
                continue;
            const QString text = captionOf(w);
            if (text.trimmed().isEmpty() || qobject_cast<QLineEdit *>(w))
                continue;
            const QFontMetricsF metrics(w->font(), w);
            QRectF room = w->contentsRect();
            int flags = 0;
            QString shown = text;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                room.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
                flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
                if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text))
                    continue;
            } else if (qobject_cast<Panel3D *>(w)) {
                flags = Qt::AlignCenter | Qt::TextWordWrap;
            } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
                shown = QString(text).remove(QLatin1Char('&'));
                const int margin = w->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w);
                room.adjust(margin / 2.0, 0, -margin / 2.0, 0);
                if (auto *picture = qobject_cast<PictureButton *>(button)) // the caption beside the picture
                    room.adjust(qMin(picture->height() - 8, 32) + 4, 0, 0, 0);
                flags = Qt::AlignCenter;
            } else {
                continue;
            }
            const QRectF needed = metrics.boundingRect(room, flags, shown);
            QVERIFY2(needed.width() <= room.width() + 0.01 && needed.height() <= room.height() + 0.01,
                     qPrintable(QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6 at scale %7")
                                    .arg(w->objectName(), shown)
                                    .arg(needed.width()).arg(needed.height())
                                    .arg(room.width()).arg(room.height())
                                    .arg(w->devicePixelRatioF())));
            ++checked;
        }
        QVERIFY(checked > 1);
    }

    void picturesAreCrisp_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *w : {"sobre", "h01d2", "lex1"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }

    // A picture is rendered at the device pixel ratio and drawn without resampling: the window
    // shows, where the control is, exactly the pixels of the picture rendered for its size.
    void picturesAreCrisp()
    {
        QFETCH(QString, window);
        TestRun run;
        loadWindow(window);
        QWidget *top = formNamed(window).window();
        top->show();
        // Every picture box, shown at load or later; one that shows nothing yet gets a drawing,
        // in each of the three tones in turn. The tick boxes over the pictures' corners and the
        // word boxes over their bottom edge (exercise 5) go.
        const Picture::Tone tones[] = {Picture::Colour, Picture::Ink, Picture::Grey};
        const QList<PictureBox *> boxes = top->findChildren<PictureBox *>();
        for (int i = 0; i < boxes.size(); ++i)
            if (boxes[i]->picture().isNull())
                boxes[i]->setPicture({QStringLiteral(":/ex5/noun%1.svg").arg(i % 20, 2, 10, QLatin1Char('0')), tones[i % 3]});
        for (QCheckBox *tick : top->findChildren<QCheckBox *>())
            tick->hide();
        for (QLineEdit *box : top->findChildren<QLineEdit *>())
            box->hide();
        const QImage screen = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
        int checked = 0;
        for (PictureBox *box : boxes) {
            if (box->size().isEmpty())
                continue;
            const qreal ratio = box->devicePixelRatioF();
            const QImage rendered =
                renderPicture(box->picture(), box->size(), ratio).toImage().convertToFormat(QImage::Format_RGB32);
            const QSizeF exact = QSizeF(box->size()) * ratio;
            QCOMPARE(rendered.size(), QSize(qCeil(exact.width() - 1e-6), qCeil(exact.height() - 1e-6)));
            if (!box->isVisibleTo(top))
                continue;
            // The device pixels wholly inside the control (a last part pixel belongs to the next).
            const QPoint at = (QPointF(box->mapTo(top, QPoint(0, 0))) * ratio).toPoint();
            const QSize whole(int(exact.width()), int(exact.height()));
            const QImage shown = screen.copy(QRect(at, whole));
            QVERIFY2(shown == rendered.copy(QRect(QPoint(0, 0), whole)), qPrintable(box->objectName()));
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void fontsAreTheLaidOutOnes()
    {
        TestRun run;
        loadWindow("h01d1");
        // MS Serif 13.5 pt bold in the boxes is drawn with Liberation Serif.
        const QFont box = h01d1().ui().Text2->font();
        QCOMPARE(box.pointSizeF(), 13.5);
        QVERIFY(box.bold());
        QCOMPARE(QFontInfo(box).family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(QFontInfo(h01d1().ui().Label2->font()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(h01d1().ui().Label3->font()).family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(QFontInfo(h01d1().ui().Command1->font()).family(), QStringLiteral("Liberation Sans"));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
