#include "portuguese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorn::win {

void speakPortuguese(QCoreApplication& app) {
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    QLocale::setDefault(brazil);
    // "qt" names the catalogue that pulls in the ones of every Qt module
    // (qtbase, qtmultimedia ...).
    auto* translator = new QTranslator(&app);
    if (translator->load(brazil, QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace vorn::win
