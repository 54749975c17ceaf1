// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WidgetAccessibility.h"

#include "widgets/BevelPanel.h"
#include "widgets/FlatSpeedButton.h"

#include <QAccessibleWidget>

#include <mutex>

namespace flightdeck {

namespace {

// "&Open" reads "Open".
QString WithoutMnemonic(QString text) {
  return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
      .remove(QLatin1Char('&'))
      .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

class TFlatSpeedButtonAccessible : public QAccessibleWidget {
public:
  explicit TFlatSpeedButtonAccessible(TFlatSpeedButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && Button()->accessibleName().isEmpty())
      return Button()->Caption().isEmpty() ? Button()->toolTip()
                                           : WithoutMnemonic(Button()->Caption());
    if (kind == QAccessible::Description && Button()->accessibleDescription().isEmpty())
      return Button()->Caption().isEmpty() ? QString() : Button()->toolTip();
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = Button()->GroupIndex() != 0;
    state.checked = Button()->Down();
    return state;
  }
  QStringList actionNames() const override {
    return Button()->isEnabled() ? QStringList{pressAction()} : QStringList();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() && Button()->isEnabled())
      Button()->Click();
  }

private:
  TFlatSpeedButton* Button() const { return static_cast<TFlatSpeedButton*>(widget()); }
};

class TBevelPanelAccessible : public QAccessibleWidget {
public:
  explicit TBevelPanelAccessible(TBevelPanel* panel) : QAccessibleWidget(panel) {}

  QAccessible::Role role() const override {
    return Panel()->Caption().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
  }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && Panel()->accessibleName().isEmpty())
      return Panel()->Caption().trimmed();
    return QAccessibleWidget::text(kind);
  }

private:
  TBevelPanel* Panel() const { return static_cast<TBevelPanel*>(widget()); }
};

QAccessibleInterface* WidgetAccessible(const QString& className, QObject* object) {
  if (className == QLatin1String("flightdeck::TFlatSpeedButton"))
    return new TFlatSpeedButtonAccessible(static_cast<TFlatSpeedButton*>(object));
  if (className == QLatin1String("flightdeck::TBevelPanel"))
    return new TBevelPanelAccessible(static_cast<TBevelPanel*>(object));
  return nullptr;
}

} // namespace

void InstallWidgetAccessibility() {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(WidgetAccessible); });
}

} // namespace flightdeck
