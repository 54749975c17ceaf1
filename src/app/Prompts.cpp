#include "app/Prompts.h"

#include "app/Application.h"
#include "widgets/FolderBrowseDlg.h"

#include <QMessageBox>

namespace flightdeck {

TMessageResult TDialogPrompts::Message(const QString& caption, const QString& text,
                                       TMessageButtons buttons) {
  if (buttons == TMessageButtons::Ok) {
    QMessageBox::information(FParent, caption, text);
    return TMessageResult::Ok;
  }
  const auto answer =
      QMessageBox::question(FParent, caption, text, QMessageBox::Yes | QMessageBox::No);
  return answer == QMessageBox::Yes ? TMessageResult::Yes : TMessageResult::No;
}

bool TDialogPrompts::ExecuteFolderDialog(TFolderBrowseDlg& dialog) {
  return dialog.Execute();
}

void TDialogPrompts::ShowAbout() {
  QMessageBox::about(FParent, QStringLiteral("About ") + ApplicationTitle,
                     ApplicationTitle +
                         QStringLiteral(" v1.0\nA mission manager for X-wing vs. TIE Fighter."));
}

} // namespace flightdeck
