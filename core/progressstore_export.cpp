// The export: every answer of the log as CSV, for the learner's teacher or a spreadsheet.
#include "core/progressstore_p.h"

#include <QDir>
#include <QSaveFile>
#include <QVariant>

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool SqliteProgressStore::exportCsv(const QString &path, QString *error)
{
    auto failed = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!canRead())
        return failed(d->problem.isEmpty() ? QCoreApplication::translate("ProgressStore", "The progress file cannot be read.") : d->problem);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        //: %1 is the file the learner chose, %2 the system's reason
        return failed(QCoreApplication::translate("ProgressStore", "%1 cannot be written: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    file.write("time,exercise,plus,item,answer,right,first_try,lesson\r\n");
    QSqlQuery q = d->query();
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT time, exercise, plus, item, answer, is_right, first_try, lesson FROM answers "
                                   "ORDER BY id")))
        return failed(QCoreApplication::translate("ProgressStore", "The progress file cannot be read: %1")
                          .arg(q.lastError().text()));
    QString line;
    while (q.next()) {
        line.clear();
        line += q.value(0).toString() + QLatin1Char(',') + q.value(1).toString() + QLatin1Char(',') +
                QString::number(q.value(2).toInt() ? 1 : 0) + QLatin1Char(',') + csvField(q.value(3).toString()) +
                QLatin1Char(',') + csvField(q.value(4).toString()) + QLatin1Char(',') +
                QString::number(q.value(5).toInt() ? 1 : 0) + QLatin1Char(',') +
                QString::number(q.value(6).toInt() ? 1 : 0) + QLatin1Char(',') + csvField(q.value(7).toString()) +
                QLatin1String("\r\n");
        file.write(line.toUtf8());
    }
    if (q.lastError().isValid())
        return failed(QCoreApplication::translate("ProgressStore", "The progress file cannot be read: %1")
                          .arg(q.lastError().text()));
    if (!file.commit())
        //: %1 is the file the learner chose, %2 the system's reason
        return failed(QCoreApplication::translate("ProgressStore", "%1 cannot be written: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    return true;
}
