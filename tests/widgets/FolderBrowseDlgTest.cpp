// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/FolderBrowseDlg.h"
#include "support/TestFiles.h"
#include "widgets/StatusTextFit.h"

#include <QApplication>
#include <QDir>
#include <filesystem>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace flightdeck;

class TFolderBrowseDlgTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void pathsLoseFolderLevelsFromTheFront() {
    const auto width = [](const QString& text) { return static_cast<int>(text.size()); };
    const auto folder = [](const QString&) { return true; };
    const QString path = QStringLiteral("c:\\games\\xvt\\battle\\");
    const auto fit = [&](int max) {
      return FitStatusText(path, max, width, folder, QLatin1Char('\\'));
    };
    QCOMPARE(fit(100), path);
    QCOMPARE(fit(19), QStringLiteral("c:\\...\\xvt\\battle\\"));
    QCOMPARE(fit(16), QStringLiteral("c:\\...\\battle\\"));
    QCOMPARE(fit(12), QStringLiteral("c:\\...\\"));
    QCOMPARE(fit(6), QStringLiteral("...\\"));
    QCOMPARE(fit(3), QString());
    QCOMPARE(FitStatusText(QStringLiteral("/home/pilot/xvt"), 12, width, folder, QLatin1Char('/')),
             QStringLiteral("/.../xvt"));
  }

  void otherTextIsCutAtTheEnd() {
    const auto width = [](const QString& text) { return static_cast<int>(text.size()); };
    const auto notFolder = [](const QString&) { return false; };
    const QString sentence = QStringLiteral("Select your \"X-wing vs. TIE Fighter\" directory.");
    QCOMPARE(FitStatusText(sentence, 100, width, notFolder, QLatin1Char('/')), sentence);
    QCOMPARE(FitStatusText(sentence, 14, width, notFolder, QLatin1Char('/')),
             QStringLiteral("Select your..."));
    QCOMPARE(FitStatusText(sentence, 2, width, notFolder, QLatin1Char('/')), QStringLiteral("..."));
  }

  void confirmedFolderGainsASeparatorAndCancelClearsTheSelection() {
    test::TTempDir temp;
    const QString folder = QString::fromStdString(temp.Path().string());
    TFolderBrowseDlg dialog;
    dialog.SetCaption(QStringLiteral("Browse..."));
    dialog.SetStatusText(QStringLiteral("Pick one."));
    dialog.SetSelection(folder);
    QCOMPARE(dialog.Selection(), folder + QDir::separator());
    QString seenCaption, seenStatus;
    bool okEnabled = true;
    dialog.SetEnableOKButton(false);
    dialog.OnCreate = [&](TFolderBrowseDlg& self) {
      seenCaption = self.Dialog()->windowTitle();
      seenStatus = self.Dialog()->findChild<QLabel*>(QStringLiteral("StatusText"))->text();
      okEnabled = self.Dialog()->findChild<QPushButton*>()->isEnabled();
      self.SetEnableOKButton(true);
      QTimer::singleShot(0, self.Dialog(), &QDialog::accept);
    };
    QVERIFY(dialog.Execute());
    QCOMPARE(seenCaption, QStringLiteral("Browse..."));
    QCOMPARE(seenStatus, QStringLiteral("Pick one."));
    QVERIFY(!okEnabled);
    QCOMPARE(dialog.Selection(), folder + QDir::separator());

    dialog.OnCreate = [](TFolderBrowseDlg& self) {
      QTimer::singleShot(0, self.Dialog(), &QDialog::reject);
    };
    QVERIFY(!dialog.Execute());
    QCOMPARE(dialog.Selection(), QString());
  }

  void aHiddenFolderIsReachedByItsPathOrAPlace() {
    test::TTempDir temp;
    std::filesystem::create_directories(temp.Path() / ".wine" / "drive_c" / "GOG Games");
    const QString hidden =
        QString::fromStdString((temp.Path() / ".wine" / "drive_c" / "GOG Games").string());
    TFolderBrowseDlg dialog;
    dialog.SetPlaces({{QStringLiteral("Wine"),
                       QString::fromStdString((temp.Path() / ".wine" / "drive_c").string())}});
    QString fromPlace;
    bool stayed = false;
    dialog.OnCreate = [&](TFolderBrowseDlg& self) {
      QTimer::singleShot(0, self.Dialog(), [&] { // once it is shown
        auto* places = self.Dialog()->findChild<QComboBox*>(QStringLiteral("Places"));
        QCOMPARE(places->count(), 2);
        Q_EMIT places->activated(1);
        fromPlace = self.Selection();
        auto* path = self.Dialog()->findChild<QLineEdit*>(QStringLiteral("FolderPath"));
        path->setText(hidden);
        QTest::keyClick(path, Qt::Key_Return); // goes there, and the dialog stays
        stayed = self.Dialog()->isVisible() && self.Selection() == hidden + QDir::separator();
        path->setText(hidden + QStringLiteral("/missing"));
        self.Dialog()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        stayed = stayed && self.Dialog()->isVisible(); // no such folder: not taken
        path->setText(QStringLiteral("~"));            // the home folder, as a shell takes it
        self.Dialog()->accept();
      });
    };
    QVERIFY(dialog.Execute());
    QCOMPARE(fromPlace, QString::fromStdString((temp.Path() / ".wine" / "drive_c").string()) +
                            QDir::separator());
    QVERIFY(stayed);
    QCOMPARE(dialog.Selection(), QDir::toNativeSeparators(QDir::homePath()) + QDir::separator());
  }
};

int RunFolderBrowseDlgTest(int argc, char** argv) {
  TFolderBrowseDlgTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "FolderBrowseDlgTest.moc"
