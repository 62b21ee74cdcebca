#include "core/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The translators installed now, owned by the application so that they live as long as it.
QTranslator *ours = nullptr;
QTranslator *qts = nullptr;

void removeTranslator(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

QTranslator *loaded(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

namespace Translations {

void uninstall()
{
    removeTranslator(qts);
    removeTranslator(ours);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString install(const QStringList &uiLanguages)
{
    uninstall();
    for (const QString &language : uiLanguages) {
        // "de-AT" is tried as tarvo_de_AT.qm, then tarvo_de.qm.
        const QString name = QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return QString();
        ours = loaded(QStringLiteral("tarvo_") + name, QStringLiteral(":/i18n"));
        if (!ours)
            continue;
        QCoreApplication::installTranslator(ours);
        // Qt's own texts (standard buttons, the command line's help option) in the same
        // language; Debian's qt6-translations-l10n holds them.
        qts = loaded(QStringLiteral("qtbase_") + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (qts)
            QCoreApplication::installTranslator(qts);
        QLocale::setDefault(locale);
        return ours->language();
    }
    return QString();
}

bool installFile(const QString &qmPath)
{
    uninstall();
    ours = loaded(qmPath, QString());
    if (ours)
        QCoreApplication::installTranslator(ours);
    return ours != nullptr;
}

} // namespace Translations
