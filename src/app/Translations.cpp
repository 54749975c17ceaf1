// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace flightdeck {

namespace {

// Replaces the translation named `name` by that of `locale`, if there is one in `folder`.
void Replace(const QString& name, const QLocale& locale, const QString& folder) {
  QCoreApplication* application = QCoreApplication::instance();
  // A translator leaves the application as it goes.
  delete application->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly);
  auto* translator = new QTranslator(application);
  translator->setObjectName(name);
  if (translator->load(locale, name, QStringLiteral("_"), folder))
    QCoreApplication::installTranslator(translator);
  else
    delete translator;
}

} // namespace

void ShowInLanguage(const QLocale& locale) {
  Replace(QStringLiteral("qtbase"), locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  Replace(QStringLiteral("flightdeck"), locale, QStringLiteral(":/translations"));
}

} // namespace flightdeck
